// The window's keyboard handling: Esc closes when the window says so, Enter
// moves the focus or presses the default button, Tab and the arrows move the
// focus, and the edit boxes' input modes drop refused characters.

#include <QLineEdit>

#include "forms/kinds/edit_box.h"
#include "tests/forms_controls/gui_fixture.h"
#include "tests/forms_controls/test_template.h"

namespace forms::testing {
namespace {

class KeyboardTest : public GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        Install(TestTemplate());
    }

    // Gives a control the focus and types into whatever then has it.
    static void TypeInto(QWidget* control, const QString& keys) {
        control->setFocus();
        Settle();
        QTest::keyClicks(QApplication::focusWidget(), keys);
        Settle();
    }

    static void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
        Settle();
    }

    static QString TextOf(QWidget* control) {
        return static_cast<kinds::EditBox*>(control)->text();
    }
};

TEST_F(KeyboardTest, InputModesDropRefusedCharacters) {
    FormWindow* window = Open(kFormId);
    ASSERT_NE(window, nullptr);
    TypeInto(window->control(kDigitsEdit), QStringLiteral("1.5-a"));
    EXPECT_EQ(TextOf(window->control(kDigitsEdit)), QStringLiteral("15"));
    TypeInto(window->control(kDecimalEdit), QStringLiteral("-1.5a"));
    EXPECT_EQ(TextOf(window->control(kDecimalEdit)), QStringLiteral("-1.5"));
}

TEST_F(KeyboardTest, ControlKeysPassEveryFilter) {
    FormWindow* window = Open(kFormId);
    ASSERT_NE(window, nullptr);
    TypeInto(window->control(kDigitsEdit), QStringLiteral("123"));
    Press(Qt::Key_Backspace);
    EXPECT_EQ(TextOf(window->control(kDigitsEdit)), QStringLiteral("12"));
}

TEST(InputModeFilter, CharactersEachModeAccepts) {
    struct Row {
        const char* name;
        EditInputMode mode;
        char32_t character;
        bool accepted;
    };
    const Row rows[] = {
        {"normal takes letters", EditInputMode::Normal, 'a', true},
        {"integer takes minus", EditInputMode::Integer, '-', true},
        {"integer refuses point", EditInputMode::Integer, '.', false},
        {"decimal takes point", EditInputMode::Decimal, '.', true},
        {"decimal refuses letters", EditInputMode::Decimal, 'e', false},
        {"digits refuse point", EditInputMode::DigitsOnly, '.', false},
        {"digits refuse minus", EditInputMode::DigitsOnly, '-', false},
        {"digits take nine", EditInputMode::DigitsOnly, '9', true},
        {"digits refuse full-width digit", EditInputMode::DigitsOnly, U'１', false},
        {"control characters always pass", EditInputMode::DigitsOnly, 0x08, true},
        {"mode 9 is decimal", EditInputMode(9), '.', true},
        {"mode 7 is integer", EditInputMode(7), '.', false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(kinds::AcceptsTyped(uint32_t(row.mode), row.character), row.accepted);
    }
}

TEST_F(KeyboardTest, EscClosesAWindowThatSaysSo) {
    FormWindow* window = Open(kFormId);
    ASSERT_NE(window, nullptr);
    window->control(kCalcButton)->setFocus();
    Press(Qt::Key_Escape);
    EXPECT_EQ(LoadedWindow(kFormId), nullptr);
    ASSERT_EQ(GoneWindows().size(), 1u);
    EXPECT_EQ(GoneWindows()[0], std::make_pair(kFormId, size_t(0)));
}

TEST_F(KeyboardTest, EscLeavesOtherWindowsOpen) {
    FormWindow* dialog = Open(kDialogId);
    ASSERT_NE(dialog, nullptr);
    dialog->control(kDialogEdit)->setFocus();
    Press(Qt::Key_Escape);
    EXPECT_NE(LoadedWindow(kDialogId), nullptr);
}

TEST_F(KeyboardTest, EnterMovesTheFocusWhenTheWindowSaysSo) {
    FormWindow* window = Open(kFormId);
    ASSERT_NE(window, nullptr);
    window->control(kDigitsEdit)->setFocus();
    Settle();
    Press(Qt::Key_Return);
    EXPECT_TRUE(window->control(kDecimalEdit)->hasFocus());
    Press(Qt::Key_Return);
    EXPECT_TRUE(window->control(kCalcButton)->hasFocus());
}

TEST_F(KeyboardTest, EnterElsewherePressesTheDefaultButton) {
    FormWindow* dialog = Open(kDialogId);
    ASSERT_NE(dialog, nullptr);
    dialog->control(kDialogEdit)->setFocus();
    Settle();
    Calls().clear();
    Press(Qt::Key_Return);
    EXPECT_EQ(Calls(), (std::vector<Call>{{kOnDialogDefault, kDialogId, kDialogDefault, 0, {}}}));
}

TEST_F(KeyboardTest, EnterOnAnotherButtonStillPressesTheDefaultOne) {
    FormWindow* dialog = Open(kDialogId);
    ASSERT_NE(dialog, nullptr);
    dialog->control(kDialogOther)->setFocus();
    Settle();
    Calls().clear();
    Press(Qt::Key_Return);
    ASSERT_EQ(Calls().size(), 1u);
    EXPECT_EQ(Calls()[0].unitId, kDialogDefault);
}

TEST_F(KeyboardTest, TabAndArrowsMoveTheFocusInUnitOrder) {
    FormWindow* dialog = Open(kDialogId);
    ASSERT_NE(dialog, nullptr);
    dialog->control(kDialogEdit)->setFocus();
    Settle();
    Press(Qt::Key_Tab);
    EXPECT_TRUE(dialog->control(kDialogOther)->hasFocus());
    Press(Qt::Key_Down);
    EXPECT_TRUE(dialog->control(kDialogDefault)->hasFocus());
    Press(Qt::Key_Up);
    EXPECT_TRUE(dialog->control(kDialogOther)->hasFocus());
    Press(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_TRUE(dialog->control(kDialogEdit)->hasFocus());
}

}  // namespace
}  // namespace forms::testing
