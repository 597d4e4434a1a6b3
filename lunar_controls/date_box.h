#pragma once
// The control kind "农历日期框" (CnCalendar): a one-line field with the
// selected date written out, and a "..." button that drops down the
// calendar panel to pick another date.
//
//   button ──► event 2 ──► drop-down placed under (or beside) the box, shown
//   grid notice 1 ──► event 0 ──► close, accepting     Escape / press outside /
//   grid notice 2 ──► event 1 (lunar date)             losing activation ──► close, cancelling
//   grid notice 3 ──► event 4 ──► field text           close ──► event 3 (cancel restores the date)

#include <QFrame>
#include <QPushButton>
#include <memory>
#include <string>

#include "controls/kind_registry.h"
#include "lunar_controls/calendar_panel.h"
#include "lunar_controls/date_properties.h"
#include "lunar_controls/persisted_block.h"

namespace lunar_controls {

namespace date_box_layout {
inline constexpr int kButtonWidth = 20;
inline constexpr int kButtonId = 1980;
// What assistive technology calls the "..." button.
inline constexpr char16_t kButtonName[] = u"选择日期";
inline constexpr int kTextLeftInset = 2;
inline constexpr int kFontPixels = 12;
// The size of a new control, used when the form gives none.
inline constexpr QSize kDefaultSize{220, 24};
}  // namespace date_box_layout

// Where the drop-down of size `dropDown` goes for a box at `box` (screen
// coordinates) on a screen of size `screen`: below the box, left-aligned
// with it; right-aligned when it would pass the right edge; above the box
// when it would pass the bottom edge; never at a negative coordinate.
QPoint DropDownPosition(QSize screen, QSize dropDown, const QRect& box);

// The screen the drop-down is placed on; tests put a screen of their own.
using ScreenSizeSource = QSize (*)();
void SetScreenSizeSource(ScreenSizeSource source);

class CCnCalendar : public QFrame {
public:
    CCnCalendar(const DateBoxBlock& block, controls::UnitAddress address, QWidget* parent);

    CalendarPanel& dropDown() { return *panel_; }
    CCalendar& grid() { return panel_->grid(); }
    QPushButton& button() { return *button_; }
    bool dropDownOpen() const;
    const std::string& displayedText() const { return displayedText_; }

    void OpenDropDown();
    void CloseDropDown(bool cancel);

    forms::PropertyValue kindProperty(int32_t index) const;
    void setKindProperty(int32_t index, const forms::PropertyValue& value);
    forms::Bytes kindData() const;
    DateBoxBlock block() const;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void onGridNotice(const GridNoticeEvent& notice);
    void setLayoutMode(int32_t mode);
    void updateDisplayedText();
    QRect buttonRect() const;

    controls::UnitLink link_;
    std::unique_ptr<CalendarPanel> panel_;
    QPushButton* button_ = nullptr;
    double dateTime_ = 0;
    int32_t layoutMode_ = 0;
    std::string template_;       // GBK
    std::string displayedText_;  // GBK
    QRect boxOnScreen_;
};

}  // namespace lunar_controls
