#include "tests/reliability/program_session.h"

#include <unistd.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QEventLoop>
#include <QMainWindow>
#include <QMenuBar>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <fstream>

#include "app/program.h"
#include "controls/control_model.h"
#include "engine/handlers.h"
#include "extended_controls/timer.h"
#include "host/runtime_app.h"
#include "runtime/convert.h"
#include "runtime/gbk.h"
#include "runtime/heap.h"
#include "runtime/services.h"

namespace reliability {
namespace {

constexpr int kDismisserPollMs = 10;
constexpr int32_t kPlainElement = engine::kPlainElement;
constexpr int32_t kContent = int32_t(engine::EditBoxProperty::Content);

void CloseMainWindow() {
    if (controls::LoadedWindow(kMainWindow) == nullptr) return;
    const runtime::TaggedValue window = runtime::MakeWindowRef(kMainWindow);
    runtime::Services().CallCommand(runtime::CloseWindow, 1, &window);
}

QAbstractButton* ConfirmButton(QWidget* window) {
    const QString confirm = QString::fromUtf8("确定");
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        if (button->text() == confirm && button->isVisible()) return button;
    }
    return nullptr;
}

std::string ReadText(uint32_t unitId, int32_t property) {
    char* text = runtime::BitsToPointer<char>(
        runtime::Services().ReadProperty(kMainWindow, unitId, property, kPlainElement));
    std::string copy = text != nullptr ? std::string(text) : std::string();
    runtime::Services().FreeMemory(text);
    return copy;
}

void WriteText(uint32_t unitId, int32_t property, const std::string& gbk) {
    char* heapText = runtime::MakeHeapText(gbk);
    runtime::Services().WriteProperty(kMainWindow, unitId, property, kPlainElement,
                                      uint32_t(runtime::PointerBits(heapText)),
                                      uint32_t(runtime::PointerBits(heapText) >> 32));
    runtime::Services().FreeMemory(heapText);
}

extended_controls::TimerWidget* ClockTimer() {
    return dynamic_cast<extended_controls::TimerWidget*>(Control(MainUnit::ClockTimer));
}

}  // namespace

int RunInsideProgram(int& argc, char** argv, std::function<void()> work) {
    return app::RunProgramWith(argc, argv, [&](host::RuntimeApp&) {
        work();
        CloseMainWindow();
    });
}

QWidget* Control(MainUnit unit) {
    return controls::LiveControl(kMainWindow, engine::Id(unit));
}

QAbstractButton* Button(MainUnit unit) {
    QWidget* control = Control(unit);
    if (auto* button = qobject_cast<QAbstractButton*>(control)) return button;
    return control != nullptr ? control->findChild<QAbstractButton*>() : nullptr;
}

void WriteNumber(MainUnit unit, int32_t property, int64_t value) {
    runtime::Services().WriteProperty(kMainWindow, engine::Id(unit), property, kPlainElement,
                                      uint32_t(value), uint32_t(uint64_t(value) >> 32));
}

std::string BoxText(MainUnit box) {
    return ReadText(uint32_t(box), kContent);
}

void SetBoxText(MainUnit box, const std::string& gbk) {
    WriteText(uint32_t(box), kContent, gbk);
}

void Settle() {
    for (int round = 0; round < 3; ++round) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}

void ClickThroughWindow(QWidget* control) {
    QWidget* window = control->window();
    const QPoint inWindow = control->mapTo(window, control->rect().center());
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, inWindow);
    Settle();
}

void ShowPage(int page) {
    QWidget* tabControl = Control(MainUnit::TabControl);
    QTabBar* bar = tabControl != nullptr ? tabControl->findChild<QTabBar*>() : nullptr;
    if (bar == nullptr) return;
    QWidget* window = bar->window();
    const QPoint inWindow = bar->mapTo(window, bar->tabRect(page).center());
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, inWindow);
    Settle();
}

void ChooseMenuItem(const QString& caption) {
    auto* window = qobject_cast<QMainWindow*>(controls::LoadedWindowWidget(kMainWindow));
    if (window == nullptr) return;
    for (QAction* action : window->menuBar()->findChildren<QAction*>()) {
        if (action->text() == caption && action->menu() == nullptr) return action->trigger();
    }
}

void TypeInto(QWidget* box, const QString& text) {
    QWidget* editor = box->focusProxy() != nullptr ? box->focusProxy() : box;
    for (QChar character : text) {
        QTest::sendKeyEvent(QTest::Click, editor, Qt::Key_unknown, QString(character),
                            Qt::NoModifier);
    }
}

std::shared_ptr<bool> ArmDismisser(uint32_t windowId) {
    auto dismissed = std::make_shared<bool>(false);
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, [poll, windowId, dismissed] {
        QWidget* window = controls::LoadedWindowWidget(windowId);
        QAbstractButton* confirm = window != nullptr ? ConfirmButton(window) : nullptr;
        if (confirm == nullptr) return;
        poll->stop();
        poll->deleteLater();
        ClickThroughWindow(confirm);
        *dismissed = true;
    });
    poll->start(kDismisserPollMs);
    return dismissed;
}

int RunClockTicks(int ticks, int timeoutMs, const std::function<void(int)>& onTick) {
    extended_controls::TimerWidget* timer = ClockTimer();
    if (timer == nullptr) return 0;
    int seen = 0;
    QEventLoop loop;
    // The control's own tick handler was connected first, so the engine's
    // clock handler has run when this counts the tick.
    QObject::connect(&timer->tickTimer(), &QTimer::timeout, &loop, [&] {
        ++seen;
        if (onTick) onTick(seen);
        if (seen >= ticks) loop.quit();
    });
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    loop.exec();
    return seen;
}

int64_t ResidentBytes() {
    std::ifstream statm("/proc/self/statm");
    int64_t totalPages = 0;
    int64_t residentPages = 0;
    statm >> totalPages >> residentPages;
    return residentPages * int64_t(sysconf(_SC_PAGESIZE));
}

}  // namespace reliability
