#pragma once
// The fixture of the tests that use the running program: each test starts
// with the main window loaded and active. A watch fails the test, instead of
// hanging it, when a message box or a window that the test did not ask for
// appears (and closes it), and ends the process when a test runs too long.
// A test that opens a modal window arms a dismisser first: the click that
// opens the window returns only after the window has closed again.

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTimer>
#include <functional>

class QWidget;

namespace gui_testing {

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Before an action that opens the runtime window `windowId` modally: once
    // the window shows, `whileOpen` runs with its widget, then the window's
    // button 按钮1 "确定" is clicked.
    void DismissModalWindow(uint32_t windowId, std::function<void(QWidget*)> whileOpen);
    // Whether the armed window appeared and was dismissed.
    bool ModalWindowDismissed() const { return dismissed_; }

private:
    void Watch();
    void CheckModalBox();
    void CheckRuntimeWindow(uint32_t windowId);
    void Dismiss(QWidget* window);

    QTimer watch_;
    QElapsedTimer clock_;
    bool watching_ = false;
    uint32_t armedWindow_ = 0;
    std::function<void(QWidget*)> whileOpen_;
    bool dismissed_ = false;
};

}  // namespace gui_testing
