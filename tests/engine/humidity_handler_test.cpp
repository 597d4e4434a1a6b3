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
        window_.SetInt(M::KnownQuantity, kSelection, in.mode);
        window_.SetText(M::KnownValue, in.value);
        window_.SetText(M::GasTemperature, in.temperature);
        window_.SetText(M::GaugePressure, in.gauge);
        window_.SetInt(M::GaugePressureUnit, kSelection, in.gaugeUnit);
        window_.SetInt(M::PresentToStandard, kSelected, in.radio1);
        window_.SetInt(M::StandardToPresent, kSelected, in.radio2);
        Run(Procedure::ConvertHumidity);
    }

    std::vector<std::string> AllResultTexts() const {
        std::vector<std::string> texts;
        for (M box : kStandardResultBoxes) texts.push_back(window_.Text(box));
        for (M box : kConvertedResultBoxes) texts.push_back(window_.Text(box));
        return texts;
    }
};

const ExpectedTexts kTwentyDegreesDewPointTen = {{M::RelativeHumidity, "52.5197"},
                                                 {M::DewPoint, "10.04"},
                                                 {M::VolumeRatio, "12280.0"},
                                                 {M::AbsoluteHumidityGrams, "9.078"},
                                                 {M::AbsoluteHumidityMilligrams, "9077.6"},
                                                 {M::MixingRatio, "7.6382"},
                                                 {M::SaturationVapourPressure, "2340.417"},
                                                 {M::VapourPressure, "1229.181"},
                                                 {M::SupercooledDewPoint, "10.04"}};

const HumidityCase kHumidityCases[] = {
    {"DewPointTenAtTwentyToStandard",
     {},
     {{M::RelativeHumidity, "52.5197"},
      {M::DewPoint, "10.04"},
      {M::VolumeRatio, "12280.0"},
      {M::AbsoluteHumidityGrams, "9.078"},
      {M::AbsoluteHumidityMilligrams, "9077.6"},
      {M::MixingRatio, "7.6382"},
      {M::SaturationVapourPressure, "2340.417"},
      {M::VapourPressure, "1229.181"},
      {M::SupercooledDewPoint, "10.04"},
      {M::SupercooledDewPointAfterConversion, "-9.13"},
      {M::DewPointAfterConversion, "-8.10"},
      {M::RelativeHumidityAfterConversion, "13.1299"},
      {M::VolumeRatioAfterConversion, "3042.0"},
      {M::AbsoluteHumidityGramsAfterConversion, "2.269"},
      {M::AbsoluteHumidityMilligramsAfterConversion, "2269.4"},
      {M::MixingRatioAfterConversion, "1.8921"},
      {M::SaturationVapourPressureAfterConversion, "2340.417"},
      {M::VapourPressureAfterConversion, "307.295"}}},
    {"DewPointTenAtTwentyToCurrent",
     {.radio1 = 0, .radio2 = 1},
     {{M::RelativeHumidity, "52.5197"},
      {M::DewPoint, "10.04"},
      {M::VolumeRatio, "12280.0"},
      {M::AbsoluteHumidityGrams, "9.078"},
      {M::AbsoluteHumidityMilligrams, "9077.6"},
      {M::MixingRatio, "7.6382"},
      {M::SaturationVapourPressure, "2340.417"},
      {M::VapourPressure, "1229.181"},
      {M::SupercooledDewPoint, "10.04"},
      {M::SupercooledDewPointAfterConversion, "32.63"},
      {M::DewPointAfterConversion, "32.63"},
      {M::RelativeHumidityAfterConversion, "210.0789"},
      {M::VolumeRatioAfterConversion, "12280.0"},
      {M::AbsoluteHumidityGramsAfterConversion, "36.310"},
      {M::AbsoluteHumidityMilligramsAfterConversion, "36310.2"},
      {M::MixingRatioAfterConversion, "7.6382"},
      {M::SaturationVapourPressureAfterConversion, "2340.417"},
      {M::VapourPressureAfterConversion, "4916.722"}}},
    {"DewPointMinusFortyPressureFactorFourToStandard",
     {.value = "-40"},
     {{M::RelativeHumidity, "0.5497"},
      {M::DewPoint, "-39.99"},
      {M::VolumeRatio, "127.0"},
      {M::AbsoluteHumidityGrams, "0.095"},
      {M::AbsoluteHumidityMilligrams, "95.0"},
      {M::MixingRatio, "0.0790"},
      {M::SaturationVapourPressure, "2340.417"},
      {M::VapourPressure, "12.865"},
      {M::SupercooledDewPoint, "-43.70"},
      {M::SupercooledDewPointAfterConversion, "-55.79"},
      {M::DewPointAfterConversion, "-51.63"},
      {M::RelativeHumidityAfterConversion, "0.1374"},
      {M::VolumeRatioAfterConversion, "31.7"},
      {M::AbsoluteHumidityGramsAfterConversion, "0.024"},
      {M::AbsoluteHumidityMilligramsAfterConversion, "23.8"},
      {M::MixingRatioAfterConversion, "0.0197"},
      {M::SaturationVapourPressureAfterConversion, "2340.417"},
      {M::VapourPressureAfterConversion, "3.216"}}},
    {"DewPointMinusFortyPressureFactorFourToCurrent",
     {.value = "-40", .radio1 = 0, .radio2 = 1},
     {{M::SupercooledDewPointAfterConversion, "-29.94"},
      {M::DewPointAfterConversion, "-27.06"},
      {M::RelativeHumidityAfterConversion, "2.1987"},
      {M::VolumeRatioAfterConversion, "127.0"},
      {M::AbsoluteHumidityGramsAfterConversion, "0.380"},
      {M::AbsoluteHumidityMilligramsAfterConversion, "380.0"},
      {M::MixingRatioAfterConversion, "0.0790"},
      {M::SaturationVapourPressureAfterConversion, "2340.417"},
      {M::VapourPressureAfterConversion, "51.460"}}},
    {"RelativeHumidityFiftyAtMinusTenUsesIce",
     {.mode = 1, .value = "50", .temperature = "-10"},
     {{M::RelativeHumidity, "50.0000"},
      {M::SaturationVapourPressure, "260.099"},
      {M::VapourPressure, "130.050"},
      {M::DewPoint, "-17.57"},
      {M::SupercooledDewPoint, "-19.63"},
      {M::VolumeRatio, "1285.1"},
      {M::RelativeHumidityAfterConversion, "12.5000"},
      {M::VapourPressureAfterConversion, "32.512"}}},
    {"RelativeHumidityFiftyAtTwentyComesBackWithFourDecimals",
     {.mode = 1, .value = "50"},
     {{M::RelativeHumidity, "50.0000"},
      {M::DewPoint, "9.31"},
      {M::VolumeRatio, "11684.0"},
      {M::MixingRatio, "7.2674"},
      {M::VapourPressure, "1170.209"}}},
    {"VolumeRatioThousandGivesFrostPoint",
     {.mode = 2, .value = "1000"},
     {{M::VolumeRatio, "1000.0"},
      {M::MixingRatio, "0.6220"},
      {M::DewPoint, "-20.21"},
      {M::SupercooledDewPoint, "-22.51"},
      {M::VapourPressure, "101.224"}}},
    {"AbsoluteHumidityGrams",
     {.mode = 3, .value = "9"},
     {{M::AbsoluteHumidityGrams, "9.000"},
      {M::AbsoluteHumidityMilligrams, "9000.0"},
      {M::VapourPressure, "1218.679"},
      {M::DewPoint, "9.91"}}},
    {"AbsoluteHumidityMilligramsMatchesGrams",
     {.mode = 4, .value = "9000"},
     {{M::AbsoluteHumidityGrams, "9.000"},
      {M::AbsoluteHumidityMilligrams, "9000.0"},
      {M::VapourPressure, "1218.679"},
      {M::DewPoint, "9.91"}}},
    {"MixingRatioSeven",
     {.mode = 5, .value = "7"},
     {{M::MixingRatio, "7.0000"},
      {M::VapourPressure, "1127.623"},
      {M::RelativeHumidity, "48.1804"}}},
    {"GaugeInBarAndMbarGiveTheSameFactor",
     {.gauge = "0.3", .gaugeUnit = 1},
     {{M::VapourPressureAfterConversion, "945.524"},
      {M::RelativeHumidityAfterConversion, "40.3998"}}},
    {"GaugeInMbar",
     {.gauge = "300", .gaugeUnit = 2},
     {{M::VapourPressureAfterConversion, "945.524"}}},
    {"GaugeInPascalHasItsOwnReference",
     {.gauge = "30000", .gaugeUnit = 3},
     {{M::VapourPressureAfterConversion, "948.386"},
      {M::RelativeHumidityAfterConversion, "40.5221"}}},
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
     {{M::RelativeHumidity, "100.0000"},
      {M::DewPoint, "0.02"},
      {M::SaturationVapourPressure, "611.856"},
      {M::VapourPressure, "611.856"},
      {M::SupercooledDewPoint, "0.02"},
      {M::VapourPressureAfterConversion, "152.964"}}},
    {"LettersReadAsZero",
     {.value = "abc", .temperature = "xyz"},
     {{M::RelativeHumidity, "100.0000"}, {M::DewPoint, "0.02"}, {M::VapourPressure, "611.856"}}},
    {"OverflowingExponentGivesInfinityAndNan",
     {.value = "1e400"},
     {{M::RelativeHumidity, "nan"},
      {M::DewPoint, "nan"},
      {M::SaturationVapourPressure, "2340.417"},
      {M::VapourPressure, "nan"},
      {M::VapourPressureAfterConversion, "nan"}}},
    {"NegativeZeroShowsWithoutSign",
     {.value = "-0", .temperature = "-0", .gauge = "-0"},
     {{M::RelativeHumidity, "100.0000"},
      {M::DewPoint, "0.02"},
      {M::VapourPressure, "611.856"},
      {M::VapourPressureAfterConversion, "611.856"},
      {M::RelativeHumidityAfterConversion, "100.0000"}}},
    {"FullWidthDigitsAreFolded",
     {.value = runtime::Utf8ToGbk("１２．５"), .temperature = runtime::Utf8ToGbk("２０")},
     {{M::DewPoint, "12.55"}, {M::VapourPressure, "1450.889"}, {M::RelativeHumidity, "61.9928"}}},
    {"ThousandCharacterTextsStopAtTheFirstNonDigit",
     {.value = "10" + Repeated('x', 998),
      .temperature = "20" + Repeated(' ', 998),
      .gauge = "0.3" + Repeated('0', 997)},
     {{M::RelativeHumidity, "52.5197"},
      {M::VapourPressure, "1229.181"},
      {M::VapourPressureAfterConversion, "307.295"}}},
    {"ThousandDigitGaugeIsInfinite",
     {.gauge = "1" + Repeated('0', 999)},
     {{M::VapourPressureAfterConversion, "0.000"},
      {M::RelativeHumidityAfterConversion, "0.0000"},
      {M::DewPointAfterConversion, "nan"}}},
    {"GaugeMinusOneTenthMpaToStandardIsInfinite",
     {.gauge = "-0.1"},
     {{M::VapourPressureAfterConversion, "inf"},
      {M::RelativeHumidityAfterConversion, "inf"},
      {M::DewPointAfterConversion, "nan"},
      {M::VolumeRatioAfterConversion, "nan"}}},
    {"GaugeMinusOneTenthMpaToCurrentIsZero",
     {.gauge = "-0.1", .radio1 = 0, .radio2 = 1},
     {{M::VapourPressureAfterConversion, "0.000"},
      {M::RelativeHumidityAfterConversion, "0.0000"},
      {M::VolumeRatioAfterConversion, "nan"},
      {M::MixingRatioAfterConversion, "nan"}}},
    {"RelativeHumidityZeroHasNoDewPoint",
     {.mode = 1, .value = "0"},
     {{M::RelativeHumidity, "0.0000"},
      {M::DewPoint, "nan"},
      {M::SupercooledDewPoint, "nan"},
      {M::VapourPressure, "0.000"},
      {M::DewPointAfterConversion, "nan"}}},
};

INSTANTIATE_TEST_SUITE_P(BadInput, HumidityCases, ::testing::ValuesIn(kBadInputCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(HumidityHandler, WritesInTheFixedOrder) {
    Click({});
    const std::vector<M> expected = {M::RelativeHumidity,
                                     M::DewPoint,
                                     M::VolumeRatio,
                                     M::AbsoluteHumidityGrams,
                                     M::AbsoluteHumidityMilligrams,
                                     M::MixingRatio,
                                     M::SaturationVapourPressure,
                                     M::VapourPressure,
                                     M::SupercooledDewPoint,
                                     M::DewPoint,
                                     M::SupercooledDewPointAfterConversion,
                                     M::DewPointAfterConversion,
                                     M::RelativeHumidityAfterConversion,
                                     M::VolumeRatioAfterConversion,
                                     M::AbsoluteHumidityGramsAfterConversion,
                                     M::AbsoluteHumidityMilligramsAfterConversion,
                                     M::MixingRatioAfterConversion,
                                     M::SaturationVapourPressureAfterConversion,
                                     M::VapourPressureAfterConversion,
                                     M::DewPoint,
                                     M::DewPointAfterConversion};
    EXPECT_EQ(WrittenUnits(), expected);
    const std::size_t tipWrites = 2;
    for (std::size_t i = 0; i < window_.Writes().size(); ++i) {
        const PropertyWrite& write = window_.Writes()[i];
        EXPECT_EQ(write.window, uint32_t(WindowId::Main));
        EXPECT_EQ(write.property, i + tipWrites < expected.size() ? kContent : kToolTip);
        EXPECT_EQ(write.element, kPlainElement);
    }
}

TEST_F(HumidityHandler, DewPointModeFirstShowsTheTypedValueThenTheComputedOne) {
    Click({});
    std::vector<std::string> dewPointTexts;
    for (const PropertyWrite& write : window_.Writes()) {
        if (M(write.unit) == M::DewPoint && write.property == kContent) {
            dewPointTexts.push_back(write.text);
        }
    }
    EXPECT_EQ(dewPointTexts, (std::vector<std::string>{"10.00", "10.04"}));
}

TEST_F(HumidityHandler, OtherModesWriteTheDewPointInTheBlockOnlyAboveZeroDegrees) {
    auto dewPointWrites = [this] {
        int count = 0;
        for (const PropertyWrite& write : window_.Writes()) {
            count += M(write.unit) == M::DewPoint && write.property == kContent;
        }
        return count;
    };
    Click({.mode = 1, .value = "50", .temperature = "0"});
    EXPECT_EQ(dewPointWrites(), 1);
    window_.ClearRecords();
    Click({.mode = 1, .value = "50", .temperature = "0.000001"});
    EXPECT_EQ(dewPointWrites(), 2);
}

TEST_F(HumidityHandler, NeitherRadioButtonLeavesThePressureResultsAlone) {
    for (M box : kConvertedResultBoxes) window_.SetText(box, "kept");
    Click({.radio1 = 0, .radio2 = 0});
    ExpectTexts(kTwentyDegreesDewPointTen);
    for (M box : kConvertedResultBoxes) EXPECT_EQ(window_.Text(box), "kept");
    EXPECT_EQ(window_.Writes().size(), 12u);
}

TEST_F(HumidityHandler, SecondClickWritesTheSameTexts) {
    Click({});
    std::vector<std::string> first = AllResultTexts();
    std::vector<PropertyWrite> firstWrites = window_.Writes();
    window_.ClearRecords();
    Click({});
    EXPECT_EQ(AllResultTexts(), first);
    ASSERT_EQ(window_.Writes().size(), firstWrites.size());
    for (std::size_t i = 0; i < firstWrites.size(); ++i) {
        EXPECT_EQ(window_.Writes()[i].text, firstWrites[i].text);
    }
}

TEST_F(HumidityHandler, UnknownModeKeepsTheVapourPressuresOfThePreviousClick) {
    Click({});
    HumidityVariables before = Humidity();
    for (M box : kStandardResultBoxes) window_.SetText(box, "kept");
    window_.ClearRecords();
    Click({.mode = 7, .value = "99", .temperature = "20"});
    EXPECT_EQ(Humidity().e, before.e);
    EXPECT_EQ(Humidity().es, before.es);
    // Only the always-written dew point, the pressure group and the tooltips
    // are written.
    EXPECT_EQ(window_.Writes().size(), 12u);
    EXPECT_EQ(window_.Text(M::DewPoint), "10.04");
    EXPECT_EQ(window_.Text(M::RelativeHumidity), "kept");
    EXPECT_EQ(window_.Text(M::VapourPressureAfterConversion), "307.295");
}

TEST_F(HumidityHandler, UnknownModeBeforeAnyClickComputesFromZero) {
    Click({.mode = -1});
    EXPECT_EQ(window_.Text(M::DewPoint), "nan");
    EXPECT_EQ(window_.Text(M::VapourPressureAfterConversion), "0.000");
    EXPECT_EQ(window_.Text(M::SaturationVapourPressureAfterConversion), "0.000");
}

TEST_F(HumidityHandler, KeepsItsVariablesBetweenClicks) {
    Click({});
    EXPECT_EQ(Humidity().absoluteHumidityFactor, 2.165);
    EXPECT_EQ(Humidity().k, 4.0);
    EXPECT_EQ(Humidity().e2, Humidity().e / 4.0);
}

TEST_F(HumidityHandler, UnknownGaugeUnitKeepsThePreviousFactor) {
    Click({});
    window_.ClearRecords();
    Click({.gaugeUnit = -1});
    EXPECT_EQ(Humidity().k, 4.0);
    EXPECT_EQ(window_.Text(M::VapourPressureAfterConversion), "307.295");
}

// The humidity class goes to the tooltip of the box that shows the pressure
// dew point, decided on the box's digits; the other dew point box has none.
TEST_F(HumidityHandler, ShowsTheHumidityClassOnTheBoxOfThePressureDewPoint) {
    const struct {
        HumidityInputs inputs;
        M holder;
        const char* verdict;  // UTF-8, after "ISO 8573-1:2010 湿度等级"
    } rows[] = {
        {{.value = "-45"}, M::DewPoint, " 2 级（压力露点 ≤ -40 ℃）"},
        // Computed as -39.9997, shown as -40.00.
        {{.value = "-40.01"}, M::DewPoint, " 2 级（压力露点 ≤ -40 ℃）"},
        {{.value = "-40", .radio1 = 0, .radio2 = 1},
         M::DewPointAfterConversion,
         " 3 级（压力露点 ≤ -20 ℃）"},
        {{}, M::DewPoint, "：不属于 1–6 级（压力露点 > +10 ℃）"},
        {{.value = "5", .radio1 = 0}, M::DewPoint, " 5 级（常压露点 ≤ +7 ℃）"},
        {{.mode = 1, .value = "0", .radio1 = 0, .radio2 = 1},
         M::DewPointAfterConversion,
         "：无法判定（压力露点不是有限值）"},
    };
    for (const auto& row : rows) {
        Click(row.inputs);
        const M other = row.holder == M::DewPoint ? M::DewPointAfterConversion : M::DewPoint;
        EXPECT_EQ(window_.Text(row.holder, EditBoxProperty::ToolTip),
                  runtime::Utf8ToGbk(std::string("ISO 8573-1:2010 湿度等级") + row.verdict +
                                     "\r\n0 级与 7–9 级不由露点判定"))
            << row.verdict;
        EXPECT_EQ(window_.Text(other, EditBoxProperty::ToolTip), "") << row.verdict;
    }
}

TEST_F(HumidityHandler, UnknownGaugeUnitBeforeAnyFactorDividesByZero) {
    Click({.gaugeUnit = 4});
    EXPECT_EQ(Humidity().k, 0.0);
    EXPECT_EQ(window_.Text(M::VapourPressureAfterConversion), "inf");
}

}  // namespace
}  // namespace engine::testing
