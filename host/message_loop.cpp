// The message loop and its idle phase.
//
// On Qt the loop blocks in the event dispatcher (processEvents with
// WaitForMoreEvents) and returns when the quit message has arrived or, in
// modal mode, when the modal window is gone. The idle phase is a sequence of
// idle rounds, each run by the message object's zero-interval timer once the
// queued events are handled: activity arms it with the idle counter back at
// 0, and a round re-arms it only while idle processing asks for more, so the
// loop never spins on its own.

#include <QCoreApplication>
#include <QEventLoop>
#include <QWidget>

#include "controls/control_model.h"
#include "host/message_object.h"
#include "host/runtime_app.h"
#include "runtime/errors.h"

namespace host {
namespace {

// Idle rounds 0 and 1 are the platform's own idle work; window event 7 is
// fired from round 2 on.
constexpr int32_t kFirstWindowIdleRound = 2;

}  // namespace

void RuntimeApp::RunMessageLoop() {
    started_ = true;
    if (!controls::LoadedWindowIds().empty()) RunLoop(LoopMode::Normal);
}

void RuntimeApp::RunLoop(LoopMode mode) {
    NoteActivity();
    while (!LoopShouldReturn(mode)) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
}

// The quit message is not consumed by a modal loop: the flag stays set, so
// the outer loop ends as soon as control returns to it.
bool RuntimeApp::LoopShouldReturn(LoopMode mode) const {
    return quitReceived_ || (mode == LoopMode::Modal && ModalWindowGone());
}

void RuntimeApp::HandleQuitMessage(int32_t) {
    quitReceived_ = true;
}

void RuntimeApp::NoteActivity() {
    idleCounter_ = 0;
    ArmIdleRound();
}

void RuntimeApp::ArmIdleRound() {
    if (messageObject_ != nullptr) messageObject_->ArmIdleTimer();
}

// No idle work runs once the run is ending or a runtime error is being
// reported: no control event may reach the engine any more.
void RuntimeApp::RunIdleRound() {
    if (exitInProgress_ || runtime::ErrorCount() != 0) return;
    DeleteDestroyedWidgets();
    CallIdleCallbacks();
    if (IdleProcessing(idleCounter_++)) ArmIdleRound();
}

// A destroyed window leaves the window table at once, but Qt deletes its
// widgets only when control is back in an event loop. Deleting them before
// the idle callbacks are looked at means a callback of a destroyed window
// finds its widget gone. Deletions asked for by a handler that is still
// running (one that opened a modal window) wait for it to return.
void RuntimeApp::DeleteDestroyedWidgets() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Last entry first; an entry whose window is gone is dropped uncalled. A
// routine may add or remove entries, so the index is checked every step.
void RuntimeApp::CallIdleCallbacks() {
    for (size_t i = idleCallbacks_.size(); i-- > 0;) {
        if (i >= idleCallbacks_.size()) continue;
        const IdleEntry entry = idleCallbacks_[i];
        if (entry.window.isNull()) {
            idleCallbacks_.erase(idleCallbacks_.begin() + std::ptrdiff_t(i));
            continue;
        }
        entry.routine(entry.parameter);
    }
}

// The application's idle processing for one round; true asks for another.
bool RuntimeApp::IdleProcessing(int32_t counter) {
    if (counter == 0) {
        idleClock_.start();
        windowsDecliningIdle_.clear();
    }
    // Qt's share of the idle work, deleting the widgets of destroyed
    // windows, is done at the start of every round.
    if (counter < kFirstWindowIdleRound) return true;
    return FireIdleEvents();
}

// Event 7 to every loaded window that has not declined, with the
// milliseconds since round 0; a window whose handler does not answer true
// has declined until the next idle phase.
bool RuntimeApp::FireIdleEvents() {
    bool wantsMore = false;
    const int32_t elapsed[] = {int32_t(idleClock_.elapsed())};
    for (uint32_t windowId : controls::LoadedWindowIds()) {
        if (windowsDecliningIdle_.count(windowId) != 0) continue;
        if (controls::LoadedWindow(windowId) == nullptr) continue;
        if (controls::FireEvent(windowId, 0, int32_t(forms::WindowEvent::Idle), elapsed) != 0) {
            wantsMore = true;
        } else {
            windowsDecliningIdle_.insert(windowId);
        }
    }
    return wantsMore;
}

void RuntimeApp::AddIdleCallback(QWidget* window, IdleRoutine routine, uintptr_t parameter) {
    if (window == nullptr || routine == nullptr) return;
    // An entry left by a deleted widget at the same address does not count.
    std::erase_if(idleCallbacks_, [window](const IdleEntry& entry) {
        return entry.key == window && entry.window.isNull();
    });
    for (const IdleEntry& entry : idleCallbacks_) {
        if (entry.key == window) return;
    }
    idleCallbacks_.push_back({window, window, routine, parameter});
}

void RuntimeApp::RemoveIdleCallback(QWidget* window) {
    std::erase_if(idleCallbacks_, [window](const IdleEntry& entry) { return entry.key == window; });
}

}  // namespace host
