#pragma once
// The day grid of the lunar controls: one month page of 6 weeks × 7 days.
//
//   selected date ─► page fill (Gregorian or lunar month) ─► 42 cells + footer terms
//   cells ─► blank cells from fixed pictures + texts from sprites ─► widget
//            (on hover only the cells that change and the footer)
//   mouse ─► HitTest ─► hover / click / right click ─► owner notices (0x464)
//   keys ─► move / pick the selected day (grid_keys.cpp) ─► owner notices
//
// Every cell shows its Gregorian day and its lunar day (or lunar month name
// on the first of a lunar month); the footer lists the solar terms of the
// shown month and describes the date under the pointer. The grid tells its
// owner (the month calendar or the date box) about clicks, hovers and date
// changes through GridNoticeEvent, posted or sent as the code requires.

#include <QEvent>
#include <QFont>
#include <QPointer>
#include <QRect>
#include <QRgb>
#include <QSize>
#include <QString>
#include <QWidget>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "lunar/calendar.h"
#include "lunar/month_page.h"
#include "lunar_controls/grid_look.h"
#include "lunar_controls/grid_pictures.h"

class QPainter;

namespace lunar_controls {

// The private message by which the grid notifies its owner, and its codes.
inline constexpr int kGridNoticeMessage = 0x464;
enum class GridNotice : int {
    Clicked = 1,       // posted: a date of the shown month was clicked
    Hovered = 2,       // sent: the pointer entered a date of the shown month
    DateChanged = 3,   // posted: the date was set with notification
    RightClicked = 4,  // sent: a date of the shown month was right-clicked
};

// The notice as a Qt event: posted notices are queued, sent ones delivered
// at once. `dateTime` is the cell's whole-day DateTime for codes 2 and 4.
class GridNoticeEvent : public QEvent {
public:
    static constexpr QEvent::Type kType = QEvent::Type(QEvent::User + kGridNoticeMessage);
    GridNoticeEvent(GridNotice code, double dateTime)
        : QEvent(kType), code(code), dateTime(dateTime) {}
    const GridNotice code;
    const double dateTime;
};

// The keys the grid takes when it has the keyboard (grid_keys.cpp).
bool IsGridKey(int qtKey);

// A cell of the month page with the texts the grid draws.
struct GridCell : lunar::PageCell {
    QString solarText;
    QString lunarText;
};

// The date a new grid starts on: today by the local clock unless a test
// sets a clock of its own (null restores the local clock).
using TodaySource = lunar::SolarDate (*)();
void SetTodaySource(TodaySource source);

class CCalendar : public QWidget {
public:
    // Starts on the current local date, in lunar layout, with no owner.
    explicit CCalendar(QWidget* parent = nullptr);

    // Places the grid at `topLeft` of `parent`, sized to GridSize, visible.
    void Create(QPoint topLeft, QWidget* parent, int id);
    static QSize GridSize() { return {grid_layout::kWidth, grid_layout::kHeight}; }
    int id() const { return id_; }

    bool SetSolarDate(uint16_t year, uint16_t month, uint16_t day, bool notify);
    bool SetSolarDate(const lunar::SolarDate& date, bool notify) {
        return SetSolarDate(date.year, date.month, date.day, notify);
    }
    bool SetLunarDate(uint16_t year, uint16_t month, uint16_t day, bool isLeap, bool notify);
    void SetGregorianLayout(bool gregorian);
    void SetOwner(QObject* owner);

    // The first cell whose rectangle holds the point, else -1.
    int HitTest(QPoint point) const;
    static QRect CellRect(int index);

    const lunar::SolarDate& solarDate() const { return solar_; }
    const lunar::LunarDate& lunarDate() const { return lunar_; }
    bool gregorianLayout() const { return gregorian_; }
    const GridCell& cell(int index) const { return cells_[size_t(index)]; }
    int hoverCell() const { return hover_; }
    const std::string& footerLeftText() const { return footerLeft_; }
    const std::string& footerRightText() const { return footerRight_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void fillCells();
    // Highlights a cell; only the pointer's hover tells the owner.
    void hover(int index, bool byPointer = true);
    void pick(const lunar::SolarDate& date);
    void selectByKey(const lunar::SolarDate& date);
    uint16_t dayInMonth(const lunar::SolarDate& date) const;
    lunar::SolarDate neighbourMonthStart(int step) const;
    lunar::SolarDate sameDayInMonth(int step) const;
    void notifyOwner(GridNotice code, const lunar::SolarDate& date, bool post);

    void addFooterPieces(const GridCell& cell);

    CellLook lookOf(int index, bool hovered = false) const;
    void paintBlankCells(QPainter& painter, int row) const;
    void paintCellTexts(QPainter& painter, int index, CellLook look) const;
    void paintFooter(QPainter& painter) const;

    lunar::SolarDate solar_;
    lunar::LunarDate lunar_;
    bool gregorian_ = false;
    std::array<GridCell, grid_layout::kCellCount> cells_;
    std::string footerLeft_;             // GBK
    std::string footerRight_;            // GBK
    std::vector<QString> footerPieces_;  // footerLeft_ as the footer draws it
    QPointer<QObject> owner_;
    int hover_ = -1;
    bool hoverByKeys_ = false;
    int id_ = 0;
    // The face of the footer's description of the hovered date, which
    // changes with every date and so is drawn as it is.
    QFont footerFont_;
};

}  // namespace lunar_controls
