// The main window: one tab control with four pages, the clock panel, the
// humidity and pressure converters, the lunar calendar and the notes.

#include "windows/main_window.h"

#include <string>

#include "windows/main_window_parts.h"

namespace windows {
namespace {

using engine::Id;
using engine::MainUnit;
using engine::Procedure;
using namespace parts;

constexpr uint32_t kModuleId = 0x1901000F;
constexpr Box kOuterBox{kStoredWindowCorner, kStoredWindowCorner, 774, 708};

constexpr uint32_t kInputGroup = 0x160102e4;
constexpr uint32_t kPressureGroup = 0x160102db;
constexpr uint32_t kResultGroup = 0x160102c2;
constexpr uint32_t kPressureResultGroup = 0x160102a9;
constexpr uint32_t kUnitRowsGroup = 0x160102f9;

constexpr uint32_t kDecimalOnly = static_cast<uint32_t>(forms::EditInputMode::Decimal);
constexpr uint32_t kSelected = 1;
constexpr int32_t kFirstItem = 0;

ControlGroup Page(int32_t page, std::vector<ControlSpec> controls) {
    return ControlGroup{
        .parent = Id(MainUnit::TabControl), .tabPage = page, .controls = std::move(controls)};
}

ControlGroup Inside(uint32_t groupBox, std::vector<ControlSpec> controls) {
    return ControlGroup{.parent = groupBox, .controls = std::move(controls)};
}

std::vector<std::string> GbkList(std::initializer_list<std::string_view> utf8Items) {
    std::vector<std::string> items;
    for (std::string_view item : utf8Items) items.push_back(Gbk(item));
    return items;
}

ControlSpec WeekdayCaption(std::string_view name, uint32_t id, Box box) {
    return TransLabel(name, id, box, {.caption = Gbk("星期：")});
}

// A transparent label that the clock fills: it stores an empty caption, so
// it shows nothing until the first tick or the window's creation writes it.
ControlSpec ClockText(std::string_view name, uint32_t id, Box box) {
    return TransLabel(name, id, box, {.caption = {}});
}

ControlGroup WindowLevel() {
    return ControlGroup{
        .controls = {TabControl(
            "选择夹1", Id(MainUnit::TabControl), {0, 0, 776, 656},
            {.pageCaptions = GbkList({"湿度(带压)换算", "压力单位换算", "农家历", "关于"})})}};
}

ControlGroup HumidityPage() {
    return Page(
        0, {ClockText("透明标签1", Id(MainUnit::HumidityPageClock), {400, -8, 160, 32}),
            ClockText("透明标签6", Id(MainUnit::HumidityPageWeekday), {616, -8, 32, 32}),
            WeekdayCaption("透明标签5", 0x1601045f, {576, 0, 32, 16}),
            GroupBox("分组框1", kInputGroup, {16, 32, 360, 152}, {.caption = Gbk("输入参数")}),
            GroupBox("分组框2", kPressureGroup, {392, 32, 360, 152}, {.caption = Gbk("压力参数")}),
            GroupBox("分组框3", kResultGroup, {16, 192, 360, 360},
                     {.font = Song(16), .caption = Gbk("计算值")}),
            GroupBox("分组框4", kPressureResultGroup, {392, 192, 360, 360},
                     {.font = Song(16), .caption = Gbk("带压换算")}),
            TransLabel("透明标签7", 0x16010461, {16, 560, 40, 32}, {.caption = Gbk("农历：")}),
            DefaultControl("农历日期框2", forms::KindCode::CnCalendar, Id(MainUnit::LunarDateBox),
                           {64, 560, 208, 32})
                .WithHandPointer(),
            Button("按钮2", 0x160102a5, {304, 560, 72, 40},
                   {.font = SongBold(16), .caption = Gbk("关闭")})
                .WithHandPointer()
                .On(forms::ButtonEvent::Clicked, Procedure::CloseMainWindow),
            Picture("图片框1", 0x160102a6, {392, 560, 88, 80}, Asset::CompanyLogo),
            Picture("图片框2", 0x160102a0, {480, 560, 24, 24}, Asset::Hygrometer),
            MakerNameLabel("标签4", 0x160102a8, {520, 560, 128, 24}),
            Timer("时钟1", Id(MainUnit::ClockTimer), {688, 568, 40, 32}, {.period = kClockPeriod})
                .On(forms::TimerEvent::Elapsed, Procedure::UpdateClock),
            Label("标签50", 0x1601029f, {480, 584, 24, 56}, {.backgroundColour = forms::kWhite}),
            MakerLink("超级链接框1", 0x1601029d, {512, 584, 152, 16}),
            TelephoneLabel("标签6", 0x160102a7, {520, 600, 144, 24}),
            Label("标签46", 0x160102a4, {16, 616, 304, 24},
                  {.borderStyle = forms::Stored(forms::BorderStyle::StaticEdge),
                   .textColour = kNoticeGreen,
                   .horizontalAlignment = forms::Stored(forms::Alignment::Centre),
                   .caption = Gbk("本软件为免费共享软件，版权归衡朴科技有限公司所有")})});
}

ControlGroup InputParameters() {
    const std::string versionBox =
        "\r\n" + std::string(kAuthorLine) + "\r\n版本：V3.2.0\r\n日期：2014.12.17";
    return Inside(
        kInputGroup,
        {Caption16("标签12", Id(MainUnit::VolumeRatioCaption), {48, 16, 64, 24}, "体积比：")
             .Hidden(),
         Caption16("标签11", Id(MainUnit::MixingRatioCaption), {48, 16, 80, 24}, "混和比：")
             .Hidden(),
         Caption16("标签10", Id(MainUnit::AbsoluteHumidityCaption), {48, 16, 80, 24}, "绝对湿度：")
             .Hidden(),
         Caption16("标签9", Id(MainUnit::DewPointCaption), {48, 16, 80, 24}, "露  点：").Hidden(),
         Caption16("标签7", Id(MainUnit::RelativeHumidityCaption), {48, 16, 80, 24}, "相对湿度：")
             .Hidden(),
         EditBox("编辑框1", Id(MainUnit::KnownValue), {168, 16, 80, 24},
                 {.font = SongBold(16), .content = "10"}),
         ComboBox("组合框1", Id(MainUnit::KnownQuantity), {256, 16, 80, 24},
                  {.selection = kFirstItem,
                   .font = Song(16),
                   .items = GbkList({"℃ td", "%", "ppm", "g/m3", "mg/m3", "g/Kg"})})
             .WithHandPointer()
             .On(forms::ComboBoxEvent::ItemChosen, Procedure::UpdateInputLabel),
         Caption16("标签8", 0x160102ea, {48, 48, 64, 24}, "温  度："),
         EditBox("编辑框3", Id(MainUnit::GasTemperature), {168, 48, 80, 24},
                 {.font = SongBold(16), .content = "20"}),
         Caption16("标签5", 0x160102e5, {256, 48, 40, 24}, "℃"),
         Label("标签2", 0x160102f0, {8, 88, 112, 56},
               {.borderStyle = forms::Stored(forms::BorderStyle::Sunken),
                .wordWrap = kOn,
                .caption = Gbk(versionBox)}),
         Button("按钮1", Id(MainUnit::ComputeButton), {264, 104, 88, 32},
                {.font = SongBold(16), .caption = Gbk("计算")})
             .WithHandPointer()
             .On(forms::ButtonEvent::Clicked, Procedure::ConvertHumidity)});
}

ControlGroup PressureParameters() {
    return Inside(
        kPressureGroup,
        {Caption16("标签13", 0x160102dd, {8, 16, 104, 24}, "请输入压力值："),
         EditBox("编辑框4", Id(MainUnit::GaugePressure), {128, 16, 80, 24},
                 {.font = SongBold(16), .content = "0.3"}),
         ComboBox("组合框2", Id(MainUnit::GaugePressureUnit), {240, 16, 80, 24},
                  {.selection = kFirstItem,
                   .font = Song(16),
                   .items = GbkList({"MPa", "bar", "mbar", "Pa"})})
             .WithHandPointer(),
         Label("标签51", 0x160102dc, {16, 40, 72, 16}, {.caption = Gbk("（相对压力）")}),
         RadioButton(
             "单选框1", Id(MainUnit::PresentToStandard), {40, 72, 208, 24},
             {.selected = kSelected, .font = Song(14), .caption = Gbk(" 当前压力转换为标准压力")})
             .WithHandPointer(),
         RadioButton("单选框2", Id(MainUnit::StandardToPresent), {40, 112, 208, 24},
                     {.font = Song(14), .caption = Gbk(" 标准压力转换为当前压力")})
             .WithHandPointer()});
}

ControlGroup ComputedValues() {
    return Inside(
        kResultGroup,
        {Caption16("标签14", 0x160102da, {16, 24, 72, 24}, "相对湿度："),
         ResultBox("编辑框2", Id(MainUnit::RelativeHumidity), {152, 24, 96, 24}),
         Caption16("标签22", 0x160102ca, {256, 24, 40, 24}, "%"),
         Caption16("标签15", 0x160102d9, {16, 60, 88, 24}, "露点/霜点："),
         ResultBox("编辑框5", Id(MainUnit::DewPoint), {152, 60, 96, 24}),
         Caption16("标签23", 0x160102c9, {256, 60, 40, 24}, "℃"),
         Caption16("标签16", 0x160102d8, {16, 96, 72, 24}, "体积比："),
         ResultBox("编辑框6", Id(MainUnit::VolumeRatio), {152, 96, 96, 24}),
         Caption16("标签24", 0x160102c8, {256, 96, 72, 24}, "ppm(uL/L)"),
         Caption16("标签17", 0x160102d7, {16, 132, 72, 24}, "绝对湿度："),
         ResultBox("编辑框7", Id(MainUnit::AbsoluteHumidityGrams), {152, 132, 96, 24}),
         Caption16("标签25", 0x160102c7, {256, 132, 40, 24}, "g/m3"),
         Caption16("标签21", 0x160102d3, {16, 168, 72, 24}, "绝对湿度："),
         ResultBox("编辑框8", Id(MainUnit::AbsoluteHumidityMilligrams), {152, 168, 96, 24}),
         Caption16("标签26", 0x160102c6, {256, 168, 40, 24}, "mg/m3"),
         Caption16("标签18", 0x160102d6, {16, 204, 72, 24}, "混和比："),
         ResultBox("编辑框9", Id(MainUnit::MixingRatio), {152, 204, 96, 24}),
         Caption16("标签27", 0x160102c5, {256, 204, 40, 24}, "g/Kg"),
         Caption16("标签20", 0x160102d4, {16, 240, 104, 24}, "饱和蒸汽压："),
         ResultBox("编辑框10", Id(MainUnit::SaturationVapourPressure), {152, 240, 96, 24}),
         Caption16("标签28", 0x160102c4, {256, 240, 40, 24}, "pa"),
         Caption16("标签19", 0x160102d5, {16, 280, 72, 24}, "蒸汽压："),
         ResultBox("编辑框11", Id(MainUnit::VapourPressure), {152, 280, 96, 24}),
         Caption16("标签29", 0x160102c3, {256, 280, 40, 24}, "pa"),
         Caption16("标签3", 0x16010476, {16, 320, 96, 24}, "过冷水露点："),
         ResultBox("编辑框29", Id(MainUnit::SupercooledDewPoint), {152, 320, 96, 24}),
         Caption16("标签48", 0x16010478, {256, 320, 40, 24}, "℃")});
}

ControlGroup ValuesUnderPressure() {
    return Inside(
        kPressureResultGroup,
        {Caption16("标签30", 0x160102aa, {16, 24, 72, 24}, "相对湿度："),
         ResultBox("编辑框19", Id(MainUnit::RelativeHumidityAfterConversion), {152, 24, 96, 24}),
         Caption16("标签45", Id(MainUnit::PercentAfterConversion), {256, 24, 40, 24}, "%"),
         Caption16("标签31", 0x160102ab, {16, 60, 88, 24}, "露点/霜点："),
         ResultBox("编辑框18", Id(MainUnit::DewPointAfterConversion), {152, 60, 96, 24}),
         Caption16("标签44", 0x160102bf, {256, 60, 40, 24}, "℃"),
         Caption16("标签32", 0x160102ac, {16, 96, 72, 24}, "体积比："),
         ResultBox("编辑框17", Id(MainUnit::VolumeRatioAfterConversion), {152, 96, 96, 24}),
         Caption16("标签43", 0x160102bd, {256, 96, 72, 24}, "ppm(uL/L)"),
         Caption16("标签33", 0x160102ad, {16, 132, 72, 24}, "绝对湿度："),
         ResultBox("编辑框16", Id(MainUnit::AbsoluteHumidityGramsAfterConversion),
                   {152, 132, 96, 24}),
         Caption16("标签42", 0x160102bb, {256, 132, 40, 24}, "g/m3"),
         Caption16("标签34", 0x160102ae, {16, 168, 72, 24}, "绝对湿度："),
         ResultBox("编辑框15", Id(MainUnit::AbsoluteHumidityMilligramsAfterConversion),
                   {152, 168, 96, 24}),
         Caption16("标签41", 0x160102b9, {256, 168, 40, 24}, "mg/m3"),
         Caption16("标签35", 0x160102af, {16, 204, 72, 24}, "混和比："),
         ResultBox("编辑框14", Id(MainUnit::MixingRatioAfterConversion), {152, 204, 96, 24}),
         Caption16("标签40", 0x160102b7, {256, 204, 40, 24}, "g/Kg"),
         Caption16("标签36", 0x160102b0, {16, 240, 104, 24}, "饱和蒸汽压："),
         ResultBox("编辑框13", Id(MainUnit::SaturationVapourPressureAfterConversion),
                   {152, 240, 96, 24}),
         Caption16("标签39", 0x160102b4, {256, 240, 40, 24}, "pa"),
         Caption16("标签37", 0x160102b1, {16, 280, 72, 24}, "蒸汽压："),
         ResultBox("编辑框12", Id(MainUnit::VapourPressureAfterConversion), {152, 280, 96, 24}),
         Caption16("标签38", 0x160102b3, {256, 280, 40, 24}, "pa"),
         Caption16("标签47", 0x16010477, {16, 320, 88, 16}, "过冷水露点："),
         ResultBox("编辑框30", Id(MainUnit::SupercooledDewPointAfterConversion),
                   {152, 320, 96, 24}),
         Caption16("标签49", 0x16010479, {256, 320, 40, 24}, "℃")});
}

ControlGroup PressurePage() {
    return Page(
        1,
        {ClockText("透明标签2", Id(MainUnit::PressurePageClock), {472, -8, 224, 32}),
         Label("标签52", 0x160102fa, {248, 32, 264, 40},
               {.textColour = kRed, .font = SongBold(29), .caption = Gbk("常用压力单位换算")}),
         DefaultControl("分组框5", forms::KindCode::GroupBox, kUnitRowsGroup, {96, 80, 584, 440}),
         Picture("图片框3", 0x160102fe, {96, 536, 88, 64}, Asset::CompanyLogo),
         MakerNameLabel("标签53", 0x160102fc, {232, 536, 128, 24}),
         MakerLink("超级链接框2", 0x160102fb, {224, 560, 152, 16}),
         TelephoneLabel("标签54", 0x160102fd, {232, 576, 144, 24})});
}

// One row of the pressure converter, its controls in unit order: the value
// box, the grey mask label, the button it covers (the label comes first so
// that it lies above the button), then the unit name.
struct UnitRow {
    MainUnit editBox;
    std::string_view editName;
    int32_t top;
    MainUnit maskLabel;
    std::string_view maskName;
    MainUnit button;
    std::string_view buttonName;
    Procedure focus;
    Procedure convert;
};

ControlSpec RowEditBox(const UnitRow& row) {
    return EditBox(row.editName, Id(row.editBox), {192, row.top, 160, 40},
                   {.alignment = forms::Stored(forms::Alignment::Centre),
                    .inputMode = kDecimalOnly,
                    .font = SongBold(19)})
        .On(forms::CommonEvent::GotFocus, row.focus);
}

ControlSpec RowMaskLabel(const UnitRow& row) {
    return Label(row.maskName, Id(row.maskLabel), {420, row.top + 8, 64, 24},
                 {.textColour = kGrey,
                  .horizontalAlignment = forms::Stored(forms::Alignment::Centre),
                  .font = Song(16),
                  .caption = Gbk("换算")});
}

ControlSpec RowButton(const UnitRow& row) {
    return Button(row.buttonName, Id(row.button), {400, row.top, 104, 40},
                  {.defaultButton = forms::kDefaultPushButton,
                   .font = SongBold(19),
                   .caption = Gbk("换算")})
        .WithHandPointer()
        .On(forms::ButtonEvent::Clicked, row.convert);
}

ControlSpec UnitName(std::string_view name, MainUnit unit, Box box, std::string_view utf8Caption) {
    return Label(name, Id(unit), box,
                 {.textColour = kBlue,
                  .horizontalAlignment = forms::Stored(forms::Alignment::Far),
                  .font = Song(16),
                  .caption = Gbk(utf8Caption)});
}

// The raised "2" that squares the unit before it.
ControlSpec Exponent(std::string_view name, MainUnit unit, Box box) {
    return Label(name, Id(unit), box,
                 {.textColour = kBlue,
                  .horizontalAlignment = forms::Stored(forms::Alignment::Centre),
                  .font = Song(14),
                  .caption = "2"});
}

void AddRow(std::vector<ControlSpec>& controls, const UnitRow& row) {
    controls.push_back(RowEditBox(row));
    controls.push_back(RowMaskLabel(row));
    controls.push_back(RowButton(row));
}

ControlGroup UnitRows() {
    std::vector<ControlSpec> rows;
    AddRow(rows, {MainUnit::BarValue, "编辑框20", 40, MainUnit::BarMask, "标签64",
                  MainUnit::BarButton, "按钮3", Procedure::FocusBarRow, Procedure::ConvertBarRow});
    rows.push_back(UnitName("标签55", MainUnit::BarName, {40, 44, 120, 32}, "巴(bar)"));
    AddRow(rows, {MainUnit::MpaValue, "编辑框21", 93, MainUnit::MpaMask, "标签65",
                  MainUnit::MpaButton, "按钮4", Procedure::FocusMpaRow, Procedure::ConvertMpaRow});
    rows.push_back(UnitName("标签56", MainUnit::MpaName, {40, 97, 120, 32}, "兆帕(MPa)"));
    AddRow(rows, {MainUnit::KpaValue, "编辑框22", 146, MainUnit::KpaMask, "标签66",
                  MainUnit::KpaButton, "按钮5", Procedure::FocusKpaRow, Procedure::ConvertKpaRow});
    rows.push_back(UnitName("标签57", MainUnit::KpaName, {40, 150, 120, 32}, "千帕(KPa)"));
    AddRow(rows, {MainUnit::AtmValue, "编辑框23", 199, MainUnit::AtmMask, "标签67",
                  MainUnit::AtmButton, "按钮6", Procedure::FocusAtmRow, Procedure::ConvertAtmRow});
    rows.push_back(UnitName("标签58", MainUnit::AtmName, {40, 203, 120, 32}, "标准大气压"));
    AddRow(rows, {MainUnit::KgfValue, "编辑框24", 252, MainUnit::KgfMask, "标签68",
                  MainUnit::KgfButton, "按钮7", Procedure::FocusKgfRow, Procedure::ConvertKgfRow});
    // Each exponent comes before its unit name, so it lies above where they meet.
    rows.push_back(Exponent("标签62", MainUnit::KgfExponent, {144, 256, 16, 16}));
    rows.push_back(UnitName("标签59", MainUnit::KgfName, {24, 256, 120, 32}, "公斤力/厘米"));
    AddRow(rows,
           {MainUnit::MmHgValue, "编辑框25", 305, MainUnit::MmHgMask, "标签69",
            MainUnit::MmHgButton, "按钮8", Procedure::FocusMmHgRow, Procedure::ConvertMmHgRow});
    rows.push_back(UnitName("标签60", MainUnit::MmHgName, {40, 309, 120, 32}, "毫米汞柱(托)"));
    AddRow(rows, {MainUnit::PsiValue, "编辑框26", 360, MainUnit::PsiMask, "标签70",
                  MainUnit::PsiButton, "按钮9", Procedure::FocusPsiRow, Procedure::ConvertPsiRow});
    rows.push_back(Exponent("标签63", MainUnit::PsiExponent, {104, 368, 16, 16}));
    rows.push_back(UnitName("标签61", MainUnit::PsiName, {40, 364, 120, 32}, "磅/英寸  (PSI)"));
    return Inside(kUnitRowsGroup, std::move(rows));
}

// The framed panel "标签1" comes last so that it lies beneath the calendar
// and the clock captions drawn over it.
ControlGroup CalendarPage() {
    return Page(
        2, {DefaultControl("农历月历1", forms::KindCode::CnMonthCalendar, 0x1601044f,
                           {184, 96, 365, 262}),
            TransLabel("透明标签4", 0x16010459, {192, 368, 56, 32}, {.caption = Gbk("当前时间：")}),
            TransLabel("透明标签3", Id(MainUnit::CalendarPageClock), {272, 368, 176, 32},
                       {.textColour = kBlue, .caption = Gbk("透明标签")}),
            ClockText("透明标签8", Id(MainUnit::CalendarPageWeekday), {504, 368, 32, 32}),
            WeekdayCaption("透明标签9", 0x16010463, {464, 376, 32, 16}),
            Label("标签1", 0x1601044e, {96, 72, 544, 336},
                  {.borderStyle = forms::Stored(forms::BorderStyle::SunkenInRaised)})});
}

ControlGroup AboutPage() {
    const std::string about = "版本：V3.2\r\n" + std::string(kAuthorLine) +
                              "\r\n语言：简体中文\r\n\r\n" + std::string(kFormulaParagraph) +
                              "\r\n" + std::string(kAboutClosing);
    return Page(3, {NotesBox("编辑框27", 0x1601042d, {120, 56, 448, 256},
                             {.textColour = kNavy,
                              .background = forms::kButtonFaceColour,
                              .border = forms::Stored(forms::BorderStyle::SunkenInRaised),
                              .font = Song(19)},
                             Gbk(about)),
                    NotesBox("编辑框28", 0x1601042e, {120, 328, 448, 112},
                             {.textColour = kBlue, .font = Song(19)}, Gbk(kNotice)),
                    Picture("图片框4", 0x16010412, {8, 536, 88, 64}, Asset::CompanyLogo),
                    MakerNameLabel("标签71", 0x16010413, {144, 536, 128, 24}),
                    MakerLink("超级链接框3", 0x16010414, {136, 560, 152, 16}),
                    TelephoneLabel("标签72", 0x16010415, {144, 576, 144, 24})});
}

std::vector<MenuSpec> MainMenu() {
    return {{.id = 0x260100BE, .level = 0, .caption = "文件"},
            {.id = 0x260100BF, .level = 1, .caption = "退出", .procedure = Procedure::MenuExit},
            {.id = 0x2601011A, .level = 0, .caption = "帮助"},
            {.id = 0x2601011C, .level = 1, .caption = "关于", .procedure = Procedure::MenuAbout},
            {.id = 0x260101CC,
             .level = 1,
             .caption = "公司简介",
             .procedure = Procedure::MenuCompanyProfile}};
}

forms::WindowData MainWindowData() {
    forms::WindowData data = CommonWindowData("衡朴湿度(带压力农历)换算软件");
    data.minimizeButton = kOn;
    data.enterMovesFocus = kOn;
    data.dragAnywhere = kOn;
    return data;
}

}  // namespace

WindowSpec MainWindowSpec() {
    return WindowSpec{.windowId = Id(engine::WindowId::Main),
                      .ownUnitId = Id(engine::OwnUnitId::Main),
                      .moduleId = kModuleId,
                      .ownUnitName = "主窗口",
                      .box = kOuterBox,
                      .data = MainWindowData(),
                      .icon = Asset::ProgramIcon,
                      .created = Procedure::MainWindowCreated,
                      .groups = {WindowLevel(), HumidityPage(), InputParameters(),
                                 PressureParameters(), ComputedValues(), ValuesUnderPressure(),
                                 PressurePage(), UnitRows(), CalendarPage(), AboutPage()},
                      .menu = MainMenu()};
}

std::vector<WindowSpec> FormWindows() {
    return {MainWindowSpec(), AboutWindowSpec(), CompanyWindowSpec()};
}

}  // namespace windows
