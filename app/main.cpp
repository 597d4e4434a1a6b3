// The process entry: describes the program to the runtime and runs it.

#include <malloc.h>

#include <QGuiApplication>

#include "app/program.h"

namespace {

// Blocks from this size up are mapped on their own and go back to the
// system when freed. Left to itself the C library raises this bound to the
// largest block freed so far, and Qt reads a whole font table (some 400 KiB
// of the Song face's) into a block that is freed at once for every font size
// it sets up; those blocks would then stay in the heap for good.
constexpr int kOwnMappingBytes = 128 * 1024;

}  // namespace

int main(int argc, char** argv) {
    mallopt(M_MMAP_THRESHOLD, kOwnMappingBytes);
    host::RuntimeApp app(argc, argv, app::HumidityProgramHeader());
    // Desktops match the program's windows to its installed menu entry,
    // humidity-calc.desktop, by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("humidity-calc"));
    return app.Run();
}
