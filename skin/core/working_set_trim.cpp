#include "skin/core/working_set_trim.h"

#include <atomic>
#include <vector>

extern const unsigned char kWorkingSetUtility[];
extern const unsigned kWorkingSetUtilitySize;

namespace {

constexpr char kUtilityName[] = "\\empty.exe";
// How long an ended run may take to go away.
constexpr DWORD kEndWaitMs = 1000;

// The whole file, or false when it cannot be read or is longer than `limit` bytes (then it is not the
// file looked for anyway).
bool ReadWholeFile(const std::string& path, size_t limit, std::string& contents)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    LARGE_INTEGER size = {};
    bool ok = GetFileSizeEx(file, &size) && size.QuadPart >= 0 && static_cast<unsigned long long>(size.QuadPart) <= limit;
    if (ok) {
        contents.assign(static_cast<size_t>(size.QuadPart), '\0');
        DWORD read = 0;
        ok = contents.empty() ||
             (ReadFile(file, &contents[0], static_cast<DWORD>(contents.size()), &read, nullptr) &&
              read == contents.size());
    }
    CloseHandle(file);
    return ok;
}

bool HoldsBytes(const std::string& path, const std::string& bytes)
{
    std::string contents;
    return ReadWholeFile(path, bytes.size(), contents) && contents == bytes;
}

// Writes the bytes to a name of this process's own beside `path` and renames it over `path`, so another
// process never runs or reads a half-written file.
bool WriteByRename(const std::string& path, const std::string& bytes)
{
    static std::atomic<unsigned> counter{0};
    const std::string temporary = path + "." + std::to_string(GetCurrentProcessId()) + "." +
                                  std::to_string(++counter) + ".tmp";
    HANDLE file = CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                              nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const bool complete = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                          written == bytes.size();
    const bool closed = CloseHandle(file) != FALSE;
    if (complete && closed &&
        MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    DeleteFileA(temporary.c_str());
    return false;
}

void RunCarriedUtility()
{
    const std::string path = WorkingSetUtilityPath();
    if (!path.empty())
        RunWorkingSetUtility(path, WorkingSetUtilityBytes());
}

std::atomic<TrimAction> g_trimAction{RunCarriedUtility};

}  // namespace

std::string WorkingSetUtilityBytes()
{
    return std::string(reinterpret_cast<const char*>(kWorkingSetUtility), kWorkingSetUtilitySize);
}

std::string WorkingSetUtilityPath()
{
    char folder[MAX_PATH] = {};
    const DWORD length = GetEnvironmentVariableA("windir", folder, sizeof(folder));
    if (length == 0 || length >= sizeof(folder))
        return {};
    return std::string(folder, length) + kUtilityName;
}

TrimRun RunWorkingSetUtility(const std::string& path, const std::string& bytes, DWORD waitMs)
{
    TrimRun run;
    if (path.empty() || bytes.empty())
        return run;
    if (!HoldsBytes(path, bytes))
        run.written = WriteByRename(path, bytes);
    // Read back: another process may have renamed its copy over ours meanwhile, which is the same.
    run.ours = HoldsBytes(path, bytes);
    if (!run.ours)
        return run;

    std::string line = "\"" + path + "\" " + std::to_string(GetCurrentProcessId());
    std::vector<char> commandLine(line.begin(), line.end());
    commandLine.push_back('\0');
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    PROCESS_INFORMATION process = {};
    // Detached: the utility needs no console, and under Wine a console made for it (CREATE_NO_WINDOW) is
    // a console host process that outlives an ended run and keeps our standard handles open.
    if (!CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, DETACHED_PROCESS, nullptr, nullptr,
                        &startup, &process))
        return run;
    run.started = true;
    CloseHandle(process.hThread);
    if (WaitForSingleObject(process.hProcess, waitMs) == WAIT_OBJECT_0) {
        run.finished = true;
        GetExitCodeProcess(process.hProcess, &run.exitCode);
    } else {
        // A utility that hangs is ended rather than left behind at every deactivation.
        TerminateProcess(process.hProcess, 1);
        WaitForSingleObject(process.hProcess, kEndWaitMs);
    }
    CloseHandle(process.hProcess);
    return run;
}

void TrimWorkingSet()
{
    g_trimAction.load()();
}

TrimAction ReplaceTrimAction(TrimAction action)
{
    return g_trimAction.exchange(action ? action : RunCarriedUtility);
}
