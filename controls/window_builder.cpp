// Window creation: the algorithm of window_builder.h.

#include "controls/window_builder.h"

#include <QCursor>
#include <QLayout>
#include <QMenuBar>
#include <algorithm>
#include <map>
#include <memory>

#include "controls/accessible_names.h"
#include "controls/events.h"
#include "controls/form_window.h"
#include "controls/kind_registry.h"
#include "controls/kinds/tab_control.h"
#include "controls/mouse_pointer.h"
#include "forms/kinds_table.h"
#include "platform/platform.h"

namespace controls {
namespace {

// Where the template lists a unit: the container and, on a tab control, the
// page.
struct Placement {
    uint32_t container = 0;
    std::optional<int> page;
};

std::map<uint32_t, Placement> ListedPlacements(const forms::WindowRecord& record) {
    std::map<uint32_t, Placement> placements;
    for (const forms::Unit& unit : record.units) {
        const auto* container = std::get_if<forms::UnitRecord>(&unit);
        if (container == nullptr || container->children.empty()) continue;
        const bool isTab = container->kind == uint32_t(forms::KindCode::TabControl);
        int page = 0;
        for (uint32_t child : container->children) {
            if (child == 0) {
                ++page;
                continue;
            }
            placements[child] = {container->id, isTab ? std::optional<int>(page) : std::nullopt};
        }
    }
    return placements;
}

Placement PlacementOf(const forms::UnitRecord& unit, const std::map<uint32_t, Placement>& listed) {
    if (auto found = listed.find(unit.id); found != listed.end()) return found->second;
    return {unit.parent, std::nullopt};
}

// The widget a control is created in: the client area or its container. A
// control listed on a tab page lies in the tab control itself, placed from
// the control's corner with the tab strip included, so that it may stand in
// the strip's row; the window shows it only while its page is current.
QWidget* ParentWidget(const FormWindow& window, const Placement& placement) {
    QWidget* container =
        placement.container != 0 ? window.existingControl(placement.container) : nullptr;
    return container != nullptr ? container : window.clientArea();
}

// Whether a control of the unit can be made: its kind is known and its kind
// data reads.
bool CanCreate(const forms::UnitRecord& unit) {
    const KindDescriptor* kind = FindKindDescriptor(unit.kind);
    return kind != nullptr && kind->routines.create != nullptr &&
           forms::KindDataReadable(unit.kind, unit.kindData);
}

bool CreateControl(FormWindow& window, const forms::UnitRecord& unit,
                   const std::map<uint32_t, Placement>& listed) {
    const KindDescriptor* kind = FindKindDescriptor(unit.kind);
    if (kind == nullptr || kind->routines.create == nullptr) return false;
    const Placement placement = PlacementOf(unit, listed);
    QWidget* parent = ParentWidget(window, placement);
    const CreateRequest request{{window.windowId(), unit.id},
                                unit.kindData,
                                QRect(unit.left, unit.top, unit.width, unit.height),
                                unit.stateFlags,
                                parent};
    QWidget* control = kind->routines.create(request);
    if (control == nullptr) return false;
    std::optional<TabPlace> place;
    if (placement.page &&
        dynamic_cast<kinds::TabControlWidget*>(window.existingControl(placement.container))) {
        place = TabPlace{placement.container, *placement.page};
    }
    window.attachControl(unit, control, place);
    control->setEnabled((unit.stateFlags & forms::kDisabled) == 0);
    ApplyMousePointer(*control, unit.mousePointer, kind->ownPointer);
    return true;
}

// Stacks the controls of each parent: of two overlapping controls the
// earlier in unit order lies above. The form orders a backdrop (the framed
// panel behind the month calendar, the text block behind the about window's
// captions) after the controls it holds, so it lies beneath them.
void StackControls(const FormWindow& window, const std::vector<uint32_t>& unitsInOrder) {
    // Raising from the last unit to the first leaves the first one on top.
    for (auto unitId = unitsInOrder.rbegin(); unitId != unitsInOrder.rend(); ++unitId) {
        if (QWidget* control = window.existingControl(*unitId)) control->raise();
    }
}

// The controls' unit IDs in unit order, the window's own unit left out.
std::vector<uint32_t> ControlUnits(const forms::WindowRecord& record) {
    std::vector<uint32_t> units;
    for (size_t i = 1; i < record.units.size(); ++i)
        units.push_back(forms::UnitId(record.units[i]));
    return units;
}

// The tab page a control waits for: a control listed on a tab page that is
// not the current one, or held by a control that waits. Controls that are
// never visible (a timer) are made at once, as they work unseen.
std::optional<PageKey> WaitingPage(const FormWindow& window, const forms::UnitRecord& unit,
                                   const Placement& placement) {
    if (std::optional<PageKey> held = window.deferredPageOf(placement.container)) return held;
    if (!placement.page) return std::nullopt;
    const auto* tabs =
        dynamic_cast<const kinds::TabControlWidget*>(window.existingControl(placement.container));
    if (tabs == nullptr || tabs->currentIndex() == *placement.page) return std::nullopt;
    const KindDescriptor* kind = FindKindDescriptor(unit.kind);
    if (kind == nullptr || forms::IsNeverVisible(kind->flags)) return std::nullopt;
    return PageKey{placement.container, *placement.page};
}

// Puts a control made after its siblings where the window would have
// stacked it had it been made with them: beneath the sibling of the nearest
// earlier unit, so above the siblings of every later unit.
void PlaceInStack(const FormWindow& window, const std::vector<uint32_t>& unitsInOrder,
                  uint32_t unitId) {
    QWidget* control = window.existingControl(unitId);
    const auto position = std::find(unitsInOrder.begin(), unitsInOrder.end(), unitId);
    for (auto earlier = std::make_reverse_iterator(position); earlier != unitsInOrder.rend();
         ++earlier) {
        QWidget* sibling = window.existingControl(*earlier);
        if (sibling != nullptr && sibling->parentWidget() == control->parentWidget()) {
            control->stackUnder(sibling);
            return;
        }
    }
    control->raise();
}

// An edit box is named after the labels beside it, and a control between
// hides a label, so the controls still waiting in its container are made
// with it.
void MakeNeighbours(FormWindow& window, const forms::UnitRecord& box,
                    const std::map<uint32_t, Placement>& listed) {
    if (box.kind != uint32_t(forms::KindCode::EditBox)) return;
    const Placement place = PlacementOf(box, listed);
    for (uint32_t unitId : ControlUnits(window.record())) {
        if (!window.deferredPageOf(unitId)) continue;
        const auto* unit = forms::FindUnitRecord(window.record(), unitId);
        if (unit == nullptr) continue;
        const Placement other = PlacementOf(*unit, listed);
        if (other.container == place.container && other.page == place.page) window.control(unitId);
    }
}

// Makes controls that waited for their tab page as the window would have
// made them at first: in unit order, inside the controls that hold them
// (made first when they wait too), shown as their page is, stacked among
// their siblings, and with the edit boxes beside them named.
void BuildWaitingControls(FormWindow& window, const std::vector<uint32_t>& units) {
    const EventPause pause;
    const std::map<uint32_t, Placement> listed = ListedPlacements(window.record());
    const std::vector<uint32_t> unitsInOrder = ControlUnits(window.record());
    std::vector<const QWidget*> containers;
    for (uint32_t unitId : unitsInOrder) {
        if (std::find(units.begin(), units.end(), unitId) == units.end()) continue;
        const auto* unit = forms::FindUnitRecord(window.record(), unitId);
        if (unit == nullptr) continue;
        // A container still waiting is made before the controls it holds.
        window.control(PlacementOf(*unit, listed).container);
        if (!CreateControl(window, *unit, listed)) continue;
        window.applyVisibility(unitId);
        PlaceInStack(window, unitsInOrder, unitId);
        MakeNeighbours(window, *unit, listed);
        const QWidget* container = window.existingControl(unitId)->parentWidget();
        if (std::find(containers.begin(), containers.end(), container) == containers.end()) {
            containers.push_back(container);
        }
    }
    for (const QWidget* container : containers) NameEditBoxes(window, container);
}

// The rectangle of a control on a tab page: its own once it is made, the
// stored one while it waits for its page.
QRect PlacedRect(FormWindow& window, uint32_t unitId) {
    if (const QWidget* control = window.existingControl(unitId)) return control->geometry();
    const auto* unit = forms::FindUnitRecord(window.record(), unitId);
    return unit != nullptr ? QRect(unit->left, unit->top, unit->width, unit->height) : QRect();
}

bool HasMenu(const forms::WindowRecord& record) {
    for (const forms::Unit& unit : record.units) {
        if (std::holds_alternative<forms::MenuItemRecord>(unit)) return true;
    }
    return false;
}

// Grows each tab control so that every control of every page shows whole.
void FitTabControls(FormWindow& window, const forms::WindowRecord& record) {
    for (const forms::Unit& unit : record.units) {
        const auto* tabUnit = std::get_if<forms::UnitRecord>(&unit);
        if (tabUnit == nullptr) continue;
        auto* tabs = dynamic_cast<kinds::TabControlWidget*>(window.existingControl(tabUnit->id));
        if (tabs == nullptr) continue;
        QSize needed = tabs->size();
        for (uint32_t child : tabUnit->children) {
            if (child == 0) continue;
            const QRect placed = PlacedRect(window, child);
            needed = needed.expandedTo(QSize(placed.right() + 1, placed.bottom() + 1));
        }
        tabs->resize(needed);
    }
}

// The client area, menu bar included: the stored outer size less the
// classic frame the forms were laid out with. Controls that reach beyond it
// (the tab control's right edge) are cut off there, as the forms show them.
QSize ClientSize(FormWindow& window, const forms::WindowRecord& record, bool hasMenu) {
    const forms::UnitRecord& own = std::get<forms::UnitRecord>(record.units.front());
    const int width = own.width - 2 * kClassicBorder;
    const int menu = hasMenu ? window.menuBar()->heightForWidth(width) : 0;
    return {width, own.height - 2 * kClassicBorder - kClassicCaption - menu};
}

void PlaceWindow(FormWindow& window, const forms::UnitRecord& own, const forms::WindowData& data,
                 QSize client) {
    window.clientArea()->setFixedSize(client);
    // The window's layout sizes the frame: the client area below the menu
    // bar as tall as the bar really is at this width, which its size hint
    // does not always tell. The window stays that size when the menu bar
    // is rebuilt.
    window.layout()->setSizeConstraint(QLayout::SetFixedSize);
    window.layout()->activate();
    const QSize outer = window.size();
    QPoint corner(own.left, own.top);
    if (data.startPosition == forms::Stored(forms::StartPosition::CentredOnScreen)) {
        corner = platform::CentredOnScreen(outer).value_or(corner);
        window.centreFrameOnceKnown();
    }
    window.move(corner);
}

}  // namespace

FormWindow* BuildFormWindow(forms::WindowRecord& record, QWidget* owner) {
    const auto* own =
        record.units.empty() ? nullptr : std::get_if<forms::UnitRecord>(&record.units[0]);
    if (own == nullptr) return nullptr;
    const std::optional<forms::WindowData> data =
        forms::ReadKindData<forms::WindowData>(own->kindData);
    if (!data) return nullptr;
    auto window = std::make_unique<FormWindow>(record, *data, owner);
    const bool hasMenu = HasMenu(record);
    if (hasMenu) window->rebuildMenu();
    const std::map<uint32_t, Placement> listed = ListedPlacements(record);
    window->setControlBuilder(BuildWaitingControls);
    for (size_t i = 1; i < record.units.size(); ++i) {
        const auto* unit = std::get_if<forms::UnitRecord>(&record.units[i]);
        if (unit == nullptr) continue;
        if (std::optional<PageKey> page = WaitingPage(*window, *unit, PlacementOf(*unit, listed))) {
            // A control that waits is made later, but whether it can be
            // made is decided now: the window is not created otherwise.
            if (!CanCreate(*unit)) return nullptr;
            window->deferControl(unit->id, *page);
        } else if (!CreateControl(*window, *unit, listed)) {
            return nullptr;
        }
    }
    const std::vector<uint32_t> units = ControlUnits(record);
    for (uint32_t unitId : units) window->applyVisibility(unitId);
    FitTabControls(*window, record);
    PlaceWindow(*window, *own, *data, ClientSize(*window, record, hasMenu));
    StackControls(*window, units);
    NameEditBoxes(*window);
    return window.release();
}

}  // namespace controls
