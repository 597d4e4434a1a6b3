#include "cli/conversions.h"

#include "cli/box_text.h"
#include "engine/handlers.h"

namespace cli {
namespace {

using engine::MainUnit;

constexpr int32_t kSelection = static_cast<int32_t>(engine::ComboBoxProperty::Selection);
constexpr int32_t kSelected = static_cast<int32_t>(engine::RadioButtonProperty::Selected);

void SetDirection(WindowProperties& window, Direction direction) {
    window.SetInt(MainUnit::PresentToStandard, kSelected, direction == Direction::ToStandard);
    window.SetInt(MainUnit::StandardToPresent, kSelected, direction == Direction::FromStandard);
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
