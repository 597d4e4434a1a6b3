#include "lunar_controls/calendar_panel.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QProxyStyle>
#include <algorithm>

#include "platform/platform.h"
#include "runtime/gbk.h"

namespace lunar_controls {
namespace {

using namespace panel_layout;

// The selectors keep their narrow widths; the text field of each takes the
// few pixels of padding the style leaves on its left, so that a year item
// such as "甲午(马)-2014" shows whole.
constexpr int kSelectorTextGain = 3;

// The selectors' lists drop below their boxes as plain lists with a
// vertical scroll bar, also under styles that lay a menu over the box.
class SelectorStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_ComboBox_Popup) return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget) const override {
        QRect rect = QProxyStyle::subControlRect(control, option, part, widget);
        if (control == CC_ComboBox && part == SC_ComboBoxEditField) {
            rect.setLeft(std::max(0, rect.left() - kSelectorTextGain));
        }
        // The toolkit lays a dropped list against this rectangle's last row
        // (or its first, dropping upwards); one row more on each side makes
        // the list start right under the box instead of over its edge.
        if (control == CC_ComboBox && part == SC_ComboBoxListBoxPopup) rect.adjust(0, -1, 0, 1);
        return rect;
    }
};

// The selectors' texts are shown by Qt only and never reach the program as
// GBK texts, so they stay in Qt's own encoding.
QString GregorianYearItem(int year) {
    return QString::fromUtf8("公历 %1 年").arg(year);
}

const std::string& LunarYearTemplateGbk() {
    static const std::string text = runtime::Utf8ToGbk("%Y(%S)-%y");
    return text;
}

const QStringList& GregorianMonthItems() {
    static const QStringList names = QString::fromUtf8(
                                         "一月 二月 三月 四月 五月 六月 七月 八月 九月 十月 "
                                         "十一月 十二月")
                                         .split(QLatin1Char(' '));
    return names;
}

constexpr uint16_t kFirstLunarDay = 1;

// The day of the selectors' month: the selected day, clamped to the month.
uint16_t ClampedDay(uint16_t day, uint16_t monthLength) {
    return std::min(day, monthLength);
}

}  // namespace

CalendarPanel::CalendarPanel(Form form, QWidget* parent)
    : QWidget(form == Form::Embedded ? parent : nullptr,
              form == Form::Embedded ? Qt::Widget : Qt::Popup | Qt::FramelessWindowHint),
      form_(form) {
    if (form_ == Form::DropDown) {
        setAttribute(Qt::WA_ShowWithoutActivating);
        // The pop-up never becomes the active window (the list of a selector
        // would otherwise take activation from it), so losing activation is
        // the program losing it.
        connect(qGuiApp, &QGuiApplication::applicationStateChanged, this,
                [this](Qt::ApplicationState state) { applicationStateChanged(state); });
    }
    setFont(platform::DefaultGuiFont());
    grid_ = new CCalendar(this);
    grid_->Create(QPoint(0, stripHeight()), this, kGridId);
    layOut();
}

QSize CalendarPanel::PanelSize(bool headerShown) {
    const QSize grid = CCalendar::GridSize();
    return {grid.width(), grid.height() + (headerShown ? kHeaderStripHeight : 0)};
}

int CalendarPanel::stripHeight() const {
    return headerShown_ ? kHeaderStripHeight : 0;
}

void CalendarPanel::layOut() {
    setFixedSize(PanelSize(headerShown_));
    grid_->move(0, stripHeight());
    if (yearSelector_ != nullptr) yearSelector_->setVisible(headerShown_);
    if (monthSelector_ != nullptr) monthSelector_->setVisible(headerShown_);
    update();
}

void CalendarPanel::SetHeaderShown(bool shown) {
    headerShown_ = shown;
    layOut();
}

void CalendarPanel::SetGregorianLayout(bool gregorian) {
    gregorian_ = gregorian;
    grid_->SetGregorianLayout(gregorian);
}

void CalendarPanel::SetTemplate(std::string gbkTemplate) {
    template_ = std::move(gbkTemplate);
}

void CalendarPanel::UpdateHeaderText() {
    const lunar::SolarDate& date = grid_->solarDate();
    headerText_ =
        lunar::FormatLunarDay(date.year, date.month, date.day,
                              template_.empty() ? lunar::DefaultLunarFormatGbk() : template_);
    update();
}

QComboBox* CalendarPanel::makeSelector(int id, const QRect& rect, int listEnd) {
    auto* selector = new QComboBox(this);
    selector->setObjectName(QStringLiteral("selector%1").arg(id));
    selector->setEditable(false);
    if (selectorStyle_ == nullptr) {
        selectorStyle_ = new SelectorStyle;
        selectorStyle_->setParent(this);
    }
    // The list takes its scroll bar policy from the style when it is made,
    // which the first font change does: the style comes first.
    selector->setStyle(selectorStyle_);
    selector->setFont(platform::DefaultGuiFont());
    selector->setGeometry(rect);
    selector->setVisible(headerShown_);
    // The list's window has a fixed height, which the toolkit keeps when it
    // places the list under the box, however many items it holds.
    selector->view()->window()->setFixedHeight(listEnd - (rect.y() + rect.height()));
    // The list sees an Escape first, as a shortcut check, while open.
    selector->view()->installEventFilter(this);
    return selector;
}

void CalendarPanel::BuildSelectors() {
    if (yearSelector_ == nullptr) {
        yearSelector_ = makeSelector(kYearSelectorId, kYearSelectorRect, kYearListEnd);
        monthSelector_ = makeSelector(kMonthSelectorId, kMonthSelectorRect, kMonthListEnd);
        yearSelector_->setAccessibleName(QString::fromUtf16(kYearSelectorName));
        monthSelector_->setAccessibleName(QString::fromUtf16(kMonthSelectorName));
        connect(yearSelector_, &QComboBox::activated, this, [this] { yearChosen(); });
        connect(monthSelector_, &QComboBox::activated, this, [this] { ApplySelectors(); });
    }
    fillYearList();
}

void CalendarPanel::fillYearList() {
    const int selection = yearSelector_->currentIndex();
    yearSelector_->clear();
    for (int year = kFirstSelectorYear; year <= kLastSelectorYear; ++year) {
        yearSelector_->addItem(gregorian_ ? GregorianYearItem(year)
                                          : platform::GbkToQString(lunar::FormatLunarDay(
                                                uint16_t(year), 5, 1, LunarYearTemplateGbk())));
    }
    yearSelector_->setCurrentIndex(selection);
}

int CalendarPanel::lunarMonthItem(uint16_t leapMonth) const {
    const lunar::LunarDate& lunar = grid_->lunarDate();
    int item = lunar.month - 1;
    if (leapMonth != 0 && (leapMonth < lunar.month || (leapMonth == lunar.month && lunar.isLeap))) {
        ++item;
    }
    return item;
}

void CalendarPanel::refreshMonthList(int year, bool recomputeSelection) {
    const int previous = monthSelector_->currentIndex();
    monthSelector_->clear();
    shownLeapMonth_ = 0;
    if (year < kFirstSelectorYear || year > kLastSelectorYear) return;
    if (gregorian_) {
        monthSelector_->addItems(GregorianMonthItems());
        monthSelector_->setCurrentIndex(grid_->solarDate().month - 1);
        return;
    }
    shownLeapMonth_ = lunar::LeapMonthOf(uint16_t(year));
    for (uint16_t month = 1; month <= 12; ++month) {
        monthSelector_->addItem(platform::GbkToQString(lunar::LunarMonthName(month, false)));
        if (month == shownLeapMonth_) {
            monthSelector_->addItem(platform::GbkToQString(lunar::LunarMonthName(month, true)));
        }
    }
    const bool keep = !recomputeSelection && previous >= 0 && previous < monthSelector_->count();
    monthSelector_->setCurrentIndex(keep ? previous : lunarMonthItem(shownLeapMonth_));
}

void CalendarPanel::KeepSelectorsInStep() {
    if (yearSelector_ == nullptr) return;
    const int year = gregorian_ ? grid_->solarDate().year : grid_->lunarDate().year;
    const bool offered = year >= kFirstSelectorYear && year <= kLastSelectorYear;
    yearSelector_->setCurrentIndex(offered ? year - kFirstSelectorYear : -1);
    refreshMonthList(year, true);
}

void CalendarPanel::yearChosen() {
    refreshMonthList(kFirstSelectorYear + yearSelector_->currentIndex(), false);
    ApplySelectors();
}

void CalendarPanel::ApplySelectors() {
    const int yearItem = yearSelector_->currentIndex();
    const int monthItem = monthSelector_->currentIndex();
    if (yearItem < 0 || monthItem < 0) return;
    const auto year = uint16_t(kFirstSelectorYear + yearItem);
    if (gregorian_) {
        const auto month = uint16_t(monthItem + 1);
        grid_->SetSolarDate(
            year, month, ClampedDay(grid_->solarDate().day, lunar::GregorianMonthDays(year, month)),
            false);
        return;
    }
    const uint16_t leap = shownLeapMonth_;
    const auto month = uint16_t(leap == 0 || monthItem < leap ? monthItem + 1 : monthItem);
    const bool isLeap = leap != 0 && monthItem == leap;
    // A grid whose date lies outside the conversion range (a clock past
    // it) has no lunar day; the chosen month then opens on its first day.
    uint16_t day = std::max(grid_->lunarDate().day, kFirstLunarDay);
    if (day > lunar::LunarMonthLength(year, month, isLeap)) --day;
    grid_->SetLunarDate(year, month, day, isLeap, false);
}

std::vector<QWidget*> CalendarPanel::focusStops() const {
    std::vector<QWidget*> stops;
    if (headerShown_ && yearSelector_ != nullptr) stops = {yearSelector_, monthSelector_};
    stops.push_back(grid_);
    return stops;
}

QWidget* CalendarPanel::neighbourStop(int step) const {
    const std::vector<QWidget*> stops = focusStops();
    const auto at = std::find(stops.begin(), stops.end(), QApplication::focusWidget());
    if (at == stops.end()) return nullptr;
    const auto index = (at - stops.begin()) + step;
    return index >= 0 && index < std::ssize(stops) ? stops[size_t(index)] : nullptr;
}

// Tab and Shift+Tab inside the panel move between its own stops.
bool CalendarPanel::focusNextPrevChild(bool next) {
    QWidget* stop = neighbourStop(next ? 1 : -1);
    if (stop == nullptr) return QWidget::focusNextPrevChild(next);
    stop->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

void CalendarPanel::paintEvent(QPaintEvent*) {
    if (!headerShown_) return;
    QPainter painter(this);
    painter.fillRect(0, 0, width(), kHeaderStripHeight,
                     QColor(grid_colours::RgbOf(kHeaderStripFill)));
    QFont font = platform::DefaultGuiFont();
    font.setPixelSize(kHeaderFontPixels);
    painter.setFont(font);
    painter.setPen(QColor(grid_colours::RgbOf(kHeaderStripText)));
    const QRect textArea(QPoint(kHeaderTextLeft, 0),
                         QPoint(width() - kHeaderTextRightInset - 1, kHeaderStripHeight - 1));
    painter.drawText(textArea, Qt::AlignRight | Qt::AlignVCenter,
                     platform::GbkToQString(headerText_));
}

void CalendarPanel::requestCancel() {
    if (onCancel_) onCancel_();
}

// Escape cancels, unless it is the Escape that closed a selector's open
// list: the toolkit hands that key to the panel once more after the list
// has gone, and it must close only the list. Neither reaches the toolkit's
// own handling, which would close the pop-up without telling the date box.
void CalendarPanel::keyPressEvent(QKeyEvent* event) {
    if (form_ != Form::DropDown || event->key() != Qt::Key_Escape) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    const bool closedList = listEscapeTime_ == event->timestamp();
    listEscapeTime_.reset();
    if (!closedList) requestCancel();
}

bool CalendarPanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        listEscapeTime_ = static_cast<QKeyEvent*>(event)->timestamp();
    }
    return QWidget::eventFilter(watched, event);
}

// While the pop-up is open the toolkit hands it every press, also those
// outside it, and closes it for any of them; only a left press outside
// cancels, the other buttons there do nothing.
void CalendarPanel::mousePressEvent(QMouseEvent* event) {
    const bool outside = !rect().contains(event->position().toPoint());
    if (form_ == Form::DropDown && outside && event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    QWidget::mousePressEvent(event);
}

// The pop-up is closed by the toolkit itself when a left press lands
// outside it.
void CalendarPanel::closeEvent(QCloseEvent* event) {
    if (form_ == Form::DropDown && isVisible()) requestCancel();
    event->accept();
}

void CalendarPanel::applicationStateChanged(Qt::ApplicationState state) {
    if (form_ == Form::DropDown && state != Qt::ApplicationActive && isVisible()) requestCancel();
}

}  // namespace lunar_controls
