// Any double (every bit pattern, NaNs and infinities included), any decimals
// count and both separator settings through NumberToFormattedText, called as
// the engine calls it.
//
// Input fields, front to back: the double's 8 bytes; a decimals byte (0-15
// gives decimals -5 ... 10, 0xFF leaves the argument out, any other value
// takes the decimals from the next 4 bytes, so every int32 is reached); a
// separators byte (odd = on).
//
// Properties checked, with r = RoundToDecimals(value, n) and n the decimals
// count clamped to the formatter's cap:
//  - the command allocates exactly one heap text, equal to
//    FormatFixedDecimals (or, without decimals, FormatG13 with separators);
//    freeing it balances the heap counters;
//  - a finite value gives a finite text ("inf", "-inf", "nan" only for a
//    value that is itself infinite or NaN);
//  - the text is an optional "-", an integer part without leading zeros,
//    and, when n > 0, a point followed by exactly n digits (at least n
//    when n > 308, where 10^n is no double and the value stays unrounded);
//    no point when n <= 0; never a minus sign in front of a zero;
//  - separators: with them on, the integer part is groups of three digits
//    after a first group of one to three, joined by ","; no "," anywhere
//    else, and none at all with them off;
//  - value: the text with its commas removed parses (ParseNumber) to
//    exactly the double nearest to r rounded to 13 significant digits, as
//    printf("%.12e") and strtod compute it;
//  - rounding: |r - value| is at most half a unit of the last kept decimal
//    (plus the rounding bias and the double's own precision);
//  - symmetry: the text of -value is the text of value with the sign
//    flipped, a zero text staying unsigned.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/shown_digits.h"
#include "runtime/convert.h"
#include "runtime/heap.h"
#include "runtime/services.h"
#include "runtime/values.h"

namespace {

using fuzz::Check;

constexpr uint8_t kSmallDecimalsCount = 16;
constexpr int32_t kLowestSmallDecimals = -5;
constexpr uint8_t kOmittedDecimals = 0xFF;
// FormatFixedDecimals writes at most this many decimals; more would only be
// zeros.
constexpr int32_t kDecimalsCap = 340;
// Beyond this many decimals 10^n is no double, and RoundToDecimals leaves
// the value unrounded: a tiny value may then show digits past the n-th
// decimal (nothing is cut off), so only "at least n decimals" holds there.
constexpr int32_t kLargestScalableDecimals = 308;
constexpr size_t kGroupSize = 3;
// RoundToDecimals adds this to the scaled value before cutting it.
constexpr long double kRoundingBias = 1e-12L;
// Slack for the scaling and unscaling divisions, in units of the last kept
// decimal, and the relative precision of a double.
constexpr long double kScalingSlack = 1e-9L;
constexpr long double kDoubleEpsilon = 0x1p-51L;

struct FormatRequest {
    double value = 0;
    bool hasDecimals = true;
    int32_t decimals = 0;
    bool separators = false;
};

FormatRequest ReadRequest(fuzz::InputReader& in) {
    FormatRequest request;
    request.value = runtime::BitsToDouble(in.Take<uint64_t>());
    const auto selector = in.Take<uint8_t>();
    const auto separators = in.Take<uint8_t>();
    if (selector < kSmallDecimalsCount) {
        request.decimals = kLowestSmallDecimals + selector;
    } else if (selector == kOmittedDecimals) {
        request.hasDecimals = false;
    } else {
        request.decimals = in.Take<int32_t>();
    }
    request.separators = (separators & 1) != 0;
    return request;
}

// NumberToFormattedText through CallCommand, with the heap accounting of
// the one text it hands over.
std::string FormatThroughCommand(const FormatRequest& request) {
    const runtime::TaggedValue args[] = {
        runtime::MakeDouble(request.value),
        request.hasDecimals ? runtime::MakeInt(request.decimals) : runtime::MakeOmitted(),
        runtime::MakeBool(request.separators),
    };
    const runtime::HeapCounters before = runtime::CurrentHeapCounters();
    const runtime::TaggedValue result =
        runtime::CallCommand(runtime::NumberToFormattedText, 3, args);
    const runtime::HeapCounters made = runtime::CurrentHeapCounters();
    Check(made.allocations == before.allocations + 1 && made.frees == before.frees,
          "the command allocates exactly one text");
    const char* heapText = runtime::AsText(result);
    Check(heapText != nullptr, "a formatted number is never the empty text");
    std::string text(heapText);
    runtime::FreeMemory(const_cast<char*>(heapText));
    const runtime::HeapCounters freed = runtime::CurrentHeapCounters();
    Check(freed.allocations - before.allocations == freed.frees - before.frees,
          "the text is freed exactly once");
    return text;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool AllDigits(std::string_view text) {
    return std::all_of(text.begin(), text.end(), IsDigit);
}

std::string WithoutCommas(std::string_view text) {
    std::string plain(text);
    std::erase(plain, ',');
    return plain;
}

bool IsNonFiniteText(std::string_view text) {
    return text == "inf" || text == "-inf" || text == "nan";
}

// Whether an integer part is digits in groups of three after a first group
// of one to three, joined by commas.
bool IsGrouped(std::string_view integer) {
    const size_t firstComma = std::min(integer.find(','), integer.size());
    if (firstComma == 0 || firstComma > kGroupSize) return false;
    if (!AllDigits(integer.substr(0, firstComma))) return false;
    for (size_t at = firstComma; at < integer.size(); at += kGroupSize + 1) {
        if (integer[at] != ',' || integer.size() - at - 1 < kGroupSize) return false;
        if (!AllDigits(integer.substr(at + 1, kGroupSize))) return false;
    }
    return true;
}

bool IsZeroText(std::string_view text) {
    return std::none_of(text.begin(), text.end(), [](char c) { return c >= '1' && c <= '9'; });
}

void CheckShape(std::string_view text, int32_t decimals, bool separators) {
    const bool negative = !text.empty() && text.front() == '-';
    const std::string_view unsigned_ = text.substr(negative ? 1 : 0);
    Check(!(negative && IsZeroText(unsigned_)), "no minus sign in front of a zero");
    const size_t point = unsigned_.find('.');
    const std::string_view integer = unsigned_.substr(0, point);
    if (decimals > 0) {
        Check(point != std::string_view::npos, "a point when decimals > 0");
        const std::string_view fraction = unsigned_.substr(point + 1);
        Check(AllDigits(fraction), "only digits after the point");
        Check(decimals > kLargestScalableDecimals ? fraction.size() >= size_t(decimals)
                                                  : fraction.size() == size_t(decimals),
              "exactly `decimals` digits after the point");
    } else {
        Check(point == std::string_view::npos, "no point when decimals <= 0");
    }
    Check(separators ? IsGrouped(integer) : (!integer.empty() && AllDigits(integer)),
          "separators group the integer part by three and appear nowhere else");
    const std::string digits = WithoutCommas(integer);
    Check(digits == "0" || digits.front() != '0', "no leading zeros");
}

void CheckValue(std::string_view text, double rounded) {
    const double parsed = runtime::ParseNumber(WithoutCommas(text));
    Check(parsed == fuzz::RoundedToShownDigits(rounded),
          "the text shows the rounded value to 13 significant digits");
}

void CheckRounding(double value, double rounded, int32_t decimals) {
    if (!std::isfinite(rounded)) return;
    const long double unit = std::pow(10.0L, -(long double)decimals);
    const long double error = std::fabs((long double)rounded - (long double)value);
    const long double allowed = (0.5L + kRoundingBias + kScalingSlack) * unit +
                                std::fabs((long double)value) * kDoubleEpsilon;
    Check(error <= allowed, "rounding moves the value by at most half a unit of the last decimal");
}

std::string FlipSign(std::string_view text) {
    if (!text.empty() && text.front() == '-') return std::string(text.substr(1));
    if (text == "nan" || IsZeroText(text)) return std::string(text);
    return "-" + std::string(text);
}

void CheckFixedDecimals(const FormatRequest& request, std::string_view text) {
    const int32_t n = std::clamp(request.decimals, -kDecimalsCap, kDecimalsCap);
    Check(text == runtime::FormatFixedDecimals(request.value, request.decimals, request.separators),
          "the command writes FormatFixedDecimals");
    const double rounded = runtime::RoundToDecimals(request.value, n);
    if (std::isfinite(request.value)) {
        Check(!IsNonFiniteText(text), "a finite value gives a finite text");
    }
    if (IsNonFiniteText(text)) return;
    CheckShape(text, n, request.separators);
    CheckValue(text, rounded);
    CheckRounding(request.value, rounded, n);
    if (!std::isnan(request.value)) {
        Check(runtime::FormatFixedDecimals(-request.value, request.decimals, request.separators) ==
                  FlipSign(text),
              "the text of -value is the text of value with the sign flipped");
    }
}

void CheckGeneralFormat(const FormatRequest& request, std::string_view text) {
    const std::string general = runtime::FormatG13(request.value);
    Check(WithoutCommas(text) == general, "without decimals the text is FormatG13");
    const bool plain = general.find_first_of("en") == std::string::npos;
    if (!request.separators || !plain) {
        Check(text == general, "separators only in plain notation");
        return;
    }
    const bool negative = general.front() == '-';
    const std::string_view unsigned_ = text.substr(negative ? 1 : 0);
    const std::string_view integer = unsigned_.substr(0, unsigned_.find('.'));
    Check(IsGrouped(integer), "separators group the integer part by three");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::InputReader in(data, size);
    const FormatRequest request = ReadRequest(in);
    const std::string text = FormatThroughCommand(request);
    if (request.hasDecimals) {
        CheckFixedDecimals(request, text);
    } else {
        CheckGeneralFormat(request, text);
    }
    return 0;
}
