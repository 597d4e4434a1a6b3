// Input a user should not type, typed all the same: the program never
// stops, never shows a message, and shows what its conversions define —
// the computed number, or "inf", "-inf" and "nan" for what is not finite.
// The expected texts were computed independently from the program's
// formulas and rounding rules, in double precision.

#include <gtest/gtest.h>

#include <QString>
#include <ostream>

#include "tests/gui/fixture.h"
#include "tests/gui/humidity_form.h"
#include "tests/gui/pressure_rows.h"
#include "tests/gui/user.h"

namespace gui_testing {
namespace {

using engine::MainUnit;

constexpr int kLongTextLength = 1000;

struct BadHumidityCase {
    const char* name;
    HumidityInputs inputs;
    ResultTexts results;
};

// A failure names the row.
void PrintTo(const BadHumidityCase& row, std::ostream* out) {
    *out << row.name;
}

// A text that reads as 0 in dew-point mode: the frost point 0 °C.
constexpr ResultTexts kDewPointZeroAt20 = {
    "26.1430", "0.02",   "6075.2", "4.519", "4518.6", "3.7788", "2340.417", "611.856", "0.02",
    "6.5358",  "-15.84", "1511.9", "1.130", "1129.6", "0.9404", "2340.417", "152.964", "-17.72"};
// An infinite dew point has no saturation pressure: everything from it is NaN.
constexpr ResultTexts kInfiniteDewPointAt20 = {"nan",      "nan", "nan", "nan",      "nan", "nan",
                                               "2340.417", "nan", "nan", "nan",      "nan", "nan",
                                               "nan",      "nan", "nan", "2340.417", "nan", "nan"};
// A vapour pressure of 0 (or -0) has no dew point.
constexpr ResultTexts kNoVapourAt20 = {"0.0000",   "nan",   "0.0",    "0.000",    "0.0",   "0.0000",
                                       "2340.417", "0.000", "nan",    "0.0000",   "nan",   "0.0",
                                       "0.000",    "0.0",   "0.0000", "2340.417", "0.000", "nan"};

const QString kThousandOnes = QString(kLongTextLength, QLatin1Char('1'));

const BadHumidityCase kBadHumidityCases[] = {
    {"EmptyKnownValue", {.knownQuantity = 0, .value = "", .temperature = "20"}, kDewPointZeroAt20},
    {"LettersAsKnownValue",
     {.knownQuantity = 0, .value = "abc", .temperature = "20"},
     kDewPointZeroAt20},
    {"NegativeZeroDewPoint",
     {.knownQuantity = 0, .value = "-0", .temperature = "20"},
     kDewPointZeroAt20},
    {"EmptyTemperatureIsZeroOverIce",
     {.knownQuantity = 0, .value = "10", .temperature = ""},
     {"200.8939", "10.04", "12280.0", "9.742", "9742.2", "7.6382", "611.856", "1229.181", "10.04",
      "50.2235", "-8.10", "3042.0", "2.436", "2435.5", "1.8921", "611.856", "307.295", "-9.13"}},
    {"OverflowingDewPoint",
     {.knownQuantity = 0, .value = "1e400", .temperature = "20"},
     kInfiniteDewPointAt20},
    {"ThousandDigitDewPoint",
     {.knownQuantity = 0, .value = kThousandOnes, .temperature = "20"},
     kInfiniteDewPointAt20},
    {"OverflowingRelativeHumidity",
     {.knownQuantity = 1, .value = "1e400", .temperature = "20"},
     {"inf", "nan", "nan", "inf", "inf", "nan", "2340.417", "inf", "nan", "inf", "nan", "nan",
      "inf", "inf", "nan", "2340.417", "inf", "nan"}},
    {"NegativeZeroRelativeHumidity",
     {.knownQuantity = 1, .value = "-0", .temperature = "20"},
     kNoVapourAt20},
    {"RelativeHumidityZero",
     {.knownQuantity = 1, .value = "0", .temperature = "20"},
     kNoVapourAt20},
    {"FullWidthDigits",
     {.knownQuantity = 0, .value = "１２", .temperature = "20"},
     {"59.9864", "12.04", "14050.4", "10.368", "10368.1", "8.7394", "2340.417", "1403.932", "12.04",
      "14.9966", "-6.57", "3476.0", "2.592", "2592.0", "2.1621", "2340.417", "350.983", "-7.42"}},
    {"VacuumGaugeCurrentToStandard",
     {.knownQuantity = 0, .value = "10", .temperature = "20", .gauge = "-0.1"},
     {"52.5197", "10.04", "12280.0", "9.078", "9077.6", "7.6382", "2340.417", "1229.181", "10.04",
      "inf", "nan", "nan", "inf", "inf", "nan", "2340.417", "inf", "nan"}},
    {"VacuumGaugeStandardToCurrent",
     {.knownQuantity = 0,
      .value = "10",
      .temperature = "20",
      .direction = Direction::StandardToCurrent,
      .gauge = "-0.1"},
     {"52.5197", "10.04", "12280.0", "9.078", "9077.6", "7.6382", "2340.417", "1229.181", "10.04",
      "0.0000", "nan", "nan", "0.000", "0.0", "nan", "2340.417", "0.000", "nan"}},
};

class BadHumidityInputTest : public ProgramTest,
                             public ::testing::WithParamInterface<BadHumidityCase> {};

// The boxes keep the text as typed; the results are defined texts.
TEST_P(BadHumidityInputTest, ShowsTheDefinedTexts) {
    const HumidityInputs& inputs = GetParam().inputs;
    ASSERT_TRUE(EnterInputs(inputs));
    EXPECT_EQ(ShownText(Unit(MainUnit::KnownValue)), inputs.value);
    EXPECT_EQ(ShownText(Unit(MainUnit::GasTemperature)), inputs.temperature);
    ASSERT_TRUE(Compute());
    ExpectResults(GetParam().results);
}

INSTANTIATE_TEST_SUITE_P(TypedByAUser, BadHumidityInputTest, ::testing::ValuesIn(kBadHumidityCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ProgramTest, KnownValueBoxTakesAThousandCharactersWhole) {
    ASSERT_TRUE(ShowPage(0));
    ASSERT_TRUE(TypeInto(Unit(MainUnit::KnownValue), kThousandOnes));
    EXPECT_EQ(PropertyText(Unit(MainUnit::KnownValue), int32_t(engine::EditBoxProperty::Content)),
              kThousandOnes);
}

struct BadPressureCase {
    const char* name;
    QString typed;
    // All seven rows after the MPa row's "换算": the MPa box shows what it
    // kept of the typed text.
    std::array<const char*, kPressureRowCount> shown;
};

// A failure names the row.
void PrintTo(const BadPressureCase& row, std::ostream* out) {
    *out << row.name;
}

const BadPressureCase kBadPressureCases[] = {
    {"LettersAreRefused", "abc", {"0.00000", "", "0.0000", "0.0000", "0.0000", "0.0000", "0.0000"}},
    {"LettersBetweenDigitsAreDropped",
     "1x2",
     {"120.00000", "12", "12000.0000", "118.4308", "122.3659", "90007.4019", "1740.4529"}},
    {"FullWidthDigitsAreRefused",
     "１２",
     {"0.00000", "", "0.0000", "0.0000", "0.0000", "0.0000", "0.0000"}},
    {"NegativeZero", "-0", {"0.00000", "-0", "0.0000", "0.0000", "0.0000", "0.0000", "0.0000"}},
    {"NegativeValueConvertsAsItIs",
     "-1",
     {"-10.00000", "-1", "-1000.0000", "-9.8692", "-10.1972", "-7500.6168", "-145.0377"}},
};

class BadPressureInputTest : public ProgramTest,
                             public ::testing::WithParamInterface<BadPressureCase> {};

// The box is emptied first: a refused key leaves a selected text in place,
// so what the box shows afterwards is exactly what its filter let through.
TEST_P(BadPressureInputTest, ShowsTheDefinedTexts) {
    ASSERT_TRUE(ShowPage(kPressurePage));
    ASSERT_TRUE(TypeInto(Unit(MainUnit::MpaValue), ""));
    ASSERT_TRUE(ConvertTyped(PressureRow::MPa, GetParam().typed));
    ExpectRows(GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(TypedByAUser, BadPressureInputTest, ::testing::ValuesIn(kBadPressureCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A thousand digits overflow to infinity, which every factor keeps.
TEST_F(ProgramTest, ThousandDigitPressureShowsInfinity) {
    ASSERT_TRUE(ShowPage(kPressurePage));
    ASSERT_TRUE(ConvertTyped(PressureRow::MPa, kThousandOnes));
    const std::string typed = kThousandOnes.toStdString();
    ExpectRows({"inf", typed.c_str(), "inf", "inf", "inf", "inf", "inf"});
}

}  // namespace
}  // namespace gui_testing
