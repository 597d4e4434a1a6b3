#include "tests/gui/fixture.h"

#include <QApplication>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

#include "controls/control_model.h"
#include "controls/form_window.h"
#include "tests/gui/user.h"

namespace gui_testing {
namespace {

constexpr int kWatchPeriodMs = 20;
// Far beyond what any test needs, also under the sanitizers.
constexpr int kTestDeadlineMs = 60000;
constexpr uint32_t kSecondaryWindows[] = {kAboutWindow, kCompanyWindow};
constexpr char kConfirmButton[] = "按钮1";

}  // namespace

void ProgramTest::SetUp() {
    ASSERT_NE(controls::LoadedWindow(kMainWindow), nullptr) << "the main window is not loaded";
    ASSERT_TRUE(Activate(kMainWindow)) << "the main window does not become active";
    clock_.start();
    QObject::connect(&watch_, &QTimer::timeout, [this] { Watch(); });
    watch_.start(kWatchPeriodMs);
}

void ProgramTest::TearDown() {
    watch_.stop();
    armedWindow_ = 0;
    Watch();
}

void ProgramTest::DismissModalWindow(uint32_t windowId, std::function<void(QWidget*)> whileOpen) {
    armedWindow_ = windowId;
    whileOpen_ = std::move(whileOpen);
    dismissed_ = false;
}

// Runs inside whatever loop is running, also the modal loop of a window that
// an action opened; the flag keeps a nested round from starting meanwhile.
void ProgramTest::Watch() {
    if (watching_) return;
    watching_ = true;
    if (clock_.elapsed() > kTestDeadlineMs) {
        std::fprintf(stderr, "the test did not end within %d ms\n", kTestDeadlineMs);
        std::_Exit(EXIT_FAILURE);
    }
    CheckModalBox();
    for (uint32_t windowId : kSecondaryWindows) CheckRuntimeWindow(windowId);
    watching_ = false;
}

void ProgramTest::CheckModalBox() {
    QWidget* box = QApplication::activeModalWidget();
    // The program's own modal windows are watched as runtime windows.
    if (box != nullptr && dynamic_cast<controls::FormWindow*>(box) == nullptr) {
        ADD_FAILURE() << "unexpected modal box: " << box->windowTitle().toStdString();
        box->close();
    }
}

void ProgramTest::CheckRuntimeWindow(uint32_t windowId) {
    QWidget* window = controls::LoadedWindowWidget(windowId);
    if (window == nullptr || !window->isVisible()) return;
    // The armed window stays loaded until its close message has been handled.
    if (windowId == armedWindow_) {
        if (!dismissed_) Dismiss(window);
        return;
    }
    ADD_FAILURE() << "unexpected window: " << window->windowTitle().toStdString();
    controls::DestroyFormWindow(windowId);
}

void ProgramTest::Dismiss(QWidget* window) {
    dismissed_ = true;
    if (whileOpen_) whileOpen_(window);
    const uint32_t button = UnitNamed(armedWindow_, kConfirmButton);
    EXPECT_TRUE(Click(button, armedWindow_)) << "clicking 确定";
}

}  // namespace gui_testing
