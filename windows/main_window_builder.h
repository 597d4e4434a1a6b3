#pragma once
// Turns the window descriptions into template records.
//
//   FormWindows() + image files ──► BuildTemplate ──► TemplateData ──► WriteTemplate
//
// For each window: its own unit first (title, styles, icon, the created
// event), then every control in the description's order with its parent,
// the child lists of its containers (a tab control's pages split by 0
// entries, page 0 first), state flags, mouse pointer, event binding and kind
// data, then the menu items. Names and menu captions become GBK here.

#include <stdexcept>
#include <vector>

#include "forms/template.h"
#include "windows/main_window.h"

namespace windows {

// The bytes of the image files, as read from disk.
struct AssetFiles {
    forms::Bytes companyLogo;
    forms::Bytes hygrometer;
    forms::Bytes programIcon;

    const forms::Bytes& operator[](Asset asset) const;
};

// Raised for a description that cannot make a sound window: a control whose
// container is not an earlier group box or tab control, a tab page on
// something other than a tab control, or a unit ID used twice.
class FormDescriptionError : public std::invalid_argument {
public:
    using std::invalid_argument::invalid_argument;
};

forms::TemplateData BuildTemplate(const std::vector<WindowSpec>& windows, const AssetFiles& assets);

}  // namespace windows
