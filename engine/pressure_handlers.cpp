// The pressure page: seven unit rows, each converted by its button and
// highlighted when its edit box gets the focus.

#include <array>
#include <cstddef>
#include <optional>

#include "engine/handler_support.h"
#include "engine/handlers.h"

namespace engine {
namespace {

// The rows, top to bottom; also the order in which targets are written.
enum class PressureUnit : std::size_t { Bar, Mpa, Kpa, Atm, Kgf, MmHg, Psi };
constexpr std::size_t kUnitCount = 7;

struct PressureRow {
    MainUnit editBox;
    MainUnit button;
    MainUnit unitLabel;
    std::optional<MainUnit> exponentLabel;
    MainUnit maskLabel;
    // The factor from this row's unit to each unit in row order, exactly as
    // stored; the entry of the row's own unit is never used. The rows are not
    // derived from one another.
    std::array<double, kUnitCount> factors;
};

constexpr std::array<PressureRow, kUnitCount> kRows = {{
    {MainUnit::BarValue,
     MainUnit::BarButton,
     MainUnit::BarName,
     std::nullopt,
     MainUnit::BarMask,
     {1, 0.1, 100, 0.98692327, 1.01971621, 750.061682704, 14.50377439}},
    {MainUnit::MpaValue,
     MainUnit::MpaButton,
     MainUnit::MpaName,
     std::nullopt,
     MainUnit::MpaMask,
     {10, 1, 1000, 9.86923267, 10.19716213, 7500.61682704, 145.0377439}},
    {MainUnit::KpaValue,
     MainUnit::KpaButton,
     MainUnit::KpaName,
     std::nullopt,
     MainUnit::KpaMask,
     {0.01, 0.001, 1, 0.00986923, 0.01019716, 7.50061683, 0.14503774}},
    {MainUnit::AtmValue,
     MainUnit::AtmButton,
     MainUnit::AtmName,
     std::nullopt,
     MainUnit::AtmMask,
     {1.01325, 0.101325, 101.325, 1, 1.03322745, 760, 14.6959494}},
    {MainUnit::KgfValue,
     MainUnit::KgfButton,
     MainUnit::KgfName,
     MainUnit::KgfExponent,
     MainUnit::KgfMask,
     {0.980665, 0.0980665, 98.0665, 0.96784111, 1, 735.55924007, 14.22334391}},
    {MainUnit::MmHgValue,
     MainUnit::MmHgButton,
     MainUnit::MmHgName,
     std::nullopt,
     MainUnit::MmHgMask,
     {0.00133322, 0.000133322, 0.13332237, 0.00131579, 0.00135951, 1, 0.01933678}},
    {MainUnit::PsiValue,
     MainUnit::PsiButton,
     MainUnit::PsiName,
     MainUnit::PsiExponent,
     MainUnit::PsiMask,
     {0.06894757, 0.006894757, 6.894757, 0.06804596, 0.07030695, 51.71493037, 1}},
}};

// The first target of a conversion gets more decimals than the others.
constexpr int32_t kFirstTargetDecimals = 5;
constexpr int32_t kOtherTargetDecimals = 4;

const PressureRow& Row(PressureUnit unit) {
    return kRows[static_cast<std::size_t>(unit)];
}

// Multiplies the row's value by its factors and writes the products into the
// six other rows, in row order; the source box keeps its text as typed.
void ConvertFrom(const RuntimeServices& services, PressureUnit source) {
    const PressureRow& from = Row(source);
    double value = support::ReadNumber(services, from.editBox);
    int32_t decimals = kFirstTargetDecimals;
    for (std::size_t target = 0; target < kUnitCount; ++target) {
        if (target == static_cast<std::size_t>(source)) continue;
        support::WriteNumber(services, kRows[target].editBox, value * from.factors[target],
                             decimals);
        decimals = kOtherTargetDecimals;
    }
}

void PaintRow(const RuntimeServices& services, const PressureRow& row, Colour colour) {
    support::WriteTextColour(services, row.unitLabel, colour);
    if (row.exponentLabel) support::WriteTextColour(services, *row.exponentLabel, colour);
}

// Paints the active row red and the others blue, then uncovers only the
// active row's button by hiding its mask and showing the six others.
void Highlight(const RuntimeServices& services, PressureUnit active) {
    const PressureRow& activeRow = Row(active);
    PaintRow(services, activeRow, Colour::Red);
    for (const PressureRow& row : kRows) {
        if (&row != &activeRow) PaintRow(services, row, Colour::Blue);
    }
    support::WriteVisible(services, activeRow.maskLabel, false);
    for (const PressureRow& row : kRows) {
        if (&row != &activeRow) support::WriteVisible(services, row.maskLabel, true);
    }
}

}  // namespace

void ConvertBarRow(const RuntimeServices& services, EventRecord&) {
    ConvertFrom(services, PressureUnit::Bar);
}
void ConvertMpaRow(const RuntimeServices& services, EventRecord&) {
    ConvertFrom(services, PressureUnit::Mpa);
}
void ConvertKpaRow(const RuntimeServices& services, EventRecord&) {
    ConvertFrom(services, PressureUnit::Kpa);
}
void ConvertAtmRow(const RuntimeServices& services, EventRecord&) {
    ConvertFrom(services, PressureUnit::Atm);
}
void ConvertKgfRow(const RuntimeServices& services, EventRecord&) {
    ConvertFrom(services, PressureUnit::Kgf);
}
void ConvertMmHgRow(const RuntimeServices& services, EventRecord&) {
    ConvertFrom(services, PressureUnit::MmHg);
}
void ConvertPsiRow(const RuntimeServices& services, EventRecord&) {
    ConvertFrom(services, PressureUnit::Psi);
}

void FocusBarRow(const RuntimeServices& services, EventRecord&) {
    Highlight(services, PressureUnit::Bar);
}
void FocusMpaRow(const RuntimeServices& services, EventRecord&) {
    Highlight(services, PressureUnit::Mpa);
}
void FocusKpaRow(const RuntimeServices& services, EventRecord&) {
    Highlight(services, PressureUnit::Kpa);
}
void FocusAtmRow(const RuntimeServices& services, EventRecord&) {
    Highlight(services, PressureUnit::Atm);
}
void FocusKgfRow(const RuntimeServices& services, EventRecord&) {
    Highlight(services, PressureUnit::Kgf);
}
void FocusMmHgRow(const RuntimeServices& services, EventRecord&) {
    Highlight(services, PressureUnit::MmHg);
}
void FocusPsiRow(const RuntimeServices& services, EventRecord&) {
    Highlight(services, PressureUnit::Psi);
}

}  // namespace engine
