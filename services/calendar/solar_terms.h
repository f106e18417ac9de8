#pragma once
// Instants at which the Sun reaches a given apparent longitude: the 24 solar terms.

namespace cal {

// The instant (JDE, TT) near jdeGuess (within about two weeks) at which the Sun's apparent longitude
// equals longitudeDegrees.
double SolarLongitudeInstant(double longitudeDegrees, double jdeGuess);

// Solar term n of a year, n = 1 to 24 counted from 立春 (longitude 315); terms 1-22 (立春 to 冬至)
// fall from February to December of the year, 23 and 24 (小寒, 大寒) in its January.
double SolarTermLongitude(int n);
double SolarTermJde(int year, int n);

// Rounds a Julian date in China's civil time to the whole second, as day number and seconds of day.
void SplitChinaJdToSecond(double chinaJd, int& dayNumber, int& secondOfDay);

// An instant of China's civil time to the whole second.
struct ChinaSecond {
    int dayNumber = 0;
    int secondOfDay = 0;
};
inline bool operator==(const ChinaSecond& a, const ChinaSecond& b)
{
    return a.dayNumber == b.dayNumber && a.secondOfDay == b.secondOfDay;
}
inline bool operator<(const ChinaSecond& a, const ChinaSecond& b)
{
    return a.dayNumber != b.dayNumber ? a.dayNumber < b.dayNumber : a.secondOfDay < b.secondOfDay;
}

// Solar term n of a year (numbered as SolarTermJde) worked out from the series, at the whole second
// of China's time to which its instant rounds.
ChinaSecond SeriesSolarTermSecond(int year, int n);

}  // namespace cal
