// The engine's unit IDs name the controls of the embedded main window that
// the handlers mean: each ID is found in the window description under the
// control name the engine's comments give it.

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "engine/form_ids.h"
#include "windows/main_window.h"

namespace engine::testing {
namespace {

const std::pair<MainUnit, const char*> kUnitNames[] = {
    {MainUnit::ComboBox1, "组合框1"},     {MainUnit::EditBox1, "编辑框1"},
    {MainUnit::EditBox3, "编辑框3"},      {MainUnit::RadioButton1, "单选框1"},
    {MainUnit::RadioButton2, "单选框2"},  {MainUnit::ComboBox2, "组合框2"},
    {MainUnit::EditBox4, "编辑框4"},      {MainUnit::EditBox2, "编辑框2"},
    {MainUnit::EditBox5, "编辑框5"},      {MainUnit::EditBox6, "编辑框6"},
    {MainUnit::EditBox7, "编辑框7"},      {MainUnit::EditBox8, "编辑框8"},
    {MainUnit::EditBox9, "编辑框9"},      {MainUnit::EditBox10, "编辑框10"},
    {MainUnit::EditBox11, "编辑框11"},    {MainUnit::EditBox29, "编辑框29"},
    {MainUnit::EditBox19, "编辑框19"},    {MainUnit::EditBox18, "编辑框18"},
    {MainUnit::EditBox17, "编辑框17"},    {MainUnit::EditBox16, "编辑框16"},
    {MainUnit::EditBox15, "编辑框15"},    {MainUnit::EditBox14, "编辑框14"},
    {MainUnit::EditBox13, "编辑框13"},    {MainUnit::EditBox12, "编辑框12"},
    {MainUnit::EditBox30, "编辑框30"},    {MainUnit::Label7, "标签7"},
    {MainUnit::Label9, "标签9"},          {MainUnit::Label10, "标签10"},
    {MainUnit::Label11, "标签11"},        {MainUnit::Label12, "标签12"},
    {MainUnit::TransLabel1, "透明标签1"}, {MainUnit::TransLabel2, "透明标签2"},
    {MainUnit::TransLabel3, "透明标签3"}, {MainUnit::TransLabel6, "透明标签6"},
    {MainUnit::TransLabel8, "透明标签8"}, {MainUnit::EditBox20, "编辑框20"},
    {MainUnit::EditBox21, "编辑框21"},    {MainUnit::EditBox22, "编辑框22"},
    {MainUnit::EditBox23, "编辑框23"},    {MainUnit::EditBox24, "编辑框24"},
    {MainUnit::EditBox25, "编辑框25"},    {MainUnit::EditBox26, "编辑框26"},
    {MainUnit::Button3, "按钮3"},         {MainUnit::Button4, "按钮4"},
    {MainUnit::Button5, "按钮5"},         {MainUnit::Button6, "按钮6"},
    {MainUnit::Button7, "按钮7"},         {MainUnit::Button8, "按钮8"},
    {MainUnit::Button9, "按钮9"},         {MainUnit::Label55, "标签55"},
    {MainUnit::Label56, "标签56"},        {MainUnit::Label57, "标签57"},
    {MainUnit::Label58, "标签58"},        {MainUnit::Label59, "标签59"},
    {MainUnit::Label60, "标签60"},        {MainUnit::Label61, "标签61"},
    {MainUnit::Label62, "标签62"},        {MainUnit::Label63, "标签63"},
    {MainUnit::Label64, "标签64"},        {MainUnit::Label65, "标签65"},
    {MainUnit::Label66, "标签66"},        {MainUnit::Label67, "标签67"},
    {MainUnit::Label68, "标签68"},        {MainUnit::Label69, "标签69"},
    {MainUnit::Label70, "标签70"},
};

std::string NameOfUnit(const forms::WindowSpec& window, uint32_t id) {
    for (const forms::ControlGroup& group : window.groups) {
        for (const forms::ControlSpec& control : group.controls) {
            if (control.id == id) return control.name;
        }
    }
    return "";
}

TEST(ControlIds, NameTheMainWindowsControls) {
    forms::WindowSpec main = forms::MainWindowSpec();
    for (const auto& [unit, name] : kUnitNames) {
        EXPECT_EQ(NameOfUnit(main, static_cast<uint32_t>(unit)), name);
    }
}

TEST(ControlIds, NameTheThreeWindowsAndTheirOwnUnits) {
    const std::pair<forms::WindowSpec, std::pair<WindowId, OwnUnitId>> windows[] = {
        {forms::MainWindowSpec(), {WindowId::Main, OwnUnitId::Main}},
        {forms::AboutWindowSpec(), {WindowId::About, OwnUnitId::About}},
        {forms::CompanyWindowSpec(), {WindowId::Company, OwnUnitId::Company}},
    };
    for (const auto& [spec, ids] : windows) {
        EXPECT_EQ(spec.windowId, static_cast<uint32_t>(ids.first));
        EXPECT_EQ(spec.ownUnitId, static_cast<uint32_t>(ids.second));
    }
}

}  // namespace
}  // namespace engine::testing
