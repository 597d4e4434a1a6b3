#pragma once
// The control kind "农历月历" (CnMonthCalendar): a form control that embeds
// the calendar panel and answers its grid's notices with events.
//
//   persisted block ──► control + embedded panel ──► stored date selected with notification
//   grid notice 1 / 2 / 3 / 4 ──► event 0 / 1 / 2 / 3
//   properties ──► grid date, lunar fields, names, layout, template, header strip

#include <QWidget>
#include <string>

#include "controls/kind_registry.h"
#include "lunar_controls/calendar_panel.h"
#include "lunar_controls/date_properties.h"
#include "lunar_controls/persisted_block.h"

namespace lunar_controls {

class CnMonthCalendarWidget : public QWidget {
public:
    // The selectors and the day grid are tab stops.
    static constexpr bool kHoldsTabStops = true;

    CnMonthCalendarWidget(const MonthCalendarBlock& block, controls::UnitAddress address,
                          QWidget* parent);

    CalendarPanel& panel() { return *panel_; }
    CCalendar& grid() { return panel_->grid(); }

    forms::PropertyValue kindProperty(int32_t index) const;
    void setKindProperty(int32_t index, const forms::PropertyValue& value);
    forms::Bytes kindData() const;
    bool wantsKey(int qtKey) const;
    MonthCalendarBlock block() const;

protected:
    bool event(QEvent* event) override;

private:
    void onGridNotice(const GridNoticeEvent& notice);
    void dateChanged();
    void setLayoutMode(int32_t mode);
    void setHeaderShown(bool shown);
    void showHeaderText();
    void fitToPanel();
    void updateFocusEntry();

    controls::UnitLink link_;
    CalendarPanel* panel_ = nullptr;
    double dateTime_ = 0;
    int32_t layoutMode_ = 0;
    bool headerShown_ = true;
    std::string headerText_;  // GBK, the header text last shown
};

}  // namespace lunar_controls
