// A scripted session through the whole user interface, checked for texts
// that the runtime hands out and nobody frees. Under the sanitizer build the
// same session runs with LeakSanitizer, which fails the process at exit when
// the program's own code leaves a block behind.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QTest>
#include <array>
#include <cstdio>

#include "controls/control_model.h"
#include "forms/kind_data.h"
#include "lunar_controls/date_box.h"
#include "runtime/heap.h"
#include "tests/reliability/program_session.h"

namespace reliability {
namespace {

constexpr int kKnownQuantityModes = 6;
constexpr int kSessionTicks = 1000;
constexpr int kTickTimeoutMs = 60000;
constexpr int32_t kTimerInterval = int32_t(forms::TimerProperty::Period);
// Each clock tick writes the date and time into three labels, one text each.
constexpr uint64_t kTextsPerTick = 3;

struct PressureRow {
    MainUnit box;
    MainUnit button;
};

constexpr std::array kPressureRows = {
    PressureRow{MainUnit::EditBox20, MainUnit::Button3},
    PressureRow{MainUnit::EditBox21, MainUnit::Button4},
    PressureRow{MainUnit::EditBox22, MainUnit::Button5},
    PressureRow{MainUnit::EditBox23, MainUnit::Button6},
    PressureRow{MainUnit::EditBox24, MainUnit::Button7},
    PressureRow{MainUnit::EditBox25, MainUnit::Button8},
    PressureRow{MainUnit::EditBox26, MainUnit::Button9},
};

// The first box a row's conversion writes: bar, or MPa for the bar row.
MainUnit FirstTarget(const PressureRow& row) {
    return row.box == MainUnit::EditBox20 ? MainUnit::EditBox21 : MainUnit::EditBox20;
}

void ComputeInEveryModeAndDirection() {
    ShowPage(kHumidityPage);
    auto* modes = qobject_cast<QComboBox*>(Control(MainUnit::ComboBox1));
    ASSERT_NE(modes, nullptr);
    for (int mode = 0; mode < kKnownQuantityModes; ++mode) {
        if (mode > 0) QTest::keyClick(modes, Qt::Key_Down);
        ASSERT_EQ(modes->currentIndex(), mode);
        for (MainUnit direction : {MainUnit::RadioButton2, MainUnit::RadioButton1}) {
            ClickThroughWindow(Control(direction));
            SetBoxText(MainUnit::EditBox2, "");
            ClickThroughWindow(Button(kComputeButton));
            EXPECT_FALSE(BoxText(MainUnit::EditBox2).empty()) << "mode " << mode;
        }
    }
}

void ConvertEveryPressureRow() {
    ShowPage(kPressurePage);
    for (const PressureRow& row : kPressureRows) {
        QWidget* box = Control(row.box);
        ASSERT_NE(box, nullptr);
        ClickThroughWindow(box);
        SetBoxText(row.box, "");
        TypeInto(box, QStringLiteral("2.5"));
        SetBoxText(FirstTarget(row), "");
        ClickThroughWindow(Button(uint32_t(row.button)));
        EXPECT_FALSE(BoxText(FirstTarget(row)).empty()) << "row of box " << uint32_t(row.box);
    }
    ShowPage(kHumidityPage);
}

void OpenAndDismiss(const char* menuCaption, uint32_t windowId) {
    std::shared_ptr<bool> dismissed = ArmDismisser(windowId);
    ChooseMenuItem(QString::fromUtf8(menuCaption));
    Settle();
    EXPECT_TRUE(*dismissed) << menuCaption;
    EXPECT_EQ(forms::LoadedWindow(windowId), nullptr) << menuCaption;
}

void OpenAndCloseLunarDropDown() {
    auto* dateBox = dynamic_cast<lunar::CCnCalendar*>(Control(kLunarDateBox));
    ASSERT_NE(dateBox, nullptr);
    ClickThroughWindow(&dateBox->button());
    ASSERT_TRUE(dateBox->dropDownOpen());
    QTest::keyClick(&dateBox->dropDown(), Qt::Key_Escape);
    Settle();
    EXPECT_FALSE(dateBox->dropDownOpen());
}

void TickTheClock(int ticks) {
    WriteNumber(kClockTimer, kTimerInterval, 1);
    EXPECT_EQ(RunClockTicks(ticks, kTickTimeoutMs), ticks);
    WriteNumber(kClockTimer, kTimerInterval, kClockInterval);
}

TEST(LeakCheck, AScriptedSessionFreesEveryTextTheRuntimeHandsOut) {
    const runtime::HeapCounters before = runtime::CurrentHeapCounters();
    ComputeInEveryModeAndDirection();
    ConvertEveryPressureRow();
    OpenAndDismiss("关于", kAboutWindow);
    OpenAndDismiss("公司简介", kCompanyWindow);
    OpenAndCloseLunarDropDown();
    TickTheClock(kSessionTicks);
    Settle();
    const runtime::HeapCounters after = runtime::CurrentHeapCounters();

    const uint64_t allocations = after.allocations - before.allocations;
    const uint64_t frees = after.frees - before.frees;
    std::printf("heap blocks handed out: %llu, freed: %llu\n",
                static_cast<unsigned long long>(allocations),
                static_cast<unsigned long long>(frees));
    EXPECT_EQ(allocations, frees);
    EXPECT_GE(allocations, kTextsPerTick * kSessionTicks);
}

}  // namespace
}  // namespace reliability
