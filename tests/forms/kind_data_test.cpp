#include "forms/kind_data.h"

#include <gtest/gtest.h>

#include <map>

#include "forms/kind_tables.h"
#include "forms/template_archive.h"
#include "runtime/gbk.h"

namespace forms {
namespace {

template <typename KindData>
class KindDataTest : public ::testing::Test {};

template <typename... Kinds>
::testing::Types<Kinds...> TypesOf(std::variant<Kinds...>);
using AllKinds = decltype(TypesOf(KindRecord{}));
TYPED_TEST_SUITE(KindDataTest, AllKinds);

uint32_t VersionWord(const Bytes& bytes) {
    ArchiveReader in(bytes);
    return in.U32();
}

TYPED_TEST(KindDataTest, EmptyDataGivesTheDefaults) {
    const std::optional<TypeParam> data = ReadKindData<TypeParam>({});
    ASSERT_TRUE(data);
    EXPECT_EQ(*data, TypeParam{});
}

TYPED_TEST(KindDataTest, WritesTheMaximumVersionAndReadsItBack) {
    const Bytes bytes = WriteKindData(TypeParam{});
    EXPECT_EQ(VersionWord(bytes), TypeParam::kMaxVersion);
    const std::optional<TypeParam> data = ReadKindData<TypeParam>(bytes);
    ASSERT_TRUE(data);
    EXPECT_EQ(*data, TypeParam{});
}

TYPED_TEST(KindDataTest, VersionAboveTheMaximumFails) {
    Bytes bytes = WriteKindData(TypeParam{});
    bytes[0] = uint8_t(TypeParam::kMaxVersion + 1);
    EXPECT_FALSE(ReadKindData<TypeParam>(bytes));
    bytes[0] = 0xFF;
    bytes[3] = 0xFF;
    EXPECT_FALSE(ReadKindData<TypeParam>(bytes));
}

TYPED_TEST(KindDataTest, EveryTruncationFails) {
    const Bytes bytes = WriteKindData(TypeParam{});
    for (size_t length = 1; length < bytes.size(); ++length) {
        SCOPED_TRACE(length);
        EXPECT_FALSE(ReadKindData<TypeParam>(std::span(bytes).first(length)));
    }
}

// Kind data assembled field by field in the stored order, with a distinct
// value in every word, so that a swapped or skipped field shows.
class Layout {
public:
    Layout& Word(uint32_t value) {
        out_.Value(value);
        return *this;
    }
    Layout& Words(uint32_t first, uint32_t count) {
        for (uint32_t i = 0; i < count; ++i) out_.Value(first + i);
        return *this;
    }
    Layout& Short(int16_t value) {
        out_.Value(value);
        return *this;
    }
    Layout& Text(std::string_view text) {
        out_.Text(text);
        return *this;
    }
    Layout& Blob(const Bytes& blob) {
        out_.Blob(blob);
        return *this;
    }
    Layout& List(const std::vector<std::string>& texts) {
        out_.TextList(texts);
        return *this;
    }
    Layout& Font(int32_t height) {
        FontRecord font;
        font.height = height;
        out_.Blob(WriteFontRecord(font));
        return *this;
    }
    Bytes Take() { return out_.Take(); }

private:
    ArchiveWriter out_;
};

int32_t FontHeight(const StoredFont& font) {
    return font ? font->height : 0;
}

TEST(KindDataLayout, WindowVersion6) {
    const Bytes bytes = Layout()
                            .Word(6)
                            .Words(1, 13)
                            .Words(14, 5)
                            .Text("p31")
                            .Blob({1})
                            .Blob({2})
                            .Blob({3})
                            .Text("title")
                            .Text("help")
                            .Take();
    const std::optional<WindowData> d = ReadKindData<WindowData>(bytes);
    ASSERT_TRUE(d);
    EXPECT_EQ(d->borderStyle, 1u);
    EXPECT_EQ(d->property12, 2u);
    EXPECT_EQ(d->backgroundColour, 3u);
    EXPECT_EQ(d->maximizeButton, 4u);
    EXPECT_EQ(d->minimizeButton, 5u);
    EXPECT_EQ(d->controlBox, 6u);
    EXPECT_EQ(d->startPosition, 7u);
    EXPECT_EQ(d->movable, 8u);
    EXPECT_EQ(d->property14, 9u);
    EXPECT_EQ(d->enterMovesFocus, 10u);
    EXPECT_EQ(d->escCloses, 11u);
    EXPECT_EQ(d->f1OpensHelp, 12u);
    EXPECT_EQ(d->helpContext, 13u);
    EXPECT_EQ(d->shownOnTaskBar, 14u);
    EXPECT_EQ(d->dragAnywhere, 15u);
    EXPECT_EQ(d->property28, 16u);
    EXPECT_EQ(d->property29, 17u);
    EXPECT_EQ(d->property30, 18u);
    EXPECT_EQ(d->property31, "p31");
    EXPECT_EQ(d->backgroundPicture, Bytes{1});
    EXPECT_EQ(d->icon, Bytes{2});
    EXPECT_EQ(d->property13, Bytes{3});
    EXPECT_EQ(d->title, "title");
    EXPECT_EQ(d->helpFile, "help");
    EXPECT_EQ(WriteKindData(*d), bytes);
}

TEST(KindDataLayout, WindowOlderVersionsLeaveLaterFieldsAtTheirDefaults) {
    struct Case {
        uint32_t version;
        uint32_t versionedWords;
    };
    for (const Case c : {Case{0, 0}, Case{1, 0}, Case{2, 1}, Case{3, 3}, Case{4, 4}, Case{5, 5}}) {
        SCOPED_TRACE(c.version);
        Layout layout;
        layout.Word(c.version).Words(1, 13).Words(100, c.versionedWords);
        const Bytes bytes = layout.Blob({}).Blob({9}).Blob({}).Text("t").Text("").Take();
        const std::optional<WindowData> d = ReadKindData<WindowData>(bytes);
        ASSERT_TRUE(d);
        const WindowData defaults;
        EXPECT_EQ(d->helpContext, 13u);
        EXPECT_EQ(d->shownOnTaskBar, c.version > 1 ? 100u : defaults.shownOnTaskBar);
        EXPECT_EQ(d->dragAnywhere, c.version > 2 ? 101u : defaults.dragAnywhere);
        EXPECT_EQ(d->property29, c.version > 3 ? 103u : defaults.property29);
        EXPECT_EQ(d->property30, c.version > 4 ? 104u : defaults.property30);
        EXPECT_EQ(d->icon, Bytes{9});
        EXPECT_EQ(d->title, "t");
    }
}

TEST(KindDataLayout, EditBox) {
    for (uint32_t version : {1u, 2u}) {
        SCOPED_TRACE(version);
        Layout layout;
        layout.Word(version).Words(1, 9).Short(42).Words(10, 6).Font(-16).Text("10");
        if (version == 2) layout.Text("a").Text("b");
        const std::optional<EditBoxData> d = ReadKindData<EditBoxData>(layout.Take());
        ASSERT_TRUE(d);
        EXPECT_EQ(d->borderStyle, 1u);
        EXPECT_EQ(d->textColour, 2u);
        EXPECT_EQ(d->backgroundColour, 3u);
        EXPECT_EQ(d->hideSelection, 4u);
        EXPECT_EQ(d->maxLength, 5u);
        EXPECT_EQ(d->multiLine, 6u);
        EXPECT_EQ(d->scrollBars, 7u);
        EXPECT_EQ(d->alignment, 8u);
        EXPECT_EQ(d->inputMode, 9u);
        EXPECT_EQ(d->passwordChar, 42);
        EXPECT_EQ(d->caseConversion, 10u);
        EXPECT_EQ(d->spinBox, 11u);
        EXPECT_EQ(d->spinLimit1, 12);
        EXPECT_EQ(d->spinLimit2, 13);
        EXPECT_EQ(d->selectionStart, 14);
        EXPECT_EQ(d->selectionLength, 15);
        EXPECT_EQ(FontHeight(d->font), -16);
        EXPECT_EQ(d->content, "10");
        EXPECT_EQ(d->property27, version == 2 ? "a" : "");
        EXPECT_EQ(d->property28, version == 2 ? "b" : "");
    }
}

TEST(KindDataLayout, Label) {
    for (uint32_t version : {1u, 2u}) {
        SCOPED_TRACE(version);
        Layout layout;
        layout.Word(version).Words(1, 16).Font(-29).Blob({7}).Text("cap");
        if (version == 2) layout.Text("a").Text("b");
        const std::optional<LabelData> d = ReadKindData<LabelData>(layout.Take());
        ASSERT_TRUE(d);
        EXPECT_EQ(d->textEffect, 1u);
        EXPECT_EQ(d->frameWidth, 2u);
        EXPECT_EQ(d->borderStyle, 3u);
        EXPECT_EQ(d->frameColours, (std::array<uint32_t, 3>{4, 5, 6}));
        EXPECT_EQ(d->textColour, 7u);
        EXPECT_EQ(d->backgroundColour, 8u);
        EXPECT_EQ(d->pictureMode, 9u);
        EXPECT_EQ(d->backgroundPattern, 10u);
        EXPECT_EQ(d->patternColours, (std::array<uint32_t, 3>{11, 12, 13}));
        EXPECT_EQ(d->horizontalAlignment, 14u);
        EXPECT_EQ(d->verticalAlignment, 15u);
        EXPECT_EQ(d->wordWrap, 16u);
        EXPECT_EQ(FontHeight(d->font), -29);
        EXPECT_EQ(d->picture, Bytes{7});
        EXPECT_EQ(d->caption, "cap");
        EXPECT_EQ(d->property27, version == 2 ? "a" : "");
        EXPECT_EQ(d->property28, version == 2 ? "b" : "");
    }
}

TEST(KindDataLayout, Button) {
    const Bytes bytes = Layout().Word(1).Words(1, 3).Blob({5}).Font(-19).Text("ok").Take();
    const std::optional<ButtonData> d = ReadKindData<ButtonData>(bytes);
    ASSERT_TRUE(d);
    EXPECT_EQ(WriteKindData(*d), bytes);
    EXPECT_EQ(d->defaultButton, 1u);
    EXPECT_EQ(d->horizontalAlignment, 2u);
    EXPECT_EQ(d->verticalAlignment, 3u);
    EXPECT_EQ(d->picture, Bytes{5});
    EXPECT_EQ(FontHeight(d->font), -19);
    EXPECT_EQ(d->caption, "ok");
}

TEST(KindDataLayout, RadioButton) {
    const Bytes bytes = Layout().Word(1).Words(1, 8).Blob({5}).Font(-14).Text("r").Take();
    const std::optional<RadioButtonData> d = ReadKindData<RadioButtonData>(bytes);
    ASSERT_TRUE(d);
    EXPECT_EQ(WriteKindData(*d), bytes);
    EXPECT_EQ(d->property9, 1u);
    EXPECT_EQ(d->property10, 2u);
    EXPECT_EQ(d->property12, 3u);
    EXPECT_EQ(d->property13, 4u);
    EXPECT_EQ(d->property14, 5u);
    EXPECT_EQ(d->textColour, 6u);
    EXPECT_EQ(d->backgroundColour, 7u);
    EXPECT_EQ(d->selected, 8u);
    EXPECT_EQ(d->picture, Bytes{5});
    EXPECT_EQ(FontHeight(d->font), -14);
    EXPECT_EQ(d->caption, "r");
}

TEST(KindDataLayout, ComboBox) {
    for (uint32_t version : {1u, 2u, 3u}) {
        SCOPED_TRACE(version);
        Layout layout;
        layout.Word(version).Words(1, 8).Word(uint32_t(-1)).Font(-16).Blob({}).Text("c");
        layout.List({"MPa", "bar"});
        if (version > 1) layout.Text("x").Text("y");
        if (version >= 3) layout.Word(24);
        const std::optional<ComboBoxData> d = ReadKindData<ComboBoxData>(layout.Take());
        ASSERT_TRUE(d);
        EXPECT_EQ(d->boxType, 1u);
        EXPECT_EQ(d->property10, 2u);
        EXPECT_EQ(d->property11, 3u);
        EXPECT_EQ(d->property12, 4u);
        EXPECT_EQ(d->property14, 5u);
        EXPECT_EQ(d->property15, 6u);
        EXPECT_EQ(d->textColour, 7u);
        EXPECT_EQ(d->backgroundColour, 8u);
        EXPECT_EQ(d->selection, -1);
        EXPECT_EQ(FontHeight(d->font), -16);
        EXPECT_EQ(d->content, "c");
        EXPECT_EQ(d->items, (std::vector<std::string>{"MPa", "bar"}));
        EXPECT_EQ(d->property22, version > 1 ? "x" : "");
        EXPECT_EQ(d->property23, version > 1 ? "y" : "");
        EXPECT_EQ(d->property24, version >= 3 ? 24u : 0u);
    }
}

TEST(KindDataLayout, GroupBox) {
    const Bytes bytes = Layout().Word(1).Words(1, 3).Font(-16).Text("g").Take();
    const std::optional<GroupBoxData> d = ReadKindData<GroupBoxData>(bytes);
    ASSERT_TRUE(d);
    EXPECT_EQ(WriteKindData(*d), bytes);
    EXPECT_EQ(d->property9, 1u);
    EXPECT_EQ(d->textColour, 2u);
    EXPECT_EQ(d->backgroundColour, 3u);
    EXPECT_EQ(FontHeight(d->font), -16);
    EXPECT_EQ(d->caption, "g");
}

TEST(KindDataLayout, TabControl) {
    for (uint32_t version : {1u, 2u, 3u}) {
        SCOPED_TRACE(version);
        Layout layout;
        layout.Word(version).Words(1, 3);
        if (version > 1) layout.Word(4);
        if (version >= 3) layout.Word(5).Word(6);
        layout.Font(-12).List({"a", "b", "c", "d"});
        const std::optional<TabControlData> d = ReadKindData<TabControlData>(layout.Take());
        ASSERT_TRUE(d);
        const TabControlData defaults;
        EXPECT_EQ(d->property8, 1u);
        EXPECT_EQ(d->property9, 2u);
        EXPECT_EQ(d->initialPage, 3);
        EXPECT_EQ(d->property13, version > 1 ? 4u : defaults.property13);
        EXPECT_EQ(d->property14, version >= 3 ? 5u : defaults.property14);
        EXPECT_EQ(d->backgroundColour, version >= 3 ? 6u : defaults.backgroundColour);
        EXPECT_EQ(FontHeight(d->font), -12);
        EXPECT_EQ(d->pageCaptions, (std::vector<std::string>{"a", "b", "c", "d"}));
    }
}

TEST(KindDataLayout, PictureBox) {
    for (uint32_t version : {1u, 2u}) {
        SCOPED_TRACE(version);
        Layout layout;
        layout.Word(version).Words(1, 2).Blob({0xFF, 0xD8}).Words(3, 2);
        if (version == 2) layout.Text("a").Text("b");
        const std::optional<PictureBoxData> d = ReadKindData<PictureBoxData>(layout.Take());
        ASSERT_TRUE(d);
        EXPECT_EQ(d->property8, 1u);
        EXPECT_EQ(d->backgroundColour, 2u);
        EXPECT_EQ(d->picture, (Bytes{0xFF, 0xD8}));
        EXPECT_EQ(d->property11, 3u);
        EXPECT_EQ(d->property12, 4u);
        EXPECT_EQ(d->property13, version == 2 ? "a" : "");
        EXPECT_EQ(d->property14, version == 2 ? "b" : "");
    }
}

TEST(KindDataLayout, HyperLinker) {
    const Bytes bytes =
        Layout().Word(1).Words(1, 6).Font(-12).Text("cap").Text("mail").Text("web").Take();
    const std::optional<HyperLinkerData> d = ReadKindData<HyperLinkerData>(bytes);
    ASSERT_TRUE(d);
    EXPECT_EQ(WriteKindData(*d), bytes);
    EXPECT_EQ(d->linkType, 1u);
    EXPECT_EQ(d->normalColour, 2u);
    EXPECT_EQ(d->visitedColour, 3u);
    EXPECT_EQ(d->hoverColour, 4u);
    EXPECT_EQ(d->backgroundColour, 5u);
    EXPECT_EQ(d->borderStyle, 6u);
    EXPECT_EQ(FontHeight(d->font), -12);
    EXPECT_EQ(d->caption, "cap");
    EXPECT_EQ(d->emailAddress, "mail");
    EXPECT_EQ(d->webAddress, "web");
}

TEST(KindDataLayout, TimerAndTransLabelAcceptVersionZero) {
    const std::optional<TimerData> timer =
        ReadKindData<TimerData>(Layout().Word(0).Word(1000).Take());
    ASSERT_TRUE(timer);
    EXPECT_EQ(timer->period, 1000);

    const Bytes bytes = Layout().Word(0).Words(1, 5).Font(-12).Text("t").Take();
    const std::optional<TransLabelData> label = ReadKindData<TransLabelData>(bytes);
    ASSERT_TRUE(label);
    EXPECT_EQ(label->textEffect, 1u);
    EXPECT_EQ(label->textColour, 2u);
    EXPECT_EQ(label->horizontalAlignment, 3u);
    EXPECT_EQ(label->verticalAlignment, 4u);
    EXPECT_EQ(label->wordWrap, 5u);
    EXPECT_EQ(FontHeight(label->font), -12);
    EXPECT_EQ(label->caption, "t");
}

TEST(KindDataDefaults, StatedDefaults) {
    EXPECT_EQ(TransLabelData{}.caption, runtime::Utf8ToGbk("透明标签"));
    EXPECT_EQ(TransLabelData{}.verticalAlignment, 1u);
    EXPECT_EQ(TimerData{}.period, 0);
    const HyperLinkerData link;
    EXPECT_EQ(link.normalColour, 0x00FF0000u);
    EXPECT_EQ(link.visitedColour, 0x00000080u);
    EXPECT_EQ(link.backgroundColour, 0xFF000000u);
    EXPECT_TRUE(link.caption.empty());
    const EditBoxData edit;
    EXPECT_EQ(edit.passwordChar, '*');
    EXPECT_EQ(edit.spinLimit1, 100);
    EXPECT_EQ(edit.spinLimit2, 0);
    EXPECT_FALSE(edit.font);
}

TEST(KindDataFonts, FontBlobMustBeEmptyOrAWholeRecord) {
    for (size_t length : {1u, 59u, 61u}) {
        SCOPED_TRACE(length);
        const Bytes bytes = Layout().Word(1).Words(1, 3).Blob(Bytes(length, 0)).Text("g").Take();
        EXPECT_FALSE(ReadKindData<GroupBoxData>(bytes));
    }
    const Bytes empty = Layout().Word(1).Words(1, 3).Blob({}).Text("g").Take();
    const std::optional<GroupBoxData> d = ReadKindData<GroupBoxData>(empty);
    ASSERT_TRUE(d);
    EXPECT_FALSE(d->font);
}

TEST(FontRecordTest, StoredLayout) {
    Bytes bytes;
    ArchiveWriter out;
    for (int32_t word : {-16, 2, 3, 4, 700}) out.Value(word);
    for (uint8_t b : {1, 1, 1, 134, 5, 6, 7, 8}) out.Value(b);
    const std::string face = runtime::Utf8ToGbk("宋体");
    out.Raw(std::span(reinterpret_cast<const uint8_t*>(face.data()), face.size()));
    out.Zeros(1);
    out.Raw(Bytes(FontRecord::kFaceSize - face.size() - 1, 'x'));  // not meaningful after the NUL
    bytes = out.Take();
    ASSERT_EQ(bytes.size(), 60u);

    const std::optional<FontRecord> font = ReadFontRecord(bytes);
    ASSERT_TRUE(font);
    EXPECT_EQ(font->height, -16);
    EXPECT_EQ(font->width, 2);
    EXPECT_EQ(font->escapement, 3);
    EXPECT_EQ(font->orientation, 4);
    EXPECT_EQ(font->weight, 700);
    EXPECT_EQ(font->italic, 1);
    EXPECT_EQ(font->underline, 1);
    EXPECT_EQ(font->strikeOut, 1);
    EXPECT_EQ(font->charSet, 134);
    EXPECT_EQ(font->outPrecision, 5);
    EXPECT_EQ(font->clipPrecision, 6);
    EXPECT_EQ(font->quality, 7);
    EXPECT_EQ(font->pitchAndFamily, 8);
    EXPECT_EQ(font->Face(), face);
    EXPECT_EQ(WriteFontRecord(*font), bytes);
    EXPECT_FALSE(ReadFontRecord(std::span(bytes).first(59)));
}

TEST(FontRecordTest, SetFaceKeepsATerminatingNul) {
    FontRecord font;
    font.SetFace(std::string(40, 'a'));
    EXPECT_EQ(font.Face(), std::string(31, 'a'));
    font.SetFace("ab");
    EXPECT_EQ(font.Face(), "ab");
}

TEST(KindsTable, LookupsDeriveFromTheTable) {
    EXPECT_EQ(kKinds.size(), 15u);
    for (const KindInfo& kind : kKinds) {
        SCOPED_TRACE(kind.englishName);
        EXPECT_EQ(FindKind(uint32_t(kind.code)), &kind);
    }
    EXPECT_EQ(FindKind(0x00010002), nullptr);
    const KindInfo* timer = FindKind(0x00010020);
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->englishName, "Timer");
    EXPECT_TRUE(IsNeverVisible(timer->flags));
    const KindInfo* label = FindKind(uint32_t(KindCode::TransLabel));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->chineseName, "透明标签");
    EXPECT_EQ(label->propertyCount, 15);
    EXPECT_FALSE(IsNeverVisible(label->flags));
    EXPECT_TRUE(CanRaiseEvents(label->flags));
}

// The value types by property number, one letter each: I integer, L logical,
// C choice, T X 3 4 the text types, O 2 B the colour types, P picture,
// N icon, Y byte block, F font, K kind block, M mouse pointer.
std::string TypeLetters(std::span<const PropertyType> types) {
    using T = PropertyType;
    const std::map<PropertyType, char> letters = {
        {T::Integer, 'I'},   {T::Logical, 'L'},    {T::Choice, 'C'},    {T::Text, 'T'},
        {T::Text2, 'X'},     {T::Text3, '3'},      {T::Text4, '4'},     {T::Colour, 'O'},
        {T::Colour2, '2'},   {T::BackColour, 'B'}, {T::Picture, 'P'},   {T::Icon, 'N'},
        {T::ByteBlock, 'Y'}, {T::Font, 'F'},       {T::KindBlock, 'K'}, {T::MousePointer, 'M'},
    };
    std::string text;
    for (PropertyType type : types) text += letters.contains(type) ? letters.at(type) : '?';
    return text;
}

TEST(KindPropertyTypes, EveryKindsTypesByNumber) {
    struct Row {
        const char* kind;
        std::span<const PropertyType> types;
        const char* fromEight;
    };
    const Row rows[] = {
        {"window", PropertyTypes<WindowData>(), "TCBPCYCLLLCLNLLLXILLCLLT"},
        {"edit box", PropertyTypes<EditBoxData>(), "TCOBFLILCCCTCCIIIIT34T"},
        {"label", PropertyTypes<LabelData>(), "TCCI222FOBPCC222CLC34"},
        {"button", PropertyTypes<ButtonData>(), "PCTCCF"},
        {"radio button", PropertyTypes<RadioButtonData>(), "PLLTLCCOBFL"},
        {"combo box", PropertyTypes<ComboBoxData>(), "CTIIIILIOBFIKK34L"},
        {"group box", PropertyTypes<GroupBoxData>(), "TCOBF"},
        {"tab control", PropertyTypes<TabControlData>(), "CLFKILLB"},
        {"picture box", PropertyTypes<PictureBoxData>(), "CBPCL34"},
        {"hyperlink box", PropertyTypes<HyperLinkerData>(), "TCTTOOOBCF"},
        {"timer", PropertyTypes<TimerData>(), "I"},
        {"transparent label", PropertyTypes<TransLabelData>(), "TCFOCLC"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.kind);
        EXPECT_EQ(TypeLetters(row.types), std::string("IIIITLLM") + row.fromEight);
    }
}

}  // namespace
}  // namespace forms
