#include <locale.h>

#include <cstdlib>
#include <cstring>

#include "runtime/convert.h"

namespace runtime {
namespace {

constexpr unsigned char FullWidthFormsLead = 0xA3;  // "！" ... "～"
constexpr unsigned char SymbolsLead = 0xA1;
constexpr unsigned char IdeographicSpaceTrail = 0xA1;
constexpr unsigned char WaveDashTrail = 0xAB;
constexpr unsigned char WhiteStarTrail = 0xEE;
constexpr unsigned char BlackStarTrail = 0xEF;
constexpr unsigned char FullWidthFirstTrail = 0xA1;
constexpr unsigned char FullWidthOffset = 0x80;

// The single byte a full-width pair folds to, or 0 when it stays a pair.
char FoldedPair(unsigned char lead, unsigned char trail) {
    if (lead == FullWidthFormsLead && trail >= FullWidthFirstTrail && trail != 0xFF) {
        return char(trail - FullWidthOffset);
    }
    if (lead == SymbolsLead) {
        if (trail == IdeographicSpaceTrail) return ' ';
        if (trail == WaveDashTrail) return '~';
        if (trail == WhiteStarTrail || trail == BlackStarTrail) return '*';
    }
    return 0;
}

bool IsParseSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsExponentMarker(char c) {
    return c == 'e' || c == 'E' || c == 'd' || c == 'D';
}

size_t SkipDigits(std::string_view text, size_t pos) {
    while (pos < text.size() && IsDigit(text[pos])) ++pos;
    return pos;
}

// The "C" locale, so that the decimal point is "." whatever locale the
// windowing toolkit has selected for the process.
locale_t ClassicLocale() {
    static locale_t locale = newlocale(LC_ALL_MASK, "C", locale_t(0));
    return locale;
}

// Converts a token already checked against the number syntax; the exponent
// marker is "e" by then. Overflow gives an infinity, underflow a (signed) 0.
double ConvertToken(const std::string& token) {
    return strtod_l(token.c_str(), nullptr, ClassicLocale());
}

double NumberFromText(const char* text) {
    if (text == nullptr) return 0.0;
    return ParseNumber(FoldFullWidth(text));
}

}  // namespace

std::string FoldFullWidth(std::string_view gbk, bool removeSpaces) {
    std::string folded;
    folded.reserve(gbk.size());
    for (size_t i = 0; i < gbk.size() && gbk[i] != '\0'; ++i) {
        auto lead = static_cast<unsigned char>(gbk[i]);
        if (lead < 0x80) {
            if (!(removeSpaces && lead == ' ')) folded += char(lead);
            continue;
        }
        if (i + 1 >= gbk.size() || gbk[i + 1] == '\0') break;
        auto trail = static_cast<unsigned char>(gbk[++i]);
        if (char single = FoldedPair(lead, trail)) {
            if (!(removeSpaces && single == ' ')) folded += single;
        } else {
            folded += char(lead);
            folded += char(trail);
        }
    }
    return folded;
}

double ParseNumber(std::string_view text) {
    size_t pos = 0;
    while (pos < text.size() && IsParseSpace(text[pos])) ++pos;
    size_t start = pos;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) ++pos;
    size_t integerEnd = SkipDigits(text, pos);
    bool hasDigits = integerEnd > pos;
    pos = integerEnd;
    if (pos < text.size() && text[pos] == '.') {
        size_t fractionEnd = SkipDigits(text, pos + 1);
        hasDigits = hasDigits || fractionEnd > pos + 1;
        pos = fractionEnd;
    }
    if (!hasDigits) return 0.0;
    std::string token(text.substr(start, pos - start));
    if (pos < text.size() && IsExponentMarker(text[pos])) {
        size_t exponent = pos + 1;
        if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-')) {
            ++exponent;
        }
        size_t exponentEnd = SkipDigits(text, exponent);
        if (exponentEnd > exponent) {
            token += 'e';
            token.append(text.substr(pos + 1, exponentEnd - pos - 1));
        }
    }
    return ConvertToken(token);
}

std::optional<double> NumericValue(const TaggedValue& value) {
    switch (TypeOf(value)) {
        case ValueType::Byte:
            return double(value.low & 0xFFu);
        case ValueType::Short:
            return double(int16_t(value.low));
        case ValueType::Int:
            return double(int32_t(value.low));
        case ValueType::Long:
            return double(int64_t(PayloadOf(value)));
        case ValueType::Float: {
            float single;
            std::memcpy(&single, &value.low, sizeof single);
            return double(single);
        }
        case ValueType::Double:
            return AsDouble(value);
        default:
            return std::nullopt;
    }
}

// Text is parsed, Bool and SubroutinePtr give their word as an integer,
// numeric types convert exactly, everything else gives 0.
void TextToNumber(TaggedValue* result, int32_t argCount, const TaggedValue* args) {
    double number = 0.0;
    if (argCount >= 1) {
        const TaggedValue& arg = args[0];
        if (IsText(arg)) {
            number = NumberFromText(AsText(arg));
        } else if (TypeOf(arg) == ValueType::Bool) {
            number = double(int32_t(arg.low));
        } else if (TypeOf(arg) == ValueType::SubroutinePtr) {
            number = double(arg.low);
        } else {
            number = NumericValue(arg).value_or(0.0);
        }
    }
    SetResultPayload(*result, DoubleBits(number));
}

}  // namespace runtime
