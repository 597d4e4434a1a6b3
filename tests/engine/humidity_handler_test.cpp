// The humidity conversion of 按钮1 "计算": the eighteen result boxes, the
// order of the writes, the kept engine variables and bad input.

#include <ostream>
#include <string>

#include "handler_fixture.h"
#include "runtime/gbk.h"

namespace engine::testing {
namespace {

using M = MainUnit;

// Inputs of one click; the defaults are the form template's.
struct HumidityInputs {
    int32_t mode = 0;
    std::string value = "10";
    std::string temperature = "20";
    std::string gauge = "0.3";
    int32_t gaugeUnit = 0;
    int32_t radio1 = 1;
    int32_t radio2 = 0;
};

struct HumidityCase {
    const char* name;
    HumidityInputs inputs;
    ExpectedTexts expected;
};

void PrintTo(const HumidityCase& c, std::ostream* out) {
    *out << c.name;
}

class HumidityHandler : public HandlerTest {
protected:
    void Click(const HumidityInputs& in) {
        fake_.SetInt(M::ComboBox1, kSelection, in.mode);
        fake_.SetText(M::EditBox1, in.value);
        fake_.SetText(M::EditBox3, in.temperature);
        fake_.SetText(M::EditBox4, in.gauge);
        fake_.SetInt(M::ComboBox2, kSelection, in.gaugeUnit);
        fake_.SetInt(M::RadioButton1, kSelected, in.radio1);
        fake_.SetInt(M::RadioButton2, kSelected, in.radio2);
        Run(Procedure::ConvertHumidity);
    }

    std::vector<std::string> AllResultTexts() const {
        std::vector<std::string> texts;
        for (M box : kStandardResultBoxes) texts.push_back(fake_.Text(box));
        for (M box : kPressureResultBoxes) texts.push_back(fake_.Text(box));
        return texts;
    }
};

const ExpectedTexts kTwentyDegreesDewPointTen = {
    {M::EditBox2, "52.5197"},   {M::EditBox5, "10.04"},     {M::EditBox6, "12280.0"},
    {M::EditBox7, "9.078"},     {M::EditBox8, "9077.6"},    {M::EditBox9, "7.6382"},
    {M::EditBox10, "2340.417"}, {M::EditBox11, "1229.181"}, {M::EditBox29, "10.04"}};

const HumidityCase kHumidityCases[] = {
    {"DewPointTenAtTwentyToStandard",
     {},
     {{M::EditBox2, "52.5197"},
      {M::EditBox5, "10.04"},
      {M::EditBox6, "12280.0"},
      {M::EditBox7, "9.078"},
      {M::EditBox8, "9077.6"},
      {M::EditBox9, "7.6382"},
      {M::EditBox10, "2340.417"},
      {M::EditBox11, "1229.181"},
      {M::EditBox29, "10.04"},
      {M::EditBox30, "-9.13"},
      {M::EditBox18, "-8.10"},
      {M::EditBox19, "13.1299"},
      {M::EditBox17, "3042.0"},
      {M::EditBox16, "2.269"},
      {M::EditBox15, "2269.4"},
      {M::EditBox14, "1.8921"},
      {M::EditBox13, "2340.417"},
      {M::EditBox12, "307.295"}}},
    {"DewPointTenAtTwentyToCurrent",
     {.radio1 = 0, .radio2 = 1},
     {{M::EditBox2, "52.5197"},
      {M::EditBox5, "10.04"},
      {M::EditBox6, "12280.0"},
      {M::EditBox7, "9.078"},
      {M::EditBox8, "9077.6"},
      {M::EditBox9, "7.6382"},
      {M::EditBox10, "2340.417"},
      {M::EditBox11, "1229.181"},
      {M::EditBox29, "10.04"},
      {M::EditBox30, "32.63"},
      {M::EditBox18, "32.63"},
      {M::EditBox19, "210.0789"},
      {M::EditBox17, "12280.0"},
      {M::EditBox16, "36.310"},
      {M::EditBox15, "36310.2"},
      {M::EditBox14, "7.6382"},
      {M::EditBox13, "2340.417"},
      {M::EditBox12, "4916.722"}}},
    {"DewPointMinusFortyPressureFactorFourToStandard",
     {.value = "-40"},
     {{M::EditBox2, "0.5497"},
      {M::EditBox5, "-39.99"},
      {M::EditBox6, "127.0"},
      {M::EditBox7, "0.095"},
      {M::EditBox8, "95.0"},
      {M::EditBox9, "0.0790"},
      {M::EditBox10, "2340.417"},
      {M::EditBox11, "12.865"},
      {M::EditBox29, "-43.70"},
      {M::EditBox30, "-55.79"},
      {M::EditBox18, "-51.63"},
      {M::EditBox19, "0.1374"},
      {M::EditBox17, "31.7"},
      {M::EditBox16, "0.024"},
      {M::EditBox15, "23.8"},
      {M::EditBox14, "0.0197"},
      {M::EditBox13, "2340.417"},
      {M::EditBox12, "3.216"}}},
    {"DewPointMinusFortyPressureFactorFourToCurrent",
     {.value = "-40", .radio1 = 0, .radio2 = 1},
     {{M::EditBox30, "-29.94"},
      {M::EditBox18, "-27.06"},
      {M::EditBox19, "2.1987"},
      {M::EditBox17, "127.0"},
      {M::EditBox16, "0.380"},
      {M::EditBox15, "380.0"},
      {M::EditBox14, "0.0790"},
      {M::EditBox13, "2340.417"},
      {M::EditBox12, "51.460"}}},
    {"RelativeHumidityFiftyAtMinusTenUsesIce",
     {.mode = 1, .value = "50", .temperature = "-10"},
     {{M::EditBox2, "50.0000"},
      {M::EditBox10, "260.099"},
      {M::EditBox11, "130.050"},
      {M::EditBox5, "-17.57"},
      {M::EditBox29, "-19.63"},
      {M::EditBox6, "1285.1"},
      {M::EditBox19, "12.5000"},
      {M::EditBox12, "32.512"}}},
    {"RelativeHumidityFiftyAtTwentyComesBackWithFourDecimals",
     {.mode = 1, .value = "50"},
     {{M::EditBox2, "50.0000"},
      {M::EditBox5, "9.31"},
      {M::EditBox6, "11684.0"},
      {M::EditBox9, "7.2674"},
      {M::EditBox11, "1170.209"}}},
    {"VolumeRatioThousandGivesFrostPoint",
     {.mode = 2, .value = "1000"},
     {{M::EditBox6, "1000.0"},
      {M::EditBox9, "0.6220"},
      {M::EditBox5, "-20.21"},
      {M::EditBox29, "-22.51"},
      {M::EditBox11, "101.224"}}},
    {"AbsoluteHumidityGrams",
     {.mode = 3, .value = "9"},
     {{M::EditBox7, "9.000"},
      {M::EditBox8, "9000.0"},
      {M::EditBox11, "1218.679"},
      {M::EditBox5, "9.91"}}},
    {"AbsoluteHumidityMilligramsMatchesGrams",
     {.mode = 4, .value = "9000"},
     {{M::EditBox7, "9.000"},
      {M::EditBox8, "9000.0"},
      {M::EditBox11, "1218.679"},
      {M::EditBox5, "9.91"}}},
    {"MixingRatioSeven",
     {.mode = 5, .value = "7"},
     {{M::EditBox9, "7.0000"}, {M::EditBox11, "1127.623"}, {M::EditBox2, "48.1804"}}},
    {"GaugeInBarAndMbarGiveTheSameFactor",
     {.gauge = "0.3", .gaugeUnit = 1},
     {{M::EditBox12, "945.524"}, {M::EditBox19, "40.3998"}}},
    {"GaugeInMbar", {.gauge = "300", .gaugeUnit = 2}, {{M::EditBox12, "945.524"}}},
    {"GaugeInPascalHasItsOwnReference",
     {.gauge = "30000", .gaugeUnit = 3},
     {{M::EditBox12, "948.386"}, {M::EditBox19, "40.5221"}}},
};

class HumidityCases : public HumidityHandler, public ::testing::WithParamInterface<HumidityCase> {};

TEST_P(HumidityCases, WritesTheResultTexts) {
    Click(GetParam().inputs);
    ExpectTexts(GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(QuotedInputs, HumidityCases, ::testing::ValuesIn(kHumidityCases),
                         [](const auto& info) { return std::string(info.param.name); });

std::string Repeated(char c, std::size_t count) {
    return std::string(count, c);
}

// Nothing is validated: bad input shows what the arithmetic and the runtime's
// text conversions make of it.
const HumidityCase kBadInputCases[] = {
    {"EmptyBoxesReadAsZero",
     {.value = "", .temperature = ""},
     {{M::EditBox2, "100.0000"},
      {M::EditBox5, "0.02"},
      {M::EditBox10, "611.856"},
      {M::EditBox11, "611.856"},
      {M::EditBox29, "0.02"},
      {M::EditBox12, "152.964"}}},
    {"LettersReadAsZero",
     {.value = "abc", .temperature = "xyz"},
     {{M::EditBox2, "100.0000"}, {M::EditBox5, "0.02"}, {M::EditBox11, "611.856"}}},
    {"OverflowingExponentGivesInfinityAndNan",
     {.value = "1e400"},
     {{M::EditBox2, "nan"},
      {M::EditBox5, "nan"},
      {M::EditBox10, "2340.417"},
      {M::EditBox11, "nan"},
      {M::EditBox12, "nan"}}},
    {"NegativeZeroShowsWithoutSign",
     {.value = "-0", .temperature = "-0", .gauge = "-0"},
     {{M::EditBox2, "100.0000"},
      {M::EditBox5, "0.02"},
      {M::EditBox11, "611.856"},
      {M::EditBox12, "611.856"},
      {M::EditBox19, "100.0000"}}},
    {"FullWidthDigitsAreFolded",
     {.value = runtime::Utf8ToGbk("１２．５"), .temperature = runtime::Utf8ToGbk("２０")},
     {{M::EditBox5, "12.55"}, {M::EditBox11, "1450.889"}, {M::EditBox2, "61.9928"}}},
    {"ThousandCharacterTextsStopAtTheFirstNonDigit",
     {.value = "10" + Repeated('x', 998),
      .temperature = "20" + Repeated(' ', 998),
      .gauge = "0.3" + Repeated('0', 997)},
     {{M::EditBox2, "52.5197"}, {M::EditBox11, "1229.181"}, {M::EditBox12, "307.295"}}},
    {"ThousandDigitGaugeIsInfinite",
     {.gauge = "1" + Repeated('0', 999)},
     {{M::EditBox12, "0.000"}, {M::EditBox19, "0.0000"}, {M::EditBox18, "nan"}}},
    {"GaugeMinusOneTenthMpaToStandardIsInfinite",
     {.gauge = "-0.1"},
     {{M::EditBox12, "inf"}, {M::EditBox19, "inf"}, {M::EditBox18, "nan"}, {M::EditBox17, "nan"}}},
    {"GaugeMinusOneTenthMpaToCurrentIsZero",
     {.gauge = "-0.1", .radio1 = 0, .radio2 = 1},
     {{M::EditBox12, "0.000"},
      {M::EditBox19, "0.0000"},
      {M::EditBox17, "nan"},
      {M::EditBox14, "nan"}}},
    {"RelativeHumidityZeroHasNoDewPoint",
     {.mode = 1, .value = "0"},
     {{M::EditBox2, "0.0000"},
      {M::EditBox5, "nan"},
      {M::EditBox29, "nan"},
      {M::EditBox11, "0.000"},
      {M::EditBox18, "nan"}}},
};

INSTANTIATE_TEST_SUITE_P(BadInput, HumidityCases, ::testing::ValuesIn(kBadInputCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(HumidityHandler, WritesInTheFixedOrder) {
    Click({});
    const std::vector<M> expected = {M::EditBox2,  M::EditBox5,  M::EditBox6,  M::EditBox7,
                                     M::EditBox8,  M::EditBox9,  M::EditBox10, M::EditBox11,
                                     M::EditBox29, M::EditBox5,  M::EditBox30, M::EditBox18,
                                     M::EditBox19, M::EditBox17, M::EditBox16, M::EditBox15,
                                     M::EditBox14, M::EditBox13, M::EditBox12};
    EXPECT_EQ(WrittenUnits(), expected);
    for (const PropertyWrite& write : fake_.Writes()) {
        EXPECT_EQ(write.window, uint32_t(WindowId::Main));
        EXPECT_EQ(write.property, kContent);
        EXPECT_EQ(write.element, kPlainElement);
    }
}

TEST_F(HumidityHandler, DewPointModeFirstShowsTheTypedValueThenTheComputedOne) {
    Click({});
    std::vector<std::string> dewPointTexts;
    for (const PropertyWrite& write : fake_.Writes()) {
        if (M(write.unit) == M::EditBox5) dewPointTexts.push_back(write.text);
    }
    EXPECT_EQ(dewPointTexts, (std::vector<std::string>{"10.00", "10.04"}));
}

TEST_F(HumidityHandler, OtherModesWriteTheDewPointInTheBlockOnlyAboveZeroDegrees) {
    auto dewPointWrites = [this] {
        int count = 0;
        for (const PropertyWrite& write : fake_.Writes()) count += M(write.unit) == M::EditBox5;
        return count;
    };
    Click({.mode = 1, .value = "50", .temperature = "0"});
    EXPECT_EQ(dewPointWrites(), 1);
    fake_.ClearRecords();
    Click({.mode = 1, .value = "50", .temperature = "0.000001"});
    EXPECT_EQ(dewPointWrites(), 2);
}

TEST_F(HumidityHandler, NeitherRadioButtonLeavesThePressureResultsAlone) {
    for (M box : kPressureResultBoxes) fake_.SetText(box, "kept");
    Click({.radio1 = 0, .radio2 = 0});
    ExpectTexts(kTwentyDegreesDewPointTen);
    for (M box : kPressureResultBoxes) EXPECT_EQ(fake_.Text(box), "kept");
    EXPECT_EQ(fake_.Writes().size(), 10u);
}

TEST_F(HumidityHandler, SecondClickWritesTheSameTexts) {
    Click({});
    std::vector<std::string> first = AllResultTexts();
    std::vector<PropertyWrite> firstWrites = fake_.Writes();
    fake_.ClearRecords();
    Click({});
    EXPECT_EQ(AllResultTexts(), first);
    ASSERT_EQ(fake_.Writes().size(), firstWrites.size());
    for (std::size_t i = 0; i < firstWrites.size(); ++i) {
        EXPECT_EQ(fake_.Writes()[i].text, firstWrites[i].text);
    }
}

TEST_F(HumidityHandler, UnknownModeKeepsTheVapourPressuresOfThePreviousClick) {
    Click({});
    HumidityVariables before = Humidity();
    for (M box : kStandardResultBoxes) fake_.SetText(box, "kept");
    fake_.ClearRecords();
    Click({.mode = 7, .value = "99", .temperature = "20"});
    EXPECT_EQ(Humidity().e, before.e);
    EXPECT_EQ(Humidity().es, before.es);
    // Only the always-written dew point and the pressure group are written.
    EXPECT_EQ(fake_.Writes().size(), 10u);
    EXPECT_EQ(fake_.Text(M::EditBox5), "10.04");
    EXPECT_EQ(fake_.Text(M::EditBox2), "kept");
    EXPECT_EQ(fake_.Text(M::EditBox12), "307.295");
}

TEST_F(HumidityHandler, UnknownModeBeforeAnyClickComputesFromZero) {
    Click({.mode = -1});
    EXPECT_EQ(fake_.Text(M::EditBox5), "nan");
    EXPECT_EQ(fake_.Text(M::EditBox12), "0.000");
    EXPECT_EQ(fake_.Text(M::EditBox13), "0.000");
}

TEST_F(HumidityHandler, KeepsItsVariablesBetweenClicks) {
    Click({});
    EXPECT_EQ(Humidity().absoluteHumidityFactor, 2.165);
    EXPECT_EQ(Humidity().k, 4.0);
    EXPECT_EQ(Humidity().e2, Humidity().e / 4.0);
}

TEST_F(HumidityHandler, UnknownGaugeUnitKeepsThePreviousFactor) {
    Click({});
    fake_.ClearRecords();
    Click({.gaugeUnit = -1});
    EXPECT_EQ(Humidity().k, 4.0);
    EXPECT_EQ(fake_.Text(M::EditBox12), "307.295");
}

TEST_F(HumidityHandler, UnknownGaugeUnitBeforeAnyFactorDividesByZero) {
    Click({.gaugeUnit = 4});
    EXPECT_EQ(Humidity().k, 0.0);
    EXPECT_EQ(fake_.Text(M::EditBox12), "inf");
}

}  // namespace
}  // namespace engine::testing
