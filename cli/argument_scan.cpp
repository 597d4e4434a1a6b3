#include "cli/argument_scan.h"

#include "cli/messages.h"

namespace cli::arguments {
namespace {

constexpr std::string_view kEndOfOptions = "--";
constexpr std::string_view kLongPrefix = "--";

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool LooksLikeOption(std::string_view arg) {
    if (arg.size() < 2 || arg[0] != '-') return false;
    if (arg[1] == '-') return arg.size() > 2 && IsLetter(arg[2]);
    return IsLetter(arg[1]);
}

}  // namespace

const OptionSpec* FindSpec(std::span<const OptionSpec> specs, std::string_view written) {
    for (const OptionSpec& spec : specs) {
        bool isLong = written.starts_with(kLongPrefix) && written.substr(2) == spec.name;
        bool isShort = spec.shortName != 0 && written.size() == 2 && written[1] == spec.shortName;
        if (isLong || isShort) return &spec;
    }
    return nullptr;
}

// Reads the options of one command; the next argument is consumed as the
// value of an option that takes one and has no "=VALUE".
std::variant<Scanned, UsageError> Scan(std::span<const std::string> args,
                                       std::span<const OptionSpec> specs) {
    Scanned scanned;
    bool optionsEnded = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (!optionsEnded && arg == kEndOfOptions) {
            optionsEnded = true;
            continue;
        }
        if (optionsEnded || !LooksLikeOption(arg)) {
            scanned.operands.push_back(arg);
            continue;
        }
        size_t equals = arg.starts_with(kLongPrefix) ? arg.find('=') : std::string::npos;
        std::string_view written = std::string_view(arg).substr(0, equals);
        const OptionSpec* spec = FindSpec(specs, written);
        if (spec == nullptr) return UsageError{messages::kUnknownOption, std::string(written)};
        if (scanned.Has(*spec)) return UsageError{messages::kRepeatedOption, std::string(written)};
        std::string value;
        if (equals != std::string::npos) {
            if (!spec->takesValue) return UsageError{messages::kOptionTakesNoValue, arg};
            value = arg.substr(equals + 1);
        } else if (spec->takesValue) {
            if (i + 1 == args.size()) {
                return UsageError{messages::kMissingValue, std::string(written)};
            }
            value = args[++i];
        }
        scanned.options.emplace(spec->name, std::move(value));
    }
    return scanned;
}

std::optional<UsageError> FormatError(const Scanned& scanned) {
    if (scanned.Has(kJson) && scanned.Has(kCsv)) return UsageError{messages::kTwoFormats, ""};
    return std::nullopt;
}

OutputFormat FormatOf(const Scanned& scanned) {
    if (scanned.Has(kJson)) return OutputFormat::Json;
    if (scanned.Has(kCsv)) return OutputFormat::Csv;
    return OutputFormat::Table;
}

std::string Scanned::ValueOr(const OptionSpec& spec, std::string_view fallback) const {
    auto found = options.find(spec.name);
    return found != options.end() ? found->second : std::string(fallback);
}

std::optional<UsageError> OperandCount(const Scanned& scanned, size_t least, size_t most,
                                       const Message& message) {
    if (scanned.operands.size() < least) return UsageError{message, ""};
    if (scanned.operands.size() <= most) return std::nullopt;
    return UsageError{messages::kUnexpectedArgument, scanned.operands[most]};
}

}  // namespace cli::arguments
