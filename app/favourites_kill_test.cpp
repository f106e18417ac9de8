// Favourites survive a killed program under Wine: a child process appends favourites to the database
// in the data folder, marked as the program marks it at start-up, and reports each acknowledged add;
// it is killed (TerminateProcess) at a random moment. Afterwards every acknowledged name is in mz, the
// file is intact, and the program lists them all.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <random>
#include <set>

#include "app/main_window_navigation.h"
#include "app/shell_test_support.h"
#include "db/database.h"

namespace app_test {
namespace {

using FavouritesKillTest = ShellTest;

std::string ChildProgram()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    return folder.substr(0, folder.rfind('\\')) + "\\favourites_kill_child.exe";
}

// Runs the child on the database until it reported `wanted` adds, kills it after a random pause and
// returns every name it reported.
std::vector<std::string> KillChildDuringAdds(const std::string& database, int round, size_t wanted, int pauseMs)
{
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    EXPECT_TRUE(CreatePipe(&readEnd, &writeEnd, &inherit, 0));
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION child = {};
    std::string commandLine = "\"" + ChildProgram() + "\" \"" + database + "\" " + std::to_string(round);
    const BOOL started = CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr,
                                        nullptr, &startup, &child);
    CloseHandle(writeEnd);
    EXPECT_TRUE(started) << GetLastError();
    std::string reported;
    char buffer[4096];
    DWORD got = 0;
    while (started && static_cast<size_t>(std::count(reported.begin(), reported.end(), '\n')) < wanted) {
        if (!ReadFile(readEnd, buffer, sizeof buffer, &got, nullptr) || got == 0) {
            ADD_FAILURE() << "the child ended early";
            break;
        }
        reported.append(buffer, got);
    }
    if (started) {
        Sleep(pauseMs);
        EXPECT_TRUE(TerminateProcess(child.hProcess, 9));
        EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(child.hProcess, 10000));
        CloseHandle(child.hProcess);
        CloseHandle(child.hThread);
    }
    while (ReadFile(readEnd, buffer, sizeof buffer, &got, nullptr) && got > 0)
        reported.append(buffer, got);
    CloseHandle(readEnd);
    std::vector<std::string> names;
    for (size_t start = 0, end; (end = reported.find('\n', start)) != std::string::npos; start = end + 1)
        names.push_back(reported.substr(start, end - start));
    return names;
}

TEST_F(FavouritesKillTest, AcknowledgedAddsSurviveAKilledProcessAndAreListed)
{
    LayOutDataFolder("张", true);
    ASSERT_TRUE(database_.db.Execute("create table mz (id integer primary key, 名字 text)"));
    const std::string database = DataFolder() + "\\data.dll";
    database_.db.Close();  // the children alone write
    SetFileAttributesA(DataFolder().c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);

    std::mt19937 random(std::random_device{}());
    std::vector<std::string> acknowledged;
    const int rounds = 20;
    for (int round = 0; round < rounds; ++round) {
        const std::vector<std::string> names =
            KillChildDuringAdds(database, round, 1 + random() % 4, static_cast<int>(random() % 4));
        ASSERT_FALSE(names.empty()) << round;
        acknowledged.insert(acknowledged.end(), names.begin(), names.end());
    }

    ASSERT_TRUE(database_.db.Open(database));
    DbRecordSet check;
    ASSERT_TRUE(check.Attach(&database_.db));
    ASSERT_TRUE(check.OpenSql("pragma integrity_check"));
    EXPECT_EQ("ok", check.Field(0));
    ASSERT_TRUE(check.OpenSql("select 名字 from mz"));
    std::set<std::string> stored;
    for (bool more = check.MoveFirst(); more; more = check.MoveNext())
        stored.insert(check.Field(0));
    check.Close();
    for (const std::string& name : acknowledged)
        EXPECT_EQ(1u, stored.count(name)) << "acknowledged but lost: " << name;

    // The program lists every one of them.
    ASSERT_TRUE(OpenMainWindow());
    OnNavBarClicked(3);
    forms::Unit& list = Unit("超级列表框3");
    std::set<std::string> listed;
    for (int row = 0; row < list.RowCount(); ++row)
        listed.insert(list.Cell(row, 1));
    EXPECT_EQ(stored, listed);
    std::printf("kill test: %d rounds, %zu acknowledged adds, %zu records\n", rounds, acknowledged.size(), stored.size());
}

}  // namespace
}  // namespace app_test
