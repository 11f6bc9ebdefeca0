#pragma once

// The astronomy behind the Chinese calendar: day counts, the two time scales, the Sun's apparent
// longitude (for the 24 solar terms) and the moments of new moon. Written from Jean Meeus,
// "Astronomical Algorithms" (2nd ed., 1998), chapters 7, 22, 25 and 49, with VSOP87 for the Earth
// and the ΔT expressions of Espenak & Meeus (NASA, 2006).
namespace lumo::astro {

// Julian Day Number of a proleptic Gregorian date: the day that begins at noon of that date.
long DayNumber(int year, int month, int day);

struct CivilDate {
    int year = 0;
    int month = 0;
    int day = 0;
};
CivilDate DateOfDayNumber(long dayNumber);

// Julian Day (a continuous count of days from noon) of a Gregorian date and hour, on whatever
// time scale the hour is given in.
double JulianDay(int year, int month, int day, double hours);

// ΔT = TT − UT in seconds for a decimal year.
double DeltaT(double decimalYear);

// Conversions between Julian Days of Universal Time (civil clocks) and Terrestrial Time (the
// uniform time of the ephemerides).
double UniversalToTerrestrial(double jdUt);
double TerrestrialToUniversal(double jde);

// The Sun's apparent geocentric ecliptic longitude, degrees in [0, 360), at a Julian Ephemeris Day:
// VSOP87 place of the Earth, reduced to the FK5 system, plus nutation and aberration.
double SunApparentLongitude(double jde);

// The Julian Ephemeris Day at which the Sun's apparent longitude reaches `degrees`, for the
// passage closest to `jdeGuess` (the guess should be within a few days).
double SunReachesLongitude(double degrees, double jdeGuess);

// Julian Ephemeris Day of the true new moon of lunation k (k = 0 is the new moon of
// 2000-01-06; negative k count back).
double NewMoon(long k);

// The lunation number whose new moon falls nearest to the given Julian Ephemeris Day.
long LunationNear(double jde);

}  // namespace lumo::astro
