#pragma once
// One run of the program: what it was asked (the request its arguments make),
// what it takes from its process besides them, and how it ends.
//
//   argv ─► ParseArguments ─► Request ─► Run(request, Environment) ─► ExitStatus

#include <ctime>
#include <optional>
#include <string>
#include <variant>

#include "cli/facts/catalogue.h"
#include "cli/facts/lunar_facts.h"
#include "cli/text/input_encoding.h"
#include "cli/text/language.h"

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

enum class ExitStatus : int {
    Success = 0,
    RowsFailed = 1,    // a batch ran, but some of its rows could not be converted
    Usage = 2,         // the command line was wrong, or the input could not be read
    OutputFailed = 3,  // standard output could not be written in full
};

// What the program takes from its process besides the arguments.
struct Environment {
    Language language = Language::English;
    int standardInput = 0;          // a descriptor
    bool progressTerminal = false;  // standard error is a terminal that standard output is not
    std::time_t now = std::time(nullptr);  // decides the calendar's "this month"
};

}  // namespace cli
