// The pressure page: conversions with their decimals, and the highlight of
// the focused row.

#include <array>
#include <optional>
#include <ostream>
#include <string>

#include "handler_fixture.h"

namespace engine::testing {
namespace {

using M = MainUnit;

constexpr int32_t kRed = 255;
constexpr int32_t kBlue = 16711680;

// The texts of the seven boxes top to bottom after a conversion; the source
// row holds what was typed.
struct ConversionCase {
    const char* name;
    Procedure convert;
    std::size_t sourceRow;
    const char* typed;
    std::array<const char*, 7> shown;
};

void PrintTo(const ConversionCase& c, std::ostream* out) {
    *out << c.name;
}

const ConversionCase kConversionCases[] = {
    {"OneBarGivesMpaWithFiveDecimals",
     Procedure::ConvertBarRow,
     0,
     "1",
     {"1", "0.10000", "100.0000", "0.9869", "1.0197", "750.0617", "14.5038"}},
    {"OneMpa",
     Procedure::ConvertMpaRow,
     1,
     "1",
     {"10.00000", "1", "1000.0000", "9.8692", "10.1972", "7500.6168", "145.0377"}},
    {"OneKpa",
     Procedure::ConvertKpaRow,
     2,
     "1",
     {"0.01000", "0.0010", "1", "0.0099", "0.0102", "7.5006", "0.1450"}},
    {"OneAtmosphere",
     Procedure::ConvertAtmRow,
     3,
     "1",
     {"1.01325", "0.1013", "101.3250", "1", "1.0332", "760.0000", "14.6959"}},
    {"OneKgfPerSquareCentimetre",
     Procedure::ConvertKgfRow,
     4,
     "1",
     {"0.98067", "0.0981", "98.0665", "0.9678", "1", "735.5592", "14.2233"}},
    {"OneMmHg",
     Procedure::ConvertMmHgRow,
     5,
     "1",
     {"0.00133", "0.0001", "0.1333", "0.0013", "0.0014", "1", "0.0193"}},
    {"OnePsi",
     Procedure::ConvertPsiRow,
     6,
     "1",
     {"0.06895", "0.0069", "6.8948", "0.0680", "0.0703", "51.7149", "1"}},
    {"NegativeValuesConvertAsTheyAre",
     Procedure::ConvertAtmRow,
     3,
     "-2.5",
     {"-2.53313", "-0.2533", "-253.3125", "-2.5", "-2.5831", "-1900.0000", "-36.7399"}},
    // The stored kPa row is not derived from the MPa row: 7.50061683, not
    // 7.50061682704, shows in the last decimals.
    {"KpaRowUsesItsOwnStoredFactors",
     Procedure::ConvertKpaRow,
     2,
     "1000000",
     {"10000.00000", "1000.0000", "1000000", "9869.2300", "10197.1600", "7500616.8300",
      "145037.7400"}},
    {"EmptyInputReadsAsZero",
     Procedure::ConvertPsiRow,
     6,
     "",
     {"0.00000", "0.0000", "0.0000", "0.0000", "0.0000", "0.0000", ""}},
};

class PressureConversions : public HandlerTest,
                            public ::testing::WithParamInterface<ConversionCase> {};

TEST_P(PressureConversions, WriteTheOtherSixRowsInRowOrder) {
    const ConversionCase& c = GetParam();
    M source = kPressureRowBoxes[c.sourceRow];
    window_.SetText(source, c.typed);
    Run(c.convert);
    for (std::size_t row = 0; row < 7; ++row) {
        EXPECT_EQ(window_.Text(kPressureRowBoxes[row]), c.shown[row]) << "row " << row;
    }
    std::vector<M> expectedOrder;
    for (M box : kPressureRowBoxes) {
        if (box != source) expectedOrder.push_back(box);
    }
    EXPECT_EQ(WrittenUnits(), expectedOrder);
}

INSTANTIATE_TEST_SUITE_P(Rows, PressureConversions, ::testing::ValuesIn(kConversionCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct FocusRow {
    Procedure focus;
    M unitLabel;
    std::optional<M> exponentLabel;
    M maskLabel;
};

const FocusRow kFocusRows[] = {
    {Procedure::FocusBarRow, M::BarName, std::nullopt, M::BarMask},
    {Procedure::FocusMpaRow, M::MpaName, std::nullopt, M::MpaMask},
    {Procedure::FocusKpaRow, M::KpaName, std::nullopt, M::KpaMask},
    {Procedure::FocusAtmRow, M::AtmName, std::nullopt, M::AtmMask},
    {Procedure::FocusKgfRow, M::KgfName, M::KgfExponent, M::KgfMask},
    {Procedure::FocusMmHgRow, M::MmHgName, std::nullopt, M::MmHgMask},
    {Procedure::FocusPsiRow, M::PsiName, M::PsiExponent, M::PsiMask},
};

class PressureFocus : public HandlerTest {
protected:
    // Only the focused row is red and uncovered.
    void ExpectHighlighted(const FocusRow& active) {
        for (const FocusRow& row : kFocusRows) {
            bool isActive = row.unitLabel == active.unitLabel;
            int32_t colour = isActive ? kRed : kBlue;
            EXPECT_EQ(window_.Int(row.unitLabel, kTextColour), colour);
            if (row.exponentLabel) {
                EXPECT_EQ(window_.Int(*row.exponentLabel, kTextColour), colour);
            }
            EXPECT_EQ(window_.Int(row.maskLabel, kVisible), isActive ? 0 : 1);
        }
    }
};

TEST_F(PressureFocus, EachRowPaintsItselfRedAndUncoversItsButton) {
    for (const FocusRow& row : kFocusRows) {
        window_.ClearRecords();
        Run(row.focus);
        ExpectHighlighted(row);
        // Nine colours and seven mask states, nothing converted.
        EXPECT_EQ(window_.Writes().size(), 16u);
    }
}

TEST_F(PressureFocus, KgfThenBarMovesTheHighlight) {
    Run(Procedure::FocusKgfRow);
    EXPECT_EQ(window_.Int(M::KgfName, kTextColour), kRed);
    EXPECT_EQ(window_.Int(M::KgfExponent, kTextColour), kRed);
    EXPECT_EQ(window_.Int(M::KgfMask, kVisible), 0);
    Run(Procedure::FocusBarRow);
    EXPECT_EQ(window_.Int(M::KgfName, kTextColour), kBlue);
    EXPECT_EQ(window_.Int(M::KgfExponent, kTextColour), kBlue);
    EXPECT_EQ(window_.Int(M::BarName, kTextColour), kRed);
    EXPECT_EQ(window_.Int(M::BarMask, kVisible), 0);
    EXPECT_EQ(window_.Int(M::KgfMask, kVisible), 1);
}

}  // namespace
}  // namespace engine::testing
