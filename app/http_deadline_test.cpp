// An exchange never holds the user-interface thread past its deadline, whatever the server does, and
// leaves no worker thread and no handle behind. Timers, posted messages and calls from other threads
// are handled while it waits.
#include <windows.h>
#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <thread>

#include "app/http_request.h"
#include "app/http_worker.h"
#include "app/http_test_server.h"
#include "runtime/forms/forms_test_support.h"

namespace remote_test {
namespace {

using forms::Define;
using forms::UnitKind;

int g_ticks = 0;
int g_posted = 0;
const UINT kPostedMessage = WM_APP + 7;

void CountTick(forms::Event&)
{
    ++g_ticks;
}

const forms::FormDef& ClockWindow()
{
    static const forms::FormDef def = [] {
        forms::FormDef d;
        d.id = 2;
        d.name = "ClockWindow";
        d.caption = "时钟";
        d.rect = {60, 60, 300, 200};
        d.units = {Define(UnitKind::Timer, 1, "时钟1").Interval(1000)};
        d.bindings = {{1, forms::EventKind::TimerTick, CountTick}};
        return d;
    }();
    return def;
}

LRESULT CALLBACK CountingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == kPostedMessage) {
        ++g_posted;
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// The thread's start address lies in the module.
bool StartsIn(DWORD threadId, HMODULE module)
{
    using Query = LONG(WINAPI*)(HANDLE, int, void*, ULONG, ULONG*);
    const auto query = reinterpret_cast<Query>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQueryInformationThread")));
    const int kThreadQuerySetWin32StartAddress = 9;
    HANDLE thread = OpenThread(THREAD_QUERY_INFORMATION, FALSE, threadId);
    void* start = nullptr;
    if (thread && query)
        query(thread, kThreadQuerySetWin32StartAddress, &start, sizeof start, nullptr);
    if (thread)
        CloseHandle(thread);
    HMODULE owner = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       static_cast<const char*>(start), &owner);
    return module && owner == module;
}

// Threads of this process, but for WinINet's own: Wine's WinINet keeps a thread that looks after
// kept-alive connections and ends by itself later.
int ThreadsOfThisProcess()
{
    const HMODULE wininet = GetModuleHandleA("wininet.dll");
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return -1;
    THREADENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    int count = 0;
    for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry))
        count += entry.th32OwnerProcessID == GetCurrentProcessId() && !StartsIn(entry.th32ThreadID, wininet);
    CloseHandle(snapshot);
    return count;
}

// Handles of this process, from the system's handle table (Wine's GetProcessHandleCount gives 0).
int HandlesOfThisProcess()
{
    struct Entry {
        void* object;
        ULONG_PTR processId;
        ULONG_PTR handle;
        ULONG access;
        USHORT backTraceIndex;
        USHORT typeIndex;
        ULONG attributes;
        ULONG reserved;
    };
    using Query = LONG(WINAPI*)(ULONG, void*, ULONG, ULONG*);
    const auto query = reinterpret_cast<Query>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQuerySystemInformation")));
    const ULONG kSystemExtendedHandleInformation = 64;
    std::vector<char> table(1 << 22);
    ULONG length = 0;
    if (!query || query(kSystemExtendedHandleInformation, table.data(), static_cast<ULONG>(table.size()), &length) != 0)
        return -1;
    const ULONG_PTR count = *reinterpret_cast<ULONG_PTR*>(table.data());
    const auto* entries = reinterpret_cast<const Entry*>(table.data() + 2 * sizeof(ULONG_PTR));
    int mine = 0;
    for (ULONG_PTR i = 0; i < count; ++i)
        mine += entries[i].processId == GetCurrentProcessId();
    return mine;
}

class HttpDeadlineTest : public forms_test::FormsTest {
protected:
    void SetUp() override
    {
        FormsTest::SetUp();
        g_ticks = 0;
        g_posted = 0;
        form_ = forms::OpenModeless(ClockWindow());
        ASSERT_NE(form_, nullptr);
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = CountingProc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "HttpDeadlineTestTarget";
        RegisterClassA(&windowClass);
        target_ = CreateWindowA("HttpDeadlineTestTarget", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(target_, nullptr);
    }
    void TearDown() override
    {
        DestroyWindow(target_);
        FormsTest::TearDown();
    }
    static HttpRequest TimeRequest(const TestHttpServer& server)
    {
        HttpRequest request;
        request.address = server.BaseUrl() + "vadu.asp";
        request.body = "AC=40A";
        return request;
    }

    forms::Form* form_ = nullptr;
    HWND target_ = nullptr;
};

TEST_F(HttpDeadlineTest, MisbehavingServersCostAtMostTheDeadline)
{
    // The margin leaves room for a loaded machine; a wait restarted at every wake would never end.
    const ULONGLONG kDeadline = 2000, kMargin = 1500;
    struct Case {
        const char* mode;
        bool waitsTheDeadline;  // the server never finishes its reply
    } cases[] = {{"silent", true}, {"drip", true}, {"garbage", false}, {"close", false}, {"huge", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        TestHttpServer server;
        ASSERT_TRUE(server.Start(c.mode));
        const int threadsBefore = ThreadsOfThisProcess();
        g_ticks = 0;
        g_posted = 0;
        // During the wait another thread posts a message, then calls into this thread and waits.
        std::atomic<bool> helperDone{false};
        ULONGLONG callTook = 0;
        std::thread helper([&] {
            Sleep(300);
            PostMessageA(target_, kPostedMessage, 0, 0);
            const ULONGLONG called = GetTickCount64();
            forms::RunOnUiThread([] {});
            callTook = GetTickCount64() - called;
            helperDone = true;
        });
        const ULONGLONG start = GetTickCount64();
        const std::string reply = HttpRequestWithTimeout(TimeRequest(server), 2);
        const ULONGLONG elapsed = GetTickCount64() - start;
        forms_test::PumpUntil([&] { return helperDone.load(); });
        helper.join();

        EXPECT_LT(elapsed, kDeadline + kMargin);
        EXPECT_EQ(ThreadsOfThisProcess(), threadsBefore);
        EXPECT_EQ(server.Requests().size(), std::string(c.mode) == "close" ? 0u : 1u);
        if (c.waitsTheDeadline) {
            EXPECT_GE(elapsed, kDeadline - 50);
            EXPECT_TRUE(reply.empty());
            EXPECT_GE(g_ticks, 1);   // the 1 s timer ran during the wait
            EXPECT_EQ(g_posted, 1);  // and the posted message was handled
            EXPECT_LT(callTook, kDeadline - 300);  // as was the call, during the wait
        }
        if (std::string(c.mode) == "close") {
            EXPECT_TRUE(reply.empty());
        }
        // Garbage and a 4 MiB reply come back as bytes, or not at all; nothing more is asked of them.
    }
}

TEST_F(HttpDeadlineTest, FiftySilentExchangesLeaveNoThreadNorHandle)
{
    TestHttpServer server;
    ASSERT_TRUE(server.Start("silent"));
    const HttpRequest request = TimeRequest(server);
    // The first exchanges load WinINet and its sockets, which stay.
    for (int i = 0; i < 3; ++i)
        HttpRequestWithDeadline(request, 100);
    const int threadsBefore = ThreadsOfThisProcess();
    const int handlesBefore = HandlesOfThisProcess();
    ASSERT_GT(handlesBefore, 0);
    for (int i = 0; i < 50; ++i) {
        const ULONGLONG start = GetTickCount64();
        EXPECT_TRUE(HttpRequestWithDeadline(request, 100).empty());
        EXPECT_LT(GetTickCount64() - start, 100u + 500u);
    }
    EXPECT_EQ(ThreadsOfThisProcess(), threadsBefore);
    EXPECT_LE(HandlesOfThisProcess(), handlesBefore + 2);
}

// A worker cancelled while it waits on a dripping server wakes at the next byte; new exchanges have
// opened handles meanwhile, which may carry the values its handles had. It must not read through
// them: every live exchange gets its whole reply, and no cancelled one succeeds.
TEST_F(HttpDeadlineTest, FiftyCancelledExchangesLeaveTheLiveOnesWhole)
{
    TestHttpServer drip, echo;
    ASSERT_TRUE(drip.Start("drip"));
    ASSERT_TRUE(echo.Start("echo"));
    const auto start = [](const std::string& address, const std::string& body, ULONGLONG milliseconds) {
        auto record = std::make_shared<HttpRequestRecord>();
        record->address = address;
        record->method = "POST";
        record->body = body;
        record->deadline = GetTickCount64() + milliseconds;
        return record;
    };
    const int kRounds = 10, kPerRound = 5;
    size_t dripRequests = 0;
    for (int round = 0; round < kRounds; ++round) {
        SCOPED_TRACE(round);
        std::vector<std::shared_ptr<HttpRequestRecord>> cancelled, live;
        std::vector<HANDLE> threads;
        for (int i = 0; i < kPerRound; ++i) {
            cancelled.push_back(start(drip.BaseUrl() + "vadu.asp", "AC=40A", 8000));
            threads.push_back(StartHttpWorker(cancelled.back()));
            ASSERT_NE(threads.back(), nullptr);
        }
        // Every cancelled worker has its reply head and waits for the next dripped byte.
        dripRequests += kPerRound;
        ASSERT_TRUE(forms_test::PumpUntil([&] { return drip.Requests().size() >= dripRequests; }, 5000));
        Sleep(100);
        for (const auto& record : cancelled)
            record->Cancel();
        for (int i = 0; i < kPerRound; ++i) {
            std::string body = "AC=" + std::to_string(round * kPerRound + i) + "&SQL=";
            while (body.size() < 4096)
                body += static_cast<char>('a' + (body.size() + i) % 26);
            live.push_back(start(echo.BaseUrl() + "vadu.asp", body, 8000));
            threads.push_back(StartHttpWorker(live.back()));
            ASSERT_NE(threads.back(), nullptr);
        }
        const DWORD waited = WaitForMultipleObjects(static_cast<DWORD>(threads.size()), threads.data(), TRUE, 9000);
        for (HANDLE thread : threads)
            CloseHandle(thread);
        ASSERT_EQ(waited, WAIT_OBJECT_0) << "the workers did not end";
        for (const auto& record : cancelled)
            EXPECT_EQ(record->state, HttpRecordState::Failed);
        for (const auto& record : live) {
            EXPECT_EQ(record->state, HttpRecordState::Succeeded);
            EXPECT_TRUE(record->responseBody == record->body)
                << record->responseBody.size() << " of " << record->body.size() << " bytes came back";
        }
    }
}

}  // namespace
}  // namespace remote_test
