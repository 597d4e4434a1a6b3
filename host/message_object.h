#pragma once
// The runtime's hidden message object: a QObject on the user-interface thread
// that receives the runtime's private messages and watches every event the
// application dispatches.
//
//   posted quit message ──────────────► RuntimeApp::HandleQuitMessage
//   exit request (0x83E7, any thread) ─► RuntimeApp::ExitProgram on this thread
//   close message (0x8065) to a window ► RuntimeApp::HandleCloseWindowMessage
//   input, timer ticks, posted calls ──► RuntimeApp::NoteActivity (idle phase due)

#include <QEvent>
#include <QObject>
#include <QPoint>
#include <cstdint>

class QSemaphore;
class QTimer;

namespace runtime {

class RuntimeApp;

// The close message posted to a form window's widget; Qt discards it when
// the widget is deleted first.
class CloseWindowEvent : public QEvent {
public:
    explicit CloseWindowEvent(uint32_t windowId);
    uint32_t windowId() const { return windowId_; }

private:
    uint32_t windowId_;
};

// The exit request handed over from another thread; `handled` is released
// when the request returns without ending the process.
class ExitRequestEvent : public QEvent {
public:
    ExitRequestEvent(int32_t exitCode, QSemaphore* handled);
    int32_t exitCode() const { return exitCode_; }
    QSemaphore* handled() const { return handled_; }

private:
    int32_t exitCode_;
    QSemaphore* handled_;
};

class MessageObject : public QObject {
public:
    explicit MessageObject(RuntimeApp& app);
    ~MessageObject() override;

    void PostQuit(int32_t exitCode);
    // Runs one idle round once the queued events have been handled.
    void ArmIdleTimer();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* receiver, QEvent* event) override;

private:
    bool CountsAsActivity(const QObject* receiver, const QEvent* event);

    RuntimeApp& app_;
    QTimer* idleTimer_;
    QPoint lastMousePosition_;
};

}  // namespace runtime
