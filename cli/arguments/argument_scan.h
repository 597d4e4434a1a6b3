#pragma once
// Reading one command's options and operands, for the commands' parsers.
//
//   args ─► Scan (the command's option specs) ─► Scanned {options by name, operands}
//
// The syntax is the one arguments.h describes.

#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "cli/arguments/invocation.h"

namespace cli::arguments {

struct OptionSpec {
    std::string_view name;  // without "--"
    char shortName;         // 0 when none
    bool takesValue;
};

inline constexpr OptionSpec kHelp = {"help", 'h', false};
inline constexpr OptionSpec kVersion = {"version", 0, false};
inline constexpr OptionSpec kJson = {"json", 0, false};
inline constexpr OptionSpec kCsv = {"csv", 0, false};

// Options and operands of one command, in the order given.
struct Scanned {
    std::map<std::string_view, std::string> options;  // by spec name
    std::vector<std::string> operands;

    bool Has(const OptionSpec& spec) const { return options.contains(spec.name); }
    std::string ValueOr(const OptionSpec& spec, std::string_view fallback) const;
};

std::variant<Scanned, UsageError> Scan(std::span<const std::string> args,
                                       std::span<const OptionSpec> specs);
// The option that a name as written ("--json", "-t") stands for, or null.
const OptionSpec* FindSpec(std::span<const OptionSpec> specs, std::string_view written);

// --json and --csv: at most one of them, the table when neither.
std::optional<UsageError> FormatError(const Scanned& scanned);
OutputFormat FormatOf(const Scanned& scanned);
// Between `least` and `most` operands; `message` says what is missing.
std::optional<UsageError> OperandCount(const Scanned& scanned, size_t least, size_t most,
                                       const Message& message);

}  // namespace cli::arguments
