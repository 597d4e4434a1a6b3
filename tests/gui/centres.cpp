#include "tests/gui/centres.h"

#include <QMainWindow>
#include <QMenuBar>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTabBar>
#include <QTabWidget>
#include <QWidget>
#include <cstdio>
#include <optional>

#include "controls/control_model.h"
#include "tests/gui/program.h"
#include "tests/gui/user.h"

namespace gui_testing {
namespace {

constexpr QStringView kTabPrefix = u"tab:";
constexpr QStringView kMenuPrefix = u"menu:";
constexpr QStringView kRectPrefix = u"rect:";

// A rectangle of `widget` in its window's client area.
QRect InWindow(const QWidget* widget, const QRect& rect) {
    return {widget->mapTo(widget->window(), rect.topLeft()), rect.size()};
}

// The unit's place; one on a hidden page is made when first asked for and
// has its place, but only a shown one can be clicked at its centre.
std::optional<QRect> ControlPlace(const QString& name, bool shownOnly) {
    const uint32_t unitId = UnitNamed(kMainWindow, name.toStdString());
    // Unit 0 is the window itself, which no name names.
    const QWidget* control = unitId != 0 ? Control(unitId) : nullptr;
    if (control == nullptr || (shownOnly && !control->isVisible())) return std::nullopt;
    return InWindow(control, control->rect());
}

std::optional<QRect> TabHeaderPlace(const QString& caption) {
    const auto* tabs = qobject_cast<QTabWidget*>(Control(Unit(engine::MainUnit::TabControl)));
    if (tabs == nullptr) return std::nullopt;
    for (int page = 0; page < tabs->count(); ++page) {
        if (tabs->tabText(page) != caption) continue;
        return InWindow(tabs->tabBar(), tabs->tabBar()->tabRect(page));
    }
    return std::nullopt;
}

std::optional<QRect> MenuTitlePlace(const QString& caption) {
    const auto* window = qobject_cast<QMainWindow*>(controls::LoadedWindowWidget(kMainWindow));
    if (window == nullptr) return std::nullopt;
    const QMenuBar* bar = window->menuBar();
    for (QAction* title : bar->actions()) {
        if (title->text() == caption) return InWindow(bar, bar->actionGeometry(title));
    }
    return std::nullopt;
}

// Prints "request x y" (a centre) or, for kRectPrefix, "request x y width
// height"; false when the request names nothing that is there.
bool PrintPlace(const QString& request) {
    std::optional<QRect> place;
    const bool wholeRect = request.startsWith(kRectPrefix);
    if (request.startsWith(kTabPrefix)) {
        place = TabHeaderPlace(request.sliced(kTabPrefix.size()));
    } else if (request.startsWith(kMenuPrefix)) {
        place = MenuTitlePlace(request.sliced(kMenuPrefix.size()));
    } else if (wholeRect) {
        place = ControlPlace(request.sliced(kRectPrefix.size()), false);
    } else {
        place = ControlPlace(request, true);
    }
    if (!place) {
        std::fprintf(stderr, "nothing shown as %s\n", qPrintable(request));
        return false;
    }
    if (wholeRect) {
        std::printf("%s %d %d %d %d\n", qPrintable(request), place->x(), place->y(), place->width(),
                    place->height());
    } else {
        std::printf("%s %d %d\n", qPrintable(request), place->center().x(), place->center().y());
    }
    return true;
}

}  // namespace

int PrintCentres(int& argc, char** argv, std::string_view names) {
    bool allFound = true;
    const int exitCode = RunProgram(argc, argv, [names, &allFound] {
        const QString list = QString::fromUtf8(names.data(), qsizetype(names.size()));
        for (const QString& request : list.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            allFound = PrintPlace(request) && allFound;
        }
        std::fflush(stdout);
        CloseMainWindow();
    });
    return allFound ? exitCode : 1;
}

}  // namespace gui_testing
