// Date-times (runtime/datetime.h): the stored value against a plain reckoning of seconds, arithmetic
// against wide integers, and the text forms read back, blanks anywhere between their parts.
#include <cmath>

#include "fuzz_support.h"
#include "runtime/datetime.h"

namespace {

// Days since 1899-12-30, the fraction counting forward from midnight even before that day: whole
// seconds on a straight line, or false for a value too far out to be a date-time at all.
bool ReferenceSeconds(double value, __int128& seconds)
{
    if (!std::isfinite(value) || std::fabs(value) > 1e7)
        return false;
    double day = std::trunc(value);
    seconds = static_cast<__int128>(day) * 86400 + static_cast<__int128>(std::llround(std::fabs(value - day) * 86400));
    return true;
}

struct Range {
    double first = 0, last = 0;
    __int128 firstSecond = 0, lastSecond = 0;
};

const Range& ValidRange()
{
    static const Range range = [] {
        Range r;
        MakeDateTime(100, 1, 1, 0, 0, 0, r.first);
        MakeDateTime(9999, 12, 31, 23, 59, 59, r.last);
        ReferenceSeconds(r.first, r.firstSecond);
        ReferenceSeconds(r.last, r.lastSecond);
        return r;
    }();
    return range;
}

bool ReferenceValid(double value, __int128& seconds)
{
    return ReferenceSeconds(value, seconds) && seconds >= ValidRange().firstSecond && seconds <= ValidRange().lastSecond;
}

bool SameParts(const DateTimeParts& a, const DateTimeParts& b)
{
    return a.year == b.year && a.month == b.month && a.day == b.day && a.hour == b.hour && a.minute == b.minute &&
           a.second == b.second;
}

void CheckValue(double value)
{
    __int128 seconds = 0;
    bool valid = ReferenceValid(value, seconds);
    DateTimeParts parts = SplitDateTime(value);
    FUZZ_CHECK(valid == (parts.year != 0));
    FUZZ_CHECK(valid == (DateTimeWeekday(value) != 0));
    FUZZ_CHECK(valid == !DateTimeToText(value).empty());
    if (!valid) {
        FUZZ_CHECK(parts.month == 0 && parts.day == 0 && parts.hour == 0 && parts.minute == 0 && parts.second == 0);
        FUZZ_CHECK(SecondsBetween(value, ValidRange().first) == 0);
        return;
    }
    double made = 0;
    FUZZ_CHECK(MakeDateTime(parts.year, parts.month, parts.day, parts.hour, parts.minute, parts.second, made));
    FUZZ_CHECK(SecondsBetween(made, value) == 0);
    FUZZ_CHECK(SameParts(SplitDateTime(made), parts));
    FUZZ_CHECK(SecondsBetween(ValidRange().first, value) == static_cast<long long>(seconds - ValidRange().firstSecond));
    double back = 0;
    FUZZ_CHECK(TextToDateTime(DateTimeToText(value), back) && back == made);
}

void CheckArithmetic(double value, DateTimeUnit unit, long long amount)
{
    __int128 seconds = 0;
    bool valid = ReferenceValid(value, seconds);
    double out = 0;
    bool added = AddToDateTime(value, unit, amount, out);
    if (unit == DateTimeUnit::Year || unit == DateTimeUnit::Month) {
        DateTimeParts p = SplitDateTime(value);
        __int128 months = static_cast<__int128>(p.year) * 12 + (p.month - 1) +
                          static_cast<__int128>(amount) * (unit == DateTimeUnit::Year ? 12 : 1);
        __int128 year = months >= 0 ? months / 12 : -1;
        FUZZ_CHECK(added == (valid && year >= 100 && year <= 9999));
        if (added) {
            DateTimeParts q = SplitDateTime(out);
            int month = static_cast<int>(months - year * 12) + 1;
            int last = DaysInMonth(static_cast<int>(year), month);
            int day = p.day < last ? p.day : last;
            FUZZ_CHECK(q.year == year && q.month == month && q.day == day && q.hour == p.hour && q.minute == p.minute &&
                       q.second == p.second);
        }
        return;
    }
    const long long step = unit == DateTimeUnit::Week ? 7 * 86400
                         : unit == DateTimeUnit::Day  ? 86400
                         : unit == DateTimeUnit::Hour ? 3600
                         : unit == DateTimeUnit::Minute ? 60 : 1;
    __int128 target = seconds + static_cast<__int128>(amount) * step;
    FUZZ_CHECK(added == (valid && target >= ValidRange().firstSecond && target <= ValidRange().lastSecond));
    if (added)
        FUZZ_CHECK(SecondsBetween(value, out) == static_cast<long long>(target - seconds));
}

// Blanks of the reader: nothing, spaces, full-width blanks.
std::string Blanks(FuzzInput& in)
{
    switch (in.Byte() % 4) {
    case 1: return " ";
    case 2: return "  ";
    case 3: return "\xA1\xA1";
    default: return "";
    }
}

std::string Number(FuzzInput& in, int value)
{
    return std::string(in.Byte() % 3, '0') + std::to_string(value);
}

// A text form of valid parts, written with blanks between its parts: it must read back as those parts.
void CheckWrittenForms(FuzzInput& in)
{
    int y = static_cast<int>(in.IntInRange(100, 9999)), mo = static_cast<int>(in.IntInRange(1, 12));
    int d = static_cast<int>(in.IntInRange(1, DaysInMonth(y, mo)));
    int h = static_cast<int>(in.IntInRange(0, 23)), mi = static_cast<int>(in.IntInRange(0, 59));
    int s = static_cast<int>(in.IntInRange(0, 59));
    int form = in.Byte() % 4;
    int clock = in.Byte() % 3;  // no time, hours and minutes, hours, minutes and seconds
    std::string text = Blanks(in) + Number(in, y) + Blanks(in);
    if (form == 0) {
        text += "年" + Blanks(in) + Number(in, mo) + Blanks(in) + "月" + Blanks(in) + Number(in, d) + Blanks(in) + "日";
        if (clock > 0) {
            text += Blanks(in) + Number(in, h) + Blanks(in) + (in.Flag() ? "时" : "点") + Blanks(in) + Number(in, mi) +
                    Blanks(in) + "分";
            if (clock == 2)
                text += Blanks(in) + Number(in, s) + Blanks(in) + "秒";
        }
    } else {
        const char* separator = form == 1 ? "-" : "/";
        text += separator + Blanks(in) + Number(in, mo) + Blanks(in) + separator + Blanks(in) + Number(in, d);
        if (clock > 0) {
            std::string blank = Blanks(in);
            text += (blank.empty() ? " " : blank) + Blanks(in) + Number(in, h) + Blanks(in) + ":" + Blanks(in) + Number(in, mi);
            if (clock == 2)
                text += Blanks(in) + ":" + Blanks(in) + Number(in, s);
        }
    }
    text += Blanks(in);
    if (clock == 0)
        h = mi = s = 0;
    if (clock == 1)
        s = 0;
    double expected = 0, read = -1;
    FUZZ_CHECK(MakeDateTime(y, mo, d, h, mi, s, expected));
    FUZZ_CHECK(TextToDateTime(text, read));
    FUZZ_CHECK(read == expected);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput in(data, size);
    std::string text = in.Text(48);
    double read = 0;
    if (TextToDateTime(text, read)) {
        FUZZ_CHECK(SplitDateTime(read).year != 0);
        CheckValue(read);
    }
    // A raw double (NaN, infinities, huge values), or one near the valid range with a part of a second.
    double value = in.Flag() ? in.Double()
                             : static_cast<double>(in.IntInRange(-700000, 3000000)) + static_cast<double>(in.Byte()) / 256;
    CheckValue(value);
    DateTimeUnit unit = static_cast<DateTimeUnit>(in.Byte() % 7);
    long long amount = in.Flag() ? in.LongLong() : in.IntInRange(-4000000, 4000000);
    CheckArithmetic(value, unit, amount);
    CheckWrittenForms(in);
    return 0;
}
