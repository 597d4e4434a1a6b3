// The clock panel on the running program: what the clock labels show before
// the first tick and after one, and the day-of-week labels set when the main
// window was created.

#include <gtest/gtest.h>

#include <QDateTime>
#include <QRegularExpression>
#include <QTest>

#include "tests/gui/fixture.h"
#include "tests/gui/program.h"
#include "tests/gui/user.h"

namespace gui_testing {
namespace {

using engine::MainUnit;

// The clock ticks once a second; the first tick comes a second after start.
constexpr int kFirstTickTimeoutMs = 5000;
// The labels are written one after another; a second boundary, a slow
// machine or the sanitizers put them a little behind the time read here.
constexpr qint64 kClockLagSeconds = 3;

// The date as "%d年%d月%d日", then the time with its trailing zero parts
// left out: "%d时%d分%d秒", "%d时%d分", "%d时" or nothing; no leading zeros.
const QRegularExpression kClockText(
    QStringLiteral("^([1-9]\\d*)年([1-9]\\d?)月([1-9]\\d?)日"
                   "(?:(0|[1-9]\\d?)时(?:(0|[1-9]\\d?)分(?:([1-9]\\d?)秒)?)?)?$"));

// The text the clock shows at `time`, by the rule above.
QString ClockText(const QDateTime& time) {
    const QDate date = time.date();
    const QTime clock = time.time();
    QString text =
        QStringLiteral("%1年%2月%3日").arg(date.year()).arg(date.month()).arg(date.day());
    if (clock.second() != 0) {
        return text + QStringLiteral("%1时%2分%3秒")
                          .arg(clock.hour())
                          .arg(clock.minute())
                          .arg(clock.second());
    }
    if (clock.minute() != 0)
        return text + QStringLiteral("%1时%2分").arg(clock.hour()).arg(clock.minute());
    if (clock.hour() != 0) return text + QStringLiteral("%1时").arg(clock.hour());
    return text;
}

// The time a clock text shows, or an invalid one when the text is not a
// clock text at all.
QDateTime ShownTime(const QString& text) {
    const QRegularExpressionMatch match = kClockText.match(text);
    if (!match.hasMatch()) return {};
    const QDate date(match.captured(1).toInt(), match.captured(2).toInt(),
                     match.captured(3).toInt());
    const QTime time(match.captured(4).toInt(), match.captured(5).toInt(),
                     match.captured(6).toInt());
    return QDateTime(date, time);
}

void ExpectCurrentClockText(MainUnit label) {
    const QString text = TransLabelCaption(label);
    SCOPED_TRACE(text.toStdString());
    const QDateTime shown = ShownTime(text);
    ASSERT_TRUE(shown.isValid()) << "not a clock text";
    EXPECT_EQ(text, ClockText(shown));
    const qint64 behind = shown.secsTo(QDateTime::currentDateTime());
    EXPECT_GE(behind, 0);
    EXPECT_LE(behind, kClockLagSeconds);
}

TEST(StartTest, PageTwoClockShowsItsCaptionBeforeTheFirstTick) {
    EXPECT_EQ(ProgramStartView().pageTwoClock, QStringLiteral("透明标签"));
}

TEST_F(ProgramTest, ClockLabelsShowTheCurrentDateAndTimeAfterATick) {
    ASSERT_TRUE(QTest::qWaitFor(
        [] { return ShownTime(TransLabelCaption(MainUnit::HumidityPageClock)).isValid(); },
        kFirstTickTimeoutMs));
    for (MainUnit label :
         {MainUnit::HumidityPageClock, MainUnit::PressurePageClock, MainUnit::CalendarPageClock}) {
        SCOPED_TRACE(::testing::Message() << "label unit 0x" << std::hex << Unit(label));
        ExpectCurrentClockText(label);
    }
}

TEST(ClockTextTest, FollowsTheDocumentedExamples) {
    const QDate day(2026, 12, 6);
    EXPECT_EQ(ClockText(QDateTime(day, QTime(17, 35, 26))), "2026年12月6日17时35分26秒");
    EXPECT_EQ(ClockText(QDateTime(day, QTime(17, 35, 0))), "2026年12月6日17时35分");
    EXPECT_EQ(ClockText(QDateTime(day, QTime(17, 0, 5))), "2026年12月6日17时0分5秒");
    EXPECT_EQ(ClockText(QDateTime(day, QTime(0, 0, 0))), "2026年12月6日");
    for (const char* text : {"2026年12月6日17时35分26秒", "2026年12月6日17时35分",
                             "2026年12月6日17时0分5秒", "2026年12月6日8时", "2026年12月6日"}) {
        EXPECT_TRUE(ShownTime(text).isValid()) << text;
    }
    for (const char* text : {"2026年12月06日", "2026年12月6日 17时", "2026年12月6日17时35分0秒",
                             "2026-12-06 17:35:26"}) {
        EXPECT_FALSE(ShownTime(text).isValid()) << text;
    }
}

// Sunday is 0, Monday 1, ... Saturday 6.
QString WeekdayNumber(const QDate& date) {
    return QString::number(date.dayOfWeek() % 7);
}

TEST_F(ProgramTest, DayOfWeekLabelsShowTodaysNumber) {
    // The labels were written when the window was created, just before the
    // start view was read; around midnight that may have been yesterday.
    const QDateTime readAt = ProgramStartView().readAt;
    const QString today = WeekdayNumber(readAt.date());
    const QString created = WeekdayNumber(readAt.addSecs(-kClockLagSeconds).date());
    for (MainUnit label : {MainUnit::HumidityPageWeekday, MainUnit::CalendarPageWeekday}) {
        const QString shown = TransLabelCaption(label);
        EXPECT_TRUE(shown == today || shown == created) << shown.toStdString();
    }
}

}  // namespace
}  // namespace gui_testing
