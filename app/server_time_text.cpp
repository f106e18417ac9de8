#include "app/server_time_text.h"

#include "runtime/datetime.h"
#include "runtime/text.h"

bool ServerTimeTextToDateTime(const std::string& reply, double& out)
{
    if (reply.size() > kMostServerTimeReplyBytes)
        return false;
    const bool morning = TextContains(reply, "上午");
    const bool afternoon = !morning && TextContains(reply, "下午");
    std::string text = reply;
    if (morning)
        text = TextReplaceAll(text, "上午 ", "");
    else if (afternoon)
        text = TextReplaceAll(text, "下午 ", "");
    double value = 0;
    if (!TextToDateTime(text, value))
        return false;
    const int hour = SplitDateTime(value).hour;
    if (morning && hour == 12)
        return AddToDateTime(value, DateTimeUnit::Hour, -12, out);
    if (afternoon && hour >= 1 && hour <= 11)
        return AddToDateTime(value, DateTimeUnit::Hour, 12, out);
    out = value;
    return true;
}
