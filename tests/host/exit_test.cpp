// The ways a run ends the process: ExitProgram from the user-interface
// thread and from another thread, and runtime errors. Each runs as a death
// test, in a fresh copy of the test program.

#include <gmock/gmock.h>

#include <QEventLoop>
#include <QTimer>
#include <cstdio>
#include <thread>

#include "host/runtime_app.h"
#include "runtime/errors.h"
#include "tests/host/app_fixture.h"

namespace app_testing {
namespace {

using ::testing::AllOf;
using ::testing::HasSubstr;
using ::testing::Not;

using ExitTest = AppTest;

void SayWhereTheExitRoutineRuns() {
    const bool onUiThread = host::RuntimeApp::Instance()->OnUserInterfaceThread();
    std::fprintf(stderr, "exit routine ran on %s\n",
                 onUiThread ? "the user-interface thread" : "another thread");
}

void RegisterTalkingExitRoutine() {
    runtime::Services().RuntimeControl(int32_t(runtime::ControlFunction::SetExitRoutine),
                                       reinterpret_cast<uintptr_t>(&SayWhereTheExitRoutineRuns));
}

// Starts the main window with a talking exit routine and the error box on
// the standard error stream, runs `action` from the loop, and runs the loop.
void RunAndThen(std::function<void()> action) {
    RunProgram([action] {
        Initialise();
        ReportErrorsOnStandardError();
        RegisterTalkingExitRoutine();
        LoadStartWindow();
        After(20, action);
        RunMessageLoop();
    });
}

TEST_F(ExitTest, ExitProgramEndsTheProcessWithItsCodeAfterTheExitRoutine) {
    EXPECT_EXIT(RunAndThen([] { runtime::Services().ExitProgram(3); }),
                ::testing::ExitedWithCode(3),
                HasSubstr("exit routine ran on the user-interface thread"));
}

TEST_F(ExitTest, ExitProgramFromAnotherThreadEndsTheProcessOnTheUserInterfaceThread) {
    EXPECT_EXIT(
        RunAndThen([] { std::thread([] { runtime::Services().ExitProgram(7); }).detach(); }),
        ::testing::ExitedWithCode(7), HasSubstr("exit routine ran on the user-interface thread"));
}

TEST_F(ExitTest, ARuntimeErrorInTheLoopShowsTheBoxAndExitsWith255WithoutTheExitRoutine) {
    EXPECT_EXIT(RunAndThen([] {
                    ClickAction() = [] { CloseWindow(kMissingWindowId); };
                    ClickMainButton();
                }),
                ::testing::ExitedWithCode(255),
                AllOf(HasSubstr("error box: 运行时出错!\r\n\r\n"
                                "错误信息：指定窗口或窗口组件不存在或尚未载入\r\n"),
                      Not(HasSubstr("exit routine ran"))));
}

TEST_F(ExitTest, AMissingStartWindowIsARuntimeError) {
    EXPECT_EXIT(RunProgram([] {
                    Initialise();
                    ReportErrorsOnStandardError();
                    runtime::Services().LoadStartWindow(kMissingWindowId);
                }),
                ::testing::ExitedWithCode(255), HasSubstr("错误信息：载入启动窗口失败"));
}

constexpr int kBoxOpenMilliseconds = 200;
constexpr int kTickMilliseconds = 20;

// An error box that stays open for a while, with a timer ticking the main
// window's button meanwhile, as the clock's timer would tick its handler.
void ShowBoxWhileTicking(const std::string&, const std::string&) {
    QTimer ticks;
    QObject::connect(&ticks, &QTimer::timeout, [] { ClickMainButton(); });
    ticks.start(kTickMilliseconds);
    QEventLoop box;
    QTimer::singleShot(kBoxOpenMilliseconds, &box, &QEventLoop::quit);
    box.exec();
    std::fprintf(stderr, "box dismissed\n");
}

TEST_F(ExitTest, NoControlEventReachesTheEngineWhileTheErrorBoxIsOpen) {
    EXPECT_EXIT(RunProgram([] {
                    Initialise();
                    runtime::SetErrorPresenter(ShowBoxWhileTicking);
                    ClickAction() = [] { std::fprintf(stderr, "handler ran\n"); };
                    LoadStartWindow();
                    After(20, [] { runtime::FatalRuntimeErrorUtf8("test error"); });
                    RunMessageLoop();
                }),
                ::testing::ExitedWithCode(255),
                AllOf(HasSubstr("box dismissed"), Not(HasSubstr("handler ran"))));
}

}  // namespace
}  // namespace app_testing
