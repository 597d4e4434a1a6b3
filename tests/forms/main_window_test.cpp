// The embedded template against the window layout: windows, unit counts,
// IDs, names, kinds, parents and positions, containers and tab pages, the
// stacking order where controls overlap, and every event binding.

#include "windows/main_window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <tuple>

#include "engine/procedures.h"
#include "tests/forms/embedded_forms.h"

namespace forms::testing {
namespace {

using engine::OwnUnitId;
using engine::Procedure;

struct WindowRow {
    WindowId id;
    OwnUnitId ownUnitId;
    uint32_t moduleId;
    size_t units;
};

TEST(EmbeddedWindows, ThreeWindowsInOrderWithTheirUnitCounts) {
    const WindowRow rows[] = {{WindowId::Main, OwnUnitId::Main, 0x1901000F, 146},
                              {WindowId::About, OwnUnitId::About, 0x19010428, 7},
                              {WindowId::Company, OwnUnitId::Company, 0x19010439, 7}};
    const TemplateData& forms = EmbeddedForms();
    ASSERT_EQ(forms.windows.size(), std::size(rows));
    for (size_t i = 0; i < std::size(rows); ++i) {
        const WindowRecord& window = forms.windows[i];
        SCOPED_TRACE(i);
        EXPECT_EQ(window.windowId, Id(rows[i].id));
        EXPECT_EQ(window.moduleId, rows[i].moduleId);
        EXPECT_TRUE(window.text1.empty() && window.text2.empty());
        ASSERT_EQ(window.units.size(), rows[i].units);
        EXPECT_EQ(UnitId(window.units[0]), Id(rows[i].ownUnitId));
    }
}

TEST(EmbeddedWindows, MainWindowHasOneHundredFortyControlsThenFiveMenuItems) {
    const std::vector<forms::Unit>& units = Window(WindowId::Main).units;
    ASSERT_EQ(units.size(), 146u);
    for (size_t i = 0; i < units.size(); ++i) {
        EXPECT_EQ(std::holds_alternative<MenuItemRecord>(units[i]), i >= 141) << i;
    }
}

TEST(EmbeddedWindows, IdsAndNamesAreUniqueWithinEachWindow) {
    for (const WindowRecord& window : EmbeddedForms().windows) {
        std::set<uint32_t> ids;
        std::set<std::string> names;
        size_t controls = 0;
        for (const forms::Unit& unit : window.units) {
            EXPECT_TRUE(ids.insert(UnitId(unit)).second) << std::hex << UnitId(unit);
            if (const auto* record = std::get_if<UnitRecord>(&unit)) {
                ++controls;
                EXPECT_FALSE(record->name.empty());
                EXPECT_TRUE(names.insert(record->name).second) << runtime::GbkToUtf8(record->name);
            }
        }
        EXPECT_EQ(names.size(), controls);
    }
}

// The "used here" counts of the control kinds, over all three windows.
TEST(EmbeddedWindows, KindCountsOverAllWindows) {
    const std::map<KindCode, int> expected = {
        {KindCode::Window, 3},      {KindCode::Menu, 5},
        {KindCode::EditBox, 33},    {KindCode::PictureBox, 5},
        {KindCode::GroupBox, 5},    {KindCode::Label, 76},
        {KindCode::Button, 11},     {KindCode::RadioButton, 2},
        {KindCode::ComboBox, 2},    {KindCode::TabControl, 1},
        {KindCode::HyperLinker, 5}, {KindCode::Timer, 1},
        {KindCode::CnCalendar, 1},  {KindCode::CnMonthCalendar, 1},
        {KindCode::TransLabel, 9}};
    std::map<KindCode, int> counted;
    for (const WindowRecord& window : EmbeddedForms().windows) {
        for (const forms::Unit& unit : window.units) {
            std::visit([&](const auto& record) { ++counted[KindCode(record.kind)]; }, unit);
        }
    }
    EXPECT_EQ(counted, expected);
}

struct UnitLayout {
    WindowId window;
    const char* name;
    KindCode kind;
    const char* parent;  // nullptr: the window itself
    windows::Box box;
};

// A few rows of every layout table.
const UnitLayout kLayouts[] = {
    {WindowId::Main, "选择夹1", KindCode::TabControl, nullptr, {0, 0, 776, 656}},
    {WindowId::Main, "透明标签1", KindCode::TransLabel, "选择夹1", {400, -8, 160, 32}},
    {WindowId::Main, "分组框3", KindCode::GroupBox, "选择夹1", {16, 192, 360, 360}},
    {WindowId::Main, "农历日期框2", KindCode::CnCalendar, "选择夹1", {64, 560, 208, 32}},
    {WindowId::Main, "时钟1", KindCode::Timer, "选择夹1", {688, 568, 40, 32}},
    {WindowId::Main, "标签46", KindCode::Label, "选择夹1", {16, 616, 304, 24}},
    {WindowId::Main, "标签12", KindCode::Label, "分组框1", {48, 16, 64, 24}},
    {WindowId::Main, "组合框1", KindCode::ComboBox, "分组框1", {256, 16, 80, 24}},
    {WindowId::Main, "按钮1", KindCode::Button, "分组框1", {264, 104, 88, 32}},
    {WindowId::Main, "编辑框4", KindCode::EditBox, "分组框2", {128, 16, 80, 24}},
    {WindowId::Main, "单选框2", KindCode::RadioButton, "分组框2", {40, 112, 208, 24}},
    {WindowId::Main, "标签24", KindCode::Label, "分组框3", {256, 96, 72, 24}},
    {WindowId::Main, "编辑框29", KindCode::EditBox, "分组框3", {152, 320, 96, 24}},
    {WindowId::Main, "编辑框19", KindCode::EditBox, "分组框4", {152, 24, 96, 24}},
    {WindowId::Main, "标签47", KindCode::Label, "分组框4", {16, 320, 88, 16}},
    {WindowId::Main, "标签52", KindCode::Label, "选择夹1", {248, 32, 264, 40}},
    {WindowId::Main, "分组框5", KindCode::GroupBox, "选择夹1", {96, 80, 584, 440}},
    {WindowId::Main, "超级链接框2", KindCode::HyperLinker, "选择夹1", {224, 560, 152, 16}},
    {WindowId::Main, "编辑框25", KindCode::EditBox, "分组框5", {192, 305, 160, 40}},
    {WindowId::Main, "按钮9", KindCode::Button, "分组框5", {400, 360, 104, 40}},
    {WindowId::Main, "标签63", KindCode::Label, "分组框5", {104, 368, 16, 16}},
    {WindowId::Main, "标签70", KindCode::Label, "分组框5", {420, 368, 64, 24}},
    {WindowId::Main, "农历月历1", KindCode::CnMonthCalendar, "选择夹1", {184, 96, 365, 262}},
    {WindowId::Main, "透明标签9", KindCode::TransLabel, "选择夹1", {464, 376, 32, 16}},
    {WindowId::Main, "编辑框27", KindCode::EditBox, "选择夹1", {120, 56, 448, 256}},
    {WindowId::Main, "标签72", KindCode::Label, "选择夹1", {144, 576, 144, 24}},
    {WindowId::About, "编辑框1", KindCode::EditBox, nullptr, {8, 8, 336, 304}},
    {WindowId::About, "按钮1", KindCode::Button, nullptr, {232, 176, 72, 32}},
    {WindowId::About, "编辑框2", KindCode::EditBox, nullptr, {8, 216, 336, 88}},
    {WindowId::Company, "编辑框1", KindCode::EditBox, nullptr, {0, 0, 536, 368}},
    {WindowId::Company, "图片框4", KindCode::PictureBox, nullptr, {0, 368, 88, 88}},
    {WindowId::Company, "按钮1", KindCode::Button, nullptr, {416, 392, 80, 40}},
};

TEST(EmbeddedWindows, UnitsHaveTheirKindParentAndBox) {
    for (const UnitLayout& row : kLayouts) {
        SCOPED_TRACE(row.name);
        const UnitRecord& unit = Unit(row.window, row.name);
        EXPECT_EQ(KindCode(unit.kind), row.kind);
        EXPECT_EQ(unit.parent, row.parent ? Unit(row.window, row.parent).id : 0u);
        EXPECT_EQ(std::tie(unit.left, unit.top, unit.width, unit.height),
                  std::tie(row.box.left, row.box.top, row.box.width, row.box.height));
    }
}

// The units that the engine and the tests name by ID are in the main window,
// of the kind whose properties they use.
TEST(EmbeddedWindows, NamedUnitsHaveTheKindTheirUsersExpect) {
    using M = MainUnit;
    const std::pair<KindCode, std::vector<MainUnit>> kinds[] = {
        {KindCode::EditBox,
         {M::KnownValue,
          M::GasTemperature,
          M::GaugePressure,
          M::RelativeHumidity,
          M::DewPoint,
          M::VolumeRatio,
          M::AbsoluteHumidityGrams,
          M::AbsoluteHumidityMilligrams,
          M::MixingRatio,
          M::SaturationVapourPressure,
          M::VapourPressure,
          M::SupercooledDewPoint,
          M::RelativeHumidityAfterConversion,
          M::DewPointAfterConversion,
          M::VolumeRatioAfterConversion,
          M::AbsoluteHumidityGramsAfterConversion,
          M::AbsoluteHumidityMilligramsAfterConversion,
          M::MixingRatioAfterConversion,
          M::SaturationVapourPressureAfterConversion,
          M::VapourPressureAfterConversion,
          M::SupercooledDewPointAfterConversion,
          M::BarValue,
          M::MpaValue,
          M::KpaValue,
          M::AtmValue,
          M::KgfValue,
          M::MmHgValue,
          M::PsiValue}},
        {KindCode::ComboBox, {M::KnownQuantity, M::GaugePressureUnit}},
        {KindCode::RadioButton, {M::PresentToStandard, M::StandardToPresent}},
        {KindCode::Button,
         {M::ComputeButton, M::BarButton, M::MpaButton, M::KpaButton, M::AtmButton, M::KgfButton,
          M::MmHgButton, M::PsiButton}},
        {KindCode::Label,
         {M::PercentAfterConversion,
          M::RelativeHumidityCaption,
          M::DewPointCaption,
          M::AbsoluteHumidityCaption,
          M::MixingRatioCaption,
          M::VolumeRatioCaption,
          M::BarName,
          M::MpaName,
          M::KpaName,
          M::AtmName,
          M::KgfName,
          M::MmHgName,
          M::PsiName,
          M::KgfExponent,
          M::PsiExponent,
          M::BarMask,
          M::MpaMask,
          M::KpaMask,
          M::AtmMask,
          M::KgfMask,
          M::MmHgMask,
          M::PsiMask}},
        {KindCode::TransLabel,
         {M::HumidityPageClock, M::PressurePageClock, M::CalendarPageClock, M::HumidityPageWeekday,
          M::CalendarPageWeekday}},
        {KindCode::TabControl, {M::TabControl}},
        {KindCode::Timer, {M::ClockTimer}},
        {KindCode::CnCalendar, {M::LunarDateBox}}};
    for (const auto& [kind, units] : kinds) {
        for (MainUnit unit : units) {
            const auto* record =
                std::get_if<UnitRecord>(FindUnit(Window(WindowId::Main), Id(unit)));
            ASSERT_NE(record, nullptr) << std::hex << Id(unit);
            EXPECT_EQ(KindCode(record->kind), kind) << runtime::GbkToUtf8(record->name);
        }
    }
}

TEST(EmbeddedWindows, WindowsStoreTheirOuterSizeAtFiftyFifty) {
    const std::tuple<WindowId, int32_t, int32_t> rows[] = {
        {WindowId::Main, 774, 708}, {WindowId::About, 360, 340}, {WindowId::Company, 540, 482}};
    for (const auto& [windowId, width, height] : rows) {
        const auto& own = std::get<UnitRecord>(Window(windowId).units.at(0));
        EXPECT_EQ(std::tie(own.left, own.top, own.width, own.height),
                  std::make_tuple(50, 50, width, height));
        EXPECT_EQ(own.stateFlags, uint32_t{kVisible});
        EXPECT_EQ(own.parent, 0u);
    }
}

std::vector<std::string> Names(WindowId windowId, const std::vector<uint32_t>& ids) {
    std::vector<std::string> names;
    for (uint32_t id : ids) {
        const auto* unit = std::get_if<UnitRecord>(FindUnit(Window(windowId), id));
        names.push_back(unit ? runtime::GbkToUtf8(unit->name) : "?");
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::string> Sorted(std::vector<std::string> names) {
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::vector<uint32_t>> SplitPages(const std::vector<uint32_t>& children) {
    std::vector<std::vector<uint32_t>> pages(1);
    for (uint32_t id : children) {
        if (id == 0) {
            pages.emplace_back();
        } else {
            pages.back().push_back(id);
        }
    }
    return pages;
}

TEST(EmbeddedWindows, TabControlListsEachPageSplitByZero) {
    const std::vector<std::vector<std::string>> expected = {
        {"透明标签1", "透明标签6", "透明标签5", "分组框1", "分组框2", "分组框3", "分组框4",
         "透明标签7", "农历日期框2", "按钮2", "图片框1", "图片框2", "标签4", "时钟1", "标签50",
         "超级链接框1", "标签6", "标签46"},
        {"透明标签2", "标签52", "分组框5", "图片框3", "标签53", "超级链接框2", "标签54"},
        {"标签1", "农历月历1", "透明标签4", "透明标签3", "透明标签8", "透明标签9"},
        {"编辑框27", "编辑框28", "图片框4", "标签71", "超级链接框3", "标签72"}};
    const auto pages = SplitPages(Unit(WindowId::Main, "选择夹1").children);
    ASSERT_EQ(pages.size(), expected.size());
    for (size_t page = 0; page < pages.size(); ++page) {
        EXPECT_EQ(Names(WindowId::Main, pages[page]), Sorted(expected[page])) << "page " << page;
    }
}

TEST(EmbeddedWindows, GroupBoxesListTheirChildren) {
    const std::pair<const char*, size_t> groups[] = {
        {"分组框1", 12}, {"分组框2", 6}, {"分组框3", 27}, {"分组框4", 27}, {"分组框5", 30}};
    for (const auto& [name, count] : groups) {
        EXPECT_EQ(Unit(WindowId::Main, name).children.size(), count) << name;
    }
    EXPECT_EQ(Names(WindowId::Main, Unit(WindowId::Main, "分组框2").children),
              Sorted({"标签13", "编辑框4", "组合框2", "标签51", "单选框1", "单选框2"}));
}

// Every control is listed by exactly the container its parent field names,
// and only containers list children.
TEST(EmbeddedWindows, ParentFieldsAgreeWithTheChildLists) {
    for (const WindowRecord& window : EmbeddedForms().windows) {
        std::map<uint32_t, uint32_t> listedBy;
        for (const forms::Unit& unit : window.units) {
            const auto* record = std::get_if<UnitRecord>(&unit);
            if (!record) continue;
            const KindCode kind = KindCode(record->kind);
            if (kind != KindCode::GroupBox && kind != KindCode::TabControl) {
                EXPECT_TRUE(record->children.empty()) << runtime::GbkToUtf8(record->name);
            }
            for (uint32_t child : record->children) {
                if (child != 0) {
                    EXPECT_TRUE(listedBy.emplace(child, record->id).second);
                }
            }
        }
        for (size_t i = 1; i < window.units.size(); ++i) {
            const auto* record = std::get_if<UnitRecord>(&window.units[i]);
            if (!record) continue;
            const auto listed = listedBy.find(record->id);
            EXPECT_EQ(listed == listedBy.end() ? 0u : listed->second, record->parent)
                << runtime::GbkToUtf8(record->name);
        }
    }
}

size_t IndexOf(WindowId windowId, std::string_view name) {
    const std::vector<forms::Unit>& units = Window(windowId).units;
    const uint32_t id = Unit(windowId, name).id;
    return size_t(std::find_if(units.begin(), units.end(),
                               [&](const forms::Unit& unit) { return UnitId(unit) == id; }) -
                  units.begin());
}

// Of two overlapping controls with one parent the earlier unit lies above.
TEST(EmbeddedWindows, OverlappingControlsAreStackedAsTheLayoutNeeds) {
    const std::tuple<WindowId, const char*, const char*> aboveBelow[] = {
        {WindowId::Main, "标签64", "按钮3"},    {WindowId::Main, "标签65", "按钮4"},
        {WindowId::Main, "标签66", "按钮5"},    {WindowId::Main, "标签67", "按钮6"},
        {WindowId::Main, "标签68", "按钮7"},    {WindowId::Main, "标签69", "按钮8"},
        {WindowId::Main, "标签70", "按钮9"},    {WindowId::Main, "标签63", "标签61"},
        {WindowId::Main, "农历月历1", "标签1"}, {WindowId::Main, "透明标签9", "标签1"},
        {WindowId::About, "标签71", "编辑框1"}, {WindowId::About, "按钮1", "编辑框1"},
        {WindowId::About, "编辑框2", "编辑框1"}};
    for (const auto& [windowId, above, below] : aboveBelow) {
        EXPECT_LT(IndexOf(windowId, above), IndexOf(windowId, below)) << above << " / " << below;
    }
}

struct BindingRow {
    WindowId window;
    const char* unit;  // nullptr: the window's own unit
    int32_t event;
    Procedure procedure;
};

const BindingRow kBindings[] = {
    {WindowId::Main, nullptr, 0, Procedure::MainWindowCreated},
    {WindowId::Main, "按钮1", 0, Procedure::ConvertHumidity},
    {WindowId::Main, "组合框1", 0, Procedure::UpdateInputLabel},
    {WindowId::Main, "时钟1", 0, Procedure::UpdateClock},
    {WindowId::Main, "按钮2", 0, Procedure::CloseMainWindow},
    {WindowId::Main, "编辑框20", -7, Procedure::FocusBarRow},
    {WindowId::Main, "编辑框21", -7, Procedure::FocusMpaRow},
    {WindowId::Main, "编辑框22", -7, Procedure::FocusKpaRow},
    {WindowId::Main, "编辑框23", -7, Procedure::FocusAtmRow},
    {WindowId::Main, "编辑框24", -7, Procedure::FocusKgfRow},
    {WindowId::Main, "编辑框25", -7, Procedure::FocusMmHgRow},
    {WindowId::Main, "编辑框26", -7, Procedure::FocusPsiRow},
    {WindowId::Main, "按钮3", 0, Procedure::ConvertBarRow},
    {WindowId::Main, "按钮4", 0, Procedure::ConvertMpaRow},
    {WindowId::Main, "按钮5", 0, Procedure::ConvertKpaRow},
    {WindowId::Main, "按钮6", 0, Procedure::ConvertAtmRow},
    {WindowId::Main, "按钮7", 0, Procedure::ConvertKgfRow},
    {WindowId::Main, "按钮8", 0, Procedure::ConvertMmHgRow},
    {WindowId::Main, "按钮9", 0, Procedure::ConvertPsiRow},
    {WindowId::About, "按钮1", 0, Procedure::CloseAboutWindow},
    {WindowId::Company, "按钮1", 0, Procedure::CloseCompanyWindow},
};

using BindingKey = std::tuple<uint32_t, uint32_t, int32_t, int32_t>;

TEST(EmbeddedWindows, ControlEventsAreExactlyTheBindingTable) {
    std::set<BindingKey> expected;
    for (const BindingRow& row : kBindings) {
        const uint32_t unitId =
            row.unit ? Unit(row.window, row.unit).id : UnitId(Window(row.window).units.at(0));
        expected.insert({Id(row.window), unitId, row.event, int32_t(row.procedure)});
    }
    std::set<BindingKey> stored;
    for (const WindowRecord& window : EmbeddedForms().windows) {
        for (const forms::Unit& unit : window.units) {
            const auto* record = std::get_if<UnitRecord>(&unit);
            if (!record) continue;
            for (const EventBinding& binding : record->events) {
                stored.insert({window.windowId, record->id, binding.event, binding.handlerOffset});
            }
        }
    }
    EXPECT_EQ(stored, expected);
}

TEST(EmbeddedWindows, MenuItemsInOrderWithTheirHandlers) {
    const std::tuple<uint32_t, uint32_t, const char*, int32_t> rows[] = {
        {0x260100BE, 0, "文件", kNoHandler},
        {0x260100BF, 1, "退出", int32_t(Procedure::MenuExit)},
        {0x2601011A, 0, "帮助", kNoHandler},
        {0x2601011C, 1, "关于", int32_t(Procedure::MenuAbout)},
        {0x260101CC, 1, "公司简介", int32_t(Procedure::MenuCompanyProfile)}};
    const std::vector<forms::Unit>& units = Window(WindowId::Main).units;
    ASSERT_EQ(units.size(), 146u);
    for (size_t i = 0; i < std::size(rows); ++i) {
        const auto& [id, level, caption, handler] = rows[i];
        const auto* item = std::get_if<MenuItemRecord>(&units[141 + i]);
        ASSERT_NE(item, nullptr) << caption;
        EXPECT_EQ(item->id, id);
        EXPECT_EQ(KindCode(item->kind), KindCode::Menu);
        EXPECT_EQ(item->level, level);
        EXPECT_EQ(item->flags, 0u);
        EXPECT_EQ(item->caption, Gbk(caption));
        EXPECT_EQ(item->handlerOffset, handler);
        EXPECT_TRUE(item->name.empty());
    }
}

// Offset 0 is a real handler: the first procedure of the table.
TEST(EmbeddedWindows, OffsetZeroIsTheMmHgRowFocusHandler) {
    const UnitRecord& mmHgBox = Unit(WindowId::Main, "编辑框25");
    ASSERT_EQ(mmHgBox.events.size(), 1u);
    EXPECT_EQ(mmHgBox.events[0].handlerOffset, 0);
}

}  // namespace
}  // namespace forms::testing
