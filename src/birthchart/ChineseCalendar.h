#pragma once

#include <array>
#include <string>

// Our Chinese calendar, computed from the astronomy in Astronomy.h for the years 1900 to 2100, in
// Beijing time (UTC+8). The conventions it follows:
//  - the year pillar changes at the exact moment of 立春 (the Sun at 315°), not at the lunar
//    new year;
//  - the month pillar changes at the exact moments of the twelve 节 (立春, 惊蛰, 清明, 立夏, 芒种,
//    小暑, 立秋, 白露, 寒露, 立冬, 大雪, 小寒 — the Sun at 315° + 30°·n); its stem follows from the
//    year stem (甲 and 己 years begin with 丙寅, and so on);
//  - the day pillar changes at midnight;
//  - the hour pillar follows the double hours 子 (23–1), 丑 (1–3) …; the hour 23 is the 子 hour
//    and its stem follows the next day's stem, while the day pillar stays that of the date;
//  - a lunar month begins on the Beijing date of a new moon; the month holding 冬至 is the
//    eleventh; when thirteen months lie between two such elevenths, the first of them without a
//    中气 (the Sun at a multiple of 30°) is the leap month and repeats the number of the month
//    before it.
// Texts are GBK.
namespace lumo {

// A Gregorian date and time on Beijing clocks.
struct BeijingMoment {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
};

// True for an existing Gregorian date from 1900-01-01 to 2100-12-31 with hour 0..23 and minute
// 0..59: the moments the converter serves.
bool IsServedMoment(const BeijingMoment& moment);

// The stem-branch name of a sixty-cycle index: 1 甲子, 2 乙丑 … 60 癸亥; empty outside 1..60.
std::string CycleName(int index);

// The year, month, day and hour pillars. Answers false and leaves `pillars` unchanged for a
// moment the converter does not serve.
bool FourPillars(const BeijingMoment& moment, std::array<std::string, 4>& pillars);

struct LunarDate {
    int month = 0;  // 1 正月 … 12 腊月
    bool leap = false;
    int day = 0;  // 1 … 30
};

// The lunar date of a Gregorian date (1900-01-01 … 2100-12-31); false outside.
bool LunarDateOf(int year, int month, int day, LunarDate& out);

// 正月, 二月 … 十月, 冬月, 腊月, with 闰 before a leap month.
std::string LunarMonthName(const LunarDate& date);
// 初一 … 初十, 十一 … 十九, 二十, 廿一 … 廿九, 三十.
std::string LunarDayName(int day);

// The format with every "%Y" replaced by the year pillar, "%M" by the lunar month's name and "%D"
// by the lunar day's name. Answers false and leaves `out` unchanged for a moment not served.
bool FormatLunarDate(const BeijingMoment& moment, const std::string& format, std::string& out);

// Julian Day (UT) of the moment in the given Gregorian year at which the Sun's apparent longitude
// reaches `longitude` degrees (a multiple of 15: 0 春分 … 270 冬至, 285 小寒, 315 立春).
double SolarTermMoment(int year, int longitude);

// Julian Day (UT) of a Beijing moment, and the Beijing date count (Julian Day Number of the
// Beijing date) of a Julian Day (UT).
double BeijingToUniversal(const BeijingMoment& moment);
long BeijingDayOf(double jdUt);

}  // namespace lumo
