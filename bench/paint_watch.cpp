#include "bench/paint_watch.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QWidget>
#include <algorithm>

namespace bench {
namespace {

// Far longer than any repaint takes, even on a busy machine.
constexpr qint64 kPaintDeadlineMs = 1000;

}  // namespace

PaintWatch::PaintWatch(std::vector<QWidget*> widgets) : widgets_(std::move(widgets)) {
    for (QWidget* widget : widgets_) widget->installEventFilter(this);
    Reset();
}

PaintWatch::~PaintWatch() {
    for (QWidget* widget : widgets_) widget->removeEventFilter(this);
}

void PaintWatch::Reset() {
    painted_.assign(widgets_.size(), false);
    unpainted_ = widgets_.size();
}

bool PaintWatch::WaitUntilAllPainted() {
    QElapsedTimer clock;
    clock.start();
    while (unpainted_ > 0) {
        if (clock.elapsed() > kPaintDeadlineMs) return false;
        QCoreApplication::processEvents();
    }
    return true;
}

bool PaintWatch::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Paint) return false;
    const auto found = std::find(widgets_.begin(), widgets_.end(), watched);
    if (found == widgets_.end()) return false;
    const size_t index = size_t(found - widgets_.begin());
    if (!painted_[index]) {
        painted_[index] = true;
        --unpainted_;
    }
    return false;
}

}  // namespace bench
