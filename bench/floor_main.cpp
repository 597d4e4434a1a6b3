// The start-up floor as a program: the platform set up as the program sets
// it up (its style, fonts, Qt's Chinese texts, the C library's mapping
// threshold), then the main window made in plain code and shown. Linked
// with bench/first_paint_exit.cpp, which ends it after the first paint.

#include <malloc.h>

#include <QApplication>

#include "bench/floor_parts.h"
#include "platform/platform.h"
#include "platform/program_style.h"

namespace {

// The program's own bound: blocks from this size up are mapped on their own.
constexpr int kOwnMappingBytes = 128 * 1024;

}  // namespace

int main(int argc, char** argv) {
    mallopt(M_MMAP_THRESHOLD, kOwnMappingBytes);
    QApplication application(argc, argv);
    platform::InstallProgramStyle();
    platform::InstallFonts();
    platform::InstallTranslations();
    QGuiApplication::setDesktopFileName(QStringLiteral("humidity-calc"));
    const startup_floor::MainWindow window = startup_floor::BuildMainWindow();
    window.window->show();
    startup_floor::FocusFirstTabStop(*window.firstTabStop);
    return application.exec();
}
