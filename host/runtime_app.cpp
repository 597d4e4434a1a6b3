#include "host/runtime_app.h"

#include <QApplication>
#include <QDir>
#include <QTimer>
#include <cerrno>
#include <cfenv>
#include <cstdio>
#include <cstdlib>

#include "controls/control_model.h"
#include "host/message_object.h"
#include "platform/error_box.h"
#include "platform/platform.h"
#include "platform/program_style.h"
#include "runtime/heap.h"

namespace host {
namespace {

RuntimeApp*& CurrentApp() {
    static RuntimeApp* app = nullptr;
    return app;
}

void HostInitialise() {
    CurrentApp()->Initialise();
}

void HostLoadStartWindow(uint32_t windowId) {
    CurrentApp()->LoadStartWindow(windowId);
}

void HostRunMessageLoop() {
    CurrentApp()->RunMessageLoop();
}

[[noreturn]] void HostExitProgram(int32_t exitCode) {
    CurrentApp()->ExitProgram(exitCode);
}

bool HostLoadWindow(uint32_t windowId, uint32_t parentWindowId, bool hasParent, bool modal) {
    return CurrentApp()->LoadWindow(windowId, parentWindowId, hasParent, modal);
}

void HostCloseWindow(uint32_t windowId, uint32_t unitId, bool atOnce) {
    CurrentApp()->CloseWindow(windowId, unitId, atOnce);
}

runtime::RuntimeHost MakeHost() {
    runtime::RuntimeHost host{};
    controls::FillPropertyHooks(host);
    host.initialise = HostInitialise;
    host.loadStartWindow = HostLoadStartWindow;
    host.runMessageLoop = HostRunMessageLoop;
    host.exitProgram = HostExitProgram;
    host.loadWindow = HostLoadWindow;
    host.closeWindow = HostCloseWindow;
    return host;
}

const runtime::RuntimeHost& Host() {
    static const runtime::RuntimeHost host = MakeHost();
    return host;
}

// The floating-point environment every computation of the program expects:
// all exceptions masked (bad input gives infinities and NaNs, never a trap)
// and round to nearest. Extended precision is a setting of the x87 unit only;
// doubles on x86-64 are computed in SSE registers at their own precision.
void ResetFloatingPoint() {
    std::feclearexcept(FE_ALL_EXCEPT);
    std::fesetround(FE_TONEAREST);
    fedisableexcept(FE_ALL_EXCEPT);
}

// Without a reachable display Qt ends the process with advice to reinstall
// the program. While the application object is made, the messages of that
// failure are held back and the program says in one line what is wrong.
constexpr int kNoDisplayExitCode = 1;
constexpr QLatin1StringView kXcbCategory("qt.qpa.xcb");
constexpr QLatin1StringView kPluginCategory("qt.qpa.plugin");
constexpr QLatin1StringView kDisplayFailure("could not connect to display");
QtMessageHandler startUpPassOn = nullptr;
bool displayUnreachable = false;

[[noreturn]] void ReportNoDisplay() {
    const char* display = std::getenv("DISPLAY");
    if (display == nullptr || *display == '\0') {
        std::fprintf(stderr, "%s: no display to open: DISPLAY is not set\n",
                     program_invocation_short_name);
    } else {
        std::fprintf(stderr, "%s: cannot open the display \"%s\"\n", program_invocation_short_name,
                     display);
    }
    std::_Exit(kNoDisplayExitCode);
}

void StartUpMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    const QLatin1StringView category(context.category != nullptr ? context.category : "");
    if (category == kXcbCategory && message.startsWith(kDisplayFailure)) {
        displayUnreachable = true;
        return;
    }
    if (displayUnreachable && type == QtFatalMsg) ReportNoDisplay();
    // Qt's note that the platform plugin did not load follows the failure.
    if (displayUnreachable && category == kPluginCategory) return;
    startUpPassOn(type, context, message);
}

std::unique_ptr<QApplication> StartApplication(int& argc, char** argv) {
    startUpPassOn = qInstallMessageHandler(StartUpMessage);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(startUpPassOn);
    return application;
}

}  // namespace

RuntimeApp::RuntimeApp(int& argc, char** argv, const ProgramHeader& header)
    : header_(header), userInterfaceThread_(std::this_thread::get_id()) {
    // Tests run several programs inside one QApplication of their own.
    if (QCoreApplication::instance() == nullptr) ownedApplication_ = StartApplication(argc, argv);
    // The runtime ends the program itself when its last window is gone.
    QApplication::setQuitOnLastWindowClosed(false);
    CurrentApp() = this;
}

RuntimeApp::~RuntimeApp() {
    ReleaseObjects();
    if (runtime::InstalledRuntimeHost() == &Host()) runtime::InstallRuntimeHost(nullptr);
    CurrentApp() = nullptr;
}

RuntimeApp* RuntimeApp::Instance() {
    return CurrentApp();
}

int RuntimeApp::Run() {
    InstallPlatform();
    if (header_.entryRoutine != nullptr) header_.entryRoutine(runtime::Services());
    Shutdown(ShutdownKind::ExitHook);
    return 0;
}

// Fonts, translations and the error box come before any widget exists, the
// host before the engine can ask for anything.
void RuntimeApp::InstallPlatform() {
    platform::InstallProgramStyle();
    platform::InstallFonts();
    platform::InstallTranslations();
    platform::InstallErrorBox();
    runtime::InstallRuntimeHost(&Host());
    controls::SetWindowGoneHook(WindowGoneHook);
}

void RuntimeApp::Initialise() {
    RecordProgramPath();
    messageObject_ = std::make_unique<MessageObject>(*this);
    messageTarget_.store(messageObject_.get());
    userInterfaceThread_ = std::this_thread::get_id();
    recordedVersion_ = header_.versionWord + 1;
    if (!header_.constantPool.empty()) {
        runtime::StaticBlockList::Register(header_.constantPool.data(),
                                           header_.constantPool.size());
    }
    StartSupportLibraries();
    controls::InstallWindowTable(forms::LoadTemplate(header_.formTemplate, header_.codeBase));
    ResetFloatingPoint();
}

// The program's own directory becomes the working directory, whatever the
// caller's was.
void RuntimeApp::RecordProgramPath() {
    const QString path = QCoreApplication::applicationFilePath();
    const qsizetype split = path.lastIndexOf(QLatin1Char('/'));
    const QString directory = split < 0 ? QString() : path.left(split);
    programFileName_ = path.mid(split + 1);
    if (!directory.isEmpty()) QDir::setCurrent(directory);
}

void RuntimeApp::StartSupportLibraries() {
    for (const SupportLibrary& library : header_.supportLibraries) {
        controls::RegisterKinds(library.kinds);
    }
    NotifySupportLibraries(LibraryNotice::Started);
}

void RuntimeApp::NotifySupportLibraries(LibraryNotice notice) {
    for (const SupportLibrary& library : header_.supportLibraries) {
        if (library.notify != nullptr) library.notify(notice, RuntimeRequestEntry);
    }
}

bool RuntimeApp::OnUserInterfaceThread() const {
    return std::this_thread::get_id() == userInterfaceThread_;
}

}  // namespace host
