#include "lunar/day_grid.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>

#include "runtime/datetime.h"
#include "runtime/platform.h"

namespace lunar {
namespace {

using namespace grid_layout;
using grid_colours::RgbOf;

QFont SongFont(int pixels) {
    QFont font(QString::fromUtf8(runtime::kSongFace));
    font.setPixelSize(pixels);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

double WholeDay(const SolarDate& date) {
    return runtime::ComposeDateTime(date.year, date.month, date.day);
}

SolarDate Today() {
    const runtime::DateTimeFields now = runtime::SplitDateTime(runtime::NowDateTime());
    return {uint16_t(now.year), uint16_t(now.month), uint16_t(now.day), 0};
}

// The Gregorian text of a cell: the day, or "month.1" on the first of a month.
QString SolarText(const SolarDate& date) {
    if (date.day == 1) return QStringLiteral("%1.%2").arg(date.month).arg(1);
    return QString::number(date.day);
}

constexpr uint16_t kLunarMonths = 12;
constexpr uint16_t kLongestLunarMonth = 30;

// The lunar month and day names, converted from GBK once: every page shows
// 42 of them.
QString LunarMonthText(uint16_t month, bool isLeap) {
    static const std::array<std::array<QString, 2>, kLunarMonths> names = [] {
        std::array<std::array<QString, 2>, kLunarMonths> texts;
        for (uint16_t m = 1; m <= kLunarMonths; ++m) {
            texts[m - 1][0] = runtime::GbkToQString(LunarMonthName(m, false));
            texts[m - 1][1] = runtime::GbkToQString(LunarMonthName(m, true));
        }
        return texts;
    }();
    return names[size_t(month - 1)][isLeap ? 1 : 0];
}

QString LunarDayText(uint16_t day) {
    static const std::array<QString, kLongestLunarMonth> names = [] {
        std::array<QString, kLongestLunarMonth> texts;
        for (uint16_t d = 1; d <= kLongestLunarMonth; ++d) {
            texts[d - 1] = runtime::GbkToQString(LunarDayName(d));
        }
        return texts;
    }();
    return names[size_t(day - 1)];
}

// The lunar month name on the first of a lunar month, the day name otherwise;
// nothing for a date the conversion does not reach.
QString LunarText(const LunarDate& date) {
    if (date.day == 0) return {};
    if (date.day == 1) return LunarMonthText(date.month, date.isLeap);
    return LunarDayText(date.day);
}

const std::array<QString, kColumns>& WeekdayNames() {
    static const std::array<QString, kColumns> names = [] {
        std::array<QString, kColumns> texts;
        for (int i = 0; i < kColumns; ++i)
            texts[size_t(i)] = runtime::GbkToQString(WeekdayName(uint16_t(i + 1)));
        return texts;
    }();
    return names;
}

constexpr int kSaturdayColumn = 5;

// Draws a rectangle whose border covers its outermost pixels, filled inside:
// the pixels of an aliased drawRect with a one-pixel pen, filled directly,
// which costs far less than stroking the outline.
void BorderedRect(QPainter& painter, const QRect& rect, uint32_t fill) {
    painter.fillRect(rect, QColor(RgbOf(grid_colours::kLine)));
    painter.fillRect(rect.adjusted(1, 1, -1, -1), QColor(RgbOf(fill)));
}

// Where QPainter::drawText(rect, flags, text) puts the top left of a
// one-line text of `size`, for the alignments the grid uses: left or centred,
// top, centred or bottom.
QPointF AlignedTopLeft(const QRect& rect, int flags, const QSizeF& size) {
    qreal x = rect.x();
    qreal y = rect.y();
    if ((flags & Qt::AlignHCenter) != 0) x += (rect.width() - size.width()) / 2;
    if ((flags & Qt::AlignBottom) != 0) {
        y += rect.height() - size.height();
    } else if ((flags & Qt::AlignVCenter) != 0) {
        y += (rect.height() - size.height()) / 2;
    }
    return {x, y};
}

QRect HeaderRect() {
    return {0, kTopMargin, kWidth, kHeaderHeight};
}

QRect FooterRect() {
    return {0, kTopMargin + kHeaderHeight + kRows * kCellHeight, kWidth, kHeaderHeight};
}

}  // namespace

CCalendar::CCalendar(QWidget* parent)
    : QWidget(parent),
      headerFont_(SongFont(kHeaderFontPixels)),
      solarFont_(SongFont(kSolarTextPixels)),
      lunarFont_(SongFont(kLunarTextPixels)),
      footerFont_(SongFont(kFooterFontPixels)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::ArrowCursor);
    setFixedSize(GridSize());
    solar_ = Today();
    SolarToLunar(solar_.year, solar_.month, solar_.day, lunar_);
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
    if (month < 1 || month > 12 || year > LastConvertibleDate.year) return false;
    if (CompareDates(year, month, day, FirstConvertibleDate.year, FirstConvertibleDate.month,
                     FirstConvertibleDate.day) < 0) {
        return false;
    }
    if (day == 0 || day > GregorianMonthDays(year, month)) return false;
    const SolarDate date{year, month, day, 0};
    if (!notify && date == solar_) return true;
    solar_ = date;
    SolarToLunar(year, month, day, lunar_);
    fillCells();
    if (notify) notifyOwner(GridNotice::DateChanged, solar_, true);
    update();
    return true;
}

bool CCalendar::SetLunarDate(uint16_t year, uint16_t month, uint16_t day, bool isLeap,
                             bool notify) {
    constexpr uint16_t kLastLunarYear = 2049;
    if (year < FirstConvertibleDate.year || year > kLastLunarYear) return false;
    if (month < 1 || month > 12 || day == 0) return false;
    if (LeapMonthOf(year) != month) isLeap = false;
    if (day > LunarMonthLength(year, month, isLeap)) return false;
    SolarDate solar;
    if (!LunarToSolar(year, month, day, isLeap, solar)) return false;
    return SetSolarDate(solar, notify);
}

void CCalendar::SetGregorianLayout(bool gregorian) {
    gregorian_ = gregorian;
    fillCells();
    update();
}

SolarDate CCalendar::pageFirstDay() const {
    const SolarDate gregorianFirst{solar_.year, solar_.month, 1, 0};
    if (gregorian_) return gregorianFirst;
    // Only a clock outside the conversion range leaves the grid without a
    // lunar month; it then shows the Gregorian month.
    SolarDate first;
    if (!LunarToSolar(lunar_.year, lunar_.month, 1, lunar_.isLeap, first)) return gregorianFirst;
    return first;
}

bool CCalendar::inShownMonth(const GridCell& cell) const {
    if (gregorian_) return cell.solar.month == solar_.month;
    return cell.lunar.month == lunar_.month && cell.lunar.isLeap == lunar_.isLeap;
}

void CCalendar::fillCells() {
    SolarDate day = pageFirstDay();
    ShiftDays(day.year, day.month, day.day, -int32_t(WeekdayOf(day.year, day.month, day.day) - 1));
    footerLeft_.clear();
    for (GridCell& cell : cells_) {
        cell.solar = day;
        // Dates before the conversion range show no lunar day rather than a
        // stale one from an earlier page.
        cell.lunar = LunarDate{};
        SolarToLunar(day.year, day.month, day.day, cell.lunar);
        cell.solarTerm = SolarTermOn(day.year, day.month, day.day);
        cell.weekday = WeekdayOf(day.year, day.month, day.day);
        cell.inShownMonth = inShownMonth(cell);
        cell.solarText = SolarText(day);
        cell.lunarText = LunarText(cell.lunar);
        if (cell.inShownMonth && cell.solarTerm != 0) {
            if (!footerLeft_.empty()) footerLeft_ += "  ";
            footerLeft_ += LunarDayName(cell.lunar.day) + SolarTermName(cell.solarTerm);
        }
        StepDay(day.year, day.month, day.day, true);
    }
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

void CCalendar::notifyOwner(GridNotice code, const SolarDate& date, bool post) {
    if (owner_ == nullptr) return;
    if (post) {
        QCoreApplication::postEvent(owner_, new GridNoticeEvent(code, WholeDay(date)));
        return;
    }
    GridNoticeEvent notice(code, WholeDay(date));
    QCoreApplication::sendEvent(owner_, &notice);
}

void CCalendar::hover(int index) {
    if (index == hover_) return;
    if (index >= 0 && cells_[size_t(index)].inShownMonth) {
        const SolarDate& date = cells_[size_t(index)].solar;
        footerRight_ = FormatLunarDay(date.year, date.month, date.day, DefaultLunarFormatGbk());
        hover_ = index;
        notifyOwner(GridNotice::Hovered, date, false);
    } else {
        footerRight_.clear();
        hover_ = index;
    }
    update();
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
    const SolarDate date = cells_[size_t(index)].solar;
    if (event->button() == Qt::LeftButton) {
        SetSolarDate(date, true);
        notifyOwner(GridNotice::Clicked, date, true);
    } else if (event->button() == Qt::RightButton) {
        notifyOwner(GridNotice::RightClicked, date, false);
    }
}

void CCalendar::paintEvent(QPaintEvent*) {
    if (painting_) return;
    painting_ = true;
    paintPage();
    QPainter window(this);
    window.drawImage(0, 0, buffer_);
    painting_ = false;
}

void CCalendar::paintPage() {
    if (buffer_.size() != GridSize()) buffer_ = QImage(GridSize(), QImage::Format_RGB32);
    QPainter painter(&buffer_);
    // The cells cover the whole area between header and footer, borders
    // included, so nothing is painted beneath them.
    paintHeader(painter);
    for (int i = 0; i < kCellCount; ++i) paintCell(painter, i, false);
    paintFooter(painter);
    if (hover_ >= 0) paintCell(painter, hover_, true);
}

void CCalendar::paintHeader(QPainter& painter) const {
    BorderedRect(painter, HeaderRect(), grid_colours::kHeaderFill);
    painter.setFont(headerFont_);
    for (int column = 0; column < kColumns; ++column) {
        const bool weekend = column >= kSaturdayColumn;
        painter.setPen(
            QColor(RgbOf(weekend ? grid_colours::kWeekendName : grid_colours::kHeaderText)));
        const QRect nameRect(kLeftMargin + column * kCellWidth, kTopMargin, kCellWidth,
                             kHeaderHeight);
        drawAlignedText(painter, nameRect, Qt::AlignCenter, WeekdayNames()[size_t(column)]);
    }
}

void CCalendar::paintCell(QPainter& painter, int index, bool highlighted) const {
    const GridCell& cell = cells_[size_t(index)];
    uint32_t fill = grid_colours::kCellBackground;
    uint32_t solarColour = grid_colours::kSolarText;
    uint32_t lunarColour = grid_colours::kLunarText;
    if (!cell.inShownMonth) {
        fill = grid_colours::kOutsideFill;
    } else if (highlighted) {
        fill = grid_colours::kHoverFill;
        solarColour = grid_colours::kHoverSolarText;
        lunarColour = grid_colours::kHoverLunarText;
    }
    const QRect rect = CellRect(index);
    BorderedRect(painter, rect, fill);
    const QRect textArea = rect.adjusted(0, kCellTextInset, 0, -kCellTextInset);
    painter.setFont(solarFont_);
    painter.setPen(QColor(RgbOf(solarColour)));
    drawAlignedText(painter, textArea, Qt::AlignHCenter | Qt::AlignBottom, cell.solarText);
    painter.setFont(lunarFont_);
    painter.setPen(QColor(RgbOf(lunarColour)));
    drawAlignedText(painter, textArea, Qt::AlignHCenter | Qt::AlignTop, cell.lunarText);
}

// Draws a one-line text as QPainter::drawText(rect, flags, text) does, from a
// layout made once per distinct text, clipped to the rectangle only when it
// does not fit, as drawText clips.
void CCalendar::drawAlignedText(QPainter& painter, const QRect& rect, int flags,
                                const QString& text) const {
    if (text.isEmpty()) return;
    auto layout = textLayouts_.find(text);
    if (layout == textLayouts_.end()) {
        layout = textLayouts_.insert(text, QStaticText(text));
        layout->setTextFormat(Qt::PlainText);
        layout->prepare(QTransform(), painter.font());
    }
    const QPointF topLeft = AlignedTopLeft(rect, flags, layout->size());
    const bool fits = QRectF(rect).contains(QRectF(topLeft, layout->size()));
    if (!fits) {
        painter.save();
        painter.setClipRect(rect, Qt::IntersectClip);
    }
    painter.drawStaticText(topLeft, *layout);
    if (!fits) painter.restore();
}

void CCalendar::paintFooter(QPainter& painter) const {
    const QRect footer = FooterRect();
    BorderedRect(painter, footer, grid_colours::kHeaderFill);
    painter.setFont(footerFont_);
    painter.setPen(QColor(RgbOf(grid_colours::kHeaderText)));
    const QRect textArea = footer.adjusted(kFooterTextInset, 0, -kFooterTextInset, 0);
    painter.drawText(textArea, Qt::AlignLeft | Qt::AlignVCenter,
                     runtime::GbkToQString(footerLeft_));
    painter.drawText(textArea, Qt::AlignRight | Qt::AlignVCenter,
                     runtime::GbkToQString(footerRight_));
}

}  // namespace lunar
