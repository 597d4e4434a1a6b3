// LoadWindow and CloseWindow as the engine's handlers call them.

#include <QApplication>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#include "controls/control_model.h"
#include "host/runtime_app.h"
#include "tests/host/app_fixture.h"

namespace app_testing {
namespace {

using WindowCommandTest = AppTest;

TEST_F(WindowCommandTest, LoadingAnOpenWindowBringsItForwardWithoutASecondCopy) {
    bool first = false;
    bool second = false;
    QWidget* firstWidget = nullptr;
    QWidget* secondWidget = nullptr;
    size_t windowsOpen = 0;
    RunProgram([&] {
        Initialise();
        LoadStartWindow();
        first = LoadWindow(kAboutId, false);
        firstWidget = controls::LoadedWindowWidget(kAboutId);
        second = LoadWindow(kAboutId, false);
        secondWidget = controls::LoadedWindowWidget(kAboutId);
        windowsOpen = controls::LoadedWindowIds().size();
        CloseWindowAtOnce(kAboutId);
        CloseWindowAtOnce(kMainId);
    });
    EXPECT_TRUE(first);
    EXPECT_TRUE(second);
    EXPECT_EQ(firstWidget, secondWidget);
    EXPECT_EQ(windowsOpen, 2u);
}

TEST_F(WindowCommandTest, LoadingWithAParentThatIsNotLoadedFailsAndOpensNothing) {
    bool loaded = true;
    bool aboutOpen = true;
    RunProgram([&] {
        Initialise();
        loaded = LoadWindowWithParent(kAboutId, kProfileId);
        aboutOpen = IsLoaded(kAboutId);
    });
    EXPECT_FALSE(loaded);
    EXPECT_FALSE(aboutOpen);
}

TEST_F(WindowCommandTest, LoadingAWindowThatIsClosingLoadsItAfresh) {
    QWidget* before = nullptr;
    QWidget* after = nullptr;
    bool stillOpenLater = false;
    RunProgram([&] {
        Initialise();
        LoadStartWindow();
        LoadWindow(kAboutId, false);
        before = controls::LoadedWindowWidget(kAboutId);
        CloseWindow(kAboutId);
        LoadWindow(kAboutId, false);
        after = controls::LoadedWindowWidget(kAboutId);
        After(100, [&] {
            // The close message of the first copy must not close the second.
            stillOpenLater = IsLoaded(kAboutId);
            CloseWindow(kAboutId);
            CloseWindow(kMainId);
        });
        RunMessageLoop();
    });
    EXPECT_NE(after, nullptr);
    EXPECT_NE(after, before);
    EXPECT_TRUE(stillOpenLater);
}

TEST_F(WindowCommandTest, CloseWindowWithoutTheSecondArgumentWaitsForTheHandlerToReturn) {
    bool openInsideHandler = false;
    bool loopReturned = false;
    RunProgram([&] {
        Initialise();
        LoadStartWindow();
        ClickAction() = [&] {
            CloseWindow(kMainId);
            openInsideHandler = IsLoaded(kMainId);
        };
        After(20, [] { ClickMainButton(); });
        RunMessageLoop();
        loopReturned = true;
    });
    EXPECT_TRUE(openInsideHandler);
    EXPECT_TRUE(loopReturned);
}

TEST_F(WindowCommandTest, CloseWindowWithTheSecondArgumentTrueDestroysAtOnce) {
    bool openInsideHandler = true;
    RunProgram([&] {
        Initialise();
        LoadStartWindow();
        ClickAction() = [&] {
            CloseWindowAtOnce(kMainId);
            openInsideHandler = IsLoaded(kMainId);
        };
        After(20, [] { ClickMainButton(); });
        RunMessageLoop();
    });
    EXPECT_FALSE(openInsideHandler);
}

// What the modal wait looked like while the modal window was up, and after.
struct ModalObservation {
    bool aboutModalDuring = false;
    bool loadReturnedEarly = false;
    bool loadResult = false;
    bool aboutOpenAfter = true;
};

TEST_F(WindowCommandTest, AModalWindowBlocksTheOthersUntilItCloses) {
    ModalObservation seen;
    bool loadReturned = false;
    RunProgram([&] {
        Initialise();
        LoadStartWindow();
        LoadWindow(kProfileId, false);
        ClickAction() = [&] {
            After(100, [&] {
                seen.aboutModalDuring =
                    QApplication::activeModalWidget() == controls::LoadedWindowWidget(kAboutId);
                seen.loadReturnedEarly = loadReturned;
                CloseWindow(kAboutId);
            });
            seen.loadResult = LoadWindow(kAboutId, true);
            loadReturned = true;
            seen.aboutOpenAfter = IsLoaded(kAboutId);
            CloseWindow(kProfileId);
            CloseWindow(kMainId);
        };
        After(20, [] { ClickMainButton(); });
        RunMessageLoop();
    });
    EXPECT_TRUE(seen.aboutModalDuring);
    EXPECT_FALSE(seen.loadReturnedEarly);
    EXPECT_TRUE(seen.loadResult);
    EXPECT_FALSE(seen.aboutOpenAfter);
}

// The window whose handler waits for a modal window refuses a close request
// meanwhile, and when the program destroys it, its widget lives on until the
// handler has returned; the modal window stays above it.
TEST_F(WindowCommandTest, AWindowWhoseHandlerWaitsInAModalLoopOutlivesTheWait) {
    bool closeAccepted = true;
    bool keptAbove = false;
    bool aliveWhileWaiting = false;
    QPointer<QWidget> main;
    RunProgram([&] {
        Initialise();
        LoadStartWindow();
        main = controls::LoadedWindowWidget(kMainId);
        ClickAction() = [&] {
            After(50, [&] {
                QWidget* about = controls::LoadedWindowWidget(kAboutId);
                keptAbove = about->windowHandle()->transientParent() == main->windowHandle();
                closeAccepted = main->close();
                CloseWindowAtOnce(kMainId);
                After(50, [&] {
                    aliveWhileWaiting = !main.isNull();
                    CloseWindow(kAboutId);
                });
            });
            LoadWindow(kAboutId, true);
        };
        After(20, [] { ClickMainButton(); });
        RunMessageLoop();
    });
    EXPECT_FALSE(closeAccepted);
    EXPECT_TRUE(keptAbove);
    EXPECT_TRUE(aliveWhileWaiting);
    EXPECT_TRUE(main.isNull());
}

TEST_F(WindowCommandTest, AReportThatTheModalWindowIsGoneEndsTheModalWait) {
    bool loadReturned = false;
    RunProgram([&] {
        Initialise();
        LoadStartWindow();
        ClickAction() = [&] {
            After(50, [] {
                host::RuntimeRequestEntry(runtime::RuntimeRequest::UnitGone, kAboutId, 0);
            });
            LoadWindow(kAboutId, true);
            loadReturned = true;
            CloseWindow(kMainId);
        };
        After(20, [] { ClickMainButton(); });
        RunMessageLoop();
    });
    EXPECT_TRUE(loadReturned);
}

TEST_F(WindowCommandTest, TheQuitMessageReachesTheOuterLoopThroughAModalWait) {
    bool outerLoopReturned = false;
    RunProgram([&] {
        Initialise();
        LoadStartWindow();
        ClickAction() = [] {
            // Both windows go while the modal wait runs: the last one's end
            // posts the quit message, which must end the outer loop too.
            After(50, [] {
                CloseWindowAtOnce(kMainId);
                CloseWindowAtOnce(kAboutId);
            });
            LoadWindow(kAboutId, true);
        };
        After(20, [] { ClickMainButton(); });
        RunMessageLoop();
        outerLoopReturned = true;
    });
    EXPECT_TRUE(outerLoopReturned);
}

}  // namespace
}  // namespace app_testing
