#include "cli/arguments/calendar_arguments.h"

#include <algorithm>
#include <charconv>

#include "cli/text/messages.h"

namespace cli::arguments {
namespace {

// Years the calendar commands accept; the lunar library answers any of them.
constexpr int kFirstYear = 1;
constexpr int kLastYear = 9999;
constexpr size_t kMostDigits = 4;
constexpr int kHoursPerDay = 24;
constexpr int kMinutesPerHour = 60;
constexpr int kSecondsPerMinute = 60;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// A whole number in [low, high] written with decimal digits only.
std::optional<int> WholeNumber(std::string_view text, int low, int high) {
    int value = 0;
    if (text.empty() || text.size() > kMostDigits || !std::ranges::all_of(text, IsDigit)) {
        return std::nullopt;
    }
    std::from_chars(text.data(), text.data() + text.size(), value);
    if (value < low || value > high) return std::nullopt;
    return value;
}

// The parts of a text between separators.
std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    for (size_t start = 0;;) {
        size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::string_view::npos) return parts;
        start = end + 1;
    }
}

// "YYYY-MM-DD", the day checked against the month.
std::optional<lunar::SolarDate> DateOf(std::string_view text) {
    std::vector<std::string_view> parts = Split(text, '-');
    if (parts.size() != 3) return std::nullopt;
    auto year = WholeNumber(parts[0], kFirstYear, kLastYear);
    auto month = WholeNumber(parts[1], 1, lunar::MonthsPerYear);
    if (!year || !month) return std::nullopt;
    auto day =
        WholeNumber(parts[2], 1, lunar::GregorianMonthDays(uint16_t(*year), uint16_t(*month)));
    if (!day) return std::nullopt;
    return lunar::SolarDate{uint16_t(*year), uint16_t(*month), uint16_t(*day), 0};
}

// "HH:MM" or "HH:MM:SS".
std::optional<ClockTime> TimeOf(std::string_view text) {
    std::vector<std::string_view> parts = Split(text, ':');
    if (parts.size() != 2 && parts.size() != 3) return std::nullopt;
    auto hour = WholeNumber(parts[0], 0, kHoursPerDay - 1);
    auto minute = WholeNumber(parts[1], 0, kMinutesPerHour - 1);
    auto second = parts.size() == 3 ? WholeNumber(parts[2], 0, kSecondsPerMinute - 1) : 0;
    if (!hour || !minute || !second) return std::nullopt;
    return ClockTime{*hour, *minute, *second};
}

std::variant<uint16_t, UsageError> YearOf(std::string_view text) {
    if (auto year = WholeNumber(text, kFirstYear, kLastYear)) return uint16_t(*year);
    return UsageError{messages::kBadYear, std::string(text)};
}

std::variant<uint16_t, UsageError> MonthOf(std::string_view text) {
    if (auto month = WholeNumber(text, 1, lunar::MonthsPerYear)) return uint16_t(*month);
    return UsageError{messages::kBadMonth, std::string(text)};
}

}  // namespace

Request ParseLunar(const Scanned& scanned) {
    if (auto error = FormatError(scanned)) return *error;
    if (auto error = OperandCount(scanned, 1, 2, messages::kLunarOperands)) return *error;
    std::optional<lunar::SolarDate> date = DateOf(scanned.operands[0]);
    if (!date) return UsageError{messages::kBadDate, scanned.operands[0]};
    std::optional<ClockTime> time = ClockTime{};
    if (scanned.operands.size() > 1) time = TimeOf(scanned.operands[1]);
    if (!time) return UsageError{messages::kBadTime, scanned.operands[1]};
    return LunarRequest{*date, *time, FormatOf(scanned)};
}

Request ParseGregorian(const Scanned& scanned) {
    if (auto error = FormatError(scanned)) return *error;
    if (auto error = OperandCount(scanned, 3, 3, messages::kGregorianOperands)) return *error;
    auto year = YearOf(scanned.operands[0]);
    if (auto* error = std::get_if<UsageError>(&year)) return *error;
    auto month = MonthOf(scanned.operands[1]);
    if (auto* error = std::get_if<UsageError>(&month)) return *error;
    auto day = WholeNumber(scanned.operands[2], 1, lunar::LongestLunarMonth);
    if (!day) return UsageError{messages::kBadLunarDay, scanned.operands[2]};
    return GregorianRequest{std::get<uint16_t>(year), std::get<uint16_t>(month), uint16_t(*day),
                            scanned.Has(kGregorianLeap), FormatOf(scanned)};
}

Request ParseSolarTerms(const Scanned& scanned) {
    if (auto error = FormatError(scanned)) return *error;
    if (auto error = OperandCount(scanned, 1, 1, messages::kTermsOperands)) return *error;
    auto year = YearOf(scanned.operands[0]);
    if (auto* error = std::get_if<UsageError>(&year)) return *error;
    return SolarTermsRequest{std::get<uint16_t>(year), FormatOf(scanned)};
}

// Operands as cal reads them: none, YEAR, or MONTH YEAR. A first operand
// above 12 cannot be a month, so it is the year of the older order YEAR MONTH.
Request ParseCalendar(const Scanned& scanned) {
    if (auto error = FormatError(scanned)) return *error;
    if (auto error = OperandCount(scanned, 0, 2, {})) return *error;
    const std::vector<std::string>& operands = scanned.operands;
    CalendarRequest request{std::nullopt, std::nullopt, FormatOf(scanned)};
    if (operands.empty()) return request;
    bool yearFirst = operands.size() == 2 && !WholeNumber(operands[0], 1, lunar::MonthsPerYear);
    const std::string& yearText = operands.size() == 1 || yearFirst ? operands[0] : operands[1];
    auto year = YearOf(yearText);
    if (auto* error = std::get_if<UsageError>(&year)) return *error;
    request.year = std::get<uint16_t>(year);
    if (operands.size() == 1) return request;
    auto month = MonthOf(yearFirst ? operands[1] : operands[0]);
    if (auto* error = std::get_if<UsageError>(&month)) return *error;
    request.month = std::get<uint16_t>(month);
    return request;
}

}  // namespace cli::arguments
