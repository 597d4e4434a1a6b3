#pragma once
// The timer "时钟": an invisible control that raises its event 0 every
// interval milliseconds while the interval is above 0.
//
//   kind data (interval) ──► TimerWidget ──► QTimer (precise) ──► FireEvent(…, 0)

#include <QTimer>
#include <QWidget>
#include <cstdint>

#include "controls/kind_support.h"
#include "extended_controls/extended_kinds.h"

namespace extended_controls {

// Qt picks its own timer identifiers; this names the one tick timer a timer
// control owns (it is the QTimer's object name).
inline constexpr int kTickTimerId = 1000;

class TimerWidget : public QWidget {
public:
    TimerWidget(controls::UnitAddress address, int32_t interval, QWidget* parent);
    // Stops the tick timer and tells the runtime that the unit is gone.
    ~TimerWidget() override;

    int32_t interval() const { return interval_; }
    bool running() const { return running_; }
    const QTimer& tickTimer() const { return timer_; }

    // Negative values count as 0. The same interval changes nothing (a
    // running timer keeps its phase); another one restarts the timer, or
    // stops it for 0.
    void setInterval(int32_t interval);

    // The kind data record: the interval.
    forms::TimerData data() const { return {interval_}; }
    void setData(const forms::TimerData& data) { setInterval(data.period); }

private:
    void start();
    void stop();
    void tick();

    controls::UnitLink link_;
    int32_t interval_ = 0;
    bool running_ = false;
    QTimer timer_;
};

}  // namespace extended_controls
