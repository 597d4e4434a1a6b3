// The life of a run: how it ends when windows close, the working directory,
// the program header, and the idle callbacks.

#include <QCoreApplication>
#include <QDir>

#include "controls/control_model.h"
#include "host/runtime_app.h"
#include "tests/host/app_fixture.h"

namespace app_testing {
namespace {

using RunTest = AppTest;

TEST_F(RunTest, ClosingTheOnlyWindowEndsTheLoopAndTheRunWithExitCodeZero) {
    bool loopReturned = false;
    const int exitCode = RunProgram([&] {
        Initialise();
        RegisterCountingExitRoutine();
        LoadStartWindow();
        After(50, [] { CloseWindow(kMainId); });
        RunMessageLoop();
        loopReturned = true;
    });
    EXPECT_EQ(exitCode, 0);
    EXPECT_TRUE(loopReturned);
    EXPECT_FALSE(IsLoaded(kMainId));
    EXPECT_EQ(ExitRoutineCalls(), 1);
}

TEST_F(RunTest, ClosingOneOfTwoWindowsKeepsTheProgramRunning) {
    bool mainOpenAfterAboutClosed = false;
    RunProgram([&] {
        Initialise();
        LoadStartWindow();
        ASSERT_TRUE(LoadWindow(kAboutId, false));
        After(20, [] { CloseWindow(kAboutId); });
        After(200, [&] {
            mainOpenAfterAboutClosed = IsLoaded(kMainId) && !IsLoaded(kAboutId);
            CloseWindow(kMainId);
        });
        RunMessageLoop();
    });
    EXPECT_TRUE(mainOpenAfterAboutClosed);
}

TEST_F(RunTest, AWindowDestroyedBeforeTheLoopStartsPostsNoQuit) {
    bool aboutOpenWhileLooping = false;
    const int exitCode = RunProgram([&] {
        Initialise();
        LoadStartWindow();
        CloseWindowAtOnce(kMainId);
        ASSERT_TRUE(LoadWindow(kAboutId, false));
        After(200, [&] {
            aboutOpenWhileLooping = IsLoaded(kAboutId);
            CloseWindow(kAboutId);
        });
        RunMessageLoop();
    });
    EXPECT_EQ(exitCode, 0);
    EXPECT_TRUE(aboutOpenWhileLooping);
}

TEST_F(RunTest, TheWorkingDirectoryBecomesTheProgramsOwnDirectory) {
    ASSERT_TRUE(QDir::setCurrent(QDir::rootPath()));
    QString workingDirectory;
    QString programFile;
    uint32_t version = 0;
    RunProgram([&] {
        Initialise();
        workingDirectory = QDir::currentPath();
        programFile = host::RuntimeApp::Instance()->ProgramFileName();
        version = host::RuntimeApp::Instance()->RecordedVersion();
    });
    EXPECT_EQ(workingDirectory, QCoreApplication::applicationDirPath());
    EXPECT_EQ(programFile, QStringLiteral("host_tests"));
    EXPECT_EQ(version, 0x10481u);
}

TEST_F(RunTest, TheWindowIdleEventAsksForMoreIdleRoundsUntilItDeclines) {
    IdleEventsAskingForMore() = 3;
    size_t afterFirstPhase = 0;
    RunProgram([&] {
        Initialise();
        LoadStartWindow();
        After(200, [&] { afterFirstPhase = IdleEvents().size(); });
        // The 200 ms tick is activity: one more idle phase, in which the
        // window declines at once.
        After(400, [&] {
            EXPECT_EQ(IdleEvents().size(), afterFirstPhase + 1);
            CloseWindow(kMainId);
        });
        RunMessageLoop();
    });
    // Three rounds answered true, the fourth declined.
    EXPECT_GE(afterFirstPhase, 4u);
    ASSERT_GE(IdleEvents().size(), 4u);
    for (size_t i = 1; i < 4; ++i) EXPECT_GE(IdleEvents()[i], IdleEvents()[i - 1]);
}

// Counts the calls of an idle callback; the parameter is the counter.
void CountCall(uintptr_t counter) {
    ++*reinterpret_cast<int*>(counter);
}

void AddIdleCallback(QWidget* window, int* counter) {
    const host::IdleCallbackRequest request{CountCall, reinterpret_cast<uintptr_t>(counter)};
    host::RuntimeRequestEntry(runtime::RuntimeRequest::AddIdleCallback,
                              reinterpret_cast<uintptr_t>(window),
                              reinterpret_cast<uintptr_t>(&request));
}

TEST_F(RunTest, AnIdleCallbackOfADestroyedWindowIsRemovedWithoutBeingCalled) {
    int mainCalls = 0;
    int aboutCalls = 0;
    int aboutCallsWhenDestroyed = -1;
    int mainCallsWhenDestroyed = -1;
    size_t callbacksLeft = 0;
    RunProgram([&] {
        Initialise();
        LoadStartWindow();
        LoadWindow(kAboutId, false);
        AddIdleCallback(controls::LoadedWindowWidget(kMainId), &mainCalls);
        AddIdleCallback(controls::LoadedWindowWidget(kAboutId), &aboutCalls);
        After(100, [&] {
            aboutCallsWhenDestroyed = aboutCalls;
            mainCallsWhenDestroyed = mainCalls;
            CloseWindowAtOnce(kAboutId);
        });
        After(300, [&] {
            callbacksLeft = host::RuntimeApp::Instance()->IdleCallbackCount();
            CloseWindow(kMainId);
        });
        RunMessageLoop();
    });
    EXPECT_GT(aboutCallsWhenDestroyed, 0);
    EXPECT_EQ(aboutCalls, aboutCallsWhenDestroyed);
    EXPECT_GT(mainCalls, mainCallsWhenDestroyed);
    EXPECT_EQ(callbacksLeft, 1u);
}

TEST_F(RunTest, AWindowIsListedForIdleCallbacksOnceAndANullRoutineIsIgnored) {
    size_t afterAdding = 0;
    size_t afterRemoving = 0;
    RunProgram([&] {
        Initialise();
        LoadStartWindow();
        QWidget* window = controls::LoadedWindowWidget(kMainId);
        int calls = 0;
        AddIdleCallback(window, &calls);
        AddIdleCallback(window, &calls);
        LoadWindow(kAboutId, false);
        const host::IdleCallbackRequest nullRoutine{nullptr, 0};
        host::RuntimeRequestEntry(
            runtime::RuntimeRequest::AddIdleCallback,
            reinterpret_cast<uintptr_t>(controls::LoadedWindowWidget(kAboutId)),
            reinterpret_cast<uintptr_t>(&nullRoutine));
        afterAdding = host::RuntimeApp::Instance()->IdleCallbackCount();
        host::RuntimeRequestEntry(runtime::RuntimeRequest::RemoveIdleCallback,
                                  reinterpret_cast<uintptr_t>(window), 0);
        afterRemoving = host::RuntimeApp::Instance()->IdleCallbackCount();
        CloseWindowAtOnce(kMainId);
        CloseWindowAtOnce(kAboutId);
    });
    EXPECT_EQ(afterAdding, 1u);
    EXPECT_EQ(afterRemoving, 0u);
}

}  // namespace
}  // namespace app_testing
