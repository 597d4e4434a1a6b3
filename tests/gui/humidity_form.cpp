#include "tests/gui/humidity_form.h"

#include "tests/gui/user.h"

namespace gui_testing {
namespace {

using engine::MainUnit;

constexpr int kHumidityPage = 0;
constexpr int kMegapascal = 0;
constexpr char kComputeButton[] = "按钮1";

}  // namespace

const std::array<ResultBox, kResultCount> kResultBoxes = {{
    {MainUnit::EditBox2, "编辑框2"},
    {MainUnit::EditBox5, "编辑框5"},
    {MainUnit::EditBox6, "编辑框6"},
    {MainUnit::EditBox7, "编辑框7"},
    {MainUnit::EditBox8, "编辑框8"},
    {MainUnit::EditBox9, "编辑框9"},
    {MainUnit::EditBox10, "编辑框10"},
    {MainUnit::EditBox11, "编辑框11"},
    {MainUnit::EditBox29, "编辑框29"},
    {MainUnit::EditBox19, "编辑框19"},
    {MainUnit::EditBox18, "编辑框18"},
    {MainUnit::EditBox17, "编辑框17"},
    {MainUnit::EditBox16, "编辑框16"},
    {MainUnit::EditBox15, "编辑框15"},
    {MainUnit::EditBox14, "编辑框14"},
    {MainUnit::EditBox13, "编辑框13"},
    {MainUnit::EditBox12, "编辑框12"},
    {MainUnit::EditBox30, "编辑框30"},
}};

::testing::AssertionResult EnterInputs(const HumidityInputs& inputs) {
    const MainUnit radio = inputs.direction == Direction::CurrentToStandard
                               ? MainUnit::RadioButton1
                               : MainUnit::RadioButton2;
    ::testing::AssertionResult done = ShowPage(kHumidityPage);
    if (done) done = ChooseItem(Unit(MainUnit::ComboBox1), inputs.knownQuantity);
    if (done) done = TypeInto(Unit(MainUnit::EditBox1), inputs.value);
    if (done) done = TypeInto(Unit(MainUnit::EditBox3), inputs.temperature);
    if (done) done = Click(Unit(radio));
    if (done) done = ChooseItem(Unit(MainUnit::ComboBox2), kMegapascal);
    if (done) done = TypeInto(Unit(MainUnit::EditBox4), inputs.gauge);
    return done;
}

::testing::AssertionResult Compute() {
    return Click(UnitNamed(kMainWindow, kComputeButton));
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
