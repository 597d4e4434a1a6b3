#pragma once
// The timer "时钟": an invisible control that raises its event 0 every
// interval milliseconds while the interval is above 0.
//
//   kind data (interval) ──► TimerControl ──► QTimer (precise) ──► FireEvent(…, 0)

#include <QTimer>
#include <QWidget>
#include <cstdint>

#include "controls/kind_registry.h"
#include "host/kind_helpers.h"

namespace runtime {

// Qt picks its own timer identifiers; this names the one tick timer a timer
// control owns (it is the QTimer's object name).
inline constexpr int kTickTimerId = 1000;

class TimerControl : public QWidget {
public:
    TimerControl(forms::UnitAddress address, int32_t interval, QWidget* parent);
    // Stops the tick timer and tells the runtime that the unit is gone.
    ~TimerControl() override;

    int32_t interval() const { return interval_; }
    bool running() const { return running_; }
    const QTimer& tickTimer() const { return timer_; }

    // Negative values count as 0. The same interval changes nothing (a
    // running timer keeps its phase); another one restarts the timer, or
    // stops it for 0.
    void setInterval(int32_t interval);

private:
    void start();
    void stop();
    void tick();

    UnitGoneReport goneReport_;
    int32_t interval_ = 0;
    bool running_ = false;
    QTimer timer_;
};

// The kind's descriptor parts, registered by RegisterRuntimeKinds.
forms::KindDescriptor TimerKind();

}  // namespace runtime
