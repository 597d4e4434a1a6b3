// Loading and closing form windows: the start window, the LoadWindow and
// CloseWindow commands, the modal wait, and what the end of a window means
// for the run.

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QCoreApplication>
#include <QPointer>
#include <QWidget>

#include "controls/control_model.h"
#include "host/message_object.h"
#include "host/runtime_app.h"
#include "runtime/errors.h"

namespace host {
namespace {

// A unit ID whose top four bits are 0 names the window itself.
bool NamesWindowItself(uint32_t unitId) {
    return (unitId >> 28) == 0;
}

void BringForward(QWidget* window) {
    if (window->isMinimized()) {
        window->showNormal();
        return;
    }
    window->raise();
    window->activateWindow();
}

void GiveFocusBack(QWidget* control) {
    if (control == nullptr || !control->isVisible() || !control->isEnabled()) return;
    control->activateWindow();
    control->setFocus(Qt::ActiveWindowFocusReason);
}

// The window a modal window stays above: its owner, else the window whose
// handler is opening it.
QWidget* OpeningWindow(QWidget* owner) {
    if (owner != nullptr) return owner;
    return controls::LoadedWindowWidget(controls::CurrentEventSource().windowId);
}

}  // namespace

void RuntimeApp::LoadStartWindow(uint32_t windowId) {
    if (forms::FindWindow(controls::WindowTableRecords(), windowId) == nullptr ||
        !controls::OpenFormWindow(windowId)) {
        runtime::FatalRuntimeErrorUtf8(runtime::error_message::StartWindowFailed);
    }
    // The start window's icon stands for the program: windows without an
    // icon of their own and the desktop's task bar show it.
    const QWidget* startWindow = controls::LoadedWindowWidget(windowId);
    if (startWindow != nullptr && !startWindow->windowIcon().isNull()) {
        QApplication::setWindowIcon(startWindow->windowIcon());
    }
}

bool RuntimeApp::LoadWindow(uint32_t windowId, uint32_t parentWindowId, bool hasParent,
                            bool modal) {
    QWidget* owner = nullptr;
    if (hasParent) {
        owner = controls::LoadedWindowWidget(parentWindowId);
        if (owner == nullptr) return false;
    }
    if (QWidget* loaded = controls::LoadedWindowWidget(windowId)) {
        if (closingWindows_.count(windowId) == 0) {
            BringForward(loaded);
            return true;
        }
        controls::DestroyFormWindow(windowId);
    }
    // A modal window takes the keyboard from the control that had it; that
    // control gets it back when the modal window has gone.
    const QPointer<QWidget> focused = QApplication::focusWidget();
    const auto modality = modal ? controls::Modality::Modal : controls::Modality::Modeless;
    if (!controls::OpenFormWindow(windowId, owner, modality,
                                  modal ? OpeningWindow(owner) : nullptr)) {
        return false;
    }
    if (!modal) return true;
    RunModal(windowId);
    GiveFocusBack(focused);
    return true;
}

// The loop runs in modal mode until the modal window is gone; the platform
// keeps input from the other windows meanwhile. Modal windows nest: the
// outer wait resumes when the inner one ends.
void RuntimeApp::RunModal(uint32_t windowId) {
    const uint32_t outerModalWindow = modalWindow_;
    const bool outerModalWindowGone = modalWindowGone_;
    modalWindow_ = windowId;
    modalWindowGone_ = false;
    RunLoop(LoopMode::Modal);
    modalWindow_ = outerModalWindow;
    modalWindowGone_ = outerModalWindowGone;
}

bool RuntimeApp::ModalWindowGone() const {
    return modalWindowGone_ || controls::LoadedWindow(modalWindow_) == nullptr;
}

void RuntimeApp::CloseWindow(uint32_t windowId, uint32_t unitId, bool atOnce) {
    QWidget* window = controls::LoadedWindowWidget(windowId);
    if (window == nullptr)
        runtime::FatalRuntimeErrorUtf8(runtime::error_message::WindowOrUnitMissing);
    if (!NamesWindowItself(unitId)) {
        // Only windows close; a reference to a control must at least name
        // one that exists.
        if (controls::LiveControl(windowId, unitId) == nullptr) {
            runtime::FatalRuntimeErrorUtf8(runtime::error_message::WindowOrUnitMissing);
        }
        return;
    }
    closingWindows_.insert(windowId);
    if (atOnce) {
        controls::DestroyFormWindow(windowId);
        return;
    }
    // Handled after the running handler has returned to the loop.
    QCoreApplication::postEvent(window, new CloseWindowEvent(windowId));
}

void RuntimeApp::HandleCloseWindowMessage(uint32_t windowId) {
    if (closingWindows_.erase(windowId) == 0) return;
    controls::DestroyFormWindow(windowId);
}

void RuntimeApp::ReportUnitGone(uint32_t windowId, uint32_t unitId) {
    controls::ReportUnitGone(windowId, unitId);
    if (NamesWindowItself(unitId) && windowId == modalWindow_) modalWindowGone_ = true;
}

void RuntimeApp::WindowGoneHook(uint32_t windowId, size_t windowsLeft) {
    if (RuntimeApp* app = Instance()) app->OnWindowGone(windowId, windowsLeft);
}

// The end of a window: its closing mark goes, a modal wait for it ends, and
// when it was the last runtime window of a started run the quit message is
// posted.
void RuntimeApp::OnWindowGone(uint32_t windowId, size_t windowsLeft) {
    closingWindows_.erase(windowId);
    if (windowId == modalWindow_) modalWindowGone_ = true;
    if (exitInProgress_) return;
    if (windowsLeft == 0 && started_) PostQuitMessage(0);
    // A loop blocked in the dispatcher looks at its end condition again.
    if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance()) {
        dispatcher->wakeUp();
    }
}

void RuntimeApp::PostQuitMessage(int32_t exitCode) {
    if (messageObject_ != nullptr) messageObject_->PostQuit(exitCode);
}

}  // namespace host
