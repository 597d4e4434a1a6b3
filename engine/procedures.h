#pragma once
// The engine's procedure table, in table order.
//
//   form template handler offset ──► Procedure ──► entry of the procedure table
//
// A handler offset stored in the form template is the entry's distance from
// the start of the table, counted in entries, so each enumerator's value is
// exactly the offset the template stores for that handler. The first entry
// starts the table, which is why offset 0 is a valid handler. The order is
// fixed: changing it changes the meaning of every stored offset.

#include <cstddef>
#include <cstdint>

namespace engine {

enum class Procedure : int32_t {
    FocusMmHgRow = 0,         // 编辑框25 got the focus: highlight the mmHg row.
    FocusBarRow = 1,          // 编辑框20 got the focus: highlight the bar row.
    FocusMpaRow = 2,          // 编辑框21 got the focus: highlight the MPa row.
    FocusKpaRow = 3,          // 编辑框22 got the focus: highlight the kPa row.
    FocusAtmRow = 4,          // 编辑框23 got the focus: highlight the standard-atmosphere row.
    FocusKgfRow = 5,          // 编辑框24 got the focus: highlight the kgf/cm² row.
    FocusPsiRow = 6,          // 编辑框26 got the focus: highlight the PSI row.
    ConvertBarRow = 7,        // 按钮3 clicked: convert the bar value into the other six units.
    ConvertMpaRow = 8,        // 按钮4 clicked: convert the MPa value.
    ConvertKpaRow = 9,        // 按钮5 clicked: convert the kPa value.
    ConvertAtmRow = 10,       // 按钮6 clicked: convert the standard-atmosphere value.
    ConvertKgfRow = 11,       // 按钮7 clicked: convert the kgf/cm² value.
    ConvertMmHgRow = 12,      // 按钮8 clicked: convert the mmHg value.
    ConvertPsiRow = 13,       // 按钮9 clicked: convert the PSI value.
    ConvertHumidity = 14,     // 按钮1 "计算" clicked: the humidity conversion.
    UpdateClock = 15,         // 时钟1 elapsed: refresh the three date-and-time labels.
    MainWindowCreated = 16,   // Main window created: weekday labels and input-label update.
    UpdateInputLabel = 17,    // 组合框1 item chosen: show the caption of the known quantity.
    CloseMainWindow = 18,     // 按钮2 "关闭" clicked: close the main window.
    MenuExit = 19,            // Menu "退出" chosen: close the main window.
    MenuAbout = 20,           // Menu "关于" chosen: open the about window modally.
    MenuCompanyProfile = 21,  // Menu "公司简介" chosen: open the company-profile window modally.
    CloseAboutWindow = 22,    // About window's "确定" clicked: close the about window.
    CloseCompanyWindow = 23,  // Company-profile window's "确定" clicked: close that window.
};

// Number of entries in the procedure table.
inline constexpr std::size_t ProcedureCount =
    static_cast<std::size_t>(Procedure::CloseCompanyWindow) + 1;

}  // namespace engine
