// Events from user input to the bound engine procedures: the creation
// events, clicks, the combo box's confirmed choice, tab page changes, menu
// selections, the common events' arguments, unbound events, and delivery
// stopped while the runtime reports an error.

#include <QAbstractItemView>
#include <QComboBox>
#include <QMenuBar>
#include <QTabBar>
#include <QTabWidget>
#include <QWheelEvent>

#include "forms/kind_data.h"
#include "runtime/errors.h"
#include "tests/controls/gui_fixture.h"
#include "tests/controls/test_template.h"

namespace controls::testing {
namespace {

class EventsTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        Install(TestTemplate());
        window_ = Open(kFormId);
        ASSERT_NE(window_, nullptr);
        Calls().clear();
    }

    QWidget* Control(uint32_t unitId) { return window_->control(unitId); }

    // The calls of one procedure.
    std::vector<Call> CallsOf(size_t procedure) {
        std::vector<Call> found;
        for (const Call& call : Calls()) {
            if (call.procedure == procedure) found.push_back(call);
        }
        return found;
    }

    FormWindow* window_ = nullptr;
};

TEST_F(EventsTest, OpeningRaisesCreatedThenMovedThenResizedOnce) {
    DestroyFormWindow(kFormId);
    Settle();
    Calls().clear();
    ASSERT_NE(Open(kFormId), nullptr);
    ASSERT_GE(Calls().size(), 3u);
    EXPECT_EQ(Calls()[0], (Call{kOnCreated, kFormId, kFormUnit, 0, {}}));
    EXPECT_EQ(Calls()[1], (Call{kOnMoved, kFormId, kFormUnit, 3, {}}));
    EXPECT_EQ(Calls()[2], (Call{kOnResized, kFormId, kFormUnit, 4, {}}));
    EXPECT_EQ(CallsOf(kOnCreated).size(), 1u);
}

TEST_F(EventsTest, ClickingAButtonRaisesPressThenClicked) {
    ClickAt(Control(kCalcButton), QPoint(5, 6), Qt::ControlModifier);
    const std::vector<Call> presses = CallsOf(kOnCalcPress);
    ASSERT_EQ(presses.size(), 1u);
    EXPECT_EQ(presses[0].args, (std::vector<int32_t>{5, 6, kCtrlHeld}));
    EXPECT_EQ(CallsOf(kOnCalc), (std::vector<Call>{{kOnCalc, kFormId, kCalcButton, 0, {}}}));
}

TEST_F(EventsTest, UnboundEventsRunNothing) {
    Click(Control(kUnboundButton));
    ClickAt(Control(kDecimalEdit), QPoint(3, 3));
    for (const Call& call : Calls()) {
        EXPECT_NE(call.unitId, kUnboundButton);
        EXPECT_NE(call.unitId, kDecimalEdit);
    }
}

TEST_F(EventsTest, ComboChoiceIsRaisedAfterTheSelectionIsConfirmed) {
    Control(kCombo)->setFocus();
    Settle();
    Calls().clear();
    QTest::keyClick(Control(kCombo), Qt::Key_Down);
    // The choice is raised from a posted event, once the box has settled.
    EXPECT_TRUE(CallsOf(kOnComboChosen).empty());
    Settle();
    ASSERT_EQ(CallsOf(kOnComboChosen).size(), 1u);
    EXPECT_EQ(static_cast<QComboBox*>(Control(kCombo))->currentIndex(), 1);
}

// The drop-down list is made when it first opens, and shows the box's font
// then and after every later change of it.
TEST_F(EventsTest, ComboListIsMadeOnFirstOpeningInTheBoxFont) {
    auto* combo = static_cast<QComboBox*>(Control(kCombo));
    EXPECT_EQ(combo->findChild<QAbstractItemView*>(), nullptr);
    QFont font = combo->font();
    font.setPixelSize(21);
    combo->setFont(font);
    EXPECT_EQ(combo->findChild<QAbstractItemView*>(), nullptr);
    combo->showPopup();
    QAbstractItemView* list = combo->findChild<QAbstractItemView*>();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->font().pixelSize(), 21);
    combo->hidePopup();
    font.setPixelSize(13);
    combo->setFont(font);
    EXPECT_EQ(list->font().pixelSize(), 13);
}

TEST_F(EventsTest, SelectionWrittenByTheEngineRaisesNoChoice) {
    Write(kFormId, kCombo, int32_t(forms::ComboBoxProperty::Selection), 2);
    Settle();
    EXPECT_TRUE(CallsOf(kOnComboChosen).empty());
}

TEST_F(EventsTest, TabChangeRaisesChangingThenChangedAndATrueResultKeepsThePage) {
    auto* tabs = static_cast<QTabWidget*>(Control(kTab));
    tabs->setCurrentIndex(1);
    ASSERT_EQ(CallsOf(kOnTabChanging).size(), 1u);
    ASSERT_EQ(CallsOf(kOnTabChanged).size(), 1u);
    EXPECT_EQ(CallsOf(kOnTabChanging)[0].args, (std::vector<int32_t>{1}));

    NextResult() = 1;
    tabs->setCurrentIndex(0);
    EXPECT_EQ(tabs->currentIndex(), 1);
    EXPECT_EQ(CallsOf(kOnTabChanged).size(), 1u);
    EXPECT_TRUE(Control(kClickLabel)->isVisible());
}

TEST_F(EventsTest, MenuSelectionRunsTheItemHandler) {
    QAction* help = window_->menuBar()->actions().at(1);
    ASSERT_NE(help->menu(), nullptr);
    help->menu()->actions().at(0)->trigger();
    EXPECT_EQ(CallsOf(kOnAbout), (std::vector<Call>{{kOnAbout, kFormId, kAboutItem, 0, {}}}));
}

// Scrolling the pointer across a combo box or the tab strip that does not
// have the focus changes nothing; with the focus, the wheel turns them.
TEST_F(EventsTest, TheWheelTurnsOnlyAFocusedComboBoxOrTabStrip) {
    auto* combo = static_cast<QComboBox*>(Control(kCombo));
    auto* strip = static_cast<QTabWidget*>(Control(kTab))->tabBar();
    const auto turn = [](QWidget* widget) {
        QWheelEvent wheel(QPointF(5, 5), widget->mapToGlobal(QPointF(5, 5)), QPoint(),
                          QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(widget, &wheel);
        Settle();
    };
    Control(kCalcButton)->setFocus();
    turn(combo);
    turn(strip);
    EXPECT_EQ(combo->currentIndex(), 0);
    EXPECT_EQ(strip->currentIndex(), 0);
    combo->setFocus();
    turn(combo);
    EXPECT_EQ(combo->currentIndex(), 1);
}

TEST_F(EventsTest, FocusRaisesGotFocusOnTheEditBox) {
    Control(kCalcButton)->setFocus();
    Calls().clear();
    ClickAt(Control(kDigitsEdit), QPoint(4, 4));
    ASSERT_EQ(CallsOf(kOnDigitsFocus).size(), 1u);
    EXPECT_EQ(CallsOf(kOnDigitsFocus)[0].event, int32_t(forms::CommonEvent::GotFocus));
}

TEST_F(EventsTest, PressOnALabelOfADraggableWindowRaisesNothing) {
    static_cast<QTabWidget*>(Control(kTab))->setCurrentIndex(1);
    Calls().clear();
    ClickAt(Control(kClickLabel), QPoint(2, 2));
    EXPECT_TRUE(CallsOf(kOnLabelPress).empty());

    Write(kFormId, kFormUnit, int32_t(forms::WindowProperty::DragAnywhere), 0);
    ClickAt(Control(kClickLabel), QPoint(2, 3), Qt::ShiftModifier);
    ASSERT_EQ(CallsOf(kOnLabelPress).size(), 1u);
    EXPECT_EQ(CallsOf(kOnLabelPress)[0].args, (std::vector<int32_t>{2, 3, kShiftHeld}));
}

TEST_F(EventsTest, FireEventRecordsTheEventSource) {
    EXPECT_EQ(FireEvent(kFormId, kCalcButton, 0), 0);
    EXPECT_EQ(CurrentEventSource().windowId, kFormId);
    EXPECT_EQ(CurrentEventSource().unitId, kCalcButton);
    NextResult() = 7;
    EXPECT_EQ(FireEvent(kFormId, kCalcButton, 0), 7);
}

TEST_F(EventsTest, NoEventIsDeliveredWhileAnErrorIsBeingReported) {
    // The error count never drops again, so this runs in a child process,
    // which reports how many procedures ran as its exit code.
    EXPECT_EXIT(
        {
            runtime::IncrementErrorCount();
            Calls().clear();
            Click(Control(kCalcButton));
            FireEvent(kFormId, kCalcButton, 0);
            std::_Exit(int(Calls().size()));
        },
        ::testing::ExitedWithCode(0), "");
}

TEST_F(EventsTest, EventsOfMissingWindowsAndUnitsAreRuntimeErrors) {
    EXPECT_EXIT(FireEvent(0x52019999, 0, 0), ::testing::ExitedWithCode(255),
                "未找到引发事件的窗口");
    EXPECT_EXIT(FireEvent(kFormId, 0x16009999, 0), ::testing::ExitedWithCode(255),
                "未找到引发事件的窗口组件");
}

}  // namespace
}  // namespace controls::testing
