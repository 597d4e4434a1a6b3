#include "cli/batch/batch_row.h"

#include <algorithm>

#include "cli/text/box_text.h"
#include "cli/text/messages.h"
#include "runtime/convert.h"

namespace cli {
namespace {

struct ColumnSpec {
    BatchInput input;
    std::string_view name;
    bool required;
    std::string_view fallback;  // the window's start value of an optional input
};

constexpr std::array<ColumnSpec, 6> kColumns = {{
    {BatchInput::Quantity, "quantity", true, ""},
    {BatchInput::Value, "value", true, ""},
    {BatchInput::Temperature, "temperature", true, ""},
    {BatchInput::Pressure, "pressure", false, "0.3"},
    {BatchInput::Unit, "unit", false, "MPa"},
    {BatchInput::Direction, "direction", false, "to-standard"},
}};

bool SameName(std::string_view a, std::string_view b) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    return std::ranges::equal(a, b, [&](char x, char y) { return lower(x) == lower(y); });
}

// The field of an input, trimmed; empty when the row or header lacks it.
std::string_view FieldOf(const std::vector<std::string>& fields, const BatchColumns& columns,
                         BatchInput input) {
    std::optional<size_t> column = columns.index[size_t(input)];
    if (!column || *column >= fields.size()) return {};
    return Trimmed(fields[*column]);
}

const ColumnSpec& SpecOf(BatchInput input) {
    return kColumns[size_t(input)];
}

// A field's text, or the input's start value when an optional one is empty.
std::variant<std::string_view, RowError> TextOf(const std::vector<std::string>& fields,
                                                const BatchColumns& columns, BatchInput input,
                                                Language language) {
    std::string_view text = FieldOf(fields, columns, input);
    if (!text.empty()) return text;
    const ColumnSpec& spec = SpecOf(input);
    if (spec.required) return RowError{Say(messages::kRowMissing, language, spec.name)};
    return spec.fallback;
}

// A numeric input as the box would hold it.
std::variant<std::string, RowError> NumberOf(const std::vector<std::string>& fields,
                                             const BatchColumns& columns, BatchInput input,
                                             Language language) {
    auto text = TextOf(fields, columns, input, language);
    if (auto* error = std::get_if<RowError>(&text)) return *error;
    std::string_view typed = std::get<std::string_view>(text);
    std::string gbk = TypedTextToGbk(typed);
    if (!IsNumberText(gbk)) {
        return RowError{Say(messages::kRowNotANumber, language, SpecOf(input).name, typed)};
    }
    return gbk;
}

template <typename Entry>
std::variant<Entry, RowError> NamedOf(const std::vector<std::string>& fields,
                                      const BatchColumns& columns, BatchInput input,
                                      std::optional<Entry> (*find)(std::string_view),
                                      Language language) {
    auto text = TextOf(fields, columns, input, language);
    if (auto* error = std::get_if<RowError>(&text)) return *error;
    std::string_view name = std::get<std::string_view>(text);
    if (std::optional<Entry> entry = find(name)) return *entry;
    return RowError{Say(messages::kRowUnknownName, language, SpecOf(input).name, name)};
}

}  // namespace

std::variant<BatchColumns, std::string> FindBatchColumns(const std::vector<std::string>& header) {
    BatchColumns columns;
    columns.count = header.size();
    for (const ColumnSpec& spec : kColumns) {
        auto found = std::ranges::find_if(
            header, [&](const std::string& name) { return SameName(Trimmed(name), spec.name); });
        if (found != header.end()) {
            columns.index[size_t(spec.input)] = size_t(found - header.begin());
        } else if (spec.required) {
            return std::string(spec.name);
        }
    }
    return columns;
}

std::variant<HumidityInputs, RowError> ReadBatchRow(const std::vector<std::string>& fields,
                                                    const BatchColumns& columns,
                                                    Language language) {
    if (fields.size() != columns.count) {
        return RowError{Say(messages::kRowFieldCount, language, std::to_string(fields.size()),
                            std::to_string(columns.count))};
    }
    auto quantity = NamedOf(fields, columns, BatchInput::Quantity, FindKnownQuantity, language);
    auto value = NumberOf(fields, columns, BatchInput::Value, language);
    auto temperature = NumberOf(fields, columns, BatchInput::Temperature, language);
    auto pressure = NumberOf(fields, columns, BatchInput::Pressure, language);
    auto unit = NamedOf(fields, columns, BatchInput::Unit, FindGaugeUnit, language);
    auto direction = NamedOf(fields, columns, BatchInput::Direction, FindDirection, language);
    for (const RowError* error :
         {std::get_if<RowError>(&quantity), std::get_if<RowError>(&value),
          std::get_if<RowError>(&temperature), std::get_if<RowError>(&pressure),
          std::get_if<RowError>(&unit), std::get_if<RowError>(&direction)}) {
        if (error != nullptr) return *error;
    }
    return HumidityInputs{std::get<KnownQuantity>(quantity).mode,
                          std::get<std::string>(std::move(value)),
                          std::get<std::string>(std::move(temperature)),
                          std::get<std::string>(std::move(pressure)),
                          std::get<GaugeUnit>(unit).index,
                          std::get<DirectionEntry>(direction).direction,
                          !FieldOf(fields, columns, BatchInput::Pressure).empty()};
}

}  // namespace cli
