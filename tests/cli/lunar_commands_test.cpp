// The lunar commands hand their arguments to the lunar library and its
// answers to the right fields: the time of day reaches the sexagenary year,
// --leap reaches the conversion, and the month page follows the window's
// day grid (month names on the first lunar day, the terms line below).

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/run.h"

namespace {

struct LunarCase {
    const char* name;
    std::vector<std::string> args;
    const char* expected;  // a part of the output
};

const LunarCase kLunarCases[] = {
    {"before 立春 the old year",
     {"lunar", "2014-02-04", "05:00", "--csv"},
     "2014-02-04,05:00:00,2,2014,1,5,false,正月,初五,癸巳,乙丑,"},
    {"after 立春 the new year",
     {"lunar", "2014-02-04", "07:00:30", "--csv"},
     "2014-02-04,07:00:30,2,2014,1,5,false,正月,初五,甲午,丙寅,"},
    {"the day's term and date field",
     {"lunar", "2014-02-04", "--json"},
     "\"name\": \"立春\", \"moment\": \"2014-02-04 06:03:"},
    {"date field shows the day's end",
     {"lunar", "2014-02-04", "--csv"},
     ",甲午年(马)正月初五 2014-2-4,2014-02-04 23:59:59\n"},
    {"date field says its moment",
     {"lunar", "1902-02-05", "00:00", "--json"},
     "\"date_field\": \"壬寅年(虎)腊月廿七 1902-2-5\",\n    \"date_field_moment\": \"1902-02-05 "
     "23:59:59\""},
    {"date field's rule in its label",
     {"lunar", "1902-02-05", "00:00"},
     "\n日期框（窗口，按当日 23:59:59）  壬寅年(虎)腊月廿七 1902-2-5\n"},
    {"leap month",
     {"gregorian", "2020", "4", "1", "--leap", "--csv"},
     "2020-05-23,00:00:00,6,2020,4,1,true,闰四月,初一"},
    {"the month before it", {"gregorian", "2020", "4", "1", "--csv"}, "2020-04-23,"},
    {"a leap flag the year lacks",
     {"gregorian", "2021", "4", "1", "--leap", "--csv"},
     "2021-05-12,00:00:00,3,2021,4,1,false,"},
    {"last convertible day", {"lunar", "2048-12-31", "--csv"}, ",2048,11,27,false,冬月,廿七,"},
    {"terms of a year", {"terms", "2014", "--csv"}, "number,name,moment\n1,小寒,2014-01-05 18:2"},
    {"month page, month first", {"calendar", "5", "2020"}, "  廿九   三十 闰四月   初二\n"},
    {"terms line, year first", {"calendar", "2014", "2"}, "\n初五立春  二十雨水\n"},
    {"this month in China", {"calendar"}, "  2024年2月\n"},
    {"a year's pages", {"calendar", "2014"}, "  2014年12月\n"},
    {"a year as CSV", {"calendar", "2014", "--csv"}, "\n2014-12-31,3,2014,11,10,false,初十,,\n"},
    {"a year as JSON", {"calendar", "2014", "--json"}, "\n    \"months\": [\n"},
    {"no lunar days before the range",
     {"calendar", "1901", "2", "--csv"},
     "1901-02-18,1,,,,,,,\n1901-02-19,2,1901,1,1,false,正月,雨水,"},
};

// 2024-01-31 17:00 UTC, already 2024-02-01 in China.
constexpr std::time_t kNow = 1706720400;

TEST(LunarCommands, ArgumentsReachTheCalendarAndItsAnswersTheirFields) {
    cli::Environment environment{cli::Language::Chinese};
    environment.now = kNow;
    for (const LunarCase& c : kLunarCases) {
        std::ostringstream out, err;
        EXPECT_EQ(cli::Run(c.args, environment, out, err), cli::ExitStatus::Success)
            << c.name << ": " << err.str();
        EXPECT_NE(out.str().find(c.expected), std::string::npos) << c.name << ":\n" << out.str();
    }
}

}  // namespace
