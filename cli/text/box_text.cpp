#include "cli/text/box_text.h"

#include <algorithm>
#include <array>

#include "cli/text/input_encoding.h"
#include "runtime/convert.h"
#include "runtime/gbk.h"

namespace cli {
namespace {

constexpr std::string_view kBlanks = " \t\n\v\f\r";

struct CodePointRange {
    char32_t first;
    char32_t last;
};

// The format characters (general category Cf) that the window's toolkit
// knows, in code point order.
constexpr std::array<CodePointRange, 21> kFormatCharacters = {{
    {0x00AD, 0x00AD},   {0x0600, 0x0605},   {0x061C, 0x061C},   {0x06DD, 0x06DD},
    {0x070F, 0x070F},   {0x0890, 0x0891},   {0x08E2, 0x08E2},   {0x180E, 0x180E},
    {0x200B, 0x200F},   {0x202A, 0x202E},   {0x2060, 0x2064},   {0x2066, 0x206F},
    {0xFEFF, 0xFEFF},   {0xFFF9, 0xFFFB},   {0x110BD, 0x110BD}, {0x110CD, 0x110CD},
    {0x13430, 0x13438}, {0x1BCA0, 0x1BCA3}, {0x1D173, 0x1D17A}, {0xE0001, 0xE0001},
    {0xE0020, 0xE007F},
}};

constexpr char kUnrepresentable[] = "?";

bool IsFormatCharacter(char32_t c) {
    auto after = std::upper_bound(kFormatCharacters.begin(), kFormatCharacters.end(), c,
                                  [](char32_t x, const CodePointRange& r) { return x < r.first; });
    return after != kFormatCharacters.begin() && c <= std::prev(after)->last;
}

// The length of the UTF-8 sequence a lead byte announces; a stray byte counts
// as one, for the converter to replace.
size_t SequenceLength(unsigned char lead) {
    if (lead >= 0xF0) return 4;
    if (lead >= 0xE0) return 3;
    if (lead >= 0xC0) return 2;
    return 1;
}

char32_t Decode(std::string_view sequence) {
    constexpr unsigned char kLeadBits[] = {0, 0x7F, 0x1F, 0x0F, 0x07};
    char32_t c = static_cast<unsigned char>(sequence[0]) & kLeadBits[sequence.size()];
    for (size_t i = 1; i < sequence.size(); ++i) {
        c = (c << 6) | (static_cast<unsigned char>(sequence[i]) & 0x3F);
    }
    return c;
}

bool IsContinuation(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

// A whole multi-byte character that is an invisible format character GBK
// cannot hold; broken sequences are left for the converter to replace.
bool IsDropped(std::string_view sequence) {
    if (sequence.size() < 2 || !std::all_of(sequence.begin() + 1, sequence.end(), IsContinuation)) {
        return false;
    }
    return IsFormatCharacter(Decode(sequence)) && runtime::Utf8ToGbk(sequence) == kUnrepresentable;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

size_t SkipDigits(std::string_view text, size_t at) {
    while (at < text.size() && IsDigit(text[at])) ++at;
    return at;
}

size_t SkipSign(std::string_view text, size_t at) {
    return at < text.size() && (text[at] == '+' || text[at] == '-') ? at + 1 : at;
}

bool IsExponentMarker(char c) {
    return c == 'e' || c == 'E' || c == 'd' || c == 'D';
}

}  // namespace

std::string TypedTextToGbk(std::string_view utf8) {
    if (IsAscii(utf8)) return std::string(utf8);
    std::string kept;
    kept.reserve(utf8.size());
    for (size_t at = 0; at < utf8.size();) {
        size_t length =
            std::min(SequenceLength(static_cast<unsigned char>(utf8[at])), utf8.size() - at);
        std::string_view sequence = utf8.substr(at, length);
        if (!IsDropped(sequence)) kept.append(sequence);
        at += length;
    }
    return runtime::Utf8ToGbk(kept);
}

std::string ShownText(std::string_view gbk) {
    if (IsAscii(gbk)) return std::string(gbk);
    return runtime::GbkToUtf8(gbk);
}

bool IsNumberText(std::string_view gbk) {
    if (gbk.find('\0') != std::string_view::npos) return false;
    std::string folded = runtime::FoldFullWidth(gbk);
    std::string_view text = Trimmed(folded);
    size_t at = SkipSign(text, 0);
    size_t integerEnd = SkipDigits(text, at);
    size_t fractionEnd = integerEnd;
    if (integerEnd < text.size() && text[integerEnd] == '.') {
        fractionEnd = SkipDigits(text, integerEnd + 1);
    }
    bool hasDigits = integerEnd > at || fractionEnd > integerEnd + 1;
    if (!hasDigits) return false;
    at = fractionEnd;
    if (at < text.size() && IsExponentMarker(text[at])) {
        size_t digits = SkipSign(text, at + 1);
        at = SkipDigits(text, digits);
        if (at == digits) return false;
    }
    return at == text.size();
}

std::string_view Trimmed(std::string_view text) {
    size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

}  // namespace cli
