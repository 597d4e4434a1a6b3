#include <gtest/gtest.h>

#include <cstring>
#include <limits>

#include "command_test_support.h"
#include "runtime/convert.h"
#include "runtime/datetime.h"

namespace runtime {
namespace {

using testing::CallForText;
using testing::Gbk;

struct G13Row {
    const char* name;
    double value;
    const char* expected;
};

TEST(FormatG13, ThirteenSignificantDigitsWithThreeDigitExponents) {
    const G13Row rows[] = {
        {"tenth", 0.1, "0.1"},
        {"third", 1.0 / 3, "0.3333333333333"},
        {"ten to the fifteenth", 1e15, "1e+015"},
        {"negative zero", -0.0, "0"},
        {"integer", 100, "100"},
        {"smallest plain exponent", 0.0001, "0.0001"},
        {"below it", 0.00001, "1e-005"},
        {"mantissa with digits", 0.000025, "2.5e-005"},
        {"largest plain", 9999999999999.0, "9999999999999"},
        {"rounding carries into the exponent", 9999999999999.5, "1e+013"},
        {"negative", -1234.5678, "-1234.5678"},
        {"three exponent digits kept", 1e-300, "1e-300"},
        {"smallest subnormal", std::numeric_limits<double>::denorm_min(), "4.940656458412e-324"},
        {"largest double", std::numeric_limits<double>::max(), "1.797693134862e+308"},
        {"infinity", std::numeric_limits<double>::infinity(), "inf"},
        {"negative infinity", -std::numeric_limits<double>::infinity(), "-inf"},
        {"not a number", std::numeric_limits<double>::quiet_NaN(), "nan"},
    };
    for (const G13Row& row : rows) {
        EXPECT_EQ(FormatG13(row.value), row.expected) << row.name;
    }
}

TEST(FormatG6, FloatsAreRoundedToSixDigitsFirst) {
    EXPECT_EQ(FormatG6(0.1f), "0.1");
    EXPECT_EQ(FormatG6(1.0f / 3), "0.333333");
    EXPECT_EQ(FormatG6(1234565.0f), "1.23457e+006") << "half away from zero, not to even";
    EXPECT_EQ(FormatG6(999999.5f), "1e+006");
    EXPECT_EQ(FormatG6(-2.5f), "-2.5");
    EXPECT_EQ(FormatG6(0.0f), "0");
}

class ValueToTextTest : public testing::HeapCheckedTest {};

TEST_F(ValueToTextTest, EachTypeHasItsText) {
    float tenth = 0.1f;
    uint32_t tenthBits;
    std::memcpy(&tenthBits, &tenth, sizeof tenthBits);
    static const char bytes[] = "ab\0cd";
    void* byteSet = MakeHeapByteSet(bytes, 5);
    void* byteSetWithoutZero = MakeHeapByteSet(bytes, 2);
    struct Row {
        const char* name;
        TaggedValue value;
        std::optional<std::string> expected;
    };
    const Row rows[] = {
        {"Byte", {0xFFFFFFFE, 0, uint32_t(ValueType::Byte)}, "254"},
        {"Short", {0xFFFF8000, 0, uint32_t(ValueType::Short)}, "-32768"},
        {"Int", MakeInt(-7), "-7"},
        {"Long", {0, 0x80000000, uint32_t(ValueType::Long)}, "-9223372036854775808"},
        {"Float", {tenthBits, 0, uint32_t(ValueType::Float)}, "0.1"},
        {"Double", MakeDouble(1e15), "1e+015"},
        {"Text", MakeText("abc"), "abc"},
        {"empty Text", MakeText(StaticEmptyText()), std::nullopt},
        {"Bool true", MakeBool(true), Gbk("真")},
        {"Bool false", MakeBool(false), Gbk("假")},
        {"DateTime", MakeDateTime(ComposeDateTime(2015, 1, 9, 8)), Gbk("2015年1月9日8时")},
        {"ByteSet up to the zero", MakeTagged(ValueType::ByteSet, PointerBits(byteSet)), "ab"},
        {"ByteSet without zero", MakeTagged(ValueType::ByteSet, PointerBits(byteSetWithoutZero)),
         "ab"},
        {"WindowRef", MakeWindowRef(0x52010001), std::nullopt},
        {"Omitted", MakeOmitted(), std::nullopt},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(CallForText(ValueToText, {row.value}), row.expected) << row.name;
    }
    FreeMemory(byteSet);
    FreeMemory(byteSetWithoutZero);
}

TEST_F(ValueToTextTest, LongTextsAreCopiedWhole) {
    std::string longText(10000, 'x');
    EXPECT_EQ(CallForText(ValueToText, {MakeText(longText.c_str())}), longText);
}

}  // namespace
}  // namespace runtime
