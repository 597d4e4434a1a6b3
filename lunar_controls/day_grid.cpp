#include "lunar_controls/day_grid.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "lunar/month_page.h"
#include "lunar_controls/grid_cells.h"
#include "lunar_controls/grid_pictures.h"
#include "lunar_controls/text_sprites.h"
#include "platform/platform.h"
#include "runtime/datetime.h"

namespace lunar_controls {
namespace {

using namespace grid_layout;
using grid_colours::RgbOf;

// The texts of the "宋体" faces, drawn once for all grids: the Gregorian and
// lunar cell texts and the footer's terms.
TextSprites& SolarSprites() {
    static TextSprites sprites(platform::SongFamily(), kSolarTextPixels);
    return sprites;
}

TextSprites& LunarSprites() {
    static TextSprites sprites(platform::SongFamily(), kLunarTextPixels);
    return sprites;
}

TextSprites& FooterSprites() {
    static TextSprites sprites(platform::SongFamily(), kFooterFontPixels);
    return sprites;
}

double WholeDay(const lunar::SolarDate& date) {
    return runtime::ComposeDateTime(date.year, date.month, date.day);
}

lunar::SolarDate LocalToday() {
    const runtime::DateTimeFields now = runtime::SplitDateTime(runtime::NowDateTime());
    return {uint16_t(now.year), uint16_t(now.month), uint16_t(now.day), 0};
}

TodaySource& TodayClock() {
    static TodaySource source = LocalToday;
    return source;
}

QRect HeaderRect() {
    return {0, kTopMargin, kWidth, kHeaderHeight};
}

QRect FooterRect() {
    return {0, kTopMargin + kHeaderHeight + kRows * kCellHeight, kWidth, kHeaderHeight};
}

// A row of cells with its top and bottom border.
QRect RowRect(int row) {
    return {kLeftMargin, kTopMargin + kHeaderHeight + row * kCellHeight, kColumns * kCellWidth + 1,
            kCellHeight + 1};
}

// The area of a cell's two texts, and of the footer's, in the coordinates of
// the cell and of the footer.
const QRect kCellTextArea(0, kCellTextInset, kCellWidth + 1, kCellHeight + 1 - 2 * kCellTextInset);
const QRect kFooterTextArea(kFooterTextInset, 0, kWidth - 2 * kFooterTextInset, kHeaderHeight);

// The fixed pictures are the same for every grid; they are made when the
// first grid is painted.
const GridPictures& Pictures() {
    static const GridPictures pictures(
        TextSprites::AliasedFont(platform::SongFamily(), kHeaderFontPixels));
    return pictures;
}

}  // namespace

void SetTodaySource(TodaySource source) {
    TodayClock() = source != nullptr ? source : LocalToday;
}

CCalendar::CCalendar(QWidget* parent) : QWidget(parent), footerFont_(FooterSprites().Font()) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::ArrowCursor);
    setFixedSize(GridSize());
    solar_ = TodayClock()();
    lunar::SolarToLunar(solar_.year, solar_.month, solar_.day, lunar_);
    fillCells();
}

void CCalendar::Create(QPoint topLeft, QWidget* parent, int id) {
    setParent(parent);
    id_ = id;
    move(topLeft);
    show();
}

void CCalendar::SetOwner(QObject* owner) {
    if (owner != nullptr) owner_ = owner;
}

bool CCalendar::SetSolarDate(uint16_t year, uint16_t month, uint16_t day, bool notify) {
    if (month < 1 || month > 12 || year > lunar::LastConvertibleDate.year) return false;
    if (lunar::CompareDates(year, month, day, lunar::FirstConvertibleDate.year,
                            lunar::FirstConvertibleDate.month,
                            lunar::FirstConvertibleDate.day) < 0) {
        return false;
    }
    if (day == 0 || day > lunar::GregorianMonthDays(year, month)) return false;
    const lunar::SolarDate date{year, month, day, 0};
    if (!notify && date == solar_) return true;
    solar_ = date;
    lunar::SolarToLunar(year, month, day, lunar_);
    fillCells();
    if (notify) notifyOwner(GridNotice::DateChanged, solar_, true);
    update();
    return true;
}

bool CCalendar::SetLunarDate(uint16_t year, uint16_t month, uint16_t day, bool isLeap,
                             bool notify) {
    constexpr uint16_t kLastLunarYear = 2049;
    if (year < lunar::FirstConvertibleDate.year || year > kLastLunarYear) return false;
    if (month < 1 || month > 12 || day == 0) return false;
    if (lunar::LeapMonthOf(year) != month) isLeap = false;
    if (day > lunar::LunarMonthLength(year, month, isLeap)) return false;
    lunar::SolarDate solar;
    if (!lunar::LunarToSolar(year, month, day, isLeap, solar)) return false;
    return SetSolarDate(solar, notify);
}

void CCalendar::SetGregorianLayout(bool gregorian) {
    gregorian_ = gregorian;
    fillCells();
    update();
}

// The page's cells with the texts the grid draws, and the footer's terms
// both as one text and as the pieces the footer draws.
void CCalendar::fillCells() {
    const lunar::MonthPage page = lunar::MonthPageOf(
        solar_, gregorian_ ? lunar::PageLayout::Gregorian : lunar::PageLayout::Lunar);
    footerPieces_.clear();
    for (int i = 0; i < kCellCount; ++i) {
        GridCell& cell = cells_[size_t(i)];
        static_cast<lunar::PageCell&>(cell) = page[size_t(i)];
        cell.solarText = grid_cells::SolarText(cell.solar);
        cell.lunarText = grid_cells::LunarText(cell.lunar);
        if (lunar::FooterListsTerm(cell)) addFooterPieces(cell);
    }
    footerLeft_ = lunar::FooterTermsText(page);
}

void CCalendar::addFooterPieces(const GridCell& cell) {
    static const QString separator = QString::fromLatin1(lunar::FooterTermSeparator);
    if (!footerPieces_.empty()) footerPieces_.push_back(separator);
    footerPieces_.push_back(grid_cells::LunarDayText(cell.lunar.day));
    footerPieces_.push_back(grid_cells::SolarTermText(cell.solarTerm));
}

QRect CCalendar::CellRect(int index) {
    return {kLeftMargin + index % kColumns * kCellWidth,
            kTopMargin + kHeaderHeight + index / kColumns * kCellHeight, kCellWidth + 1,
            kCellHeight + 1};
}

int CCalendar::HitTest(QPoint point) const {
    for (int i = 0; i < kCellCount; ++i) {
        if (CellRect(i).contains(point)) return i;
    }
    return -1;
}

void CCalendar::notifyOwner(GridNotice code, const lunar::SolarDate& date, bool post) {
    if (owner_ == nullptr) return;
    if (post) {
        QCoreApplication::postEvent(owner_, new GridNoticeEvent(code, WholeDay(date)));
        return;
    }
    GridNoticeEvent notice(code, WholeDay(date));
    QCoreApplication::sendEvent(owner_, &notice);
}

// Only the cells that gain or lose the highlight and the footer that
// describes the hovered date are painted again.
void CCalendar::hover(int index, bool byPointer) {
    hoverByKeys_ = index >= 0 && !byPointer;
    if (index == hover_) return;
    if (hover_ >= 0) update(CellRect(hover_));
    hover_ = index;
    if (index >= 0) update(CellRect(index));
    update(FooterRect());
    if (index >= 0 && cells_[size_t(index)].inShownMonth) {
        const lunar::SolarDate& date = cells_[size_t(index)].solar;
        footerRight_ =
            lunar::FormatLunarDay(date.year, date.month, date.day, lunar::DefaultLunarFormatGbk());
        if (byPointer) notifyOwner(GridNotice::Hovered, date, false);
    } else {
        footerRight_.clear();
    }
}

void CCalendar::mouseMoveEvent(QMouseEvent* event) {
    hover(HitTest(event->position().toPoint()));
}

void CCalendar::leaveEvent(QEvent*) {
    hover(-1);
}

void CCalendar::mouseReleaseEvent(QMouseEvent* event) {
    const int index = HitTest(event->position().toPoint());
    if (index < 0 || !cells_[size_t(index)].inShownMonth) return;
    const lunar::SolarDate date = cells_[size_t(index)].solar;
    if (event->button() == Qt::LeftButton) {
        pick(date);
    } else if (event->button() == Qt::RightButton) {
        notifyOwner(GridNotice::RightClicked, date, false);
    }
}

void CCalendar::pick(const lunar::SolarDate& date) {
    SetSolarDate(date, true);
    notifyOwner(GridNotice::Clicked, date, true);
}

// Paints straight onto the widget: the window's backing store already keeps
// the picture, so an off-screen copy would only be copied again. Only the
// parts that meet the rectangle to repaint are painted. The blank cells are
// copied row by row, then their texts are copied onto them; the cells cover
// the whole area between header and footer, so nothing lies beneath them.
void CCalendar::paintEvent(QPaintEvent* event) {
    const QRect dirty = event->rect();
    QPainter painter(this);
    if (dirty.intersects(HeaderRect()))
        painter.drawImage(HeaderRect().topLeft(), Pictures().header());
    for (int row = 0; row < kRows; ++row) {
        if (dirty.intersects(RowRect(row))) paintBlankCells(painter, row);
    }
    for (int i = 0; i < kCellCount; ++i) {
        if (dirty.intersects(CellRect(i))) paintCellTexts(painter, i, lookOf(i));
    }
    if (dirty.intersects(FooterRect())) paintFooter(painter);
    if (hover_ >= 0 && dirty.intersects(CellRect(hover_))) {
        const CellLook look = lookOf(hover_, true);
        painter.drawImage(CellRect(hover_).topLeft(), Pictures().cell(look));
        paintCellTexts(painter, hover_, look);
    }
}

CellLook CCalendar::lookOf(int index, bool hovered) const {
    if (!cells_[size_t(index)].inShownMonth) return CellLook::Outside;
    return hovered ? CellLook::Hovered : CellLook::Plain;
}

// Copies each run of cells of one look from the row picture of that look.
// Neighbouring cells share their border, which both pictures have alike.
void CCalendar::paintBlankCells(QPainter& painter, int row) const {
    const QRect rowRect = RowRect(row);
    int runStart = 0;
    for (int column = 1; column <= kColumns; ++column) {
        const CellLook look = lookOf(row * kColumns + runStart);
        if (column < kColumns && lookOf(row * kColumns + column) == look) continue;
        const QRect run(runStart * kCellWidth, 0, (column - runStart) * kCellWidth + 1,
                        rowRect.height());
        painter.drawImage(rowRect.topLeft() + run.topLeft(), Pictures().row(look), run);
        runStart = column;
    }
}

void CCalendar::paintCellTexts(QPainter& painter, int index, CellLook look) const {
    const GridCell& cell = cells_[size_t(index)];
    const CellColours colours = ColoursOf(look);
    const QPoint origin = CellRect(index).topLeft();
    const QImage& backdrop = Pictures().cell(look);
    SolarSprites().Draw(painter, origin, backdrop, RgbOf(colours.solarText), kCellTextArea,
                        Qt::AlignHCenter | Qt::AlignBottom, cell.solarText);
    LunarSprites().Draw(painter, origin, backdrop, RgbOf(colours.lunarText), kCellTextArea,
                        Qt::AlignHCenter | Qt::AlignTop, cell.lunarText);
}

// The terms of the month are copied piece by piece, each piece starting
// where the one before it advanced to, as drawText would place them in one
// line. The description of the hovered date changes with every date, so it
// is drawn as it is.
void CCalendar::paintFooter(QPainter& painter) const {
    const QRect footer = FooterRect();
    const QImage& backdrop = Pictures().footer();
    painter.drawImage(footer.topLeft(), backdrop);
    const QRgb pen = RgbOf(grid_colours::kHeaderText);
    qreal advance = 0;
    for (const QString& piece : footerPieces_) {
        advance += FooterSprites().Draw(painter, footer.topLeft(), backdrop, pen,
                                        QRectF(kFooterTextArea).adjusted(advance, 0, 0, 0),
                                        Qt::AlignLeft | Qt::AlignVCenter, piece);
    }
    if (footerRight_.empty()) return;
    painter.setFont(footerFont_);
    painter.setPen(QColor(pen));
    painter.drawText(kFooterTextArea.translated(footer.topLeft()),
                     Qt::AlignRight | Qt::AlignVCenter, platform::GbkToQString(footerRight_));
}

}  // namespace lunar_controls
