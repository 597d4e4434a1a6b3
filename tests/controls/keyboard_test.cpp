// The window's keyboard handling: Esc closes when the window says so, Enter
// moves the focus or presses the default button, Tab and the arrows move the
// focus, an edit box keeps the arrows, the edit boxes' input modes drop
// refused characters, and a box holds only what its GBK copy reads back as,
// with undo and redo working over what it kept.

#include <QClipboard>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTabWidget>

#include "controls/kinds/edit_box.h"
#include "platform/platform.h"
#include "tests/controls/gui_fixture.h"
#include "tests/controls/test_template.h"

namespace controls::testing {
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

    // The platform's first key for a standard action, such as undo.
    static void Press(QKeySequence::StandardKey action) {
        const QKeyCombination keys = QKeySequence::keyBindings(action).first()[0];
        Press(keys.key(), keys.keyboardModifiers());
    }

    static QString TextOf(QWidget* control) {
        return static_cast<kinds::EditBoxWidget*>(control)->text();
    }

    // Types characters that have no key of their own, as a keyboard layout
    // delivers them: a key event carrying the character's text.
    static void TypeCharacters(const QString& text) {
        for (char32_t c : text.toUcs4()) {
            QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier,
                          QString::fromUcs4(&c, 1));
            QApplication::sendEvent(QApplication::focusWidget(), &key);
        }
        Settle();
    }

    // Chooses the paste of the focused editor's context menu.
    static void PasteFromMenu() {
        QWidget* editor = QApplication::focusWidget();
        const QPoint centre = editor->rect().center();
        QContextMenuEvent open(QContextMenuEvent::Keyboard, centre, editor->mapToGlobal(centre));
        QApplication::sendEvent(editor, &open);
        Settle();
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_P);
        Settle();
    }

    // An input method's commit into whatever has the focus, replacing
    // `length` characters from `from` (relative to the cursor).
    static void Commit(const QString& text, int from = 0, int length = 0) {
        QInputMethodEvent commit;
        commit.setCommitString(text, from, length);
        QApplication::sendEvent(QApplication::focusWidget(), &commit);
        Settle();
    }
};

TEST_F(KeyboardTest, InputModesDropRefusedCharacters) {
    FormWindow* window = Open(kFormId);
    ASSERT_NE(window, nullptr);
    TypeInto(window->control(kDigitsEdit), QStringLiteral("1.5-a"));
    EXPECT_EQ(TextOf(window->control(kDigitsEdit)), QStringLiteral("15"));
    TypeInto(window->control(kDecimalEdit), QStringLiteral("-1.5a"));
    EXPECT_EQ(TextOf(window->control(kDecimalEdit)), QStringLiteral("-1.5"));
    // An input method's commit is typing too.
    Commit(QStringLiteral("e3"));
    EXPECT_EQ(TextOf(window->control(kDecimalEdit)), QStringLiteral("-1.53"));
    // A commit refused whole replaces nothing either.
    Commit(QStringLiteral("e"), -1, 1);
    EXPECT_EQ(TextOf(window->control(kDecimalEdit)), QStringLiteral("-1.53"));
}

TEST_F(KeyboardTest, BoxesHoldExactlyWhatTheirGbkCopyReads) {
    enum class Way { Typed, Pasted, PastedFromMenu, Composed };
    struct Row {
        const char* name;
        Way way;
        QString input;
        QString held;
    };
    const Row rows[] = {
        {"zero-width space pasted", Way::Pasted, QStringLiteral("\u200B12"), QStringLiteral("12")},
        {"word joiner typed", Way::Typed, QStringLiteral("1\u20602"), QStringLiteral("12")},
        {"direction mark composed", Way::Composed, QStringLiteral("\u200E12"),
         QStringLiteral("12")},
        {"soft hyphen pasted", Way::Pasted, QStringLiteral("1\u00AD2"), QStringLiteral("12")},
        {"Thai letter pasted", Way::Pasted, QStringLiteral("1\u0E012"), QStringLiteral("1?2")},
        {"Thai letter pasted from the menu", Way::PastedFromMenu, QStringLiteral("1\u0E012"),
         QStringLiteral("1?2")},
        {"emoji composed", Way::Composed,
         QStringLiteral("1\U0001F600"
                        "2"),
         QStringLiteral("1?2")},
        {"Chinese typed", Way::Typed, QStringLiteral("露点"), QStringLiteral("露点")},
    };
    FormWindow* dialog = Open(kDialogId);
    ASSERT_NE(dialog, nullptr);
    auto* box = static_cast<kinds::EditBoxWidget*>(dialog->control(kDialogEdit));
    for (const bool multiLine : {false, true}) {
        forms::EditBoxData data = box->data();
        data.multiLine = multiLine;
        box->setData(data);
        for (const Row& row : rows) {
            SCOPED_TRACE(std::string(row.name) + (multiLine ? " (multi-line)" : " (one line)"));
            box->setText({});
            box->setFocus();
            Settle();
            if (row.way == Way::Typed) TypeCharacters(row.input);
            if (row.way != Way::Typed && row.way != Way::Composed) {
                QApplication::clipboard()->setText(row.input);
            }
            if (row.way == Way::Pasted) Press(Qt::Key_V, Qt::ControlModifier);
            if (row.way == Way::PastedFromMenu) PasteFromMenu();
            if (row.way == Way::Composed) Commit(row.input);
            EXPECT_EQ(TextOf(box), row.held);
            EXPECT_EQ(ReadText(kDialogId, kDialogEdit, int32_t(forms::EditBoxProperty::Content)),
                      platform::QStringToGbk(row.held));
            // Undo takes the whole entry back, redo brings it again.
            Press(QKeySequence::Undo);
            EXPECT_EQ(TextOf(box), QString());
            Press(QKeySequence::Redo);
            EXPECT_EQ(TextOf(box), row.held);
        }
    }
}

TEST_F(KeyboardTest, ReadOnlyBoxesShowTheTextPointer) {
    FormWindow* dialog = Open(kDialogId);
    ASSERT_NE(dialog, nullptr);
    auto* box = static_cast<kinds::EditBoxWidget*>(dialog->control(kDialogEdit));
    forms::EditBoxData readOnly = box->data();
    readOnly.inputMode = uint32_t(forms::EditInputMode::ReadOnly);
    box->setData(readOnly);
    EXPECT_EQ(box->editor()->cursor().shape(), Qt::IBeamCursor);
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
        forms::EditInputMode mode;
        char32_t character;
        bool accepted;
    };
    const Row rows[] = {
        {"normal takes letters", forms::EditInputMode::Normal, 'a', true},
        {"integer takes minus", forms::EditInputMode::Integer, '-', true},
        {"integer refuses point", forms::EditInputMode::Integer, '.', false},
        {"decimal takes point", forms::EditInputMode::Decimal, '.', true},
        {"decimal refuses letters", forms::EditInputMode::Decimal, 'e', false},
        {"digits refuse point", forms::EditInputMode::DigitsOnly, '.', false},
        {"digits refuse minus", forms::EditInputMode::DigitsOnly, '-', false},
        {"digits take nine", forms::EditInputMode::DigitsOnly, '9', true},
        {"digits refuse full-width digit", forms::EditInputMode::DigitsOnly, U'１', false},
        {"control characters always pass", forms::EditInputMode::DigitsOnly, 0x08, true},
        {"mode 9 is decimal", forms::EditInputMode(9), '.', true},
        {"mode 7 is integer", forms::EditInputMode(7), '.', false},
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

TEST_F(KeyboardTest, AnEditBoxKeepsTheArrowKeys) {
    FormWindow* window = Open(kFormId);
    ASSERT_NE(window, nullptr);
    TypeInto(window->control(kDigitsEdit), QStringLiteral("12"));
    for (Qt::Key key : {Qt::Key_Down, Qt::Key_Up, Qt::Key_Left}) {
        Press(key);
        EXPECT_TRUE(window->control(kDigitsEdit)->hasFocus()) << key;
    }
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("3"));
    EXPECT_EQ(TextOf(window->control(kDigitsEdit)), QStringLiteral("132"));
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

TEST_F(KeyboardTest, ControlWithTabOrPageKeysSwitchesPages) {
    struct Step {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int page;
    };
    const Step steps[] = {{Qt::Key_Tab, Qt::ControlModifier, 1},
                          {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, 0},
                          {Qt::Key_PageDown, Qt::ControlModifier, 1},
                          {Qt::Key_PageUp, Qt::ControlModifier, 0},
                          {Qt::Key_PageUp, Qt::ControlModifier, 1}};
    FormWindow* window = Open(kFormId);
    ASSERT_NE(window, nullptr);
    auto* tabs = static_cast<QTabWidget*>(window->control(kTab));
    TypeInto(window->control(kDigitsEdit), QStringLiteral("1"));
    for (const Step& step : steps) {
        Press(step.key, step.modifiers);
        EXPECT_EQ(tabs->currentIndex(), step.page) << step.key;
        EXPECT_TRUE(QApplication::focusWidget()->isVisible()) << step.key;
    }
}

}  // namespace
}  // namespace controls::testing
