#include "controls/kinds/kind_support.h"

#include <QStringList>

namespace forms::kinds {
namespace {

constexpr std::string_view kStoredLineBreak = "\r\n";

}  // namespace

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

StoredFont FontFromValue(const PropertyValue& value) {
    const auto* bytes = reinterpret_cast<const uint8_t*>(value.bytes.data());
    return ReadFontRecord({bytes, value.bytes.size()});
}

PropertyValue ValueOfFont(const StoredFont& font) {
    return font ? ValueOfBytes(WriteFontRecord(*font)) : PropertyValue{};
}

void ApplyColours(QWidget& widget, QPalette::ColorRole textRole, uint32_t textColour,
                  QPalette::ColorRole backgroundRole, uint32_t backgroundColour) {
    QPalette palette = widget.palette();
    palette.setColor(textRole, runtime::ColourFromStored(textColour));
    palette.setColor(backgroundRole, runtime::ColourFromStored(backgroundColour));
    widget.setPalette(palette);
}

PropertyValue ValueOfBytes(const Bytes& bytes) {
    return PropertyValue::Text(std::string(bytes.begin(), bytes.end()));
}

Bytes BytesOfValue(const PropertyValue& value) {
    return Bytes(value.bytes.begin(), value.bytes.end());
}

PropertyValue ValueOfList(const std::vector<std::string>& items) {
    std::string joined;
    for (size_t i = 0; i < items.size(); ++i) {
        if (i > 0) joined += kStoredLineBreak;
        joined += items[i];
    }
    return PropertyValue::Text(std::move(joined));
}

std::vector<std::string> ListOfValue(const PropertyValue& value) {
    std::vector<std::string> items;
    std::string_view rest = value.bytes;
    while (!rest.empty()) {
        const size_t end = rest.find(kStoredLineBreak);
        items.emplace_back(rest.substr(0, end));
        if (end == std::string_view::npos) break;
        rest.remove_prefix(end + kStoredLineBreak.size());
    }
    return items;
}

}  // namespace forms::kinds
