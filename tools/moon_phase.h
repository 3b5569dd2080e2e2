#pragma once

// The instants of new moon, for the independent check of the lunar table: the
// true phases of Meeus, "Astronomical Algorithms" (2nd ed.), ch. 49, with the
// periodic terms of the new moon and the fourteen planetary arguments. Good to
// well under a minute against the full lunar theory for 1900-2100.
namespace vessa::astro {

// The Julian Ephemeris Day of the new moon of lunation k (k = 0: 2000-01-06).
double NewMoon(int k);

}  // namespace vessa::astro
