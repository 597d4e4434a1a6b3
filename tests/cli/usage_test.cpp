// Wrong command lines end with status 2, a message on standard error in the
// locale's language and nothing on standard output; the language follows
// LC_ALL, LC_MESSAGES and LANG in that order.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/run.h"

namespace {

struct UsageCase {
    const char* name;
    std::vector<std::string> args;
    const char* message;  // a part of the English message
};

const UsageCase kUsageCases[] = {
    {"no command", {}, "no command"},
    {"unknown command", {"frob"}, "unknown command 'frob'"},
    {"unknown option", {"convert", "--rh", "5", "-t", "1", "--jsn"}, "unknown option '--jsn'"},
    {"no known quantity", {"convert", "-t", "20"}, "name the known quantity"},
    {"two known quantities", {"convert", "--rh", "5", "--ppm", "3", "-t", "1"}, "only one"},
    {"no temperature", {"convert", "--rh", "5"}, "temperature is missing"},
    {"value missing at the end", {"convert", "-t", "1", "--rh"}, "'--rh' needs a value"},
    {"option is no value", {"convert", "--rh", "-t", "20"}, "'--rh' needs a value"},
    {"flag with joined text", {"convert", "--rh", "5", "-t", "1", "-hx"}, "unknown option '-hx'"},
    {"repeated option",
     {"convert", "--rh", "5", "-t", "1", "--temperature", "2"},
     "'--temperature' given more"},
    {"flag with a value", {"convert", "--rh", "5", "-t", "1", "--csv=1"}, "takes no value"},
    {"two formats", {"convert", "--rh", "5", "-t", "1", "--json", "--csv"}, "exclude"},
    {"two directions",
     {"convert", "--rh", "5", "-t", "1", "--to-standard", "--from-standard"},
     "exclude"},
    {"page unit as gauge unit",
     {"convert", "--rh", "5", "-t", "1", "-u", "kPa"},
     "unknown pressure unit 'kPa'"},
    {"operand after convert", {"convert", "--rh", "5", "-t", "1", "7"}, "unexpected argument '7'"},
    {"value not a number", {"convert", "--rh=abc", "-t", "20"}, "--rh is not a number: 'abc'"},
    {"temperature not a number",
     {"convert", "--g-kg", "5", "-t", "２０C"},
     "--temperature is not a number: '２０C'"},
    {"empty gauge pressure",
     {"convert", "--ppm", "5", "-t", "1", "-p", ""},
     "--pressure is not a number: ''"},
    {"page value not a number",
     {"pressure", "1,5", "bar"},
     "the pressure value is not a number: '1,5'"},
    {"pressure without unit", {"pressure", "1"}, "needs a value and a unit"},
    {"unknown pressure unit", {"pressure", "1", "furlong"}, "unknown pressure unit 'furlong'"},
    {"gauge unit on the page", {"pressure", "1", "mbar"}, "unknown pressure unit 'mbar'"},
    {"options end at --", {"pressure", "1", "bar", "--", "--csv"}, "unexpected argument '--csv'"},
    {"day past the month", {"lunar", "2014-02-29"}, "not a date: '2014-02-29'"},
    {"hour 24", {"lunar", "2014-02-04", "24:00"}, "not a time: '24:00'"},
    {"before the lunar range", {"lunar", "1901-02-18"}, "1901-02-18 is outside"},
    {"after the lunar range", {"lunar", "2049-01-01"}, "2049-01-01 is outside"},
    {"day 30 of a short month", {"gregorian", "2021", "4", "30"}, "no such lunar date"},
    {"lunar day 31", {"gregorian", "2021", "4", "31"}, "not a lunar day"},
    {"terms past the table", {"terms", "2080"}, "not 2080"},
    {"month 13", {"calendar", "2014", "13"}, "not a month from 1 to 12: '13'"},
    {"calendar of three operands", {"calendar", "5", "2014", "1"}, "unexpected argument '1'"},
    {"batch file missing",
     {"batch", "/nonexistent/rows.csv"},
     "cannot open '/nonexistent/rows.csv'"},
    {"two batch files", {"batch", "a.csv", "b.csv"}, "unexpected argument 'b.csv'"},
    {"batch of a directory", {"batch", "/"}, "cannot read '/': Is a directory"},
    {"unknown encoding", {"batch", "--encoding", "latin1"}, "unknown encoding 'latin1'"},
    {"unknown separator", {"batch", "--separator=|"}, "unknown separator '|'"},
    {"leap flag elsewhere", {"lunar", "2014-02-04", "--leap"}, "unknown option '--leap'"},
};

TEST(Usage, WrongCommandLinesEndWithStatusTwo) {
    for (const UsageCase& c : kUsageCases) {
        std::ostringstream out, err;
        EXPECT_EQ(cli::Run(c.args, {cli::Language::English}, out, err), cli::ExitStatus::Usage)
            << c.name;
        EXPECT_EQ(out.str(), "") << c.name;
        EXPECT_NE(err.str().find(c.message), std::string::npos) << c.name << ": " << err.str();
    }
}

// Command lines that succeed: their output holds one text and may have to
// lack another.
struct AcceptedCase {
    const char* name;
    std::vector<std::string> args;
    cli::Language language;
    const char* holds;
    const char* lacks;  // null when nothing
};

const AcceptedCase kAcceptedCases[] = {
    {"values joined to options",
     {"convert", "--rh=50", "-t20", "-p=0.5", "--csv"},
     cli::Language::English,
     "pressure,dew_point,露点/霜点,-13.19,",
     nullptr},
    {"the class of the converted dew point, the pressure dew point from standard pressure",
     {"convert", "--dew-point", "-40", "-t", "20", "-p", "0.7", "--from-standard"},
     cli::Language::English,
     "\n\nPressure dew point -20.03 ℃: ISO 8573-1:2010 humidity class 3 (≤ -20 ℃); classes 0 "
     "and 7–9 are not decided by a dew point\n",
     nullptr},
    {"one command's help",
     {"convert", "--help"},
     cli::Language::English,
     "  convert --KNOWN VALUE -t TEMPERATURE",
     "pressure VALUE UNIT"},
    {"one command's help in Chinese",
     {"calendar", "-h"},
     cli::Language::Chinese,
     "calendar [[月份] 年份]",
     "batch [文件]"},
    {"the whole help", {"help"}, cli::Language::English, "  batch [FILE]", "Usage:\n"},
    {"version, copyright and licence",
     {"--version"},
     cli::Language::English,
     "\nCopyright (C) Hengpu Technology Co., Ltd.\nLicence: ",
     nullptr},
};

TEST(Usage, AcceptedCommandLinesAnswerAsAsked) {
    for (const AcceptedCase& c : kAcceptedCases) {
        std::ostringstream out, err;
        EXPECT_EQ(cli::Run(c.args, {c.language}, out, err), cli::ExitStatus::Success)
            << c.name << ": " << err.str();
        EXPECT_NE(out.str().find(c.holds), std::string::npos) << c.name << ":\n" << out.str();
        if (c.lacks) {
            EXPECT_EQ(out.str().find(c.lacks), std::string::npos) << c.name;
        }
    }
}

TEST(Usage, MessagesAndHelpFollowTheLocale) {
    std::ostringstream out, err;
    EXPECT_EQ(cli::Run({{"frob"}}, {cli::Language::Chinese}, out, err), cli::ExitStatus::Usage);
    EXPECT_NE(err.str().find("未知命令“frob”"), std::string::npos) << err.str();
    EXPECT_EQ(cli::Run({{"--help"}}, {cli::Language::Chinese}, out, err), cli::ExitStatus::Success);
    EXPECT_NE(out.str().find("用法"), std::string::npos);

    struct LocaleCase {
        const char* lcAll;
        const char* lcMessages;
        const char* lang;
        cli::Language expected;
    };
    const LocaleCase kLocales[] = {
        {nullptr, nullptr, "zh_CN.UTF-8", cli::Language::Chinese},
        {nullptr, nullptr, "en_US.UTF-8", cli::Language::English},
        {nullptr, nullptr, nullptr, cli::Language::English},
        {"C", nullptr, "zh_CN.UTF-8", cli::Language::English},
        {"", "zh_TW.UTF-8", "en_GB.UTF-8", cli::Language::Chinese},
        {"zh_CN.GBK", "en_US.UTF-8", nullptr, cli::Language::Chinese},
    };
    for (const LocaleCase& c : kLocales) {
        EXPECT_EQ(cli::LanguageOf(c.lcAll, c.lcMessages, c.lang), c.expected)
            << (c.lcAll ? c.lcAll : "-") << ' ' << (c.lcMessages ? c.lcMessages : "-") << ' '
            << (c.lang ? c.lang : "-");
    }
}

}  // namespace
