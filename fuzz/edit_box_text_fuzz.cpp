// Any text into an edit box, the way a user or the program puts it there:
// what the box then holds must be exactly what the engine reads from it.
//
// Input fields, front to back:
//  - a flags byte: bit 0 reads the text as raw UTF-16 code units (lone
//    surrogates included), else as UTF-8 (broken sequences included);
//    bits 1-2 the way the text enters (see Way); bit 3 a multi-line box;
//    bit 4 undoes the entry afterwards and bit 5 then redoes it, as the
//    editor's context menu does;
//  - the box's input mode (taken modulo 12, the modes there are);
//  - how many code units at the front of the text the box already holds,
//    set by the program (taken modulo the text's length + 1);
//  - the cursor position in that text and how many units after it are
//    selected, so that the entered text goes there or replaces them;
//  - for an input method: how many units of the entered text it first shows
//    as text being composed, and where the range its commit replaces starts
//    and how long it is, both inside the text around the cursor that the
//    editor reports to input methods (taken modulo its length + 1);
//  - everything left is the text.
//
// Properties checked after the text has entered and the events it posted
// have run:
//  - the GBK bytes the engine reads (the content property, as the kind gives
//    it to the runtime) are the GBK form of what the box holds (line breaks
//    as CR LF), and they read back to exactly the box's text;
//  - no input leaves an invisible difference: the box holds no invisible
//    format character GBK lacks, no character other than "?" that is stored
//    as "?", and no character at all whose GBK round trip changes it;
//  - an entry that changed the text can be undone: undo changes the text
//    (within the two steps an input method's entry can take), and redo then
//    brings back exactly what the entry left (a read-only box, whose text
//    only the program changes, offers neither; in a password box
//    undo only clears the line and there is no redo).

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "controls/kind_registry.h"
#include "controls/kind_support.h"
#include "controls/kinds/core_kinds.h"
#include "controls/kinds/edit_box.h"
#include "forms/kind_data.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/fuzz_input.h"

namespace {

using controls::DisplayText;
using controls::StoredText;
using controls::kinds::EditBoxWidget;
using fuzz::Check;

// How the text enters the box.
enum class Way : uint8_t {
    Paste,    // on the clipboard, then Ctrl+V
    Insert,   // inserted at the selection, as a paste does and the program can
    Type,     // one key event per character, carrying its text
    Compose,  // an input method's commit, possibly after text being composed
};
constexpr uint8_t kUtf16Bit = 1 << 0;
constexpr int kWayShift = 1;
constexpr uint8_t kWayMask = 0x3;
constexpr uint8_t kMultiLineBit = 1 << 3;
constexpr uint8_t kUndoBit = 1 << 4;
constexpr uint8_t kRedoBit = 1 << 5;
constexpr uint8_t kInputModeCount = 12;
constexpr int kMostUndoStepsOfAnEntry = 2;

constexpr QSize kWindowSize(240, 140);
constexpr QRect kLineGeometry(10, 10, 200, 24);
constexpr QRect kAreaGeometry(10, 40, 200, 80);
constexpr int32_t kContentIndex =
    int32_t(forms::EditBoxProperty::Content) - forms::kFirstKindProperty;

struct Entry {
    Way way = Way::Paste;
    bool multiLine = false;
    bool undo = false;
    bool redo = false;
    uint32_t inputMode = 0;
    QString existing;  // what the box holds first
    qsizetype cursor = 0;
    qsizetype selected = 0;
    QString entered;
    qsizetype composing = 0;  // units of `entered` first shown as being composed
    uint8_t replacementStart = 0;
    uint8_t replacementLength = 0;
};

QString Utf16Text(std::string_view bytes) {
    QString text;
    for (size_t at = 0; at + 1 < bytes.size(); at += 2) {
        text.append(QChar(char16_t(uint8_t(bytes[at]) | uint8_t(bytes[at + 1]) << 8)));
    }
    return text;
}

Entry ReadEntry(fuzz::InputReader& in) {
    Entry entry;
    const auto flags = in.Take<uint8_t>();
    entry.way = Way((flags >> kWayShift) & kWayMask);
    entry.multiLine = (flags & kMultiLineBit) != 0;
    entry.undo = (flags & kUndoBit) != 0;
    entry.redo = (flags & kRedoBit) != 0;
    entry.inputMode = in.Take<uint8_t>() % kInputModeCount;
    const auto split = in.Take<uint8_t>();
    const auto cursor = in.Take<uint8_t>();
    const auto selected = in.Take<uint8_t>();
    const auto composing = in.Take<uint8_t>();
    entry.replacementStart = in.Take<uint8_t>();
    entry.replacementLength = in.Take<uint8_t>();
    const std::string_view rest = in.Rest();
    const QString text = (flags & kUtf16Bit) != 0
                             ? Utf16Text(rest)
                             : QString::fromUtf8(rest.data(), qsizetype(rest.size()));
    const qsizetype existing = split % (text.size() + 1);
    entry.existing = text.left(existing);
    entry.entered = text.mid(existing);
    entry.cursor = cursor;
    entry.selected = selected;
    entry.composing = composing % (entry.entered.size() + 1);
    return entry;
}

// The text's characters one by one: a surrogate pair together, a lone
// surrogate alone (converting to UCS-4 would turn it into U+FFFD first).
std::vector<QString> Characters(const QString& text) {
    std::vector<QString> characters;
    for (qsizetype at = 0; at < text.size();) {
        const bool pair =
            text[at].isHighSurrogate() && at + 1 < text.size() && text[at + 1].isLowSurrogate();
        const qsizetype length = pair ? 2 : 1;
        characters.push_back(text.mid(at, length));
        at += length;
    }
    return characters;
}

char32_t CodePoint(const QString& character) {
    if (character.size() == 2) return QChar::surrogateToUcs4(character[0], character[1]);
    return character[0].unicode();
}

// The window holding one box per kind of box and input mode, made when first
// needed and kept for every later input.
EditBoxWidget& BoxFor(bool multiLine, uint32_t inputMode) {
    static QWidget* window = [] {
        auto* made = new QWidget;
        made->resize(kWindowSize);
        made->show();
        return made;
    }();
    static std::map<std::pair<bool, uint32_t>, EditBoxWidget*> boxes;
    EditBoxWidget*& box = boxes[{multiLine, inputMode}];
    if (box == nullptr) {
        forms::EditBoxData data;
        data.multiLine = multiLine ? 1 : 0;
        data.inputMode = inputMode;
        box = new EditBoxWidget(data, window);
        box->setGeometry(multiLine ? kAreaGeometry : kLineGeometry);
        box->show();
    }
    return *box;
}

// The program's text, with the cursor and a selection in it.
void Prepare(EditBoxWidget& box, const Entry& entry) {
    box.setText(entry.existing);
    const qsizetype length = box.text().size();
    const int start = int(entry.cursor % (length + 1));
    const int end = int(start + entry.selected % (length - start + 1));
    if (auto* area = dynamic_cast<QPlainTextEdit*>(box.editor())) {
        QTextCursor cursor = area->textCursor();
        cursor.setPosition(start);
        cursor.setPosition(end, QTextCursor::KeepAnchor);
        area->setTextCursor(cursor);
    } else if (auto* line = dynamic_cast<QLineEdit*>(box.editor())) {
        line->setSelection(start, end - start);
    }
}

// The key a keyboard gives for a character: Enter for a line break, Tab for
// a tab, and a key without a code of its own for everything else.
Qt::Key KeyOf(char32_t character) {
    if (character == '\r' || character == '\n') return Qt::Key_Return;
    if (character == '\t') return Qt::Key_Tab;
    return Qt::Key_unknown;
}

void Type(QWidget* editor, const QString& text) {
    for (const QString& character : Characters(text)) {
        const Qt::Key key = KeyOf(CodePoint(character));
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier,
                        key == Qt::Key_Return ? QStringLiteral("\r") : character);
        QApplication::sendEvent(editor, &press);
    }
}

void Paste(QWidget* editor, const QString& text) {
    QApplication::clipboard()->setText(text);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier);
    QApplication::sendEvent(editor, &press);
}

struct Replacement {
    int start = 0;  // from the cursor
    int length = 0;
};

// A range of the text an input method knows, the editor's surrounding text
// (the line, or the paragraph holding the cursor), relative to the cursor
// as input methods give it. Over a selection the commit replaces just the
// selection.
Replacement ReplacementAround(QWidget* editor, const Entry& entry) {
    if (!editor->inputMethodQuery(Qt::ImCurrentSelection).toString().isEmpty()) return {};
    const int cursor = editor->inputMethodQuery(Qt::ImCursorPosition).toInt();
    const int size = int(editor->inputMethodQuery(Qt::ImSurroundingText).toString().size());
    const int from = entry.replacementStart % (size + 1);
    return {from - cursor, entry.replacementLength % (size - from + 1)};
}

void Compose(QWidget* editor, const Entry& entry) {
    const QString composing = entry.entered.left(entry.composing);
    if (!composing.isEmpty()) {
        QInputMethodEvent shown(composing, {});
        QApplication::sendEvent(editor, &shown);
    }
    const Replacement replacement = ReplacementAround(editor, entry);
    QInputMethodEvent commit;
    commit.setCommitString(entry.entered.mid(entry.composing), replacement.start,
                           replacement.length);
    QApplication::sendEvent(editor, &commit);
}

void Enter(EditBoxWidget& box, const Entry& entry) {
    switch (entry.way) {
        case Way::Paste:
            return Paste(box.editor(), entry.entered);
        case Way::Insert:
            return box.replaceSelection(entry.entered);
        case Way::Type:
            return Type(box.editor(), entry.entered);
        case Way::Compose:
            return Compose(box.editor(), entry);
    }
}

void Undo(QWidget* editor) {
    if (auto* area = dynamic_cast<QPlainTextEdit*>(editor)) return area->undo();
    if (auto* line = dynamic_cast<QLineEdit*>(editor)) line->undo();
}

void Redo(QWidget* editor) {
    if (auto* area = dynamic_cast<QPlainTextEdit*>(editor)) return area->redo();
    if (auto* line = dynamic_cast<QLineEdit*>(editor)) line->redo();
}

// Whether the editor undoes and redoes entries step by step: a read-only box
// offers no undo, though the program may change its text, and Qt's undo of a
// password line only clears it, with no redo, so that a password undone
// stays gone.
bool UndoesEntries(QWidget* editor) {
    if (const auto* area = dynamic_cast<QPlainTextEdit*>(editor)) return !area->isReadOnly();
    const auto* line = dynamic_cast<QLineEdit*>(editor);
    return line != nullptr && !line->isReadOnly() && line->echoMode() == QLineEdit::Normal;
}

// Undoes until the text differs from what the entry left, as a user presses
// undo again when a step changes nothing: an input method's entry can be
// two steps (the text being composed replaces the selection, the commit
// replaces a range around the cursor), and the commit's step is empty when
// it put back what it replaced. Returns the steps taken.
int UndoEntry(EditBoxWidget& box, const QString& entered) {
    int steps = 0;
    while (steps < kMostUndoStepsOfAnEntry) {
        Undo(box.editor());
        ++steps;
        if (box.text() != entered) break;
    }
    return steps;
}

// The content property as the kind hands it to the runtime.
std::string ContentTheEngineReads(EditBoxWidget& box) {
    static const controls::KindDescriptor kind = controls::kinds::EditBoxKind();
    return kind.routines.getProperty(&box, kContentIndex).bytes;
}

void CheckEngineCopy(EditBoxWidget& box) {
    const QString held = box.text();
    const std::string content = ContentTheEngineReads(box);
    Check(content == StoredText(held) && box.data().content == content,
          "the engine reads the GBK form of the box's text");
    Check(DisplayText(content) == held, "the engine's GBK bytes read back as the box's text");
}

void CheckNoInvisibleDifference(const QString& held) {
    for (const QString& character : Characters(held)) {
        const std::string stored = StoredText(character);
        Check(QChar::category(CodePoint(character)) != QChar::Other_Format || stored != "?",
              "the box holds no invisible format character GBK lacks");
        Check(stored != "?" || character == QStringLiteral("?"),
              "the box holds no character stored as a hidden \"?\"");
        Check(DisplayText(stored) == character,
              "every character the box holds survives its GBK round trip");
    }
}

}  // namespace

// Font lookups leave fontconfig's own blocks behind at exit, which the
// program cannot release; leaks inside that system library are suppressed by
// name, never the program's own (as tests/lsan.supp does for the tests).
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig\n";
}

extern "C" const char* __lsan_default_options() {
    return "print_suppressions=0";
}

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // The offscreen platform and a private runtime directory, so that Qt
    // starts without a display and without warnings.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static const std::filesystem::path runtimeDir = [] {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "edit_box_fuzz.XXXXXX").string();
        Check(mkdtemp(pattern.data()) != nullptr, "a private runtime directory can be made");
        return std::filesystem::path(pattern);
    }();
    setenv("XDG_RUNTIME_DIR", runtimeDir.c_str(), 1);
    std::atexit([] { std::filesystem::remove_all(runtimeDir); });
    static int argc = 1;
    static char name[] = "edit_box_text_fuzz";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);  // lives as long as the process
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::InputReader in(data, size);
    const Entry entry = ReadEntry(in);
    EditBoxWidget& box = BoxFor(entry.multiLine, entry.inputMode);
    Prepare(box, entry);
    const QString before = box.text();
    Enter(box, entry);
    const QString entered = box.text();
    if (entry.undo) {
        const int steps = UndoEntry(box, entered);
        Check(entered == before || !UndoesEntries(box.editor()) || box.text() != entered,
              "undo takes an entry back");
        if (entry.redo) {
            for (int step = 0; step < steps; ++step) Redo(box.editor());
            Check(!UndoesEntries(box.editor()) || box.text() == entered,
                  "redo brings an undone entry back");
        }
    }
    // What the box holds once the events the entry posted (repaints among
    // them) have run, as the program's message loop runs them; unprocessed,
    // they would also pile up from input to input.
    QApplication::processEvents();
    CheckEngineCopy(box);
    CheckNoInvisibleDifference(box.text());
    return 0;
}
