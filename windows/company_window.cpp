// The company-profile window: the maker's profile, its mark and contact lines
// and a button that closes the window.

#include "windows/main_window.h"
#include "windows/main_window_parts.h"

namespace windows {
namespace {

using namespace parts;

constexpr uint32_t kModuleId = 0x19010439;
constexpr Box kOuterBox{kStoredWindowCorner, kStoredWindowCorner, 540, 482};

constexpr std::string_view kProfile =
    "  衡朴科技有限公司是一家专注于气体湿度测量与控制的技术企业，长期致力于露点、微量水分和"
    "相对湿度测量仪表的研发、生产与工程服务。\r\n"
    "  公司主要产品有便携式露点仪、在线露点变送器、微量水分分析仪、温湿度变送器以及压缩空气"
    "露点监测系统，广泛用于压缩空气干燥、工业气体生产、电力SF6气体检测、石油化工、制药、"
    "锂电池和半导体等行业。\r\n"
    "  公司设有湿度标定实验室，配备标准湿度发生器和精密冷镜露点仪，可为用户提供仪表校准、"
    "现场测试、系统设计及安装调试等一站式服务。\r\n"
    "  衡朴人秉承“诚信、严谨、创新、服务”的理念，以可靠的产品和及时的技术支持回报每一位"
    "用户。欢迎来电咨询，或访问公司网站了解更多产品信息。";

std::vector<ControlSpec> Controls() {
    return {NotesBox("编辑框1", 0x16010433, {0, 0, 536, 368},
                     {.textColour = kNavy,
                      .background = forms::kButtonFaceColour,
                      .border = forms::Stored(forms::BorderStyle::SunkenInRaised),
                      .font = Song(16)},
                     Gbk(kProfile)),
            Picture("图片框4", 0x16010437, {0, 368, 88, 88}, Asset::CompanyLogo),
            MakerNameLabel("标签71", 0x16010434, {104, 376, 128, 24}),
            Button("按钮1", 0x16010438, {416, 392, 80, 40}, {.caption = Gbk("确定")})
                .On(forms::ButtonEvent::Clicked, engine::Procedure::CloseCompanyWindow),
            MakerLink("超级链接框3", 0x16010435, {96, 400, 152, 16}),
            TelephoneLabel("标签72", 0x16010436, {104, 416, 144, 24})};
}

}  // namespace

WindowSpec CompanyWindowSpec() {
    return WindowSpec{.windowId = engine::Id(engine::WindowId::Company),
                      .ownUnitId = engine::Id(engine::OwnUnitId::Company),
                      .moduleId = kModuleId,
                      .ownUnitName = "公司简介窗口",
                      .box = kOuterBox,
                      .data = CommonWindowData("公司简介"),
                      .groups = {ControlGroup{.controls = Controls()}}};
}

}  // namespace windows
