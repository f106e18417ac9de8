// The remote client and the update check against a stand-in service on 127.0.0.1, with a small
// window of the form runtime in place of the main window.
#include <gtest/gtest.h>

#include <string>

#include "app/http_test_server.h"
#include "app/main_window_remote.h"
#include "app/remote_client.h"
#include "app/remote_request_text.h"
#include "app/skin_modal_test_support.h"
#include "app/update_check.h"
#include "runtime/datetime.h"
#include "runtime/forms/forms_test_support.h"
#include "runtime/text.h"

namespace remote_test {
namespace {

using forms::Define;
using forms::UnitKind;
using forms_test::Log;
using forms_test::PumpUntil;

const char kTimeReply[] = "2012-11-12 下午 3:30:20";
const char kUpgradeItem[] = "软件升级";
const char kUpdateItem[] = "软件更新";

// The stand-in main window: the two definition menus with their update items.
const forms::FormDef& StandInMainWindow()
{
    static const forms::FormDef def = [] {
        forms::FormDef d;
        d.id = 1;
        d.name = "MainWindow";
        d.caption = "宝宝起名";
        d.rect = {40, 40, 400, 300};
        d.units = {Define(UnitKind::Menu, 1, "使用帮助"),
                   Define(UnitKind::MenuItem, 2, kUpgradeItem, {}, kUpgradeItem).In(1),
                   Define(UnitKind::Menu, 3, "托盘菜单"),
                   Define(UnitKind::MenuItem, 4, kUpdateItem, {}, kUpdateItem).In(3)};
        d.bindings = {{2, forms::EventKind::Click, OnSoftwareUpgradeMenuItem},
                      {4, forms::EventKind::Click, OnSoftwareUpdateMenuItem}};
        return d;
    }();
    return def;
}

// The exits the prompting check asked for.
std::vector<UINT> g_exits;

void RecordExit(UINT code)
{
    g_exits.push_back(code);
}

class RemoteClientTest : public forms_test::FormsTest {
protected:
    void SetUp() override
    {
        FormsTest::SetUp();
        previousExit_ = ReplaceExitProcessAction(RecordExit);
        g_exits.clear();
        g_serverBaseUrl.clear();
        g_serverPage.clear();
        g_serverClock = 0;
        g_networkError.clear();
        SetScrambleKey(kStartupScrambleKey);
        form_ = forms::OpenModeless(StandInMainWindow());
        ASSERT_NE(form_, nullptr);
    }
    void TearDown() override
    {
        ReplaceExitProcessAction(previousExit_);
        SetScrambleKey("");
        FormsTest::TearDown();
    }
    // Connects to a server answering the time request and, for selects, with the given reply.
    void Connect(TestHttpServer& server, const std::string& selectReply)
    {
        ASSERT_TRUE(server.Start("answer", kTimeReply, selectReply));
        ASSERT_TRUE(ConnectServer(server.BaseUrl(), kRemoteServicePage, form_->Window()));
    }
    void ChooseMenuItem(const char* name)
    {
        SendMessageA(form_->Window(), WM_COMMAND, MAKEWPARAM(form_->Get(name).CommandId(), 0), 0);
    }

    // "title|text" of the message boxes shown so far, each of them the skin's with the window as owner.
    std::vector<std::string> Messages()
    {
        std::vector<std::string> messages;
        for (const app_test::MessageBoxAnswerer::Box& box : boxes_.Boxes()) {
            EXPECT_TRUE(box.skinned) << box.text;
            EXPECT_EQ(box.owner, form_->Window()) << box.text;
            messages.push_back(box.title + "|" + box.text);
        }
        return messages;
    }

    forms::Form* form_ = nullptr;
    ExitProcessAction previousExit_ = nullptr;
    app_test::MessageBoxAnswerer boxes_{IDNO};
};

TEST_F(RemoteClientTest, ConnectingFetchesTheServerTimeTwiceAndRunsTheClock)
{
    TestHttpServer server;
    ASSERT_TRUE(server.Start("answer", kTimeReply));
    std::string base = server.BaseUrl();
    base.pop_back();  // stored with its "/" added
    ASSERT_TRUE(ConnectServer(base, kRemoteServicePage, form_->Window()));
    EXPECT_EQ(g_serverBaseUrl, server.BaseUrl());
    EXPECT_EQ(g_serverPage, "vadu.asp");
    EXPECT_TRUE(g_networkError.empty());

    const std::vector<std::string> requests = server.Requests();
    ASSERT_EQ(requests.size(), 2u);
    const std::string address = server.BaseUrl() + "vadu.asp";
    for (const std::string& request : requests) {
        EXPECT_EQ(request.compare(0, 25, "POST /vadu.asp HTTP/1.1\r\n"), 0) << request;
        const std::vector<std::string> lines = {
            "User-Agent: Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)\r\n",
            "Accept: image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, application/x-shockwave-flash, "
            "application/vnd.ms-excel, application/vnd.ms-powerpoint, application/msword, */*\r\n",
            "Referer: " + address + "\r\n",
            "Accept-Language: zh-cn\r\n",
            "Content-Type: application/x-www-form-urlencoded\r\n",
            "Content-Length: 6\r\n"};
        for (const std::string& line : lines)
            EXPECT_NE(request.find(line), std::string::npos) << line << " in\n" << request;
        EXPECT_EQ(RequestBody(request), "AC=40A");
    }

    // 下午 3:30:20 is 15:30:20; the clock then advances once a second.
    const DateTimeParts start = SplitDateTime(g_serverClock);
    EXPECT_EQ(start.year * 10000 + start.month * 100 + start.day, 20121112);
    EXPECT_EQ(start.hour * 10000 + start.minute * 100 + start.second, 153020);
    double connected = 0;
    MakeDateTime(2012, 11, 12, 15, 30, 20, connected);
    ASSERT_TRUE(PumpUntil([&] { return SecondsBetween(connected, g_serverClock) >= 2; }, 4000));
}

TEST_F(RemoteClientTest, AServerAnsweringMinusOneIsAFailedConnection)
{
    TestHttpServer server;
    ASSERT_TRUE(server.Start("answer", "-1"));
    EXPECT_FALSE(ConnectServer(server.BaseUrl(), kRemoteServicePage, form_->Window()));
    EXPECT_EQ(g_networkError, "连接网络或连接ASP文件失败");
    EXPECT_EQ(g_serverBaseUrl, server.BaseUrl());  // already ending in "/": unchanged
    EXPECT_EQ(server.Requests().size(), 1u);
    EXPECT_EQ(g_serverClock, 0.0);
}

TEST_F(RemoteClientTest, OnlyASuccessfulDateTimeReplyStartsTheClock)
{
    std::string garbage;
    unsigned seed = 7;
    while (garbage.size() < 10 * 1024)
        garbage += static_cast<char>((seed = seed * 1103515245u + 12345u) >> 16);
    const struct {
        const char* name;
        const char* mode;
        std::string timeReply;
        bool connects;
    } cases[] = {{"status 500 with a number", "error", "12345", false},
                 {"status 500 with the time", "error", kTimeReply, false},
                 {"10 KB of garbage", "answer", garbage, false},
                 {"10 MB of digits", "big", "", false},
                 {"-1", "answer", "-1", false},
                 {"the time", "answer", kTimeReply, true}};  // last: its clock then runs on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        g_serverClock = 0;
        g_networkError.clear();
        TestHttpServer server;
        ASSERT_TRUE(server.Start(c.mode, c.timeReply));
        EXPECT_EQ(ConnectServer(server.BaseUrl(), kRemoteServicePage, form_->Window()), c.connects);
        EXPECT_EQ(g_networkError, c.connects ? "" : kNetworkErrorText);
        EXPECT_EQ(g_serverClock != 0.0, c.connects);
    }
}

TEST_F(RemoteClientTest, TheShippedServiceAddressFailsAtOnce)
{
    SetScrambleKey("");
    const ULONGLONG start = GetTickCount64();
    EXPECT_FALSE(ConnectMainWindowToServer(form_->Window()));
    EXPECT_LT(GetTickCount64() - start, 5000u);
    EXPECT_EQ(g_scrambleKey, kStartupScrambleKey);
    EXPECT_EQ(g_networkError, "连接网络或连接ASP文件失败");
    EXPECT_EQ(g_serverBaseUrl, kRemoteServiceBaseUrl);
}

TEST_F(RemoteClientTest, UpdateQuerySendsTheClockPrefixAndTheSelect)
{
    TestHttpServer server;
    ASSERT_NO_FATAL_FAILURE(Connect(server, "a々☆1.0々☆"));
    OnMenuSoftwareUpgrade(form_->Window());
    const std::vector<std::string> requests = server.Requests();
    ASSERT_EQ(requests.size(), 3u);
    const std::string body = RequestBody(requests[2]);
    EXPECT_EQ(FormField(body, "AC"), "41A");
    const std::string sql = Unscramble(FormField(body, "SQL"), kStartupScrambleKey);
    const std::string select = "select zhuangtai from sys where gongneng='gonggao3'";
    ASSERT_GT(sql.size(), select.size());
    EXPECT_EQ(sql.substr(sql.size() - select.size()), select);
    // The prefix is the server clock, a second or two past 15:30:20.
    const std::string prefix = sql.substr(0, sql.size() - select.size());
    EXPECT_EQ(prefix.compare(0, 6, "15:30:"), 0) << prefix;
    EXPECT_EQ(prefix.substr(prefix.size() - 6), "☆々☆");
    EXPECT_LE(TextToInt(prefix.substr(6)), 25) << prefix;
}

TEST_F(RemoteClientTest, TheProgramsOwnVersionTag)
{
    EXPECT_EQ(GetExeVersionPart(0), "201");
    EXPECT_EQ(GetExeVersionPart(1), "1.0");
    EXPECT_EQ(GetExeVersionPart(2), "2012.1.1.0");
    EXPECT_EQ(GetExeVersionPart(3), "");
}

TEST_F(RemoteClientTest, UpToDateOnlyTheMenuCheckSpeaks)
{
    TestHttpServer server;
    ASSERT_NO_FATAL_FAILURE(Connect(server, "a々☆1.0々☆"));
    ChooseMenuItem(kUpgradeItem);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(boxes_.Boxes()[0].text, "软件已经是最新版，不需要升级");
    EXPECT_NE(boxes_.Boxes()[0].title, "") << "no caption: the system's own title";
    ChooseMenuItem(kUpdateItem);
    EXPECT_EQ(Messages().size(), 1u);
    EXPECT_TRUE(g_exits.empty());
    EXPECT_EQ(server.Requests().size(), 4u);
}

TEST_F(RemoteClientTest, NewerReleaseOnlyThePromptingCheckAsks)
{
    TestHttpServer server;
    ASSERT_NO_FATAL_FAILURE(Connect(server, "a々☆1.1々☆"));
    ChooseMenuItem(kUpgradeItem);
    EXPECT_TRUE(Messages().empty());

    boxes_.SetAnswer(IDNO);
    ChooseMenuItem(kUpdateItem);
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0], "提示|版本不是最新版本，是否要更新");
    EXPECT_TRUE(Log().openedUrls.empty());
    EXPECT_TRUE(g_exits.empty());

    boxes_.SetAnswer(IDYES);
    ChooseMenuItem(kUpdateItem);
    ASSERT_EQ(Log().openedUrls.size(), 1u);
    EXPECT_EQ(Log().openedUrls[0], kDownloadPageUrl);
    ASSERT_EQ(g_exits.size(), 1u);
    EXPECT_EQ(g_exits[0], 0u);
}

TEST_F(RemoteClientTest, NoServiceTheVersionsNeverMatch)
{
    // Nothing reached: the plain check is silent, the prompting one asks.
    g_serverBaseUrl = kRemoteServiceBaseUrl;
    g_serverPage = kRemoteServicePage;
    OnMenuSoftwareUpgrade(form_->Window());
    EXPECT_TRUE(Messages().empty());
    CheckForUpdateWithPrompt(form_->Window());
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0], "提示|版本不是最新版本，是否要更新");
}

}  // namespace
}  // namespace remote_test
