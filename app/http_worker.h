#pragma once
// One HTTP exchange as a record shared by the waiting caller and the worker thread that carries it
// out with WinINet. The record is reference-counted: a worker that outlives its caller's wait still
// writes into a live record, and its result is discarded.
#include <windows.h>
#include <wininet.h>

#include <atomic>
#include <memory>
#include <string>

enum class HttpRecordState { Requested, Taken, Succeeded, Failed };

struct HttpRequestRecord {
    // Written by the caller before the worker starts, read-only afterwards.
    std::string address, method, proxy, userName, password, extraHeaders, body;
    ULONGLONG deadline = 0;  // GetTickCount64 value at which the exchange is given up

    // Written by the worker; the caller reads them only after the worker has ended.
    std::atomic<HttpRecordState> state{HttpRecordState::Requested};
    std::string responseHeaders;
    std::string responseBody;

    // Cancels the exchange: the worker makes no further call and ends once the call it is in returns
    // (each returns by the deadline). Only the worker closes its internet handles: a handle closed
    // under it could be reused by another exchange before its next call.
    void Cancel() { cancelled_ = true; }
    bool Cancelled() const { return cancelled_; }

private:
    std::atomic<bool> cancelled_{false};
};

// Replies larger than this fail rather than fill the memory.
constexpr size_t kMaxHttpReplyBytes = 16u << 20;

// Carries out the exchange of the record; true when it succeeded (the record then holds the reply).
bool HttpWorkerThread(HttpRequestRecord& record);

// Starts a worker thread on the record; the thread keeps its own reference. Null when no thread
// could be started.
HANDLE StartHttpWorker(const std::shared_ptr<HttpRequestRecord>& record);
