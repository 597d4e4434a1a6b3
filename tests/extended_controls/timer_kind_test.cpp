// The timer kind: interval writes, ticks that reach the engine procedure
// bound to event 0 of the timer's unit, and the end of ticking when the
// window goes.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTest>

#include "controls/control_model.h"
#include "extended_controls/timer.h"
#include "forms/kind_data.h"
#include "forms/template.h"
#include "kinds_test_support.h"
#include "runtime/errors.h"
#include "runtime/gbk.h"

namespace runtime {
namespace {

using testing::CreateControl;

constexpr uint32_t kWindowId = 0x52010001;
constexpr uint32_t kWindowUnitId = 0x06010000;
constexpr uint32_t kTimerUnitId = 0x16010010;
constexpr int32_t kIntervalProperty = int32_t(forms::TimerProperty::Period);
constexpr int32_t kWholeProperty = -1;
// Long enough that no tick falls inside a test that waits less.
constexpr int32_t kSlowInterval = 1000;
constexpr int32_t kFastInterval = 20;
constexpr int kTickWaitMs = 2000;

struct Tick {
    uint32_t windowId;
    uint32_t unitId;
    int32_t event;
    int32_t argCount;
};

std::vector<Tick>& Ticks() {
    static std::vector<Tick> ticks;
    return ticks;
}

void RecordTick(const RuntimeServices&, EventRecord& event) {
    Ticks().push_back({event.windowId, event.unitId, event.event, event.argCount});
}

constexpr EngineProcedure kProcedures[] = {RecordTick};

forms::UnitRecord OwnUnit() {
    forms::UnitRecord unit;
    unit.id = kWindowUnitId;
    unit.kind = uint32_t(forms::KindCode::Window);
    unit.width = 200;
    unit.height = 100;
    unit.stateFlags = forms::kVisible;
    return unit;
}

// A hidden-kind unit whose event 0 is bound to RecordTick.
forms::UnitRecord TimerUnit(int32_t interval) {
    forms::UnitRecord unit;
    unit.id = kTimerUnitId;
    unit.kind = uint32_t(forms::KindCode::Timer);
    unit.width = 32;
    unit.height = 32;
    unit.events = {{int32_t(forms::TimerEvent::Elapsed), 0}};
    unit.kindData = forms::WriteKindData(forms::TimerData{interval});
    return unit;
}

// A loaded one-window template holding one timer.
class TimerWindow : public ::testing::Test {
protected:
    void open(int32_t interval) {
        forms::TemplateData data;
        data.windows.push_back({kWindowId, 0, 0, "", "", {OwnUnit(), TimerUnit(interval)}});
        ASSERT_TRUE(forms::RebaseHandlers(data, kProcedures));
        controls::InstallWindowTable(std::move(data));
        Ticks().clear();
        ASSERT_TRUE(controls::OpenFormWindow(kWindowId));
        timer_ = dynamic_cast<extended_controls::TimerWidget*>(
            controls::LiveControl(kWindowId, kTimerUnitId));
        ASSERT_NE(timer_, nullptr);
    }

    void TearDown() override {
        controls::DestroyFormWindow(kWindowId);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void writeInterval(int32_t interval) {
        controls::WriteUnitProperty(kWindowId, kTimerUnitId, kIntervalProperty, kWholeProperty,
                                    runtime::Payload(uint32_t(interval)));
    }
    int32_t readInterval() {
        return int32_t(uint32_t(controls::ReadUnitProperty(kWindowId, kTimerUnitId,
                                                           kIntervalProperty, kWholeProperty)));
    }

    extended_controls::TimerWidget* timer_ = nullptr;
};

TEST_F(TimerWindow, TicksReachTheBoundProcedureWithoutArguments) {
    open(kFastInterval);
    EXPECT_TRUE(timer_->running());
    EXPECT_TRUE(timer_->isHidden());
    ASSERT_TRUE(QTest::qWaitFor([] { return Ticks().size() >= 3; }, kTickWaitMs));
    for (const Tick& tick : Ticks()) {
        EXPECT_EQ(tick.windowId, kWindowId);
        EXPECT_EQ(tick.unitId, kTimerUnitId);
        EXPECT_EQ(tick.event, int32_t(forms::TimerEvent::Elapsed));
        EXPECT_EQ(tick.argCount, 0);
    }
}

TEST_F(TimerWindow, IntervalZeroNeverFiresUntilAPositiveWrite) {
    open(0);
    EXPECT_FALSE(timer_->running());
    QTest::qWait(5 * kFastInterval);
    EXPECT_TRUE(Ticks().empty());

    writeInterval(kFastInterval);
    EXPECT_TRUE(timer_->running());
    EXPECT_EQ(readInterval(), kFastInterval);
    EXPECT_TRUE(QTest::qWaitFor([] { return !Ticks().empty(); }, kTickWaitMs));
}

TEST_F(TimerWindow, WritingTheSameIntervalKeepsTheRunningPeriod) {
    open(kSlowInterval);
    constexpr int kElapsedMs = 300;
    QTest::qWait(kElapsedMs);
    writeInterval(kSlowInterval);
    EXPECT_TRUE(timer_->running());
    // A restart would have set the remaining time back to the whole period.
    EXPECT_LE(timer_->tickTimer().remainingTime(), kSlowInterval - kElapsedMs);

    writeInterval(2 * kSlowInterval);
    EXPECT_GT(timer_->tickTimer().remainingTime(), 2 * kSlowInterval - kElapsedMs);
    EXPECT_EQ(timer_->tickTimer().interval(), 2 * kSlowInterval);
}

TEST_F(TimerWindow, NonPositiveWritesStopTheTimer) {
    struct Case {
        const char* name;
        int32_t written;
        int32_t readBack;
    };
    const Case cases[] = {
        {"zero stops", 0, 0},
        {"minus five stops and reads back 0", -5, 0},
        {"most negative value", INT32_MIN, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        open(kSlowInterval);
        writeInterval(c.written);
        EXPECT_EQ(readInterval(), c.readBack);
        EXPECT_FALSE(timer_->running());
        EXPECT_FALSE(timer_->tickTimer().isActive());
        controls::DestroyFormWindow(kWindowId);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(TimerWindow, NoTickArrivesOnceTheWindowIsGone) {
    open(kFastInterval);
    ASSERT_TRUE(QTest::qWaitFor([] { return !Ticks().empty(); }, kTickWaitMs));
    controls::DestroyFormWindow(kWindowId);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(controls::LiveControl(kWindowId, kTimerUnitId), nullptr);
    const size_t ticksBefore = Ticks().size();
    QTest::qWait(5 * kFastInterval);
    EXPECT_EQ(Ticks().size(), ticksBefore);
}

// Qt deletes a destroyed window's widgets only when control is back in an
// event loop; a tick in between must not reach the event dispatch, which
// would find the window gone and end the program with a runtime error.
TEST_F(TimerWindow, NoTickArrivesBeforeTheDestroyedWindowIsDeleted) {
    runtime::SetErrorPresenter([](const std::string& gbkText, const std::string&) {
        ADD_FAILURE() << "runtime error: " << runtime::GbkToUtf8(gbkText);
    });
    open(kFastInterval);
    ASSERT_TRUE(QTest::qWaitFor([] { return !Ticks().empty(); }, kTickWaitMs));
    const QPointer<extended_controls::TimerWidget> timer = timer_;
    controls::DestroyFormWindow(kWindowId);
    const size_t ticksBefore = Ticks().size();
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 5 * kFastInterval) QCoreApplication::processEvents();
    ASSERT_FALSE(timer.isNull()) << "the deletion came first; the gap was not tested";
    EXPECT_EQ(Ticks().size(), ticksBefore);
    EXPECT_FALSE(timer->tickTimer().isActive());
}

TEST(TimerKind, SerialisesItsIntervalAndRefusesNewerData) {
    QWidget parent;
    const forms::Bytes data = forms::WriteKindData(forms::TimerData{kSlowInterval});
    QWidget* timer =
        runtime::testing::CreateControl(forms::KindCode::Timer, data, {0, 0, 32, 32}, &parent);
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(testing::Kind(forms::KindCode::Timer).routines.serialise(timer), data);
    EXPECT_EQ(runtime::testing::CreateControl(forms::KindCode::Timer, testing::WithVersion(data, 2),
                                              {0, 0, 32, 32}, &parent),
              nullptr);
}

}  // namespace
}  // namespace runtime
