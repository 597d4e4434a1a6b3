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
    {MainUnit::BarValue, MainUnit::BarButton, "bar row, 编辑框20"},
    {MainUnit::MpaValue, MainUnit::MpaButton, "MPa row, 编辑框21"},
    {MainUnit::KpaValue, MainUnit::KpaButton, "kPa row, 编辑框22"},
    {MainUnit::AtmValue, MainUnit::AtmButton, "atm row, 编辑框23"},
    {MainUnit::KgfValue, MainUnit::KgfButton, "kgf/cm2 row, 编辑框24"},
    {MainUnit::MmHgValue, MainUnit::MmHgButton, "mmHg row, 编辑框25"},
    {MainUnit::PsiValue, MainUnit::PsiButton, "PSI row, 编辑框26"},
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
