#include "datetime.h"

#include <cmath>
#include <ctime>
#include <vector>

#include "runtime/text.h"

namespace {

const long long kSecondsPerDay = 86400;

// Days from 1970-01-01 of a proleptic Gregorian date (H. Hinnant's days_from_civil).
long long DaysFromCivil(long long y, int m, int d)
{
    y -= m <= 2;
    long long era = (y >= 0 ? y : y - 399) / 400;
    long long yoe = y - era * 400;
    long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void CivilFromDays(long long z, int& year, int& month, int& day)
{
    z += 719468;
    long long era = (z >= 0 ? z : z - 146096) / 146097;
    long long doe = z - era * 146097;
    long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    long long y = yoe + era * 400;
    long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    long long mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(y + (month <= 2));
}

const long long kEpochDay = DaysFromCivil(1899, 12, 30);

// Seconds on a straight line (no jump at day 0) <-> the stored value.
long long ToLinearSeconds(double value)
{
    double day = std::trunc(value);
    double fraction = std::fabs(value - day);
    return static_cast<long long>(day) * kSecondsPerDay + std::llround(fraction * kSecondsPerDay);
}

double FromLinearSeconds(long long seconds)
{
    long long day = seconds >= 0 ? seconds / kSecondsPerDay : -((-seconds + kSecondsPerDay - 1) / kSecondsPerDay);
    long long rest = seconds - day * kSecondsPerDay;  // 0 .. 86399
    double fraction = static_cast<double>(rest) / kSecondsPerDay;
    return day >= 0 ? day + fraction : day - fraction;
}

// The linear seconds of 0100-01-01 00:00:00 and 9999-12-31 23:59:59, the valid range.
const long long kFirstSecond = (DaysFromCivil(100, 1, 1) - kEpochDay) * kSecondsPerDay;
const long long kLastSecond = (DaysFromCivil(9999, 12, 31) - kEpochDay) * kSecondsPerDay + kSecondsPerDay - 1;

// The linear seconds of a stored value (rounded to the second); false for a value that is not finite
// or lies outside the valid years.
bool ValidSeconds(double value, long long& seconds)
{
    // The day bounds first, so the conversions below never see a value out of their range.
    if (!std::isfinite(value) || value <= static_cast<double>(kFirstSecond / kSecondsPerDay - 1) ||
        value >= static_cast<double>(kLastSecond / kSecondsPerDay + 1))
        return false;
    seconds = ToLinearSeconds(value);
    return seconds >= kFirstSecond && seconds <= kLastSecond;
}

bool YearInRange(int year) { return year >= 100 && year <= 9999; }

}  // namespace

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month)
{
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

bool MakeDateTime(int year, int month, int day, int hour, int minute, int second, double& out)
{
    if (!YearInRange(year) || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month) || hour < 0 ||
        hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59)
        return false;
    long long days = DaysFromCivil(year, month, day) - kEpochDay;
    out = FromLinearSeconds(days * kSecondsPerDay + hour * 3600 + minute * 60 + second);
    return true;
}

DateTimeParts SplitDateTime(double dateTime)
{
    DateTimeParts parts;
    long long seconds;
    if (!ValidSeconds(dateTime, seconds))
        return parts;
    long long day = seconds >= 0 ? seconds / kSecondsPerDay : -((-seconds + kSecondsPerDay - 1) / kSecondsPerDay);
    long long rest = seconds - day * kSecondsPerDay;
    CivilFromDays(day + kEpochDay, parts.year, parts.month, parts.day);
    parts.hour = static_cast<int>(rest / 3600);
    parts.minute = static_cast<int>(rest / 60 % 60);
    parts.second = static_cast<int>(rest % 60);
    return parts;
}

int DateTimeWeekday(double dateTime)
{
    long long seconds;
    if (!ValidSeconds(dateTime, seconds))
        return 0;
    long long day = seconds >= 0 ? seconds / kSecondsPerDay : -((-seconds + kSecondsPerDay - 1) / kSecondsPerDay);
    // 1899-12-30 was a Saturday (7).
    long long w = ((day + 6) % 7 + 7) % 7;  // 0 = Sunday
    return static_cast<int>(w) + 1;
}

double DateTimeNow()
{
    std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    double value = 0;
    MakeDateTime(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min,
                 local.tm_sec > 59 ? 59 : local.tm_sec, value);
    return value;
}

bool AddToDateTime(double dateTime, DateTimeUnit unit, long long amount, double& out)
{
    long long seconds;
    if (!ValidSeconds(dateTime, seconds))
        return false;
    DateTimeParts p = SplitDateTime(dateTime);
    // No amount beyond the width of the valid range can land inside it: refuse it before multiplying.
    const long long rangeSeconds = kLastSecond - kFirstSecond;
    if (unit == DateTimeUnit::Year || unit == DateTimeUnit::Month) {
        const long long monthsPerUnit = unit == DateTimeUnit::Year ? 12 : 1;
        if (amount > 10000 * 12 / monthsPerUnit || amount < -10000 * 12 / monthsPerUnit)
            return false;
        long long months = static_cast<long long>(p.year) * 12 + (p.month - 1) + amount * monthsPerUnit;
        long long year = months / 12;  // a negative count gives year 0 or less, refused below
        int month = static_cast<int>(months - year * 12) + 1;
        if (!YearInRange(static_cast<int>(year)))
            return false;
        int day = p.day > DaysInMonth(static_cast<int>(year), month) ? DaysInMonth(static_cast<int>(year), month) : p.day;
        return MakeDateTime(static_cast<int>(year), month, day, p.hour, p.minute, p.second, out);
    }
    long long step = unit == DateTimeUnit::Week ? 7 * kSecondsPerDay
                   : unit == DateTimeUnit::Day  ? kSecondsPerDay
                   : unit == DateTimeUnit::Hour ? 3600
                   : unit == DateTimeUnit::Minute ? 60 : 1;
    if (amount > rangeSeconds / step || amount < -rangeSeconds / step)
        return false;
    seconds += amount * step;
    if (seconds < kFirstSecond || seconds > kLastSecond)
        return false;
    out = FromLinearSeconds(seconds);
    return true;
}

long long SecondsBetween(double from, double to)
{
    long long fromSeconds, toSeconds;
    if (!ValidSeconds(from, fromSeconds) || !ValidSeconds(to, toSeconds))
        return 0;
    return toSeconds - fromSeconds;
}

std::string DateTimeToText(double dateTime)
{
    DateTimeParts p = SplitDateTime(dateTime);
    if (p.year == 0)
        return std::string();
    std::string text = IntToText(p.year) + "年" + IntToText(p.month) + "月" + IntToText(p.day) + "日";
    if (p.hour || p.minute || p.second)
        text += IntToText(p.hour) + "时" + IntToText(p.minute) + "分" + IntToText(p.second) + "秒";
    return text;
}

namespace {

// A cursor over the text that reads numbers and separators, skipping blanks between them.
class Reader {
public:
    explicit Reader(const std::string& text) : text_(TextRemoveBlanks(text)) {}
    bool AtEnd() const { return pos_ >= text_.size(); }
    bool Number(int& value)
    {
        size_t start = pos_;
        long long v = 0;
        while (pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9' && pos_ - start < 6)
            v = v * 10 + (text_[pos_++] - '0');
        value = static_cast<int>(v);
        return pos_ > start;
    }
    bool Literal(const char* s)
    {
        std::string lit(s);
        if (text_.compare(pos_, lit.size(), lit) != 0)
            return false;
        pos_ += lit.size();
        return true;
    }
    size_t Save() const { return pos_; }
    void Restore(size_t p) { pos_ = p; }

private:
    std::string text_;
    size_t pos_ = 0;
};

bool ReadChineseTime(Reader& r, int& h, int& mi, int& s)
{
    if (r.AtEnd())
        return true;
    if (!r.Number(h) || !(r.Literal("时") || r.Literal("点")))
        return false;
    if (r.AtEnd())
        return true;
    if (!r.Number(mi) || !r.Literal("分"))
        return false;
    if (r.AtEnd())
        return true;
    return r.Number(s) && r.Literal("秒") && r.AtEnd();
}

bool ReadClockTime(Reader& r, int& h, int& mi, int& s)
{
    if (r.AtEnd())
        return true;
    if (!r.Number(h) || !r.Literal(":") || !r.Number(mi))
        return false;
    if (r.AtEnd())
        return true;
    return r.Literal(":") && r.Number(s) && r.AtEnd();
}

// Splits "date blanks hh:mm[:ss]" at the run of blanks before the hour (the digits before the first
// ":"), since blanks are removed before the parts are read. False when the text has no ":" at all.
bool SplitClockPart(const std::string& text, std::string& datePart, std::string& timePart)
{
    // The starts of the characters and whether each is a blank, walking forward (GBK boundaries).
    std::vector<size_t> starts;
    std::vector<bool> blank;
    size_t colon = std::string::npos;
    for (size_t i = 0; i < text.size(); i += GbkCharLengthAt(text, i)) {
        starts.push_back(i);
        blank.push_back(text[i] == ' ' || text.compare(i, 2, "\xA1\xA1") == 0);
        if (text[i] == ':' && colon == std::string::npos)
            colon = starts.size() - 1;
    }
    if (colon == std::string::npos)
        return false;
    size_t k = colon;
    while (k > 0 && blank[k - 1])
        --k;
    while (k > 0 && text[starts[k - 1]] >= '0' && text[starts[k - 1]] <= '9')
        --k;
    size_t hour = k;
    while (k > 0 && blank[k - 1])
        --k;
    if (k == hour || k == 0)
        return false;  // no blank before the hour, or no date before it
    datePart = text.substr(0, starts[k]);
    timePart = text.substr(starts[hour]);
    return true;
}

}  // namespace

bool TextToDateTime(const std::string& text, double& out)
{
    // Blanks are removed before the parts are read, so "2012-05-12 12:00" would read as
    // "2012-05-1212:00": split the clock part off first.
    std::string datePart = text, timePart;
    if (!SplitClockPart(text, datePart, timePart))
        datePart = text, timePart.clear();
    int y = 0, m = 0, d = 0, h = 0, mi = 0, s = 0;
    Reader r(datePart);
    if (!r.Number(y))
        return false;
    bool ok;
    if (r.Literal("年")) {
        ok = r.Number(m) && r.Literal("月") && r.Number(d) && r.Literal("日");
        if (ok && timePart.empty())
            ok = ReadChineseTime(r, h, mi, s);
    } else {
        size_t at = r.Save();
        const char* sep = r.Literal("-") ? "-" : (r.Restore(at), r.Literal("/")) ? "/" : nullptr;
        ok = sep && r.Number(m) && r.Literal(sep) && r.Number(d) && r.AtEnd();
    }
    if (!ok || !r.AtEnd())
        return false;
    if (!timePart.empty()) {
        Reader t(timePart);
        if (!ReadClockTime(t, h, mi, s) || !t.AtEnd())
            return false;
    }
    return MakeDateTime(y, m, d, h, mi, s, out);
}
