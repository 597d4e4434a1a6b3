#include "host/message_object.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QSemaphore>
#include <QTimer>
#include <cstring>

namespace host {
namespace {

QEvent::Type QuitMessageType() {
    static const QEvent::Type type = QEvent::Type(QEvent::registerEventType());
    return type;
}

// The quit message that ends the message loop, with the exit code it carries.
class QuitEvent : public QEvent {
public:
    explicit QuitEvent(int32_t exitCode) : QEvent(QuitMessageType()), exitCode_(exitCode) {}
    int32_t exitCode() const { return exitCode_; }

private:
    int32_t exitCode_;
};

// The text controls that own an edit box's blinking caret.
bool IsCaret(const QObject* receiver) {
    const char* className = receiver->metaObject()->className();
    return std::strcmp(className, "QWidgetLineControl") == 0 ||
           std::strcmp(className, "QWidgetTextControl") == 0;
}

}  // namespace

CloseWindowEvent::CloseWindowEvent(uint32_t windowId)
    : QEvent(QEvent::Type(kCloseWindowMessage)), windowId_(windowId) {}

ExitRequestEvent::ExitRequestEvent(int32_t exitCode, QSemaphore* handled)
    : QEvent(QEvent::Type(kExitRequestMessage)), exitCode_(exitCode), handled_(handled) {}

MessageObject::MessageObject(MessageReceiver& receiver)
    : app_(receiver), idleTimer_(new QTimer(this)) {
    // A zero-interval timer fires once the events already queued have been
    // handled, which is when the idle phase is due. It is armed only while
    // there is idle work, so the loop blocks in the dispatcher otherwise.
    idleTimer_->setSingleShot(true);
    idleTimer_->setInterval(0);
    QObject::connect(idleTimer_, &QTimer::timeout, [this] { app_.RunIdleRound(); });
    QCoreApplication::instance()->installEventFilter(this);
}

MessageObject::~MessageObject() {
    if (QCoreApplication* application = QCoreApplication::instance()) {
        application->removeEventFilter(this);
    }
}

void MessageObject::PostQuit(int32_t exitCode) {
    QCoreApplication::postEvent(this, new QuitEvent(exitCode));
}

void MessageObject::ArmIdleTimer() {
    if (!idleTimer_->isActive()) idleTimer_->start();
}

bool MessageObject::event(QEvent* event) {
    if (event->type() == QuitMessageType()) {
        app_.HandleQuitMessage(static_cast<QuitEvent*>(event)->exitCode());
        return true;
    }
    if (event->type() == QEvent::Type(kExitRequestMessage)) {
        const auto* request = static_cast<ExitRequestEvent*>(event);
        if (!app_.ExitInProgress()) app_.HandleExitRequest(request->exitCode());
        request->handled()->release();
        return true;
    }
    return QObject::event(event);
}

bool MessageObject::eventFilter(QObject* receiver, QEvent* event) {
    if (event->type() == QEvent::Type(kCloseWindowMessage)) {
        app_.HandleCloseWindowMessage(static_cast<CloseWindowEvent*>(event)->windowId());
        return true;
    }
    if (CountsAsActivity(receiver, event)) app_.NoteActivity();
    return false;
}

// Input, timer ticks, queued calls and the program's own posted events are
// activity. Painting, the caret's blink, the idle timer itself and a mouse
// move that does not move are not, so that they do not keep re-running the
// idle phase.
bool MessageObject::CountsAsActivity(const QObject* receiver, const QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Close:
        case QEvent::MetaCall:
            return true;
        case QEvent::MouseMove: {
            const QPoint position =
                static_cast<const QMouseEvent*>(event)->globalPosition().toPoint();
            const bool moved = position != lastMousePosition_;
            lastMousePosition_ = position;
            return moved;
        }
        case QEvent::Timer:
            return receiver != idleTimer_ && !IsCaret(receiver);
        default:
            return event->type() >= QEvent::User && event->type() != QuitMessageType();
    }
}

}  // namespace host
