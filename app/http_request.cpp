#include "app/http_request.h"

#include <memory>

#include "app/http_worker.h"
#include "runtime/forms/form_runtime.h"

namespace {

const int kDefaultTimeoutSeconds = 90;
// Input that wakes the wait (0x4BF): keys, mouse, posted messages, timers, paint, hot keys, raw input.
// Messages sent from other threads are handled by the wait itself.
const DWORD kWakeMask = QS_KEY | QS_MOUSEMOVE | QS_MOUSEBUTTON | QS_POSTMESSAGE | QS_TIMER | QS_PAINT |
                        QS_HOTKEY | QS_RAWINPUT;
// How long a cancelled worker may take to end before the caller returns without it.
const DWORD kCancelGraceMilliseconds = 2000;

bool QuitPending()
{
    MSG msg;
    return PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE) != FALSE;
}

enum class WaitEnd { Finished, TimedOut, Abandoned };

// The program is ending: a WM_QUIT waits, or the last window closed while the program had one.
bool ProgramEnding(bool hadWindows)
{
    return QuitPending() || (hadWindows && forms::OpenFormCount() == 0);
}

// Waits for the thread to end, handling window messages, until the given tick count. Abandoned when
// the program is ending or the wait itself failed.
WaitEnd WaitHandlingMessages(HANDLE thread, ULONGLONG until)
{
    const bool hadWindows = forms::OpenFormCount() > 0;
    const auto ended = [thread](WaitEnd otherwise) {
        return WaitForSingleObject(thread, 0) == WAIT_OBJECT_0 ? WaitEnd::Finished : otherwise;
    };
    for (;;) {
        const ULONGLONG now = GetTickCount64();
        if (now >= until)
            return ended(WaitEnd::TimedOut);
        const DWORD left = static_cast<DWORD>(until - now > 0x7FFFFFFF ? 0x7FFFFFFF : until - now);
        const DWORD woke = MsgWaitForMultipleObjectsEx(1, &thread, left, kWakeMask, MWMO_INPUTAVAILABLE);
        if (woke == WAIT_OBJECT_0)
            return WaitEnd::Finished;
        if (woke != WAIT_OBJECT_0 + 1)
            return ended(woke == WAIT_TIMEOUT ? WaitEnd::TimedOut : WaitEnd::Abandoned);
        forms::ProcessPendingMessages();
        if (ProgramEnding(hadWindows))
            return ended(WaitEnd::Abandoned);
    }
}

}  // namespace

std::string HttpRequestWithDeadline(const HttpRequest& request, DWORD timeoutMilliseconds,
                                    std::string* responseHeaders)
{
    if (responseHeaders)
        responseHeaders->clear();
    auto record = std::make_shared<HttpRequestRecord>();
    record->address = request.address;
    record->method = "POST";
    record->proxy = request.proxy;
    record->userName = request.userName;
    record->password = request.password;
    record->extraHeaders = request.extraHeaders;
    record->body = request.body;
    // One deadline for the whole wait: messages that wake the wait do not extend it.
    record->deadline = GetTickCount64() + timeoutMilliseconds;

    HANDLE thread = StartHttpWorker(record);
    if (!thread)
        return std::string();
    const WaitEnd end = WaitHandlingMessages(thread, record->deadline);
    const bool finished = end == WaitEnd::Finished;
    if (!finished) {
        // No TerminateThread: it can leave WinINet's locks taken. The worker's calls return by the
        // deadline; it ends by itself and writes only into the record it shares. A program that is
        // ending does not wait for it.
        record->Cancel();
        if (end == WaitEnd::TimedOut)
            WaitHandlingMessages(thread, GetTickCount64() + kCancelGraceMilliseconds);
    }
    CloseHandle(thread);
    if (!finished || record->state != HttpRecordState::Succeeded)
        return std::string();
    if (responseHeaders)
        *responseHeaders = record->responseHeaders;
    return record->responseBody;
}

std::string HttpRequestWithTimeout(const HttpRequest& request, int timeoutSeconds, std::string* responseHeaders)
{
    const int seconds = timeoutSeconds > 0 ? timeoutSeconds : kDefaultTimeoutSeconds;
    const ULONGLONG milliseconds = static_cast<ULONGLONG>(seconds) * 1000;
    return HttpRequestWithDeadline(request, static_cast<DWORD>(milliseconds > 0x7FFFFFFF ? 0x7FFFFFFF : milliseconds),
                                   responseHeaders);
}

std::string HttpPostText(const std::string& address, const std::string& body)
{
    HttpRequest request;
    request.address = address;
    request.body = body;
    const std::string reply = HttpRequestWithTimeout(request);
    return reply.substr(0, reply.find('\0'));
}
