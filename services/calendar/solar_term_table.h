#pragma once
// The solar terms as the calendar reads them: a table of every term instant of 1901-2100, written
// from the series by the generator (solar_term_table_gen.cpp) and checked against it by the tests;
// the series itself for any other year.
#include "calendar/solar_terms.h"

namespace cal {

constexpr int kFirstSolarTermTableYear = 1901;
constexpr int kLastSolarTermTableYear = 2100;

// One table entry: the day of the year (January 1 = 0) on which the term falls, and its second of
// that day in China's time.
constexpr int kSolarTermDayShift = 17;
constexpr unsigned kSolarTermSecondMask = (1u << kSolarTermDayShift) - 1;

// Solar term n (1-24, numbered as SolarTermJde) of a year at the whole second of China's time, as
// SeriesSolarTermSecond gives it. n must lie in 1-24.
ChinaSecond SolarTermSecond(int year, int n);

}  // namespace cal
