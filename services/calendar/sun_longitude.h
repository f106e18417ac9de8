#pragma once
// Where the Sun stands, as seen from the Earth: the basis of the solar terms and the month pillars.

namespace cal {

// Nutation in longitude (degrees) at an instant in TT (IAU 1980 series, the terms above 0.0005").
double NutationInLongitude(double jde);

// Apparent geocentric ecliptic longitude of the Sun in degrees [0, 360) at an instant in TT: VSOP87
// position, reduced to the FK5 system, corrected for nutation and aberration.
double ApparentSolarLongitude(double jde);

}  // namespace cal
