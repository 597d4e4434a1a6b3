#include "windows/main_window_parts.h"

#include <utility>

#include "runtime/gbk.h"

namespace windows {

ControlSpec ControlSpec::Hidden() const {
    ControlSpec copy = *this;
    copy.visible = false;
    return copy;
}

ControlSpec ControlSpec::WithHandPointer() const {
    ControlSpec copy = *this;
    copy.handPointer = true;
    return copy;
}

namespace parts {
namespace {

constexpr int32_t kNormalWeight = 400;
constexpr int32_t kBoldWeight = 700;
constexpr std::string_view kSongFace = "宋体";

forms::FontRecord SongFont(int32_t pixels, int32_t weight) {
    forms::FontRecord font;
    // A negative height asks for that character height in pixels.
    font.height = -pixels;
    font.weight = weight;
    font.SetFace(Gbk(kSongFace));
    return font;
}

ControlSpec Make(std::string_view name, forms::KindCode kind, uint32_t id, Box box, KindSpec data) {
    ControlSpec control;
    control.name = std::string(name);
    control.kind = kind;
    control.id = id;
    control.box = box;
    control.data = std::move(data);
    return control;
}

}  // namespace

std::string Gbk(std::string_view utf8) {
    return runtime::Utf8ToGbk(utf8);
}

forms::FontRecord Song(int32_t pixels) {
    return SongFont(pixels, kNormalWeight);
}

forms::FontRecord SongBold(int32_t pixels) {
    return SongFont(pixels, kBoldWeight);
}

forms::WindowData CommonWindowData(std::string_view utf8Title) {
    return forms::WindowData{.borderStyle = forms::Stored(forms::WindowBorder::FixedSingle),
                             .maximizeButton = 0,
                             .minimizeButton = 0,
                             .controlBox = kOn,
                             .startPosition = forms::Stored(forms::StartPosition::CentredOnScreen),
                             .movable = kOn,
                             .enterMovesFocus = 0,
                             .escCloses = kOn,
                             .f1OpensHelp = 0,
                             .shownOnTaskBar = kOn,
                             .dragAnywhere = 0,
                             .title = Gbk(utf8Title)};
}

ControlSpec EditBox(std::string_view name, uint32_t id, Box box, forms::EditBoxData data) {
    return Make(name, forms::KindCode::EditBox, id, box, std::move(data));
}

ControlSpec Label(std::string_view name, uint32_t id, Box box, forms::LabelData data) {
    return Make(name, forms::KindCode::Label, id, box, std::move(data));
}

ControlSpec Button(std::string_view name, uint32_t id, Box box, forms::ButtonData data) {
    return Make(name, forms::KindCode::Button, id, box, std::move(data));
}

ControlSpec RadioButton(std::string_view name, uint32_t id, Box box, forms::RadioButtonData data) {
    return Make(name, forms::KindCode::RadioButton, id, box, std::move(data));
}

ControlSpec ComboBox(std::string_view name, uint32_t id, Box box, forms::ComboBoxData data) {
    return Make(name, forms::KindCode::ComboBox, id, box, std::move(data));
}

ControlSpec GroupBox(std::string_view name, uint32_t id, Box box, forms::GroupBoxData data) {
    return Make(name, forms::KindCode::GroupBox, id, box, std::move(data));
}

ControlSpec TabControl(std::string_view name, uint32_t id, Box box, forms::TabControlData data) {
    return Make(name, forms::KindCode::TabControl, id, box, std::move(data));
}

ControlSpec Picture(std::string_view name, uint32_t id, Box box, Asset picture) {
    return Make(name, forms::KindCode::PictureBox, id, box, PictureSpec{.picture = picture});
}

ControlSpec Timer(std::string_view name, uint32_t id, Box box, forms::TimerData data) {
    return Make(name, forms::KindCode::Timer, id, box, data);
}

ControlSpec TransLabel(std::string_view name, uint32_t id, Box box, forms::TransLabelData data) {
    return Make(name, forms::KindCode::TransLabel, id, box, std::move(data));
}

ControlSpec DefaultControl(std::string_view name, forms::KindCode kind, uint32_t id, Box box) {
    return Make(name, kind, id, box, std::monostate{});
}

ControlSpec Caption16(std::string_view name, uint32_t id, Box box, std::string_view utf8Caption) {
    return Label(name, id, box, {.font = Song(16), .caption = Gbk(utf8Caption)});
}

ControlSpec ResultBox(std::string_view name, uint32_t id, Box box) {
    return EditBox(
        name, id, box,
        {.inputMode = static_cast<uint32_t>(forms::EditInputMode::ReadOnly), .font = Song(16)});
}

ControlSpec NotesBox(std::string_view name, uint32_t id, Box box, NotesLook look,
                     std::string gbkText) {
    constexpr uint32_t kNoScrollBars = 0;
    return EditBox(name, id, box,
                   {.borderStyle = look.border,
                    .textColour = look.textColour,
                    .backgroundColour = look.background,
                    .multiLine = kOn,
                    .scrollBars = kNoScrollBars,
                    .inputMode = static_cast<uint32_t>(forms::EditInputMode::ReadOnly),
                    .font = look.font,
                    .content = std::move(gbkText)});
}

ControlSpec MakerNameLabel(std::string_view name, uint32_t id, Box box) {
    return Label(name, id, box, {.caption = Gbk(kMakerName)});
}

ControlSpec MakerLink(std::string_view name, uint32_t id, Box box) {
    constexpr uint32_t kWebLink = 1;
    const std::string address = Gbk(kWebAddress);
    return Make(name, forms::KindCode::HyperLinker, id, box,
                forms::HyperLinkerData{.linkType = kWebLink,
                                       .normalColour = kBlue,
                                       .hoverColour = kLinkHover,
                                       .caption = address,
                                       .webAddress = address});
}

ControlSpec TelephoneLabel(std::string_view name, uint32_t id, Box box) {
    return Label(name, id, box, {.caption = Gbk(kTelephoneLine)});
}

}  // namespace parts
}  // namespace windows
