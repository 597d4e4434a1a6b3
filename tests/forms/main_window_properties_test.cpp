// Stored properties of the embedded windows: window settings, state flags,
// pointers, fonts, colours, alignments, input modes and the fixed texts.

#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "tests/forms/embedded_forms.h"
#include "windows/main_window.h"

namespace forms::testing {
namespace {

constexpr uint32_t kRed = 0x0000FF;
constexpr uint32_t kBlue = 0xFF0000;
constexpr uint32_t kNavy = 0x800000;
constexpr uint32_t kGrey = 0x808080;
constexpr uint32_t kReadOnly = 1;
constexpr uint32_t kDecimal = 4;

struct WindowSettings {
    WindowId id;
    const char* title;
    uint32_t minimize;
    uint32_t enterMovesFocus;
    uint32_t dragAnywhere;
    size_t iconBytes;
};

TEST(EmbeddedProperties, WindowSettings) {
    const WindowSettings rows[] = {{WindowId::Main, "衡朴湿度(带压力农历)换算软件", 1, 1, 1, 3262},
                                   {WindowId::About, "关于湿度换算软件", 0, 0, 0, 0},
                                   {WindowId::Company, "公司简介", 0, 0, 0, 0}};
    for (const WindowSettings& row : rows) {
        SCOPED_TRACE(row.title);
        const auto& own = std::get<UnitRecord>(Window(row.id).units.at(0));
        EXPECT_EQ(KindCode(own.kind), KindCode::Window);
        const WindowData data = Decode<WindowData>(own);
        EXPECT_EQ(data.title, Gbk(row.title));
        EXPECT_EQ(data.borderStyle, 2u);
        EXPECT_EQ(data.controlBox, 1u);
        EXPECT_EQ(data.maximizeButton, 0u);
        EXPECT_EQ(data.minimizeButton, row.minimize);
        EXPECT_EQ(data.startPosition, 1u);
        EXPECT_EQ(data.movable, 1u);
        EXPECT_EQ(data.backgroundColour, kButtonFaceColour);
        EXPECT_EQ(data.escCloses, 1u);
        EXPECT_EQ(data.enterMovesFocus, row.enterMovesFocus);
        EXPECT_EQ(data.f1OpensHelp, 0u);
        EXPECT_EQ(data.shownOnTaskBar, 1u);
        EXPECT_EQ(data.dragAnywhere, row.dragAnywhere);
        EXPECT_EQ(data.icon.size(), row.iconBytes);
        // The stored layout is the newest one: it ends with the help file TEXT.
        ASSERT_GE(own.kindData.size(), 4u);
        EXPECT_EQ(own.kindData[0], WindowData::kMaxVersion);
    }
}

TEST(EmbeddedProperties, OnlyTheFiveQuantityCaptionsAreHidden) {
    std::set<std::string> hidden;
    for (const WindowRecord& window : EmbeddedForms().windows) {
        for (const forms::Unit& unit : window.units) {
            const auto* record = std::get_if<UnitRecord>(&unit);
            if (record && !(record->stateFlags & kVisible)) {
                hidden.insert(runtime::GbkToUtf8(record->name));
            }
        }
    }
    EXPECT_EQ(hidden, (std::set<std::string>{"标签7", "标签9", "标签10", "标签11", "标签12"}));
}

TEST(EmbeddedProperties, TabStopsOnButtonsEditBoxesComboBoxesAndRadioButtons) {
    const std::set<KindCode> stopping = {KindCode::Button, KindCode::EditBox, KindCode::ComboBox,
                                         KindCode::RadioButton};
    for (const WindowRecord& window : EmbeddedForms().windows) {
        for (size_t i = 1; i < window.units.size(); ++i) {
            const auto* record = std::get_if<UnitRecord>(&window.units[i]);
            if (!record) continue;
            EXPECT_EQ((record->stateFlags & kTabStop) != 0,
                      stopping.contains(KindCode(record->kind)))
                << runtime::GbkToUtf8(record->name);
            EXPECT_EQ(record->stateFlags & kDisabled, 0u);
        }
    }
}

TEST(EmbeddedProperties, HandPointerOnTheClickableControlsOfTheMainWindow) {
    const Bytes hand = {0x89, 0x7F, 0x00, 0x00};  // 32649
    std::set<std::string> withHand;
    for (const WindowRecord& window : EmbeddedForms().windows) {
        for (const forms::Unit& unit : window.units) {
            const auto* record = std::get_if<UnitRecord>(&unit);
            if (!record || record->mousePointer.empty()) continue;
            EXPECT_EQ(record->mousePointer, hand);
            EXPECT_EQ(window.windowId, Id(WindowId::Main));
            withHand.insert(runtime::GbkToUtf8(record->name));
        }
    }
    EXPECT_EQ(withHand, (std::set<std::string>{"按钮1", "按钮2", "按钮3", "按钮4", "按钮5", "按钮6",
                                               "按钮7", "按钮8", "按钮9", "组合框1", "组合框2",
                                               "单选框1", "单选框2", "农历日期框2"}));
}

// Units that store no kind data at all and so take every default.
TEST(EmbeddedProperties, UnitsWithoutKindData) {
    std::set<std::string> empty;
    for (const WindowRecord& window : EmbeddedForms().windows) {
        for (const forms::Unit& unit : window.units) {
            const auto* record = std::get_if<UnitRecord>(&unit);
            if (record && record->kindData.empty()) empty.insert(runtime::GbkToUtf8(record->name));
        }
    }
    EXPECT_EQ(empty, (std::set<std::string>{"分组框5", "农历日期框2", "农历月历1"}));
}

void ExpectSong(const StoredFont& font, int32_t pixels, int32_t weight) {
    ASSERT_TRUE(font.has_value());
    EXPECT_EQ(font->height, -pixels);
    EXPECT_EQ(font->weight, weight);
    EXPECT_EQ(font->charSet, 134);
    EXPECT_EQ(font->Face(), Gbk("宋体"));
}

struct EditRow {
    WindowId window;
    const char* name;
    uint32_t border, textColour, background, alignment, inputMode, multiLine;
    int32_t fontPixels, fontWeight;  // 0: the default font
};

TEST(EmbeddedProperties, EditBoxes) {
    const EditRow rows[] = {
        {WindowId::Main, "编辑框1", 1, 0, kWhite, 0, 0, 0, 16, 700},
        {WindowId::Main, "编辑框2", 1, 0, kWhite, 0, kReadOnly, 0, 16, 400},
        {WindowId::Main, "编辑框30", 1, 0, kWhite, 0, kReadOnly, 0, 16, 400},
        {WindowId::Main, "编辑框20", 1, 0, kWhite, 1, kDecimal, 0, 19, 700},
        {WindowId::Main, "编辑框26", 1, 0, kWhite, 1, kDecimal, 0, 19, 700},
        {WindowId::Main, "编辑框27", 4, kNavy, kButtonFaceColour, 0, kReadOnly, 1, 19, 400},
        {WindowId::Main, "编辑框28", 1, kBlue, kWhite, 0, kReadOnly, 1, 19, 400},
        {WindowId::About, "编辑框1", 0, 0, kButtonFaceColour, 0, kReadOnly, 1, 14, 400},
        {WindowId::About, "编辑框2", 1, kBlue, kWhite, 0, kReadOnly, 1, 0, 0},
        {WindowId::Company, "编辑框1", 4, kNavy, kButtonFaceColour, 0, kReadOnly, 1, 16, 400}};
    for (const EditRow& row : rows) {
        SCOPED_TRACE(row.name);
        const EditBoxData data = Decode<EditBoxData>(Unit(row.window, row.name));
        EXPECT_EQ(data.borderStyle, row.border);
        EXPECT_EQ(data.textColour, row.textColour);
        EXPECT_EQ(data.backgroundColour, row.background);
        EXPECT_EQ(data.alignment, row.alignment);
        EXPECT_EQ(data.inputMode, row.inputMode);
        EXPECT_EQ(data.multiLine, row.multiLine);
        EXPECT_EQ(data.scrollBars, 0u);
        if (row.fontPixels == 0) {
            EXPECT_FALSE(data.font.has_value());
        } else {
            ExpectSong(data.font, row.fontPixels, row.fontWeight);
        }
    }
}

struct LabelRow {
    const char* name;
    uint32_t border, textColour, background, alignment, wordWrap;
    int32_t fontPixels, fontWeight;  // 0: the default font
    const char* caption;             // nullptr: not checked here
};

TEST(EmbeddedProperties, MainWindowLabels) {
    const LabelRow rows[] = {
        {"标签9", 0, 0, kButtonFaceColour, 0, 0, 16, 400, "露  点："},
        {"标签5", 0, 0, kButtonFaceColour, 0, 0, 16, 400, "℃"},
        {"标签2", 1, 0, kButtonFaceColour, 0, 1, 0, 0, nullptr},
        {"标签46", 3, 0x80E000, kButtonFaceColour, 1, 0, 0, 0, nullptr},
        {"标签50", 0, 0, kWhite, 0, 0, 0, 0, ""},
        {"标签52", 0, kRed, kButtonFaceColour, 0, 0, 29, 700, "常用压力单位换算"},
        {"标签55", 0, kBlue, kButtonFaceColour, 2, 0, 16, 400, "巴(bar)"},
        {"标签61", 0, kBlue, kButtonFaceColour, 2, 0, 16, 400, "磅/英寸  (PSI)"},
        {"标签62", 0, kBlue, kButtonFaceColour, 1, 0, 14, 400, "2"},
        {"标签64", 0, kGrey, kButtonFaceColour, 1, 0, 16, 400, "换算"},
        {"标签1", 4, 0, kButtonFaceColour, 0, 0, 0, 0, ""},
        {"标签4", 0, 0, kButtonFaceColour, 0, 0, 0, 0, "衡朴科技有限公司"}};
    for (const LabelRow& row : rows) {
        SCOPED_TRACE(row.name);
        const LabelData data = Decode<LabelData>(Unit(WindowId::Main, row.name));
        EXPECT_EQ(data.borderStyle, row.border);
        EXPECT_EQ(data.textColour, row.textColour);
        EXPECT_EQ(data.backgroundColour, row.background);
        EXPECT_EQ(data.horizontalAlignment, row.alignment);
        EXPECT_EQ(data.verticalAlignment, 1u);
        EXPECT_EQ(data.wordWrap, row.wordWrap);
        EXPECT_EQ(data.textEffect, 0u);
        if (row.fontPixels == 0) {
            EXPECT_FALSE(data.font.has_value());
        } else {
            ExpectSong(data.font, row.fontPixels, row.fontWeight);
        }
        if (row.caption) {
            EXPECT_EQ(data.caption, Gbk(row.caption));
        }
    }
}

TEST(EmbeddedProperties, ButtonsOfThePressureRowsAreDefaultButtons) {
    for (const char* name : {"按钮3", "按钮4", "按钮5", "按钮6", "按钮7", "按钮8", "按钮9"}) {
        SCOPED_TRACE(name);
        const ButtonData data = Decode<ButtonData>(Unit(WindowId::Main, name));
        EXPECT_EQ(data.defaultButton, 1u);
        EXPECT_EQ(data.caption, Gbk("换算"));
        ExpectSong(data.font, 19, 700);
    }
    for (const char* name : {"按钮1", "按钮2"}) {
        const ButtonData data = Decode<ButtonData>(Unit(WindowId::Main, name));
        EXPECT_EQ(data.defaultButton, 0u) << name;
        ExpectSong(data.font, 16, 700);
    }
    for (WindowId window : {WindowId::About, WindowId::Company}) {
        const ButtonData data = Decode<ButtonData>(Unit(window, "按钮1"));
        EXPECT_EQ(data.defaultButton, 0u);
        EXPECT_EQ(data.caption, Gbk("确定"));
        EXPECT_FALSE(data.font.has_value());
    }
}

TEST(EmbeddedProperties, ComboBoxesAreDropDownListsOnTheirFirstItem) {
    const std::pair<const char*, std::vector<const char*>> rows[] = {
        {"组合框1", {"℃ td", "%", "ppm", "g/m3", "mg/m3", "g/Kg"}},
        {"组合框2", {"MPa", "bar", "mbar", "Pa"}}};
    for (const auto& [name, items] : rows) {
        SCOPED_TRACE(name);
        const ComboBoxData data = Decode<ComboBoxData>(Unit(WindowId::Main, name));
        EXPECT_EQ(data.boxType, 2u);
        EXPECT_EQ(data.selection, 0);
        ExpectSong(data.font, 16, 400);
        std::vector<std::string> expected;
        for (const char* item : items) expected.push_back(Gbk(item));
        EXPECT_EQ(data.items, expected);
    }
}

TEST(EmbeddedProperties, RadioButtonsStartWithTheFirstSelected) {
    const RadioButtonData first = Decode<RadioButtonData>(Unit(WindowId::Main, "单选框1"));
    const RadioButtonData second = Decode<RadioButtonData>(Unit(WindowId::Main, "单选框2"));
    EXPECT_EQ(first.selected, 1u);
    EXPECT_EQ(second.selected, 0u);
    EXPECT_EQ(first.caption, Gbk(" 当前压力转换为标准压力"));
    EXPECT_EQ(second.caption, Gbk(" 标准压力转换为当前压力"));
    ExpectSong(first.font, 14, 400);
}

TEST(EmbeddedProperties, TabControlPagesTimerAndGroupCaptions) {
    const TabControlData tab = Decode<TabControlData>(Unit(WindowId::Main, "选择夹1"));
    EXPECT_EQ(tab.initialPage, 0);
    EXPECT_EQ(tab.pageCaptions,
              (std::vector<std::string>{Gbk("湿度(带压)换算"), Gbk("压力单位换算"), Gbk("农家历"),
                                        Gbk("关于")}));
    EXPECT_EQ(Decode<TimerData>(Unit(WindowId::Main, "时钟1")).period, 1000);
    const GroupBoxData results = Decode<GroupBoxData>(Unit(WindowId::Main, "分组框3"));
    EXPECT_EQ(results.caption, Gbk("计算值"));
    ExpectSong(results.font, 16, 400);
    const GroupBoxData input = Decode<GroupBoxData>(Unit(WindowId::Main, "分组框1"));
    EXPECT_EQ(input.caption, Gbk("输入参数"));
    EXPECT_FALSE(input.font.has_value());
}

TEST(EmbeddedProperties, TransparentLabelCaptions) {
    const std::pair<const char*, const char*> rows[] = {{"透明标签5", "星期："},
                                                        {"透明标签9", "星期："},
                                                        {"透明标签7", "农历："},
                                                        {"透明标签4", "当前时间："},
                                                        {"透明标签3", "透明标签"}};
    for (const auto& [name, caption] : rows) {
        const TransLabelData data = Decode<TransLabelData>(Unit(WindowId::Main, name));
        EXPECT_EQ(data.caption, Gbk(caption)) << name;
        EXPECT_FALSE(data.font.has_value()) << name;
    }
    EXPECT_EQ(Decode<TransLabelData>(Unit(WindowId::Main, "透明标签3")).textColour, kBlue);
}

// Every hyperlink box links to the maker's web site and shows its address.
TEST(EmbeddedProperties, HyperlinkBoxesShowAndOpenTheWebAddress) {
    const std::pair<WindowId, const char*> boxes[] = {{WindowId::Main, "超级链接框1"},
                                                      {WindowId::Main, "超级链接框2"},
                                                      {WindowId::Main, "超级链接框3"},
                                                      {WindowId::About, "超级链接框3"},
                                                      {WindowId::Company, "超级链接框3"}};
    for (const auto& [window, name] : boxes) {
        SCOPED_TRACE(name);
        const HyperLinkerData data = Decode<HyperLinkerData>(Unit(window, name));
        EXPECT_EQ(data.linkType, 1u);
        EXPECT_EQ(data.normalColour, kBlue);
        EXPECT_EQ(data.hoverColour, 0x00558A69u);
        EXPECT_TRUE(data.webAddress.starts_with("http://"));
        EXPECT_EQ(data.caption, data.webAddress);
        EXPECT_TRUE(data.emailAddress.empty());
        EXPECT_FALSE(data.font.has_value());
    }
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    lines.push_back(text.substr(start));
    return lines;
}

const char kFormulaParagraph[] =
    "  本软件参考克拉柏龙-克拉修斯公式，并结合中华人民共和国国家标准－湿度测量方法(GB/T "
    "11605-2005)附录中饱和水气压及相关参数表基础上完成的。";
const char kNotice[] =
    "注：\r\n  本软件为绿色免安装工具软件，个别杀毒软件会对本软件误报毒，如有此情况，"
    "请卸载此杀毒软件，更换其它杀毒软件，或者加入软件的白名单。\r\n   本软件绝对绿色，"
    "请用户放心使用！";

TEST(EmbeddedProperties, VersionBoxHasFourLines) {
    const auto lines = Lines(Decode<LabelData>(Unit(WindowId::Main, "标签2")).caption);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "");
    EXPECT_FALSE(lines[1].empty());
    EXPECT_EQ(lines[2], Gbk("版本：V3.2.0"));
    EXPECT_EQ(lines[3], Gbk("日期：2014.12.17"));
}

TEST(EmbeddedProperties, AboutTextsStartWithTheirVersionAndCarryTheFormulaParagraph) {
    const std::tuple<WindowId, const char*, const char*> rows[] = {
        {WindowId::Main, "编辑框27", "版本：V3.2"}, {WindowId::About, "编辑框1", "版本：V3.0"}};
    for (const auto& [window, name, version] : rows) {
        SCOPED_TRACE(name);
        const auto lines = Lines(Decode<EditBoxData>(Unit(window, name)).content);
        ASSERT_EQ(lines.size(), 7u);
        EXPECT_EQ(lines[0], Gbk(version));
        EXPECT_EQ(lines[3], "");
        EXPECT_EQ(lines[4], Gbk(kFormulaParagraph));
    }
    EXPECT_EQ(Lines(Decode<EditBoxData>(Unit(WindowId::Main, "编辑框27")).content)[2],
              Gbk("语言：简体中文"));
}

TEST(EmbeddedProperties, NoticeTextIsExactInBothPlaces) {
    EXPECT_EQ(Decode<EditBoxData>(Unit(WindowId::Main, "编辑框28")).content, Gbk(kNotice));
    EXPECT_EQ(Decode<EditBoxData>(Unit(WindowId::About, "编辑框2")).content, Gbk(kNotice));
}

TEST(EmbeddedProperties, InitialInputValues) {
    const std::pair<const char*, const char*> rows[] = {
        {"编辑框1", "10"}, {"编辑框3", "20"}, {"编辑框4", "0.3"}, {"编辑框20", ""}};
    for (const auto& [name, content] : rows) {
        EXPECT_EQ(Decode<EditBoxData>(Unit(WindowId::Main, name)).content, content) << name;
    }
}

}  // namespace
}  // namespace forms::testing
