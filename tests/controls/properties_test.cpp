// Properties by number through the service table: each kind's properties
// written and read back, the geometry clamps, the tab-page visibility rule,
// menu item properties, and payload conversion (logicals, texts, null).

#include <QAbstractButton>
#include <QMenuBar>
#include <QTabWidget>
#include <optional>

#include "controls/mouse_pointer.h"
#include "forms/kind_data.h"
#include "runtime/heap.h"
#include "tests/controls/gui_fixture.h"
#include "tests/controls/test_template.h"

namespace controls::testing {
namespace {

template <typename Property>
int32_t N(Property property) {
    return int32_t(property);
}

class PropertiesTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        Install(TestTemplate());
        window_ = Open(kFormId);
        ASSERT_NE(window_, nullptr);
    }

    QWidget* Control(uint32_t unitId) { return window_->control(unitId); }

    FormWindow* window_ = nullptr;
};

TEST_F(PropertiesTest, TextPropertiesOfEachKindRoundTrip) {
    struct Row {
        const char* name;
        uint32_t unit;
        int32_t property;
    };
    const Row rows[] = {
        {"edit box content", kDigitsEdit, N(forms::EditBoxProperty::Content)},
        {"edit box tooltip", kDigitsEdit, N(forms::EditBoxProperty::ToolTip)},
        {"label caption", kClickLabel, N(forms::LabelProperty::Caption)},
        {"button caption", kCalcButton, N(forms::ButtonProperty::Caption)},
        {"radio caption", kRadio1, N(forms::RadioButtonProperty::Caption)},
        {"group caption", kGroup, N(forms::GroupBoxProperty::Caption)},
        {"window title", kFormUnit, N(forms::WindowProperty::Title)},
        {"tag of a control", kCalcButton, N(forms::CommonProperty::Tag)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        WriteText(kFormId, row.unit, row.property, "12.5\xB6\xC8");
        EXPECT_EQ(ReadText(kFormId, row.unit, row.property), "12.5\xB6\xC8");
    }
}

TEST_F(PropertiesTest, TextsWrittenShowOnTheControls) {
    WriteText(kFormId, kCalcButton, N(forms::ButtonProperty::Caption), "\xBC\xC6\xCB\xE3");
    EXPECT_EQ(static_cast<QAbstractButton*>(Control(kCalcButton))->text(),
              QString::fromUtf8("计算"));
    WriteText(kFormId, kFormUnit, N(forms::WindowProperty::Title), "t2");
    EXPECT_EQ(window_->windowTitle(), QStringLiteral("t2"));
    WriteText(kFormId, kDigitsEdit, N(forms::EditBoxProperty::ToolTip), "\xB6\xC8\r\n2");
    EXPECT_EQ(Control(kDigitsEdit)->toolTip(), QString::fromUtf8("度\n2"));
}

TEST_F(PropertiesTest, EmptyTextsReadAsNullAndNullWritesEmpty) {
    WriteText(kFormId, kDigitsEdit, N(forms::EditBoxProperty::Content), "7");
    Write(kFormId, kDigitsEdit, N(forms::EditBoxProperty::Content), 0);
    EXPECT_EQ(Read(kFormId, kDigitsEdit, N(forms::EditBoxProperty::Content)), 0u);
}

TEST_F(PropertiesTest, ReadTextsAreFreshHeapBlocksOwnedByTheCaller) {
    WriteText(kFormId, kClickLabel, N(forms::LabelProperty::Caption), "abc");
    const runtime::HeapCounters before = runtime::CurrentHeapCounters();
    char* first =
        runtime::BitsToPointer<char>(Read(kFormId, kClickLabel, N(forms::LabelProperty::Caption)));
    char* second =
        runtime::BitsToPointer<char>(Read(kFormId, kClickLabel, N(forms::LabelProperty::Caption)));
    EXPECT_NE(first, second);
    runtime::Services().FreeMemory(first);
    runtime::Services().FreeMemory(second);
    const runtime::HeapCounters after = runtime::CurrentHeapCounters();
    EXPECT_EQ(after.allocations - before.allocations, 2u);
    EXPECT_EQ(after.frees - before.frees, 2u);
}

TEST_F(PropertiesTest, NumericPropertiesRoundTrip) {
    struct Row {
        const char* name;
        uint32_t unit;
        int32_t property;
        runtime::Payload written;
        runtime::Payload read;
    };
    const Row rows[] = {
        {"label text colour red", kClickLabel, N(forms::LabelProperty::TextColour), 255, 255},
        {"label text colour blue", kClickLabel, N(forms::LabelProperty::TextColour), 16711680,
         16711680},
        {"combo selection", kCombo, N(forms::ComboBoxProperty::Selection), 2, 2},
        {"combo selection beyond the items clamps", kCombo, N(forms::ComboBoxProperty::Selection),
         9, 2},
        {"radio selected, any non-zero is 1", kRadio2, N(forms::RadioButtonProperty::Selected), 5,
         1},
        {"tab current page", kTab, N(forms::TabControlProperty::CurrentPage), 1, 1},
        {"edit input mode", kDecimalEdit, N(forms::EditBoxProperty::InputMode), 5, 5},
        {"edit max length", kDigitsEdit, N(forms::EditBoxProperty::MaxLength), 5, 5},
        {"edit hide selection, non-zero is 1", kDigitsEdit,
         N(forms::EditBoxProperty::HideSelection), 5, 1},
        {"window Esc closes off", kFormUnit, N(forms::WindowProperty::EscCloses), 0, 0},
        {"label word wrap, non-zero is 1", kClickLabel, N(forms::LabelProperty::WordWrap), 7, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Write(kFormId, row.unit, row.property, row.written);
        EXPECT_EQ(Read(kFormId, row.unit, row.property), row.read);
    }
}

TEST_F(PropertiesTest, ComboSelectionIsMinusOneWhenNothingIsSelected) {
    EXPECT_EQ(int32_t(Read(kFormId, kEmptyCombo, N(forms::ComboBoxProperty::Selection))), -1);
    EXPECT_EQ(int32_t(Read(kFormId, kCombo, N(forms::ComboBoxProperty::Selection))), 0);
}

TEST_F(PropertiesTest, RadioSelectedReadsExactlyZeroOrOne) {
    EXPECT_EQ(Read(kFormId, kRadio1, N(forms::RadioButtonProperty::Selected)), 1u);
    EXPECT_EQ(Read(kFormId, kRadio2, N(forms::RadioButtonProperty::Selected)), 0u);
    // On the mark itself: the button takes clicks on its mark and caption only.
    ClickAt(Control(kRadio2), QPoint(6, 12));
    EXPECT_EQ(Read(kFormId, kRadio1, N(forms::RadioButtonProperty::Selected)), 0u);
    EXPECT_EQ(Read(kFormId, kRadio2, N(forms::RadioButtonProperty::Selected)), 1u);
}

TEST_F(PropertiesTest, WidthAndHeightAreClampedWhenStored) {
    struct Row {
        const char* name;
        int32_t written;
        int32_t stored;
    };
    const Row rows[] = {{"40,000 stores 32,627", 40000, 32627},
                        {"32,767 stores 32,627", 32767, 32627},
                        {"-5 stores 0", -5, 0},
                        {"100 stays", 100, 100}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Write(kFormId, kClickLabel, N(forms::CommonProperty::Width), uint32_t(row.written));
        Write(kFormId, kClickLabel, N(forms::CommonProperty::Height), uint32_t(row.written));
        const auto& unit =
            std::get<forms::UnitRecord>(*forms::FindUnit(window_->record(), kClickLabel));
        EXPECT_EQ(unit.width, row.stored);
        EXPECT_EQ(unit.height, row.stored);
        EXPECT_EQ(Control(kClickLabel)->width(), row.stored);
        EXPECT_EQ(int32_t(Read(kFormId, kClickLabel, N(forms::CommonProperty::Width))), row.stored);
    }
}

TEST_F(PropertiesTest, LeftAndTopMoveTheControlWithinItsContainer) {
    Write(kFormId, kDigitsEdit, N(forms::CommonProperty::Left), uint32_t(-3));
    Write(kFormId, kDigitsEdit, N(forms::CommonProperty::Top), 40);
    EXPECT_EQ(Control(kDigitsEdit)->pos(), QPoint(-3, 40));
    EXPECT_EQ(int32_t(Read(kFormId, kDigitsEdit, N(forms::CommonProperty::Left))), -3);
    EXPECT_EQ(int32_t(Read(kFormId, kDigitsEdit, N(forms::CommonProperty::Top))), 40);
}

TEST_F(PropertiesTest, DisabledAppliesLiveAndReadsInverted) {
    Write(kFormId, kCalcButton, N(forms::CommonProperty::Disabled), 1);
    EXPECT_FALSE(Control(kCalcButton)->isEnabled());
    EXPECT_EQ(Read(kFormId, kCalcButton, N(forms::CommonProperty::Disabled)), 1u);
    Write(kFormId, kCalcButton, N(forms::CommonProperty::Disabled), 0);
    EXPECT_TRUE(Control(kCalcButton)->isEnabled());
}

TEST_F(PropertiesTest, ShowingAControlOnAnotherPageWaitsForThatPage) {
    auto* tabs = static_cast<QTabWidget*>(Control(kTab));
    ASSERT_EQ(tabs->currentIndex(), 0);
    Write(kFormId, kPageOneLabel, N(forms::CommonProperty::Visible), 1);
    const auto& unit =
        std::get<forms::UnitRecord>(*forms::FindUnit(window_->record(), kPageOneLabel));
    EXPECT_NE(unit.stateFlags & forms::kVisible, 0u);
    EXPECT_TRUE(Control(kPageOneLabel)->isHidden());
    EXPECT_EQ(Read(kFormId, kPageOneLabel, N(forms::CommonProperty::Visible)), 0u);

    tabs->setCurrentIndex(1);
    EXPECT_TRUE(Control(kPageOneLabel)->isVisible());
    EXPECT_TRUE(Control(kDigitsEdit)->isVisible() == false);
    EXPECT_EQ(Read(kFormId, kPageOneLabel, N(forms::CommonProperty::Visible)), 1u);

    Write(kFormId, kPageOneLabel, N(forms::CommonProperty::Visible), 0);
    EXPECT_TRUE(Control(kPageOneLabel)->isHidden());
}

TEST_F(PropertiesTest, ControlsOfOtherPagesAreHiddenAndTheirGroupBoxChildrenOutOfSight) {
    EXPECT_TRUE(Control(kClickLabel)->isHidden());
    EXPECT_TRUE(Control(kDigitsEdit)->isVisible());
    static_cast<QTabWidget*>(Control(kTab))->setCurrentIndex(1);
    EXPECT_TRUE(Control(kGroup)->isHidden());
    // The edit box keeps its own flag, but its group box hides it.
    EXPECT_FALSE(Control(kDigitsEdit)->isHidden());
    EXPECT_FALSE(Control(kDigitsEdit)->isVisible());
    EXPECT_TRUE(Control(kClickLabel)->isVisible());
}

std::vector<QAction*> MenuActions(FormWindow& window) {
    std::vector<QAction*> actions;
    for (QAction* top : window.menuBar()->actions()) {
        actions.push_back(top);
        if (top->menu() != nullptr) {
            for (QAction* item : top->menu()->actions()) actions.push_back(item);
        }
    }
    return actions;
}

TEST_F(PropertiesTest, MenuCaptionWriteRebuildsTheMenuUnlessTheCaptionIsEqual) {
    const std::vector<QAction*> before = MenuActions(*window_);
    ASSERT_EQ(before.size(), 4u);
    WriteText(kFormId, kExitItem, N(forms::MenuItemProperty::Caption), "exit");
    EXPECT_EQ(MenuActions(*window_), before);

    WriteText(kFormId, kExitItem, N(forms::MenuItemProperty::Caption), "quit now");
    const std::vector<QAction*> after = MenuActions(*window_);
    ASSERT_EQ(after.size(), 4u);
    EXPECT_EQ(after[1]->text(), QStringLiteral("quit now"));
    EXPECT_EQ(ReadText(kFormId, kExitItem, N(forms::MenuItemProperty::Caption)), "quit now");
    const auto& item =
        std::get<forms::MenuItemRecord>(*forms::FindUnit(window_->record(), kExitItem));
    EXPECT_EQ(item.caption, "quit now");
}

TEST_F(PropertiesTest, MenuFlagsRebuildTheMenu) {
    Write(kFormId, kAboutItem, N(forms::MenuItemProperty::Ticked), 1);
    Write(kFormId, kExitItem, N(forms::MenuItemProperty::Disabled), 1);
    std::vector<QAction*> actions = MenuActions(*window_);
    ASSERT_EQ(actions.size(), 4u);
    EXPECT_FALSE(actions[1]->isEnabled());
    EXPECT_TRUE(actions[3]->isChecked());
    EXPECT_EQ(Read(kFormId, kAboutItem, N(forms::MenuItemProperty::Ticked)), 1u);

    Write(kFormId, kExitItem, N(forms::MenuItemProperty::Visible), 0);
    EXPECT_EQ(MenuActions(*window_).size(), 3u);
    EXPECT_EQ(Read(kFormId, kExitItem, N(forms::MenuItemProperty::Visible)), 0u);
}

TEST_F(PropertiesTest, WritesToARecordSurviveReopeningTheWindow) {
    WriteText(kFormId, kCalcButton, N(forms::CommonProperty::Tag), "kept");
    Write(kFormId, kCalcButton, N(forms::CommonProperty::Left), 33);
    DestroyFormWindow(kFormId);
    Settle();
    window_ = Open(kFormId);
    ASSERT_NE(window_, nullptr);
    EXPECT_EQ(ReadText(kFormId, kCalcButton, N(forms::CommonProperty::Tag)), "kept");
    EXPECT_EQ(Control(kCalcButton)->x(), 33);
}

TEST_F(PropertiesTest, EditSelectionCountsGbkBytes) {
    WriteText(kFormId, kDigitsEdit, N(forms::EditBoxProperty::Content),
              "\xB6\xC8"
              "12");
    Write(kFormId, kDigitsEdit, N(forms::EditBoxProperty::SelectionStart), 2);
    Write(kFormId, kDigitsEdit, N(forms::EditBoxProperty::SelectionLength), 2);
    EXPECT_EQ(ReadText(kFormId, kDigitsEdit, N(forms::EditBoxProperty::SelectedText)), "12");
    EXPECT_EQ(Read(kFormId, kDigitsEdit, N(forms::EditBoxProperty::SelectionStart)), 2u);
    EXPECT_EQ(Read(kFormId, kDigitsEdit, N(forms::EditBoxProperty::SelectionLength)), 2u);
}

}  // namespace
}  // namespace controls::testing

namespace controls::testing {
namespace {

// A stored pointer shows over the control; an empty or unknown one shows
// the kind's own pointer, or none of the control's own without one.
TEST(MousePointer, StoredPointerElseTheKindsOwn) {
    struct Case {
        const char* name;
        forms::Bytes pointer;
        std::optional<Qt::CursorShape> ownPointer;
        bool setOnControl;
        Qt::CursorShape shape;
    };
    const forms::Bytes hand = {0x89, 0x7F, 0x00, 0x00};     // 32649
    const forms::Bytes unknown = {0x01, 0x00, 0x00, 0x00};  // 1
    const Case cases[] = {
        {"stored hand", hand, std::nullopt, true, Qt::PointingHandCursor},
        {"stored hand over own cross", hand, Qt::CrossCursor, true, Qt::PointingHandCursor},
        {"none, own cross", {}, Qt::CrossCursor, true, Qt::CrossCursor},
        {"none, no own pointer", {}, std::nullopt, false, Qt::ArrowCursor},
        {"unknown, own cross", unknown, Qt::CrossCursor, true, Qt::CrossCursor},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QWidget parent;
        QWidget control(&parent);
        control.setCursor(Qt::WaitCursor);
        ApplyMousePointer(control, c.pointer, c.ownPointer);
        EXPECT_EQ(control.testAttribute(Qt::WA_SetCursor), c.setOnControl);
        EXPECT_EQ(control.cursor().shape(), c.shape);
    }
}

}  // namespace
}  // namespace controls::testing
