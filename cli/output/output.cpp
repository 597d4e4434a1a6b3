#include "cli/output/output.h"

#include "cli/facts/humidity_class_text.h"
#include "cli/text/json_csv.h"
#include "cli/text/messages.h"
#include "cli/text/text_table.h"

namespace cli {
namespace {

constexpr std::string_view kIndent = "  ";

constexpr Message kDetail = {" ({})", "（{}）"};
constexpr Message kDetailSeparator = {", ", "，"};

// "带压换算（当前压力转换为标准压力，0.3 MPa）"
std::string PressureGroupTitle(const ConvertRequest& inputs, Language language) {
    std::string detail(CaptionIn(DirectionOf(inputs.direction).caption, language));
    detail += Say(kDetailSeparator, language);
    detail += inputs.pressure + " " + std::string(inputs.gaugeUnit.name);
    return std::string(CaptionIn(ResultGroupOf(ResultGroup::UnderPressure).caption, language)) +
           Say(kDetail, language, detail);
}

void WriteHumidityTable(std::ostream& out, const ConvertRequest& inputs,
                        const HumidityTexts& results,
                        const engine::PressureDewPointClass& humidityClass, Language language) {
    for (ResultGroup group : {ResultGroup::Standard, ResultGroup::UnderPressure}) {
        if (group == ResultGroup::Standard) {
            out << CaptionIn(ResultGroupOf(group).caption, language) << '\n';
        } else {
            out << '\n' << PressureGroupTitle(inputs, language) << '\n';
        }
        TextTable table({Align::Left, Align::Right, Align::Left});
        for (std::size_t i = 0; i < kResultCount; ++i) {
            const ResultField& field = ResultFields()[i];
            if (field.group != group) continue;
            table.AddRow({std::string(CaptionIn(field.caption, language)), results[i],
                          std::string(field.unit)});
        }
        table.Write(out, kIndent);
    }
    out << '\n' << ClassLine(humidityClass, results, language) << '\n';
}

void WriteHumidityJson(std::ostream& out, const ConvertRequest& inputs,
                       const HumidityTexts& results,
                       const engine::PressureDewPointClass& humidityClass) {
    std::vector<std::string> items;
    for (std::size_t i = 0; i < kResultCount; ++i) {
        const ResultField& field = ResultFields()[i];
        items.push_back(JsonObject({{"group", JsonString(ResultGroupOf(field.group).name)},
                                    {"quantity", JsonString(field.name)},
                                    {"caption", JsonString(field.caption.chinese)},
                                    {"text", JsonString(results[i])},
                                    {"unit", JsonString(field.unit)}}));
    }
    WriteJsonDocument(out, {{"quantity", JsonString(inputs.quantity.name)},
                            {"value", JsonString(inputs.value)},
                            {"temperature", JsonString(inputs.temperature)},
                            {"pressure", JsonString(inputs.pressure)},
                            {"unit", JsonString(inputs.gaugeUnit.name)},
                            {"direction", JsonString(DirectionOf(inputs.direction).name)},
                            {"results", JsonArray(items)},
                            {"humidity_class", ClassJson(humidityClass, results)}});
}

void WriteHumidityCsv(std::ostream& out, const HumidityTexts& results,
                      const engine::PressureDewPointClass& humidityClass) {
    WriteCsvRow(out, {"group", "quantity", "caption", "text", "unit"});
    for (std::size_t i = 0; i < kResultCount; ++i) {
        const ResultField& field = ResultFields()[i];
        WriteCsvRow(out, {ResultGroupOf(field.group).name, field.name, field.caption.chinese,
                          results[i], field.unit});
    }
    WriteClassCsvRow(out, humidityClass, results);
}

void WritePressureTable(std::ostream& out, const PressureTexts& results, Language language) {
    out << Say(messages::kPressureTitle, language) << '\n';
    TextTable table({Align::Left, Align::Right});
    for (std::size_t i = 0; i < kPressureUnitCount; ++i) {
        table.AddRow({std::string(CaptionIn(PressureUnits()[i].caption, language)), results[i]});
    }
    table.Write(out, kIndent);
}

void WritePressureJson(std::ostream& out, const PressureRequest& inputs,
                       const PressureTexts& results) {
    std::vector<std::string> items;
    for (std::size_t i = 0; i < kPressureUnitCount; ++i) {
        const PressureUnit& unit = PressureUnits()[i];
        items.push_back(JsonObject({{"unit", JsonString(unit.name)},
                                    {"caption", JsonString(unit.caption.chinese)},
                                    {"text", JsonString(results[i])}}));
    }
    WriteJsonDocument(out, {{"value", JsonString(inputs.value)},
                            {"unit", JsonString(inputs.unit.name)},
                            {"results", JsonArray(items)}});
}

void WritePressureCsv(std::ostream& out, const PressureTexts& results) {
    WriteCsvRow(out, {"unit", "caption", "text"});
    for (std::size_t i = 0; i < kPressureUnitCount; ++i) {
        const PressureUnit& unit = PressureUnits()[i];
        WriteCsvRow(out, {unit.name, unit.caption.chinese, results[i]});
    }
}

}  // namespace

void WriteHumidity(std::ostream& out, const ConvertRequest& inputs, const HumidityTexts& results,
                   const engine::PressureDewPointClass& humidityClass, Language language) {
    switch (inputs.format) {
        case OutputFormat::Table:
            return WriteHumidityTable(out, inputs, results, humidityClass, language);
        case OutputFormat::Json:
            return WriteHumidityJson(out, inputs, results, humidityClass);
        case OutputFormat::Csv:
            return WriteHumidityCsv(out, results, humidityClass);
    }
}

void WritePressure(std::ostream& out, const PressureRequest& inputs, const PressureTexts& results,
                   Language language) {
    switch (inputs.format) {
        case OutputFormat::Table:
            return WritePressureTable(out, results, language);
        case OutputFormat::Json:
            return WritePressureJson(out, inputs, results);
        case OutputFormat::Csv:
            return WritePressureCsv(out, results);
    }
}

}  // namespace cli
