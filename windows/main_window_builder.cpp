#include "windows/main_window_builder.h"

#include <map>
#include <set>

#include "runtime/gbk.h"

namespace windows {
namespace {

// Separates the pages in a tab control's child list.
constexpr uint32_t kPageSeparator = 0;

// The kinds that the Tab key stops at.
bool TakesTabStop(forms::KindCode kind) {
    return kind == forms::KindCode::EditBox || kind == forms::KindCode::Button ||
           kind == forms::KindCode::ComboBox || kind == forms::KindCode::RadioButton;
}

int32_t HandlerOffset(engine::Procedure procedure) {
    return static_cast<int32_t>(procedure);
}

forms::Bytes HandPointerBlock() {
    forms::Bytes block(sizeof(uint32_t));
    for (size_t i = 0; i < block.size(); ++i) block[i] = uint8_t(forms::kHandPointer >> (8 * i));
    return block;
}

// Writes one control's kind data; a control without any stores none.
struct KindDataWriter {
    const AssetFiles& assets;

    forms::Bytes operator()(std::monostate) const { return {}; }
    forms::Bytes operator()(const PictureSpec& picture) const {
        forms::PictureBoxData data = picture.data;
        data.picture = assets[picture.picture];
        return forms::WriteKindData(data);
    }
    forms::Bytes operator()(const auto& data) const { return forms::WriteKindData(data); }
};

// The child lists of one window's containers, gathered group by group.
class ChildLists {
public:
    void AddContainer(const ControlSpec& control) {
        if (control.kind == forms::KindCode::GroupBox ||
            control.kind == forms::KindCode::TabControl) {
            kinds_[control.id] = control.kind;
        }
    }

    void Place(const ControlGroup& group, uint32_t child) {
        if (group.parent == 0) return;
        const auto container = kinds_.find(group.parent);
        if (container == kinds_.end()) {
            throw FormDescriptionError("container " + forms::HexId(group.parent) +
                                       " is not an earlier group box or tab control");
        }
        const bool isTab = container->second == forms::KindCode::TabControl;
        if (isTab != group.tabPage.has_value()) {
            throw FormDescriptionError("tab pages belong to tab controls only: " +
                                       forms::HexId(group.parent));
        }
        if (isTab) {
            pages_[group.parent][*group.tabPage].push_back(child);
        } else {
            plain_[group.parent].push_back(child);
        }
    }

    std::vector<uint32_t> ChildrenOf(uint32_t container) const {
        if (const auto plain = plain_.find(container); plain != plain_.end()) return plain->second;
        const auto pages = pages_.find(container);
        if (pages == pages_.end()) return {};
        std::vector<uint32_t> children;
        // Page p follows the p-th separator, so an empty page still counts.
        int32_t separators = 0;
        for (const auto& [page, ids] : pages->second) {
            for (; separators < page; ++separators) children.push_back(kPageSeparator);
            children.insert(children.end(), ids.begin(), ids.end());
        }
        return children;
    }

private:
    std::map<uint32_t, forms::KindCode> kinds_;
    std::map<uint32_t, std::vector<uint32_t>> plain_;
    std::map<uint32_t, std::map<int32_t, std::vector<uint32_t>>> pages_;
};

// A unit record with its ID, kind, name (UTF-8 here, GBK stored) and box.
forms::UnitRecord PlacedUnit(uint32_t id, forms::KindCode kind, std::string_view name,
                             const Box& box) {
    forms::UnitRecord unit;
    unit.id = id;
    unit.kind = static_cast<uint32_t>(kind);
    unit.name = runtime::Utf8ToGbk(name);
    unit.left = box.left;
    unit.top = box.top;
    unit.width = box.width;
    unit.height = box.height;
    return unit;
}

forms::UnitRecord OwnUnit(const WindowSpec& window, const AssetFiles& assets) {
    forms::WindowData data = window.data;
    if (window.icon) data.icon = assets[*window.icon];
    forms::UnitRecord unit =
        PlacedUnit(window.ownUnitId, forms::KindCode::Window, window.ownUnitName, window.box);
    unit.stateFlags = forms::kVisible;
    if (window.created) {
        unit.events.push_back(
            {int32_t(forms::WindowEvent::Created), HandlerOffset(*window.created)});
    }
    unit.kindData = forms::WriteKindData(data);
    return unit;
}

forms::UnitRecord ControlUnit(const ControlSpec& control, uint32_t parent,
                              const AssetFiles& assets) {
    forms::UnitRecord unit = PlacedUnit(control.id, control.kind, control.name, control.box);
    unit.parent = parent;
    if (control.handPointer) unit.mousePointer = HandPointerBlock();
    if (control.visible) unit.stateFlags |= forms::kVisible;
    if (TakesTabStop(control.kind)) unit.stateFlags |= forms::kTabStop;
    if (control.binding) {
        unit.events.push_back({control.binding->event, HandlerOffset(control.binding->procedure)});
    }
    unit.kindData = std::visit(KindDataWriter{assets}, control.data);
    return unit;
}

forms::MenuItemRecord MenuUnit(const MenuSpec& menu) {
    forms::MenuItemRecord item;
    item.id = menu.id;
    item.kind = static_cast<uint32_t>(forms::KindCode::Menu);
    item.level = menu.level;
    item.caption = runtime::Utf8ToGbk(menu.caption);
    item.handlerOffset = menu.procedure ? HandlerOffset(*menu.procedure) : forms::kNoHandler;
    return item;
}

void CheckUnique(std::set<uint32_t>& seen, uint32_t id) {
    if (!seen.insert(id).second)
        throw FormDescriptionError("unit ID used twice: " + forms::HexId(id));
}

forms::WindowRecord BuildWindow(const WindowSpec& window, const AssetFiles& assets) {
    forms::WindowRecord record;
    record.windowId = window.windowId;
    record.moduleId = window.moduleId;
    record.units.push_back(OwnUnit(window, assets));
    std::set<uint32_t> seen{window.ownUnitId};

    ChildLists children;
    std::vector<forms::UnitRecord> controls;
    for (const ControlGroup& group : window.groups) {
        for (const ControlSpec& control : group.controls) {
            CheckUnique(seen, control.id);
            children.Place(group, control.id);
            children.AddContainer(control);
            controls.push_back(ControlUnit(control, group.parent, assets));
        }
    }
    for (forms::UnitRecord& control : controls) {
        control.children = children.ChildrenOf(control.id);
        record.units.push_back(std::move(control));
    }
    for (const MenuSpec& menu : window.menu) {
        CheckUnique(seen, menu.id);
        record.units.push_back(MenuUnit(menu));
    }
    return record;
}

}  // namespace

const forms::Bytes& AssetFiles::operator[](Asset asset) const {
    switch (asset) {
        case Asset::CompanyLogo:
            return companyLogo;
        case Asset::Hygrometer:
            return hygrometer;
        case Asset::ProgramIcon:
            return programIcon;
    }
    throw FormDescriptionError("unknown asset");
}

forms::TemplateData BuildTemplate(const std::vector<WindowSpec>& windows,
                                  const AssetFiles& assets) {
    forms::TemplateData data;
    for (const WindowSpec& window : windows) data.windows.push_back(BuildWindow(window, assets));
    return data;
}

}  // namespace windows
