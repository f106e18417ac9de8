#include "calendar/sun_longitude.h"

#include <cmath>
#include <cstddef>

namespace cal {
namespace {

#include "calendar/vsop87_earth.inc"

constexpr double kPi = 3.14159265358979323846;
constexpr double kDegToRad = kPi / 180.0;
constexpr double kArcsecToDeg = 1.0 / 3600.0;

template <size_t N>
double SumSeries(const Vsop87Term (&terms)[N], double tau)
{
    double sum = 0;
    for (const Vsop87Term& t : terms)
        sum += t.a * std::cos(t.b + t.c * tau);
    return sum;
}

double Polynomial(const double* values, int count, double x)
{
    double result = 0;
    for (int i = count - 1; i >= 0; --i)
        result = result * x + values[i];
    return result;
}

double NormalizeDegrees(double degrees)
{
    degrees = std::fmod(degrees, 360.0);
    return degrees < 0 ? degrees + 360.0 : degrees;
}

// Multiples of D, M, M', F and Omega, then the sine coefficient in 0.0001" and its change per century.
struct NutationTerm {
    signed char d, m, mp, f, om;
    double s, st;
};

const NutationTerm kNutation[] = {
    {0, 0, 0, 0, 1, -171996, -174.2}, {-2, 0, 0, 2, 2, -13187, -1.6}, {0, 0, 0, 2, 2, -2274, -0.2},
    {0, 0, 0, 0, 2, 2062, 0.2},       {0, 1, 0, 0, 0, 1426, -3.4},    {0, 0, 1, 0, 0, 712, 0.1},
    {-2, 1, 0, 2, 2, -517, 1.2},      {0, 0, 0, 2, 1, -386, -0.4},    {0, 0, 1, 2, 2, -301, 0},
    {-2, -1, 0, 2, 2, 217, -0.5},     {-2, 0, 1, 0, 0, -158, 0},      {-2, 0, 0, 2, 1, 129, 0.1},
    {0, 0, -1, 2, 2, 123, 0},         {2, 0, 0, 0, 0, 63, 0},         {0, 0, 1, 0, 1, 63, 0.1},
    {2, 0, -1, 2, 2, -59, 0},         {0, 0, -1, 0, 1, -58, -0.1},    {0, 0, 1, 2, 1, -51, 0},
    {-2, 0, 2, 0, 0, 48, 0},          {0, 0, -2, 2, 1, 46, 0},        {2, 0, 0, 2, 2, -38, 0},
    {0, 0, 2, 2, 2, -31, 0},          {0, 0, 2, 0, 0, 29, 0},         {-2, 0, 1, 2, 2, 29, 0},
    {0, 0, 0, 2, 0, 26, 0},           {-2, 0, 0, 2, 0, -22, 0},       {0, 0, -1, 2, 1, 21, 0},
    {0, 2, 0, 0, 0, 17, -0.1},        {2, 0, -1, 0, 1, 16, 0},        {-2, 2, 0, 2, 2, -16, 0.1},
    {0, 1, 0, 0, 1, -15, 0},          {-2, 0, 1, 0, 1, -13, 0},       {0, -1, 0, 0, 1, -12, 0},
    {0, 0, 2, -2, 0, 11, 0},          {2, 0, -1, 2, 1, -10, 0},       {2, 0, 1, 2, 2, -8, 0},
    {0, 1, 0, 2, 2, 7, 0},            {-2, 1, 1, 0, 0, -7, 0},        {0, -1, 0, 2, 2, -7, 0},
    {2, 0, 0, 2, 1, -7, 0},           {2, 0, 1, 0, 0, 6, 0},          {-2, 0, 2, 2, 2, 6, 0},
    {-2, 0, 1, 2, 1, 6, 0},           {2, 0, -2, 0, 1, -6, 0},        {2, 0, 0, 0, 1, -6, 0},
    {0, -1, 1, 0, 0, 5, 0},           {-2, -1, 0, 2, 1, -5, 0},       {-2, 0, 0, 0, 1, -5, 0},
    {0, 0, 2, 2, 1, -5, 0},
};

}  // namespace

double NutationInLongitude(double jde)
{
    const double t = (jde - 2451545.0) / 36525.0;
    const double t2 = t * t, t3 = t2 * t;
    const double d = (297.85036 + 445267.111480 * t - 0.0019142 * t2 + t3 / 189474) * kDegToRad;
    const double m = (357.52772 + 35999.050340 * t - 0.0001603 * t2 - t3 / 300000) * kDegToRad;
    const double mp = (134.96298 + 477198.867398 * t + 0.0086972 * t2 + t3 / 56250) * kDegToRad;
    const double f = (93.27191 + 483202.017538 * t - 0.0036825 * t2 + t3 / 327270) * kDegToRad;
    const double om = (125.04452 - 1934.136261 * t + 0.0020708 * t2 + t3 / 450000) * kDegToRad;
    double sum = 0;  // 0.0001"
    for (const NutationTerm& n : kNutation)
        sum += (n.s + n.st * t) * std::sin(n.d * d + n.m * m + n.mp * mp + n.f * f + n.om * om);
    return sum * 0.0001 * kArcsecToDeg;
}

double ApparentSolarLongitude(double jde)
{
    const double tau = (jde - 2451545.0) / 365250.0;
    const double l[6] = {SumSeries(kEarthL0, tau), SumSeries(kEarthL1, tau), SumSeries(kEarthL2, tau),
                         SumSeries(kEarthL3, tau), SumSeries(kEarthL4, tau), SumSeries(kEarthL5, tau)};
    const double r[5] = {SumSeries(kEarthR0, tau), SumSeries(kEarthR1, tau), SumSeries(kEarthR2, tau),
                         SumSeries(kEarthR3, tau), SumSeries(kEarthR4, tau)};
    const double earthLongitude = Polynomial(l, 6, tau) * 1e-8;  // radians
    const double distance = Polynomial(r, 5, tau) * 1e-8;        // AU
    // The Sun is opposite the Earth; -0.09033" takes the VSOP87 longitude to the FK5 system.
    double sun = earthLongitude / kDegToRad + 180.0 - 0.09033 * kArcsecToDeg;
    sun += NutationInLongitude(jde);
    sun -= 20.4898 * kArcsecToDeg / distance;  // annual aberration
    return NormalizeDegrees(sun);
}

}  // namespace cal
