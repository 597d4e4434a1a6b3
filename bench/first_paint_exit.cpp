// Start-up benchmarks time the program and its bare baseline as whole
// processes: a program linked with this file ends with exit code 0 once its
// first window has been painted. The watch is installed as the application object is made, so the
// program itself carries no benchmark code.

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

namespace {

// Watches every event of the application for the first paint. The exit is
// posted, so it runs only after the whole painted window has been flushed.
// It ends the process at once: what is timed is the start-up, not the
// orderly shutdown.
class FirstPaintExit : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType()) {
            QCoreApplication::instance()->removeEventFilter(this);
            QTimer::singleShot(0, [] {
                std::fflush(nullptr);
                std::_Exit(0);
            });
        }
        return false;
    }
};

void ExitAfterFirstPaint() {
    // The filter lives as long as the program.
    static FirstPaintExit filter;
    QCoreApplication::instance()->installEventFilter(&filter);
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(ExitAfterFirstPaint)
