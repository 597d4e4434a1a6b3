// The builder on small descriptions: child lists, page separators, assets
// and the descriptions it must refuse.

#include "windows/main_window_builder.h"

#include <gtest/gtest.h>

#include "windows/main_window_parts.h"

namespace forms {
namespace {

using namespace windows::parts;

constexpr uint32_t kTab = 0x16000001;
constexpr uint32_t kGroup = 0x16000002;
constexpr uint32_t kFirst = 0x16000003;
constexpr uint32_t kSecond = 0x16000004;

const windows::AssetFiles kAssets{
    .companyLogo = {1, 2, 3}, .hygrometer = {4, 5}, .programIcon = {6}};

windows::ControlSpec Plain(uint32_t id, std::string_view name) {
    return windows::parts::DefaultControl(name, KindCode::Label, id, {0, 0, 10, 10});
}

windows::WindowSpec WindowWith(std::vector<windows::ControlGroup> groups) {
    return windows::WindowSpec{.windowId = 0x52000001,
                               .ownUnitId = 0x06000001,
                               .ownUnitName = "窗口",
                               .data = windows::parts::CommonWindowData("标题"),
                               .icon = windows::Asset::ProgramIcon,
                               .groups = std::move(groups)};
}

const UnitRecord& ControlAt(const TemplateData& data, size_t index) {
    return std::get<UnitRecord>(data.windows.at(0).units.at(index));
}

TEST(MainWindowBuilder, EmptyTabPagesStillCountTheirSeparators) {
    const TemplateData data = windows::BuildTemplate(
        {WindowWith({{.controls = {TabControl("选择夹", kTab, {}, {})}},
                     {.parent = kTab, .tabPage = 2, .controls = {Plain(kSecond, "b")}},
                     {.parent = kTab, .tabPage = 0, .controls = {Plain(kFirst, "a")}}})},
        kAssets);
    EXPECT_EQ(ControlAt(data, 1).children, (std::vector<uint32_t>{kFirst, 0, 0, kSecond}));
    EXPECT_EQ(ControlAt(data, 2).parent, kTab);
}

TEST(MainWindowBuilder, ControlsCarryFlagsPointerBindingAndAssets) {
    const TemplateData data = windows::BuildTemplate(
        {WindowWith(
            {{.controls = {GroupBox("分组框", kGroup, {}, {})}},
             {.parent = kGroup,
              .controls = {Picture("图片框", kFirst, {}, windows::Asset::Hygrometer).Hidden(),
                           Button("按钮", kSecond, {}, {})
                               .WithHandPointer()
                               .On(ButtonEvent::Clicked, engine::Procedure::FocusMmHgRow)}}})},
        kAssets);
    EXPECT_EQ(ControlAt(data, 1).children, (std::vector<uint32_t>{kFirst, kSecond}));
    const UnitRecord& picture = ControlAt(data, 2);
    EXPECT_EQ(picture.stateFlags, 0u);
    EXPECT_EQ(ReadKindData<PictureBoxData>(picture.kindData)->picture, kAssets.hygrometer);
    const UnitRecord& button = ControlAt(data, 3);
    EXPECT_EQ(button.stateFlags, uint32_t{kVisible | kTabStop});
    EXPECT_EQ(button.mousePointer, (Bytes{0x89, 0x7F, 0, 0}));
    ASSERT_EQ(button.events.size(), 1u);
    EXPECT_EQ(button.events[0].handlerOffset, 0);
    EXPECT_EQ(ReadKindData<WindowData>(ControlAt(data, 0).kindData)->icon, kAssets.programIcon);
}

TEST(MainWindowBuilder, RefusesUnsoundDescriptions) {
    const std::pair<const char*, std::vector<windows::ControlGroup>> cases[] = {
        {"container not yet created",
         {{.parent = kGroup, .controls = {Plain(kFirst, "a")}},
          {.controls = {GroupBox("分组框", kGroup, {}, {})}}}},
        {"container that is a label",
         {{.controls = {Plain(kGroup, "x")}},
          {.parent = kGroup, .controls = {Plain(kFirst, "a")}}}},
        {"tab page on a group box",
         {{.controls = {GroupBox("分组框", kGroup, {}, {})}},
          {.parent = kGroup, .tabPage = 0, .controls = {Plain(kFirst, "a")}}}},
        {"tab control without a page",
         {{.controls = {TabControl("选择夹", kTab, {}, {})}},
          {.parent = kTab, .controls = {Plain(kFirst, "a")}}}},
        {"unit ID used twice", {{.controls = {Plain(kFirst, "a"), Plain(kFirst, "b")}}}},
        {"control with the window's own ID", {{.controls = {Plain(0x06000001, "a")}}}},
    };
    for (const auto& [name, groups] : cases) {
        EXPECT_THROW(windows::BuildTemplate({WindowWith(groups)}, kAssets),
                     windows::FormDescriptionError)
            << name;
    }
}

}  // namespace
}  // namespace forms
