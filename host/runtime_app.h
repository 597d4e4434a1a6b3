#pragma once
// The life of the process: start-up, the message loop with its idle phase,
// the window commands and shutdown, on Qt Widgets.
//
//   main ──► RuntimeApp::Run ──► engine entry routine
//                                  ├─► RuntimeControl 6 ──► Initialise
//                                  │     (working directory, message object, support
//                                  │      libraries, template ──► window table)
//                                  ├─► LoadStartWindow ──► controls::OpenFormWindow
//                                  └─► RunMessageLoop ──► idle phase / message phase
//   last window gone ──► quit message ──► loop ends ──► shutdown (exit code 0)
//   ExitProgram / runtime error ──► shutdown ──► process ends with its code
//
// RuntimeApp is the one application object of the process; it owns the
// QApplication (unless one exists already, as in tests) and installs itself as
// the runtime's RuntimeHost while it runs. Everything happens on the thread
// that constructed it, the user-interface thread; the only cross-thread path
// is ExitProgram, handed to that thread as the exit request message.

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <atomic>
#include <cstdint>
#include <memory>
#include <set>
#include <span>
#include <thread>
#include <vector>

#include "controls/kind_registry.h"
#include "host/message_object.h"
#include "runtime/services.h"

class QApplication;

namespace host {

// The runtime's request entry as the support libraries receive it. Requests
// that answer an object (the window table, a control, a heap block) return
// its address, so the result is pointer-wide.
using RequestEntry = intptr_t (*)(runtime::RuntimeRequest code, uintptr_t p1, uintptr_t p2);
intptr_t RuntimeRequestEntry(runtime::RuntimeRequest code, uintptr_t p1, uintptr_t p2);

// What a support library is told: once at start-up (with the request entry)
// and once when the run is ending.
enum class LibraryNotice { Started, RunEnding };

struct SupportLibrary {
    const char* name;
    void (*notify)(LibraryNotice notice, RequestEntry entry);
    // The control kinds the library brings, registered when it starts.
    std::span<const controls::KindMaker> kinds;
};

// The engine's entry routine: the start hook calls it and the program ends
// when it returns.
using EntryRoutine = int (*)(const runtime::RuntimeServices& services);

// The constant record that describes the program to the runtime.
struct ProgramHeader {
    uint32_t modeWord = 3;
    uint32_t reserved = 0;
    uint32_t versionWord = 0x10480;
    // The engine's procedure table: the base of every handler offset.
    std::span<const runtime::EngineProcedure> codeBase;
    // Literal texts and numbers of the engine; registered as a static block.
    std::span<const uint8_t> constantPool;
    std::span<const uint8_t> formTemplate;
    // In the order they are handed the request entry.
    std::span<const SupportLibrary> supportLibraries;
    uint32_t externalCommandCount = 0;
    EntryRoutine entryRoutine = nullptr;
};

// Request 1012: the routine called with its parameter on every idle round
// while the window it was registered for exists.
using IdleRoutine = void (*)(uintptr_t parameter);
struct IdleCallbackRequest {
    IdleRoutine routine = nullptr;
    uintptr_t parameter = 0;
};

// Request 2005: a window to load as LoadWindow does; parentWindowId 0 means
// no parent.
struct LoadWindowRequest {
    uint32_t windowId = 0;
    uint32_t parentWindowId = 0;
    bool modal = false;
};

class MessageObject;

class RuntimeApp final : public MessageReceiver {
public:
    RuntimeApp(int& argc, char** argv, const ProgramHeader& header);
    ~RuntimeApp();
    RuntimeApp(const RuntimeApp&) = delete;
    RuntimeApp& operator=(const RuntimeApp&) = delete;

    // The application object of the process, or null outside a run.
    static RuntimeApp* Instance();

    // The start hook (the engine's entry routine) followed by the exit hook
    // (the orderly shutdown); returns the process exit code, 0.
    int Run();

    // The start-up services of the service table.
    void Initialise();
    void LoadStartWindow(uint32_t windowId);
    void RunMessageLoop();
    [[noreturn]] void ExitProgram(int32_t exitCode);

    // The window commands.
    bool LoadWindow(uint32_t windowId, uint32_t parentWindowId, bool hasParent, bool modal);
    void CloseWindow(uint32_t windowId, uint32_t unitId, bool atOnce);

    // IdleCallbackList.
    void AddIdleCallback(QWidget* window, IdleRoutine routine, uintptr_t parameter);
    void RemoveIdleCallback(QWidget* window);
    size_t IdleCallbackCount() const { return idleCallbacks_.size(); }

    // Request 2000: a window or control is gone.
    void ReportUnitGone(uint32_t windowId, uint32_t unitId);

    // Handlers of the message object: its messages, activity seen in the
    // application's events, and its idle timer.
    void HandleCloseWindowMessage(uint32_t windowId) override;
    void HandleQuitMessage(int32_t exitCode) override;
    void HandleExitRequest(int32_t exitCode) override { ExitProgram(exitCode); }
    void NoteActivity() override;
    void RunIdleRound() override;

    bool Started() const { return started_; }
    bool ExitInProgress() const override { return exitInProgress_; }
    bool OnUserInterfaceThread() const;
    const QString& ProgramFileName() const { return programFileName_; }
    uint32_t RecordedVersion() const { return recordedVersion_; }

private:
    enum class LoopMode { Normal, Modal };
    struct IdleEntry {
        QPointer<QWidget> window;
        const QWidget* key;
        IdleRoutine routine;
        uintptr_t parameter;
    };

    void InstallPlatform();
    void RecordProgramPath();
    void StartSupportLibraries();
    void NotifySupportLibraries(LibraryNotice notice);

    void RunLoop(LoopMode mode);
    bool LoopShouldReturn(LoopMode mode) const;
    void DeleteDestroyedWidgets();
    void CallIdleCallbacks();
    bool IdleProcessing(int32_t counter);
    bool FireIdleEvents();
    void ArmIdleRound();

    void OnWindowGone(uint32_t windowId, size_t windowsLeft);
    static void WindowGoneHook(uint32_t windowId, size_t windowsLeft);
    void PostQuitMessage(int32_t exitCode);
    void RunModal(uint32_t windowId);
    bool ModalWindowGone() const;

    enum class ShutdownKind { ExitHook, ExitProgram };
    void Shutdown(ShutdownKind kind);
    void ReleaseObjects();
    [[noreturn]] void RequestExitFromOtherThread(int32_t exitCode);

    std::unique_ptr<QApplication> ownedApplication_;
    ProgramHeader header_;
    uint32_t recordedVersion_ = 0;
    std::thread::id userInterfaceThread_;
    QString programFileName_;
    bool started_ = false;
    // Read by a thread that asks for the exit.
    std::atomic<bool> exitInProgress_ = false;
    std::vector<IdleEntry> idleCallbacks_;
    uint32_t modalWindow_ = 0;
    bool modalWindowGone_ = false;
    std::set<uint32_t> closingWindows_;
    bool quitReceived_ = false;
    std::unique_ptr<MessageObject> messageObject_;
    std::atomic<MessageObject*> messageTarget_ = nullptr;
    std::unique_ptr<QTimer> idleTimer_;
    int32_t idleCounter_ = 0;
    QElapsedTimer idleClock_;
    std::set<uint32_t> windowsDecliningIdle_;
};

}  // namespace host
