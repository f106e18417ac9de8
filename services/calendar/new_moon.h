#pragma once
// New moons: the first day of every lunar month.

namespace cal {

// Instant (JDE, TT) of new moon number k, counted from the new moon of 2000-01-06 (k = 0; negative
// before it): the mean lunation corrected by the periodic terms of J. Meeus, "Astronomical Algorithms",
// chapter 49 (errors below about 20 seconds against the full lunar theory).
double NewMoonJde(int k);

// Number of the last new moon at or before an instant in TT.
int NewMoonIndexAtOrBefore(double jde);

}  // namespace cal
