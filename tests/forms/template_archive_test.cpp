#include "forms/template_archive.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace forms {
namespace {

using Bytes = std::vector<uint8_t>;

TEST(TemplateArchive, IntegersAreLittleEndian) {
    const Bytes bytes = {0x78, 0x56, 0x34, 0x12, 0xFF, 0xFF, 0xFF, 0xFF, 0x2A, 0x00};
    ArchiveReader in(bytes);
    int16_t shortValue = 0;
    EXPECT_EQ(in.U32(), 0x12345678u);
    EXPECT_EQ(in.I32(), -1);
    in.Value(shortValue);
    EXPECT_EQ(shortValue, 42);
    EXPECT_TRUE(in.Ok());
    EXPECT_EQ(in.Remaining(), 0u);

    ArchiveWriter out;
    out.Value(uint32_t{0x12345678});
    out.Value(int32_t{-1});
    out.Value(int16_t{42});
    EXPECT_EQ(out.Bytes(), bytes);
}

TEST(TemplateArchive, TextEndsAtAnInnerNulButConsumesItsWholeLength) {
    const Bytes bytes = {5, 0, 0, 0, 'a', 'b', 0, 'c', 'd', 1, 0, 0, 0, 'z'};
    ArchiveReader in(bytes);
    std::string first;
    std::string second;
    in.Text(first);
    in.Text(second);
    EXPECT_TRUE(in.Ok());
    EXPECT_EQ(first, "ab");
    EXPECT_EQ(second, "z");
}

TEST(TemplateArchive, BlobKeepsInnerNuls) {
    const Bytes bytes = {3, 0, 0, 0, 1, 0, 2};
    ArchiveReader in(bytes);
    Bytes blob;
    in.Blob(blob);
    EXPECT_TRUE(in.Ok());
    EXPECT_EQ(blob, (Bytes{1, 0, 2}));
}

TEST(TemplateArchive, TextListWithWideCountMarkerReadsAThirtyTwoBitCount) {
    const Bytes bytes = {0xFF, 0xFF, 2, 0, 0, 0, 1, 0, 0, 0, 'a', 0, 0, 0, 0};
    ArchiveReader in(bytes);
    std::vector<std::string> texts;
    in.TextList(texts);
    EXPECT_TRUE(in.Ok());
    EXPECT_EQ(texts, (std::vector<std::string>{"a", ""}));
    EXPECT_EQ(in.Remaining(), 0u);
}

TEST(TemplateArchive, TextListCountEncodingSwitchesAtTheMarker) {
    struct Case {
        const char* name;
        size_t count;
        Bytes expectedHead;
    };
    const Case cases[] = {
        {"largest short count", 0xFFFE, {0xFE, 0xFF}},
        {"the marker value itself needs the wide count", 0xFFFF, {0xFF, 0xFF, 0xFF, 0xFF, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<std::string> texts(c.count, "x");
        ArchiveWriter out;
        out.TextList(texts);
        const Bytes& bytes = out.Bytes();
        ASSERT_GE(bytes.size(), c.expectedHead.size());
        EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + std::ptrdiff_t(c.expectedHead.size())),
                  c.expectedHead);
        ArchiveReader in(bytes);
        std::vector<std::string> back;
        in.TextList(back);
        EXPECT_TRUE(in.Ok());
        EXPECT_EQ(back, texts);
    }
}

TEST(TemplateArchive, CStringReadsUpToTheTerminator) {
    const Bytes bytes = {'a', 'b', 0, 0, 'c', 0};
    ArchiveReader in(bytes);
    std::string first;
    std::string second;
    std::string third;
    in.CString(first);
    in.CString(second);
    in.CString(third);
    EXPECT_TRUE(in.Ok());
    EXPECT_EQ(first, "ab");
    EXPECT_EQ(second, "");
    EXPECT_EQ(third, "c");
}

TEST(TemplateArchive, WriterStopsACStringAtItsFirstNul) {
    ArchiveWriter out;
    out.CString(std::string("ab\0cd", 5));
    EXPECT_EQ(out.Bytes(), (Bytes{'a', 'b', 0}));
}

TEST(TemplateArchive, MalformedInputFailsAndStaysFailed) {
    struct Case {
        const char* name;
        Bytes bytes;
        void (*read)(ArchiveReader&);
    };
    const Case cases[] = {
        {"integer cut short", {1, 2, 3}, [](ArchiveReader& in) { in.U32(); }},
        {"text longer than the input",
         {9, 0, 0, 0, 'a'},
         [](ArchiveReader& in) {
             std::string text;
             in.Text(text);
         }},
        {"blob length near 4 GiB",
         {0xFF, 0xFF, 0xFF, 0xFF, 0},
         [](ArchiveReader& in) {
             Bytes blob;
             in.Blob(blob);
         }},
        {"unterminated CSTR",
         {'a', 'b'},
         [](ArchiveReader& in) {
             std::string text;
             in.CString(text);
         }},
        {"text list count that cannot fit",
         {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F},
         [](ArchiveReader& in) {
             std::vector<std::string> texts;
             in.TextList(texts);
             EXPECT_TRUE(texts.empty());
         }},
        {"text list whose last text is cut",
         {2, 0, 0, 0, 0, 0, 3, 0, 0, 0, 'a'},
         [](ArchiveReader& in) {
             std::vector<std::string> texts;
             in.TextList(texts);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ArchiveReader in(c.bytes);
        c.read(in);
        EXPECT_FALSE(in.Ok());
        EXPECT_EQ(in.Remaining(), 0u);
        EXPECT_EQ(in.U32(), 0u);
        EXPECT_TRUE(in.Take(0).empty());
        EXPECT_FALSE(in.Ok());
    }
}

TEST(TemplateArchive, CanHoldGuardsCountsBeforeAllocation) {
    const Bytes bytes(16, 0);
    ArchiveReader in(bytes);
    EXPECT_TRUE(in.CanHold(4, 4));
    EXPECT_FALSE(in.CanHold(5, 4));
    EXPECT_FALSE(in.CanHold(uint64_t{1} << 62, 4));
}

}  // namespace
}  // namespace forms
