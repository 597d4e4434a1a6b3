#include "controls/kinds/kind_support.h"

#include <QStringList>

namespace forms::kinds {

QString DisplayText(const std::string& gbk) {
    QString text = runtime::GbkToQString(gbk);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

std::string StoredText(const QString& text) {
    QString stored = text;
    stored.replace(QChar('\n'), QStringLiteral("\r\n"));
    return runtime::QStringToGbk(stored);
}

QString KeepableText(const QString& text) {
    QString visible;
    visible.reserve(text.size());
    for (char32_t c : text.toUcs4()) {
        const QString character = QString::fromUcs4(&c, 1);
        if (QChar::category(c) == QChar::Other_Format && StoredText(character) == "?") continue;
        visible.append(character);
    }
    return DisplayText(StoredText(visible));
}

void ApplyColours(QWidget& widget, QPalette::ColorRole textRole, uint32_t textColour,
                  QPalette::ColorRole backgroundRole, uint32_t backgroundColour) {
    QPalette palette = widget.palette();
    palette.setColor(textRole, runtime::ColourFromStored(textColour));
    palette.setColor(backgroundRole, runtime::ColourFromStored(backgroundColour));
    widget.setPalette(palette);
}

}  // namespace forms::kinds
