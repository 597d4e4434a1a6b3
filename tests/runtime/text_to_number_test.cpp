#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

#include "command_test_support.h"
#include "runtime/convert.h"

namespace runtime {
namespace {

using testing::CallForDouble;

struct ParseRow {
    const char* name;
    std::string text;
    double expected;
};

class TextToNumberTest : public testing::HeapCheckedTest {};

TEST_F(TextToNumberTest, TextsFollowTheNumberSyntax) {
    const double inf = std::numeric_limits<double>::infinity();
    const ParseRow rows[] = {
        {"leading blanks, exponent, trailing junk", "  -1.5e3abc", -1500},
        {"full-width digits", "\xA3\xB1\xA3\xB2\xA3\xAE\xA3\xB5", 12.5},
        {"d as exponent marker", "1d2", 100},
        {"D as exponent marker", "1D-1", 0.1},
        {"fraction only", ".5", 0.5},
        {"digits before a bare point", "5.", 5},
        {"empty", "", 0},
        {"letters", "abc", 0},
        {"degree sign ends the number", "12.5\xA1\xE6", 12.5},
        {"comma ends the number", "12,5", 12},
        {"space ends the number", "12 5", 12},
        {"all white-space kinds skipped", " \t\n\v\f\r7", 7},
        {"plus sign", "+3", 3},
        {"sign without digits", "-", 0},
        {"point without digits", "-.e5", 0},
        {"exponent marker without digits is not part", "2e", 2},
        {"exponent sign without digits", "2e+x", 2},
        {"full-width minus and E", "\xA3\xAD\xA3\xB2\xA3\xC5\xA3\xB3", -2000},
        {"ideographic space is white space",
         "\xA1\xA1"
         "8",
         8},
        {"broken lead byte at the end", "4\xA3", 4},
        {"overflow is infinity", "1e400", inf},
        {"negative overflow", "-1e400", -inf},
        {"nan is not a number", "nan", 0},
        {"inf is not a number", "inf", 0},
        {"hexadecimal is not read", "0x10", 0},
        {"double sign", "--1", 0},
    };
    for (const ParseRow& row : rows) {
        EXPECT_EQ(CallForDouble(TextToNumber, {MakeText(row.text.c_str())}), row.expected)
            << row.name;
    }
}

TEST_F(TextToNumberTest, UnderflowKeepsTheSign) {
    double tiny = CallForDouble(TextToNumber, {MakeText("-1e-400")});
    EXPECT_EQ(tiny, 0.0);
    EXPECT_TRUE(std::signbit(tiny));
}

TEST_F(TextToNumberTest, LongTextsAreReadWhole) {
    std::string digits(10000, '9');
    EXPECT_EQ(CallForDouble(TextToNumber, {MakeText(digits.c_str())}),
              std::numeric_limits<double>::infinity());
    std::string fraction = "0." + std::string(9998, '0');
    fraction.back() = '1';
    EXPECT_EQ(CallForDouble(TextToNumber, {MakeText(fraction.c_str())}), 0.0);
    std::string blanks = std::string(10000, ' ') + "3";
    EXPECT_EQ(CallForDouble(TextToNumber, {MakeText(blanks.c_str())}), 3.0);
    std::string leads(10000, '\xA3');
    EXPECT_EQ(CallForDouble(TextToNumber, {MakeText(leads.c_str())}), 0.0);
}

TEST_F(TextToNumberTest, NonTextArgumentsConvertByType) {
    float quarter = 0.25f;
    uint32_t quarterBits;
    std::memcpy(&quarterBits, &quarter, sizeof quarterBits);
    struct Row {
        const char* name;
        TaggedValue value;
        double expected;
    };
    const Row rows[] = {
        {"Byte is unsigned", {0xFFFFFF80, 0, uint32_t(ValueType::Byte)}, 128},
        {"Short is signed", {0x0000FFFF, 0, uint32_t(ValueType::Short)}, -1},
        {"Int is signed", MakeInt(-42), -42},
        {"Long uses both words", {0, 1, uint32_t(ValueType::Long)}, 4294967296.0},
        {"Float", {quarterBits, 0, uint32_t(ValueType::Float)}, 0.25},
        {"Double", MakeDouble(-2.5), -2.5},
        {"Bool true", MakeBool(true), 1},
        {"Bool word as signed", {0xFFFFFFFF, 0, uint32_t(ValueType::Bool)}, -1},
        {"SubroutinePtr as unsigned",
         {0xFFFFFFFF, 0, uint32_t(ValueType::SubroutinePtr)},
         4294967295.0},
        {"DateTime gives 0", MakeDateTime(42000.5), 0},
        {"WindowRef gives 0", MakeWindowRef(0x52010001), 0},
        {"Omitted gives 0", MakeOmitted(), 0},
        {"null text gives 0", MakeText(nullptr), 0},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(CallForDouble(TextToNumber, {row.value}), row.expected) << row.name;
    }
}

}  // namespace
}  // namespace runtime
