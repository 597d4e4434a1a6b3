#pragma once
// What assistive technology reads of a control that paints its own text:
// a role, a name and the shown text through the text interface, read-only.
// The label, the transparent label and the lunar date box build on it; Qt
// makes an interface only when assistive technology asks for one.
//
//   accessible factory ──► ShownTextAccessible(widget, role) ──► name, text

#include <QAccessibleWidget>
#include <QString>

namespace controls {

class ShownTextAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    ShownTextAccessible(QWidget* widget, QAccessible::Role role);

    // The text the control shows now.
    virtual QString shownText() const = 0;

    // The name is the shown text unless the control was given one.
    QString text(QAccessible::Text kind) const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override { return int(shownText().size()); }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    void selection(int, int* startOffset, int* endOffset) const override;
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* startOffset, int* endOffset) const override;
};

}  // namespace controls
