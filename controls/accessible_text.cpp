// The read-only text interface of the self-painted controls.

#include "controls/accessible_text.h"

#include <QWidget>

namespace controls {

ShownTextAccessible::ShownTextAccessible(QWidget* widget, QAccessible::Role role)
    : QAccessibleWidget(widget, role) {}

QString ShownTextAccessible::text(QAccessible::Text kind) const {
    // Line breaks and runs of blanks read as one blank.
    if (kind == QAccessible::Name && widget()->accessibleName().isEmpty()) {
        return shownText().simplified();
    }
    return QAccessibleWidget::text(kind);
}

void* ShownTextAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString ShownTextAccessible::text(int startOffset, int endOffset) const {
    const QString shown = shownText();
    if (endOffset < 0 || endOffset > shown.size()) endOffset = int(shown.size());
    startOffset = std::clamp(startOffset, 0, endOffset);
    return shown.mid(startOffset, endOffset - startOffset);
}

void ShownTextAccessible::selection(int, int* startOffset, int* endOffset) const {
    *startOffset = 0;
    *endOffset = 0;
}

QString ShownTextAccessible::attributes(int offset, int* startOffset, int* endOffset) const {
    // One run without attributes covers the whole text.
    *startOffset = offset < 0 ? -1 : 0;
    *endOffset = offset < 0 ? -1 : characterCount();
    return {};
}

}  // namespace controls
