#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>

#include "runtime/convert.h"
#include "runtime/heap.h"

namespace runtime {
namespace {

// "%.13g" and "%.6g": significant digits of the two general formats.
constexpr int DoubleSignificantDigits = 13;
constexpr int FloatSignificantDigits = 6;
// Plain notation for decimal exponents in [-4, precision), as printf does.
constexpr int LowestPlainExponent = -4;
constexpr int MinExponentDigits = 3;
// The bias added after scaling, so that 1.005 at 2 decimals gives 1.01.
constexpr double RoundingBias = 1e-12;
// Enough scientific digits to write every float exactly: the longest exact
// expansion (of the smallest subnormal) has 105 significant digits.
constexpr int ExactFloatDigits = 120;
// No shown digit of a double lies beyond the 340th decimal place (the last
// of 13 significant digits of the smallest subnormal is the 336th), so a
// larger decimals count would only add zeros; capping it keeps texts small.
constexpr int32_t MaxDecimals = 340;
constexpr size_t ThousandsGroup = 3;
// The largest power of ten a double holds exactly.
constexpr int32_t MaxExactPowerOfTen = 22;
// Counts of units of the last decimal with at most 13 digits.
constexpr double MaxShortUnits = 1e13;
constexpr int MaxUnitDigits = 20;

// A finite non-zero double as significant digits and a decimal exponent:
// value = 0.d1d2d3... x 10^(exponent + 1), trailing zeros removed.
struct DecimalDigits {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

// Decomposes the scientific form, rounded to nearest from the binary value.
// std::to_chars writes it the same under every process locale; the windowing
// toolkit selects the user's locale at start-up, and printf would then write
// a decimal comma.
DecimalDigits Decompose(double value, int significantDigits) {
    char buffer[ExactFloatDigits + 16];
    std::to_chars_result written = std::to_chars(
        buffer, std::end(buffer), value, std::chars_format::scientific, significantDigits - 1);
    std::string_view text(buffer, size_t(written.ptr - buffer));
    DecimalDigits result;
    result.negative = text.front() == '-';
    if (result.negative) text.remove_prefix(1);
    size_t marker = text.find('e');
    for (char c : text.substr(0, marker)) {
        if (c != '.') result.digits += c;
    }
    std::string_view exponent = text.substr(marker + 1);
    if (exponent.front() == '+') exponent.remove_prefix(1);
    std::from_chars(exponent.data(), exponent.data() + exponent.size(), result.exponent);
    while (result.digits.size() > 1 && result.digits.back() == '0') result.digits.pop_back();
    return result;
}

std::string PlainNotation(const DecimalDigits& d) {
    std::string text = d.negative ? "-" : "";
    if (d.exponent < 0) {
        text += "0.";
        text.append(size_t(-d.exponent - 1), '0');
        text += d.digits;
        return text;
    }
    size_t integerDigits = size_t(d.exponent) + 1;
    if (d.digits.size() <= integerDigits) {
        text += d.digits;
        text.append(integerDigits - d.digits.size(), '0');
        return text;
    }
    text.append(d.digits, 0, integerDigits);
    text += '.';
    text.append(d.digits, integerDigits);
    return text;
}

std::string ExponentNotation(const DecimalDigits& d) {
    std::string text = d.negative ? "-" : "";
    text += d.digits.front();
    if (d.digits.size() > 1) {
        text += '.';
        text.append(d.digits, 1);
    }
    text += d.exponent < 0 ? "e-" : "e+";
    std::string exponent = std::to_string(std::abs(d.exponent));
    if (exponent.size() < size_t(MinExponentDigits)) {
        text.append(size_t(MinExponentDigits) - exponent.size(), '0');
    }
    return text + exponent;
}

std::string NonFiniteText(double value) {
    if (std::isnan(value)) return "nan";
    return value < 0 ? "-inf" : "inf";
}

// printf's "%.Ng" with the program's exponent form; zero (also -0) is "0".
std::string FormatGeneral(double value, int significantDigits) {
    if (!std::isfinite(value)) return NonFiniteText(value);
    if (value == 0) return "0";
    DecimalDigits d = Decompose(value, significantDigits);
    if (d.exponent >= LowestPlainExponent && d.exponent < significantDigits) {
        return PlainNotation(d);
    }
    return ExponentNotation(d);
}

// The same significant digits as FormatG13, always in plain notation.
std::string FormatPlainG13(double value) {
    if (value == 0) return "0";
    return PlainNotation(Decompose(value, DoubleSignificantDigits));
}

// Rounds half away from zero to six significant digits and returns the
// double nearest to that decimal number.
double RoundToSixDigits(double value) {
    if (!std::isfinite(value) || value == 0) return value;
    DecimalDigits exact = Decompose(value, ExactFloatDigits);
    std::string digits = exact.digits;
    digits.resize(ExactFloatDigits, '0');
    bool roundUp = digits[FloatSignificantDigits] >= '5';
    digits.resize(FloatSignificantDigits);
    int exponent = exact.exponent;
    if (roundUp) {
        int i = FloatSignificantDigits - 1;
        while (i >= 0 && digits[size_t(i)] == '9') digits[size_t(i--)] = '0';
        if (i >= 0) {
            ++digits[size_t(i)];
        } else {
            digits.insert(digits.begin(), '1');
            digits.pop_back();
            ++exponent;
        }
    }
    std::string text = digits + "e" + std::to_string(exponent - (FloatSignificantDigits - 1));
    double rounded = 0;
    std::from_chars(text.data(), text.data() + text.size(), rounded);
    return exact.negative ? -rounded : rounded;
}

void PadDecimals(std::string& text, int32_t decimals) {
    size_t point = text.find('.');
    if (point == std::string::npos) {
        text += '.';
        text.append(size_t(decimals), '0');
        return;
    }
    size_t present = text.size() - point - 1;
    if (present < size_t(decimals)) text.append(size_t(decimals) - present, '0');
}

void InsertThousandsSeparators(std::string& text) {
    size_t firstDigit = !text.empty() && text.front() == '-' ? 1 : 0;
    bool plainNumber = std::all_of(text.begin() + long(firstDigit), text.end(),
                                   [](char c) { return (c >= '0' && c <= '9') || c == '.'; });
    if (!plainNumber) return;
    size_t point = std::min(text.find('.'), text.size());
    for (size_t pos = point; pos > firstDigit + ThousandsGroup; pos -= ThousandsGroup) {
        text.insert(pos - ThousandsGroup, 1, ',');
    }
}

// 10^0 to 10^22, each exact, as std::pow gives them; looked up, since the
// batch formats every result with a small decimals count.
constexpr std::array<double, MaxExactPowerOfTen + 1> ExactPowersOfTen = [] {
    std::array<double, MaxExactPowerOfTen + 1> powers{};
    double power = 1;
    for (double& p : powers) {
        p = power;
        power *= 10;
    }
    return powers;
}();

double PowerOfTen(double exponent) {
    if (exponent >= 0 && exponent <= MaxExactPowerOfTen) {
        return ExactPowersOfTen[size_t(exponent)];
    }
    return std::pow(10.0, exponent);
}

// Rounds a non-negative scaled value half up, after the rounding bias.
double RoundHalfUp(double scaled) {
    double whole;
    double fraction = std::modf(scaled + RoundingBias, &whole);
    return fraction >= 0.5 ? whole + 1 : whole;
}

// A count of units of the last decimal as text with that many decimals.
std::string UnitsText(bool negative, uint64_t units, int32_t decimals) {
    char buffer[MaxUnitDigits + 1];
    std::string_view digits(buffer,
                            size_t(std::to_chars(buffer, std::end(buffer), units).ptr - buffer));
    size_t fractionDigits = size_t(decimals);
    std::string text = negative ? "-" : "";
    if (digits.size() <= fractionDigits) {
        text += '0';
        if (fractionDigits > 0) text += '.';
        text.append(fractionDigits - digits.size(), '0');
        text += digits;
        return text;
    }
    text += digits.substr(0, digits.size() - fractionDigits);
    if (fractionDigits > 0) {
        text += '.';
        text += digits.substr(digits.size() - fractionDigits);
    }
    return text;
}

// The fixed-decimals text of a value that rounds to at most 13 significant
// digits, written straight from its count of units of the last decimal.
// Such a rounded value is the double nearest to that decimal number, so its
// 13 significant digits are the count's own digits: the text is the one the
// general path writes, at a fraction of the cost (the batch formats 18 of
// them a row). Other values take the general path.
std::optional<std::string> ShortFixedText(double value, int32_t decimals) {
    if (decimals < 0 || decimals > MaxExactPowerOfTen || !std::isfinite(value)) return std::nullopt;
    double units = RoundHalfUp(std::fabs(value) * PowerOfTen(decimals));
    if (!(units < MaxShortUnits)) return std::nullopt;
    return UnitsText(value < 0 && units != 0, uint64_t(units), decimals);
}

std::optional<double> NumberArgument(int32_t argCount, const TaggedValue* args) {
    if (argCount < 1) return std::nullopt;
    return NumericValue(args[0]);
}

}  // namespace

double RoundToDecimals(double x, int32_t decimals) {
    if (x == 0 || std::isnan(x)) return x;
    bool negative = x < 0;
    double a = std::fabs(x);
    double r;
    if (decimals >= 0) {
        double m = PowerOfTen(decimals);
        double scaled = a * m;
        // Beyond the double range there is no digit left to round.
        if (!std::isfinite(scaled)) return x;
        r = RoundHalfUp(scaled) / m;
    } else {
        double m = PowerOfTen(-double(decimals));
        // Rounding to a power of ten beyond the double range leaves 0.
        if (std::isinf(m)) return negative ? -0.0 : 0.0;
        r = RoundHalfUp(a / m) * m;
    }
    return negative ? -r : r;
}

std::string FormatG13(double value) {
    return FormatGeneral(value, DoubleSignificantDigits);
}

std::string FormatG6(float value) {
    return FormatGeneral(RoundToSixDigits(double(value)), FloatSignificantDigits);
}

std::string FormatFixedDecimals(double value, int32_t decimals, bool thousandsSeparators) {
    int32_t n = std::clamp(decimals, -MaxDecimals, MaxDecimals);
    if (std::optional<std::string> text = ShortFixedText(value, n)) {
        if (thousandsSeparators) InsertThousandsSeparators(*text);
        return *text;
    }
    double rounded = RoundToDecimals(value, n);
    if (!std::isfinite(rounded)) return NonFiniteText(rounded);
    std::string text = FormatPlainG13(rounded);
    if (n > 0) PadDecimals(text, n);
    if (thousandsSeparators) InsertThousandsSeparators(text);
    return text;
}

void NumberToFormattedText(TaggedValue* result, int32_t argCount, const TaggedValue* args) {
    std::optional<double> value = NumberArgument(argCount, args);
    if (!value) return;
    bool hasDecimals = argCount >= 2 && !IsOmitted(args[1]);
    bool separators = argCount >= 3 && args[2].low == 1;
    std::string text;
    if (hasDecimals) {
        text = FormatFixedDecimals(*value, AsInt(args[1]), separators);
    } else {
        text = FormatG13(*value);
        if (separators) InsertThousandsSeparators(text);
    }
    SetResultPayload(*result, PointerBits(MakeHeapText(text)));
}

}  // namespace runtime
