// Draws the two lunar controls as a user sees them and writes the pictures
// that the documentation shows: the month calendar on a page, and the date
// box with its drop-down open beneath it.
//
//   lunar_screenshots <output folder>

#include <QApplication>
#include <QDir>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <cstdio>

#include "controls/kinds/core_kinds.h"
#include "lunar_controls/date_box.h"
#include "lunar_controls/lunar_kinds.h"
#include "lunar_controls/month_calendar.h"
#include "platform/platform.h"
#include "runtime/datetime.h"

namespace {

constexpr int kMargin = 16;

// A page-coloured window to put a control on.
QWidget* Page(QSize size) {
    auto* page = new QWidget;
    page->setAutoFillBackground(true);
    page->setFixedSize(size);
    page->move(0, 0);
    return page;
}

QWidget* CreateControl(forms::KindCode code, const forms::Bytes& data, QRect box, QWidget* parent) {
    forms::CreateRequest request;
    request.kindData = data;
    request.geometry = box;
    request.stateFlags = forms::kVisible;
    request.parent = parent;
    QWidget* control = forms::FindKindDescriptor(uint32_t(code))->routines.create(request);
    control->show();
    return control;
}

bool Save(const QImage& image, const QString& path) {
    if (image.save(path)) return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

bool MonthCalendarPicture(const QString& folder) {
    lunar::MonthCalendarBlock block;
    block.dateTime = runtime::ComposeDateTime(2014, 2, 10);
    QWidget* page = Page({365 + 2 * kMargin, 262 + 2 * kMargin});
    auto* control = static_cast<lunar::CnMonthCalendarWidget*>(
        CreateControl(forms::KindCode::CnMonthCalendar, lunar::WriteMonthCalendarBlock(block),
                      {kMargin, kMargin, 365, 262}, page));
    page->show();
    QCoreApplication::processEvents();
    // The pointer rests on 2014-02-14.
    const QPoint cell = lunar::CCalendar::CellRect(18).center();
    QMouseEvent move(QEvent::MouseMove, cell, control->grid().mapToGlobal(cell), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&control->grid(), &move);
    const bool saved = Save(page->grab().toImage(), folder + "/lunar_month_calendar.png");
    delete page;
    return saved;
}

bool DropDownPicture(const QString& folder) {
    lunar::DateBoxBlock block;
    block.dateTime = runtime::ComposeDateTime(2014, 2, 4);
    QWidget* page = Page({365 + 2 * kMargin, 32 + 262 + 2 * kMargin + 8});
    auto* box = static_cast<lunar::CCnCalendar*>(CreateControl(forms::KindCode::CnCalendar,
                                                               lunar::WriteDateBoxBlock(block),
                                                               {kMargin, kMargin, 208, 32}, page));
    page->show();
    QCoreApplication::processEvents();
    box->button().click();
    QCoreApplication::processEvents();
    // The page and the pop-up are separate windows: compose them as the
    // screen shows them.
    QImage picture = page->grab().toImage();
    QPainter painter(&picture);
    painter.drawImage(box->dropDown().pos() - page->pos(), box->dropDown().grab().toImage());
    painter.end();
    box->CloseDropDown(true);
    const bool saved = Save(picture, folder + "/lunar_drop_down.png");
    delete page;
    return saved;
}

}  // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    runtime::InstallFonts();
    forms::RegisterKinds(forms::kinds::kCoreKinds);
    forms::RegisterKinds(lunar::kLunarKinds);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    const bool ok = MonthCalendarPicture(folder) && DropDownPicture(folder);
    return ok ? 0 : 1;
}
