// The edit box kind "编辑框": the editor widgets, the input-mode filter and
// the kind-specific properties.

#include "controls/kinds/edit_box.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTextDocument>
#include <QValidator>
#include <algorithm>

#include "controls/kind_support.h"
#include "controls/kinds/borders.h"
#include "controls/kinds/core_kinds.h"

namespace controls::kinds {
namespace {

using P = forms::EditBoxProperty;

// Scroll-bar choices of a multi-line box.
constexpr uint32_t kHorizontalBar = 1;
constexpr uint32_t kVerticalBar = 2;
// Qt's own limit of a line edit, used when the box sets none.
constexpr int kUnlimitedLength = 32767;
constexpr char32_t kFirstPrintable = 0x20;

// The characters each input mode lets through when typed.
enum class CharacterFilter { Any, IntegerChars, DecimalChars, Digits };
constexpr CharacterFilter kModeFilters[] = {
    CharacterFilter::Any,           // 0 normal
    CharacterFilter::Any,           // 1 read-only
    CharacterFilter::Any,           // 2 password
    CharacterFilter::IntegerChars,  // 3 digits and "-"
    CharacterFilter::DecimalChars,  // 4 digits, "-" and "."
    CharacterFilter::Digits,        // 5 digits only
    CharacterFilter::IntegerChars,  // 6
    CharacterFilter::IntegerChars,  // 7
    CharacterFilter::IntegerChars,  // 8
    CharacterFilter::DecimalChars,  // 9
    CharacterFilter::DecimalChars,  // 10
    CharacterFilter::Any,           // 11
};

bool IsDigit(char32_t c) {
    return c >= '0' && c <= '9';
}

// True when a key's text holds a character the input mode refuses; the
// maximum length is the editor's own.
bool RefusesKey(const forms::EditBoxData& data, const QKeyEvent& key) {
    for (char32_t c : key.text().toUcs4()) {
        if (!AcceptsTyped(data.inputMode, c)) return true;
    }
    return false;
}

bool IsKeepable(const QString& text) {
    return KeepableText(text) == text;
}

// Hands a key to an editor's own key handling with its text as the box can
// hold it, so that the editor never has to replace what was typed (which
// breaks its undo); a typed invisible format character is dropped.
template <typename Press>
void PressKept(QKeyEvent* event, Press press) {
    const QString kept = KeepableText(event->text());
    if (kept == event->text()) return press(event);
    if (kept.isEmpty()) return event->accept();
    QKeyEvent keptKey(event->type(), event->key(), event->modifiers(), kept, event->isAutoRepeat(),
                      ushort(event->count()));
    press(&keptKey);
    event->setAccepted(keptKey.isAccepted());
}

// An input method's commit is typing: the characters the mode refuses are
// left out of it, the rest enters as the box can hold it. The text being
// composed is shown as it is.
QString TypedCommit(const forms::EditBoxData& data, const QInputMethodEvent& event) {
    QString accepted;
    for (char32_t c : event.commitString().toUcs4()) {
        if (AcceptsTyped(data.inputMode, c)) accepted.append(QString::fromUcs4(&c, 1));
    }
    return KeepableText(accepted);
}

// Gives `typed` the commit of `event` as typing brings it. A commit whose
// every character is refused changes nothing, as a refused key does: the
// text it would have replaced stays too.
void SetTypedCommit(const forms::EditBoxData& data, const QInputMethodEvent& event,
                    QInputMethodEvent& typed) {
    const QString commit = TypedCommit(data, event);
    if (commit.isEmpty() && !event.commitString().isEmpty()) return;
    typed.setCommitString(commit, event.replacementStart(), event.replacementLength());
}

// Keeps a line editor's text to what its GBK copy reads back as, whichever
// way the text arrives. Replacing the text clears the editor's undo history,
// so typing, pasting and input-method commits bring kept text already and
// leave the validator nothing to replace; it catches the rest (drops, the
// selection pasted with the middle button, the program's texts).
class KeepableTextValidator : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int& position) const override {
        const QString kept = KeepableText(input);
        if (kept != input) {
            position = int(KeepableText(input.left(position)).size());
            input = kept;
        }
        return Acceptable;
    }
};

class LineEditor : public QLineEdit {
public:
    LineEditor(const forms::EditBoxData& data, QWidget* parent) : QLineEdit(parent), data_(data) {
        setValidator(new KeepableTextValidator(this));
    }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (RefusesKey(data_, *event)) return event->accept();
        if (event->matches(QKeySequence::Paste) && !IsKeepable(ClipboardText())) {
            pasteKept();
            return event->accept();
        }
        PressKept(event, [this](QKeyEvent* key) { QLineEdit::keyPressEvent(key); });
    }

    void inputMethodEvent(QInputMethodEvent* event) override {
        QInputMethodEvent typed(event->preeditString(), event->attributes());
        SetTypedCommit(data_, *event, typed);
        QLineEdit::inputMethodEvent(&typed);
    }

    // The standard menu, whose paste brings kept text as Ctrl+V does.
    void contextMenuEvent(QContextMenuEvent* event) override {
        QMenu* menu = createStandardContextMenu();
        for (QAction* action : menu->actions()) {
            // Qt wires its paste by name or by member, as its versions differ.
            const bool paste = disconnect(action, SIGNAL(triggered()), this, SLOT(paste())) ||
                               disconnect(action, &QAction::triggered, this, &QLineEdit::paste);
            if (paste) connect(action, &QAction::triggered, this, [this] { pasteKept(); });
        }
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(event->globalPos());
    }

private:
    static QString ClipboardText() { return QGuiApplication::clipboard()->text(); }

    // Pastes the clipboard's text as the box can hold it. Text that needs no
    // change takes Qt's own paste, which makes it an undo step of its own.
    void pasteKept() {
        const QString clip = ClipboardText();
        if (IsKeepable(clip)) return paste();
        if (!isReadOnly()) insert(KeepableText(clip));
    }

    const forms::EditBoxData& data_;
};

class TextAreaEditor : public QPlainTextEdit {
public:
    TextAreaEditor(const forms::EditBoxData& data, QWidget* parent)
        : QPlainTextEdit(parent), data_(data) {
        connect(document(), &QTextDocument::contentsChange, this,
                [this](int position, int, int added) { keepAdded(position, added); });
    }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (RefusesKey(data_, *event) || growsBeyondLimit(*event)) return event->accept();
        PressKept(event, [this](QKeyEvent* key) { QPlainTextEdit::keyPressEvent(key); });
    }

    // Pastes and drops bring their text as the box can hold it.
    void insertFromMimeData(const QMimeData* source) override {
        if (!source->hasText() || IsKeepable(source->text())) {
            return QPlainTextEdit::insertFromMimeData(source);
        }
        QMimeData kept;
        kept.setText(KeepableText(source->text()));
        QPlainTextEdit::insertFromMimeData(&kept);
    }

    void inputMethodEvent(QInputMethodEvent* event) override {
        QInputMethodEvent typed(event->preeditString(), event->attributes());
        SetTypedCommit(data_, *event, typed);
        QPlainTextEdit::inputMethodEvent(&typed);
    }

private:
    bool growsBeyondLimit(const QKeyEvent& event) const {
        if (data_.maxLength == 0 || event.text().isEmpty()) return false;
        if (event.text().front() < QChar(kFirstPrintable) && event.key() != Qt::Key_Return) {
            return false;
        }
        return toPlainText().size() >= qsizetype(data_.maxLength);
    }

    // Replaces newly added text that the box cannot hold as it is (typing,
    // pastes, drops and input methods bring kept text already, so this
    // catches the rest), as part of the edit that added it: an edit of its
    // own here leaves undo and redo pointing at positions the text no longer
    // has.
    void keepAdded(int position, int added) {
        if (added == 0 || keeping_) return;
        // The count may take in the document's closing paragraph mark.
        const int end = std::min(position + added, document()->characterCount() - 1);
        QTextCursor range(document());
        range.setPosition(position);
        range.setPosition(end, QTextCursor::KeepAnchor);
        const QString text = range.selectedText().replace(QChar::ParagraphSeparator, u'\n');
        const QString kept = KeepableText(text);
        if (kept == text) return;
        keeping_ = true;
        range.joinPreviousEditBlock();
        range.insertText(kept);
        range.endEditBlock();
        keeping_ = false;
    }

    const forms::EditBoxData& data_;
    bool keeping_ = false;
};

QLineEdit* LineOf(QWidget* editor) {
    if (auto* line = dynamic_cast<QLineEdit*>(editor)) return line;
    if (auto* spin = dynamic_cast<QAbstractSpinBox*>(editor)) return spin->findChild<QLineEdit*>();
    return nullptr;
}

QPlainTextEdit* AreaOf(QWidget* editor) {
    return dynamic_cast<QPlainTextEdit*>(editor);
}

// GBK bytes of a text's first `characters` characters, line breaks as CR LF.
int32_t GbkBytesOf(const QString& text, qsizetype characters) {
    return int32_t(StoredText(text.left(characters)).size());
}

// The position after the last whole character whose stored GBK bytes (line
// breaks as CR LF) still fit in `bytes`, in one pass over the text; a
// character written as a surrogate pair is never split.
qsizetype CharactersFor(const QString& text, int32_t bytes) {
    qsizetype position = 0;
    int32_t counted = 0;
    while (position < text.size()) {
        const bool pair = text[position].isHighSurrogate() && position + 1 < text.size() &&
                          text[position + 1].isLowSurrogate();
        const qsizetype length = pair ? 2 : 1;
        counted += int32_t(StoredText(text.mid(position, length)).size());
        if (counted > bytes) break;
        position += length;
    }
    return position;
}

QWidget* Create(const CreateRequest& request) {
    auto data = forms::ReadKindData<forms::EditBoxData>(request.kindData);
    if (!data) return nullptr;
    auto* box = new EditBoxWidget(*data, request.parent);
    QRect geometry = request.geometry;
    if (data->multiLine == 0) {
        const int minimum = QFontMetrics(box->font()).height() + 2 * kEditEdgeWidth;
        geometry.setHeight(std::max(geometry.height(), minimum));
    }
    box->setGeometry(geometry);
    box->setSelection(data->selectionStart, data->selectionLength);
    return box;
}

}  // namespace

bool AcceptsTyped(uint32_t inputMode, char32_t character) {
    if (character < kFirstPrintable) return true;
    const CharacterFilter filter =
        inputMode < std::size(kModeFilters) ? kModeFilters[inputMode] : CharacterFilter::Any;
    switch (filter) {
        case CharacterFilter::IntegerChars:
            return IsDigit(character) || character == '-';
        case CharacterFilter::DecimalChars:
            return IsDigit(character) || character == '-' || character == '.';
        case CharacterFilter::Digits:
            return IsDigit(character);
        case CharacterFilter::Any:
            return true;
    }
    return true;
}

// The content and the selection apply to the live editor, the tooltip to the
// box; the rest are stored properties that restyle the box.
void EditBoxWidget::setKindProperty(int32_t index, const forms::PropertyValue& value) {
    switch (forms::PropertyAtIndex<P>(index)) {
        case P::Content:
            return setText(DisplayText(value.bytes));
        case P::SelectionStart:
            return setSelection(value.AsInt(), selectionLength());
        case P::SelectionLength:
            return setSelection(selectionStart(), value.AsInt());
        case P::SelectedText:
            return replaceSelection(DisplayText(value.bytes));
        case P::ToolTip:
            return setToolTip(DisplayText(value.bytes));
        default:
            return SetStoredPropertyOf(*this, index, value);
    }
}

forms::PropertyValue EditBoxWidget::kindProperty(int32_t index) const {
    switch (forms::PropertyAtIndex<P>(index)) {
        case P::SelectedText:
            return forms::PropertyValue::Text(selectedText());
        case P::ToolTip:
            return forms::PropertyValue::Text(StoredText(toolTip()));
        default:
            return StoredProperty(*this, index);
    }
}

// An edit box keeps every key but the ones that move between controls;
// a multi-line box keeps Enter too.
bool EditBoxWidget::wantsKey(int qtKey) const {
    switch (qtKey) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Escape:
        case Qt::Key_F1:
            return false;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return data_.multiLine != 0;
        default:
            return true;
    }
}

EditBoxWidget::EditBoxWidget(const forms::EditBoxData& data, QWidget* parent)
    : QWidget(parent), data_(data) {
    rebuildEditor();
    setText(DisplayText(data_.content));
}

forms::EditBoxData EditBoxWidget::data() const {
    forms::EditBoxData live = data_;
    live.content = StoredText(text());
    live.selectionStart = selectionStart();
    live.selectionLength = selectionLength();
    return live;
}

void EditBoxWidget::setData(const forms::EditBoxData& data) {
    const bool structural = data.multiLine != data_.multiLine || data.spinBox != data_.spinBox ||
                            data.scrollBars != data_.scrollBars;
    const QString current = text();
    data_ = data;
    if (structural) {
        rebuildEditor();
        setText(current);
    } else {
        applyStyle();
    }
    update();
}

void EditBoxWidget::rebuildEditor() {
    // The old editor may be the receiver of the event whose handler changed
    // the box, so it goes once that event is over.
    if (editor_ != nullptr) {
        editor_->hide();
        editor_->deleteLater();
    }
    if (data_.spinBox != 0) {
        auto* spin = new QSpinBox(this);
        // Its digits are the program's, not the process locale's.
        spin->setLocale(QLocale::c());
        spin->setRange(std::min(data_.spinLimit1, data_.spinLimit2),
                       std::max(data_.spinLimit1, data_.spinLimit2));
        spin->setFrame(false);
        editor_ = spin;
    } else if (data_.multiLine != 0) {
        auto* area = new TextAreaEditor(data_, this);
        area->setFrameStyle(QFrame::NoFrame);
        const bool horizontal = (data_.scrollBars & kHorizontalBar) != 0;
        const bool vertical = (data_.scrollBars & kVerticalBar) != 0;
        area->setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAsNeeded
                                                      : Qt::ScrollBarAlwaysOff);
        area->setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
        area->setLineWrapMode(horizontal ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
        editor_ = area;
    } else {
        auto* line = new LineEditor(data_, this);
        line->setFrame(false);
        editor_ = line;
    }
    setFocusProxy(editor_);
    applyStyle();
    placeEditor();
    editor_->show();
}

void EditBoxWidget::applyStyle() {
    setFont(platform::FontFromStored(data_.font));
    editor_->setFont(font());
    ApplyColours(*editor_, QPalette::Text, data_.textColour, QPalette::Base,
                 data_.backgroundColour);
    const bool readOnly = forms::EditInputMode(data_.inputMode) == forms::EditInputMode::ReadOnly;
    const Qt::Alignment alignment = HorizontalAlignmentFlag(data_.alignment);
    if (QLineEdit* line = LineOf(editor_)) {
        line->setReadOnly(readOnly);
        // Qt gives a read-only line the arrow pointer; its text can still be
        // selected and copied, which the text pointer says.
        line->setCursor(Qt::IBeamCursor);
        line->setAlignment(alignment | Qt::AlignVCenter);
        line->setMaxLength(data_.maxLength != 0 ? int(data_.maxLength) : kUnlimitedLength);
        const bool password =
            forms::EditInputMode(data_.inputMode) == forms::EditInputMode::Password;
        line->setEchoMode(password ? QLineEdit::Password : QLineEdit::Normal);
        if (password && data_.passwordChar > 0) {
            line->setStyleSheet(
                QStringLiteral("lineedit-password-character: %1").arg(int(data_.passwordChar)));
        }
    }
    if (QPlainTextEdit* area = AreaOf(editor_)) {
        area->setReadOnly(readOnly);
        QTextOption option = area->document()->defaultTextOption();
        option.setAlignment(alignment);
        area->document()->setDefaultTextOption(option);
    }
    placeEditor();
}

void EditBoxWidget::placeEditor() {
    if (editor_ == nullptr) return;
    const int border = FixedBorderWidth(data_.borderStyle);
    editor_->setGeometry(rect().adjusted(border, border, -border, -border));
}

void EditBoxWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeEditor();
}

void EditBoxWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), platform::ColourFromStored(data_.backgroundColour));
    PaintBorder(painter, rect(), palette(), data_.borderStyle);
}

QString EditBoxWidget::text() const {
    if (QPlainTextEdit* area = AreaOf(editor_)) return area->toPlainText();
    if (QLineEdit* line = LineOf(editor_)) return line->text();
    return {};
}

void EditBoxWidget::setText(const QString& text) {
    if (QPlainTextEdit* area = AreaOf(editor_)) return area->setPlainText(text);
    if (auto* spin = dynamic_cast<QSpinBox*>(editor_)) {
        bool isNumber = false;
        const int value = text.toInt(&isNumber);
        if (isNumber) spin->setValue(value);
    }
    if (QLineEdit* line = LineOf(editor_)) line->setText(text);
}

int32_t EditBoxWidget::selectionStart() const {
    if (QPlainTextEdit* area = AreaOf(editor_)) {
        return GbkBytesOf(text(), area->textCursor().selectionStart());
    }
    const QLineEdit* line = LineOf(editor_);
    if (line == nullptr) return 0;
    const int start = line->hasSelectedText() ? line->selectionStart() : line->cursorPosition();
    return GbkBytesOf(text(), start);
}

int32_t EditBoxWidget::selectionLength() const {
    return int32_t(selectedText().size());
}

std::string EditBoxWidget::selectedText() const {
    if (QPlainTextEdit* area = AreaOf(editor_)) {
        return StoredText(
            area->textCursor().selectedText().replace(QChar::ParagraphSeparator, '\n'));
    }
    const QLineEdit* line = LineOf(editor_);
    return line != nullptr ? StoredText(line->selectedText()) : std::string();
}

void EditBoxWidget::setSelection(int32_t startBytes, int32_t lengthBytes) {
    const QString current = text();
    const qsizetype start = CharactersFor(current, std::max(0, startBytes));
    const qsizetype end =
        CharactersFor(current, std::max(0, startBytes) + std::max(0, lengthBytes));
    if (QPlainTextEdit* area = AreaOf(editor_)) {
        QTextCursor cursor = area->textCursor();
        cursor.setPosition(int(start));
        cursor.setPosition(int(end), QTextCursor::KeepAnchor);
        area->setTextCursor(cursor);
    } else if (QLineEdit* line = LineOf(editor_)) {
        line->setSelection(int(start), int(end - start));
    }
}

void EditBoxWidget::replaceSelection(const QString& text) {
    const QString kept = KeepableText(text);
    if (QPlainTextEdit* area = AreaOf(editor_)) return area->textCursor().insertText(kept);
    if (QLineEdit* line = LineOf(editor_)) line->insert(kept);
}

KindDescriptor EditBoxKind() {
    return DescribeKind<EditBoxWidget>(Create);
}

}  // namespace controls::kinds
