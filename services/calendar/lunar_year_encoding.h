#pragma once
// The compact form of the lunar years that the calendar looks dates up in, made from the astronomical
// computation (lunar_months.h) by the generator and compared with it again by the tests.
//
// One 32-bit entry per lunar year:
//   bits 0-12   the length of each month in order, bit i for the (i+1)-th month: 1 = 30 days, 0 = 29;
//   bits 13-16  the number of the leap month (it follows the month of the same number), 0 for none;
//   bits 17-22  the day of the solar year, from 0, on which 正月初一 falls (January 1 = 0).
#include <cstdint>
#include <vector>

namespace cal {

constexpr int kLunarYearLeapShift = 13;
constexpr int kLunarYearNewYearShift = 17;

// Entries of the lunar years firstYear to lastYear, worked out astronomically; empty on failure (a
// year whose shape cannot be encoded, which the rules never produce).
std::vector<uint32_t> EncodeLunarYears(int firstYear, int lastYear);

// Reading an entry.
inline int LeapMonthOf(uint32_t entry) { return static_cast<int>(entry >> kLunarYearLeapShift) & 0xF; }
inline int MonthCountOf(uint32_t entry) { return LeapMonthOf(entry) ? 13 : 12; }
inline int MonthLengthOf(uint32_t entry, int index) { return entry >> index & 1 ? 30 : 29; }
inline int NewYearDayOfYearOf(uint32_t entry) { return static_cast<int>(entry >> kLunarYearNewYearShift) & 0x3F; }

}  // namespace cal
