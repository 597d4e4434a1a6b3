#pragma once
// The vocabulary of a window written as data: a WindowSpec lists the
// window's own settings, its controls grouped by the container they sit in
// (the window itself, a tab page, a group box), and its menu. The order of
// the groups and of the controls in them is the unit order of the template,
// which is also the stacking order: of two overlapping controls with the
// same parent, the earlier one lies above. Containers come before the
// controls they hold, so that they exist when those are created.
//
// Texts: unit names and menu captions here are UTF-8 and converted by the
// builder; the kind-data structs of kind_data.h hold GBK, written with Gbk().
// Pictures and the icon are named by Asset and filled in by the builder from
// the image files it is given.

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "engine/form_ids.h"
#include "engine/procedures.h"
#include "forms/kind_data.h"
#include "forms/stored_values.h"

namespace windows {

// The image files the windows show.
enum class Asset {
    CompanyLogo,  // 89 x 82 JPEG, the company mark
    Hygrometer,   // 22 x 24 JPEG, a thermometer beside a water drop
    ProgramIcon,  // 32 x 32, 24-bit Windows icon of the main window
};

struct Box {
    int32_t left = 0;
    int32_t top = 0;
    int32_t width = 0;
    int32_t height = 0;
};

struct Binding {
    int32_t event = static_cast<int32_t>(forms::ButtonEvent::Clicked);
    engine::Procedure procedure{};
};

// A picture box: its stored properties besides the picture, which is named.
struct PictureSpec {
    Asset picture = Asset::CompanyLogo;
    forms::PictureBoxData data{};
};

// The stored properties of a control. std::monostate stores no kind data at
// all, so that the control gets every default of its kind.
using KindSpec = std::variant<std::monostate, forms::EditBoxData, forms::LabelData,
                              forms::ButtonData, forms::RadioButtonData, forms::ComboBoxData,
                              forms::GroupBoxData, forms::TabControlData, PictureSpec,
                              forms::HyperLinkerData, forms::TimerData, forms::TransLabelData>;

struct ControlSpec {
    std::string name{};  // UTF-8, e.g. "编辑框30"
    forms::KindCode kind = forms::KindCode::Label;
    uint32_t id = 0;
    Box box{};
    KindSpec data{};
    bool visible = true;
    bool handPointer = false;
    std::optional<Binding> binding{};

    // Modified copies, so that table rows read as one expression.
    ControlSpec Hidden() const;
    ControlSpec WithHandPointer() const;
    // Binds an event, one of the event enums of stored_values.h.
    template <typename Event>
    ControlSpec On(Event event, engine::Procedure procedure) const {
        ControlSpec copy = *this;
        copy.binding = Binding{static_cast<int32_t>(event), procedure};
        return copy;
    }
};

// Controls that share one container. A tab control's pages are separate
// groups that name their page.
struct ControlGroup {
    uint32_t parent = 0;  // container unit ID; 0 = the window itself
    std::optional<int32_t> tabPage{};
    std::vector<ControlSpec> controls{};
};

struct MenuSpec {
    uint32_t id = 0;
    uint32_t level = 0;
    std::string caption{};  // UTF-8
    std::optional<engine::Procedure> procedure{};
};

struct WindowSpec {
    uint32_t windowId = 0;
    uint32_t ownUnitId = 0;
    uint32_t moduleId = 0;
    std::string ownUnitName{};  // UTF-8
    Box box{};                  // outer size; the position is replaced by centring
    forms::WindowData data{};
    std::optional<Asset> icon{};
    std::optional<engine::Procedure> created{};
    std::vector<ControlGroup> groups{};
    std::vector<MenuSpec> menu{};
};

}  // namespace windows
