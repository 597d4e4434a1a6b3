// The pressure page as a user works it: a value typed into one row, that
// row's "换算" clicked, the six other rows read back; and the highlight of
// the focused row (unit names red or blue, the grey mask over the button
// hidden only in the focused row), through the service table and on pixels.

#include <gtest/gtest.h>

#include <QImage>
#include <QWidget>
#include <algorithm>
#include <array>
#include <ostream>

#include "tests/gui/fixture.h"
#include "tests/gui/pressure_rows.h"
#include "tests/gui/user.h"

namespace gui_testing {
namespace {

using engine::MainUnit;

struct ConversionCase {
    const char* name;
    PressureRow source;
    // The texts of all seven rows after the click, the source row as typed.
    std::array<const char*, kPressureRowCount> shown;
};

// A failure names the row.
void PrintTo(const ConversionCase& row, std::ostream* out) {
    *out << row.name;
}

const ConversionCase kConversionCases[] = {
    {"OneMegapascal",
     PressureRow::MPa,
     {"10.00000", "1", "1000.0000", "9.8692", "10.1972", "7500.6168", "145.0377"}},
    {"OneAtmosphere",
     PressureRow::Atm,
     {"1.01325", "0.1013", "101.3250", "1", "1.0332", "760.0000", "14.6959"}},
    {"OneBar",
     PressureRow::Bar,
     {"1", "0.10000", "100.0000", "0.9869", "1.0197", "750.0617", "14.5038"}},
};

class PressureConversionTest : public ProgramTest,
                               public ::testing::WithParamInterface<ConversionCase> {};

TEST_P(PressureConversionTest, FillsTheOtherRows) {
    ASSERT_TRUE(ShowPage(kPressurePage));
    ASSERT_TRUE(ConvertTyped(GetParam().source, "1"));
    ExpectRows(GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(QuotedValues, PressureConversionTest,
                         ::testing::ValuesIn(kConversionCases),
                         [](const auto& info) { return std::string(info.param.name); });

constexpr uint32_t kRed = uint32_t(engine::Colour::Red);
constexpr uint32_t kBlue = uint32_t(engine::Colour::Blue);
const QRgb kRedPixel = qRgb(255, 0, 0);
const QRgb kBluePixel = qRgb(0, 0, 255);

// The unit names and exponents of all rows.
constexpr MainUnit kRowLabels[] = {MainUnit::BarName, MainUnit::MpaName,     MainUnit::KpaName,
                                   MainUnit::AtmName, MainUnit::KgfName,     MainUnit::MmHgName,
                                   MainUnit::PsiName, MainUnit::KgfExponent, MainUnit::PsiExponent};
constexpr MainUnit kMaskLabels[] = {MainUnit::BarMask, MainUnit::MpaMask, MainUnit::KpaMask,
                                    MainUnit::AtmMask, MainUnit::KgfMask, MainUnit::MmHgMask,
                                    MainUnit::PsiMask};

uint32_t TextColour(MainUnit label) {
    return PropertyWord(Unit(label), int32_t(engine::LabelProperty::TextColour));
}

bool Painted(MainUnit label, QRgb colour) {
    const QImage image =
        Control(Unit(label))->grab().toImage().convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) == colour) return true;
        }
    }
    return false;
}

// Only the labels in `red` are red, on the property and on screen; every
// other row label is blue.
void ExpectRedOnly(std::initializer_list<MainUnit> red) {
    for (MainUnit label : kRowLabels) {
        const bool isRed = std::find(red.begin(), red.end(), label) != red.end();
        SCOPED_TRACE(::testing::Message() << "label unit 0x" << std::hex << Unit(label));
        EXPECT_EQ(TextColour(label), isRed ? kRed : kBlue);
        EXPECT_EQ(Painted(label, kRedPixel), isRed);
        EXPECT_EQ(Painted(label, kBluePixel), !isRed);
    }
}

// Only the mask in the focused row is hidden, on the property and on screen.
void ExpectMaskHiddenOnly(MainUnit hidden) {
    for (MainUnit mask : kMaskLabels) {
        SCOPED_TRACE(::testing::Message() << "mask unit 0x" << std::hex << Unit(mask));
        const bool shown = mask != hidden;
        EXPECT_EQ(PropertyWord(Unit(mask), int32_t(engine::LabelProperty::Visible)),
                  uint32_t(shown));
        EXPECT_EQ(Control(Unit(mask))->isVisible(), shown);
    }
}

TEST_F(ProgramTest, FocusedRowTurnsRedAndUncoversItsButton) {
    ASSERT_TRUE(ShowPage(kPressurePage));
    ASSERT_TRUE(Click(Unit(MainUnit::KgfValue)));
    ExpectRedOnly({MainUnit::KgfName, MainUnit::KgfExponent});
    ExpectMaskHiddenOnly(MainUnit::KgfMask);

    ASSERT_TRUE(Click(Unit(MainUnit::BarValue)));
    ExpectRedOnly({MainUnit::BarName});
    ExpectMaskHiddenOnly(MainUnit::BarMask);
}

}  // namespace
}  // namespace gui_testing
