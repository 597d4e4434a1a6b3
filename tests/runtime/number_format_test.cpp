#include <gtest/gtest.h>

#include <bit>
#include <clocale>
#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "command_test_support.h"
#include "runtime/convert.h"
#include "test_locales.h"

namespace runtime {
namespace {

using testing::CallForText;

struct FormatRow {
    const char* name;
    double value;
    TaggedValue decimals;
    TaggedValue separators;
    const char* expected;
};

class NumberToFormattedTextTest : public testing::HeapCheckedTest {
protected:
    static void Check(const FormatRow& row) {
        std::optional<std::string> text = CallForText(
            NumberToFormattedText, {MakeDouble(row.value), row.decimals, row.separators});
        ASSERT_TRUE(text.has_value()) << row.name;
        EXPECT_EQ(*text, row.expected) << row.name;
    }
};

const TaggedValue Yes = MakeBool(true);
const TaggedValue No = MakeBool(false);
const TaggedValue None = MakeOmitted();

TEST_F(NumberToFormattedTextTest, RoundsPadsAndGroups) {
    const FormatRow rows[] = {
        {"grouped", 1234567.891, MakeInt(2), Yes, "1,234,567.89"},
        {"ungrouped", 1234567.891, MakeInt(2), No, "1234567.89"},
        {"half away from zero", 2.5, MakeInt(0), No, "3"},
        {"negative half away from zero", -2.5, MakeInt(0), No, "-3"},
        {"bias at the half", 0.125, MakeInt(2), No, "0.13"},
        {"padded", 1.5, MakeInt(3), No, "1.500"},
        {"point and zeros appended", 100, MakeInt(2), No, "100.00"},
        {"negative rounding to zero has no sign", -0.0004, MakeInt(3), No, "0.000"},
        {"negative grouped", -1234.5, MakeInt(1), Yes, "-1,234.5"},
        {"no separator before the first digit", 123, MakeInt(0), Yes, "123"},
        {"separator after the first of four digits", -1234, MakeInt(0), Yes, "-1,234"},
        {"negative decimals round to tens", 1234.5, MakeInt(-1), No, "1230"},
        {"negative decimals are not padded", 15, MakeInt(-1), No, "20"},
        {"separator word other than 1 groups nothing",
         1234,
         MakeInt(0),
         {2, 0, uint32_t(ValueType::Bool)},
         "1234"},
        {"without decimals the general format stands", 0.1, None, None, "0.1"},
        {"without decimals large values keep the exponent", 1e15, None, None, "1e+015"},
        {"without decimals an exponent is never grouped", 1.5e15, None, Yes, "1.5e+015"},
        {"without decimals plain text is grouped", 1234567.25, None, Yes, "1,234,567.25"},
        {"13 significant digits then padding", 1.0 / 3, MakeInt(15), No, "0.333333333333300"},
    };
    for (const FormatRow& row : rows) Check(row);
}

// Values whose general form would be exponent notation are written as plain
// decimal text with exactly the asked decimals.
TEST_F(NumberToFormattedTextTest, WithDecimalsTheTextIsAlwaysPlainDecimal) {
    const FormatRow rows[] = {
        {"small value", 0.00001, MakeInt(5), No, "0.00001"},
        {"small value with more decimals", 0.0000123, MakeInt(7), No, "0.0000123"},
        {"small negative value", -0.00002, MakeInt(5), No, "-0.00002"},
        {"large value", 1e15, MakeInt(2), No, "1000000000000000.00"},
        {"large value with a fraction in 13 digits", 1.5e15, MakeInt(2), No, "1500000000000000.00"},
        {"large value grouped", 1e15, MakeInt(1), Yes, "1,000,000,000,000,000.0"},
        {"ten to the thirteenth", 1e13, MakeInt(1), No, "10000000000000.0"},
        {"large value beyond 13 digits shows 13", 12345678901234567.0, MakeInt(0), No,
         "12345678901230000"},
    };
    for (const FormatRow& row : rows) Check(row);
}

TEST_F(NumberToFormattedTextTest, NonFiniteValuesAreNeitherPaddedNorGrouped) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const FormatRow rows[] = {
        {"infinity", inf, MakeInt(4), No, "inf"},
        {"negative infinity", -inf, MakeInt(2), Yes, "-inf"},
        {"not a number", nan, MakeInt(1), Yes, "nan"},
        {"negative not a number", -nan, MakeInt(3), No, "nan"},
        {"infinity without decimals", inf, None, Yes, "inf"},
    };
    for (const FormatRow& row : rows) Check(row);
}

TEST_F(NumberToFormattedTextTest, HugeDecimalCountsGiveABoundedText) {
    std::optional<std::string> text =
        CallForText(NumberToFormattedText, {MakeDouble(1.5), MakeInt(INT32_MAX), No});
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(text->substr(0, 5), "1.500");
    EXPECT_LE(text->size(), 400u);
    std::optional<std::string> tiny =
        CallForText(NumberToFormattedText,
                    {MakeDouble(std::numeric_limits<double>::denorm_min()), MakeInt(340), No});
    ASSERT_TRUE(tiny.has_value());
    EXPECT_EQ(tiny->substr(tiny->size() - 17), "49406564584120000");
}

TEST_F(NumberToFormattedTextTest, OtherNumericTypesAreAcceptedAndOthersGiveTheEmptyText) {
    EXPECT_EQ(CallForText(NumberToFormattedText, {MakeInt(7), MakeInt(1), No}), "7.0");
    EXPECT_EQ(CallForText(NumberToFormattedText, {MakeText("7"), MakeInt(1), No}), std::nullopt);
    EXPECT_EQ(CallForText(NumberToFormattedText, {}), std::nullopt);
}

// The windowing toolkit selects the user's locale for the process at
// start-up; no number text, nor the number read back from it, may change.
struct LocaleSample {
    double value;
    int32_t decimals;
    bool separators;
};

// Half of the samples are any bit pattern (subnormals, infinities and NaNs
// included), half are of the magnitudes a user meets.
std::vector<LocaleSample> LocaleSamples() {
    std::mt19937_64 random(0x5EED0001);
    std::uniform_real_distribution<double> fraction(-1, 1);
    std::uniform_int_distribution<int> exponent(-40, 60);
    std::uniform_int_distribution<int32_t> decimals(-3, 8);
    std::vector<LocaleSample> samples;
    for (int i = 0; i < 4000; ++i) {
        const double value = i % 2 == 0 ? std::bit_cast<double>(uint64_t(random()))
                                        : std::ldexp(fraction(random), exponent(random));
        samples.push_back({value, decimals(random), random() % 2 == 0});
    }
    return samples;
}

// Every text of each sample, under the locale; none when it cannot be set.
std::vector<std::string> TextsUnder(const char* locale, const std::vector<LocaleSample>& samples) {
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    std::vector<std::string> texts;
    if (std::setlocale(LC_ALL, locale) == nullptr) return texts;
    for (const LocaleSample& s : samples) {
        const std::string general = FormatG13(s.value);
        texts.push_back(FormatFixedDecimals(s.value, s.decimals, s.separators) + " " + general +
                        " " + FormatG6(float(s.value)) + " " + FormatG13(ParseNumber(general)));
    }
    std::setlocale(LC_ALL, saved.c_str());
    return texts;
}

TEST(NumberTextsUnderLocales, AreTheSameInEveryLocale) {
    ASSERT_NO_FATAL_FAILURE(testing_locales::ProvideLocales());
    if (IsSkipped()) return;
    const std::vector<LocaleSample> samples = LocaleSamples();
    const std::vector<std::string> expected = TextsUnder("C", samples);
    for (const char* name : testing_locales::kLocales) {
        const std::vector<std::string> texts = TextsUnder(name, samples);
        ASSERT_EQ(texts.size(), samples.size()) << name << " cannot be set";
        for (size_t i = 0; i < texts.size(); ++i) {
            ASSERT_EQ(texts[i], expected[i]) << name << ", " << samples[i].decimals << " decimals";
        }
    }
}

}  // namespace
}  // namespace runtime
