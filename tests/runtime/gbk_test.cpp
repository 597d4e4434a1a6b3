#include "runtime/gbk.h"

#include <gtest/gtest.h>

namespace runtime {
namespace {

TEST(Gbk, ChineseTextRoundTripsThroughTheGbkBytes) {
    std::string gbk = Utf8ToGbk("运行时出错!");
    EXPECT_EQ(gbk, "\xD4\xCB\xD0\xD0\xCA\xB1\xB3\xF6\xB4\xED!");
    EXPECT_EQ(GbkToUtf8(gbk), "运行时出错!");
}

struct ReplacementRow {
    const char* name;
    std::string input;
    std::string expected;
};

TEST(Gbk, UndecodableBytesAreReplacedAndTheRestKept) {
    const ReplacementRow gbkRows[] = {
        {"lone lead byte at the end", "12\xA3", "12\xEF\xBF\xBD"},
        {"invalid trail byte", "a\x81\x20z", "a\xEF\xBF\xBD z"},
        {"0xFF is no lead byte",
         "\xFF"
         "1",
         "\xEF\xBF\xBD"
         "1"},
    };
    for (const ReplacementRow& row : gbkRows) {
        EXPECT_EQ(GbkToUtf8(row.input), row.expected) << row.name;
    }
    const ReplacementRow utf8Rows[] = {
        {"character without a GBK form", "a\xF0\x9F\x98\x80z", "a?z"},
        {"broken sequence", "a\xE4\xB8z", "a?z"},
        {"truncated at the end", "a\xE4", "a?"},
    };
    for (const ReplacementRow& row : utf8Rows) {
        EXPECT_EQ(Utf8ToGbk(row.input), row.expected) << row.name;
    }
}

TEST(Gbk, LongTextsConvertWhole) {
    std::string utf8;
    for (int i = 0; i < 5000; ++i) utf8 += "湿";
    std::string gbk = Utf8ToGbk(utf8);
    EXPECT_EQ(gbk.size(), 10000u);
    EXPECT_EQ(GbkToUtf8(gbk), utf8);
}

}  // namespace
}  // namespace runtime
