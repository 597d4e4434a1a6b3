#include "cli/arguments/arguments.h"

#include <array>
#include <optional>
#include <vector>

#include "cli/arguments/argument_scan.h"
#include "cli/arguments/calendar_arguments.h"
#include "cli/text/box_text.h"
#include "cli/text/messages.h"

namespace cli {
namespace {

using arguments::FindSpec;
using arguments::FormatError;
using arguments::FormatOf;
using arguments::kCsv;
using arguments::kGregorianLeap;
using arguments::kHelp;
using arguments::kJson;
using arguments::kVersion;
using arguments::OperandCount;
using arguments::OptionSpec;
using arguments::ParseCalendar;
using arguments::ParseGregorian;
using arguments::ParseLunar;
using arguments::ParseSolarTerms;
using arguments::Scan;
using arguments::Scanned;

// The window's start values of the pressure group.
constexpr std::string_view kStartPressure = "0.3";
constexpr std::string_view kStartGaugeUnit = "MPa";
constexpr Direction kStartDirection = Direction::ToStandard;

constexpr OptionSpec kTemperature = {"temperature", 't', true};
constexpr OptionSpec kPressure = {"pressure", 'p', true};
constexpr OptionSpec kUnit = {"unit", 'u', true};

// The options of the convert command: one per known quantity, one per
// direction, and the named ones.
std::vector<OptionSpec> ConvertSpecs() {
    std::vector<OptionSpec> specs = {kHelp, kJson, kCsv, kTemperature, kPressure, kUnit};
    for (const KnownQuantity& q : KnownQuantities()) specs.push_back({q.name, 0, true});
    for (const DirectionEntry& d : Directions()) specs.push_back({d.name, 0, false});
    return specs;
}

std::variant<KnownQuantity, UsageError> QuantityOf(const Scanned& scanned) {
    std::optional<KnownQuantity> chosen;
    for (const KnownQuantity& q : KnownQuantities()) {
        if (!scanned.options.contains(q.name)) continue;
        if (chosen) return UsageError{messages::kTwoKnownQuantities, ""};
        chosen = q;
    }
    if (!chosen) return UsageError{messages::kNoKnownQuantity, ""};
    return *chosen;
}

std::variant<Direction, UsageError> DirectionOf(const Scanned& scanned) {
    std::optional<Direction> chosen;
    for (const DirectionEntry& d : Directions()) {
        if (!scanned.options.contains(d.name)) continue;
        if (chosen) return UsageError{messages::kTwoDirections, ""};
        chosen = d.direction;
    }
    return chosen.value_or(kStartDirection);
}

// A typed value must be a number as a whole, as a batch field must: the
// window would read a typo as 0 and answer with confidence.
bool IsNumber(const std::string& typed) {
    return IsNumberText(TypedTextToGbk(typed));
}

std::optional<UsageError> OptionNotANumber(const Scanned& scanned, std::string_view name) {
    auto found = scanned.options.find(name);
    if (found == scanned.options.end() || IsNumber(found->second)) return std::nullopt;
    return UsageError{messages::kOptionNotANumber, "--" + std::string(name), found->second};
}

std::optional<UsageError> ConvertNumberError(const Scanned& scanned, const KnownQuantity& q) {
    for (std::string_view name : {q.name, kTemperature.name, kPressure.name}) {
        if (auto error = OptionNotANumber(scanned, name)) return error;
    }
    return std::nullopt;
}

Request ParseConvert(const Scanned& scanned) {
    if (auto error = FormatError(scanned)) return *error;
    if (auto error = OperandCount(scanned, 0, 0, messages::kUnexpectedArgument)) return *error;
    auto quantity = QuantityOf(scanned);
    if (auto* error = std::get_if<UsageError>(&quantity)) return *error;
    if (!scanned.Has(kTemperature)) return UsageError{messages::kNoTemperature, ""};
    const KnownQuantity& q = std::get<KnownQuantity>(quantity);
    if (auto error = ConvertNumberError(scanned, q)) return *error;
    auto direction = DirectionOf(scanned);
    if (auto* error = std::get_if<UsageError>(&direction)) return *error;
    std::string unitName = scanned.ValueOr(kUnit, kStartGaugeUnit);
    std::optional<GaugeUnit> unit = FindGaugeUnit(unitName);
    if (!unit) return UsageError{messages::kUnknownGaugeUnit, unitName};
    return ConvertRequest{q,
                          scanned.options.at(q.name),
                          scanned.ValueOr(kTemperature, ""),
                          scanned.ValueOr(kPressure, kStartPressure),
                          *unit,
                          std::get<Direction>(direction),
                          FormatOf(scanned),
                          scanned.Has(kPressure)};
}

Request ParsePressure(const Scanned& scanned) {
    if (auto error = FormatError(scanned)) return *error;
    if (auto error = OperandCount(scanned, 2, 2, messages::kPressureOperands)) return *error;
    if (!IsNumber(scanned.operands[0])) {
        return UsageError{messages::kPressureNotANumber, scanned.operands[0]};
    }
    std::optional<PressureUnit> unit = FindPressureUnit(scanned.operands[1]);
    if (!unit) return UsageError{messages::kUnknownPressureUnit, scanned.operands[1]};
    return PressureRequest{scanned.operands[0], *unit, FormatOf(scanned)};
}

constexpr OptionSpec kEncoding = {"encoding", 0, true};
constexpr OptionSpec kSeparator = {"separator", 0, true};

struct SeparatorName {
    std::string_view name;
    char separator;
};
constexpr std::array<SeparatorName, 5> kSeparatorNames = {
    {{",", ','}, {";", ';'}, {"tab", '\t'}, {"\t", '\t'}, {"\\t", '\t'}}};

std::optional<char> SeparatorNamed(std::string_view name) {
    for (const SeparatorName& entry : kSeparatorNames) {
        if (entry.name == name) return entry.separator;
    }
    return std::nullopt;
}

Request ParseBatch(const Scanned& scanned) {
    if (auto error = OperandCount(scanned, 0, 1, messages::kBatchOperands)) return *error;
    BatchRequest request;
    if (!scanned.operands.empty()) request.path = scanned.operands[0];
    std::string encoding = scanned.ValueOr(kEncoding, "auto");
    std::optional<InputEncoding> chosen = InputEncodingNamed(encoding);
    if (!chosen) return UsageError{messages::kUnknownEncoding, encoding};
    request.encoding = *chosen;
    if (scanned.Has(kSeparator)) {
        std::string name = scanned.ValueOr(kSeparator, "");
        request.separator = SeparatorNamed(name);
        if (!request.separator) return UsageError{messages::kUnknownSeparator, name};
    }
    return request;
}

std::vector<OptionSpec> BatchSpecs() {
    return {kHelp, kEncoding, kSeparator};
}

std::vector<OptionSpec> FormatSpecs() {
    return {kHelp, kJson, kCsv};
}

std::vector<OptionSpec> GregorianSpecs() {
    return {kHelp, kJson, kCsv, kGregorianLeap};
}

struct Command {
    std::string_view name;
    std::vector<OptionSpec> (*specs)();
    Request (*parse)(const Scanned&);
    const Message* help;  // the command's section of the help
};

const std::array<Command, 7> kCommands = {{
    {"convert", ConvertSpecs, ParseConvert, &messages::kHelpConvert},
    {"pressure", FormatSpecs, ParsePressure, &messages::kHelpPressure},
    {"lunar", FormatSpecs, ParseLunar, &messages::kHelpLunar},
    {"gregorian", GregorianSpecs, ParseGregorian, &messages::kHelpGregorian},
    {"terms", FormatSpecs, ParseSolarTerms, &messages::kHelpTerms},
    {"calendar", FormatSpecs, ParseCalendar, &messages::kHelpCalendar},
    {"batch", BatchSpecs, ParseBatch, &messages::kHelpBatch},
}};

constexpr std::string_view kHelpCommand = "help";

Request ParseCommand(const Command& command, std::span<const std::string> args) {
    std::vector<OptionSpec> specs = command.specs();
    auto scanned = Scan(args, specs);
    if (auto* error = std::get_if<UsageError>(&scanned)) return *error;
    if (std::get<Scanned>(scanned).Has(kHelp)) return HelpRequest{command.help};
    return command.parse(std::get<Scanned>(scanned));
}

}  // namespace

Request ParseArguments(std::span<const std::string> args) {
    if (args.empty()) return UsageError{messages::kNoCommand, ""};
    const std::string& word = args.front();
    for (const Command& command : kCommands) {
        if (word == command.name) return ParseCommand(command, args.subspan(1));
    }
    if (word == kHelpCommand || FindSpec(std::array{kHelp}, word)) return HelpRequest{};
    if (FindSpec(std::array{kVersion}, word)) return VersionRequest{};
    return UsageError{messages::kUnknownCommand, word};
}

}  // namespace cli
