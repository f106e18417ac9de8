#include "calendar/new_moon.h"

#include <cmath>

namespace cal {
namespace {

constexpr double kDegToRad = 3.14159265358979323846 / 180.0;
constexpr double kMeanLunation = 29.530588861;
constexpr double kFirstMeanNewMoon = 2451550.09766;

// Amplitude (days) and the multiples of M', M, F and Omega of the main periodic terms; the power of E
// that scales a term is the absolute multiple of M.
struct LunarTerm {
    double amplitude;
    signed char mp, m, f, om;
};

const LunarTerm kNewMoonTerms[] = {
    {-0.40720, 1, 0, 0, 0},  {0.17241, 0, 1, 0, 0},   {0.01608, 2, 0, 0, 0},   {0.01039, 0, 0, 2, 0},
    {0.00739, 1, -1, 0, 0},  {-0.00514, 1, 1, 0, 0},  {0.00208, 0, 2, 0, 0},   {-0.00111, 1, 0, -2, 0},
    {-0.00057, 1, 0, 2, 0},  {0.00056, 2, 1, 0, 0},   {-0.00042, 3, 0, 0, 0},  {0.00042, 0, 1, 2, 0},
    {0.00038, 0, 1, -2, 0},  {-0.00024, 2, -1, 0, 0}, {-0.00017, 0, 0, 0, 1},  {-0.00007, 1, 2, 0, 0},
    {0.00004, 2, 0, -2, 0},  {0.00004, 0, 3, 0, 0},   {0.00003, 1, 1, -2, 0},  {0.00003, 2, 0, 2, 0},
    {-0.00003, 1, 1, 2, 0},  {0.00003, 1, -1, 2, 0},  {-0.00002, 1, -1, -2, 0}, {-0.00002, 3, 1, 0, 0},
    {0.00002, 4, 0, 0, 0},
};

// Planetary arguments: amplitude (days), phase and rate per lunation (degrees).
struct PlanetaryTerm {
    double amplitude, phase, rate;
};

const PlanetaryTerm kPlanetaryTerms[] = {
    {0.000325, 299.77, 0.107408}, {0.000165, 251.88, 0.016321}, {0.000164, 251.83, 26.651886},
    {0.000126, 349.42, 36.412478}, {0.000110, 84.66, 18.206239}, {0.000062, 141.74, 53.303771},
    {0.000060, 207.14, 2.453732},  {0.000056, 154.84, 7.306860}, {0.000047, 34.52, 27.261239},
    {0.000042, 207.19, 0.121824},  {0.000040, 291.34, 1.844379}, {0.000037, 161.72, 24.198154},
    {0.000035, 239.56, 25.513099}, {0.000023, 331.55, 3.592518},
};

}  // namespace

double NewMoonJde(int index)
{
    const double k = index;
    const double t = k / 1236.85;
    const double t2 = t * t, t3 = t2 * t, t4 = t3 * t;
    double jde = kFirstMeanNewMoon + kMeanLunation * k + 0.00015437 * t2 - 0.000000150 * t3 + 0.00000000073 * t4;

    const double e = 1 - 0.002516 * t - 0.0000074 * t2;
    const double m = (2.5534 + 29.10535670 * k - 0.0000014 * t2 - 0.00000011 * t3) * kDegToRad;
    const double mp = (201.5643 + 385.81693528 * k + 0.0107582 * t2 + 0.00001238 * t3 - 0.000000058 * t4) * kDegToRad;
    const double f = (160.7108 + 390.67050284 * k - 0.0016118 * t2 - 0.00000227 * t3 + 0.000000011 * t4) * kDegToRad;
    const double om = (124.7746 - 1.56375588 * k + 0.0020672 * t2 + 0.00000215 * t3) * kDegToRad;

    for (const LunarTerm& term : kNewMoonTerms) {
        double amplitude = term.amplitude;
        for (int i = term.m < 0 ? -term.m : term.m; i > 0; --i)
            amplitude *= e;
        jde += amplitude * std::sin(term.mp * mp + term.m * m + term.f * f + term.om * om);
    }
    for (int i = 0; i < 14; ++i) {
        const PlanetaryTerm& p = kPlanetaryTerms[i];
        double argument = p.phase + p.rate * k;
        if (i == 0)
            argument -= 0.009173 * t2;
        jde += p.amplitude * std::sin(argument * kDegToRad);
    }
    return jde;
}

int NewMoonIndexAtOrBefore(double jde)
{
    int k = static_cast<int>(std::floor((jde - kFirstMeanNewMoon) / kMeanLunation));
    // The true new moon strays less than a day from the mean one: one step either way settles it.
    while (NewMoonJde(k + 1) <= jde)
        ++k;
    while (NewMoonJde(k) > jde)
        --k;
    return k;
}

}  // namespace cal
