#include "app/http_worker.h"

#include <process.h>

#include "app/http_request_headers.h"
#include "app/url_parts.h"
#include "runtime/text.h"

namespace {

const char kAgent[] = "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)";
const DWORD kReadBlock = 512;
const DWORD kHeaderBufferBytes = 1024;

// The worker's internet handles, closed here and only here, in reverse order of opening.
class HttpWorkerHandles {
public:
    enum Slot { kInternet, kConnection, kRequest };

    HttpWorkerHandles() = default;
    ~HttpWorkerHandles()
    {
        for (int slot = kRequest; slot >= kInternet; --slot)
            if (handles_[slot])
                InternetCloseHandle(handles_[slot]);
    }
    HttpWorkerHandles(const HttpWorkerHandles&) = delete;
    HttpWorkerHandles& operator=(const HttpWorkerHandles&) = delete;

    // Keeps a new handle; false when it is null.
    bool Keep(Slot slot, HINTERNET handle)
    {
        handles_[slot] = handle;
        return handle != nullptr;
    }
    HINTERNET Get(Slot slot) const { return handles_[slot]; }

private:
    HINTERNET handles_[3] = {};
};


// Limits the next blocking calls on the handle to the time left before the deadline, so the worker
// ends by itself when the caller gives up. False when no time is left.
bool LimitToDeadline(HINTERNET handle, ULONGLONG deadline)
{
    const ULONGLONG now = GetTickCount64();
    if (!handle || now >= deadline)
        return false;
    DWORD left = static_cast<DWORD>(deadline - now > 0x7FFFFFFF ? 0x7FFFFFFF : deadline - now);
    const DWORD options[] = {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_SEND_TIMEOUT,
                             INTERNET_OPTION_RECEIVE_TIMEOUT};
    for (DWORD option : options)
        InternetSetOptionA(handle, option, &left, sizeof left);
    return true;
}

const char* NullIfEmpty(const std::string& text)
{
    return text.empty() ? nullptr : text.c_str();
}

// Reads the response body in blocks of at most 512 bytes, never waiting past the deadline.
bool ReadBody(const HttpRequestRecord& record, HINTERNET request, std::string& body)
{
    char block[kReadBlock];
    for (;;) {
        if (record.Cancelled() || !LimitToDeadline(request, record.deadline))
            return false;
        DWORD available = 0;
        if (!InternetQueryDataAvailable(request, &available, 0, 0))
            return false;
        if (available == 0)
            return true;
        DWORD read = 0;
        if (!InternetReadFile(request, block, available < kReadBlock ? available : kReadBlock, &read))
            return false;
        if (read == 0)
            return true;
        if (body.size() + read > kMaxHttpReplyBytes)
            return false;
        body.append(block, read);
    }
}

}  // namespace

bool HttpWorkerThread(HttpRequestRecord& record)
{
    HttpRecordState expected = HttpRecordState::Requested;
    if (!record.state.compare_exchange_strong(expected, HttpRecordState::Taken))
        return false;
    const auto fail = [&record] {
        record.state = HttpRecordState::Failed;
        return false;
    };

    const std::string host = ParseUrlHost(record.address, false);
    const std::string path = ParseUrlPath(record.address);
    const int port = ParseUrlPort(record.address);
    std::string headers;
    if (host.empty() || port < 1 || port > 65535 ||
        !CompleteRequestHeaders(record.extraHeaders, record.address, record.method, record.body.size(), headers))
        return fail();

    // Every step first asks whether the caller has given up, and the handles stay open until the
    // worker is done with them.
    HttpWorkerHandles handles;
    const std::string proxy = TextRemoveBlanks(record.proxy);
    const std::string proxyList = "http=" + record.proxy;
    if (record.Cancelled() ||
        !handles.Keep(HttpWorkerHandles::kInternet,
                      proxy.empty() ? InternetOpenA(kAgent, INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0)
                                    : InternetOpenA(kAgent, INTERNET_OPEN_TYPE_PROXY, proxyList.c_str(), nullptr, 0)))
        return fail();
    const HINTERNET internet = handles.Get(HttpWorkerHandles::kInternet);
    if (record.Cancelled() || !LimitToDeadline(internet, record.deadline))
        return fail();
    const char* user = TextRemoveBlanks(record.userName).empty() ? "" : record.userName.c_str();
    const char* password = TextRemoveBlanks(record.password).empty() ? "" : record.password.c_str();
    if (!handles.Keep(HttpWorkerHandles::kConnection,
                      InternetConnectA(internet, host.c_str(), static_cast<INTERNET_PORT>(port), user, password,
                                       INTERNET_SERVICE_HTTP, 0, 0)))
        return fail();
    const HINTERNET connection = handles.Get(HttpWorkerHandles::kConnection);
    if (record.Cancelled() ||
        !handles.Keep(HttpWorkerHandles::kRequest,
                      HttpOpenRequestA(connection, NullIfEmpty(record.method), path.c_str(), "HTTP/1.1", nullptr,
                                       nullptr, INTERNET_FLAG_RELOAD, 0)))
        return fail();

    const HINTERNET request = handles.Get(HttpWorkerHandles::kRequest);
    if (record.Cancelled() || !LimitToDeadline(request, record.deadline))
        return fail();
    const bool sendsBody = MethodSendsBody(record.method) && !record.body.empty();
    if (!HttpSendRequestA(request, headers.c_str(), static_cast<DWORD>(headers.size()),
                          sendsBody ? const_cast<char*>(record.body.data()) : nullptr,
                          sendsBody ? static_cast<DWORD>(record.body.size()) : 0))
        return fail();

    // Only a success status carries the service's reply: an error page is no answer.
    DWORD status = 0;
    DWORD statusSize = sizeof status;
    if (!HttpQueryInfoA(request, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &statusSize, nullptr) ||
        status < 200 || status > 299)
        return fail();

    std::string body;
    if (!ReadBody(record, request, body))
        return fail();

    // Headers that do not fit the buffer are not returned; the body is all the same.
    char raw[kHeaderBufferBytes];
    DWORD size = sizeof raw;
    std::string responseHeaders;
    if (HttpQueryInfoA(request, HTTP_QUERY_RAW_HEADERS_CRLF, raw, &size, nullptr))
        responseHeaders.assign(raw, size < sizeof raw ? size : sizeof raw);
    if (record.Cancelled())
        return fail();

    record.responseHeaders = std::move(responseHeaders);
    record.responseBody = std::move(body);
    record.state = HttpRecordState::Succeeded;
    return true;
}

namespace {

unsigned __stdcall HttpWorkerEntry(void* parameter)
{
    // The thread's own reference to the record, released when the thread ends.
    const std::unique_ptr<std::shared_ptr<HttpRequestRecord>> record(
        static_cast<std::shared_ptr<HttpRequestRecord>*>(parameter));
    return HttpWorkerThread(**record) ? 1 : 0;
}

}  // namespace

HANDLE StartHttpWorker(const std::shared_ptr<HttpRequestRecord>& record)
{
    auto* reference = new std::shared_ptr<HttpRequestRecord>(record);
    const uintptr_t thread = _beginthreadex(nullptr, 0, HttpWorkerEntry, reference, 0, nullptr);
    if (!thread) {
        delete reference;
        return nullptr;
    }
    return reinterpret_cast<HANDLE>(thread);
}
