#pragma once
// The calendar panel: a day grid under an optional 30-pixel header strip
// with a year selector, a month selector and the selected date written out.
//
//   selectors ─► ApplySelectors ─► grid (no notification)
//   owner's date-change notice ─► KeepSelectorsInStep + UpdateHeaderText
//
// The month calendar embeds the panel as a child; the date box drops it down
// as a pop-up window of its own that closes on Escape, on losing activation
// or on a left press outside it (each a cancel), and on a click on a date
// (accept, decided by the date box).

#include <QComboBox>
#include <QRect>
#include <QWidget>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "lunar_controls/day_grid.h"

namespace lunar_controls {

namespace panel_layout {
inline constexpr int kHeaderStripHeight = 30;
inline constexpr uint32_t kHeaderStripFill = 11963014;  // (134, 138, 182)
inline constexpr uint32_t kHeaderStripText = 16777215;  // white
// The header text is right-aligned in (kHeaderTextLeft, 0, width - 5, 30).
inline constexpr int kHeaderTextLeft = 175;
inline constexpr int kHeaderTextRightInset = 5;
inline constexpr int kHeaderFontPixels = 12;
inline constexpr int kGridId = 2046;
// A selector's rectangle is its box; its list drops right under the box
// and ends at the list end, which its last row lies just above.
inline constexpr int kYearSelectorId = 1019;
inline constexpr QRect kYearSelectorRect{3, 4, 102, 22};
inline constexpr int kYearListEnd = 250;
inline constexpr int kMonthSelectorId = 1020;
inline constexpr QRect kMonthSelectorRect{107, 4, 61, 22};
inline constexpr int kMonthListEnd = 200;
// What assistive technology calls the two selectors.
inline constexpr char16_t kYearSelectorName[] = u"年份";
inline constexpr char16_t kMonthSelectorName[] = u"月份";
// Years the selectors offer: item i is year kFirstSelectorYear + i.
inline constexpr int kFirstSelectorYear = 1902;
inline constexpr int kLastSelectorYear = 2047;
}  // namespace panel_layout

class CalendarPanel : public QWidget {
public:
    enum class Form { Embedded, DropDown };

    // An embedded panel is a child of `parent`; a drop-down panel is a
    // top-level pop-up window without a parent, owned by its date box.
    explicit CalendarPanel(Form form, QWidget* parent = nullptr);

    static QSize PanelSize(bool headerShown);
    CCalendar& grid() { return *grid_; }

    void SetHeaderShown(bool shown);
    // Sets the layout of panel and grid; the caller rebuilds the selectors.
    void SetGregorianLayout(bool gregorian);
    bool gregorianLayout() const { return gregorian_; }
    // The header template (GBK); empty means the default template.
    void SetTemplate(std::string gbkTemplate);
    const std::string& templateText() const { return template_; }
    void UpdateHeaderText();
    const std::string& headerText() const { return headerText_; }

    // Creates the selectors on first use and fills the year list for the
    // current layout.
    void BuildSelectors();
    // Selects the year of the grid's date and rebuilds its month list with
    // the selection recomputed.
    void KeepSelectorsInStep();
    QComboBox* yearSelector() const { return yearSelector_; }
    QComboBox* monthSelector() const { return monthSelector_; }

    // The panel's tab stops in order: the shown selectors, then the grid.
    std::vector<QWidget*> focusStops() const;
    // The stop after (step 1) or before (step −1) the one with the
    // keyboard; null at either end, where the keyboard leaves the panel.
    QWidget* neighbourStop(int step) const;

    // The drop-down's state: the date saved when it opened, the closing flag
    // that stops a second close, and whom to tell about a cancel.
    void SetSavedDate(const lunar::SolarDate& date) { savedDate_ = date; }
    const lunar::SolarDate& savedDate() const { return savedDate_; }
    void SetClosing(bool closing) { closing_ = closing; }
    bool closing() const { return closing_; }
    void SetCancelHandler(std::function<void()> handler) { onCancel_ = std::move(handler); }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    int stripHeight() const;
    void layOut();
    QComboBox* makeSelector(int id, const QRect& rect, int listEnd);
    void fillYearList();
    void refreshMonthList(int year, bool recomputeSelection);
    int lunarMonthItem(uint16_t leapMonth) const;
    void yearChosen();
    void ApplySelectors();
    void requestCancel();
    void applicationStateChanged(Qt::ApplicationState state);

    Form form_;
    CCalendar* grid_ = nullptr;
    QComboBox* yearSelector_ = nullptr;
    QComboBox* monthSelector_ = nullptr;
    QStyle* selectorStyle_ = nullptr;
    uint16_t shownLeapMonth_ = 0;  // the leap month of the year the selectors show
    bool headerShown_ = true;
    bool gregorian_ = false;
    std::string template_;    // GBK
    std::string headerText_;  // GBK
    lunar::SolarDate savedDate_;
    bool closing_ = false;
    std::function<void()> onCancel_;
    // The time stamp of the Escape that an open selector list took, if any.
    std::optional<quint64> listEscapeTime_;
};

}  // namespace lunar_controls
