#include "cli/conversions.h"

#include "cli/box_text.h"
#include "engine/handlers.h"
#include "runtime/convert.h"

namespace cli {
namespace {

using engine::MainUnit;

constexpr int32_t kSelection = static_cast<int32_t>(engine::ComboBoxProperty::Selection);
constexpr int32_t kSelected = static_cast<int32_t>(engine::RadioButtonProperty::Selected);

void SetDirection(WindowProperties& window, Direction direction) {
    window.SetInt(MainUnit::PresentToStandard, kSelected, direction == Direction::ToStandard);
    window.SetInt(MainUnit::StandardToPresent, kSelected, direction == Direction::FromStandard);
}

constexpr double kAbsoluteZero = -273.15;  // ℃

// The engine's own reading of an edit box's text.
double BoxNumber(const std::string& gbk) {
    return runtime::ParseNumber(runtime::FoldFullWidth(gbk));
}

// Judged on the engine's variables after the conversion: the vapour
// pressure against the saturation pressure, and the pressure ratio.
ImpossibleInputs JudgeInputs(const HumidityInputs& inputs) {
    const engine::HumidityVariables& vars = engine::Humidity();
    return {BoxNumber(inputs.temperature) < kAbsoluteZero, vars.e > vars.es, vars.k < 0.0};
}

}  // namespace

HumidityTexts HumidityConverter::Convert(const HumidityInputs& inputs) {
    window_.SetInt(MainUnit::KnownQuantity, kSelection, inputs.mode);
    window_.SetText(MainUnit::KnownValue, inputs.value);
    window_.SetText(MainUnit::GasTemperature, inputs.temperature);
    window_.SetText(MainUnit::GaugePressure, inputs.pressure);
    window_.SetInt(MainUnit::GaugePressureUnit, kSelection, inputs.gaugeUnit);
    SetDirection(window_, inputs.direction);
    engine::Humidity() = {};
    window_.Run(engine::ConvertHumidity);
    impossible_ = JudgeInputs(inputs);
    HumidityTexts texts;
    for (std::size_t i = 0; i < kResultCount; ++i) {
        texts[i] = ShownText(window_.Text(ResultFields()[i].box));
    }
    return texts;
}

PressureTexts ConvertPressure(const std::string& value, const PressureUnit& unit) {
    WindowProperties window;
    window.SetText(unit.editBox, value);
    window.Run(unit.convert);
    PressureTexts texts;
    for (std::size_t i = 0; i < kPressureUnitCount; ++i) {
        texts[i] = ShownText(window.Text(PressureUnits()[i].editBox));
    }
    return texts;
}

}  // namespace cli
