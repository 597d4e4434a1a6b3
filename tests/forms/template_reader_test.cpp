#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>

#include "forms/template.h"
#include "forms/template_archive.h"
#include "forms/template_writer.h"
#include "runtime/gbk.h"
#include "tests/forms/sample_template.h"

namespace forms {
namespace {

using testing::kAboutWindowId;
using testing::kMainWindowId;
using testing::kProfileWindowId;
using testing::SampleTemplate;

// Stand-ins for engine procedures; only their table positions matter.
void ProcedureA(const runtime::RuntimeServices&, runtime::EventRecord&) {}
void ProcedureB(const runtime::RuntimeServices&, runtime::EventRecord&) {}
const std::array<runtime::EngineProcedure, testing::kSampleProcedureCount> kProcedures = {
    ProcedureA, ProcedureB, ProcedureA, ProcedureB, ProcedureA};

const UnitRecord& Control(const Unit& unit) {
    return std::get<UnitRecord>(unit);
}
const MenuItemRecord& Menu(const Unit& unit) {
    return std::get<MenuItemRecord>(unit);
}

void PutU32(Bytes& bytes, size_t at, uint32_t value) {
    for (size_t i = 0; i < 4; ++i) bytes[at + i] = uint8_t(value >> (8 * i));
}

// One window with a control record and a menu record, assembled field by
// field as the stored layout describes, independently of the writer. The
// records area holds the menu record first, so the offsets are not in unit
// order. Positions of the fields the malformed cases patch are kept.
struct HandBuilt {
    Bytes bytes;
    size_t headerLengthAt = 0;
    size_t unitCountAt = 0;
    size_t blobLengthAt = 0;
    size_t firstIdAt = 0;
    size_t firstOffsetAt = 0;
    size_t areaAt = 0;
    size_t controlLengthAt = 0;
    size_t childCountAt = 0;
    size_t eventCountAt = 0;
};

constexpr uint32_t kHandControlId = 0x1601000B;
constexpr uint32_t kHandMenuId = 0x260100BF;

Bytes HandControlRecord(size_t& childCountAt, size_t& eventCountAt) {
    ArchiveWriter out;
    out.Value(uint32_t{0x0001000B});  // kind
    out.Value(uint32_t{0});           // event owner
    out.Zeros(16);
    out.CString("b1");
    out.CString("r");
    out.Value(uint32_t{0});  // object slot
    for (int32_t field : {10, -20, 30, 40}) out.Value(field);
    out.Value(uint32_t{0});
    out.Value(uint32_t{0x16010099});  // parent
    childCountAt = out.Bytes().size();
    out.Value(uint32_t{3});
    for (uint32_t child : {0x16000001u, 0u, 0x16000002u}) out.Value(child);
    out.Value(uint32_t{4});
    out.Value(uint32_t{32649});  // hand pointer
    out.CString("tg");
    out.Value(uint32_t{0});
    out.Value(uint32_t{5});  // visible, tab stop
    out.Value(uint32_t{0});
    eventCountAt = out.Bytes().size();
    out.Value(uint32_t{2});
    for (int32_t word : {0, 0, -7, -1}) out.Value(word);
    out.Zeros(20);
    for (uint8_t b : {1, 2, 3}) out.Value(b);  // kind data
    return out.Take();
}

Bytes HandMenuRecord() {
    ArchiveWriter out;
    out.Value(uint32_t{0x00010003});
    out.Value(uint32_t{0});
    out.Zeros(16);
    out.CString("");
    out.CString("");
    out.Value(uint32_t{0});  // menu slot
    out.Value(uint32_t{1});  // level
    out.Value(uint32_t{4});  // ticked
    out.CString("exit");
    out.Value(int32_t{-1});
    for (uint32_t word : {0u, 0u, 7u, 0u}) out.Value(word);
    return out.Take();
}

HandBuilt BuildByHand() {
    HandBuilt built;
    size_t childCountInRecord = 0;
    size_t eventCountInRecord = 0;
    const Bytes control = HandControlRecord(childCountInRecord, eventCountInRecord);
    const Bytes menu = HandMenuRecord();

    ArchiveWriter out;
    out.Value(uint32_t{8});
    out.Value(kMainWindowId);
    out.Value(uint32_t{0xDEADBEEF});  // object slot: ignored
    out.Value(uint32_t{7});           // word A
    out.Value(uint32_t{0x1901000F});  // module ID
    out.Text("");
    out.Text("");
    built.unitCountAt = out.Bytes().size();
    out.Value(uint32_t{2});
    built.blobLengthAt = out.Bytes().size();
    out.Value(uint32_t(16 + 8 + control.size() + menu.size()));
    built.firstIdAt = out.Bytes().size();
    out.Value(kHandControlId);
    out.Value(kHandMenuId);
    built.firstOffsetAt = out.Bytes().size();
    out.Value(uint32_t(4 + menu.size()));
    out.Value(uint32_t{0});
    built.areaAt = out.Bytes().size();
    out.Blob(menu);
    built.controlLengthAt = out.Bytes().size();
    built.childCountAt = built.controlLengthAt + 4 + childCountInRecord;
    built.eventCountAt = built.controlLengthAt + 4 + eventCountInRecord;
    out.Blob(control);
    built.bytes = out.Take();
    return built;
}

TEST(TemplateReader, UnitWalkFindsEveryStoredField) {
    const std::optional<TemplateData> data = ParseTemplate(BuildByHand().bytes);
    ASSERT_TRUE(data);
    ASSERT_EQ(data->windows.size(), 1u);
    const WindowRecord& window = data->windows[0];
    EXPECT_EQ(window.windowId, kMainWindowId);
    EXPECT_EQ(window.wordA, 7u);
    EXPECT_EQ(window.moduleId, 0x1901000Fu);
    ASSERT_EQ(window.units.size(), 2u);

    const UnitRecord& control = Control(window.units[0]);
    EXPECT_EQ(control.id, kHandControlId);
    EXPECT_EQ(control.kind, 0x0001000Bu);
    EXPECT_EQ(control.name, "b1");
    EXPECT_EQ(control.remark, "r");
    EXPECT_EQ(control.left, 10);
    EXPECT_EQ(control.top, -20);
    EXPECT_EQ(control.width, 30);
    EXPECT_EQ(control.height, 40);
    EXPECT_EQ(control.parent, 0x16010099u);
    EXPECT_EQ(control.children, (std::vector<uint32_t>{0x16000001, 0, 0x16000002}));
    EXPECT_EQ(control.mousePointer, (Bytes{0x89, 0x7F, 0, 0}));
    EXPECT_EQ(control.tag, "tg");
    EXPECT_EQ(control.stateFlags, uint32_t(kVisible | kTabStop));
    ASSERT_EQ(control.events.size(), 2u);
    EXPECT_EQ(control.events[0], (EventBinding{0, 0, nullptr}));
    EXPECT_EQ(control.events[1], (EventBinding{-7, kNoHandler, nullptr}));
    EXPECT_EQ(control.kindData, (Bytes{1, 2, 3}));

    const MenuItemRecord& menu = Menu(window.units[1]);
    EXPECT_EQ(menu.id, kHandMenuId);
    EXPECT_EQ(menu.kind, 0x00010003u);
    EXPECT_EQ(menu.level, 1u);
    EXPECT_EQ(menu.flags, uint32_t(kMenuTicked));
    EXPECT_EQ(menu.caption, "exit");
    EXPECT_EQ(menu.handlerOffset, kNoHandler);
    EXPECT_EQ(menu.trailing, (std::array<uint32_t, 4>{0, 0, 7, 0}));
}

TEST(TemplateReader, WriterReproducesTheStoredLayout) {
    const HandBuilt built = BuildByHand();
    const std::optional<TemplateData> data = ParseTemplate(built.bytes);
    ASSERT_TRUE(data);
    // The writer stores records in unit order and zeros in the object slot,
    // so compare record by record rather than the whole block.
    const WindowRecord& window = data->windows[0];
    Bytes control = WriteUnit(window.units[0]);
    size_t childCountAt = 0;
    size_t eventCountAt = 0;
    EXPECT_EQ(control, HandControlRecord(childCountAt, eventCountAt));
    EXPECT_EQ(WriteUnit(window.units[1]), HandMenuRecord());
}

TEST(TemplateReader, MalformedBlocksFail) {
    struct Case {
        const char* name;
        void (*damage)(HandBuilt&);
    };
    const Case cases[] = {
        {"header length not a multiple of 8",
         [](HandBuilt& b) { PutU32(b.bytes, b.headerLengthAt, 12); }},
        {"header length beyond the end",
         [](HandBuilt& b) { PutU32(b.bytes, b.headerLengthAt, 0xFFFFFFF8); }},
        {"unit count larger than the block can hold",
         [](HandBuilt& b) { PutU32(b.bytes, b.unitCountAt, 0x40000000); }},
        {"unit count that disagrees with the ID table",
         [](HandBuilt& b) { PutU32(b.bytes, b.unitCountAt, 3); }},
        {"unit block longer than the template",
         [](HandBuilt& b) { PutU32(b.bytes, b.blobLengthAt, uint32_t(b.bytes.size())); }},
        {"unit ID with zero low bits",
         [](HandBuilt& b) { PutU32(b.bytes, b.firstIdAt, 0x16000000); }},
        {"unit ID with zero class bits",
         [](HandBuilt& b) { PutU32(b.bytes, b.firstIdAt, 0x1001000B); }},
        {"record offset beyond the records area",
         [](HandBuilt& b) { PutU32(b.bytes, b.firstOffsetAt, 0x10000); }},
        {"record offset leaving no room for the length",
         [](HandBuilt& b) {
             PutU32(b.bytes, b.firstOffsetAt, uint32_t(b.bytes.size() - b.areaAt - 2));
         }},
        {"record length beyond the records area",
         [](HandBuilt& b) { PutU32(b.bytes, b.controlLengthAt, 0x7FFFFFFF); }},
        {"record cut inside the name",
         [](HandBuilt& b) { PutU32(b.bytes, b.controlLengthAt, 26); }},
        {"child count that cannot fit",
         [](HandBuilt& b) { PutU32(b.bytes, b.childCountAt, 0x3FFFFFFF); }},
        {"event count that cannot fit",
         [](HandBuilt& b) { PutU32(b.bytes, b.eventCountAt, 0x1FFFFFFF); }},
    };
    ASSERT_TRUE(ParseTemplate(BuildByHand().bytes));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HandBuilt built = BuildByHand();
        c.damage(built);
        EXPECT_FALSE(ParseTemplate(built.bytes));
    }
}

TEST(TemplateReader, EmptyTemplateHasNoWindows) {
    const std::optional<TemplateData> data = ParseTemplate({});
    ASSERT_TRUE(data);
    EXPECT_TRUE(data->windows.empty());
}

TEST(TemplateReader, TwentyFourByteHeaderGivesThreeWindowsWhateverTheSlotsHold) {
    Bytes bytes = WriteTemplate(SampleTemplate());
    ASSERT_EQ(bytes[0], 24);
    for (size_t at = 16; at < 28; ++at) bytes[at] = 0xA5;
    const std::optional<TemplateData> data = ParseTemplate(bytes);
    ASSERT_TRUE(data);
    ASSERT_EQ(data->windows.size(), 3u);
    EXPECT_EQ(data->windows[0].windowId, kMainWindowId);
    EXPECT_EQ(data->windows[1].windowId, kAboutWindowId);
    EXPECT_EQ(data->windows[2].windowId, kProfileWindowId);
    EXPECT_EQ(*data, SampleTemplate());
}

TEST(TemplateReader, RoundTripKeepsEveryFieldAndReproducesTheBytes) {
    const TemplateData original = SampleTemplate();
    const Bytes bytes = WriteTemplate(original);
    const std::optional<TemplateData> parsed = ParseTemplate(bytes);
    ASSERT_TRUE(parsed);
    EXPECT_EQ(*parsed, original);
    EXPECT_EQ(WriteTemplate(*parsed), bytes);
}

TEST(TemplateReader, EveryTruncationOfAValidTemplateFails) {
    const Bytes bytes = WriteTemplate(SampleTemplate());
    for (size_t length = 1; length < bytes.size(); ++length) {
        SCOPED_TRACE(length);
        EXPECT_FALSE(ParseTemplate(std::span(bytes).first(length)));
    }
}

// Overwriting any word with extreme values must fail cleanly or parse;
// under the sanitizers this catches every out-of-bounds read.
TEST(TemplateReader, CorruptedWordsNeverReadOutOfBounds) {
    const Bytes bytes = WriteTemplate(SampleTemplate());
    for (uint32_t value : {0xFFFFFFFFu, 0x7FFFFFFFu, 0x80000000u, 0u}) {
        for (size_t at = 0; at + 4 <= bytes.size(); ++at) {
            Bytes damaged = bytes;
            PutU32(damaged, at, value);
            (void)ParseTemplate(damaged);
        }
    }
}

TEST(TemplateReader, LookupsByIndexAndById) {
    const TemplateData data = SampleTemplate();
    const WindowRecord* window = FindWindow(data, kMainWindowId);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(FindWindow(data, 0x52019999), nullptr);

    ASSERT_NE(UnitAt(*window, 0), nullptr);
    EXPECT_EQ(UnitId(*UnitAt(*window, 0)), 0x06010000u);
    EXPECT_EQ(UnitAt(*window, window->units.size()), nullptr);

    const Unit* edit = FindUnit(*window, 0x160102ee);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(Control(*edit).name, "edit1");
    EXPECT_EQ(UnitId(*FindUnit(*window, 0x06010000)), 0x06010000u);
    EXPECT_EQ(Menu(*FindUnit(*window, 0x260100BF)).caption, "exit");
    EXPECT_EQ(FindUnit(*window, 0x16019999), nullptr);
}

TEST(TemplateReader, UnitIdClassification) {
    struct Case {
        const char* name;
        uint32_t id;
        bool valid;
        bool menuItem;
    };
    const Case cases[] = {
        {"control", 0x160102ee, true, false},
        {"window's own unit", 0x06010000, true, false},
        {"menu item", 0x260100BF, true, true},
        {"class 6 outside group 2 is a control", 0x160100BF, true, false},
        {"group 2 with another class is a control", 0x250100BF, true, false},
        {"zero low 24 bits", 0x16000000, false, false},
        {"zero class bits", 0x200100BF, false, false},
        {"zero", 0, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(IsValidUnitId(c.id), c.valid);
        EXPECT_EQ(IsMenuItemId(c.id), c.menuItem);
    }
}

TEST(TemplateRebasing, OffsetsBecomeProcedureTableEntries) {
    TemplateData data = SampleTemplate();
    ASSERT_TRUE(RebaseHandlers(data, kProcedures));
    const WindowRecord& main = data.windows[0];
    const UnitRecord& edit = Control(*FindUnit(main, 0x160102ee));
    EXPECT_EQ(edit.events[0].handler, &kProcedures[0]) << "offset 0 is the first procedure";
    EXPECT_EQ(edit.events[1].handler, nullptr) << "-1 binds nothing";
    EXPECT_EQ(Control(*FindUnit(main, 0x1601029e)).events[0].handler, &kProcedures[1]);
    EXPECT_EQ(Menu(*FindUnit(main, 0x260100BE)).handler, nullptr);
    EXPECT_EQ(Menu(*FindUnit(main, 0x260100BF)).handler, &kProcedures[2]);
    EXPECT_EQ(Control(data.windows[2].units[1]).events[0].handler, &kProcedures[4]);
}

TEST(TemplateRebasing, OffsetsOutsideTheTableFailAndChangeNothing) {
    struct Case {
        const char* name;
        int32_t offset;
    };
    const Case cases[] = {
        {"one past the last entry", int32_t(testing::kSampleProcedureCount)},
        {"far beyond", 0x7FFFFFFF},
        {"negative other than -1", -2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TemplateData data = SampleTemplate();
        std::get<MenuItemRecord>(data.windows[0].units.back()).handlerOffset = c.offset;
        const TemplateData before = data;
        EXPECT_FALSE(RebaseHandlers(data, kProcedures));
        EXPECT_EQ(data, before);
    }
}

TEST(TemplateLoader, EmptyBlockLoadsNothing) {
    EXPECT_TRUE(LoadTemplate({}, kProcedures).windows.empty());
}

TEST(TemplateLoader, LoadsAndRebases) {
    const Bytes bytes = WriteTemplate(SampleTemplate());
    const TemplateData data = LoadTemplate(bytes, kProcedures);
    ASSERT_EQ(data.windows.size(), 3u);
    EXPECT_EQ(Control(data.windows[1].units[1]).events[0].handler, &kProcedures[4]);
}

const std::string& ExpectedErrorOutput() {
    static const std::string text = "载入窗口模板数据段出错!";
    return text;
}

TEST(TemplateLoaderDeathTest, TruncatedTemplateEndsWithTheTemplateError) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const Bytes bytes = WriteTemplate(SampleTemplate());
    EXPECT_EXIT(LoadTemplate(std::span(bytes).first(bytes.size() - 1), kProcedures),
                ::testing::ExitedWithCode(255), ::testing::HasSubstr(ExpectedErrorOutput()));
}

TEST(TemplateLoaderDeathTest, HandlerOutsideTheProcedureTableEndsWithTheTemplateError) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const Bytes bytes = WriteTemplate(SampleTemplate());
    EXPECT_EXIT(LoadTemplate(bytes, std::span(kProcedures).first(4)),
                ::testing::ExitedWithCode(255), ::testing::HasSubstr(ExpectedErrorOutput()));
}

TEST(TemplateWriter, RefusesRecordsItCannotStore) {
    struct Case {
        const char* name;
        Unit unit;
    };
    UnitRecord invalid;
    invalid.id = 0x16000000;
    UnitRecord controlWithMenuId;
    controlWithMenuId.id = 0x260100BF;
    MenuItemRecord menuWithControlId;
    menuWithControlId.id = 0x160100BF;
    const Case cases[] = {
        {"invalid ID", invalid},
        {"control record with a menu item ID", controlWithMenuId},
        {"menu record with a control ID", menuWithControlId},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_THROW(WriteUnit(c.unit), TemplateWriteError);
        TemplateData data = SampleTemplate();
        data.windows[1].units.push_back(c.unit);
        EXPECT_THROW(WriteTemplate(data), TemplateWriteError);
    }
}

}  // namespace
}  // namespace forms
