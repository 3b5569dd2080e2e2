#pragma once

// The Sun's apparent geocentric longitude, for the jie-term table. Earth's
// heliocentric longitude from the truncated VSOP87 series (the abridged Earth
// tables of Meeus, "Astronomical Algorithms", ch. 32 and appendix III), with the
// FK5 correction, nutation in longitude and aberration; Delta T from the
// Espenak-Meeus polynomials. Good to a few arcseconds, i.e. well under a minute
// of time, for 1900-2100.
namespace vessa::astro {

// Julian Ephemeris Day -> apparent longitude of the Sun in degrees [0, 360).
double ApparentSolarLongitude(double jde);

// TT - UT in seconds for a decimal year.
double DeltaT(double decimal_year);

// The JDE at which the apparent longitude equals target_degrees, searched from a
// guess within a few days of it.
double SolarLongitudeCrossing(double target_degrees, double jde_guess);

// Calendar date (Gregorian) at 0h -> Julian Day.
double JulianDay(int year, int month, double day);

}  // namespace vessa::astro
