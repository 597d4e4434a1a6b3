#include "cli/facts/catalogue.h"

#include <algorithm>

#include "engine/handlers.h"
#include "engine/vapour.h"

namespace cli {
namespace {

using engine::MainUnit;

constexpr int32_t Mode(engine::KnownQuantity quantity) {
    return static_cast<int32_t>(quantity);
}
constexpr int32_t Index(engine::GaugeUnit unit) {
    return static_cast<int32_t>(unit);
}

constexpr std::array<KnownQuantity, 6> kKnownQuantities = {{
    {Mode(engine::KnownQuantity::DewPoint), "dew-point", "℃ td"},
    {Mode(engine::KnownQuantity::RelativeHumidity), "rh", "%"},
    {Mode(engine::KnownQuantity::VolumeRatio), "ppm", "ppm"},
    {Mode(engine::KnownQuantity::AbsoluteHumidityG), "g-m3", "g/m3"},
    {Mode(engine::KnownQuantity::AbsoluteHumidityMg), "mg-m3", "mg/m3"},
    {Mode(engine::KnownQuantity::MixingRatio), "g-kg", "g/Kg"},
}};

constexpr std::array<GaugeUnit, 4> kGaugeUnits = {{
    {Index(engine::GaugeUnit::MPa), "MPa"},
    {Index(engine::GaugeUnit::Bar), "bar"},
    {Index(engine::GaugeUnit::Mbar), "mbar"},
    {Index(engine::GaugeUnit::Pa), "Pa"},
}};

constexpr std::array<DirectionEntry, 2> kDirections = {{
    {Direction::ToStandard,
     "to-standard",
     {"当前压力转换为标准压力", "present pressure to standard pressure"}},
    {Direction::FromStandard,
     "from-standard",
     {"标准压力转换为当前压力", "standard pressure to present pressure"}},
}};

const std::array<PressureUnit, 7> kPressureUnits = {{
    {"bar", "", {"巴(bar)", "bar"}, MainUnit::BarValue, engine::ConvertBarRow},
    {"MPa", "", {"兆帕(MPa)", "MPa"}, MainUnit::MpaValue, engine::ConvertMpaRow},
    {"kPa", "", {"千帕(KPa)", "kPa"}, MainUnit::KpaValue, engine::ConvertKpaRow},
    {"atm", "", {"标准大气压", "standard atmosphere"}, MainUnit::AtmValue, engine::ConvertAtmRow},
    {"kgf/cm2", "kgf/cm²", {"公斤力/厘米²", "kgf/cm²"}, MainUnit::KgfValue, engine::ConvertKgfRow},
    {"mmHg", "Torr", {"毫米汞柱(托)", "mmHg (Torr)"}, MainUnit::MmHgValue, engine::ConvertMmHgRow},
    {"psi", "", {"磅/英寸²(PSI)", "psi"}, MainUnit::PsiValue, engine::ConvertPsiRow},
}};

constexpr std::array<ResultGroupEntry, 2> kResultGroups = {{
    {ResultGroup::Standard, "standard", {"计算值", "Computed values (standard pressure)"}},
    {ResultGroup::UnderPressure, "pressure", {"带压换算", "Converted under pressure"}},
}};

// The nine quantities of a result group, top to bottom.
struct QuantityRow {
    std::string_view name;
    Caption caption;
    std::string_view unit;
};
constexpr std::array<QuantityRow, 9> kQuantityRows = {{
    {"relative_humidity", {"相对湿度", "Relative humidity"}, "%"},
    {"dew_point", {"露点/霜点", "Dew/frost point"}, "℃"},
    {"volume_ratio", {"体积比", "Volume ratio"}, "ppm(uL/L)"},
    {"absolute_humidity_g", {"绝对湿度", "Absolute humidity"}, "g/m3"},
    {"absolute_humidity_mg", {"绝对湿度", "Absolute humidity"}, "mg/m3"},
    {"mixing_ratio", {"混和比", "Mixing ratio"}, "g/Kg"},
    {"saturation_pressure", {"饱和蒸汽压", "Saturation vapour pressure"}, "pa"},
    {"vapour_pressure", {"蒸汽压", "Vapour pressure"}, "pa"},
    {"water_dew_point", {"过冷水露点", "Dew point over supercooled water"}, "℃"},
}};

constexpr std::array<ResultField, kResultCount> MakeResultFields() {
    std::array<ResultField, kResultCount> fields{};
    for (std::size_t row = 0; row < kQuantityRows.size(); ++row) {
        const QuantityRow& q = kQuantityRows[row];
        fields[row] = {ResultGroup::Standard, q.name, q.caption, q.unit,
                       engine::kStandardResultBoxes[row]};
        fields[row + kQuantityRows.size()] = {ResultGroup::UnderPressure, q.name, q.caption, q.unit,
                                              engine::kConvertedResultBoxes[row]};
    }
    return fields;
}
constexpr std::array<ResultField, kResultCount> kResultFields = MakeResultFields();

bool SameName(std::string_view a, std::string_view b) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    return std::ranges::equal(a, b, [&](char x, char y) { return lower(x) == lower(y); });
}

template <typename Entry, typename Matches>
std::optional<Entry> FindIn(std::span<const Entry> entries, Matches matches) {
    auto found = std::ranges::find_if(entries, matches);
    if (found == entries.end()) return std::nullopt;
    return *found;
}

}  // namespace

std::string_view CaptionIn(const Caption& caption, Language language) {
    return language == Language::Chinese ? caption.chinese : caption.english;
}

std::span<const KnownQuantity> KnownQuantities() {
    return kKnownQuantities;
}

std::optional<KnownQuantity> FindKnownQuantity(std::string_view name) {
    return FindIn(KnownQuantities(), [&](const KnownQuantity& q) {
        return SameName(q.name, name) || SameName(q.windowItem, name);
    });
}

std::span<const GaugeUnit> GaugeUnits() {
    return kGaugeUnits;
}

std::optional<GaugeUnit> FindGaugeUnit(std::string_view name) {
    return FindIn(GaugeUnits(), [&](const GaugeUnit& u) { return SameName(u.name, name); });
}

std::span<const DirectionEntry> Directions() {
    return kDirections;
}

const DirectionEntry& DirectionOf(Direction direction) {
    return kDirections[static_cast<std::size_t>(direction)];
}

std::optional<DirectionEntry> FindDirection(std::string_view name) {
    return FindIn(Directions(), [&](const DirectionEntry& d) { return SameName(d.name, name); });
}

std::span<const PressureUnit> PressureUnits() {
    return kPressureUnits;
}

std::optional<PressureUnit> FindPressureUnit(std::string_view name) {
    return FindIn(PressureUnits(), [&](const PressureUnit& u) {
        return SameName(u.name, name) || (!u.alias.empty() && SameName(u.alias, name));
    });
}

const ResultGroupEntry& ResultGroupOf(ResultGroup group) {
    return kResultGroups[static_cast<std::size_t>(group)];
}

std::span<const ResultField, kResultCount> ResultFields() {
    return kResultFields;
}

}  // namespace cli
