// A loaded window: its frame, its menu bar, and its controls' places,
// pages and visibility.

#include "controls/form_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QTabWidget>
#include <QWindow>
#include <algorithm>

#include "controls/control_model.h"
#include "controls/kind_registry.h"
#include "controls/kind_support.h"
#include "controls/menu_bar.h"
#include "controls/paged_control.h"
#include "forms/kinds_table.h"
#include "platform/platform.h"

namespace controls {
namespace {

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

}  // namespace

FormWindow::FormWindow(forms::WindowRecord& record, const forms::WindowData& data, QWidget* owner)
    : QMainWindow(owner), record_(record) {
    clientArea_ = new QWidget(this);
    setCentralWidget(clientArea_);
    input_.route(clientArea_, ownUnit().id);
    setData(data);
}

FormWindow::~FormWindow() {
    // A window deleted by Qt (with its owner, say) leaves the table too.
    if (!gone_) ReportUnitGone(windowId(), 0);
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
    input_.route(control, unit.id);
    for (QWidget* part : control->findChildren<QWidget*>()) input_.route(part, unit.id);
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
    const auto* unit = forms::FindUnitRecord(record_, unitId);
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
    menuBar()->clear();
    FillMenuBar(*menuBar(), record_);
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
