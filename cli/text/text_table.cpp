#include "cli/text/text_table.h"

#include <algorithm>
#include <array>

namespace cli {
namespace {

struct CodePointRange {
    char32_t first;
    char32_t last;
};

// East Asian wide and full-width characters, which terminals show two
// columns wide.
constexpr std::array<CodePointRange, 12> kWideCharacters = {{
    {0x1100, 0x115F},
    {0x2E80, 0x303E},
    {0x3041, 0x33FF},
    {0x3400, 0x4DBF},
    {0x4E00, 0x9FFF},
    {0xA000, 0xA4CF},
    {0xAC00, 0xD7A3},
    {0xF900, 0xFAFF},
    {0xFE30, 0xFE4F},
    {0xFF00, 0xFF60},
    {0xFFE0, 0xFFE6},
    {0x20000, 0x3FFFD},
}};

constexpr std::string_view kColumnGap = "  ";

bool IsWide(char32_t c) {
    return std::ranges::any_of(
        kWideCharacters, [c](const CodePointRange& r) { return c >= r.first && c <= r.last; });
}

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// The code point whose UTF-8 sequence starts at `at`; only its range matters
// here, so a broken sequence may decode to anything narrow.
char32_t CodePointAt(std::string_view text, std::size_t at) {
    auto lead = static_cast<unsigned char>(text[at]);
    int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
    char32_t c = extra == 0 ? lead : lead & (0x3F >> extra);
    for (int i = 1; i <= extra && at + i < text.size(); ++i) {
        c = (c << 6) | (static_cast<unsigned char>(text[at + i]) & 0x3F);
    }
    return c;
}

}  // namespace

std::size_t DisplayWidth(std::string_view utf8) {
    std::size_t width = 0;
    for (std::size_t at = 0; at < utf8.size(); ++at) {
        if (IsContinuation(static_cast<unsigned char>(utf8[at]))) continue;
        char32_t c = CodePointAt(utf8, at);
        width += IsWide(c) ? 2 : 1;
    }
    return width;
}

void TextTable::Write(std::ostream& out, std::string_view indent) const {
    std::vector<std::size_t> widths(aligns_.size(), 0);
    for (const auto& row : rows_) {
        for (std::size_t c = 0; c < row.size() && c < widths.size(); ++c) {
            widths[c] = std::max(widths[c], DisplayWidth(row[c]));
        }
    }
    for (const auto& row : rows_) {
        std::string line(indent);
        for (std::size_t c = 0; c < row.size() && c < widths.size(); ++c) {
            std::string padding(widths[c] - DisplayWidth(row[c]), ' ');
            if (c > 0) line += kColumnGap;
            line += aligns_[c] == Align::Right ? padding + row[c] : row[c] + padding;
        }
        line.erase(line.find_last_not_of(' ') + 1);
        out << line << '\n';
    }
}

}  // namespace cli
