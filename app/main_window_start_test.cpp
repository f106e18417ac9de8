// MainWindow's creation and closing under Wine, on a program folder laid out below the test program:
// skinned and visible on page 0 with the saved surname, the database open and 记录集3 attached; the
// same without the settings file or the database; the settings file and the database still take writes
// once the data folder is marked read-only, hidden and system; and closing stops the workers before the
// record sets and the connection close.
#include <gtest/gtest.h>

#include "app/generator_workers.h"
#include "app/http_test_server.h"
#include "app/main_window_events.h"
#include "app/main_window_remote.h"
#include "app/main_window_ui.h"
#include "app/settings_file.h"
#include "app/remote_client.h"
#include "app/shell_test_support.h"
#include "db/database.h"
#include "naming/generation_state.h"
#include "naming/name_lists.h"
#include "runtime/files.h"
#include "runtime/forms/form_runtime.h"
#include "runtime/ini.h"
#include "skin/core/screenshot.h"
#include "skin/core/skin_form_record.h"
#include "skin/core/skin_options.h"
#include "skin/core/window_props.h"
#include "skin/core/skin_registry.h"

namespace app_test {
namespace {

using MainWindowStartTest = ShellTest;

bool Attached(forms::Unit& records)
{
    DbRecordSet* set = records.RecordSet();
    const bool opened = set && set->OpenSql("select count(*) from SC");
    if (opened)
        set->Close();
    return opened;
}

TEST_F(MainWindowStartTest, OpensSkinnedOnPageZeroWithTheSavedSurnameAndTheDatabase)
{
    LayOutDataFolder("欧阳", true);
    ASSERT_TRUE(OpenMainWindow());
    HWND window = window_->Window();
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_TRUE(startBoxes_.empty());
    EXPECT_EQ(0, MainPage());
    EXPECT_EQ("欧阳", Unit("编辑框_姓1").Text());
    EXPECT_EQ("欧阳", g_surname);
    EXPECT_TRUE(Unit("数据库连接1").Connection()->IsOpen());
    EXPECT_TRUE(Attached(Unit("记录集3")));
    EXPECT_FALSE(Attached(Unit("记录集1"))) << "the other record sets are attached by their users";
    EXPECT_EQ("Data\\config.ini", g_configPath);

    // The skin paints caption and border of the frameless window.
    EXPECT_EQ(0, GetWindowLongPtrA(window, GWL_STYLE) & WS_CAPTION);
    const SkinFormRecord* form = SkinFormAt(FindSkinnedWindow(window));
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(120, form->captionHeight);
    EXPECT_EQ(5, form->statusHeight);
    EXPECT_TRUE(form->captionGradient);
    EXPECT_TRUE(form->resizable);
    std::vector<std::string> tips;
    for (const auto& button : form->captionButtons)
        tips.push_back(button->tipText);
    EXPECT_EQ((std::vector<std::string>{"换皮肤", "最小化", "最大化", "关闭"}), tips);

    // The data folder is marked as the program leaves it for the user.
    const DWORD attributes = GetFileAttributesA(DataFolder().c_str());
    ASSERT_NE(INVALID_FILE_ATTRIBUTES, attributes);
    EXPECT_TRUE(attributes & FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_TRUE(attributes & FILE_ATTRIBUTE_HIDDEN) << std::hex << attributes;
    EXPECT_TRUE(attributes & FILE_ATTRIBUTE_SYSTEM) << std::hex << attributes;

    // The fifteen group boxes are containers of the form without a visible fill; the two tab controls
    // are handed to the skin whole, and are containers without a fill.
    const int formNumber = FindSkinnedWindow(window);
    for (const char* box : {"分组框1", "分组框3", "分组框5", "分组框7", "分组框9", "分组框10", "分组框11", "分组框12",
                            "分组框13", "分组框16", "分组框18", "分组框23", "分组框24", "分组框25", "分组框26"}) {
        const SkinContainerRecord* container =
            RecordAt(form->containers, FindContainerIndex(formNumber, Unit(box).Window()));
        ASSERT_NE(nullptr, container) << box;
        EXPECT_EQ(GetSysColor(COLOR_BTNFACE), container->fillColour) << box;
        EXPECT_EQ(0, container->fillAlpha) << box;
        EXPECT_EQ(1, container->option) << box;
        EXPECT_NE(0, container->paintAsContainer) << box;
    }
    for (const char* tabs : {"高级选择夹1", "高级选择夹2"}) {
        HWND tabWindow = Unit(tabs).Window();
        EXPECT_GE(GetWindowPropNumber(tabWindow, kPropKjListIndex), 1) << tabs;
        EXPECT_EQ(formNumber, GetWindowPropNumber(tabWindow, kPropKjFormNumber)) << tabs;
        const SkinContainerRecord* container = RecordAt(form->containers, FindContainerIndex(formNumber, tabWindow));
        ASSERT_NE(nullptr, container) << tabs;
        EXPECT_EQ(0u, container->fillColour) << tabs;
        EXPECT_EQ(kContainerKindTabControl, container->kind) << tabs;
    }

    // White title on a soft black halo, white status text on a 0xFF0090 halo, the shrink-and-fade close.
    EXPECT_EQ(0xFFFFFFu, form->titleColour);
    EXPECT_EQ(0x000000u, form->titleGlowColour);
    EXPECT_EQ(1, form->titleGlowStyle);
    EXPECT_FALSE(form->statusInverseText);
    EXPECT_TRUE(form->statusTextGlow);
    EXPECT_EQ(0xFFFFFFu, form->statusTextColour);
    EXPECT_EQ(0xFF0090u, form->statusGlowColour);
    EXPECT_EQ(kCloseEffectShrinkFade, form->closeEffect);

    Unit("超级列表框1").AppendRow({"欧阳晨曦【 92分】"});
    forms::ProcessPendingMessages();  // the list repaints its new rows then
    EXPECT_FALSE(SaveWindowScreenshot(window, "main-window.png").empty());
}

TEST_F(MainWindowStartTest, EveryStartShowsTheBuiltInSkinWhateverTheSkinSettingsHold)
{
    LayOutDataFolder("张", false);
    // What the skin settings window leaves after a colour skin was chosen, and a picture skin before.
    struct SkinSettings {
        const std::string path = DataFolder() + "\\config.ini";
        ~SkinSettings() { DeleteFileA(path.c_str()); }
    } settings;
    for (const auto& [key, value] : {std::pair{"SkinID", "skin02"}, {"SkinLx", "1"}, {"SkinColor", "255"}})
        ASSERT_TRUE(IniWrite(settings.path, "Software", key, value));
    g_themeColour = 0x0000FF;
    g_skinImage.clear();
    g_skinImageMode = 0;
    g_skinBaseColour = 255;

    ASSERT_TRUE(OpenMainWindow());
    EXPECT_EQ(kMainThemeColour, g_themeColour);
    EXPECT_EQ(1, g_skinImageMode);
    ASSERT_GE(g_skinImage.size(), 8u);
    EXPECT_EQ(std::string("\x89PNG\r\n\x1a\n", 8), g_skinImage.substr(0, 8)) << "the picture faded and kept as PNG";
    EXPECT_NE(255u, g_skinBaseColour) << "the base colour comes from the built-in picture";
    const COLORREF base = g_skinBaseColour;
    const std::string picture = g_skinImage;
    ASSERT_TRUE(window_->Close());
    window_ = nullptr;

    // The next start the same, though the settings now name a picture skin.
    ASSERT_TRUE(IniWrite(settings.path, "Software", "SkinLx", "0"));
    g_themeColour = 0x00FF00;
    ASSERT_TRUE(OpenMainWindow());
    EXPECT_EQ(kMainThemeColour, g_themeColour);
    EXPECT_EQ(base, g_skinBaseColour);
    EXPECT_EQ(picture, g_skinImage);
}

TEST_F(MainWindowStartTest, WithoutSettingsOrDatabaseItStillWorks)
{
    LayOutDataFolder(nullptr, false);
    g_surname = "旧";
    ASSERT_TRUE(OpenMainWindow());
    EXPECT_EQ(1u, startBoxes_.size()) << "the missing database is said";
    EXPECT_TRUE(IsWindowVisible(window_->Window()));
    EXPECT_EQ(0, MainPage());
    EXPECT_EQ("", Unit("编辑框_姓1").Text());
    EXPECT_EQ("", g_surname);
    EXPECT_FALSE(Unit("数据库连接1").Connection()->IsOpen());
    EXPECT_FALSE(Attached(Unit("记录集3")));

    // The generator of page 0 runs all the same.
    Unit("编辑框_姓1").SetText("李");
    SendMessageA(Unit("按钮生成").Window(), BM_CLICK, 0, 0);
    EXPECT_EQ("暂停", Unit("按钮生成").Text());
    EXPECT_TRUE(forms_test::PumpUntil([&] { return Unit("超级列表框1").RowCount() >= 3; }));
    SendMessageA(Unit("按钮停止").Window(), BM_CLICK, 0, 0);
}

TEST_F(MainWindowStartTest, MarkedDataFolderStillTakesWrites)
{
    LayOutDataFolder("张", true);
    ASSERT_TRUE(OpenMainWindow());
    ASSERT_NE(0u, GetFileAttributesA(DataFolder().c_str()) & FILE_ATTRIBUTE_HIDDEN);

    EXPECT_TRUE(SaveSurnameSetting("诸葛"));
    EXPECT_EQ("诸葛", ReadSurnameSetting());
    EXPECT_TRUE(IniWrite(SettingsFilePath(), "年月日", "年", "2012"));
    const std::string fresh = DataFolder() + "\\新文件.txt";
    HANDLE file = CreateFileA(fresh.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    EXPECT_NE(INVALID_HANDLE_VALUE, file) << "a new file in the folder";
    CloseHandle(file);
    DeleteFileA(fresh.c_str());

    DbConnection* connection = Unit("数据库连接1").Connection();
    ASSERT_TRUE(connection->Execute("create table mz (id integer, name text)"));
    EXPECT_TRUE(connection->Execute("insert into mz values (1, ?)", {"张晨曦"}));
    DbRecordSet* favourites = Unit("记录集3").RecordSet();
    ASSERT_TRUE(favourites->OpenTable("mz"));
    ASSERT_TRUE(favourites->AddNew());
    EXPECT_TRUE(favourites->SetField(1, "张明远"));
    EXPECT_TRUE(favourites->Update());
    favourites->Close();
}

TEST_F(MainWindowStartTest, MayCloseStopsTheWorkersThenClosesRecordSetsAndConnection)
{
    LayOutDataFolder("张", true);
    ASSERT_TRUE(OpenMainWindow());
    DbRecordSet* favourites = Unit("记录集3").RecordSet();
    ASSERT_TRUE(favourites->OpenSql("select * from SC"));
    Unit("高级选择夹1").SetCurrentPage(1);
    Unit("编辑框名字").SetText(std::string(BoyNameChars).substr(0, 160));  // 6,400 rows
    SendMessageA(Unit("按钮生成").Window(), BM_CLICK, 0, 0);
    ASSERT_EQ(1, RunningGeneratorWorkers());

    forms::Event close{*window_, window_->Self(), forms::EventKind::MayClose};
    OnMainWindowQueryClose(close);
    EXPECT_TRUE(close.allow);
    EXPECT_EQ(0, RunningGeneratorWorkers());
    EXPECT_FALSE(favourites->IsOpen());
    EXPECT_FALSE(Unit("数据库连接1").Connection()->IsOpen());

    // Closing for real: the same handler, then the window goes and its destroy handler, which asks for
    // the window's destruction again, changes nothing.
    const int open = forms::OpenFormCount();
    EXPECT_TRUE(window_->Close());
    EXPECT_EQ(open - 1, forms::OpenFormCount());
    EXPECT_EQ(0, SkinFormCount());
    window_ = nullptr;
}

const char kDatabaseUnavailable[] = "名字数据库无法打开。\n自选列表的名字不会保存。";

TEST_F(MainWindowStartTest, ADamagedOrMissingDatabaseIsSaidOnceAndLeftAsItWas)
{
    LayOutDataFolder("张", true);
    DbConnection& db = database_.db;
    ASSERT_TRUE(db.Execute("create table mz (id integer primary key, 名字 text)"));
    for (int i = 0; i < 300; ++i)  // pages enough for a cut to lose some
        ASSERT_TRUE(db.Execute("insert into mz (名字) values (?)", {std::string(200, static_cast<char>('a' + i % 26))}));
    db.Close();
    const std::string path = DataFolder() + "\\data.dll";
    std::string good;
    ASSERT_TRUE(ReadFileBytes(path, good));
    std::string random(good.size(), '\0');
    unsigned seed = 99;
    for (char& byte : random)
        byte = static_cast<char>((seed = seed * 1103515245u + 12345u) >> 16);
    const struct {
        const char* name;
        bool present;
        std::string bytes;
    } cases[] = {{"truncated", true, good.substr(0, good.size() / 2)},
                 {"zeroed", true, std::string(good.size(), '\0')},
                 {"random", true, random},
                 {"empty", true, ""},
                 {"missing", false, ""}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        DeleteFileA(path.c_str());
        if (c.present) {
            ASSERT_TRUE(WriteFileBytes(path, c.bytes));
        }
        ASSERT_TRUE(OpenMainWindow());
        ASSERT_EQ(1u, startBoxes_.size());
        EXPECT_EQ("提示", startBoxes_[0].title);
        EXPECT_EQ(kDatabaseUnavailable, startBoxes_[0].text);
        EXPECT_TRUE(startBoxes_[0].skinned);
        EXPECT_EQ(window_->Window(), startBoxes_[0].owner);
        EXPECT_FALSE(Unit("数据库连接1").Connection()->IsOpen());
        ASSERT_TRUE(window_->Close());
        window_ = nullptr;
        std::string after;
        EXPECT_EQ(c.present, ReadFileBytes(path, after));
        EXPECT_TRUE(after == c.bytes) << "the file was changed";
    }
}

TEST_F(MainWindowStartTest, TheSurnameIsTrimmedAndCutWhereverItComesFrom)
{
    // A 10 MB surname line in the settings file.
    LayOutDataFolder(nullptr, true);
    std::string endless;
    for (int i = 0; i < (5 << 20); ++i)
        endless += "张";
    ASSERT_TRUE(WriteFileBytes(SettingsPath(), "[编辑框]\r\n编辑框_姓1=" + endless + "\r\n"));
    endless.clear();
    ASSERT_TRUE(OpenMainWindow());
    EXPECT_EQ("张张张张张张", Unit("编辑框_姓1").Text());
    EXPECT_EQ("张张张张张张", g_surname);
    ASSERT_TRUE(window_->Close());
    window_ = nullptr;

    // Blanks around it in the file.
    ASSERT_TRUE(IniWrite(SettingsPath(), "编辑框", "编辑框_姓1", "\xA1\xA1司马 "));
    ASSERT_TRUE(OpenMainWindow());
    EXPECT_EQ("司马", Unit("编辑框_姓1").Text());
    EXPECT_EQ("司马", g_surname);

    // A paste of 100,000 characters into the box keeps six, and so does the file.
    HWND box = Unit("编辑框_姓1").Window();
    std::string paste;
    for (int i = 0; i < 100000; ++i)
        paste += "欧";
    SendMessageA(box, EM_SETSEL, 0, -1);
    SendMessageA(box, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(paste.c_str()));
    forms::ProcessPendingMessages();
    EXPECT_EQ("欧欧欧欧欧欧", Unit("编辑框_姓1").Text());
    EXPECT_EQ("欧欧欧欧欧欧", ReadSurnameSetting());

    // A blank typed after it: saved without, and the names of 生成 start with the surname alone.
    Unit("编辑框_姓1").SetText("司马 ");
    EXPECT_EQ("司马", IniRead(SettingsPath(), "编辑框", "编辑框_姓1"));
    SendMessageA(Unit("按钮生成").Window(), BM_CLICK, 0, 0);
    ASSERT_TRUE(forms_test::PumpUntil([&] { return Unit("超级列表框1").RowCount() >= 3; }));
    SendMessageA(Unit("按钮停止").Window(), BM_CLICK, 0, 0);
    EXPECT_EQ("司马", g_surname);
    for (int row = 0; row < 3; ++row) {
        const std::string name = Unit("超级列表框1").Cell(row, 0);
        ASSERT_GT(name.size(), 5u);
        EXPECT_EQ("司马", name.substr(0, 4)) << name;
        EXPECT_NE(' ', name[4]) << name;
    }
}

// What the main window shows while its start-up waits on the server, noted by a timer once the
// server has the request, which then closes the window as a person would.
struct StartWait {
    const remote_test::TestHttpServer* server = nullptr;
    bool seen = false;
    bool visible = false;
    bool databaseOpen = false;
    bool favouritesAttached = false;
    HWND window = nullptr;
    ULONGLONG destroyedAt = 0;
} g_startWait;

// Notes when the main window is destroyed: after its close effect, the window is gone.
LRESULT CALLBACK NoteDestruction(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_DESTROYWND && reinterpret_cast<HWND>(wParam) == g_startWait.window && g_startWait.window)
        g_startWait.destroyedAt = GetTickCount64();
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void CALLBACK CloseDuringTheWait(HWND, UINT, UINT_PTR timer, DWORD)
{
    forms::Form* main = forms::FindForm("MainWindow");
    if (!main || g_startWait.seen || g_startWait.server->Requests().empty())
        return;
    KillTimer(nullptr, timer);
    g_startWait.seen = true;
    g_startWait.visible = IsWindowVisible(main->Window()) != FALSE;
    g_startWait.databaseOpen = main->Get("数据库连接1").Connection()->IsOpen();
    g_startWait.favouritesAttached = Attached(main->Get("记录集3"));
    g_startWait.window = main->Window();
    PostMessageA(main->Window(), WM_CLOSE, 0, 0);
}

TEST_F(MainWindowStartTest, ASilentServerHoldsNeitherTheDatabaseNorTheClose)
{
    LayOutDataFolder("张", true);
    remote_test::TestHttpServer server;
    ASSERT_TRUE(server.Start("silent"));
    struct Restore {
        ~Restore() { g_startupServiceBaseUrl = kRemoteServiceBaseUrl; }
    } restore;
    g_startupServiceBaseUrl = server.BaseUrl();
    g_startWait = StartWait();
    g_startWait.server = &server;
    const UINT_PTR timer = SetTimer(nullptr, 0, 200, CloseDuringTheWait);
    HHOOK hook = SetWindowsHookExA(WH_CBT, NoteDestruction, nullptr, GetCurrentThreadId());
    ASSERT_NE(nullptr, hook);

    EXPECT_FALSE(OpenMainWindow()) << "closed during its start-up";
    const ULONGLONG returned = GetTickCount64();
    KillTimer(nullptr, timer);
    UnhookWindowsHookEx(hook);
    ASSERT_TRUE(g_startWait.seen) << "the start-up did not wait on the server";
    EXPECT_TRUE(g_startWait.visible);
    EXPECT_TRUE(g_startWait.databaseOpen);
    EXPECT_TRUE(g_startWait.favouritesAttached);
    ASSERT_NE(0u, g_startWait.destroyedAt);
    // A start-up that waited on after the window's end would take the request's whole deadline (90 s);
    // how quickly it ends on a quiet machine is the launch benchmark's business.
    EXPECT_LT(returned - g_startWait.destroyedAt, 15000u) << "from the window's end to the end of the start-up";
    EXPECT_EQ(0, forms::OpenFormCount());
    EXPECT_EQ(1u, server.Requests().size());
    EXPECT_EQ(kNetworkErrorText, g_networkError);
}

}  // namespace
}  // namespace app_test
