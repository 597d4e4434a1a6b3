// A loaded window: frame, menu bar, the controls' places, and the routing
// of keyboard and mouse input to the window's handling and the common events.

#include "controls/live_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QStyleHints>
#include <QTabBar>
#include <QWindow>
#include <algorithm>
#include <set>

#include "controls/control_model.h"
#include "controls/event_arguments.h"
#include "controls/kind_support.h"
#include "controls/paged_control.h"
#include "forms/kinds_table.h"
#include "platform/platform.h"

namespace controls {
namespace {

// Index of the button kind's default-button flag (property 9 − 8).
constexpr int32_t kDefaultButtonIndex =
    int32_t(forms::ButtonProperty::DefaultButton) - forms::kFirstKindProperty;
// A wheel notch.
constexpr int kWheelNotch = 120;

bool IsToolFrame(uint32_t border) {
    return border == uint32_t(forms::WindowBorder::ToolSizable) ||
           border == uint32_t(forms::WindowBorder::ToolFixed);
}

Qt::WindowFlags FrameFlags(const forms::WindowData& data) {
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint;
    if (data.borderStyle == uint32_t(forms::WindowBorder::None))
        return flags | Qt::FramelessWindowHint;
    if (IsToolFrame(data.borderStyle) || data.shownOnTaskBar == 0) flags |= Qt::Tool;
    flags |= Qt::WindowTitleHint;
    if (data.controlBox != 0) {
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        if (data.minimizeButton != 0) flags |= Qt::WindowMinimizeButtonHint;
        if (data.maximizeButton != 0) flags |= Qt::WindowMaximizeButtonHint;
    }
    return flags;
}

// The events the window turns into unit events: mouse, keyboard, focus and
// wheel. Everything else (painting, layout, polish...) passes straight on.
bool IsKeyEvent(QEvent::Type type) {
    return type == QEvent::KeyPress || type == QEvent::KeyRelease;
}

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

FormWindow::FormWindow(forms::WindowRecord& record, const forms::WindowData& data, QWidget* owner)
    : QMainWindow(owner), record_(record) {
    clientArea_ = new QWidget(this);
    setCentralWidget(clientArea_);
    route(clientArea_, ownUnit().id);
    setData(data);
}

FormWindow::~FormWindow() {
    // A window deleted by Qt (with its owner, say) leaves the table too.
    if (!gone_) ReportUnitGone(windowId(), 0);
    // The controls outlive this object's members: they are deleted by the
    // QWidget destructor, so they must no longer report to this window.
    for (QObject* routed : routes_.keys()) {
        routed->removeEventFilter(this);
        routed->disconnect(this);
    }
    routes_.clear();
}

forms::UnitRecord& FormWindow::ownUnit() {
    return std::get<forms::UnitRecord>(record_.units.front());
}

void FormWindow::setData(const forms::WindowData& data) {
    data_ = data;
    const bool wasVisible = isVisible();
    setWindowFlags(FrameFlags(data_));
    setWindowTitle(DisplayText(data_.title));
    const std::optional<QImage> icon =
        data_.icon.empty() ? std::nullopt : platform::DecodeIcon(data_.icon);
    // A window without an icon of its own shows the program's: an empty icon
    // would leave the window manager none at all.
    setWindowIcon(icon ? QIcon(QPixmap::fromImage(*icon)) : QApplication::windowIcon());
    ApplyColours(*clientArea_, QPalette::WindowText, forms::kBlack, QPalette::Window,
                 data_.backgroundColour);
    clientArea_->setAutoFillBackground(true);
    // Changing the window flags hides a shown window; show it again.
    if (wasVisible) show();
}

void FormWindow::attachControl(const forms::UnitRecord& unit, QWidget* control,
                               std::optional<TabPlace> place) {
    // A deferred control has its place in the tab order from the start.
    if (std::find(unitOrder_.begin(), unitOrder_.end(), unit.id) == unitOrder_.end()) {
        unitOrder_.push_back(unit.id);
    }
    controls_[unit.id] = control;
    if (place) tabPlaces_[unit.id] = *place;
    // The control's own parts (a spin box's editor, a tab control's bar and
    // pages) exist already; controls placed inside it later route themselves.
    route(control, unit.id);
    for (QWidget* part : control->findChildren<QWidget*>()) route(part, unit.id);
    if (auto* paged = dynamic_cast<PagedControl*>(control)) {
        const uint32_t tabId = unit.id;
        paged->setPageChangedHandler([this, tabId] { showCurrentPage(tabId); });
    }
}

QWidget* FormWindow::control(uint32_t unitId) {
    if (deferred_.contains(unitId)) build({unitId});
    return existingControl(unitId);
}

QWidget* FormWindow::existingControl(uint32_t unitId) const {
    auto found = controls_.find(unitId);
    return found != controls_.end() ? found->second.data() : nullptr;
}

void FormWindow::deferControl(uint32_t unitId, PageKey page) {
    deferred_[unitId] = page;
    unitOrder_.push_back(unitId);
}

std::optional<PageKey> FormWindow::deferredPageOf(uint32_t unitId) const {
    auto found = deferred_.find(unitId);
    if (found == deferred_.end()) return std::nullopt;
    return found->second;
}

void FormWindow::buildPage(PageKey page) {
    std::vector<uint32_t> units;
    for (const auto& [unitId, waitsFor] : deferred_) {
        if (waitsFor == page) units.push_back(unitId);
    }
    build(std::move(units));
}

void FormWindow::build(std::vector<uint32_t> units) {
    // The units stop waiting before any is made, so that making one never
    // starts making it again; one that cannot be made is not tried again.
    for (uint32_t unitId : units) deferred_.erase(unitId);
    if (!units.empty() && builder_) builder_(*this, units);
}

void FormWindow::forgetControl(uint32_t unitId) {
    controls_.erase(unitId);
}

void FormWindow::applyVisibility(uint32_t unitId) {
    // A control not made yet is shown as it is made.
    QWidget* widget = existingControl(unitId);
    const auto* unit = std::get_if<forms::UnitRecord>(forms::FindUnit(record_, unitId));
    if (widget == nullptr || unit == nullptr) return;
    const KindDescriptor* kind = FindKindDescriptor(unit->kind);
    bool visible = (unit->stateFlags & forms::kVisible) != 0;
    if (kind != nullptr && forms::IsNeverVisible(kind->flags)) visible = false;
    if (auto place = tabPlaces_.find(unitId); place != tabPlaces_.end() && visible) {
        const auto* tabs =
            dynamic_cast<const QTabWidget*>(existingControl(place->second.tabUnitId));
        visible = tabs != nullptr && tabs->currentIndex() == place->second.page;
    }
    widget->setVisible(visible);
}

void FormWindow::showCurrentPage(uint32_t tabUnitId) {
    if (const auto* tabs = dynamic_cast<const QTabWidget*>(existingControl(tabUnitId))) {
        buildPage({tabUnitId, tabs->currentIndex()});
    }
    for (const auto& [unitId, place] : tabPlaces_) {
        if (place.tabUnitId == tabUnitId) applyVisibility(unitId);
    }
}

void FormWindow::rebuildMenu() {
    QMenuBar* bar = menuBar();
    bar->clear();
    QMenu* dropDown = nullptr;
    bool dropDownHidden = false;
    const size_t count = record_.units.size();
    for (size_t i = 0; i < count; ++i) {
        const auto* item = std::get_if<forms::MenuItemRecord>(&record_.units[i]);
        if (item == nullptr) continue;
        const bool hidden = (item->flags & forms::kMenuHidden) != 0;
        const QString caption = DisplayText(item->caption);
        QAction* action = nullptr;
        if (item->level == 0) {
            const auto* next =
                i + 1 < count ? std::get_if<forms::MenuItemRecord>(&record_.units[i + 1]) : nullptr;
            dropDownHidden = hidden;
            dropDown = nullptr;
            if (hidden) continue;
            if (next != nullptr && next->level > 0) {
                dropDown = bar->addMenu(caption);
                action = dropDown->menuAction();
            } else {
                action = bar->addAction(caption);
            }
        } else {
            if (hidden || dropDownHidden || dropDown == nullptr) continue;
            action = dropDown->addAction(caption);
        }
        action->setEnabled((item->flags & forms::kMenuDisabled) == 0);
        if ((item->flags & forms::kMenuTicked) != 0) {
            action->setCheckable(true);
            action->setChecked(true);
        }
        if (dropDown == nullptr || item->level > 0) {
            const uint32_t windowId = record_.windowId;
            const uint32_t itemId = item->id;
            connect(action, &QAction::triggered, this,
                    [windowId, itemId] { FireEvent(windowId, itemId, 0); });
        }
    }
}

void FormWindow::route(QObject* object, uint32_t unitId) {
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

bool FormWindow::isPassedUp(const QObject* watched) const {
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

std::optional<uint32_t> FormWindow::unitOf(QObject* object) const {
    auto found = routes_.find(object);
    if (found == routes_.end()) return std::nullopt;
    return found.value();
}

const KindDescriptor* FormWindow::kindOf(uint32_t unitId) const {
    const forms::Unit* unit = forms::FindUnit(record_, unitId);
    const auto* record = unit ? std::get_if<forms::UnitRecord>(unit) : nullptr;
    return record != nullptr ? FindKindDescriptor(record->kind) : nullptr;
}

bool FormWindow::eventFilter(QObject* watched, QEvent* event) {
    if (!IsInputEvent(event->type())) return QMainWindow::eventFilter(watched, event);
    const std::optional<uint32_t> unitId = unitOf(watched);
    auto* target = qobject_cast<QWidget*>(watched);
    if (!unitId || target == nullptr || gone_) return QMainWindow::eventFilter(watched, event);
    // A key that the focused control leaves unused goes no further: its
    // container must neither act on it again nor raise a second event.
    // A control's drop-down list is a pop-up window of its own: the keys
    // typed there are the list's (Escape closes it, Return chooses, the
    // arrows move its highlight), never this window's.
    if (IsKeyEvent(event->type()) && target->window() != this) {
        return QMainWindow::eventFilter(watched, event);
    }
    if (IsKeyEvent(event->type()) && isPassedUp(watched)) return true;
    if (event->type() == QEvent::KeyPress && handleKey(*unitId, *static_cast<QKeyEvent*>(event))) {
        return true;
    }
    if (handleDrag(*unitId, *event)) return true;
    raiseCommonEvent(*unitId, target, *event);
    return QMainWindow::eventFilter(watched, event);
}

bool FormWindow::handleKey(uint32_t unitId, QKeyEvent& key) {
    if (switchPage(key)) return true;
    const KindDescriptor* kind = kindOf(unitId);
    QWidget* owner = unitId == ownUnit().id ? clientArea_ : control(unitId);
    if (kind != nullptr && kind->routines.wantsKey != nullptr && owner != nullptr &&
        kind->routines.wantsKey(owner, key.key())) {
        return false;
    }
    switch (key.key()) {
        case Qt::Key_Escape:
            if (data_.escCloses == 0) return false;
            close();
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
            return data_.f1OpensHelp != 0;
        default:
            return false;
    }
}

bool FormWindow::isDefaultButton(uint32_t unitId) const {
    const KindDescriptor* kind = kindOf(unitId);
    // A control not made yet lies on a hidden page, so it is no default
    // button now.
    QWidget* widget = existingControl(unitId);
    if (kind == nullptr || kind->code != uint32_t(forms::KindCode::Button) || widget == nullptr) {
        return false;
    }
    if (!widget->isVisible() || !widget->isEnabled()) return false;
    return kind->routines.getProperty(widget, kDefaultButtonIndex).AsUnsigned() ==
           forms::kDefaultPushButton;
}

bool FormWindow::raiseClick(uint32_t unitId) {
    FireEvent(windowId(), unitId, int32_t(forms::ButtonEvent::Clicked));
    return true;
}

bool FormWindow::pressEnter(uint32_t unitId) {
    if (isDefaultButton(unitId)) return raiseClick(unitId);
    if (data_.enterMovesFocus != 0) {
        moveFocus(unitId, true, true);
        return true;
    }
    for (uint32_t candidate : unitOrder_) {
        if (isDefaultButton(candidate)) return raiseClick(candidate);
    }
    return false;
}

void FormWindow::moveFocus(uint32_t fromUnit, bool forward, bool tabStopsOnly) {
    const size_t count = unitOrder_.size();
    if (count == 0) return;
    auto from = std::find(unitOrder_.begin(), unitOrder_.end(), fromUnit);
    size_t start = from != unitOrder_.end() ? size_t(from - unitOrder_.begin()) : count - 1;
    if (from == unitOrder_.end() && !forward) start = 0;
    for (size_t step = 1; step <= count; ++step) {
        const size_t index = forward ? (start + step) % count : (start + count - step) % count;
        const uint32_t unitId = unitOrder_[index];
        if (!takesFocus(unitId, tabStopsOnly)) continue;
        existingControl(unitId)->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        return;
    }
}

void FormWindow::focusFirstTabStop() {
    if (!focusFirstTabStopWithin(nullptr)) return;
    // The window takes the keyboard later, for a reason that selects
    // nothing: the text is selected now, so that typing replaces it.
    if (auto* line = qobject_cast<QLineEdit*>(focusWidget())) line->selectAll();
}

bool FormWindow::focusFirstTabStopWithin(const QWidget* area) {
    for (uint32_t unitId : unitsInsideOut()) {
        const KindDescriptor* kind = kindOf(unitId);
        if (kind == nullptr || kind->code == uint32_t(forms::KindCode::TabControl)) continue;
        if (!takesFocus(unitId, true)) continue;
        QWidget* widget = existingControl(unitId);
        if (area != nullptr && !area->isAncestorOf(widget)) continue;
        widget->setFocus(Qt::TabFocusReason);
        return true;
    }
    return false;
}

// The tab control that page keys switch: the one holding the keyboard,
// else the window's first.
QTabWidget* FormWindow::tabControlForPageKeys() const {
    QTabWidget* first = nullptr;
    for (uint32_t unitId : unitOrder_) {
        auto* tabs = dynamic_cast<QTabWidget*>(existingControl(unitId));
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
bool FormWindow::switchPage(const QKeyEvent& key) {
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
std::vector<uint32_t> FormWindow::unitsInsideOut() const {
    std::set<uint32_t> held;
    for (uint32_t unitId : unitOrder_) {
        const auto* unit = std::get_if<forms::UnitRecord>(forms::FindUnit(record_, unitId));
        if (unit != nullptr) held.insert(unit->children.begin(), unit->children.end());
    }
    std::vector<uint32_t> order;
    std::set<uint32_t> seen;
    const std::function<void(uint32_t)> visit = [&](uint32_t unitId) {
        if (unitId == 0 || !seen.insert(unitId).second) return;
        order.push_back(unitId);
        const auto* unit = std::get_if<forms::UnitRecord>(forms::FindUnit(record_, unitId));
        if (unit != nullptr) {
            for (uint32_t child : unit->children) visit(child);
        }
    };
    for (uint32_t unitId : unitOrder_) {
        if (!held.contains(unitId)) visit(unitId);
    }
    return order;
}

bool FormWindow::takesFocus(uint32_t unitId, bool tabStopsOnly) const {
    // A control not made yet lies on a hidden page and takes no focus.
    const QWidget* widget = existingControl(unitId);
    const auto* unit = std::get_if<forms::UnitRecord>(forms::FindUnit(record_, unitId));
    if (widget == nullptr || unit == nullptr) return false;
    if (!widget->isVisible() || !widget->isEnabled()) return false;
    const QWidget* focusTaker = widget->focusProxy() != nullptr ? widget->focusProxy() : widget;
    if ((focusTaker->focusPolicy() & Qt::TabFocus) == 0) return false;
    if (!tabStopsOnly || (unit->stateFlags & forms::kTabStop) != 0) return true;
    const KindDescriptor* kind = kindOf(unitId);
    return kind != nullptr && kind->routines.holdsTabStops;
}

bool FormWindow::handleDrag(uint32_t unitId, QEvent& event) {
    if (data_.dragAnywhere == 0) return false;
    const auto* unit = std::get_if<forms::UnitRecord>(forms::FindUnit(record_, unitId));
    if (unit == nullptr || !Draggable(unit->kind)) return false;
    switch (event.type()) {
        case QEvent::MouseButtonPress: {
            auto& mouse = static_cast<QMouseEvent&>(event);
            if (mouse.button() != Qt::LeftButton) return false;
            // Nothing moves yet: a click is no drag. A window manager's move
            // started on the press never ends when the release comes first.
            dragPress_ = mouse.globalPosition().toPoint();
            return true;
        }
        case QEvent::MouseMove:
            return followDrag(static_cast<QMouseEvent&>(event));
        case QEvent::MouseButtonRelease:
            if (!dragPress_ && !dragOffset_) return false;
            dragPress_.reset();
            dragOffset_.reset();
            return true;
        default:
            return false;
    }
}

bool FormWindow::followDrag(const QMouseEvent& mouse) {
    const QPoint pointer = mouse.globalPosition().toPoint();
    if (dragOffset_) {
        move(pointer - *dragOffset_);
        return true;
    }
    if (!dragPress_) return false;
    // A release that never arrived leaves the button up: no drag then.
    if ((mouse.buttons() & Qt::LeftButton) == 0) {
        dragPress_.reset();
        return false;
    }
    if ((pointer - *dragPress_).manhattanLength() <
        QGuiApplication::styleHints()->startDragDistance())
        return true;
    const QPoint press = *dragPress_;
    dragPress_.reset();
    // A window manager moves the window itself; without one the window
    // follows the pointer, keeping the point pressed under it.
    if (windowHandle() != nullptr && windowHandle()->startSystemMove()) return true;
    dragOffset_ = press - frameGeometry().topLeft();
    move(pointer - *dragOffset_);
    return true;
}

bool FormWindow::raiseCommonEvent(uint32_t unitId, QWidget* target, QEvent& event) {
    QWidget* owner = unitId == ownUnit().id ? clientArea_ : control(unitId);
    if (owner == nullptr) return false;
    const auto raise = [&](forms::CommonEvent common, std::span<const int32_t> args) {
        FireEvent(windowId(), unitId, int32_t(common), args);
    };
    const auto raiseMouse = [&](forms::CommonEvent common, const QMouseEvent& mouse) {
        const QPoint at = target->mapTo(owner, mouse.position().toPoint());
        const int32_t args[] = {at.x(), at.y(), ModifierState(mouse.modifiers())};
        raise(common, args);
    };
    switch (event.type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick: {
            const auto& mouse = static_cast<const QMouseEvent&>(event);
            const bool left = mouse.button() == Qt::LeftButton;
            const bool right = mouse.button() == Qt::RightButton;
            if (event.type() == QEvent::MouseButtonPress && (left || right)) {
                raiseMouse(left ? forms::CommonEvent::LeftDown : forms::CommonEvent::RightDown,
                           mouse);
            } else if (event.type() == QEvent::MouseButtonRelease && (left || right)) {
                raiseMouse(left ? forms::CommonEvent::LeftUp : forms::CommonEvent::RightUp, mouse);
            } else if (event.type() == QEvent::MouseButtonDblClick && left) {
                raiseMouse(forms::CommonEvent::LeftDouble, mouse);
            }
            return true;
        }
        case QEvent::MouseMove:
            raiseMouse(forms::CommonEvent::MouseMove, static_cast<const QMouseEvent&>(event));
            return true;
        case QEvent::FocusIn:
        case QEvent::FocusOut: {
            const auto& focus = static_cast<const QFocusEvent&>(event);
            // Opening a drop-down list keeps the focus with its box.
            if (focus.reason() == Qt::PopupFocusReason) return false;
            raise(event.type() == QEvent::FocusIn ? forms::CommonEvent::GotFocus
                                                  : forms::CommonEvent::LostFocus,
                  {});
            return true;
        }
        case QEvent::KeyPress:
        case QEvent::KeyRelease: {
            const auto& key = static_cast<const QKeyEvent&>(event);
            const int32_t args[] = {VirtualKeyCode(key.key(), key.modifiers()),
                                    ModifierState(key.modifiers())};
            raise(event.type() == QEvent::KeyPress ? forms::CommonEvent::KeyDown
                                                   : forms::CommonEvent::KeyUp,
                  args);
            if (event.type() == QEvent::KeyPress) {
                for (int32_t code : CharacterCodes(key.text())) {
                    raise(forms::CommonEvent::Character, std::span<const int32_t>(&code, 1));
                }
            }
            return true;
        }
        case QEvent::Wheel: {
            const auto& wheel = static_cast<const QWheelEvent&>(event);
            const int32_t args[] = {wheel.angleDelta().y() / kWheelNotch,
                                    ModifierState(wheel.modifiers())};
            raise(forms::CommonEvent::Wheel, args);
            return true;
        }
        default:
            return false;
    }
}

void FormWindow::leaveHandler() {
    if (--runningHandlers_ == 0 && deletePending_) deleteLater();
}

void FormWindow::deleteWhenHandlersReturn() {
    if (runningHandlers_ == 0) return deleteLater();
    deletePending_ = true;
}

void FormWindow::closeEvent(QCloseEvent* event) {
    if (gone_) return event->accept();
    // While another window is modal this one refuses a close request, as
    // its close box would refuse a click.
    const QWidget* modal = QApplication::activeModalWidget();
    if (modal != nullptr && modal != this) return event->ignore();
    if (FireEvent(windowId(), 0, int32_t(forms::WindowEvent::CloseRequested)) != 0)
        return event->ignore();
    event->accept();
    DestroyFormWindow(windowId());
}

void FormWindow::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    if (centreFrame_ && windowHandle() != nullptr && !windowHandle()->frameMargins().isNull()) {
        centreFrame_ = false;
        if (auto corner = platform::CentredOnScreen(frameGeometry().size())) move(*corner);
    }
    if (announced_ && !gone_) FireEvent(windowId(), 0, int32_t(forms::WindowEvent::Moved));
}

void FormWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (announced_ && !gone_) FireEvent(windowId(), 0, int32_t(forms::WindowEvent::Resized));
}

}  // namespace controls
