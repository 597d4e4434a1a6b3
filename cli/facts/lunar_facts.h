#pragma once
// What the lunar calendar says about a moment, a year's solar terms and a
// Gregorian month, gathered from the lunar library as plain records with
// UTF-8 names.
//
//   Gregorian date and time ─► SolarToLunar, SexagenaryOf, SolarTermOn ─► DayFacts
//   year ─► SolarTermMoment × 24 ─► SolarTermFacts
//   year, month ─► each day's lunar name and term ─► MonthFacts (the window's grid rules)

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

#include "lunar/calendar.h"

namespace cli {

struct ClockTime {
    int32_t hour = 0;
    int32_t minute = 0;
    int32_t second = 0;
};

struct SolarTermFacts {
    uint16_t number = 0;  // 1-24, 1 = 小寒
    std::string name;
    std::string moment;  // "YYYY-MM-DD HH:MM:SS", China Standard Time
};

struct DayFacts {
    lunar::SolarDate date;
    ClockTime time;
    uint16_t weekday = 0;  // 1 = Monday ... 7 = Sunday
    lunar::LunarDate lunar;
    std::string lunarMonthName;
    std::string lunarDayName;
    // The sexagenary year, month, day and hour of the moment, e.g. "甲午".
    std::string yearPillar, monthPillar, dayPillar, hourPillar;
    std::string zodiac;                  // the animal of the sexagenary year
    std::optional<SolarTermFacts> term;  // the term that begins on the day
    // The window's lunar date field for the day. It names the day as at its
    // last second, so on the day of 立春 it already shows the new sexagenary
    // year even for a moment before the term; dateFieldMoment says which.
    std::string dateFieldText;
    std::string dateFieldMoment;  // "YYYY-MM-DD 23:59:59"
};

// None outside the conversion range (1901-02-19 ... 2048-12-31).
std::optional<DayFacts> FactsOfDay(const lunar::SolarDate& date, const ClockTime& time);

// The 24 terms of a Gregorian year; none outside 1880-2079.
std::optional<std::vector<SolarTermFacts>> SolarTermsOf(uint16_t year);

struct MonthDay {
    uint16_t day = 0;
    uint16_t weekday = 0;
    std::optional<lunar::LunarDate> lunar;  // none outside the conversion range
    std::string lunarText;  // the lunar month name on day 1 of a lunar month, else the day name
    std::optional<SolarTermFacts> term;
};

struct MonthFacts {
    uint16_t year = 0;
    uint16_t month = 0;
    std::vector<MonthDay> days;
    // The window's footer: each term as lunar day name and term name, the
    // entries two spaces apart ("初五立春  二十雨水").
    std::string termLine;
};

// Every Gregorian year and month 1-12 has facts; lunar texts are empty for
// days outside the conversion range.
MonthFacts FactsOfMonth(uint16_t year, uint16_t month);
// The twelve months of a year.
std::vector<MonthFacts> FactsOfYear(uint16_t year);

// "YYYY-MM-DD".
std::string DateText(const lunar::SolarDate& date);

// The date of a moment in China Standard Time (UTC+8), the time the lunar
// tables are kept in.
lunar::SolarDate ChinaDateOf(std::time_t moment);

}  // namespace cli
