#include "lunar_controls/persisted_block.h"

#include <gtest/gtest.h>

#include <bit>

#include "tests/lunar_controls/gui_support.h"

namespace lunar_controls {
namespace {

using test::Gbk;

forms::Bytes ArchiveStringOf(const std::string& text) {
    forms::ArchiveWriter writer;
    lunar_controls::WriteArchiveString(writer, text);
    return writer.Take();
}

TEST(ArchiveString, LengthPrefixGrowsAtEachMarker) {
    struct Case {
        const char* name;
        size_t length;
        forms::Bytes prefix;
    };
    const Case cases[] = {
        {"empty", 0, {0x00}},
        {"longest one-byte length", 254, {0xFE}},
        {"0xFF announces a 16-bit length", 255, {0xFF, 0xFF, 0x00}},
        {"longest 16-bit length", 65534, {0xFF, 0xFE, 0xFF}},
        {"0xFFFF announces a 32-bit length", 65535, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00}},
        {"a 32-bit length", 70000, {0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string text(c.length, 'x');
        const forms::Bytes bytes = ArchiveStringOf(text);
        ASSERT_EQ(bytes.size(), c.prefix.size() + c.length);
        EXPECT_TRUE(std::equal(c.prefix.begin(), c.prefix.end(), bytes.begin()));
        forms::ArchiveReader reader(bytes);
        EXPECT_EQ(lunar_controls::ReadArchiveString(reader), text);
        EXPECT_EQ(reader.Remaining(), 0u);
    }
}

TEST(ArchiveString, CutShortOrOverlongLengthsFail) {
    const forms::Bytes cases[] = {
        {},
        {0x05, 'a', 'b'},
        {0xFF, 0x10},
        {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF},
        {0xFF, 0xFF, 0xFF, 0x01, 0x00, 0x00},
    };
    for (const forms::Bytes& bytes : cases) {
        forms::ArchiveReader reader(bytes);
        EXPECT_EQ(lunar_controls::ReadArchiveString(reader), std::nullopt);
        EXPECT_FALSE(reader.Ok());
    }
}

TEST(MonthCalendarBlock, RoundTripsEveryField) {
    lunar_controls::MonthCalendarBlock block;
    block.dateTime = runtime::ComposeDateTime(2014, 2, 10, 12);
    block.layoutMode = lunar_controls::kGregorianLayoutMode;
    block.formatTemplate = Gbk("%Y(%S)-%y");
    block.headerShown = 0;
    const forms::Bytes bytes = lunar_controls::WriteMonthCalendarBlock(block);
    EXPECT_EQ(bytes.size(), 4u + 8 + 4 + 1 + block.formatTemplate.size() + 4);
    const MonthCalendarBlock read = ReadMonthCalendarBlock(bytes);
    EXPECT_EQ(read.version, 2u);
    EXPECT_EQ(read.dateTime, block.dateTime);
    EXPECT_EQ(read.layoutMode, lunar_controls::kGregorianLayoutMode);
    EXPECT_EQ(read.formatTemplate, block.formatTemplate);
    EXPECT_EQ(read.headerShown, 0);
}

TEST(MonthCalendarBlock, AllZeroBlockReadsNoHeaderFlag) {
    const forms::Bytes zeros(4 + 8 + 4 + 1 + 4, 0);
    const MonthCalendarBlock read = ReadMonthCalendarBlock(zeros);
    EXPECT_EQ(read.version, 0u);
    EXPECT_EQ(read.dateTime, 0.0);
    EXPECT_EQ(read.layoutMode, 0);
    EXPECT_EQ(read.formatTemplate, "");
    EXPECT_EQ(read.headerShown, 1) << "version 0 carries no header flag";
}

TEST(MonthCalendarBlock, ReadingStopsAtTheFirstFieldCutShort) {
    lunar_controls::MonthCalendarBlock written;
    written.dateTime = runtime::ComposeDateTime(2014, 2, 10);
    written.layoutMode = lunar_controls::kGregorianLayoutMode;
    written.formatTemplate = "abc";
    written.headerShown = 0;
    const forms::Bytes whole = lunar_controls::WriteMonthCalendarBlock(written);
    const double before = runtime::NowDateTime();
    struct Case {
        const char* name;
        size_t length;
        bool hasDate, hasMode, hasTemplate, hasHeader;
    };
    const Case cases[] = {
        {"version only", 4, false, false, false, false},
        {"date cut short", 10, false, false, false, false},
        {"mode cut short", 14, true, false, false, false},
        {"template cut short", 18, true, true, false, false},
        {"header flag cut short", whole.size() - 1, true, true, true, false},
        {"whole", whole.size(), true, true, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const MonthCalendarBlock read = ReadMonthCalendarBlock(std::span(whole).first(c.length));
        EXPECT_EQ(read.version, 2u);
        if (c.hasDate) {
            EXPECT_EQ(read.dateTime, written.dateTime);
        } else {
            EXPECT_GE(read.dateTime, before) << "the default is the current time";
        }
        EXPECT_EQ(read.layoutMode, c.hasMode ? lunar_controls::kGregorianLayoutMode : 0);
        EXPECT_EQ(read.formatTemplate, c.hasTemplate ? "abc" : "");
        EXPECT_EQ(read.headerShown, c.hasHeader ? 0 : 1);
    }
}

TEST(DateBoxBlock, RoundTripsEveryField) {
    lunar_controls::DateBoxBlock block;
    block.dateTime = runtime::ComposeDateTime(2014, 2, 4, 6, 3, 10);
    block.layoutMode = lunar_controls::kGregorianLayoutMode;
    block.formatTemplate = Gbk("%M%D");
    const DateBoxBlock read = ReadDateBoxBlock(WriteDateBoxBlock(block));
    EXPECT_EQ(read.version, 3u);
    EXPECT_EQ(read.dateTime, block.dateTime);
    EXPECT_EQ(read.layoutMode, lunar_controls::kGregorianLayoutMode);
    EXPECT_EQ(read.formatTemplate, block.formatTemplate);
}

TEST(DateBoxBlock, OlderVersionsReadFewerFields) {
    // Version 1 and 2 blocks followed by bytes that would read as mode 1 and
    // a one-byte template.
    const double stored = runtime::ComposeDateTime(2014, 2, 4);
    auto block = [stored](uint32_t version) {
        forms::ArchiveWriter writer;
        writer.Value(version);
        writer.Value(std::bit_cast<uint64_t>(stored));
        writer.Value(int32_t(lunar_controls::kGregorianLayoutMode));
        lunar_controls::WriteArchiveString(writer, "x");
        return writer.Take();
    };
    const DateBoxBlock v1 = ReadDateBoxBlock(block(1));
    EXPECT_EQ(v1.dateTime, stored);
    EXPECT_EQ(v1.layoutMode, 0);
    EXPECT_EQ(v1.formatTemplate, "");
    const DateBoxBlock v2 = ReadDateBoxBlock(block(2));
    EXPECT_EQ(v2.layoutMode, lunar_controls::kGregorianLayoutMode);
    EXPECT_EQ(v2.formatTemplate, "");

    const DateBoxBlock zeros = ReadDateBoxBlock(forms::Bytes(4 + 8 + 4 + 1, 0));
    EXPECT_EQ(zeros.version, 0u);
    EXPECT_EQ(zeros.dateTime, 0.0);
}

TEST(DateBoxBlock, EmptyDataGivesTheDefaults) {
    const double before = runtime::NowDateTime();
    const DateBoxBlock read = ReadDateBoxBlock({});
    EXPECT_EQ(read.version, 3u);
    EXPECT_GE(read.dateTime, before);
    EXPECT_EQ(read.layoutMode, 0);
    EXPECT_EQ(read.formatTemplate, "");
}

}  // namespace
}  // namespace lunar_controls
