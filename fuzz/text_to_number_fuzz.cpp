// Any bytes, including broken GBK, as a typed text: folding the full-width
// forms and parsing the number must never crash, and must agree with itself.
//
// Properties checked on every input:
//  - TextToNumber, called through CallCommand with the bytes as a heap text,
//    gives exactly (bit for bit) ParseNumber(FoldFullWidth(text)), never a
//    NaN, and neither allocates nor frees a heap block;
//  - FoldFullWidth is idempotent in both modes, never lengthens its input,
//    and removing spaces after folding equals folding with space removal;
//  - leading white space does not change the parsed number, and a minus
//    sign in front of a text that starts with an unsigned number negates it
//    to the bit (so "-0" is a negative zero);
//  - the text FormatG13 writes for a double (the parse result, and the
//    first 8 input bytes read as a double) parses back to that double
//    rounded to 13 significant digits, i.e. exactly to the double when it
//    has at most 13 significant digits; written in full-width forms it
//    gives the same number through TextToNumber.

#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "fuzz/shown_digits.h"
#include "runtime/convert.h"
#include "runtime/heap.h"
#include "runtime/services.h"
#include "runtime/values.h"

namespace {

using fuzz::Check;
using fuzz::RoundedToShownDigits;

constexpr unsigned char kFullWidthLead = 0xA3;
constexpr unsigned char kFullWidthShift = 0x80;

bool SameBits(double a, double b) {
    return runtime::DoubleBits(a) == runtime::DoubleBits(b);
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Whether the text starts with the digits of an unsigned number: a digit, or
// a point followed by one.
bool StartsWithUnsignedNumber(std::string_view text) {
    if (text.empty()) return false;
    if (IsDigit(text[0])) return true;
    return text[0] == '.' && text.size() > 1 && IsDigit(text[1]);
}

// TextToNumber as the engine calls it: the text on the runtime heap, the
// command reached through CallCommand, the text freed afterwards.
double TextToNumberThroughCommand(std::string_view text) {
    char* heapText = runtime::MakeHeapText(text);
    const runtime::TaggedValue argument = runtime::MakeText(heapText);
    const runtime::HeapCounters before = runtime::CurrentHeapCounters();
    const runtime::TaggedValue result = runtime::CallCommand(runtime::TextToNumber, 1, &argument);
    const runtime::HeapCounters after = runtime::CurrentHeapCounters();
    Check(after.allocations == before.allocations && after.frees == before.frees,
          "TextToNumber neither allocates nor frees heap blocks");
    runtime::FreeMemory(heapText);
    return runtime::AsDouble(result);
}

// The same text in the GBK full-width forms that a Chinese input method types.
std::string ToFullWidth(std::string_view ascii) {
    std::string wide;
    for (char c : ascii) {
        wide += char(kFullWidthLead);
        wide += char(static_cast<unsigned char>(c) + kFullWidthShift);
    }
    return wide;
}

void CheckFolding(std::string_view text) {
    const std::string folded = runtime::FoldFullWidth(text);
    const std::string compact = runtime::FoldFullWidth(text, true);
    Check(folded.size() <= text.size(), "folding never lengthens a text");
    Check(runtime::FoldFullWidth(folded) == folded, "folding is idempotent");
    Check(runtime::FoldFullWidth(compact, true) == compact,
          "folding with space removal is idempotent");
    Check(runtime::FoldFullWidth(folded, true) == compact,
          "removing spaces after folding equals folding with space removal");
}

void CheckParsing(std::string_view text, double parsed) {
    const std::string folded = runtime::FoldFullWidth(text);
    Check(SameBits(parsed, runtime::ParseNumber(folded)),
          "TextToNumber equals ParseNumber of the folded text");
    Check(!std::isnan(parsed), "a typed text never parses to NaN");
    Check(SameBits(runtime::ParseNumber(" \t" + folded), parsed),
          "leading white space does not change the number");
    if (StartsWithUnsignedNumber(folded)) {
        Check(SameBits(runtime::ParseNumber("-" + folded), -parsed),
              "a leading minus negates the number");
    }
}

void CheckFormatRoundTrip(double value) {
    if (!std::isfinite(value)) return;
    const std::string text = runtime::FormatG13(value);
    const double expected = RoundedToShownDigits(value);
    Check(SameBits(runtime::ParseNumber(text), expected) || (value == 0 && expected == 0),
          "FormatG13 text parses back to the value rounded to 13 significant digits");
    Check(SameBits(TextToNumberThroughCommand(ToFullWidth(text)), runtime::ParseNumber(text)),
          "the full-width text parses like the ASCII text");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    // A heap text ends at its first zero byte, so the command sees that part.
    const std::string_view text = bytes.substr(0, bytes.find('\0'));
    const runtime::HeapCounters start = runtime::CurrentHeapCounters();

    CheckFolding(bytes);
    const double parsed = TextToNumberThroughCommand(text);
    CheckParsing(text, parsed);
    CheckFormatRoundTrip(parsed);
    if (size >= sizeof(double)) {
        double raw;
        std::memcpy(&raw, data, sizeof raw);
        CheckFormatRoundTrip(raw);
    }

    const runtime::HeapCounters end = runtime::CurrentHeapCounters();
    Check(end.allocations - start.allocations == end.frees - start.frees,
          "every heap text is freed exactly once");
    return 0;
}
