#include "app/remote_client.h"

#include "app/http_request.h"
#include "app/remote_request_text.h"
#include "app/server_time_text.h"
#include "runtime/datetime.h"
#include "runtime/random.h"
#include "runtime/text.h"

const char kRemoteServiceBaseUrl[] = "http://127.0.0.1:1/";
const char kRemoteServicePage[] = "vadu.asp";
const char kNetworkErrorText[] = "连接网络或连接ASP文件失败";

std::string g_serverBaseUrl;
std::string g_serverPage;
double g_serverClock = 0;
std::string g_networkError;

namespace {

// The form runtime numbers the timers of a window's timer units from 1 to 999; the clock's timer is
// drawn above them so it never replaces one of theirs.
const int kFirstClockTimerId = 1000;
const int kLastClockTimerId = 10000;
const UINT kClockPeriodMilliseconds = 1000;

void CALLBACK ServerClockTimerProc(HWND, UINT, UINT_PTR, DWORD)
{
    TickServerClock();
}

std::string ServiceAddress()
{
    return g_serverBaseUrl + g_serverPage;
}

}  // namespace

bool ConnectServer(const std::string& baseUrl, const std::string& page, HWND window)
{
    g_serverBaseUrl = baseUrl.empty() || baseUrl.back() != '/' ? baseUrl + "/" : baseUrl;
    g_serverPage = page;
    // Only the service's own answer counts: a date-time. An error page, garbage or "-1" do not.
    double replyTime = 0;
    if (!ServerTimeTextToDateTime(RequestServerTime(), replyTime)) {
        g_networkError = kNetworkErrorText;
        return false;
    }
    SeedRandomFromClock();
    const int timerId = RandomInRange(kFirstClockTimerId, kLastClockTimerId);
    if (SetTimer(window, static_cast<UINT_PTR>(timerId), kClockPeriodMilliseconds, ServerClockTimerProc) !=
        static_cast<UINT_PTR>(timerId))
        return false;
    g_serverClock = ParseServerTime();
    return true;
}

std::string RequestServerTime()
{
    return HttpPostText(ServiceAddress(), ServerTimeRequestBody());
}

double ParseServerTime()
{
    double clock = 0;
    return ServerTimeTextToDateTime(RequestServerTime(), clock) ? clock : 0;
}

void TickServerClock()
{
    double next = 0;
    if (AddToDateTime(g_serverClock, DateTimeUnit::Second, 1, next))
        g_serverClock = next;
}

std::string FormatServerClockText()
{
    return FormatClockPrefix(g_serverClock);
}

std::string PostScrambledSql(const std::string& sql)
{
    return HttpPostText(ServiceAddress(), SqlRequestBody(FormatServerClockText(), sql));
}

std::string SendRemoteSelect(const std::string& table, const std::string& columns, const std::string& condition)
{
    return PostScrambledSql(BuildSelectStatement(table, columns, condition));
}

std::string QueryRemoteField(const std::string& table, const std::string& columns, const std::string& condition,
                             const std::string& separator)
{
    return SecondReplyField(SendRemoteSelect(table, columns, condition), separator);
}
