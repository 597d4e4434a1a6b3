#include "tests/gui/humidity_form.h"

#include "tests/gui/user.h"

namespace gui_testing {
namespace {

using engine::MainUnit;

constexpr int kHumidityPage = 0;
constexpr int kMegapascal = 0;

}  // namespace

const std::array<ResultBox, kResultCount> kResultBoxes = {{
    {MainUnit::RelativeHumidity, "编辑框2"},
    {MainUnit::DewPoint, "编辑框5"},
    {MainUnit::VolumeRatio, "编辑框6"},
    {MainUnit::AbsoluteHumidityGrams, "编辑框7"},
    {MainUnit::AbsoluteHumidityMilligrams, "编辑框8"},
    {MainUnit::MixingRatio, "编辑框9"},
    {MainUnit::SaturationVapourPressure, "编辑框10"},
    {MainUnit::VapourPressure, "编辑框11"},
    {MainUnit::SupercooledDewPoint, "编辑框29"},
    {MainUnit::RelativeHumidityAfterConversion, "编辑框19"},
    {MainUnit::DewPointAfterConversion, "编辑框18"},
    {MainUnit::VolumeRatioAfterConversion, "编辑框17"},
    {MainUnit::AbsoluteHumidityGramsAfterConversion, "编辑框16"},
    {MainUnit::AbsoluteHumidityMilligramsAfterConversion, "编辑框15"},
    {MainUnit::MixingRatioAfterConversion, "编辑框14"},
    {MainUnit::SaturationVapourPressureAfterConversion, "编辑框13"},
    {MainUnit::VapourPressureAfterConversion, "编辑框12"},
    {MainUnit::SupercooledDewPointAfterConversion, "编辑框30"},
}};

::testing::AssertionResult EnterInputs(const HumidityInputs& inputs) {
    const MainUnit radio = inputs.direction == Direction::CurrentToStandard
                               ? MainUnit::PresentToStandard
                               : MainUnit::StandardToPresent;
    ::testing::AssertionResult done = ShowPage(kHumidityPage);
    if (done) done = ChooseItem(Unit(MainUnit::KnownQuantity), inputs.knownQuantity);
    if (done) done = TypeInto(Unit(MainUnit::KnownValue), inputs.value);
    if (done) done = TypeInto(Unit(MainUnit::GasTemperature), inputs.temperature);
    if (done) done = Click(Unit(radio));
    if (done) done = ChooseItem(Unit(MainUnit::GaugePressureUnit), kMegapascal);
    if (done) done = TypeInto(Unit(MainUnit::GaugePressure), inputs.gauge);
    return done;
}

::testing::AssertionResult Compute() {
    return Click(Unit(MainUnit::ComputeButton));
}

void ExpectResults(const ResultTexts& expected) {
    const auto content = int32_t(engine::EditBoxProperty::Content);
    for (size_t i = 0; i < kResultCount; ++i) {
        const uint32_t box = Unit(kResultBoxes[i].unit);
        SCOPED_TRACE(kResultBoxes[i].name);
        EXPECT_EQ(ShownText(box).toStdString(), expected[i]);
        EXPECT_EQ(PropertyText(box, content).toStdString(), expected[i]);
    }
}

}  // namespace gui_testing
