// The rule that names an edit box after the labels on its row, on layouts
// shaped like the rows of the program's windows.

#include "controls/accessible_names.h"

#include <gtest/gtest.h>

#include <QString>
#include <ostream>
#include <vector>

namespace controls {
namespace {

RowNeighbour Label(int left, int top, int width, int height, const char* caption) {
    return {QRect(left, top, width, height), true, QString::fromUtf8(caption)};
}

RowNeighbour Other(int left, int top, int width, int height) {
    return {QRect(left, top, width, height), false, QString()};
}

struct NameCase {
    const char* name;
    QRect box;
    std::vector<controls::RowNeighbour> neighbours;
    const char* expected;
};

// Test names carry the row's name; the row itself is not printed.
void PrintTo(const NameCase& row, std::ostream* out) {
    *out << row.name;
}

class EditBoxNameTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(EditBoxNameTest, NamesTheBoxAfterItsRow) {
    const NameCase& row = GetParam();
    EXPECT_EQ(controls::EditBoxName(row.box, row.neighbours).toStdString(), row.expected);
}

// A result row: caption, box, unit, with the rows above and below.
const std::vector<controls::RowNeighbour> kResultRows = {
    Label(16, 24, 72, 24, "相对湿度："),  Label(256, 24, 40, 24, "%"), Other(152, 60, 96, 24),
    Label(16, 60, 88, 24, "露点/霜点："), Label(256, 60, 40, 24, "℃"),
};

INSTANTIATE_TEST_SUITE_P(
    Rows, EditBoxNameTest,
    ::testing::Values(
        NameCase{"CaptionOnTheLeftAndUnitOnTheRight", QRect(152, 24, 96, 24), kResultRows,
                 "相对湿度 %"},
        NameCase{"AControlOnTheRightLeavesTheCaptionAlone",
                 QRect(168, 16, 80, 24),
                 {Label(48, 16, 80, 24, "露  点："), Other(256, 16, 80, 24)},
                 "露 点"},
        NameCase{"AButtonBetweenTheBoxAndALabelHidesTheLabel",
                 QRect(192, 40, 160, 40),
                 {Label(40, 44, 120, 32, "巴(bar)"), Other(400, 40, 104, 40),
                  Label(420, 48, 64, 24, "换算")},
                 "巴(bar)"},
        NameCase{"ARaisedExponentBesideTheUnitNameLosesToIt",
                 QRect(192, 252, 160, 40),
                 {Label(24, 256, 120, 32, "公斤力/厘米"), Label(144, 256, 16, 16, "2")},
                 "公斤力/厘米"},
        NameCase{"AnExponentOverTheUnitNameLosesToIt",
                 QRect(192, 360, 160, 40),
                 {Label(40, 364, 120, 32, "磅/英寸  (PSI)"), Label(104, 368, 16, 16, "2")},
                 "磅/英寸 (PSI)"},
        NameCase{"OfTwoLabelsEquallyCentredTheNearerCounts",
                 QRect(152, 24, 96, 24),
                 {Label(8, 24, 40, 24, "远"), Label(64, 24, 40, 24, "近")},
                 "近"},
        NameCase{"ALabelWithoutCaptionIsPassedOver",
                 QRect(152, 24, 96, 24),
                 {Label(16, 24, 72, 24, "蒸汽压："), Label(120, 24, 24, 24, "")},
                 "蒸汽压"},
        NameCase{"ALabelOnlyOnTheRightIsTheName",
                 QRect(152, 24, 96, 24),
                 {Label(256, 24, 40, 24, "pa")},
                 "pa"},
        NameCase{"ATrailingAsciiColonGoesToo",
                 QRect(152, 24, 96, 24),
                 {Label(16, 24, 72, 24, "Dew point:")},
                 "Dew point"},
        NameCase{"LabelsOfOtherRowsDoNotCount",
                 QRect(152, 320, 96, 24),
                 {Label(16, 280, 72, 24, "蒸汽压："), Label(256, 360, 40, 24, "pa")},
                 ""},
        NameCase{"LabelsInsideTheBoxSpanDoNotCount",
                 QRect(8, 8, 336, 304),
                 {Label(24, 152, 128, 24, "衡朴科技有限公司")},
                 ""}),
    [](const ::testing::TestParamInfo<NameCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace controls
