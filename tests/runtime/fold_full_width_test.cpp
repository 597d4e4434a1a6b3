#include <gtest/gtest.h>

#include "runtime/convert.h"

namespace runtime {
namespace {

struct FoldRow {
    const char* name;
    std::string gbk;
    bool removeSpaces;
    std::string expected;
};

TEST(FoldFullWidth, FoldsFullWidthFormsAndKeepsEverythingElse) {
    const FoldRow rows[] = {
        {"ASCII is copied", "12.5e3", false, "12.5e3"},
        {"full-width digits and point", "\xA3\xB1\xA3\xB2\xA3\xAE\xA3\xB5", false, "12.5"},
        {"full-width signs and exponent", "\xA3\xAD\xA3\xB1\xA3\xC5\xA3\xAB\xA3\xB2", false,
         "-1E+2"},
        {"first and last full-width forms", "\xA3\xA1\xA3\xFE", false, "!~"},
        {"0xA3 with a trail below 0xA1 stays a pair", "\xA3\x80", false, "\xA3\x80"},
        {"ideographic space",
         "1\xA1\xA1"
         "2",
         false, "1 2"},
        {"ideographic space removed on request",
         "1\xA1\xA1"
         "2",
         true, "12"},
        {"ASCII space removed on request", " 1 2 ", true, "12"},
        {"wave dash", "\xA1\xAB", false, "~"},
        {"white and black star", "\xA1\xEE\xA1\xEF", false, "**"},
        {"Chinese characters stay pairs", "\xCA\xAA\xB6\xC8", false, "\xCA\xAA\xB6\xC8"},
        {"degree sign after a number", "12.5\xA1\xE6", false, "12.5\xA1\xE6"},
        {"lone lead byte at the end is dropped", "12\xA3", false, "12"},
        {"lead byte before a zero ends the copy",
         std::string("1\xA3\0"
                     "2",
                     4),
         false, "1"},
        {"empty", "", false, ""},
    };
    for (const FoldRow& row : rows) {
        EXPECT_EQ(FoldFullWidth(row.gbk, row.removeSpaces), row.expected) << row.name;
    }
}

}  // namespace
}  // namespace runtime
