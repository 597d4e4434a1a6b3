#include "tests/gui/pressure_rows.h"

#include "tests/gui/user.h"

namespace gui_testing {
namespace {

using engine::MainUnit;

struct RowUnits {
    MainUnit editBox;
    MainUnit button;
    const char* name;
};

constexpr RowUnits kRows[kPressureRowCount] = {
    {MainUnit::EditBox20, MainUnit::Button3, "bar row, 编辑框20"},
    {MainUnit::EditBox21, MainUnit::Button4, "MPa row, 编辑框21"},
    {MainUnit::EditBox22, MainUnit::Button5, "kPa row, 编辑框22"},
    {MainUnit::EditBox23, MainUnit::Button6, "atm row, 编辑框23"},
    {MainUnit::EditBox24, MainUnit::Button7, "kgf/cm2 row, 编辑框24"},
    {MainUnit::EditBox25, MainUnit::Button8, "mmHg row, 编辑框25"},
    {MainUnit::EditBox26, MainUnit::Button9, "PSI row, 编辑框26"},
};

}  // namespace

::testing::AssertionResult ConvertTyped(PressureRow row, const QString& text) {
    const RowUnits& units = kRows[size_t(row)];
    ::testing::AssertionResult done = TypeInto(Unit(units.editBox), text);
    if (done) done = Click(Unit(units.button));
    return done;
}

void ExpectRows(const std::array<const char*, kPressureRowCount>& shown) {
    const auto content = int32_t(engine::EditBoxProperty::Content);
    for (size_t i = 0; i < kPressureRowCount; ++i) {
        SCOPED_TRACE(kRows[i].name);
        EXPECT_EQ(ShownText(Unit(kRows[i].editBox)).toStdString(), shown[i]);
        EXPECT_EQ(PropertyText(Unit(kRows[i].editBox), content).toStdString(), shown[i]);
    }
}

}  // namespace gui_testing
