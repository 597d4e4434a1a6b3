// The end of the run: the exit hook after the message loop, ExitProgram and
// runtime errors all come through Shutdown. Only the user-interface thread
// shuts down; another thread hands its exit code over as the exit request.

#include <QCoreApplication>
#include <QSemaphore>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "controls/control_model.h"
#include "host/message_object.h"
#include "host/runtime_app.h"
#include "runtime/errors.h"

namespace host {
namespace {

// Ends the process with the code at once (-1 is seen as 255 on Linux). The
// windows and the QApplication are not torn down: the process is gone.
[[noreturn]] void EndProcess(int32_t exitCode) {
    std::fflush(nullptr);
    std::_Exit(exitCode);
}

// The calling thread waits for the user-interface thread to end the process.
[[noreturn]] void WaitForProcessEnd() {
    for (;;) std::this_thread::sleep_for(std::chrono::hours(1));
}

}  // namespace

void RuntimeApp::ExitProgram(int32_t exitCode) {
    if (!OnUserInterfaceThread()) RequestExitFromOtherThread(exitCode);
    // An exit asked for while the shutdown runs (by the exit routine, say)
    // ends the process where it stands.
    if (exitInProgress_) EndProcess(exitCode);
    Shutdown(ShutdownKind::ExitProgram);
    EndProcess(exitCode);
}

void RuntimeApp::RequestExitFromOtherThread(int32_t exitCode) {
    MessageObject* target = messageTarget_.load();
    if (target == nullptr) EndProcess(exitCode);
    QSemaphore handled;
    QCoreApplication::postEvent(target, new ExitRequestEvent(exitCode, &handled));
    handled.acquire();
    if (!exitInProgress_) EndProcess(exitCode);
    WaitForProcessEnd();
}

void RuntimeApp::Shutdown(ShutdownKind kind) {
    exitInProgress_ = true;
    runtime::IncrementErrorCount();
    idleCallbacks_.clear();
    controls::InstallWindowTable(forms::TemplateData{});
    if (runtime::EngineRoutine routine = runtime::RegisteredExitRoutine()) {
        runtime::ForgetExitRoutine();
        routine();
    }
    NotifySupportLibraries(LibraryNotice::RunEnding);
    // The program imports no external commands, so there are no external
    // libraries to release. What remains is released here on the way back
    // to the entry; ExitProgram ends the process instead.
    if (kind == ShutdownKind::ExitHook) ReleaseObjects();
}

// The windows' widgets, whose deletion was deferred, and the message object.
void RuntimeApp::ReleaseObjects() {
    if (QCoreApplication::instance() != nullptr) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    messageTarget_.store(nullptr);
    messageObject_.reset();
}

}  // namespace host
