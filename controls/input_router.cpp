// Routing a window's input: the window's keys, focus moves and dragging
// first, then the common events of the unit the input is meant for.

#include "controls/input_router.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>
#include <algorithm>
#include <functional>
#include <set>

#include "controls/common_events.h"
#include "controls/control_model.h"
#include "forms/kinds_table.h"

namespace controls {
namespace {

// Index of the button kind's default-button flag (property 9 − 8).
constexpr int32_t kDefaultButtonIndex =
    int32_t(forms::ButtonProperty::DefaultButton) - forms::kFirstKindProperty;

bool IsKeyEvent(QEvent::Type type) {
    return type == QEvent::KeyPress || type == QEvent::KeyRelease;
}

// The events the window turns into unit events: mouse, keyboard, focus and
// wheel. Everything else (painting, layout, polish...) passes straight on.
bool IsInputEvent(QEvent::Type type) {
    switch (type) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::FocusIn:
        case QEvent::FocusOut:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Wheel:
            return true;
        default:
            return false;
    }
}

bool Draggable(uint32_t kind) {
    return kind == uint32_t(forms::KindCode::Window) || kind == uint32_t(forms::KindCode::Label) ||
           kind == uint32_t(forms::KindCode::GroupBox) ||
           kind == uint32_t(forms::KindCode::PictureBox);
}

}  // namespace

InputRouter::~InputRouter() {
    // The controls outlive the router: the window's widgets are deleted
    // after its members, so they must no longer report here.
    for (QObject* routed : routes_.keys()) {
        routed->removeEventFilter(this);
        routed->disconnect(this);
    }
}

void InputRouter::route(QObject* object, uint32_t unitId) {
    routes_[object] = unitId;
    object->installEventFilter(this);
    connect(object, &QObject::destroyed, this, [this](QObject* gone) { routes_.remove(gone); });
    if (auto* widget = qobject_cast<QWidget*>(object)) {
        // Input that a control leaves unhandled stays with it, so that one
        // press raises one event, from the unit it was meant for.
        widget->setAttribute(Qt::WA_NoMousePropagation);
        widget->setMouseTracking(true);
    }
}

std::optional<uint32_t> InputRouter::unitOf(QObject* object) const {
    auto found = routes_.find(object);
    if (found == routes_.end()) return std::nullopt;
    return found.value();
}

bool InputRouter::isPassedUp(const QObject* watched) const {
    const QObject* receiver = QApplication::focusWidget();
    while (receiver != nullptr && !routes_.contains(const_cast<QObject*>(receiver))) {
        receiver = receiver->parent();
    }
    if (receiver == nullptr || receiver == watched) return false;
    for (const QObject* above = receiver->parent(); above != nullptr; above = above->parent()) {
        if (above == watched) return true;
    }
    return false;
}

const forms::UnitRecord* InputRouter::unitRecord(uint32_t unitId) const {
    return forms::FindUnitRecord(window_.record(), unitId);
}

const KindDescriptor* InputRouter::kindOf(uint32_t unitId) const {
    const forms::UnitRecord* unit = unitRecord(unitId);
    return unit != nullptr ? FindKindDescriptor(unit->kind) : nullptr;
}

// The widget that stands for a unit: the client area for the window's own.
QWidget* InputRouter::ownerOf(uint32_t unitId) {
    return unitId == window_.ownUnit().id ? window_.clientArea() : window_.control(unitId);
}

bool InputRouter::eventFilter(QObject* watched, QEvent* event) {
    if (!IsInputEvent(event->type())) return false;
    const std::optional<uint32_t> unitId = unitOf(watched);
    auto* target = qobject_cast<QWidget*>(watched);
    if (!unitId || target == nullptr || window_.isGone()) return false;
    // A control's drop-down list is a pop-up window of its own: the keys
    // typed there are the list's (Escape closes it, Return chooses, the
    // arrows move its highlight), never this window's.
    if (IsKeyEvent(event->type()) && target->window() != &window_.frame()) return false;
    // A key that the focused control leaves unused goes no further: its
    // container must neither act on it again nor raise a second event.
    if (IsKeyEvent(event->type()) && isPassedUp(watched)) return true;
    if (event->type() == QEvent::KeyPress && handleKey(*unitId, *static_cast<QKeyEvent*>(event))) {
        return true;
    }
    if (handleDrag(*unitId, *event)) return true;
    if (QWidget* owner = ownerOf(*unitId)) {
        RaiseCommonEvent(window_.record().windowId, *unitId, *target, *owner, *event);
    }
    return false;
}

bool InputRouter::handleKey(uint32_t unitId, QKeyEvent& key) {
    if (switchPage(key)) return true;
    const KindDescriptor* kind = kindOf(unitId);
    QWidget* owner = ownerOf(unitId);
    if (kind != nullptr && kind->routines.wantsKey != nullptr && owner != nullptr &&
        kind->routines.wantsKey(owner, key.key())) {
        return false;
    }
    const forms::WindowData& data = window_.data();
    switch (key.key()) {
        case Qt::Key_Escape:
            if (data.escCloses == 0) return false;
            window_.frame().close();
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return pressEnter(unitId);
        case Qt::Key_Tab:
            moveFocus(unitId, (key.modifiers() & Qt::ShiftModifier) == 0, true);
            return true;
        case Qt::Key_Backtab:
            moveFocus(unitId, false, true);
            return true;
        case Qt::Key_Left:
        case Qt::Key_Up:
            moveFocus(unitId, false, false);
            return true;
        case Qt::Key_Right:
        case Qt::Key_Down:
            moveFocus(unitId, true, false);
            return true;
        case Qt::Key_F1:
            // The program has no help file; the key is only consumed.
            return data.f1OpensHelp != 0;
        default:
            return false;
    }
}

bool InputRouter::isDefaultButton(uint32_t unitId) const {
    const KindDescriptor* kind = kindOf(unitId);
    // A control not made yet lies on a hidden page, so it is no default
    // button now.
    QWidget* widget = window_.existingControl(unitId);
    if (kind == nullptr || kind->code != uint32_t(forms::KindCode::Button) || widget == nullptr) {
        return false;
    }
    if (!widget->isVisible() || !widget->isEnabled()) return false;
    return kind->routines.getProperty(widget, kDefaultButtonIndex).AsUnsigned() ==
           forms::kDefaultPushButton;
}

bool InputRouter::raiseClick(uint32_t unitId) {
    FireEvent(window_.record().windowId, unitId, int32_t(forms::ButtonEvent::Clicked));
    return true;
}

bool InputRouter::pressEnter(uint32_t unitId) {
    if (isDefaultButton(unitId)) return raiseClick(unitId);
    if (window_.data().enterMovesFocus != 0) {
        moveFocus(unitId, true, true);
        return true;
    }
    for (uint32_t candidate : window_.unitOrder()) {
        if (isDefaultButton(candidate)) return raiseClick(candidate);
    }
    return false;
}

void InputRouter::moveFocus(uint32_t fromUnit, bool forward, bool tabStopsOnly) {
    const std::vector<uint32_t>& order = window_.unitOrder();
    const size_t count = order.size();
    if (count == 0) return;
    auto from = std::find(order.begin(), order.end(), fromUnit);
    size_t start = from != order.end() ? size_t(from - order.begin()) : count - 1;
    if (from == order.end() && !forward) start = 0;
    for (size_t step = 1; step <= count; ++step) {
        const size_t index = forward ? (start + step) % count : (start + count - step) % count;
        const uint32_t unitId = order[index];
        if (!takesFocus(unitId, tabStopsOnly)) continue;
        window_.existingControl(unitId)->setFocus(forward ? Qt::TabFocusReason
                                                          : Qt::BacktabFocusReason);
        return;
    }
}

void InputRouter::focusFirstTabStop() {
    if (!focusFirstTabStopWithin(nullptr)) return;
    // The window takes the keyboard later, for a reason that selects
    // nothing: the text is selected now, so that typing replaces it.
    if (auto* line = qobject_cast<QLineEdit*>(window_.frame().focusWidget())) line->selectAll();
}

bool InputRouter::focusFirstTabStopWithin(const QWidget* area) {
    for (uint32_t unitId : unitsInsideOut()) {
        const KindDescriptor* kind = kindOf(unitId);
        if (kind == nullptr || kind->code == uint32_t(forms::KindCode::TabControl)) continue;
        if (!takesFocus(unitId, true)) continue;
        QWidget* widget = window_.existingControl(unitId);
        if (area != nullptr && !area->isAncestorOf(widget)) continue;
        widget->setFocus(Qt::TabFocusReason);
        return true;
    }
    return false;
}

// The tab control that page keys switch: the one holding the keyboard,
// else the window's first.
QTabWidget* InputRouter::tabControlForPageKeys() const {
    QTabWidget* first = nullptr;
    for (uint32_t unitId : window_.unitOrder()) {
        auto* tabs = dynamic_cast<QTabWidget*>(window_.existingControl(unitId));
        if (tabs == nullptr || !tabs->isVisible()) continue;
        if (tabs->isAncestorOf(QApplication::focusWidget())) return tabs;
        if (first == nullptr) first = tabs;
    }
    return first;
}

// Ctrl+Tab and Ctrl+Page Down show the next page, Ctrl+Shift+Tab and
// Ctrl+Page Up the one before, from anywhere in the window. The keyboard
// stays on the tab strip when it was there, else goes to the new page's
// first tab stop.
bool InputRouter::switchPage(const QKeyEvent& key) {
    if ((key.modifiers() & Qt::ControlModifier) == 0) return false;
    int step = 0;
    if (key.key() == Qt::Key_Tab || key.key() == Qt::Key_PageDown) step = 1;
    if (key.key() == Qt::Key_Backtab || key.key() == Qt::Key_PageUp) step = -1;
    if (key.key() == Qt::Key_Tab && (key.modifiers() & Qt::ShiftModifier) != 0) step = -1;
    QTabWidget* tabs = step != 0 ? tabControlForPageKeys() : nullptr;
    if (tabs == nullptr || tabs->count() == 0) return false;
    const int page = tabs->currentIndex();
    const bool stripHadFocus = tabs->tabBar()->hasFocus();
    tabs->setCurrentIndex((page + step + tabs->count()) % tabs->count());
    if (tabs->currentIndex() == page || stripHadFocus) return true;
    if (!focusFirstTabStopWithin(tabs)) tabs->tabBar()->setFocus(Qt::TabFocusReason);
    return true;
}

// The units in unit order, each container followed at once by what it
// holds, so that a group box's controls come before the controls listed
// after the group box.
std::vector<uint32_t> InputRouter::unitsInsideOut() const {
    std::set<uint32_t> held;
    for (uint32_t unitId : window_.unitOrder()) {
        if (const forms::UnitRecord* unit = unitRecord(unitId))
            held.insert(unit->children.begin(), unit->children.end());
    }
    std::vector<uint32_t> order;
    std::set<uint32_t> seen;
    const std::function<void(uint32_t)> visit = [&](uint32_t unitId) {
        if (unitId == 0 || !seen.insert(unitId).second) return;
        order.push_back(unitId);
        if (const forms::UnitRecord* unit = unitRecord(unitId)) {
            for (uint32_t child : unit->children) visit(child);
        }
    };
    for (uint32_t unitId : window_.unitOrder()) {
        if (!held.contains(unitId)) visit(unitId);
    }
    return order;
}

bool InputRouter::takesFocus(uint32_t unitId, bool tabStopsOnly) const {
    // A control not made yet lies on a hidden page and takes no focus.
    const QWidget* widget = window_.existingControl(unitId);
    const forms::UnitRecord* unit = unitRecord(unitId);
    if (widget == nullptr || unit == nullptr) return false;
    if (!widget->isVisible() || !widget->isEnabled()) return false;
    const QWidget* focusTaker = widget->focusProxy() != nullptr ? widget->focusProxy() : widget;
    if ((focusTaker->focusPolicy() & Qt::TabFocus) == 0) return false;
    if (!tabStopsOnly || (unit->stateFlags & forms::kTabStop) != 0) return true;
    const KindDescriptor* kind = kindOf(unitId);
    return kind != nullptr && kind->routines.holdsTabStops;
}

bool InputRouter::handleDrag(uint32_t unitId, QEvent& event) {
    if (window_.data().dragAnywhere == 0) return false;
    const forms::UnitRecord* unit = unitRecord(unitId);
    if (unit == nullptr || !Draggable(unit->kind)) return false;
    return drag_.handle(window_.frame(), event);
}

}  // namespace controls
