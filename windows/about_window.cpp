// The about window: the earlier about text, the maker's contact lines and a
// button that closes the window.

#include <string>

#include "windows/main_window.h"
#include "windows/main_window_parts.h"

namespace windows {
namespace {

using namespace parts;

constexpr uint32_t kModuleId = 0x19010428;
constexpr Box kOuterBox{kStoredWindowCorner, kStoredWindowCorner, 360, 340};

std::string AboutText() {
    return Gbk("版本：V3.0\r\n" + std::string(kAuthorLine) + "\r\n编程语言：C++\r\n\r\n" +
               std::string(kFormulaParagraph) + "\r\n" + std::string(kAboutClosing));
}

// The about text fills the window, so it comes last: every other control
// lies above it.
std::vector<ControlSpec> Controls() {
    return {MakerNameLabel("标签71", 0x16010424, {24, 152, 128, 24}),
            MakerLink("超级链接框3", 0x16010425, {16, 176, 152, 16}),
            Button("按钮1", 0x16010427, {232, 176, 72, 32}, {.caption = Gbk("确定")})
                .On(forms::ButtonEvent::Clicked, engine::Procedure::CloseAboutWindow),
            TelephoneLabel("标签72", 0x16010426, {24, 192, 144, 24}),
            NotesBox("编辑框2", 0x1601042c, {8, 216, 336, 88}, {.textColour = kBlue}, Gbk(kNotice)),
            NotesBox("编辑框1", 0x16010421, {8, 8, 336, 304},
                     {.background = forms::kButtonFaceColour,
                      .border = forms::Stored(forms::BorderStyle::None),
                      .font = Song(14)},
                     AboutText())};
}

}  // namespace

WindowSpec AboutWindowSpec() {
    return WindowSpec{.windowId = engine::Id(engine::WindowId::About),
                      .ownUnitId = engine::Id(engine::OwnUnitId::About),
                      .moduleId = kModuleId,
                      .ownUnitName = "关于窗口",
                      .box = kOuterBox,
                      .data = CommonWindowData("关于湿度换算软件"),
                      .groups = {ControlGroup{.controls = Controls()}}};
}

}  // namespace windows
