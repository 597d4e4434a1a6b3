// The timer kind "时钟": raises its event every interval while the interval
// is above zero.

#include "host/timer_kind.h"

#include "controls/control_model.h"
#include "forms/kind_tables.h"

namespace runtime {
namespace {

QWidget* Create(const forms::CreateRequest& request) {
    const std::optional<forms::TimerData> data =
        forms::ReadKindData<forms::TimerData>(request.kindData);
    if (!data) return nullptr;
    auto* timer = new TimerControl(request.address, data->period, request.parent);
    timer->setGeometry(request.geometry);
    return timer;
}

// The interval lives in the running timer; a new one restarts it.
void SetProperty(QWidget* control, int32_t index, const forms::PropertyValue& value) {
    auto* timer = dynamic_cast<TimerControl*>(control);
    if (timer == nullptr) return;
    forms::TimerData data{timer->interval()};
    forms::SetStoredProperty(data, index, value);
    timer->setInterval(data.period);
}

forms::PropertyValue GetProperty(QWidget* control, int32_t index) {
    const auto* timer = dynamic_cast<const TimerControl*>(control);
    if (timer == nullptr) return {};
    return forms::GetStoredProperty(forms::TimerData{timer->interval()}, index);
}

forms::Bytes Serialise(QWidget* control) {
    const auto* timer = dynamic_cast<const TimerControl*>(control);
    return timer != nullptr ? forms::WriteKindData(forms::TimerData{timer->interval()})
                            : forms::Bytes{};
}

}  // namespace

TimerControl::TimerControl(forms::UnitAddress address, int32_t interval, QWidget* parent)
    : QWidget(parent), goneReport_(address), interval_(std::max(interval, 0)) {
    timer_.setObjectName(QString::number(kTickTimerId));
    // A coarse timer may fire a little early; the clock it drives must not
    // show the same second twice.
    timer_.setTimerType(Qt::PreciseTimer);
    // QTimer emits timeout from its own timer event, so the platform's
    // default handling of the tick has run before the event is raised.
    QObject::connect(&timer_, &QTimer::timeout, this, [this] { tick(); });
    if (interval_ > 0) start();
}

TimerControl::~TimerControl() {
    stop();
}

void TimerControl::setInterval(int32_t interval) {
    interval = std::max(interval, 0);
    if (interval == interval_) return;
    interval_ = interval;
    stop();
    if (interval_ > 0) start();
}

void TimerControl::start() {
    timer_.start(interval_);
    running_ = true;
}

void TimerControl::stop() {
    if (!running_) return;
    timer_.stop();
    running_ = false;
}

// A destroyed window leaves the window table at once, but Qt deletes its
// controls only when control is back in an event loop. A tick in between
// belongs to no loaded window: the timer stops instead of raising an event
// that the dispatch could not place.
void TimerControl::tick() {
    const forms::UnitAddress address = goneReport_.address();
    if (forms::LiveControl(address.windowId, address.unitId) != this) return stop();
    forms::FireEvent(address.windowId, address.unitId, int32_t(forms::TimerEvent::Elapsed));
}

forms::KindDescriptor TimerKind() {
    return DescribeKind(forms::KindCode::Timer, forms::PropertyTypes<forms::TimerData>(),
                        {Create, SetProperty, GetProperty, Serialise, nullptr});
}

}  // namespace runtime
