// The process entry: describes the program to the runtime and runs it.

#include <QGuiApplication>

#include "app/program.h"

int main(int argc, char** argv) {
    runtime::RuntimeApp app(argc, argv, program::HumidityProgramHeader());
    // Desktops match the program's windows to its installed menu entry,
    // humidity-calc.desktop, by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("humidity-calc"));
    return app.Run();
}
