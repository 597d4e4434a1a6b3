#include "cli/text/json_csv.h"

#include <algorithm>
#include <charconv>

namespace cli {
namespace {

constexpr char kHexDigits[] = "0123456789abcdef";
constexpr unsigned char kFirstPrintable = 0x20;
constexpr std::string_view kIndent = "    ";

void AppendJsonEscape(std::string& out, char c) {
    switch (c) {
        case '"':
            out += "\\\"";
            return;
        case '\\':
            out += "\\\\";
            return;
        case '\n':
            out += "\\n";
            return;
        case '\r':
            out += "\\r";
            return;
        case '\t':
            out += "\\t";
            return;
        default:
            auto byte = static_cast<unsigned char>(c);
            out += "\\u00";
            out += kHexDigits[byte >> 4];
            out += kHexDigits[byte & 0xF];
    }
}

bool NeedsJsonEscape(char c) {
    return c == '"' || c == '\\' || static_cast<unsigned char>(c) < kFirstPrintable;
}

}  // namespace

std::string JsonString(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        if (NeedsJsonEscape(c)) {
            AppendJsonEscape(out, c);
        } else {
            out += c;
        }
    }
    return out + '"';
}

std::string JsonNumber(int64_t value) {
    char digits[24];
    auto [end, error] = std::to_chars(digits, digits + sizeof digits, value);
    return std::string(digits, end);
}

std::string JsonBool(bool value) {
    return value ? "true" : "false";
}

std::string JsonObject(std::initializer_list<JsonMember> members) {
    std::string object = "{";
    for (const auto& [name, value] : members) {
        if (object.size() > 1) object += ", ";
        object += JsonString(name) + ": " + value;
    }
    return object + "}";
}

std::string JsonArray(const std::vector<std::string>& items) {
    if (items.empty()) return "[]";
    std::string array = "[\n";
    for (size_t i = 0; i < items.size(); ++i) {
        array += std::string(kIndent) + std::string(kIndent) + items[i];
        array += i + 1 < items.size() ? ",\n" : "\n";
    }
    return array + std::string(kIndent) + "]";
}

void WriteJsonDocument(std::ostream& out, std::initializer_list<JsonMember> members) {
    out << "{\n";
    size_t written = 0;
    for (const auto& [name, value] : members) {
        out << kIndent << JsonString(name) << ": " << value;
        out << (++written < members.size() ? ",\n" : "\n");
    }
    out << "}\n";
}

void AppendCsvField(std::string& line, std::string_view text, char separator) {
    auto needsQuotes = [separator](char c) {
        return c == separator || c == '"' || c == '\n' || c == '\r';
    };
    if (std::ranges::none_of(text, needsQuotes)) {
        line.append(text);
        return;
    }
    line += '"';
    for (char c : text) {
        if (c == '"') line += '"';
        line += c;
    }
    line += '"';
}

std::string CsvField(std::string_view text, char separator) {
    std::string field;
    AppendCsvField(field, text, separator);
    return field;
}

void WriteCsvRow(std::ostream& out, std::initializer_list<std::string_view> fields) {
    bool first = true;
    for (std::string_view field : fields) {
        if (!first) out << ',';
        out << CsvField(field);
        first = false;
    }
    out << '\n';
}

}  // namespace cli
