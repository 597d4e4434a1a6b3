// The command line shows the window's digits: generated inputs run through
// the engine's handlers on the engine tests' in-memory service table, and
// through the command line with --csv; every result text must agree. An
// input that is not a number as a whole, which the window would read as 0,
// is refused instead.

#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "cli/run.h"
#include "handler_fixture.h"
#include "runtime/gbk.h"

namespace {

using engine::MainUnit;
using engine::Procedure;
using engine::testing::kContent;
using engine::testing::kSelected;
using engine::testing::kSelection;

// A text as typed on the command line and as the window's box keeps it.
struct Typed {
    std::string typed;
    std::string kept;
    bool isNumber = true;
};
Typed Same(std::string text) {
    return {text, text};
}
Typed Refused(std::string text) {
    return {text, text, false};
}

const std::vector<Typed> kValues = {
    Same("10"),      Same("-40"),    Same("50"),      Same("1000"),       Same("0.5"),
    Refused(""),     Refused("abc"), Same("1e999"),   Same(" 12 "),       Same("１２．５"),
    Refused("--5"),  Same("1d2"),    Same(".5"),      Same("-0"),         Refused("12,5"),
    Refused("中文"), Same("１e-３"), Same("-1e-300"), {"1\u200B2", "12"}, {"\u202E7", "7"},
    Refused("1e"),   Refused("."),   Refused("5abc"), Refused("- 5"),
};
const std::vector<Typed> kTemperatures = {Same("20"),      Same("-10"),   Same("0"),
                                          Refused(""),     Same("1e-7"),  Same("２０"),
                                          Same("-273.16"), Same("1e999"), Refused("x")};
const std::vector<Typed> kGaugePressures = {Same("0.3"),     Same("-0.1"),  Refused(""),
                                            Refused("abc"),  Same("-1000"), Same("30000"),
                                            Same("-101325"), Same("1e308"), Same("  7")};

struct Named {
    const char* name;
    int32_t index;
};
const Named kQuantities[] = {{"dew-point", 0}, {"rh", 1},    {"ppm", 2},
                             {"g-m3", 3},      {"mg-m3", 4}, {"g-kg", 5}};
const Named kGaugeUnits[] = {{"MPa", 0}, {"bar", 1}, {"mbar", 2}, {"Pa", 3}};
const Named kDirections[] = {{"to-standard", 0}, {"from-standard", 1}};

// The result boxes by the command line's group and quantity names.
const std::map<std::string, MainUnit> kResultBoxes = {
    {"standard,relative_humidity", MainUnit::RelativeHumidity},
    {"standard,dew_point", MainUnit::DewPoint},
    {"standard,volume_ratio", MainUnit::VolumeRatio},
    {"standard,absolute_humidity_g", MainUnit::AbsoluteHumidityGrams},
    {"standard,absolute_humidity_mg", MainUnit::AbsoluteHumidityMilligrams},
    {"standard,mixing_ratio", MainUnit::MixingRatio},
    {"standard,saturation_pressure", MainUnit::SaturationVapourPressure},
    {"standard,vapour_pressure", MainUnit::VapourPressure},
    {"standard,water_dew_point", MainUnit::SupercooledDewPoint},
    {"pressure,relative_humidity", MainUnit::RelativeHumidityAfterConversion},
    {"pressure,dew_point", MainUnit::DewPointAfterConversion},
    {"pressure,volume_ratio", MainUnit::VolumeRatioAfterConversion},
    {"pressure,absolute_humidity_g", MainUnit::AbsoluteHumidityGramsAfterConversion},
    {"pressure,absolute_humidity_mg", MainUnit::AbsoluteHumidityMilligramsAfterConversion},
    {"pressure,mixing_ratio", MainUnit::MixingRatioAfterConversion},
    {"pressure,saturation_pressure", MainUnit::SaturationVapourPressureAfterConversion},
    {"pressure,vapour_pressure", MainUnit::VapourPressureAfterConversion},
    {"pressure,water_dew_point", MainUnit::SupercooledDewPointAfterConversion},
};

// The pressure page's rows: command-line unit, edit box, button handler.
struct PressureRow {
    const char* unit;
    MainUnit box;
    Procedure convert;
};
const PressureRow kPressureRows[] = {
    {"bar", MainUnit::BarValue, Procedure::ConvertBarRow},
    {"MPa", MainUnit::MpaValue, Procedure::ConvertMpaRow},
    {"kPa", MainUnit::KpaValue, Procedure::ConvertKpaRow},
    {"atm", MainUnit::AtmValue, Procedure::ConvertAtmRow},
    {"kgf/cm2", MainUnit::KgfValue, Procedure::ConvertKgfRow},
    {"mmHg", MainUnit::MmHgValue, Procedure::ConvertMmHgRow},
    {"psi", MainUnit::PsiValue, Procedure::ConvertPsiRow},
};

// The fields of one CSV line; a quoted field may hold commas and doubled
// quotes.
std::vector<std::string> CsvFields(const std::string& line) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        char c = line[i];
        if (c == '"' && quoted && i + 1 < line.size() && line[i + 1] == '"') {
            fields.back() += line[++i];
        } else if (c == '"') {
            quoted = !quoted;
        } else if (c == ',' && !quoted) {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    return fields;
}

// The CSV's data rows as "key fields" -> text, the text being the field
// after the first `keyFields` fields and one caption.
std::map<std::string, std::string> CsvTexts(const std::string& csv, int keyFields) {
    std::map<std::string, std::string> texts;
    std::istringstream lines(csv);
    std::string line;
    std::getline(lines, line);  // the header
    while (std::getline(lines, line)) {
        std::vector<std::string> fields = CsvFields(line);
        std::string key = fields.at(0);
        for (int i = 1; i < keyFields; ++i) key += "," + fields.at(i);
        texts[key] = fields.at(keyFields + 1);
    }
    return texts;
}

// The command line's output, or none when it refused the inputs as it
// should: with status 2 and nothing on standard output.
std::optional<std::string> RunCli(const std::vector<std::string>& args, bool isNumber) {
    std::ostringstream out, err;
    cli::ExitStatus status = cli::Run(args, {cli::Language::English}, out, err);
    EXPECT_EQ(status, isNumber ? cli::ExitStatus::Success : cli::ExitStatus::Usage) << err.str();
    if (isNumber) return out.str();
    EXPECT_EQ(out.str(), "");
    return std::nullopt;
}

class SameDigits : public engine::testing::HandlerTest {
protected:
    void SetBox(MainUnit box, const Typed& text) {
        window_.SetText(box, runtime::Utf8ToGbk(text.kept));
    }
    std::string Shown(MainUnit box) const { return runtime::GbkToUtf8(window_.Text(box)); }
};

struct HumidityCase {
    Named quantity, direction, unit;
    Typed value, temperature, pressure;
};

// Every quantity, direction, unit, value and temperature together; the
// gauge pressures take turns.
std::vector<HumidityCase> GeneratedHumidityCases() {
    std::vector<HumidityCase> cases;
    for (const Named& quantity : kQuantities) {
        for (const Named& direction : kDirections) {
            for (const Named& unit : kGaugeUnits) {
                for (const Typed& value : kValues) {
                    for (const Typed& t : kTemperatures) {
                        const Typed& p = kGaugePressures[cases.size() % kGaugePressures.size()];
                        cases.push_back({quantity, direction, unit, value, t, p});
                    }
                }
            }
        }
    }
    return cases;
}

std::vector<std::string> CommandLine(const HumidityCase& c) {
    return {"convert",
            std::string("--") + c.quantity.name,
            c.value.typed,
            "-t",
            c.temperature.typed,
            "-p",
            c.pressure.typed,
            "-u",
            c.unit.name,
            std::string("--") + c.direction.name,
            "--csv"};
}

TEST_F(SameDigits, HumidityConversionOverGeneratedInputs) {
    for (const HumidityCase& c : GeneratedHumidityCases()) {
        window_.SetInt(MainUnit::KnownQuantity, kSelection, c.quantity.index);
        window_.SetInt(MainUnit::GaugePressureUnit, kSelection, c.unit.index);
        window_.SetInt(MainUnit::PresentToStandard, kSelected, c.direction.index == 0);
        window_.SetInt(MainUnit::StandardToPresent, kSelected, c.direction.index == 1);
        SetBox(MainUnit::KnownValue, c.value);
        SetBox(MainUnit::GasTemperature, c.temperature);
        SetBox(MainUnit::GaugePressure, c.pressure);
        engine::ResetHandlerState();
        Run(Procedure::ConvertHumidity);
        bool isNumber = c.value.isNumber && c.temperature.isNumber && c.pressure.isNumber;
        std::optional<std::string> csv = RunCli(CommandLine(c), isNumber);
        if (!csv) continue;
        auto texts = CsvTexts(*csv, 2);
        // The results and the humidity class row.
        ASSERT_EQ(texts.size(), kResultBoxes.size() + 1);
        for (const auto& [key, box] : kResultBoxes) {
            EXPECT_EQ(texts[key], Shown(box))
                << key << " for " << c.quantity.name << " '" << c.value.typed << "' at '"
                << c.temperature.typed << "', '" << c.pressure.typed << "' " << c.unit.name << ' '
                << c.direction.name;
        }
    }
}

TEST_F(SameDigits, PressureRowsOverGeneratedInputs) {
    for (const PressureRow& source : kPressureRows) {
        for (const Typed& value : kValues) {
            for (const PressureRow& row : kPressureRows) window_.SetText(row.box, "");
            SetBox(source.box, value);
            Run(source.convert);
            std::optional<std::string> csv =
                RunCli({"pressure", "--csv", "--", value.typed, source.unit}, value.isNumber);
            if (!csv) continue;
            auto texts = CsvTexts(*csv, 1);
            for (const PressureRow& row : kPressureRows) {
                EXPECT_EQ(texts[row.unit], Shown(row.box))
                    << row.unit << " from '" << value.typed << "' " << source.unit;
            }
        }
    }
}

}  // namespace
