#pragma once
// The vocabulary in which the window descriptions are written: one maker
// function per control kind, the fonts, colours and alignments the windows
// use, and the texts that several windows share (the maker's name and
// contact lines, the notice, the paragraph on the formulas).
//
// The shared texts are UTF-8 constants; Gbk() converts them for the
// kind-data structs, which hold GBK.

#include <string>
#include <string_view>

#include "windows/window_spec.h"

namespace windows::parts {

// Colours, 0x00BBGGRR.
inline constexpr uint32_t kRed = 0x000000FF;
inline constexpr uint32_t kBlue = 0x00FF0000;
inline constexpr uint32_t kNavy = 0x00800000;
inline constexpr uint32_t kGrey = 0x00808080;
inline constexpr uint32_t kNoticeGreen = 0x0080E000;
inline constexpr uint32_t kLinkHover = 0x00558A69;

// Stored left and top of every window; replaced by centring when it opens.
inline constexpr int32_t kStoredWindowCorner = 50;

// The period of the clock's timer, milliseconds.
inline constexpr int32_t kClockPeriod = 1000;

inline constexpr uint32_t kOn = 1;

std::string Gbk(std::string_view utf8);

// A "宋体" font record of the given character height in pixels.
forms::FontRecord Song(int32_t pixels);
forms::FontRecord SongBold(int32_t pixels);

// Window settings shared by the three windows: fixed single border, control
// box, no maximize button, centred, movable, Esc closes, on the task bar.
forms::WindowData CommonWindowData(std::string_view utf8Title);

ControlSpec EditBox(std::string_view name, uint32_t id, Box box, forms::EditBoxData data);
ControlSpec Label(std::string_view name, uint32_t id, Box box, forms::LabelData data);
ControlSpec Button(std::string_view name, uint32_t id, Box box, forms::ButtonData data);
ControlSpec RadioButton(std::string_view name, uint32_t id, Box box, forms::RadioButtonData data);
ControlSpec ComboBox(std::string_view name, uint32_t id, Box box, forms::ComboBoxData data);
ControlSpec GroupBox(std::string_view name, uint32_t id, Box box, forms::GroupBoxData data);
ControlSpec TabControl(std::string_view name, uint32_t id, Box box, forms::TabControlData data);
ControlSpec Picture(std::string_view name, uint32_t id, Box box, Asset picture);
ControlSpec Timer(std::string_view name, uint32_t id, Box box, forms::TimerData data);
ControlSpec TransLabel(std::string_view name, uint32_t id, Box box, forms::TransLabelData data);
// A control that stores no kind data and so takes every default of its kind.
ControlSpec DefaultControl(std::string_view name, forms::KindCode kind, uint32_t id, Box box);

// A one-line caption label in "宋体" 16 px, the form of most labels.
ControlSpec Caption16(std::string_view name, uint32_t id, Box box, std::string_view utf8Caption);
// A read-only result box in "宋体" 16 px.
ControlSpec ResultBox(std::string_view name, uint32_t id, Box box);

// A read-only, multi-line box of notes that wraps its words and has no
// scroll bars.
struct NotesLook {
    uint32_t textColour = forms::kBlack;
    uint32_t background = forms::kWhite;
    uint32_t border = forms::Stored(forms::BorderStyle::Sunken);
    forms::StoredFont font;
};
ControlSpec NotesBox(std::string_view name, uint32_t id, Box box, NotesLook look,
                     std::string gbkText);

// The maker's contact lines: its name, its web address as a hyperlink box,
// and "服务电话：" with the service telephone number, all in the default font.
ControlSpec MakerNameLabel(std::string_view name, uint32_t id, Box box);
ControlSpec MakerLink(std::string_view name, uint32_t id, Box box);
ControlSpec TelephoneLabel(std::string_view name, uint32_t id, Box box);

// Shared texts, UTF-8; a line break is CR LF.
inline constexpr std::string_view kMakerName = "衡朴科技有限公司";
inline constexpr std::string_view kWebAddress = "http://hengpu.example";
inline constexpr std::string_view kTelephoneLine = "服务电话：400-600-1234";
inline constexpr std::string_view kAuthorLine = "作者：衡朴研发部";
inline constexpr std::string_view kFormulaParagraph =
    "  本软件参考克拉柏龙-克拉修斯公式，并结合中华人民共和国国家标准－湿度测量方法(GB/T "
    "11605-2005)附录中饱和水气压及相关参数表基础上完成的。";
// The two paragraphs after the formula paragraph in both about texts: the
// credit to the development team and the terms of use.
inline constexpr std::string_view kAboutClosing =
    "  本软件由衡朴科技有限公司研发团队开发。\r\n"
    "  本软件为免费共享软件，商用须经本公司许可。";
inline constexpr std::string_view kNotice =
    "注：\r\n  "
    "本软件为绿色免安装工具软件，个别杀毒软件会对本软件误报毒，如有此情况，请卸载此杀毒软件，"
    "更换其它杀毒软件，或者加入软件的白名单。\r\n   本软件绝对绿色，请用户放心使用！";

}  // namespace windows::parts
