// The start-up baseline: a bare Qt program that opens one fixed-size window
// filled by a tab widget of three empty pages, the same outline as the
// program's main window, and ends as soon as the window has been painted.
// Timed as a whole process beside the program started with
// HC_EXIT_AFTER_FIRST_PAINT set, which ends the same way.

#include <QApplication>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

namespace {

// The client size of the program's main window.
constexpr int kWindowWidth = 640;
constexpr int kWindowHeight = 480;
constexpr int kPageCount = 3;

// Ends the process once the first paint has been flushed, as the program's
// own exit does: at once, without tearing the widgets down.
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

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    FirstPaintExit exitWatch;
    application.installEventFilter(&exitWatch);
    QWidget window;
    window.setFixedSize(kWindowWidth, kWindowHeight);
    auto* tabs = new QTabWidget(&window);
    for (int page = 0; page < kPageCount; ++page) {
        tabs->addTab(new QWidget(), QStringLiteral("Page %1").arg(page + 1));
    }
    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tabs);
    window.show();
    return application.exec();
}
