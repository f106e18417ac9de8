#include "calendar/lunar_year_encoding.h"

#include "calendar/astro_time.h"
#include "calendar/lunar_months.h"

#include <cstddef>

namespace cal {

std::vector<uint32_t> EncodeLunarYears(int firstYear, int lastYear)
{
    // Lunar year Y needs the months from its 正月 (sui Y) to its month 12 (sui Y + 1).
    const std::vector<LunarMonthStart> months = ComputeLunarMonths(firstYear, lastYear + 2);
    std::vector<uint32_t> entries;
    for (int year = firstYear; year <= lastYear; ++year) {
        std::size_t first = 0;
        while (first < months.size() && !(months[first].lunarYear == year && months[first].month == 1))
            ++first;
        std::size_t end = first + 1;
        while (end < months.size() && months[end].lunarYear == year)
            ++end;
        if (end >= months.size())
            return {};
        const int count = static_cast<int>(end - first);
        uint32_t entry = 0;
        int leapMonth = 0;
        for (int i = 0; i < count; ++i) {
            const int length = months[first + i + 1].dayNumber - months[first + i].dayNumber;
            if (length != 29 && length != 30)
                return {};
            if (length == 30)
                entry |= 1u << i;
            if (months[first + i].isLeap)
                leapMonth = months[first + i].month;
        }
        const int newYearDay = months[first].dayNumber - DayNumberFromCivil(year, 1, 1);
        if (count != (leapMonth ? 13 : 12) || newYearDay < 0 || newYearDay > 0x3F)
            return {};
        entry |= static_cast<uint32_t>(leapMonth) << kLunarYearLeapShift;
        entry |= static_cast<uint32_t>(newYearDay) << kLunarYearNewYearShift;
        entries.push_back(entry);
    }
    return entries;
}

}  // namespace cal
