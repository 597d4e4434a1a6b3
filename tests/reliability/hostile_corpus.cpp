#include "tests/reliability/hostile_corpus.h"

#include <cstdio>

#include "runtime/gbk.h"

namespace reliability {
namespace {

constexpr size_t kLongLength = 10000;
constexpr size_t kShownBytes = 24;
constexpr unsigned char kFullWidthLead = 0xA3;
constexpr unsigned char kFullWidthOffset = 0x80;
constexpr char kIdeographicSpace[] = "\xA1\xA1";

// Texts written in UTF-8 here and converted to GBK once.
const char* const kUtf8Texts[] = {
    // Empty and blank.
    "",
    " ",
    "     ",
    "\t",
    "　",
    "　　　",
    " \t 　",
    // Letters and words.
    "abc",
    "e",
    "E",
    "d",
    "D",
    "e5",
    "d5",
    "x",
    "one",
    "中文",
    "露点",
    "ppm",
    "℃",
    "%",
    // Signs and punctuation only.
    "+",
    "-",
    "+-",
    "-+",
    "--",
    "++",
    ".",
    "-.",
    "+.",
    "..",
    "-.e",
    "+e5",
    ".e5",
    "-e-5",
    "e+",
    ",",
    "-,",
    "~",
    "*",
    // Numbers that go wrong part of the way.
    "--5",
    "-+5",
    "+-5",
    "1..2",
    "1.2.3",
    "1e",
    "1e+",
    "1e-",
    "1e+-5",
    "1ee5",
    "1e5e5",
    "1e5.5",
    "1,5",
    "12 5",
    "1_000",
    "0x10",
    "0x1p3",
    "010",
    "-0",
    "+0",
    "0.",
    ".0",
    "-.5",
    "+.5",
    "5.",
    "1d2",
    "1D-2",
    "1E+3",
    "  -1.5e3abc",
    "12.5℃",
    // Magnitudes at and beyond the double range, and values where the
    // formulas switch branches or divide by zero.
    "1e400",
    "-1e400",
    "1e-400",
    "-1e-400",
    "1e308",
    "-1e308",
    "1.7976931348623157e308",
    "1.7976931348623159e308",
    "4.9e-324",
    "2e-324",
    "1e-320",
    "99999999999999999999",
    "123456789012345678901234567890",
    "0.000000000000000000001",
    "1e13",
    "1e-5",
    "-273.15",
    "-273.16",
    "-1e-7",
    "1e-7",
    "611.213",
    "-0.1",
    "-1",
    "-1000",
    "-101325",
    "-0.2",
    "100",
    "101325",
    // Words of non-finite numbers, which the parser does not know.
    "nan",
    "NaN",
    "NAN",
    "-nan",
    "inf",
    "-inf",
    "+inf",
    "INF",
    "infinity",
    "Infinity",
    "-Infinity",
    "nan(123)",
    "1#INF",
    "1.#QNAN",
    // Full-width digits and signs, alone and mixed with ASCII.
    "１２．５",
    "－４０",
    "＋１０",
    "１ｅ３",
    "１Ｅ－３",
    "１ｄ２",
    "　５",
    "－．５",
    "１，５",
    "０",
    "－",
    "＋",
    "．",
    "ｅ",
    "１２.５",
    "1２",
    "－1.5ｅ3",
    "-１２.5e+００3",
    "　－１．５ｅ３ａｂｃ",
    "e１０",
    "1e１０",
    "1ｅ10",
    "～5",
    "★5",
    "①",
    "Ⅻ",
    "一二三",
    "十",
    // Control characters.
    "\x01",
    "\x1b",
    "\x7f",
    "\b",
    "\x01"
    "5",
    "5\x01",
    "\n5",
    "\r\n5",
    "\v5",
    "\f5",
    "\t-5\t",
    "5\n6",
    "\x1b[31m5",
    "\r",
    "\n",
    "\x1f"
    "5",
    // Mixtures.
    "+ 5",
    "- 5",
    "5-",
    "5+",
    "℃10",
    "10℃",
    "10%",
    "10 ppm",
    "1/2",
    "10e",
    "10e-",
    "-10e+1x",
};

// Byte sequences that are not valid GBK, written as bytes.
const char* const kInvalidGbk[] = {
    "\x81",
    "\xff",
    "\x80",
    "\xfe",
    "5\x81",
    "\x81"
    "5",
    "\xa3",
    "\xa3"
    "5",
    "\xa3\xff",
    "\xa1\xa1\xff",
    "\x81\x30\x81\x30",
    "\xff\xfe\xfd",
    "-\x80"
    "5",
    "\xa3\xad\xa3",
    "1\xa3",
    "\xa3\xb1\xa3",
    "\x80\x80\x80"
    "7",
};

// Numbers that each get the variants below.
const char* const kSeeds[] = {"0",   "1",   "-1",      "10",  "20",   "-40",     "0.3", "50",
                              "100", "1e3", "-1.5e-3", "2.5", "-0.1", "611.213", ".5",  "1d2"};

// The GBK full-width form of every printable ASCII character of `ascii`
// ("1.5" becomes "１．５"); a space becomes the ideographic space.
std::string FullWidth(const std::string& ascii) {
    std::string gbk;
    for (char c : ascii) {
        if (c == ' ') {
            gbk += kIdeographicSpace;
        } else if (c > ' ' && c < 0x7F) {
            gbk += char(kFullWidthLead);
            gbk += char(static_cast<unsigned char>(c) + kFullWidthOffset);
        } else {
            gbk += c;
        }
    }
    return gbk;
}

std::string Describe(const std::string& gbk) {
    std::string shown;
    for (size_t i = 0; i < gbk.size() && i < kShownBytes; ++i) {
        const unsigned char byte = static_cast<unsigned char>(gbk[i]);
        if (byte >= 0x20 && byte < 0x7F && byte != '\\') {
            shown += char(byte);
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", unsigned(byte));
            shown += escaped;
        }
    }
    if (gbk.size() > kShownBytes) shown += "... (" + std::to_string(gbk.size()) + " bytes)";
    return "\"" + shown + "\"";
}

void Add(std::vector<HostileText>& texts, std::string gbk) {
    texts.push_back({Describe(gbk), std::move(gbk)});
}

std::string Repeated(const std::string& unit, size_t count) {
    std::string text;
    for (size_t i = 0; i < count; ++i) text += unit;
    return text;
}

void AddLongTexts(std::vector<HostileText>& texts) {
    Add(texts, std::string(kLongLength, '9'));
    Add(texts, "1" + std::string(kLongLength - 1, '0'));
    Add(texts, "0." + std::string(kLongLength - 3, '0') + "1");
    Add(texts, std::string(kLongLength - 1, ' ') + "5");
    Add(texts, std::string(kLongLength, 'a'));
    Add(texts, std::string(kLongLength, '-'));
    Add(texts, std::string(kLongLength, '.'));
    Add(texts, "5" + std::string(kLongLength - 1, 'a'));
    Add(texts, "1e" + std::string(kLongLength - 2, '9'));
    Add(texts, "1e-" + std::string(kLongLength - 3, '9'));
    Add(texts, Repeated(runtime::Utf8ToGbk("中"), kLongLength));
    Add(texts, Repeated(FullWidth("1"), kLongLength));
    Add(texts, Repeated(kIdeographicSpace, kLongLength - 1) + "5");
}

void AddSeedVariants(std::vector<HostileText>& texts) {
    for (const char* seed : kSeeds) {
        const std::string number = seed;
        Add(texts, FullWidth(number));
        Add(texts, kIdeographicSpace + number);
        Add(texts, number + runtime::Utf8ToGbk("℃"));
        Add(texts, "\t\r\n" + number);
        Add(texts, number + "abc");
    }
}

std::vector<HostileText> MakeTexts() {
    std::vector<HostileText> texts;
    for (const char* utf8 : kUtf8Texts) Add(texts, runtime::Utf8ToGbk(utf8));
    for (const char* bytes : kInvalidGbk) Add(texts, bytes);
    AddLongTexts(texts);
    AddSeedVariants(texts);
    return texts;
}

}  // namespace

const std::vector<HostileText>& HostileTexts() {
    static const std::vector<HostileText> texts = MakeTexts();
    return texts;
}

}  // namespace reliability
