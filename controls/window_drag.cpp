// Dragging a window by its background.

#include "controls/window_drag.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QStyleHints>
#include <QWidget>
#include <QWindow>

namespace controls {

bool WindowDrag::handle(QWidget& window, QEvent& event) {
    switch (event.type()) {
        case QEvent::MouseButtonPress: {
            auto& mouse = static_cast<QMouseEvent&>(event);
            if (mouse.button() != Qt::LeftButton) return false;
            // Nothing moves yet: a click is no drag. A window manager's move
            // started on the press never ends when the release comes first.
            press_ = mouse.globalPosition().toPoint();
            return true;
        }
        case QEvent::MouseMove:
            return follow(window, static_cast<QMouseEvent&>(event));
        case QEvent::MouseButtonRelease:
            if (!press_ && !offset_) return false;
            press_.reset();
            offset_.reset();
            return true;
        default:
            return false;
    }
}

bool WindowDrag::follow(QWidget& window, const QMouseEvent& mouse) {
    const QPoint pointer = mouse.globalPosition().toPoint();
    if (offset_) {
        window.move(pointer - *offset_);
        return true;
    }
    if (!press_) return false;
    // A release that never arrived leaves the button up: no drag then.
    if ((mouse.buttons() & Qt::LeftButton) == 0) {
        press_.reset();
        return false;
    }
    if ((pointer - *press_).manhattanLength() < QGuiApplication::styleHints()->startDragDistance())
        return true;
    const QPoint press = *press_;
    press_.reset();
    // A window manager moves the window itself; without one the window
    // follows the pointer, keeping the point pressed under it.
    if (window.windowHandle() != nullptr && window.windowHandle()->startSystemMove()) return true;
    offset_ = press - window.frameGeometry().topLeft();
    window.move(pointer - *offset_);
    return true;
}

}  // namespace controls
