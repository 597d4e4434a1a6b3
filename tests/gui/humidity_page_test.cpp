// The humidity page as a user works it: inputs typed and chosen with mouse
// and keyboard, "计算" clicked, the eighteen result boxes read back; and the
// caption beside the known value following the chosen quantity.
//
// The quoted results are the program's documented examples; the other
// digits of each row were computed independently from the same formulas and
// rounding rules, in double precision.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QProcess>
#include <QProcessEnvironment>
#include <QWidget>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "tests/gui/fixture.h"
#include "tests/gui/humidity_form.h"
#include "tests/gui/program.h"
#include "tests/gui/user.h"
#include "tests/runtime/test_locales.h"

namespace gui_testing {
namespace {

using engine::MainUnit;

// Both radio buttons share one group, so one of them is always selected: a
// user cannot reach the state in which the pressure section is skipped.
struct HumidityCase {
    const char* name;
    HumidityInputs inputs;
    ResultTexts results;
};

// A failure names the row.
void PrintTo(const HumidityCase& row, std::ostream* out) {
    *out << row.name;
}

const HumidityCase kHumidityCases[] = {
    {"DewPoint10At20",
     {.knownQuantity = 0, .value = "10", .temperature = "20"},
     {"52.5197", "10.04", "12280.0", "9.078", "9077.6", "7.6382", "2340.417", "1229.181", "10.04",
      "13.1299", "-8.10", "3042.0", "2.269", "2269.4", "1.8921", "2340.417", "307.295", "-9.13"}},
    {"RelativeHumidity50AtMinus10",
     {.knownQuantity = 1, .value = "50", .temperature = "-10"},
     {"50.0000", "-17.57", "1285.1", "1.070", "1069.9", "0.7994", "260.099", "130.050", "-19.63",
      "12.5000", "-31.50", "321.0", "0.267", "267.5", "0.1996", "260.099", "32.512", "-34.70"}},
    {"RelativeHumidity50At20",
     {.knownQuantity = 1, .value = "50", .temperature = "20"},
     {"50.0000", "9.31", "11684.0", "8.642", "8642.0", "7.2674", "2340.417", "1170.209", "9.31",
      "12.5000", "-8.66", "2895.6", "2.161", "2160.5", "1.8011", "2340.417", "292.552", "-9.76"}},
    {"DewPointMinus40CurrentToStandard",
     {.knownQuantity = 0, .value = "-40", .temperature = "20"},
     {"0.5497", "-39.99", "127.0", "0.095", "95.0", "0.0790", "2340.417", "12.865", "-43.70",
      "0.1374", "-51.63", "31.7", "0.024", "23.8", "0.0197", "2340.417", "3.216", "-55.79"}},
    {"DewPointMinus40StandardToCurrent",
     {.knownQuantity = 0,
      .value = "-40",
      .temperature = "20",
      .direction = Direction::StandardToCurrent},
     {"0.5497", "-39.99", "127.0", "0.095", "95.0", "0.0790", "2340.417", "12.865", "-43.70",
      "2.1987", "-27.06", "127.0", "0.380", "380.0", "0.0790", "2340.417", "51.460", "-29.94"}},
};

class HumidityPageTest : public ProgramTest, public ::testing::WithParamInterface<HumidityCase> {};

TEST_P(HumidityPageTest, ShowsEveryResult) {
    ASSERT_TRUE(EnterInputs(GetParam().inputs));
    ASSERT_TRUE(Compute());
    ExpectResults(GetParam().results);
}

INSTANTIATE_TEST_SUITE_P(QuotedInputs, HumidityPageTest, ::testing::ValuesIn(kHumidityCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The toolkit selects the process locale from the environment as the program
// starts; the first quoted conversion runs again, in a run of its own, under
// a locale with a decimal comma.
TEST(LocaleTest, DecimalCommaLocaleShowsTheSameResults) {
    constexpr int kRunTimeoutMs = 60000;
    const std::string quoted = "QuotedInputs/HumidityPageTest.ShowsEveryResult/DewPoint10At20";
    ASSERT_NO_FATAL_FAILURE(testing_locales::ProvideLocales());
    if (IsSkipped()) return;
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), testing_locales::kDecimalCommaLocale);
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(),
                {QString::fromStdString("--gtest_filter=" + quoted)});
    ASSERT_TRUE(child.waitForFinished(kRunTimeoutMs)) << "the program did not end";
    const std::string output = child.readAllStandardOutput().toStdString();
    EXPECT_EQ(child.exitCode(), 0) << output;
    EXPECT_NE(output.find("[       OK ] " + quoted), std::string::npos) << output;
}

TEST_F(ProgramTest, SecondClickWithUnchangedInputsShowsTheSameTexts) {
    const HumidityCase& dewPoint = kHumidityCases[0];
    ASSERT_TRUE(EnterInputs(dewPoint.inputs));
    ASSERT_TRUE(Compute());
    ASSERT_TRUE(Compute());
    ExpectResults(dewPoint.results);
}

TEST_F(ProgramTest, ResultsStayWhenAnInputChangesWithoutClicking) {
    const HumidityCase& dewPoint = kHumidityCases[0];
    ASSERT_TRUE(EnterInputs(dewPoint.inputs));
    ASSERT_TRUE(Compute());
    ASSERT_TRUE(TypeInto(Unit(MainUnit::KnownValue), "-40"));
    ASSERT_TRUE(ChooseItem(Unit(MainUnit::KnownQuantity), 1));
    ExpectResults(dewPoint.results);
}

// The captions that can stand beside 编辑框1, one per quantity.
constexpr MainUnit kKnownCaptions[] = {MainUnit::RelativeHumidityCaption, MainUnit::DewPointCaption,
                                       MainUnit::AbsoluteHumidityCaption,
                                       MainUnit::MixingRatioCaption, MainUnit::VolumeRatioCaption};

// The caption of each item of 组合框1.
constexpr std::pair<int, MainUnit> kCaptionOfItem[] = {
    {0, MainUnit::DewPointCaption},          // "℃ td": "露  点："
    {1, MainUnit::RelativeHumidityCaption},  // "%": "相对湿度："
    {2, MainUnit::VolumeRatioCaption},       // "ppm": "体积比："
    {3, MainUnit::AbsoluteHumidityCaption},  // "g/m3": "绝对湿度："
    {4, MainUnit::AbsoluteHumidityCaption},  // "mg/m3": "绝对湿度："
    {5, MainUnit::MixingRatioCaption},       // "g/Kg": "混和比："
};

std::vector<uint32_t> ShownCaptions() {
    std::vector<uint32_t> shown;
    for (MainUnit caption : kKnownCaptions) {
        const QWidget* label = Control(Unit(caption));
        if (label != nullptr && label->isVisible()) shown.push_back(Unit(caption));
    }
    return shown;
}

std::vector<uint32_t> CaptionsVisibleByProperty() {
    std::vector<uint32_t> visible;
    for (MainUnit caption : kKnownCaptions) {
        if (PropertyWord(Unit(caption), int32_t(engine::LabelProperty::Visible)) != 0) {
            visible.push_back(Unit(caption));
        }
    }
    return visible;
}

TEST(StartTest, CaptionBesideTheKnownValueMatchesTheFirstItem) {
    const StartView& start = ProgramStartView();
    ASSERT_EQ(start.knownQuantity, 0);
    EXPECT_EQ(start.shownKnownCaptions, std::vector<uint32_t>{Unit(MainUnit::DewPointCaption)});
}

TEST_F(ProgramTest, CaptionFollowsEveryChosenItem) {
    ASSERT_TRUE(ShowPage(0));
    for (const auto& [item, caption] : kCaptionOfItem) {
        SCOPED_TRACE(item);
        ASSERT_TRUE(ChooseItem(Unit(MainUnit::KnownQuantity), item));
        EXPECT_EQ(ShownCaptions(), std::vector<uint32_t>{Unit(caption)});
        EXPECT_EQ(CaptionsVisibleByProperty(), std::vector<uint32_t>{Unit(caption)});
    }
}

TEST_F(ProgramTest, MilligramsAfterGramsKeepsTheAbsoluteHumidityCaption) {
    ASSERT_TRUE(ShowPage(0));
    ASSERT_TRUE(ChooseItem(Unit(MainUnit::KnownQuantity), 3));
    ASSERT_TRUE(ChooseItem(Unit(MainUnit::KnownQuantity), 4));
    EXPECT_EQ(ShownCaptions(), std::vector<uint32_t>{Unit(MainUnit::AbsoluteHumidityCaption)});
}

}  // namespace
}  // namespace gui_testing
