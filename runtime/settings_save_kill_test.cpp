// Settings survive a kill during a save under Wine: a child process saves an INI key over and over and
// is killed (TerminateProcess) at a random moment; each time the file holds a whole save, the last one
// or the one before, never a file cut short or empty.
#include <windows.h>

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "runtime/files.h"
#include "runtime/ini.h"
#include "runtime/unique_temp_path.h"

namespace {

std::string ChildProgram()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string self = path;
    return self.substr(0, self.rfind('\\')) + "\\settings_save_kill_child.exe";
}

// Starts the child on the file, lets it finish `saves` saves, kills it after `pauseMs` more and waits
// for it to end; false when it could not be started or ended early.
bool KillChildDuringSaves(const std::string& path, int saves, int pauseMs)
{
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0))
        return false;
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION child = {};
    std::string commandLine = "\"" + ChildProgram() + "\" \"" + path + "\"";
    const BOOL started = CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr,
                                        nullptr, &startup, &child);
    CloseHandle(writeEnd);
    bool running = started != FALSE;
    for (int done = 0; running && done < saves;) {
        char buffer[64];
        DWORD got = 0;
        running = ReadFile(readEnd, buffer, sizeof buffer, &got, nullptr) && got > 0;
        done += static_cast<int>(got);
    }
    bool killed = false;
    if (started) {
        Sleep(static_cast<DWORD>(pauseMs));
        killed = TerminateProcess(child.hProcess, 9) && WaitForSingleObject(child.hProcess, 10000) == WAIT_OBJECT_0;
        CloseHandle(child.hProcess);
        CloseHandle(child.hThread);
    }
    CloseHandle(readEnd);
    return running && killed;
}

// Empty when the file holds one whole save; otherwise what is wrong with it.
std::string SaveFault(const std::string& path)
{
    std::string bytes;
    if (!ReadFileBytes(path, bytes))
        return "no file";
    if (bytes.empty())
        return "an empty file";
    const std::string value = IniRead(path, "Software", "Fill");
    const size_t colon = value.find(':');
    if (colon == std::string::npos)
        return "no whole value in " + std::to_string(bytes.size()) + " bytes";
    const int round = std::atoi(value.c_str());
    const std::string fill = value.substr(colon + 1);
    if (fill != std::string(200000, static_cast<char>('a' + round % 26)))
        return "round " + std::to_string(round) + " cut to " + std::to_string(fill.size()) + " letters";
    return "";
}

TEST(SettingsSaveKillTest, AKillDuringASaveLeavesTheOldFileOrTheNewWhole)
{
    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    const std::string path = UniqueTempPath(folder, "bn_setsoft", ".ini");
    ASSERT_TRUE(IniWrite(path, "Software", "Fill", "0:" + std::string(200000, 'a')));

    std::mt19937 random(std::random_device{}());
    const int rounds = 30;
    int faults = 0;
    for (int round = 0; round < rounds; ++round) {
        ASSERT_TRUE(KillChildDuringSaves(path, 1 + static_cast<int>(random() % 3), static_cast<int>(random() % 8))) << round;
        const std::string fault = SaveFault(path);
        if (!fault.empty()) {
            ++faults;
            ADD_FAILURE() << "round " << round << ": " << fault;
            ASSERT_TRUE(IniWrite(path, "Software", "Fill", "0:" + std::string(200000, 'a')));
        }
    }
    std::printf("settings save kill: %d rounds, %d files found cut\n", rounds, faults);
    DeleteFileA(path.c_str());
    DeleteFileA((path + ".saving").c_str());
}

}  // namespace
