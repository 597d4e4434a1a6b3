#include "forms/kind_properties.h"

#include <string_view>

namespace forms {
namespace {

constexpr std::string_view kStoredLineBreak = "\r\n";

}  // namespace

bool IsTextType(PropertyType type) {
    switch (type) {
        case PropertyType::Text:
        case PropertyType::Text2:
        case PropertyType::Text3:
        case PropertyType::Text4:
            return true;
        default:
            return false;
    }
}

bool IsBlockType(PropertyType type) {
    switch (type) {
        case PropertyType::Picture:
        case PropertyType::Icon:
        case PropertyType::MousePointer:
        case PropertyType::ByteBlock:
        case PropertyType::Font:
        case PropertyType::KindBlock:
            return true;
        default:
            return false;
    }
}

StoredFont FontFromValue(const PropertyValue& value) {
    const auto* bytes = reinterpret_cast<const uint8_t*>(value.bytes.data());
    return ReadFontRecord({bytes, value.bytes.size()});
}

PropertyValue ValueOfFont(const StoredFont& font) {
    return font ? ValueOfBytes(WriteFontRecord(*font)) : PropertyValue{};
}

PropertyValue ValueOfBytes(const Bytes& bytes) {
    return PropertyValue::Text(std::string(bytes.begin(), bytes.end()));
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

}  // namespace forms
