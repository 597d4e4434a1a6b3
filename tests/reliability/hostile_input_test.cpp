// Hostile texts in every input box of the main window: written through the
// service table (the digit-only boxes would filter them if typed) and, for a
// sample, typed through the keyboard. After each click the program must
// still run and every result box must show the text worked out
// independently from the input box's text.
//
// The sweeps click with QAbstractButton::click, which raises the same
// clicked event as a mouse click without the round trip through the window
// system; the scripted session of the leak check clicks through the window.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QElapsedTimer>
#include <cstdio>

#include "runtime/gbk.h"
#include "tests/reliability/expected_outputs.h"
#include "tests/reliability/hostile_corpus.h"
#include "tests/reliability/program_session.h"

namespace reliability {
namespace {

constexpr int32_t kSelection = int32_t(engine::ComboBoxProperty::Selection);
constexpr int32_t kSelected = int32_t(engine::RadioButtonProperty::Selected);
constexpr int32_t kModeCount = 6;
constexpr int32_t kUnitCount = 4;
constexpr size_t kMinimumCorpusSize = 200;
constexpr size_t kFailuresShown = 12;

// The texts the form template puts into the humidity inputs.
const std::string kDefaultKnown = "10";
const std::string kDefaultTemperature = "20";
const std::string kDefaultGauge = "0.3";

std::string Hex(MainUnit unit) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08x", unsigned(unit));
    return text;
}

// Counts the results compared and keeps the first mismatches for the report.
class Comparison {
public:
    void Check(const std::vector<ShownText>& expected, const std::string& context) {
        for (const ShownText& shown : expected) {
            const std::string actual = BoxText(shown.box);
            ++compared_;
            if (actual == shown.text) continue;
            if (failures_.size() < kFailuresShown) {
                failures_.push_back(context + ": box " + Hex(shown.box) + " shows \"" +
                                    runtime::GbkToUtf8(actual).substr(0, 40) + "\", expected \"" +
                                    runtime::GbkToUtf8(shown.text).substr(0, 40) + "\"");
            }
            ++mismatches_;
        }
    }

    size_t compared() const { return compared_; }
    size_t mismatches() const { return mismatches_; }
    std::string Report() const {
        std::string report;
        for (const std::string& failure : failures_) report += failure + "\n";
        return report;
    }

private:
    size_t compared_ = 0;
    size_t mismatches_ = 0;
    std::vector<std::string> failures_;
};

void Click(MainUnit button) {
    QAbstractButton* control = Button(button);
    ASSERT_NE(control, nullptr);
    control->click();
}

void ClickCompute() {
    QAbstractButton* control = Button(MainUnit::ComputeButton);
    ASSERT_NE(control, nullptr);
    control->click();
}

void SetSelections(const HumidityInputs& inputs) {
    WriteNumber(MainUnit::KnownQuantity, kSelection, inputs.mode);
    WriteNumber(MainUnit::GaugePressureUnit, kSelection, inputs.unit);
    const MainUnit chosen = inputs.direction == Direction::CurrentToStandard
                                ? MainUnit::PresentToStandard
                                : MainUnit::StandardToPresent;
    WriteNumber(chosen, kSelected, 1);
}

// Calls `action` with the inputs set to every mode, unit and direction in
// turn; the texts of `inputs` stay as they are.
template <typename Action>
void ForEverySelection(HumidityInputs inputs, const Action& action) {
    for (inputs.mode = 0; inputs.mode < kModeCount; ++inputs.mode) {
        for (inputs.unit = 0; inputs.unit < kUnitCount; ++inputs.unit) {
            for (Direction direction :
                 {Direction::CurrentToStandard, Direction::StandardToCurrent}) {
                inputs.direction = direction;
                SetSelections(inputs);
                action(inputs);
            }
        }
    }
}

std::string DescribeSelection(const HumidityInputs& inputs) {
    const bool toStandard = inputs.direction == Direction::CurrentToStandard;
    return " mode " + std::to_string(inputs.mode) + " unit " + std::to_string(inputs.unit) +
           (toStandard ? " to standard" : " from standard");
}

// The three humidity inputs, and where a swept text goes among them.
struct HumidityBox {
    MainUnit box;
    std::string HumidityInputs::*text;
};

constexpr HumidityBox kHumidityBoxes[] = {
    {MainUnit::KnownValue, &HumidityInputs::known},
    {MainUnit::GasTemperature, &HumidityInputs::temperature},
    {MainUnit::GaugePressure, &HumidityInputs::gauge},
};

HumidityInputs DefaultInputs() {
    return {.known = kDefaultKnown, .temperature = kDefaultTemperature, .gauge = kDefaultGauge};
}

void ResetHumidityInputs() {
    SetBoxText(MainUnit::KnownValue, kDefaultKnown);
    SetBoxText(MainUnit::GasTemperature, kDefaultTemperature);
    SetBoxText(MainUnit::GaugePressure, kDefaultGauge);
}

std::string Context(MainUnit box, const std::string& textName) {
    return "box " + Hex(box) + " text " + textName;
}

// One text in one box, the other two at their defaults, clicked in every
// mode, unit and direction. The text is written once: a 10,000-character
// text costs far more to lay out than a click costs to handle.
void SweepHumidityText(const HumidityBox& input, const HostileText& text, Comparison& comparison) {
    SetBoxText(input.box, text.gbk);
    HumidityInputs inputs = DefaultInputs();
    inputs.*input.text = HeldText(text.gbk);
    const std::string context = Context(input.box, text.name);
    ForEverySelection(inputs, [&](const HumidityInputs& selected) {
        ClickCompute();
        comparison.Check(ExpectedHumidityResults(selected), context + DescribeSelection(selected));
    });
    comparison.Check({{input.box, inputs.*input.text}}, context + " (the input itself)");
}

// One text in one pressure row, converted in every mode, unit and
// direction of the humidity page, which the conversion must ignore.
void SweepPressureText(size_t row, const HostileText& text, Comparison& comparison) {
    const MainUnit box = kPressureBoxes[row];
    SetBoxText(box, text.gbk);
    const std::string held = HeldText(text.gbk);
    const std::vector<ShownText> expected = ExpectedPressureResults(row, held);
    const std::string context = Context(box, text.name);
    ForEverySelection(DefaultInputs(), [&](const HumidityInputs& selected) {
        Click(kPressureButtons[row]);
        comparison.Check(expected, context + DescribeSelection(selected));
    });
    comparison.Check({{box, held}}, context + " (the source box)");
}

TEST(HostileInput, TheCorpusHoldsAtLeastTwoHundredTexts) {
    EXPECT_GE(HostileTexts().size(), kMinimumCorpusSize);
}

TEST(HostileInput, EveryInputBoxHoldsTheTextWrittenSaveLineFeedsAndUndecodableBytes) {
    std::vector<MainUnit> boxes(kPressureBoxes.begin(), kPressureBoxes.end());
    for (const HumidityBox& input : kHumidityBoxes) boxes.push_back(input.box);
    Comparison comparison;
    for (MainUnit box : boxes) {
        for (const HostileText& text : HostileTexts()) {
            SetBoxText(box, text.gbk);
            comparison.Check({{box, HeldText(text.gbk)}}, Context(box, text.name));
        }
    }
    EXPECT_EQ(comparison.mismatches(), 0u) << comparison.Report();
}

TEST(HostileInput, HumidityInputsShowTheDefinedTextsInEveryModeUnitAndDirection) {
    QElapsedTimer clock;
    clock.start();
    Comparison comparison;
    for (const HumidityBox& input : kHumidityBoxes) {
        ResetHumidityInputs();
        for (const HostileText& text : HostileTexts()) {
            SweepHumidityText(input, text, comparison);
        }
    }
    ResetHumidityInputs();
    std::printf("humidity sweep: %zu texts in 3 boxes, %zu results compared in %lld ms\n",
                HostileTexts().size(), comparison.compared(),
                static_cast<long long>(clock.elapsed()));
    EXPECT_EQ(comparison.mismatches(), 0u) << comparison.Report();
}

TEST(HostileInput, PressureRowsShowTheDefinedTextsWhateverTheHumidityPageSelects) {
    QElapsedTimer clock;
    clock.start();
    Comparison comparison;
    for (size_t row = 0; row < kPressureRowCount; ++row) {
        for (const HostileText& text : HostileTexts()) SweepPressureText(row, text, comparison);
    }
    std::printf("pressure sweep: %zu texts in 7 boxes, %zu results compared in %lld ms\n",
                HostileTexts().size(), comparison.compared(),
                static_cast<long long>(clock.elapsed()));
    EXPECT_EQ(comparison.mismatches(), 0u) << comparison.Report();
}

// Typed texts, UTF-8; each is typed into every input box.
const char* const kTypedTexts[] = {
    "1a2.5e3",
    "-40",
    "１２．５",
    "+5",
    "1e400",
    " 7",
    "--3",
    "abc",
    "0.3.3",
    "nan",
    "-1e-400",
    "12.5℃",
    "1,5",
    "-.5",
    "　－１．５ｅ３",
    "99999999999999999999999",
};

// What a box of input mode 4 keeps of a typed text: ASCII digits, "-" and ".".
std::string DecimalCharacters(const std::string& typed) {
    std::string kept;
    for (char c : typed) {
        if ((c >= '0' && c <= '9') || c == '-' || c == '.') kept += c;
    }
    return kept;
}

void TypeText(MainUnit box, const char* utf8) {
    SetBoxText(box, "");
    TypeInto(Control(box), QString::fromUtf8(utf8));
}

TEST(HostileInput, TypedTextsPassTheBoxFiltersAndShowTheDefinedTexts) {
    Comparison comparison;
    size_t sample = 0;
    for (const HumidityBox& input : kHumidityBoxes) {
        for (const char* typed : kTypedTexts) {
            ResetHumidityInputs();
            TypeText(input.box, typed);
            HumidityInputs inputs = DefaultInputs();
            inputs.*input.text = runtime::Utf8ToGbk(typed);
            inputs.mode = int32_t(sample % kModeCount);
            inputs.unit = int32_t(sample % kUnitCount);
            inputs.direction =
                sample % 2 == 0 ? Direction::CurrentToStandard : Direction::StandardToCurrent;
            ++sample;
            SetSelections(inputs);
            const std::string context = Context(input.box, typed);
            comparison.Check({{input.box, inputs.*input.text}}, context + " (typed)");
            ClickCompute();
            comparison.Check(ExpectedHumidityResults(inputs), context);
        }
    }
    ResetHumidityInputs();
    for (size_t row = 0; row < kPressureRowCount; ++row) {
        for (const char* typed : kTypedTexts) {
            TypeText(kPressureBoxes[row], typed);
            const std::string kept = DecimalCharacters(typed);
            const std::string context = Context(kPressureBoxes[row], typed);
            comparison.Check({{kPressureBoxes[row], kept}}, context + " (typed)");
            Click(kPressureButtons[row]);
            comparison.Check(ExpectedPressureResults(row, kept), context);
        }
    }
    EXPECT_EQ(comparison.mismatches(), 0u) << comparison.Report();
}

}  // namespace
}  // namespace reliability
