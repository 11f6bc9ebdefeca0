// Our Chinese calendar against published astronomy and well-known calendar dates.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "birthchart/Astronomy.h"
#include "birthchart/ChineseCalendar.h"
#include "db/Gbk.h"

namespace lumo {
namespace {

struct PublishedMoment {
    std::string line;
    bool newMoon = false;
    int longitude = 0;
    double jdUt = 0;  // the published moment as a Julian Day of Universal Time
};

std::vector<PublishedMoment> ReadPublishedMoments() {
    std::vector<PublishedMoment> out;
    std::ifstream in(std::string(LUMO_SOURCE_DIR) + "/tests/data/PublishedMoments.txt");
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        std::string kind, longitude, date, time, clock;
        fields >> kind >> longitude >> date >> time >> clock;
        PublishedMoment m{line, kind == "newmoon", kind == "term" ? std::stoi(longitude) : 0, 0};
        int y = std::stoi(date.substr(0, 4)), mo = std::stoi(date.substr(5, 2)),
            d = std::stoi(date.substr(8, 2));
        double hours = std::stoi(time.substr(0, 2)) + std::stoi(time.substr(3, 2)) / 60.0;
        m.jdUt = astro::JulianDay(y, mo, d, hours) - (clock == "UTC+8" ? 8.0 / 24 : 0.0);
        out.push_back(m);
    }
    return out;
}

double OurMoment(const PublishedMoment& m) {
    if (m.newMoon) {
        long k = astro::LunationNear(astro::UniversalToTerrestrial(m.jdUt));
        return astro::TerrestrialToUniversal(astro::NewMoon(k));
    }
    int year = astro::DateOfDayNumber(BeijingDayOf(m.jdUt)).year;
    return SolarTermMoment(year, m.longitude);
}

TEST(CalendarAstronomy, MatchesPublishedMomentsWithinOneMinute) {
    std::vector<PublishedMoment> moments = ReadPublishedMoments();
    ASSERT_GE(moments.size(), 350u) << "the table of published moments did not load";
    double largestTerm = 0, largestMoon = 0;
    for (const PublishedMoment& m : moments) {
        double errorSeconds = (OurMoment(m) - m.jdUt) * 86400.0;
        EXPECT_LE(std::fabs(errorSeconds), 60.0) << m.line << ": off by " << errorSeconds << " s";
        double& largest = m.newMoon ? largestMoon : largestTerm;
        largest = std::max(largest, std::fabs(errorSeconds));
    }
    RecordProperty("largest_term_error_s", std::to_string(largestTerm));
    RecordProperty("largest_new_moon_error_s", std::to_string(largestMoon));
    std::cout << "largest error: solar terms " << largestTerm << " s, new moons " << largestMoon
              << " s\n";
}

TEST(CalendarAstronomy, DayNumbersRoundTrip) {
    for (long d : {astro::DayNumber(1900, 1, 1), astro::DayNumber(2000, 2, 29),
                   astro::DayNumber(2100, 12, 31)}) {
        astro::CivilDate c = astro::DateOfDayNumber(d);
        EXPECT_EQ(astro::DayNumber(c.year, c.month, c.day), d);
    }
    EXPECT_EQ(astro::DayNumber(2000, 1, 1), 2451545);
    EXPECT_EQ(astro::DayNumber(2000, 3, 1) - astro::DayNumber(2000, 2, 28), 2);
    EXPECT_EQ(astro::DayNumber(2100, 3, 1) - astro::DayNumber(2100, 2, 28), 1);
}

TEST(CalendarAstronomy, SunLongitudeAdvancesAboutOneDegreeADay) {
    double jde = astro::JulianDay(2013, 6, 1, 0);
    double step = astro::SunApparentLongitude(jde + 1) - astro::SunApparentLongitude(jde);
    EXPECT_NEAR(step, 0.958, 0.01);  // near aphelion the Sun is slowest
    double reached = astro::SunReachesLongitude(90, jde);
    EXPECT_NEAR(astro::SunApparentLongitude(reached), 90.0, 1e-6);
}

struct KnownLunarDate {
    int year, month, day;
    int lunarMonth;
    bool leap;
    int lunarDay;
};

// Lunar new years and the first days of leap months, as every almanac prints them.
const KnownLunarDate kKnownDates[] = {
    {1900, 1, 31, 1, false, 1},  {1970, 2, 6, 1, false, 1},   {1985, 2, 20, 1, false, 1},
    {1990, 1, 27, 1, false, 1},  {2000, 2, 5, 1, false, 1},   {2013, 2, 10, 1, false, 1},
    {2020, 1, 25, 1, false, 1},  {2023, 1, 22, 1, false, 1},  {2030, 2, 3, 1, false, 1},
    {1984, 11, 23, 10, true, 1}, {2012, 5, 21, 4, true, 1},   {2014, 10, 24, 9, true, 1},
    {2017, 7, 23, 6, true, 1},   {2020, 5, 23, 4, true, 1},   {2023, 3, 22, 2, true, 1},
    {2033, 12, 22, 11, true, 1}, {2013, 1, 1, 11, false, 20}, {2013, 2, 9, 12, false, 29},
    {2020, 6, 20, 4, true, 29},  {2020, 6, 21, 5, false, 1},
};

TEST(ChineseCalendar, GivesTheLunarDatesAlmanacsPrint) {
    for (const KnownLunarDate& k : kKnownDates) {
        LunarDate d;
        ASSERT_TRUE(LunarDateOf(k.year, k.month, k.day, d))
            << k.year << "-" << k.month << "-" << k.day;
        EXPECT_EQ(d.month, k.lunarMonth) << k.year << "-" << k.month << "-" << k.day;
        EXPECT_EQ(d.leap, k.leap) << k.year << "-" << k.month << "-" << k.day;
        EXPECT_EQ(d.day, k.lunarDay) << k.year << "-" << k.month << "-" << k.day;
    }
}

TEST(ChineseCalendar, EveryLunarMonthHas29Or30DaysAndNumbersFollowEachOther) {
    LunarDate previous;
    ASSERT_TRUE(LunarDateOf(1969, 12, 31, previous));
    int length = previous.day;
    for (long d = astro::DayNumber(1970, 1, 1); d <= astro::DayNumber(2030, 12, 31); ++d) {
        astro::CivilDate c = astro::DateOfDayNumber(d);
        LunarDate today;
        ASSERT_TRUE(LunarDateOf(c.year, c.month, c.day, today));
        if (today.day == 1) {
            EXPECT_TRUE(length == 29 || length == 30) << c.year << "-" << c.month << "-" << c.day;
            int expected = today.leap ? previous.month : previous.month % 12 + 1;
            EXPECT_EQ(today.month, expected) << c.year << "-" << c.month << "-" << c.day;
            EXPECT_FALSE(today.leap && previous.leap);
        } else {
            ASSERT_EQ(today.day, previous.day + 1) << c.year << "-" << c.month << "-" << c.day;
        }
        length = today.day;
        previous = today;
    }
}

TEST(ChineseCalendar, NamesMonthsAndDays) {
    struct Case {
        LunarDate date;
        const char* month;
    } cases[] = {{{1, false, 1}, "正月"},  {{10, false, 1}, "十月"}, {{11, false, 1}, "冬月"},
                 {{12, false, 1}, "腊月"}, {{4, true, 1}, "闰四月"}, {{11, true, 1}, "闰冬月"}};
    for (const Case& c : cases) EXPECT_EQ(GbkToUtf8(LunarMonthName(c.date)), c.month);
    const char* days[] = {"初一", "初十", "十一", "十九", "二十", "廿一", "廿九", "三十"};
    int numbers[] = {1, 10, 11, 19, 20, 21, 29, 30};
    for (int i = 0; i < 8; ++i) EXPECT_EQ(GbkToUtf8(LunarDayName(numbers[i])), days[i]);
    EXPECT_EQ(LunarDayName(0), "");
    EXPECT_EQ(LunarDayName(31), "");
}

TEST(ChineseCalendar, CycleNamesRunFromJiaziToGuihai) {
    EXPECT_EQ(GbkToUtf8(CycleName(1)), "甲子");
    EXPECT_EQ(GbkToUtf8(CycleName(2)), "乙丑");
    EXPECT_EQ(GbkToUtf8(CycleName(11)), "甲戌");
    EXPECT_EQ(GbkToUtf8(CycleName(60)), "癸亥");
    EXPECT_EQ(CycleName(0), "");
    EXPECT_EQ(CycleName(61), "");
    for (int i = 1; i <= 60; ++i)
        for (int j = i + 1; j <= 60; ++j) ASSERT_NE(CycleName(i), CycleName(j));
}

std::string Pillars(int y, int m, int d, int h) {
    std::array<std::string, 4> p;
    if (!FourPillars({y, m, d, h, 0}, p)) return "failed";
    return GbkToUtf8(p[0] + " " + p[1] + " " + p[2] + " " + p[3]);
}

TEST(ChineseCalendar, PillarsChangeAtTheExactSolarTermsAndAtMidnight) {
    struct Case {
        int y, m, d, h;
        const char* pillars;
    } cases[] = {
        // 立春 2013 at 00:13 Beijing time: hour 0 still belongs to 壬辰, hour 1 to 癸巳 and 甲寅.
        {2013, 2, 4, 0, "壬辰 癸丑 辛丑 戊子"},
        {2013, 2, 4, 1, "癸巳 甲寅 辛丑 己丑"},
        // 立春 2024 at 16:27.
        {2024, 2, 4, 16, "癸卯 乙丑 戊戌 庚申"},
        {2024, 2, 4, 17, "甲辰 丙寅 戊戌 辛酉"},
        // The day pillar changes at midnight; the hour 23 takes its stem from the next day.
        {2024, 2, 10, 22, "甲辰 丙寅 甲辰 乙亥"},
        {2024, 2, 10, 23, "甲辰 丙寅 甲辰 丙子"},
        {2024, 2, 11, 0, "甲辰 丙寅 乙巳 丙子"},
        {2000, 1, 1, 12, "己卯 丙子 戊午 戊午"},
        {1949, 10, 1, 15, "己丑 癸酉 甲子 壬申"},
        // Before 小寒 the 子 month of the old year goes on.
        {2013, 1, 1, 0, "壬辰 壬子 丁卯 庚子"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Pillars(c.y, c.m, c.d, c.h), c.pillars)
            << c.y << "-" << c.m << "-" << c.d << " " << c.h;
}

TEST(ChineseCalendar, ServesExistingDatesFrom1900To2100Only) {
    std::array<std::string, 4> p = {"a", "b", "c", "d"};
    struct Case {
        BeijingMoment m;
        bool served;
    } cases[] = {{{1900, 1, 1, 0, 0}, true},    {{1899, 12, 31, 23, 0}, false},
                 {{2100, 12, 31, 23, 0}, true}, {{2101, 1, 1, 0, 0}, false},
                 {{2013, 2, 29, 0, 0}, false},  {{2012, 2, 29, 0, 0}, true},
                 {{2013, 2, 31, 0, 0}, false},  {{2013, 4, 31, 0, 0}, false},
                 {{2013, 1, 1, 24, 0}, false},  {{2013, 0, 1, 0, 0}, false}};
    for (const Case& c : cases) {
        EXPECT_EQ(IsServedMoment(c.m), c.served)
            << c.m.year << "-" << c.m.month << "-" << c.m.day << " " << c.m.hour;
        EXPECT_EQ(FourPillars(c.m, p), c.served);
    }
    std::array<std::string, 4> untouched = {"a", "b", "c", "d"};
    EXPECT_FALSE(FourPillars({2013, 2, 31, 0, 0}, untouched));
    EXPECT_EQ(untouched[0], "a");
    EXPECT_EQ(untouched[3], "d");
}

TEST(ChineseCalendar, FormatsTheLunarDate) {
    std::string out = "unchanged";
    ASSERT_TRUE(FormatLunarDate({2020, 5, 23, 12, 0}, Gbk("%Y年    %M  %D日  "), out));
    EXPECT_EQ(GbkToUtf8(out), "庚子年    闰四月  初一日  ");
    ASSERT_TRUE(FormatLunarDate({2013, 2, 4, 0, 0}, Gbk("%D/%M/%Y %Y"), out));
    EXPECT_EQ(GbkToUtf8(out), "廿四/腊月/壬辰 壬辰");
    std::string kept = "unchanged";
    EXPECT_FALSE(FormatLunarDate({2013, 2, 31, 0, 0}, "%Y", kept));
    EXPECT_EQ(kept, "unchanged");
}

}  // namespace
}  // namespace lumo
