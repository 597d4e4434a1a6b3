#include "runtime/datetime.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ctime>

#include "command_test_support.h"
#include "runtime/convert.h"

namespace runtime {
namespace {

using testing::CallForInt;
using testing::CallForText;
using testing::Gbk;

class DateTimeCommands : public testing::HeapCheckedTest {};

struct TextRow {
    const char* name;
    double dateTime;
    TaggedValue format;
    const char* expectedUtf8;
};

TEST_F(DateTimeCommands, DateTimeToTextWritesTheTimeUpToItsLastNonZeroField) {
    const TextRow rows[] = {
        {"hour only", ComposeDateTime(2015, 1, 9, 8), MakeOmitted(), "2015年1月9日8时"},
        {"midnight", ComposeDateTime(2015, 1, 9), MakeOmitted(), "2015年1月9日"},
        {"minutes", ComposeDateTime(2015, 1, 9, 13, 5), MakeOmitted(), "2015年1月9日13时5分"},
        {"seconds", ComposeDateTime(2015, 1, 9, 13, 5, 7), MakeOmitted(), "2015年1月9日13时5分7秒"},
        {"zero minutes before seconds", ComposeDateTime(2015, 1, 9, 0, 0, 7), MakeOmitted(),
         "2015年1月9日0时0分7秒"},
        {"date only", ComposeDateTime(2015, 1, 9, 13, 5, 7), MakeInt(2), "2015年1月9日"},
        {"time only", ComposeDateTime(2015, 1, 9), MakeInt(3), "0时0分0秒"},
        {"format above 3 is 3", ComposeDateTime(2015, 1, 9, 1, 2, 3), MakeInt(9), "1时2分3秒"},
        {"format below 1 is 1", ComposeDateTime(2015, 1, 9, 1), MakeInt(-4), "2015年1月9日1时"},
        {"clamped above", 3000000, MakeOmitted(), "9999年12月31日"},
        {"clamped below", -1e9, MakeOmitted(), "100年1月1日"},
        {"negative keeps the time of day", -1.25, MakeOmitted(), "1899年12月29日6时"},
        {"day zero", 0, MakeOmitted(), "1899年12月30日"},
        {"not a number is day zero", std::nan(""), MakeOmitted(), "1899年12月30日"},
    };
    for (const TextRow& row : rows) {
        EXPECT_EQ(CallForText(DateTimeToText, {MakeDateTime(row.dateTime), row.format}),
                  Gbk(row.expectedUtf8))
            << row.name;
    }
}

TEST_F(DateTimeCommands, SplittingRoundsToTheNearestSecond) {
    const double second = 1.0 / 86400;
    struct Row {
        const char* name;
        double dateTime;
        const char* expectedUtf8;
    };
    const Row rows[] = {
        {"just under half a second rounds down", ComposeDateTime(2015, 1, 9, 8) + 0.49 * second,
         "2015年1月9日8时"},
        {"just over half a second rounds up", ComposeDateTime(2015, 1, 9, 8) + 0.51 * second,
         "2015年1月9日8时0分1秒"},
        {"last half second rounds into the next day", ComposeDateTime(2015, 1, 10) - 0.4 * second,
         "2015年1月10日"},
        {"negative values round away from zero", -1.25 - 0.6 * second, "1899年12月29日6时0分1秒"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(CallForText(DateTimeToText, {MakeDateTime(row.dateTime)}), Gbk(row.expectedUtf8))
            << row.name;
    }
}

TEST(DateTimePart, EachPartAndTheClampedPartNumbers) {
    const double moment = ComposeDateTime(2016, 12, 31, 23, 58, 59);
    struct Row {
        const char* name;
        int32_t part;
        int32_t expected;
    };
    const Row rows[] = {
        {"year", 1, 2016},
        {"quarter", 2, 4},
        {"month", 3, 12},
        {"week", 4, 53},
        {"day", 5, 31},
        {"hour", 6, 23},
        {"minute", 7, 58},
        {"second", 8, 59},
        {"weekday Saturday", 9, 7},
        {"day of a leap year", 10, 366},
        {"below 1 is the year", 0, 2016},
        {"above 10 is the day of the year", 11, 366},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(CallForInt(DateTimePart, {MakeDateTime(moment), MakeInt(row.part)}), row.expected)
            << row.name;
    }
}

TEST(DayOfWeek, SundayIsOne) {
    struct Row {
        const char* name;
        double dateTime;
        int32_t expected;
    };
    const Row rows[] = {
        {"2015-01-09 Friday", ComposeDateTime(2015, 1, 9), 6},
        {"1899-12-30 Saturday", 0, 7},
        {"1899-12-31 Sunday", 1, 1},
        {"1899-12-29 Friday", -1.5, 6},
        {"9999-12-31 Friday", 3000000, 6},
        {"0100-01-01 Friday", -657434, 6},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(CallForInt(DayOfWeek, {MakeDateTime(row.dateTime)}), row.expected) << row.name;
    }
}

TEST(DateTime, ComposeAndSplitAgreeOverTheWholeRange) {
    for (double day = MinDateTime; day <= MaxDateTime; day += 997) {
        DateTimeFields f = SplitDateTime(day);
        EXPECT_EQ(ComposeDateTime(f.year, f.month, f.day), day);
    }
    EXPECT_EQ(ClampDateTime(3000000), MaxDateTime);
    EXPECT_EQ(ClampDateTime(-3000000), MinDateTime);
}

TEST(CurrentDateTime, IsTheLocalTimeNow) {
    std::time_t before = std::time(nullptr);
    double now = testing::CallForDouble(CurrentDateTime, {});
    std::tm local{};
    localtime_r(&before, &local);
    double expected = ComposeDateTime(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                                      local.tm_hour, local.tm_min, local.tm_sec);
    EXPECT_GE(now, expected);
    EXPECT_LE(now, expected + 2.0 / 86400);
}

}  // namespace
}  // namespace runtime
