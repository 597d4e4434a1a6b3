#include "tests/gui/centres.h"

#include <QString>
#include <QStringList>
#include <QWidget>
#include <cstdio>

#include "tests/gui/program.h"
#include "tests/gui/user.h"

namespace gui_testing {
namespace {

// False when the unit is not a visible control of the main window.
bool PrintCentre(const QString& name) {
    const QWidget* control = Control(UnitNamed(kMainWindow, name.toStdString()));
    if (control == nullptr || !control->isVisible()) {
        std::fprintf(stderr, "no visible control %s\n", qPrintable(name));
        return false;
    }
    const QPoint centre = control->mapTo(control->window(), control->rect().center());
    std::printf("%s %d %d\n", qPrintable(name), centre.x(), centre.y());
    return true;
}

}  // namespace

int PrintCentres(int& argc, char** argv, std::string_view names) {
    bool allFound = true;
    const int exitCode = RunProgram(argc, argv, [names, &allFound] {
        const QString list = QString::fromUtf8(names.data(), qsizetype(names.size()));
        for (const QString& name : list.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            allFound = PrintCentre(name) && allFound;
        }
        std::fflush(stdout);
        CloseMainWindow();
    });
    return allFound ? exitCode : 1;
}

}  // namespace gui_testing
