#pragma once
// What the command line can name: the known quantities, the gauge-pressure
// units, the pressure page's seven units and the eighteen humidity results,
// each with the window's caption and unit and an English caption.
//
//   name on the command line ─► table entry ─► combo box index / edit box / handler
//
// Names are matched without regard to ASCII case. Captions and units are
// UTF-8, exactly as the window shows them.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "cli/text/language.h"
#include "engine/form_ids.h"
#include "runtime/services.h"

namespace cli {

// A caption in both languages of the program's messages.
struct Caption {
    std::string_view chinese;
    std::string_view english;
};
std::string_view CaptionIn(const Caption& caption, Language language);

// An entry of 组合框1, the known quantity.
struct KnownQuantity {
    int32_t mode;                 // the selection index the engine reads
    std::string_view name;        // as a batch column value; "--" + name is the option
    std::string_view windowItem;  // the combo box item, also accepted as a name
};
std::span<const KnownQuantity> KnownQuantities();
std::optional<KnownQuantity> FindKnownQuantity(std::string_view name);

// An entry of 组合框2, the unit of the gauge pressure.
struct GaugeUnit {
    int32_t index;
    std::string_view name;
};
std::span<const GaugeUnit> GaugeUnits();
std::optional<GaugeUnit> FindGaugeUnit(std::string_view name);

// The two directions of the pressure conversion, the window's radio buttons.
enum class Direction { ToStandard, FromStandard };
struct DirectionEntry {
    Direction direction;
    std::string_view name;  // "--" + name is the option
    Caption caption;
};
std::span<const DirectionEntry> Directions();
const DirectionEntry& DirectionOf(Direction direction);
std::optional<DirectionEntry> FindDirection(std::string_view name);

// A row of the pressure page.
struct PressureUnit {
    std::string_view name;
    std::string_view alias;  // a second accepted name, or empty
    Caption caption;
    engine::MainUnit editBox;
    runtime::EngineProcedure convert;
};
std::span<const PressureUnit> PressureUnits();
std::optional<PressureUnit> FindPressureUnit(std::string_view name);

// The two result groups of the humidity page.
enum class ResultGroup { Standard, UnderPressure };
struct ResultGroupEntry {
    ResultGroup group;
    std::string_view name;
    Caption caption;
};
const ResultGroupEntry& ResultGroupOf(ResultGroup group);

// A result box of the humidity page.
struct ResultField {
    ResultGroup group;
    std::string_view name;  // the quantity, the same in both groups
    Caption caption;
    std::string_view unit;
    engine::MainUnit box;
};
inline constexpr std::size_t kResultCount = 18;
// In the window's order: the standard group top to bottom, then the
// pressure group top to bottom.
std::span<const ResultField, kResultCount> ResultFields();

}  // namespace cli
