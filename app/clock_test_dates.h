#pragma once
// Date-times for the calendar's tests, native and under Wine (no windows.h).
#include <gtest/gtest.h>

#include <vector>

#include "runtime/datetime.h"

inline double TestDateTime(int year, int month, int day, int hour = 0, int minute = 0, int second = 0)
{
    double value = 0;
    EXPECT_TRUE(MakeDateTime(year, month, day, hour, minute, second, value));
    return value;
}

inline double PlusSeconds(double dateTime, long long seconds)
{
    double value = 0;
    EXPECT_TRUE(AddToDateTime(dateTime, DateTimeUnit::Second, seconds, value));
    return value;
}

// from, from + 1, ... to.
inline std::vector<long long> SecondsFromTo(long long from, long long to)
{
    std::vector<long long> seconds;
    for (long long s = from; s <= to; ++s)
        seconds.push_back(s);
    return seconds;
}
