// The timer kind "时钟": raises its event every interval while the interval
// is above zero.

#include "extended_controls/timer.h"

#include "controls/control_model.h"
#include "forms/kind_tables.h"

namespace extended_controls {
namespace {

QWidget* Create(const controls::CreateRequest& request) {
    return controls::CreatePlaced<forms::TimerData>(request, [&](const forms::TimerData& data) {
        return new TimerWidget(request.address, data.period, request.parent);
    });
}

}  // namespace

TimerWidget::TimerWidget(controls::UnitAddress address, int32_t interval, QWidget* parent)
    : QWidget(parent), link_(address, this), interval_(std::max(interval, 0)) {
    timer_.setObjectName(QString::number(kTickTimerId));
    // A coarse timer may fire a little early; the clock it drives must not
    // show the same second twice.
    timer_.setTimerType(Qt::PreciseTimer);
    // QTimer emits timeout from its own timer event, so the platform's
    // default handling of the tick has run before the event is raised.
    QObject::connect(&timer_, &QTimer::timeout, this, [this] { tick(); });
    if (interval_ > 0) start();
}

TimerWidget::~TimerWidget() {
    stop();
}

void TimerWidget::setInterval(int32_t interval) {
    interval = std::max(interval, 0);
    if (interval == interval_) return;
    interval_ = interval;
    stop();
    if (interval_ > 0) start();
}

void TimerWidget::start() {
    timer_.start(interval_);
    running_ = true;
}

void TimerWidget::stop() {
    if (!running_) return;
    timer_.stop();
    running_ = false;
}

// A destroyed window leaves the window table at once, but Qt deletes its
// controls only when control is back in an event loop. A tick in between
// belongs to no loaded window: the timer stops instead of raising an event
// that the dispatch could not place.
void TimerWidget::tick() {
    if (!link_.live()) return stop();
    link_.Fire(int32_t(forms::TimerEvent::Elapsed));
}

controls::KindDescriptor TimerKind() {
    return controls::DescribeKind<TimerWidget>(Create);
}

}  // namespace extended_controls
