// Window creation and its end: containers and stacking, a failed control
// abandoning the whole window, the window table told when a window or a
// control is gone, and the runtime errors of property access.

#include <QGroupBox>
#include <QTabWidget>

#include "forms/kind_data.h"
#include "tests/controls/gui_fixture.h"
#include "tests/controls/test_template.h"

namespace controls::testing {
namespace {

class CreationTest : public GuiTest {};

size_t TopLevelWindows() {
    Settle();
    size_t count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (dynamic_cast<FormWindow*>(widget) != nullptr) ++count;
    }
    return count;
}

TEST_F(CreationTest, ControlsSitInTheirContainers) {
    Install(TestTemplate());
    FormWindow* window = Open(kFormId);
    ASSERT_NE(window, nullptr);
    auto* tabs = static_cast<QTabWidget*>(window->control(kTab));
    EXPECT_EQ(window->control(kGroup)->parentWidget(), tabs);
    EXPECT_EQ(window->control(kClickLabel)->parentWidget(), tabs);
    EXPECT_EQ(window->control(kDigitsEdit)->parentWidget(), window->control(kGroup));
    EXPECT_EQ(window->control(kDigitsEdit)->pos(), QPoint(8, 24));
    EXPECT_EQ(window->control(kTab)->parentWidget(), window->clientArea());
}

TEST_F(CreationTest, EarlierUnitsLieAboveLaterOnesOfTheSameParent) {
    Install(TestTemplate());
    FormWindow* window = Open(kFormId);
    ASSERT_NE(window, nullptr);
    const QObjectList& siblings = window->control(kCalcButton)->parentWidget()->children();
    // Qt paints later children on top.
    EXPECT_GT(siblings.indexOf(window->control(kGroup)),
              siblings.indexOf(window->control(kCalcButton)));
    EXPECT_GT(siblings.indexOf(window->control(kCalcButton)),
              siblings.indexOf(window->control(kCombo)));
}

TEST_F(CreationTest, TheTabControlKeepsItsStoredSizeAndShowsEveryControlWhole) {
    Install(TestTemplate());
    FormWindow* window = Open(kFormId);
    ASSERT_NE(window, nullptr);
    QWidget* tabs = window->control(kTab);
    const auto& stored = std::get<forms::UnitRecord>(*forms::FindUnit(window->record(), kTab));
    EXPECT_EQ(tabs->geometry(), QRect(stored.left, stored.top, stored.width, stored.height));
    for (uint32_t unit : {kGroup, kCalcButton, kCombo, kEmptyCombo, kRadio1, kRadio2}) {
        EXPECT_TRUE(tabs->rect().contains(window->control(unit)->geometry())) << std::hex << unit;
    }
}

TEST_F(CreationTest, AFailedControlAbandonsTheWholeWindow) {
    struct Row {
        const char* name;
        uint32_t kind;
        forms::Bytes data;
    };
    const Row rows[] = {
        {"kind data of a later version", uint32_t(forms::KindCode::Label), {99, 0, 0, 0}},
        {"truncated kind data", uint32_t(forms::KindCode::Button), {1, 0, 0, 0, 1}},
        {"a kind no library registered", 0x00070001, {}},
    };
    // A control on the page shown first, and one whose page is not shown.
    for (uint32_t brokenUnit : {kRadio2, kClickLabel}) {
        for (const Row& row : rows) {
            SCOPED_TRACE(row.name);
            SCOPED_TRACE(brokenUnit);
            forms::TemplateData data = TestTemplate();
            auto& broken =
                std::get<forms::UnitRecord>(*forms::FindUnit(data.windows[0], brokenUnit));
            broken.kind = row.kind;
            broken.kindData = row.data;
            Install(data);
            Calls().clear();
            EXPECT_FALSE(OpenFormWindow(kFormId));
            EXPECT_EQ(LoadedWindow(kFormId), nullptr);
            EXPECT_EQ(TopLevelWindows(), 0u);
            EXPECT_TRUE(Calls().empty());
            EXPECT_TRUE(GoneWindows().empty());
        }
    }
}

TEST_F(CreationTest, AWindowNotInTheTableIsNotOpened) {
    Install(TestTemplate());
    EXPECT_FALSE(OpenFormWindow(0x52017777));
}

TEST_F(CreationTest, ClosingOneOfTwoWindowsLeavesTheOther) {
    Install(TestTemplate());
    ASSERT_NE(Open(kFormId), nullptr);
    ASSERT_NE(Open(kDialogId), nullptr);
    DestroyFormWindow(kDialogId);
    EXPECT_EQ(LoadedWindowIds(), (std::vector<uint32_t>{kFormId}));
    DestroyFormWindow(kFormId);
    EXPECT_EQ(GoneWindows(),
              (std::vector<std::pair<uint32_t, size_t>>{{kDialogId, 1}, {kFormId, 0}}));
    EXPECT_EQ(TopLevelWindows(), 0u);
}

TEST_F(CreationTest, TheCloseBoxDestroysTheWindow) {
    Install(TestTemplate());
    FormWindow* window = Open(kDialogId);
    ASSERT_NE(window, nullptr);
    window->close();
    EXPECT_EQ(LoadedWindow(kDialogId), nullptr);
    EXPECT_EQ(TopLevelWindows(), 0u);
}

TEST_F(CreationTest, AGoneControlClearsItsSlot) {
    Install(TestTemplate());
    FormWindow* window = Open(kFormId);
    ASSERT_NE(window, nullptr);
    ReportUnitGone(kFormId, kCalcButton);
    EXPECT_EQ(LiveControl(kFormId, kCalcButton), nullptr);
    // Common properties then come from the record.
    EXPECT_EQ(Read(kFormId, kCalcButton, int32_t(forms::CommonProperty::Left)), 220u);
    EXPECT_EXIT(Read(kFormId, kCalcButton, int32_t(forms::ButtonProperty::Caption)),
                ::testing::ExitedWithCode(255), "指定窗口尚未载入");
}

TEST_F(CreationTest, PropertyAccessOutsideTheLoadedWindowsIsARuntimeError) {
    Install(TestTemplate());
    ASSERT_NE(Open(kFormId), nullptr);
    EXPECT_EXIT(Read(kDialogId, kDialogEdit, 8), ::testing::ExitedWithCode(255),
                "未载入欲访问窗口组件所在的窗口");
    EXPECT_EXIT(Write(kFormId, 0x16009999, 8, 0), ::testing::ExitedWithCode(255),
                "指定窗口组件不存在");
}

}  // namespace
}  // namespace controls::testing
