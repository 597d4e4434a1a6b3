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
    PressureRow{MainUnit::BarValue, MainUnit::BarButton},
    PressureRow{MainUnit::MpaValue, MainUnit::MpaButton},
    PressureRow{MainUnit::KpaValue, MainUnit::KpaButton},
    PressureRow{MainUnit::AtmValue, MainUnit::AtmButton},
    PressureRow{MainUnit::KgfValue, MainUnit::KgfButton},
    PressureRow{MainUnit::MmHgValue, MainUnit::MmHgButton},
    PressureRow{MainUnit::PsiValue, MainUnit::PsiButton},
};

// The first box a row's conversion writes: bar, or MPa for the bar row.
MainUnit FirstTarget(const PressureRow& row) {
    return row.box == MainUnit::BarValue ? MainUnit::MpaValue : MainUnit::BarValue;
}

void ComputeInEveryModeAndDirection() {
    ShowPage(kHumidityPage);
    auto* modes = qobject_cast<QComboBox*>(Control(MainUnit::KnownQuantity));
    ASSERT_NE(modes, nullptr);
    for (int mode = 0; mode < kKnownQuantityModes; ++mode) {
        if (mode > 0) QTest::keyClick(modes, Qt::Key_Down);
        ASSERT_EQ(modes->currentIndex(), mode);
        for (MainUnit direction : {MainUnit::StandardToPresent, MainUnit::PresentToStandard}) {
            ClickThroughWindow(Control(direction));
            SetBoxText(MainUnit::RelativeHumidity, "");
            ClickThroughWindow(Button(MainUnit::ComputeButton));
            EXPECT_FALSE(BoxText(MainUnit::RelativeHumidity).empty()) << "mode " << mode;
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
        ClickThroughWindow(Button(row.button));
        EXPECT_FALSE(BoxText(FirstTarget(row)).empty()) << "row of box " << uint32_t(row.box);
    }
    ShowPage(kHumidityPage);
}

void OpenAndDismiss(const char* menuCaption, uint32_t windowId) {
    std::shared_ptr<bool> dismissed = ArmDismisser(windowId);
    ChooseMenuItem(QString::fromUtf8(menuCaption));
    Settle();
    EXPECT_TRUE(*dismissed) << menuCaption;
    EXPECT_EQ(controls::LoadedWindow(windowId), nullptr) << menuCaption;
}

void OpenAndCloseLunarDropDown() {
    auto* dateBox = dynamic_cast<lunar_controls::CCnCalendar*>(Control(MainUnit::LunarDateBox));
    ASSERT_NE(dateBox, nullptr);
    ClickThroughWindow(&dateBox->button());
    ASSERT_TRUE(dateBox->dropDownOpen());
    QTest::keyClick(&dateBox->dropDown(), Qt::Key_Escape);
    Settle();
    EXPECT_FALSE(dateBox->dropDownOpen());
}

void TickTheClock(int ticks) {
    WriteNumber(MainUnit::ClockTimer, kTimerInterval, 1);
    EXPECT_EQ(RunClockTicks(ticks, kTickTimeoutMs), ticks);
    WriteNumber(MainUnit::ClockTimer, kTimerInterval, windows::parts::kClockPeriod);
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
