#pragma once
// The runtime's hidden message object: a QObject on the user-interface thread
// that receives the runtime's private messages and watches every event the
// application dispatches.
//
//   posted quit message ──────────────► MessageReceiver::HandleQuitMessage
//   exit request (0x83E7, any thread) ─► MessageReceiver::HandleExitRequest on this thread
//   close message (0x8065) to a window ► MessageReceiver::HandleCloseWindowMessage
//   input, timer ticks, posted calls ──► MessageReceiver::NoteActivity (idle phase due)
//
// The receiver is the runtime application (runtime_app.h).

#include <QEvent>
#include <QObject>
#include <QPoint>
#include <cstdint>

class QSemaphore;
class QTimer;

namespace host {

// Private messages of the runtime, posted as Qt events whose type is the
// message number (both lie inside Qt's range for application event types).
inline constexpr int kCloseWindowMessage = 0x8065;  // carries the window to close
inline constexpr int kExitRequestMessage = 0x83E7;  // carries an exit code

// What the message object hands the runtime's messages and the activity
// it sees to: the runtime application.
class MessageReceiver {
public:
    virtual void HandleQuitMessage(int32_t exitCode) = 0;
    // The exit request; not called once an exit is in progress.
    virtual void HandleExitRequest(int32_t exitCode) = 0;
    virtual void HandleCloseWindowMessage(uint32_t windowId) = 0;
    virtual void NoteActivity() = 0;
    virtual void RunIdleRound() = 0;
    virtual bool ExitInProgress() const = 0;

protected:
    ~MessageReceiver() = default;
};

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
    explicit MessageObject(MessageReceiver& receiver);
    ~MessageObject() override;

    void PostQuit(int32_t exitCode);
    // Runs one idle round once the queued events have been handled.
    void ArmIdleTimer();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* receiver, QEvent* event) override;

private:
    bool CountsAsActivity(const QObject* receiver, const QEvent* event);

    MessageReceiver& app_;
    QTimer* idleTimer_;
    QPoint lastMousePosition_;
};

}  // namespace host
