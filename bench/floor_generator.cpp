// The build-time generator of the start-up floor: reads the main window's
// description, the one the template compiler makes the template from, and
// writes C++ that makes the window as the program first shows it: the
// window's frame, menu and tab control and the controls of its first page,
// each as the widget its kind makes, with the same stored properties,
// places and stacking. Controls of the other pages are left out, as the
// program makes them only when their page is first shown, and so is the
// clock's timer, which shows nothing.
//
//   floor_generator --logo company_logo.jpg --hygrometer hygrometer.jpg
//                   --icon program.ico --source floor_window.cpp

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>

#include "engine/form_ids.h"
#include "windows/main_window.h"
#include "windows/main_window_builder.h"
#include "windows/main_window_parts.h"

namespace {

using namespace forms;
using Options = std::map<std::string, std::string>;

constexpr const char* kUsage =
    "usage: floor_generator --logo FILE --hygrometer FILE --icon FILE --source OUT.cpp\n";

Options ParseOptions(int argc, char** argv) {
    Options options;
    if (argc % 2 == 0) throw std::runtime_error("an option lacks its value");
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string name = argv[i];
        if (name.rfind("--", 0) != 0) throw std::runtime_error("unexpected argument " + name);
        options[name.substr(2)] = argv[i + 1];
    }
    for (const char* required : {"logo", "hygrometer", "icon", "source"}) {
        if (!options.contains(required))
            throw std::runtime_error(std::string("missing --") + required);
    }
    return options;
}

Bytes ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// C++ literals of the stored values. Every byte of a text is escaped, so
// that GBK bytes and following hex digits never run together.
std::string Literal(uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08Xu", value);
    return text;
}

std::string Literal(int32_t value) {
    return std::to_string(value);
}

std::string Literal(int16_t value) {
    return "int16_t(" + std::to_string(value) + ")";
}

std::string Literal(const std::string& bytes) {
    std::string text = "std::string(\"";
    for (unsigned char byte : bytes) {
        char escaped[8];
        std::snprintf(escaped, sizeof escaped, "\\x%02x", byte);
        text += escaped;
    }
    return text + "\", " + std::to_string(bytes.size()) + ")";
}

std::string Literal(const std::array<uint32_t, 3>& words) {
    return "{" + Literal(words[0]) + ", " + Literal(words[1]) + ", " + Literal(words[2]) + "}";
}

std::string Literal(const std::vector<std::string>& items) {
    std::string text = "std::vector<std::string>{";
    for (const std::string& item : items) text += Literal(item) + ", ";
    return text + "}";
}

std::string Literal(const StoredFont& font) {
    if (!font) return "std::nullopt";
    std::ostringstream text;
    text << "startup_floor::FontWithFace({.height = " << font->height
         << ", .width = " << font->width << ", .escapement = " << font->escapement
         << ", .orientation = " << font->orientation << ", .weight = " << font->weight
         << ", .italic = " << int(font->italic) << ", .underline = " << int(font->underline)
         << ", .strikeOut = " << int(font->strikeOut) << ", .charSet = " << int(font->charSet)
         << ", .outPrecision = " << int(font->outPrecision)
         << ", .clipPrecision = " << int(font->clipPrecision)
         << ", .quality = " << int(font->quality)
         << ", .pitchAndFamily = " << int(font->pitchAndFamily) << "}, " << Literal(font->Face())
         << ")";
    return text.str();
}

// Writes `variable.field = value;` for each field that differs from the
// kind's default; pictures are named by the asset they come from.
class DataWriter {
public:
    DataWriter(std::ostream& out, std::string variable)
        : out_(out), variable_(std::move(variable)) {}

    template <typename T>
    void Field(const char* name, const T& value, const T& defaultValue) {
        if (value != defaultValue) Assign(name, Literal(value));
    }

    void Picture(const char* name, const Bytes& value) {
        if (!value.empty()) throw std::runtime_error("a stored picture outside a picture box");
        (void)name;
    }

    void Assign(const char* name, const std::string& value) {
        out_ << "    " << variable_ << "." << name << " = " << value << ";\n";
    }

private:
    std::ostream& out_;
    std::string variable_;
};

#define FIELD(name) writer.Field(#name, data.name, defaults.name)

void WriteFields(DataWriter& writer, const TabControlData& data) {
    const TabControlData defaults;
    FIELD(property8), FIELD(property9), FIELD(initialPage), FIELD(property13), FIELD(property14);
    FIELD(backgroundColour), FIELD(font), FIELD(pageCaptions);
}

void WriteFields(DataWriter& writer, const GroupBoxData& data) {
    const GroupBoxData defaults;
    FIELD(property9), FIELD(textColour), FIELD(backgroundColour), FIELD(font), FIELD(caption);
}

void WriteFields(DataWriter& writer, const LabelData& data) {
    const LabelData defaults;
    FIELD(textEffect), FIELD(frameWidth), FIELD(borderStyle), FIELD(frameColours);
    FIELD(textColour), FIELD(backgroundColour), FIELD(pictureMode), FIELD(backgroundPattern);
    FIELD(patternColours), FIELD(horizontalAlignment), FIELD(verticalAlignment);
    FIELD(wordWrap), FIELD(font), FIELD(caption), FIELD(property27), FIELD(property28);
    writer.Picture("picture", data.picture);
}

void WriteFields(DataWriter& writer, const ButtonData& data) {
    const ButtonData defaults;
    FIELD(defaultButton), FIELD(horizontalAlignment), FIELD(verticalAlignment), FIELD(font);
    FIELD(caption);
    writer.Picture("picture", data.picture);
}

void WriteFields(DataWriter& writer, const EditBoxData& data) {
    const EditBoxData defaults;
    FIELD(borderStyle), FIELD(textColour), FIELD(backgroundColour), FIELD(hideSelection);
    FIELD(maxLength), FIELD(multiLine), FIELD(scrollBars), FIELD(alignment), FIELD(inputMode);
    FIELD(passwordChar), FIELD(caseConversion), FIELD(spinBox), FIELD(spinLimit1);
    FIELD(spinLimit2), FIELD(selectionStart), FIELD(selectionLength), FIELD(font);
    FIELD(content), FIELD(property27), FIELD(property28);
}

void WriteFields(DataWriter& writer, const ComboBoxData& data) {
    const ComboBoxData defaults;
    FIELD(boxType), FIELD(property10), FIELD(property11), FIELD(property12), FIELD(property14);
    FIELD(property15), FIELD(textColour), FIELD(backgroundColour), FIELD(selection);
    FIELD(font), FIELD(content), FIELD(items), FIELD(property22), FIELD(property23);
    FIELD(property24);
    if (!data.property21.empty()) throw std::runtime_error("a combo box with a data block");
}

void WriteFields(DataWriter& writer, const RadioButtonData& data) {
    const RadioButtonData defaults;
    FIELD(property9), FIELD(property10), FIELD(property12), FIELD(property13);
    FIELD(property14), FIELD(textColour), FIELD(backgroundColour), FIELD(selected);
    FIELD(font), FIELD(caption);
    writer.Picture("picture", data.picture);
}

void WriteFields(DataWriter& writer, const windows::PictureSpec& spec) {
    const PictureBoxData& data = spec.data;
    const PictureBoxData defaults;
    FIELD(property8), FIELD(backgroundColour), FIELD(property11), FIELD(property12);
    FIELD(property13), FIELD(property14);
    writer.Assign("picture", spec.picture == windows::Asset::CompanyLogo
                                 ? "startup_floor::AssetBytes(kCompanyLogo)"
                                 : "startup_floor::AssetBytes(kHygrometer)");
}

void WriteFields(DataWriter& writer, const HyperLinkerData& data) {
    const HyperLinkerData defaults;
    FIELD(linkType), FIELD(normalColour), FIELD(visitedColour), FIELD(hoverColour);
    FIELD(backgroundColour), FIELD(borderStyle), FIELD(font), FIELD(caption);
    FIELD(emailAddress), FIELD(webAddress);
}

void WriteFields(DataWriter& writer, const TransLabelData& data) {
    const TransLabelData defaults;
    FIELD(textEffect), FIELD(textColour), FIELD(horizontalAlignment), FIELD(verticalAlignment);
    FIELD(wordWrap), FIELD(font), FIELD(caption);
}

// The window's own settings that shape its frame; its icon is named.
void WriteFields(DataWriter& writer, const WindowData& data) {
    const WindowData defaults;
    FIELD(borderStyle), FIELD(backgroundColour), FIELD(maximizeButton), FIELD(minimizeButton);
    FIELD(controlBox), FIELD(startPosition), FIELD(shownOnTaskBar), FIELD(title);
}

#undef FIELD

// How each kind's widget is made, and the type of its stored properties.
struct KindMaker {
    const char* dataType;
    const char* make;  // printf format: data variable, address, parent
};

const std::map<KindCode, KindMaker> kMakers = {
    {KindCode::TabControl,
     {"forms::TabControlData", "new controls::kinds::TabControlWidget(%1$s, %2$s, %3$s)"}},
    {KindCode::GroupBox,
     {"forms::GroupBoxData", "new controls::kinds::GroupBoxWidget(%1$s, %3$s)"}},
    {KindCode::Label, {"forms::LabelData", "new controls::kinds::LabelWidget(%1$s, %3$s)"}},
    {KindCode::Button,
     {"forms::ButtonData", "new controls::kinds::ButtonWidget(%1$s, %2$s, %3$s)"}},
    {KindCode::EditBox, {"forms::EditBoxData", "new controls::kinds::EditBoxWidget(%1$s, %3$s)"}},
    {KindCode::ComboBox, {"forms::ComboBoxData", "controls::kinds::NewComboBox(%1$s, %2$s, %3$s)"}},
    {KindCode::RadioButton,
     {"forms::RadioButtonData", "controls::kinds::NewRadioButton(%1$s, %3$s)"}},
    {KindCode::PictureBox, {"forms::PictureBoxData", "controls::kinds::NewPictureBox(%1$s, %3$s)"}},
    {KindCode::HyperLinker,
     {"forms::HyperLinkerData", "new extended_controls::HyperLinkerWidget(%2$s, %1$s, %3$s)"}},
    {KindCode::TransLabel,
     {"forms::TransLabelData", "new extended_controls::TransLabelWidget(%2$s, %1$s, %3$s)"}},
    {KindCode::CnCalendar,
     {"lunar_controls::DateBoxBlock", "new lunar_controls::CCnCalendar(%1$s, %2$s, %3$s)"}},
};

std::string UnitName(uint32_t id) {
    char name[16];
    std::snprintf(name, sizeof name, "u%08x", id);
    return name;
}

std::string Format(const char* format, const std::string& data, const std::string& address,
                   const std::string& parent) {
    char text[256];
    std::snprintf(text, sizeof text, format, data.c_str(), address.c_str(), parent.c_str());
    return text;
}

// The controls the window makes at start, in unit order, each with the
// unit that holds it (0 for the window): the window's own, those of the
// tab control's first page and those inside them. The timer is left out.
struct Placed {
    uint32_t parent;
    const windows::ControlSpec* control;
};

std::vector<Placed> ControlsAtStart(const windows::WindowSpec& window, uint32_t tabControl) {
    std::vector<Placed> placed;
    std::set<uint32_t> made = {0};
    for (const windows::ControlGroup& group : window.groups) {
        const bool onLaterPage = group.parent == tabControl && group.tabPage != 0;
        if (!made.contains(group.parent) || onLaterPage) continue;
        for (const windows::ControlSpec& control : group.controls) {
            if (control.kind == KindCode::Timer) continue;
            placed.push_back({group.parent, &control});
            made.insert(control.id);
        }
    }
    return placed;
}

// The tab control grows so that every control of every page shows whole.
windows::Box FittedTabBox(const windows::WindowSpec& window, const windows::ControlSpec& tabs) {
    windows::Box box = tabs.box;
    for (const windows::ControlGroup& group : window.groups) {
        if (group.parent != tabs.id) continue;
        for (const windows::ControlSpec& control : group.controls) {
            box.width = std::max(box.width, control.box.left + control.box.width);
            box.height = std::max(box.height, control.box.top + control.box.height);
        }
    }
    return box;
}

void WriteControl(std::ostream& out, const windows::WindowSpec& window, const Placed& placed,
                  uint32_t tabControl) {
    const windows::ControlSpec& control = *placed.control;
    const auto maker = kMakers.find(control.kind);
    if (maker == kMakers.end()) throw std::runtime_error("no maker for control " + control.name);
    const std::string unit = UnitName(control.id);
    const std::string data = "d" + unit;
    out << "    " << maker->second.dataType << " " << data << ";\n";
    DataWriter writer(out, data);
    std::visit(
        [&](const auto& kindData) {
            if constexpr (!std::is_same_v<std::decay_t<decltype(kindData)>, std::monostate> &&
                          !std::is_same_v<std::decay_t<decltype(kindData)>, TimerData>) {
                WriteFields(writer, kindData);
            }
        },
        control.data);
    const std::string address =
        "controls::UnitAddress{" + Literal(window.windowId) + ", " + Literal(control.id) + "}";
    const std::string parent = placed.parent == 0 ? "client" : UnitName(placed.parent);
    out << "    QWidget* " << unit << " = " << Format(maker->second.make, data, address, parent)
        << ";\n";
    const windows::Box box = control.id == tabControl ? FittedTabBox(window, control) : control.box;
    const std::string rect = "QRect(" + std::to_string(box.left) + ", " + std::to_string(box.top) +
                             ", " + std::to_string(box.width) + ", " + std::to_string(box.height) +
                             ")";
    if (control.kind == KindCode::EditBox) {
        out << "    startup_floor::PlaceEditBox(*" << unit << ", " << rect << ", " << data
            << ");\n";
    } else {
        out << "    " << unit << "->setGeometry(" << rect << ");\n";
    }
    const bool shownAtStart =
        control.visible || control.id == engine::Id(engine::MainUnit::DewPointCaption);
    if (!shownAtStart) out << "    " << unit << "->hide();\n";
    if (control.handPointer || control.kind == KindCode::HyperLinker) {
        out << "    " << unit << "->setCursor(Qt::PointingHandCursor);\n";
    }
}

// The control the window gives the keyboard when it opens: the first that
// takes it, with each container's controls following the container.
const windows::ControlSpec* FirstTabStop(const std::vector<Placed>& controls, uint32_t container) {
    static const std::set<KindCode> kTakeFocus = {KindCode::EditBox, KindCode::ComboBox,
                                                  KindCode::Button, KindCode::RadioButton,
                                                  KindCode::CnCalendar};
    for (const Placed& placed : controls) {
        if (placed.parent != container) continue;
        if (placed.control->visible && kTakeFocus.contains(placed.control->kind)) {
            return placed.control;
        }
        if (const windows::ControlSpec* inside = FirstTabStop(controls, placed.control->id))
            return inside;
    }
    return nullptr;
}

void WriteBytes(std::ostream& out, const char* name, const Bytes& bytes) {
    out << "constexpr uint8_t " << name << "[] = {";
    for (size_t i = 0; i < bytes.size(); ++i) {
        out << (i % 16 == 0 ? "\n    " : " ") << int(bytes[i]) << ",";
    }
    out << "\n};\n\n";
}

void WriteMenu(std::ostream& out, const windows::WindowSpec& window) {
    out << "    QMenu* dropDown = nullptr;\n";
    for (size_t i = 0; i < window.menu.size(); ++i) {
        const windows::MenuSpec& item = window.menu[i];
        const std::string caption = "QString::fromUtf8(" + Literal(item.caption) + ")";
        const bool opensList = i + 1 < window.menu.size() && window.menu[i + 1].level > 0;
        if (item.level == 0 && opensList) {
            out << "    dropDown = frame->menuBar()->addMenu(" << caption << ");\n";
        } else if (item.level == 0) {
            out << "    frame->menuBar()->addAction(" << caption << ");\n";
        } else {
            out << "    dropDown->addAction(" << caption << ");\n";
        }
    }
}

std::string Generate(const windows::WindowSpec& window, const windows::AssetFiles& assets) {
    const uint32_t tabControl = engine::Id(engine::MainUnit::TabControl);
    const uint32_t weekday = engine::Id(engine::MainUnit::HumidityPageWeekday);
    std::ostringstream out;
    out << "// Made by bench/floor_generator.cpp from the main window's description.\n\n"
           "#include \"bench/floor_parts.h\"\n\n"
           "namespace {\n\n";
    WriteBytes(out, "kCompanyLogo", assets[windows::Asset::CompanyLogo]);
    WriteBytes(out, "kHygrometer", assets[windows::Asset::Hygrometer]);
    WriteBytes(out, "kProgramIcon", assets[windows::Asset::ProgramIcon]);
    out << "}  // namespace\n\n"
           "startup_floor::MainWindow startup_floor::BuildMainWindow() {\n"
           "    forms::WindowData window;\n";
    DataWriter windowWriter(out, "window");
    WriteFields(windowWriter, window.data);
    out << "    auto [frame, client] = startup_floor::MakeFrame(window, "
           "startup_floor::AssetBytes(kProgramIcon));\n";
    WriteMenu(out, window);
    const std::vector<Placed> controls = ControlsAtStart(window, tabControl);
    for (const Placed& placed : controls) WriteControl(out, window, placed, tabControl);
    out << "    // Of two overlapping controls the earlier one lies above.\n";
    for (auto placed = controls.rbegin(); placed != controls.rend(); ++placed) {
        out << "    " << UnitName(placed->control->id) << "->raise();\n";
    }
    out << "    startup_floor::ShowWeekday(*static_cast<extended_controls::TransLabelWidget*>("
        << UnitName(weekday) << "));\n"
        << "    startup_floor::FixClientSize(*frame, *client, " << window.box.width << ", "
        << window.box.height << ");\n"
        << "    return {frame, " << UnitName(FirstTabStop(controls, 0)->id) << "};\n}\n";
    return out.str();
}

void Run(const Options& options) {
    const windows::AssetFiles assets{.companyLogo = ReadFile(options.at("logo")),
                                     .hygrometer = ReadFile(options.at("hygrometer")),
                                     .programIcon = ReadFile(options.at("icon"))};
    const std::string source = Generate(windows::MainWindowSpec(), assets);
    const std::string path = options.at("source");
    const std::string temporary = path + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << source;
        out.flush();
        if (!out) throw std::runtime_error("cannot write " + temporary);
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        throw std::runtime_error("cannot rename " + temporary);
    }
}

}  // namespace

int main(int argc, char** argv) {
    try {
        Run(ParseOptions(argc, argv));
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "floor_generator: %s\n%s", error.what(), kUsage);
        return 1;
    }
}
