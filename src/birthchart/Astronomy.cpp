#include "birthchart/Astronomy.h"

#include <array>
#include <cmath>
#include <numbers>

#include "birthchart/Vsop87Earth.h"

namespace lumo::astro {
namespace {

constexpr double kJ2000 = 2451545.0;
constexpr double kDegree = std::numbers::pi / 180.0;
constexpr double kArcsecond = 1.0 / 3600.0;  // in degrees
constexpr double kTropicalYear = 365.24219;
constexpr double kSynodicMonth = 29.530588861;

double Normalized(double degrees) {
    double d = std::fmod(degrees, 360.0);
    return d < 0 ? d + 360.0 : d;
}

// The difference a − b folded into (−180, 180].
double Difference(double a, double b) {
    double d = Normalized(a - b);
    return d > 180.0 ? d - 360.0 : d;
}

double Polynomial(double t, std::initializer_list<double> coefficients) {
    double sum = 0;
    double power = 1;
    for (double c : coefficients) {
        sum += c * power;
        power *= t;
    }
    return sum;
}

// Σ_n τ^n Σ A·cos(B + C·τ) over the series of one VSOP87 variable.
double SumSeries(std::span<const std::span<const vsop87::Term>> series, double tau) {
    double sum = 0;
    for (std::size_t n = series.size(); n-- > 0;) {
        double part = 0;
        for (const vsop87::Term& t : series[n]) part += t.a * std::cos(t.b + t.c * tau);
        sum = sum * tau + part;
    }
    return sum;
}

// Nutation in longitude by the IAU 1980 theory (Meeus table 22.A). Terms below 0.002" are left
// out; together they stay under 0.02".
struct NutationTerm {
    int d, m, mPrime, f, omega;  // multiples of D, M, M', F, Ω
    double s0, s1;               // coefficient of sin, 0.0001" and 0.0001"/century
};

constexpr std::array<NutationTerm, 25> kNutation = {{
    {0, 0, 0, 0, 1, -171996, -174.2}, {-2, 0, 0, 2, 2, -13187, -1.6}, {0, 0, 0, 2, 2, -2274, -0.2},
    {0, 0, 0, 0, 2, 2062, 0.2},       {0, 1, 0, 0, 0, 1426, -3.4},    {0, 0, 1, 0, 0, 712, 0.1},
    {-2, 1, 0, 2, 2, -517, 1.2},      {0, 0, 0, 2, 1, -386, -0.4},    {0, 0, 1, 2, 2, -301, 0},
    {-2, -1, 0, 2, 2, 217, -0.5},     {-2, 0, 1, 0, 0, -158, 0},      {-2, 0, 0, 2, 1, 129, 0.1},
    {0, 0, -1, 2, 2, 123, 0},         {2, 0, 0, 0, 0, 63, 0},         {0, 0, 1, 0, 1, 63, 0.1},
    {2, 0, -1, 2, 2, -59, 0},         {0, 0, -1, 0, 1, -58, -0.1},    {0, 0, 1, 2, 1, -51, 0},
    {-2, 0, 2, 0, 0, 48, 0},          {0, 0, -2, 2, 1, 46, 0},        {2, 0, 0, 2, 2, -38, 0},
    {0, 0, 2, 2, 2, -31, 0},          {0, 0, 2, 0, 0, 29, 0},         {-2, 0, 1, 2, 2, 29, 0},
    {0, 0, 0, 2, 0, 26, 0},
}};

// Δψ in degrees; T in Julian centuries of TT from J2000.
double NutationInLongitude(double T) {
    double D = Polynomial(T, {297.85036, 445267.111480, -0.0019142, 1.0 / 189474}) * kDegree;
    double M = Polynomial(T, {357.52772, 35999.050340, -0.0001603, -1.0 / 300000}) * kDegree;
    double Mp = Polynomial(T, {134.96298, 477198.867398, 0.0086972, 1.0 / 56250}) * kDegree;
    double F = Polynomial(T, {93.27191, 483202.017538, -0.0036825, 1.0 / 327270}) * kDegree;
    double Om = Polynomial(T, {125.04452, -1934.136261, 0.0020708, 1.0 / 450000}) * kDegree;
    double sum = 0;
    for (const NutationTerm& n : kNutation) {
        double arg = n.d * D + n.m * M + n.mPrime * Mp + n.f * F + n.omega * Om;
        sum += (n.s0 + n.s1 * T) * std::sin(arg);
    }
    return sum * 0.0001 * kArcsecond;
}

double DecimalYear(double jd) { return 2000.0 + (jd - kJ2000) / 365.25; }

}  // namespace

long DayNumber(int year, int month, int day) {
    long a = (14 - month) / 12;
    long y = year + 4800L - a;
    long m = month + 12 * a - 3;
    return day + (153 * m + 2) / 5 + 365 * y + y / 4 - y / 100 + y / 400 - 32045;
}

CivilDate DateOfDayNumber(long dayNumber) {
    long a = dayNumber + 32044;
    long b = (4 * a + 3) / 146097;
    long c = a - 146097 * b / 4;
    long d = (4 * c + 3) / 1461;
    long e = c - 1461 * d / 4;
    long m = (5 * e + 2) / 153;
    CivilDate out;
    out.day = static_cast<int>(e - (153 * m + 2) / 5 + 1);
    out.month = static_cast<int>(m + 3 - 12 * (m / 10));
    out.year = static_cast<int>(100 * b + d - 4800 + m / 10);
    return out;
}

double JulianDay(int year, int month, int day, double hours) {
    return static_cast<double>(DayNumber(year, month, day)) - 0.5 + hours / 24.0;
}

double DeltaT(double y) {
    if (y >= 1860 && y < 1900) {
        double t = y - 1860;
        return Polynomial(t, {7.62, 0.5737, -0.251754, 0.01680668, -0.0004473624, 1.0 / 233174});
    }
    if (y >= 1900 && y < 1920) {
        double t = y - 1900;
        return Polynomial(t, {-2.79, 1.494119, -0.0598939, 0.0061966, -0.000197});
    }
    if (y >= 1920 && y < 1941) {
        double t = y - 1920;
        return Polynomial(t, {21.20, 0.84493, -0.076100, 0.0020936});
    }
    if (y >= 1941 && y < 1961) {
        double t = y - 1950;
        return Polynomial(t, {29.07, 0.407, -1.0 / 233, 1.0 / 2547});
    }
    if (y >= 1961 && y < 1986) {
        double t = y - 1975;
        return Polynomial(t, {45.45, 1.067, -1.0 / 260, -1.0 / 718});
    }
    if (y >= 1986 && y < 2005) {
        double t = y - 2000;
        return Polynomial(t, {63.86, 0.3345, -0.060374, 0.0017275, 0.000651814, 0.00002373599});
    }
    if (y >= 2005 && y < 2050) {
        double t = y - 2000;
        return Polynomial(t, {62.92, 0.32217, 0.005589});
    }
    double u = (y - 1820) / 100;
    if (y >= 2050 && y < 2150) return -20 + 32 * u * u - 0.5628 * (2150 - y);
    return -20 + 32 * u * u;
}

double UniversalToTerrestrial(double jdUt) { return jdUt + DeltaT(DecimalYear(jdUt)) / 86400.0; }

double TerrestrialToUniversal(double jde) {
    // ΔT changes by well under a second a year, so taking it at the TT moment is exact enough.
    return jde - DeltaT(DecimalYear(jde)) / 86400.0;
}

double SunApparentLongitude(double jde) {
    double tau = (jde - kJ2000) / 365250.0;
    double earthLongitude = SumSeries(vsop87::EarthLongitude(), tau);
    double radius = SumSeries(vsop87::EarthRadius(), tau);
    double geometric = earthLongitude / kDegree + 180.0;
    double fk5 = -0.09033 * kArcsecond;
    double aberration = -20.4898 * kArcsecond / radius;
    return Normalized(geometric + fk5 + NutationInLongitude(tau * 10.0) + aberration);
}

double SunReachesLongitude(double degrees, double jdeGuess) {
    double jde = jdeGuess;
    for (int i = 0; i < 12; ++i) {
        double step = Difference(degrees, SunApparentLongitude(jde)) * kTropicalYear / 360.0;
        jde += step;
        if (std::fabs(step) < 1e-7) break;  // about 0.01 s
    }
    return jde;
}

double NewMoon(long k) {
    double kk = static_cast<double>(k);
    double T = kk / 1236.85;
    double jde = 2451550.09766 + kSynodicMonth * kk +
                 Polynomial(T, {0, 0, 0.00015437, -0.000000150, 0.00000000073});
    double E = Polynomial(T, {1, -0.002516, -0.0000074});
    double M =
        (2.5534 + 29.10535670 * kk + Polynomial(T, {0, 0, -0.0000014, -0.00000011})) * kDegree;
    double Mp = (201.5643 + 385.81693528 * kk +
                 Polynomial(T, {0, 0, 0.0107582, 0.00001238, -0.000000058})) *
                kDegree;
    double F = (160.7108 + 390.67050284 * kk +
                Polynomial(T, {0, 0, -0.0016118, -0.00000227, 0.000000011})) *
               kDegree;
    double Om =
        (124.7746 - 1.56375588 * kk + Polynomial(T, {0, 0, 0.0020672, 0.00000215})) * kDegree;

    // Periodic terms of the new moon (Meeus 49).
    double c = -0.40720 * std::sin(Mp) + 0.17241 * E * std::sin(M) + 0.01608 * std::sin(2 * Mp) +
               0.01039 * std::sin(2 * F) + 0.00739 * E * std::sin(Mp - M) -
               0.00514 * E * std::sin(Mp + M) + 0.00208 * E * E * std::sin(2 * M) -
               0.00111 * std::sin(Mp - 2 * F) - 0.00057 * std::sin(Mp + 2 * F) +
               0.00056 * E * std::sin(2 * Mp + M) - 0.00042 * std::sin(3 * Mp) +
               0.00042 * E * std::sin(M + 2 * F) + 0.00038 * E * std::sin(M - 2 * F) -
               0.00024 * E * std::sin(2 * Mp - M) - 0.00017 * std::sin(Om) -
               0.00007 * std::sin(Mp + 2 * M) + 0.00004 * std::sin(2 * Mp - 2 * F) +
               0.00004 * std::sin(3 * M) + 0.00003 * std::sin(Mp + M - 2 * F) +
               0.00003 * std::sin(2 * Mp + 2 * F) - 0.00003 * std::sin(Mp + M + 2 * F) +
               0.00003 * std::sin(Mp - M + 2 * F) - 0.00002 * std::sin(Mp - M - 2 * F) -
               0.00002 * std::sin(3 * Mp + M) + 0.00002 * std::sin(4 * Mp);

    // Additional corrections for the planets' pull.
    struct Planetary {
        double base, perLunation, coefficient;
    };
    static constexpr std::array<Planetary, 13> kPlanetary = {{
        {251.88, 0.016321, 0.000165},
        {251.83, 26.651886, 0.000164},
        {349.42, 36.412478, 0.000126},
        {84.66, 18.206239, 0.000110},
        {141.74, 53.303771, 0.000062},
        {207.14, 2.453732, 0.000060},
        {154.84, 7.306860, 0.000056},
        {34.52, 27.261239, 0.000047},
        {207.19, 0.121824, 0.000042},
        {291.34, 1.844379, 0.000040},
        {161.72, 24.198154, 0.000037},
        {239.56, 25.513099, 0.000035},
        {331.55, 3.592518, 0.000023},
    }};
    double planets = 0.000325 * std::sin((299.77 + 0.107408 * kk - 0.009173 * T * T) * kDegree);
    for (const Planetary& p : kPlanetary)
        planets += p.coefficient * std::sin((p.base + p.perLunation * kk) * kDegree);

    return jde + c + planets;
}

long LunationNear(double jde) { return std::lround((jde - 2451550.09766) / kSynodicMonth); }

}  // namespace lumo::astro
