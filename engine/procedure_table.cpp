// The procedure table: the handler of each Procedure at its position, so that
// a handler offset stored in the form template selects the right entry.

#include <algorithm>
#include <array>
#include <cstddef>

#include "engine/handlers.h"

namespace engine {
namespace {

using Table = std::array<EngineProcedure, ProcedureCount>;

// The table together with which of its entries have been placed, so that a
// missing entry stops the build.
struct PlacedTable {
    Table table{};
    std::array<bool, ProcedureCount> placed{};
};

constexpr PlacedTable BuildTable() {
    PlacedTable result;
    auto place = [&result](Procedure procedure, EngineProcedure handler) {
        result.table[static_cast<std::size_t>(procedure)] = handler;
        result.placed[static_cast<std::size_t>(procedure)] = true;
    };
    place(Procedure::FocusMmHgRow, FocusMmHgRow);
    place(Procedure::FocusBarRow, FocusBarRow);
    place(Procedure::FocusMpaRow, FocusMpaRow);
    place(Procedure::FocusKpaRow, FocusKpaRow);
    place(Procedure::FocusAtmRow, FocusAtmRow);
    place(Procedure::FocusKgfRow, FocusKgfRow);
    place(Procedure::FocusPsiRow, FocusPsiRow);
    place(Procedure::ConvertBarRow, ConvertBarRow);
    place(Procedure::ConvertMpaRow, ConvertMpaRow);
    place(Procedure::ConvertKpaRow, ConvertKpaRow);
    place(Procedure::ConvertAtmRow, ConvertAtmRow);
    place(Procedure::ConvertKgfRow, ConvertKgfRow);
    place(Procedure::ConvertMmHgRow, ConvertMmHgRow);
    place(Procedure::ConvertPsiRow, ConvertPsiRow);
    place(Procedure::ConvertHumidity, ConvertHumidity);
    place(Procedure::UpdateClock, UpdateClock);
    place(Procedure::MainWindowCreated, MainWindowCreated);
    place(Procedure::UpdateInputLabel, UpdateInputLabel);
    place(Procedure::CloseMainWindow, CloseMainWindow);
    place(Procedure::MenuExit, CloseMainWindow);
    place(Procedure::MenuAbout, OpenAboutWindow);
    place(Procedure::MenuCompanyProfile, OpenCompanyWindow);
    place(Procedure::CloseAboutWindow, CloseAboutWindow);
    place(Procedure::CloseCompanyWindow, CloseCompanyWindow);
    return result;
}

constexpr PlacedTable kPlaced = BuildTable();
static_assert(std::ranges::all_of(kPlaced.placed, [](bool placed) { return placed; }),
              "every Procedure has a handler");
constexpr Table kTable = kPlaced.table;

}  // namespace

std::span<const EngineProcedure> ProcedureTable() {
    return kTable;
}

}  // namespace engine
