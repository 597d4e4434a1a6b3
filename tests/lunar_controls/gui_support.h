#pragma once
// Helpers of the lunar control tests: GBK literals, a recorder of the grid's
// owner notices, and mouse input delivered straight to a widget.

#include <QCoreApplication>
#include <QMouseEvent>
#include <QObject>
#include <QWidget>
#include <string>
#include <vector>

#include "lunar_controls/day_grid.h"
#include "runtime/gbk.h"

namespace lunar_controls::test {

inline std::string Gbk(const char* utf8) {
    return runtime::Utf8ToGbk(utf8);
}

struct RecordedNotice {
    GridNotice code;
    double dateTime;
    bool delivered_at_once;  // sent rather than posted
    friend bool operator==(const RecordedNotice&, const RecordedNotice&) = default;
};

// Stands in for the grid's owner. A notice that arrives while `sending` is
// set was delivered during the call that caused it.
class NoticeRecorder : public QObject {
public:
    std::vector<RecordedNotice> notices;
    bool sending = false;

    bool event(QEvent* event) override {
        if (event->type() != GridNoticeEvent::kType) return QObject::event(event);
        const auto* notice = static_cast<GridNoticeEvent*>(event);
        notices.push_back({notice->code, notice->dateTime, sending});
        return true;
    }
};

inline void SendMouse(QWidget& widget, QEvent::Type type, QPoint point,
                      Qt::MouseButton button = Qt::NoButton) {
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonPress ? Qt::MouseButtons(button) : Qt::MouseButtons();
    QMouseEvent event(type, QPointF(point), QPointF(widget.mapToGlobal(point)), button, held,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &event);
}

inline void MoveMouse(QWidget& widget, QPoint point) {
    SendMouse(widget, QEvent::MouseMove, point);
}

// A press and a release of `button` at the point.
inline void Click(QWidget& widget, QPoint point, Qt::MouseButton button = Qt::LeftButton) {
    SendMouse(widget, QEvent::MouseButtonPress, point, button);
    SendMouse(widget, QEvent::MouseButtonRelease, point, button);
}

inline void LeaveWidget(QWidget& widget) {
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&widget, &leave);
}

inline QPoint CellCentre(int index) {
    return CCalendar::CellRect(index).center();
}

}  // namespace lunar_controls::test
