// The window table: the template records and the windows loaded now, with
// opening, announcing and destroying windows.

#include <QCoreApplication>
#include <QPointer>
#include <QWindow>
#include <map>

#include "controls/control_model.h"
#include "controls/events.h"
#include "controls/form_window.h"
#include "controls/window_builder.h"

namespace controls {
namespace {

struct Table {
    forms::TemplateData records;
    std::map<uint32_t, QPointer<FormWindow>> loaded;
    WindowGoneHook windowGone = nullptr;
};

Table& TheTable() {
    static Table table;
    return table;
}

}  // namespace

void InstallWindowTable(forms::TemplateData data) {
    for (uint32_t windowId : LoadedWindowIds()) DestroyFormWindow(windowId);
    TheTable().records = std::move(data);
}

forms::TemplateData& WindowTableRecords() {
    return TheTable().records;
}

FormWindow* CreateFormWindow(uint32_t windowId, QWidget* owner) {
    forms::WindowRecord* record = forms::FindWindow(TheTable().records, windowId);
    if (record == nullptr) return nullptr;
    // Controls raise nothing while they are being built; the window's events
    // start once the whole window exists.
    FormWindow* window = nullptr;
    {
        const EventPause pause;
        window = BuildFormWindow(*record, owner);
    }
    if (window != nullptr) TheTable().loaded[windowId] = window;
    return window;
}

void AnnounceFormWindow(uint32_t windowId) {
    FireEvent(windowId, 0, int32_t(forms::WindowEvent::Created));
    if (LoadedWindow(windowId) == nullptr) return;
    FireEvent(windowId, 0, int32_t(forms::WindowEvent::Moved));
    if (LoadedWindow(windowId) == nullptr) return;
    FireEvent(windowId, 0, int32_t(forms::WindowEvent::Resized));
    if (FormWindow* window = LoadedWindow(windowId)) window->markAnnounced();
}

bool OpenFormWindow(uint32_t windowId, QWidget* owner, Modality modality, QWidget* stayAbove) {
    FormWindow* window = CreateFormWindow(windowId, owner);
    if (window == nullptr) return false;
    if (modality == Modality::Modal) window->setWindowModality(Qt::ApplicationModal);
    if (stayAbove != nullptr && stayAbove->windowHandle() != nullptr) {
        // X window managers keep only dialog-type windows above the window
        // they are transient for.
        window->setWindowFlags((window->windowFlags() & ~Qt::WindowType_Mask) | Qt::Dialog);
        window->winId();
        window->windowHandle()->setTransientParent(stayAbove->windowHandle());
    }
    window->show();
    window->focusFirstTabStop();
    AnnounceFormWindow(windowId);
    return true;
}

FormWindow* LoadedWindow(uint32_t windowId) {
    auto found = TheTable().loaded.find(windowId);
    if (found == TheTable().loaded.end() || found->second.isNull() || found->second->isGone()) {
        return nullptr;
    }
    return found->second.data();
}

QWidget* LoadedWindowWidget(uint32_t windowId) {
    return LoadedWindow(windowId);
}

std::vector<uint32_t> LoadedWindowIds() {
    std::vector<uint32_t> ids;
    for (const auto& [windowId, window] : TheTable().loaded) {
        if (LoadedWindow(windowId) != nullptr) ids.push_back(windowId);
    }
    return ids;
}

QWidget* LiveControl(uint32_t windowId, uint32_t unitId) {
    FormWindow* window = LoadedWindow(windowId);
    if (window == nullptr) return nullptr;
    if (unitId == 0 || unitId == window->ownUnit().id) return window;
    return window->control(unitId);
}

void DestroyFormWindow(uint32_t windowId) {
    FormWindow* window = LoadedWindow(windowId);
    if (window == nullptr) return;
    FireEvent(windowId, 0, int32_t(forms::WindowEvent::Destroying));
    // The handler may have destroyed the window already.
    window = LoadedWindow(windowId);
    if (window == nullptr) return;
    ReportUnitGone(windowId, 0);
    // Hiding a window makes its controls lose the focus and close their
    // lists; a window that has left the table raises nothing more.
    const EventPause pause;
    window->hide();
    window->deleteWhenHandlersReturn();
}

void SetWindowGoneHook(WindowGoneHook hook) {
    TheTable().windowGone = hook;
}

void ReportUnitGone(uint32_t windowId, uint32_t unitId) {
    Table& table = TheTable();
    auto found = table.loaded.find(windowId);
    if (found == table.loaded.end()) return;
    FormWindow* window = found->second.data();
    if (unitId != 0 && window != nullptr && unitId != window->ownUnit().id) {
        window->forgetControl(unitId);
        return;
    }
    if (window != nullptr) window->markGone();
    table.loaded.erase(found);
    if (table.windowGone != nullptr) table.windowGone(windowId, LoadedWindowIds().size());
}

void FillPropertyHooks(runtime::RuntimeHost& host) {
    host.readProperty = ReadUnitProperty;
    host.writeProperty = WriteUnitProperty;
}

}  // namespace controls
