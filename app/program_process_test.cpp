// BabyName.exe as a person runs it, under Wine: copied into a program folder of its own with a fixture
// database and a settings file, started from another current directory, it shows its main window with
// the saved surname, leaves the data folder marked and still writable, and ends with the exit code 0
// when its main window is closed; without the settings file and the database it starts all the same
// and says once that the name database could not be opened.
#include <gtest/gtest.h>

#include "app/program_launch_support.h"
#include "db/database.h"
#include "naming/sc_fixture.h"
#include "runtime/ini.h"

namespace app_test {
namespace {

constexpr int kStartMs = 20000;
constexpr int kEndMs = 10000;

class ProgramProcessTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char temp[MAX_PATH] = {};
        GetTempPathA(sizeof temp, temp);
        const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
        folder_ = std::string(temp) + "BabyName_" + test->name() + "_" + std::to_string(GetCurrentProcessId());
        ASSERT_TRUE(CreateDirectoryA(folder_.c_str(), nullptr));
        ASSERT_TRUE(CreateDirectoryA(DataFolder().c_str(), nullptr));
        exe_ = folder_ + "\\BabyName.exe";
        ASSERT_TRUE(CopyFileA(BuiltProgramPath().c_str(), exe_.c_str(), FALSE)) << BuiltProgramPath();
    }
    void TearDown() override
    {
        database_.Remove();
        SetFileAttributesA(DataFolder().c_str(), FILE_ATTRIBUTE_NORMAL);
        for (const char* file : {"\\setsoft.ini", "\\data.dll"})
            DeleteFileA((DataFolder() + file).c_str());
        RemoveDirectoryA(DataFolder().c_str());
        DeleteFileA(exe_.c_str());
        RemoveDirectoryA(folder_.c_str());
    }
    std::string DataFolder() const { return folder_ + "\\data"; }
    // Somewhere else than the program's folder.
    static std::string ElsewhereFolder()
    {
        char windows[MAX_PATH] = {};
        GetWindowsDirectoryA(windows, sizeof windows);
        return windows;
    }

    std::string folder_;
    std::string exe_;
    ScFixture database_;
};

TEST_F(ProgramProcessTest, StartsFromElsewhereOnItsFolderAndEndsWithCodeZero)
{
    ASSERT_TRUE(IniWrite(DataFolder() + "\\setsoft.ini", "编辑框", "编辑框_姓1", "司马"));
    ASSERT_TRUE(database_.Create(DataFolder() + "\\data.dll", {{"木火土", "吉", "说明"}}));
    database_.db.Close();

    LaunchedProgram program;
    ASSERT_TRUE(program.Start(exe_, ElsewhereFolder()));
    HWND window = program.WaitForMainWindow(kStartMs);
    ASSERT_NE(nullptr, window);
    HWND surname = FindSurnameEdit(window);
    ASSERT_NE(nullptr, surname);
    EXPECT_EQ("司马", WindowTextOf(surname));
    // The window shows (and handles messages) while the creation still waits for the server; the
    // data folder is marked after that.
    const DWORD marked = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    const DWORD end = GetTickCount() + kStartMs;
    while ((GetFileAttributesA(DataFolder().c_str()) & marked) != marked && static_cast<int>(end - GetTickCount()) > 0)
        Sleep(20);
    EXPECT_EQ(marked, GetFileAttributesA(DataFolder().c_str()) & marked);

    // What the running program has open still takes writes.
    EXPECT_TRUE(IniWrite(DataFolder() + "\\setsoft.ini", "编辑框", "编辑框_姓1", "欧阳"));
    EXPECT_EQ("欧阳", IniRead(DataFolder() + "\\setsoft.ini", "编辑框", "编辑框_姓1"));
    DbConnection db;
    ASSERT_TRUE(db.Open(DataFolder() + "\\data.dll"));
    EXPECT_TRUE(db.Execute("insert into SC values (2, ?, ?, ?)", {"金金金", "凶", ""}));
    db.Close();

    ASSERT_TRUE(program.CloseAndWait(kEndMs));
    EXPECT_EQ(0u, program.exitCode());
}

struct BoxSearch {
    DWORD processId = 0;
    HWND found = nullptr;
};

BOOL CALLBACK FindNoticeBox(HWND window, LPARAM parameter)
{
    auto* search = reinterpret_cast<BoxSearch*>(parameter);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (processId != search->processId || !IsWindowVisible(window) || WindowTextOf(window) != "提示")
        return TRUE;
    search->found = window;
    return FALSE;
}

// The visible top-level window captioned 提示 of the process of the given window; null when none came.
HWND WaitForNoticeBox(HWND mainWindow, int milliseconds)
{
    BoxSearch search;
    GetWindowThreadProcessId(mainWindow, &search.processId);
    const DWORD end = GetTickCount() + static_cast<DWORD>(milliseconds);
    while (!search.found && static_cast<int>(end - GetTickCount()) > 0) {
        EnumWindows(FindNoticeBox, reinterpret_cast<LPARAM>(&search));
        Sleep(20);
    }
    return search.found;
}

TEST_F(ProgramProcessTest, StartsWithoutSettingsOrDatabase)
{
    LaunchedProgram program;
    ASSERT_TRUE(program.Start(exe_, ElsewhereFolder()));
    HWND window = program.WaitForMainWindow(kStartMs);
    ASSERT_NE(nullptr, window);
    EXPECT_EQ("", WindowTextOf(FindSurnameEdit(window)));
    // The missing database is said in a box, which the user answers.
    HWND box = WaitForNoticeBox(window, kStartMs);
    ASSERT_NE(nullptr, box);
    char text[256] = {};
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    EXPECT_NE(std::string::npos, std::string(text).find("名字数据库")) << text;
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(program.CloseAndWait(kEndMs));
    EXPECT_EQ(0u, program.exitCode());
}

}  // namespace
}  // namespace app_test
