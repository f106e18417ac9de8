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

// Waits for the thread to end, handling window messages, until the given tick count. False when the
// time ran out, the wait failed or the program is quitting.
bool WaitHandlingMessages(HANDLE thread, ULONGLONG until)
{
    for (;;) {
        const ULONGLONG now = GetTickCount64();
        if (now >= until)
            return WaitForSingleObject(thread, 0) == WAIT_OBJECT_0;
        const DWORD left = static_cast<DWORD>(until - now > 0x7FFFFFFF ? 0x7FFFFFFF : until - now);
        const DWORD woke = MsgWaitForMultipleObjectsEx(1, &thread, left, kWakeMask, MWMO_INPUTAVAILABLE);
        if (woke == WAIT_OBJECT_0)
            return true;
        if (woke != WAIT_OBJECT_0 + 1)
            return WaitForSingleObject(thread, 0) == WAIT_OBJECT_0;
        forms::ProcessPendingMessages();
        if (QuitPending())
            return WaitForSingleObject(thread, 0) == WAIT_OBJECT_0;
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
    const bool finished = WaitHandlingMessages(thread, record->deadline);
    if (!finished) {
        // No TerminateThread: it can leave WinINet's locks taken. The worker's calls return by the
        // deadline; it ends by itself and writes only into the record it shares.
        record->Cancel();
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
