// The procedure table: the handler of each Procedure at its position, so that
// a handler offset stored in the form template selects the right entry.

#include <algorithm>
#include <array>
#include <cstddef>

#include "engine/handlers.h"

namespace engine {
namespace {

using Table = std::array<EngineProcedure, ProcedureCount>;

constexpr Table BuildTable() {
    Table table{};
    auto place = [&table](Procedure procedure, EngineProcedure handler) {
        table[static_cast<std::size_t>(procedure)] = handler;
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
    return table;
}

constexpr Table kTable = BuildTable();
static_assert(std::ranges::none_of(kTable, [](EngineProcedure p) { return p == nullptr; }),
              "every Procedure has a handler");

}  // namespace

std::span<const EngineProcedure> ProcedureTable() {
    return kTable;
}

}  // namespace engine
