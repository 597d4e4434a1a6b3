#include "cli/arguments/argument_scan.h"

#include "cli/text/messages.h"

namespace cli::arguments {
namespace {

constexpr std::string_view kEndOfOptions = "--";
constexpr std::string_view kLongPrefix = "--";
constexpr size_t kShortOptionLength = 2;  // "-t"
constexpr char kValueSeparator = '=';

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool LooksLikeOption(std::string_view arg) {
    if (arg.size() < 2 || arg[0] != '-') return false;
    if (arg[1] == '-') return arg.size() > 2 && IsLetter(arg[2]);
    return IsLetter(arg[1]);
}

// An option as written and the value attached to it: "--name=VALUE",
// "-tVALUE" and "-t=VALUE" attach one, "--name" and "-t" none.
struct Written {
    std::string_view name;
    std::optional<std::string_view> value;
};

Written SplitWritten(std::string_view arg) {
    if (arg.starts_with(kLongPrefix)) {
        size_t equals = arg.find(kValueSeparator);
        if (equals == std::string_view::npos) return {arg, std::nullopt};
        return {arg.substr(0, equals), arg.substr(equals + 1)};
    }
    if (arg.size() == kShortOptionLength) return {arg, std::nullopt};
    std::string_view attached = arg.substr(kShortOptionLength);
    if (attached.starts_with(kValueSeparator)) attached.remove_prefix(1);
    return {arg.substr(0, kShortOptionLength), attached};
}

// The value of an option that takes one: attached to it, or else the next
// argument unless that looks like an option itself.
std::variant<std::string, UsageError> ValueOf(const Written& written,
                                              std::span<const std::string> args, size_t& i) {
    if (written.value) return std::string(*written.value);
    if (i + 1 == args.size() || LooksLikeOption(args[i + 1])) {
        return UsageError{messages::kMissingValue, std::string(written.name)};
    }
    return args[++i];
}

}  // namespace

const OptionSpec* FindSpec(std::span<const OptionSpec> specs, std::string_view written) {
    for (const OptionSpec& spec : specs) {
        bool isLong = written.starts_with(kLongPrefix) && written.substr(2) == spec.name;
        bool isShort = spec.shortName != 0 && written.size() == kShortOptionLength &&
                       written[1] == spec.shortName;
        if (isLong || isShort) return &spec;
    }
    return nullptr;
}

namespace {

// Reads the option at args[i] into `scanned`; i moves past a value taken
// from the next argument.
std::optional<UsageError> ReadOption(std::span<const std::string> args, size_t& i,
                                     std::span<const OptionSpec> specs, Scanned& scanned) {
    const std::string& arg = args[i];
    Written written = SplitWritten(arg);
    const OptionSpec* spec = FindSpec(specs, written.name);
    bool isShort = !arg.starts_with(kLongPrefix);
    // "-hx" is not the flag -h with a value but a word no option spells.
    if (spec == nullptr || (isShort && written.value && !spec->takesValue)) {
        return UsageError{messages::kUnknownOption, std::string(isShort ? arg : written.name)};
    }
    if (scanned.Has(*spec)) return UsageError{messages::kRepeatedOption, std::string(written.name)};
    if (!spec->takesValue) {
        if (written.value) return UsageError{messages::kOptionTakesNoValue, arg};
        scanned.options.emplace(spec->name, "");
        return std::nullopt;
    }
    auto value = ValueOf(written, args, i);
    if (auto* error = std::get_if<UsageError>(&value)) return *error;
    scanned.options.emplace(spec->name, std::get<std::string>(std::move(value)));
    return std::nullopt;
}

}  // namespace

std::variant<Scanned, UsageError> Scan(std::span<const std::string> args,
                                       std::span<const OptionSpec> specs) {
    Scanned scanned;
    bool optionsEnded = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (!optionsEnded && arg == kEndOfOptions) {
            optionsEnded = true;
        } else if (optionsEnded || !LooksLikeOption(arg)) {
            scanned.operands.push_back(arg);
        } else if (auto error = ReadOption(args, i, specs, scanned)) {
            return *error;
        }
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
