#pragma once
// The command line, read into one request or a usage error.
//
//   argv ─► command word ─► options and operands ─► ConvertRequest | PressureRequest | ...
//
// Options are "--name VALUE", "--name=VALUE", or a short "-t VALUE", "-tVALUE"
// or "-t=VALUE". An argument counts as an option only when it starts with "-"
// or "--" followed by a letter, so "-40", "--5" and "" are operands; an
// option is never taken as the value of the option before it, so that
// "--rh -t 20" says --rh lacks its value. "--" makes every later argument an
// operand.

#include <optional>
#include <span>
#include <string>
#include <variant>

#include "cli/catalogue.h"
#include "cli/input_encoding.h"
#include "cli/language.h"
#include "cli/lunar_facts.h"

namespace cli {

enum class OutputFormat { Table, Json, Csv };

// Texts are UTF-8 as typed.
struct ConvertRequest {
    KnownQuantity quantity;
    std::string value;
    std::string temperature;
    std::string pressure;
    GaugeUnit gaugeUnit;
    Direction direction;
    OutputFormat format;
    bool pressureGiven;  // false: the window's start pressure stands in
};

struct PressureRequest {
    std::string value;
    PressureUnit unit;
    OutputFormat format;
};

// Gregorian date and time to the lunar calendar.
struct LunarRequest {
    lunar::SolarDate date;
    ClockTime time;
    OutputFormat format;
};

// A lunar date back to the Gregorian calendar.
struct GregorianRequest {
    uint16_t lunarYear;
    uint16_t lunarMonth;
    uint16_t lunarDay;
    bool isLeap;
    OutputFormat format;
};

struct SolarTermsRequest {
    uint16_t year;
    OutputFormat format;
};

// One month page, a year's twelve, or this month's when no year is given.
struct CalendarRequest {
    std::optional<uint16_t> year;   // none: this month
    std::optional<uint16_t> month;  // none with a year: the whole year
    OutputFormat format;
};

// Many humidity conversions, one a CSV row; an empty path or "-" means
// standard input. Without a separator the header's decides.
struct BatchRequest {
    std::string path;
    InputEncoding encoding = InputEncoding::Auto;
    std::optional<char> separator;
};

struct HelpRequest {
    const Message* command = nullptr;  // the command's help section; null for the whole help
};
struct VersionRequest {};

struct UsageError {
    Message message;
    std::string argument;     // fills the message's "{}"
    std::string detail = {};  // fills a second "{}"
};

using Request =
    std::variant<ConvertRequest, PressureRequest, LunarRequest, GregorianRequest, SolarTermsRequest,
                 CalendarRequest, BatchRequest, HelpRequest, VersionRequest, UsageError>;

// The arguments after the program name.
Request ParseArguments(std::span<const std::string> args);

}  // namespace cli
