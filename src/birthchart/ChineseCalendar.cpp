#include "birthchart/ChineseCalendar.h"

#include <cmath>
#include <vector>

#include "birthchart/Astronomy.h"
#include "db/Gbk.h"

namespace lumo {
namespace {

constexpr double kBeijingOffset = 8.0 / 24.0;
constexpr int kFirstYear = 1900;
constexpr int kLastYear = 2100;

// Modulo that stays in 0..n-1 for negative values too.
long Mod(long a, long n) { return ((a % n) + n) % n; }

bool IsLeapYear(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int DaysInMonth(int y, int m) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && IsLeapYear(y) ? 29 : kDays[m - 1];
}

bool IsServedDate(int y, int m, int d) {
    return y >= kFirstYear && y <= kLastYear && m >= 1 && m <= 12 && d >= 1 &&
           d <= DaysInMonth(y, m);
}

// Name of the 0-based cycle position (0 甲子 … 59 癸亥).
std::string CycleNameAt(long position) {
    return CycleName(static_cast<int>(Mod(position, 60)) + 1);
}

// Beijing date count of the new moon of lunation k.
long NewMoonDay(long k) { return BeijingDayOf(astro::TerrestrialToUniversal(astro::NewMoon(k))); }

// The lunation whose new moon is the last one on or before the Beijing date `day`.
long LunationOnOrBefore(long day) {
    long k = astro::LunationNear(static_cast<double>(day));
    while (NewMoonDay(k) > day) --k;
    while (NewMoonDay(k + 1) <= day) ++k;
    return k;
}

long SolarTermDay(int year, int longitude) {
    return BeijingDayOf(SolarTermMoment(year, longitude));
}

// The lunar months from the eleventh month holding 冬至 of `solsticeYear` to the one before the
// eleventh month of the next year: their first days, and which of them is leap (or -1).
struct LunarYearSpan {
    std::vector<long> firstDays;  // one more than the months: the last entry ends the span
    int leapIndex = -1;
};

LunarYearSpan SpanFromSolstice(int solsticeYear) {
    LunarYearSpan span;
    long first = LunationOnOrBefore(SolarTermDay(solsticeYear, 270));
    long last = LunationOnOrBefore(SolarTermDay(solsticeYear + 1, 270));
    for (long k = first; k <= last; ++k) span.firstDays.push_back(NewMoonDay(k));
    if (last - first != 13) return span;

    // 中气 from 大寒 of the next year up to 小雪: 300°, 330°, 0°, 30° … 240°.
    std::vector<long> principal;
    for (int i = 1; i < 12; ++i)
        principal.push_back(SolarTermDay(solsticeYear + 1, (270 + 30 * i) % 360));
    for (int i = 1; i <= 12; ++i) {
        long begin = span.firstDays[i];
        long end = span.firstDays[i + 1];
        bool hasPrincipal = false;
        for (long d : principal) hasPrincipal |= (d >= begin && d < end);
        if (!hasPrincipal) {
            span.leapIndex = i;
            break;
        }
    }
    return span;
}

// Spans are reused while consecutive dates are converted (a page of dates, a test over decades);
// each thread keeps its own few.
const LunarYearSpan& CachedSpan(int solsticeYear) {
    thread_local std::vector<std::pair<int, LunarYearSpan>> cache;
    for (const auto& [year, span] : cache)
        if (year == solsticeYear) return span;
    if (cache.size() >= 4) cache.erase(cache.begin());
    cache.emplace_back(solsticeYear, SpanFromSolstice(solsticeYear));
    return cache.back().second;
}

bool LunarDateInSpan(const LunarYearSpan& span, long day, LunarDate& out) {
    int number = 11;
    bool leap = false;
    for (std::size_t i = 0; i + 1 < span.firstDays.size(); ++i) {
        if (i > 0) {
            leap = static_cast<int>(i) == span.leapIndex;
            if (!leap) number = number % 12 + 1;
        }
        if (day >= span.firstDays[i] && day < span.firstDays[i + 1]) {
            out = {number, leap, static_cast<int>(day - span.firstDays[i] + 1)};
            return true;
        }
    }
    return false;
}

// The solar year (the Gregorian year whose 立春 opens it) and the month position 0 寅 … 11 丑 of
// a moment. The Sun's longitude only grows, so the moment lies past the 节 at 315° + 30°·n exactly
// when the longitude at the moment has passed that value: one longitude decides both.
struct SolarMonth {
    int solarYear = 0;
    int position = 0;
};

SolarMonth SolarMonthOf(int year, int month, double jdUt) {
    double longitude = astro::SunApparentLongitude(astro::UniversalToTerrestrial(jdUt));
    int position = static_cast<int>(std::fmod(longitude - 315.0 + 360.0, 360.0) / 30.0);
    // In January and February the Sun stands between 冬至 (270°) and 立春 (315°) before 立春.
    bool beforeSpring = month <= 2 && longitude >= 270.0 && longitude < 315.0;
    return {beforeSpring ? year - 1 : year, position};
}

}  // namespace

bool IsServedMoment(const BeijingMoment& m) {
    return IsServedDate(m.year, m.month, m.day) && m.hour >= 0 && m.hour <= 23 && m.minute >= 0 &&
           m.minute <= 59;
}

std::string CycleName(int index) {
    static const std::string stems = Gbk("甲乙丙丁戊己庚辛壬癸");
    static const std::string branches = Gbk("子丑寅卯辰巳午未申酉戌亥");
    if (index < 1 || index > 60) return {};
    int p = index - 1;
    return stems.substr(2 * (p % 10), 2) + branches.substr(2 * (p % 12), 2);
}

double BeijingToUniversal(const BeijingMoment& m) {
    return astro::JulianDay(m.year, m.month, m.day, m.hour + m.minute / 60.0) - kBeijingOffset;
}

long BeijingDayOf(double jdUt) {
    return static_cast<long>(std::floor(jdUt + 0.5 + kBeijingOffset));
}

double SolarTermMoment(int year, int longitude) {
    // A first guess from the mean Sun, counted from about March 20 (春分); 小寒 … 惊蛰 come before
    // it.
    double equinox = astro::JulianDay(year, 3, 20, 12);
    double offset = (longitude >= 285 ? longitude - 360.0 : longitude) * 365.2422 / 360.0;
    double jde = astro::SunReachesLongitude(longitude, equinox + offset);
    return astro::TerrestrialToUniversal(jde);
}

bool FourPillars(const BeijingMoment& m, std::array<std::string, 4>& pillars) {
    if (!IsServedMoment(m)) return false;
    double jdUt = BeijingToUniversal(m);
    SolarMonth sm = SolarMonthOf(m.year, m.month, jdUt);
    long yearPosition = sm.solarYear - 1984;                   // 1984 is a 甲子 year
    long monthPosition = yearPosition * 12 + sm.position + 2;  // a 甲子 year opens with 丙寅
    long day = astro::DayNumber(m.year, m.month, m.day);
    long dayPosition = day + 49;  // 2000-01-01 (day number 2451545) is 戊午, position 54
    long hourBranch = ((m.hour + 1) / 2) % 12;
    long hourDay = m.hour == 23 ? dayPosition + 1 : dayPosition;
    long hourPosition = hourDay * 12 + hourBranch;  // a 甲 day opens with 甲子
    pillars = {CycleNameAt(yearPosition), CycleNameAt(monthPosition), CycleNameAt(dayPosition),
               CycleNameAt(hourPosition)};
    return true;
}

bool LunarDateOf(int year, int month, int day, LunarDate& out) {
    if (!IsServedDate(year, month, day)) return false;
    long d = astro::DayNumber(year, month, day);
    const LunarYearSpan& late = CachedSpan(year);  // from the eleventh month of this year on
    if (d >= late.firstDays.front()) return LunarDateInSpan(late, d, out);
    return LunarDateInSpan(CachedSpan(year - 1), d, out);
}

std::string LunarMonthName(const LunarDate& date) {
    static const char* const kNames[] = {"正月", "二月", "三月", "四月", "五月", "六月",
                                         "七月", "八月", "九月", "十月", "冬月", "腊月"};
    if (date.month < 1 || date.month > 12) return {};
    return Gbk(std::string(date.leap ? "闰" : "") + kNames[date.month - 1]);
}

std::string LunarDayName(int day) {
    static const char* const kDigits[] = {"一", "二", "三", "四", "五",
                                          "六", "七", "八", "九", "十"};
    if (day < 1 || day > 30) return {};
    if (day <= 10) return Gbk(std::string("初") + kDigits[day - 1]);
    if (day < 20) return Gbk(std::string("十") + kDigits[day - 11]);
    if (day == 20) return Gbk("二十");
    if (day < 30) return Gbk(std::string("廿") + kDigits[day - 21]);
    return Gbk("三十");
}

bool FormatLunarDate(const BeijingMoment& m, const std::string& format, std::string& out) {
    std::array<std::string, 4> pillars;
    LunarDate lunar;
    if (!FourPillars(m, pillars) || !LunarDateOf(m.year, m.month, m.day, lunar)) return false;
    const std::string replacements[][2] = {
        {"%Y", pillars[0]}, {"%M", LunarMonthName(lunar)}, {"%D", LunarDayName(lunar.day)}};
    std::string text;
    for (std::size_t i = 0; i < format.size();) {
        bool replaced = false;
        for (const auto& r : replacements) {
            if (format.compare(i, 2, r[0]) == 0) {
                text += r[1];
                i += 2;
                replaced = true;
                break;
            }
        }
        if (!replaced) text += format[i++];
    }
    out = std::move(text);
    return true;
}

}  // namespace lumo
