#pragma once
// The control kinds, declared once. A kind code holds the number of the
// support library that defines the kind (1 core runtime, 2 lunar calendar,
// 3 extended controls) in the high 16 bits and the kind's 1-based index in
// that library in the low 16 bits. Every lookup below derives from the one
// table.

#include <array>
#include <cstdint>
#include <string_view>

namespace forms {

// The table is kept one kind per line; the formatter is switched off for it.
// clang-format off
// FORMS_KIND(symbol, code, Chinese name (UTF-8), English name, property count, flags)
#define FORMS_KIND_TABLE(FORMS_KIND) \
    FORMS_KIND(Window,          0x00010001, "窗口",       "window",          32, 0x800000D0) /* a window's own unit */ \
    FORMS_KIND(Menu,            0x00010003, "菜单",       "menu",             4, 0x80000004) /* menu bar items */ \
    FORMS_KIND(EditBox,         0x00010005, "编辑框",     "EditBox",         30, 0x80000040) /* text entry */ \
    FORMS_KIND(PictureBox,      0x00010006, "图片框",     "PicBox",          15, 0x840100C0) /* shows an image */ \
    FORMS_KIND(GroupBox,        0x00010009, "分组框",     "GroupBox",        13, 0x840140C0) /* captioned frame, a container */ \
    FORMS_KIND(Label,           0x0001000A, "标签",       "Label",           29, 0x84012040) /* self-painted caption */ \
    FORMS_KIND(Button,          0x0001000B, "按钮",       "Button",          14, 0x80000840) /* push button */ \
    FORMS_KIND(RadioButton,     0x0001000D, "单选框",     "RadioBox",        19, 0x80000440) /* one of a group */ \
    FORMS_KIND(ComboBox,        0x0001000E, "组合框",     "ComboBox",        25, 0x80000240) /* drop-down list */ \
    FORMS_KIND(TabControl,      0x00010015, "选择夹",     "Tab",             16, 0x800101C0) /* tab pages, a container */ \
    FORMS_KIND(HyperLinker,     0x0001001D, "超级链接框", "HyperLinker",     18, 0x80010040) /* opens a web or mail link */ \
    FORMS_KIND(Timer,           0x00010020, "时钟",       "Timer",            9, 0x80008040) /* periodic event, never visible */ \
    FORMS_KIND(CnCalendar,      0x00020001, "农历日期框", "CnCalendar",      27, 0x80000040) /* lunar date box */ \
    FORMS_KIND(CnMonthCalendar, 0x0002000B, "农历月历",   "CnMonthCalendar", 30, 0x80000040) /* lunar month page */ \
    FORMS_KIND(TransLabel,      0x00030005, "透明标签",   "TransLabel",      15, 0x00012040) /* text over what lies beneath */
// clang-format on

enum class KindCode : uint32_t {
#define FORMS_KIND_ENUM(symbol, code, chinese, english, properties, flags) symbol = code,
    FORMS_KIND_TABLE(FORMS_KIND_ENUM)
#undef FORMS_KIND_ENUM
};

struct KindInfo {
    KindCode code;
    std::string_view chineseName;  // UTF-8; converted to GBK where shown
    std::string_view englishName;
    int32_t propertyCount;
    uint32_t flags;
};

inline constexpr std::array kKinds = {
#define FORMS_KIND_INFO(symbol, code, chinese, english, properties, flags) \
    KindInfo{KindCode::symbol, chinese, english, properties, flags},
    FORMS_KIND_TABLE(FORMS_KIND_INFO)
#undef FORMS_KIND_INFO
};

// Kind flags.
inline constexpr uint32_t kKindNeverVisible = 0x8000;  // e.g. the timer
inline constexpr uint32_t kKindRaisesEvents = 0x40 | 0x04;

// The kind's entry, or null for a code no kind has.
constexpr const KindInfo* FindKind(uint32_t code) {
    for (const KindInfo& kind : kKinds) {
        if (static_cast<uint32_t>(kind.code) == code) return &kind;
    }
    return nullptr;
}

// What a kind's flags (a KindInfo's or a registered descriptor's) say.
constexpr bool IsNeverVisible(uint32_t kindFlags) {
    return (kindFlags & kKindNeverVisible) != 0;
}
constexpr bool CanRaiseEvents(uint32_t kindFlags) {
    return (kindFlags & kKindRaisesEvents) != 0;
}

}  // namespace forms
