#include "cli/facts/conversions.h"

#include <algorithm>
#include <limits>

#include "cli/text/box_text.h"
#include "cli/text/messages.h"
#include "engine/handlers.h"
#include "runtime/convert.h"

namespace cli {
namespace {

using engine::MainUnit;

constexpr int32_t kSelection = static_cast<int32_t>(engine::ComboBoxProperty::Selection);
constexpr int32_t kSelected = static_cast<int32_t>(engine::RadioButtonProperty::Selected);

void SetDirection(engine::MemoryWindow& window, Direction direction) {
    window.SetInt(MainUnit::PresentToStandard, kSelected, direction == Direction::ToStandard);
    window.SetInt(MainUnit::StandardToPresent, kSelected, direction == Direction::FromStandard);
}

constexpr double kAbsoluteZero = -273.15;  // ℃

// The engine's own reading of an edit box's text.
double BoxNumber(const std::string& gbk) {
    return runtime::ParseNumber(runtime::FoldFullWidth(gbk));
}

// Whether the engine reads the text as a temperature below absolute zero.
// Only a text with a minus sign (or a full-width character, which may be
// one) can be; the others are not parsed again, which keeps a batch row's
// cost.
bool BelowAbsoluteZero(const std::string& gbk) {
    bool mayBeNegative = std::ranges::any_of(
        gbk, [](char c) { return c == '-' || static_cast<unsigned char>(c) >= 0x80; });
    return mayBeNegative && BoxNumber(gbk) < kAbsoluteZero;
}

// Judged on the engine's variables after the conversion: the vapour
// pressure against the saturation pressure, and the pressure ratio.
ImpossibleInputs JudgeInputs(const HumidityInputs& inputs) {
    const engine::HumidityVariables& vars = engine::Humidity();
    return {BelowAbsoluteZero(inputs.temperature), vars.e > vars.es, vars.k < 0.0};
}

// A dew point box's number; the words of a dew point that is not finite
// ("nan", "inf") read as NaN rather than as the 0 the engine would make of
// them, so that they meet no class.
double ShownNumber(const std::string& gbk) {
    return IsNumberText(gbk) ? BoxNumber(gbk) : std::numeric_limits<double>::quiet_NaN();
}

engine::PressureDewPointClass ClassOf(const engine::MemoryWindow& window,
                                      const HumidityInputs& inputs) {
    std::optional<engine::PressureDirection> direction;
    if (inputs.pressureGiven) {
        direction = inputs.direction == Direction::ToStandard
                        ? engine::PressureDirection::CurrentToStandard
                        : engine::PressureDirection::StandardToCurrent;
    }
    return engine::ClassifyPressureDewPoint(
        direction, ShownNumber(window.Text(MainUnit::DewPoint)),
        ShownNumber(window.Text(MainUnit::DewPointAfterConversion)));
}

}  // namespace

std::vector<Message> ImpossibleInputs::Messages() const {
    std::vector<Message> found;
    if (belowAbsoluteZero) found.push_back(messages::kBelowAbsoluteZero);
    if (aboveSaturation) found.push_back(messages::kAboveSaturation);
    if (negativeAbsolutePressure) found.push_back(messages::kNegativeAbsolutePressure);
    return found;
}

HumidityTexts HumidityConverter::Convert(const HumidityInputs& inputs) {
    window_.SetInt(MainUnit::KnownQuantity, kSelection, inputs.mode);
    window_.SetText(MainUnit::KnownValue, inputs.value);
    window_.SetText(MainUnit::GasTemperature, inputs.temperature);
    window_.SetText(MainUnit::GaugePressure, inputs.pressure);
    window_.SetInt(MainUnit::GaugePressureUnit, kSelection, inputs.gaugeUnit);
    SetDirection(window_, inputs.direction);
    engine::ResetHandlerState();
    window_.Run(engine::ConvertHumidity);
    impossible_ = JudgeInputs(inputs);
    humidityClass_ = ClassOf(window_, inputs);
    HumidityTexts texts;
    for (std::size_t i = 0; i < kResultCount; ++i) {
        texts[i] = ShownText(window_.Text(ResultFields()[i].box));
    }
    return texts;
}

PressureTexts ConvertPressure(const std::string& value, const PressureUnit& unit) {
    engine::MemoryWindow window(engine::MemoryWindow::Mode::WindowDefaults);
    window.SetText(unit.editBox, value);
    window.Run(unit.convert);
    PressureTexts texts;
    for (std::size_t i = 0; i < kPressureUnitCount; ++i) {
        texts[i] = ShownText(window.Text(PressureUnits()[i].editBox));
    }
    return texts;
}

}  // namespace cli
