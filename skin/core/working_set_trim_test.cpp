// The working-set trim: the carried utility is written only when missing or different, run only when
// the file holds its bytes, and given up after the wait; the trim itself goes through the action table.
#include <gtest/gtest.h>

#include <string>

#include "skin/core/skin_test_support.h"
#include "skin/core/working_set_trim.h"

namespace {

std::string FolderOfThisProgram()
{
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, sizeof(path));
    std::string folder(path, length);
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

std::string ReadFileBytes(const std::string& path)
{
    std::string bytes;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return bytes;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof(buffer), &read, nullptr) && read > 0)
        bytes.append(buffer, read);
    CloseHandle(file);
    return bytes;
}

void WriteFileBytes(const std::string& path, const std::string& bytes)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

FILETIME LastWrite(const std::string& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data);
    return data.ftLastWriteTime;
}

// A folder of this test process's own under the temporary folder, removed with what it holds.
class ScratchFolder {
public:
    ScratchFolder()
    {
        char temp[MAX_PATH] = {};
        GetTempPathA(sizeof(temp), temp);
        path_ = std::string(temp) + "bn_trim_" + std::to_string(GetCurrentProcessId()) + "_" +
                std::to_string(GetTickCount());
        CreateDirectoryA(path_.c_str(), nullptr);
    }
    ~ScratchFolder()
    {
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA((path_ + "\\*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                const std::string file = path_ + "\\" + found.cFileName;
                SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(file.c_str());
            } while (FindNextFileA(search, &found));
            FindClose(search);
        }
        RemoveDirectoryA(path_.c_str());
    }
    std::string File(const char* name) const { return path_ + "\\" + name; }

private:
    std::string path_;
};

int g_replacementCalls = 0;

void CountReplacement()
{
    ++g_replacementCalls;
}

}  // namespace

TEST(WorkingSetTrim, CarriedUtilityIsASmallProgramForThisMachine)
{
    const std::string bytes = WorkingSetUtilityBytes();
    ASSERT_GT(bytes.size(), 512u);
    EXPECT_LT(bytes.size(), 16384u);
    EXPECT_EQ(bytes.substr(0, 2), "MZ");
    // The PE header names the machine it was built for.
    const auto peOffset = *reinterpret_cast<const DWORD*>(bytes.data() + 0x3C);
    ASSERT_LT(peOffset + 6, bytes.size());
    EXPECT_EQ(bytes.substr(peOffset, 4), std::string("PE\0\0", 4));
    const WORD machine = *reinterpret_cast<const WORD*>(bytes.data() + peOffset + 4);
#ifdef _WIN64
    EXPECT_EQ(machine, IMAGE_FILE_MACHINE_AMD64);
#else
    EXPECT_EQ(machine, IMAGE_FILE_MACHINE_I386);
#endif
}

TEST(WorkingSetTrim, WrittenOnceRewrittenWhenDifferentRunOnlyWhenOurs)
{
    ScratchFolder folder;
    const std::string path = folder.File("empty.exe");
    const std::string ours = WorkingSetUtilityBytes();

    SCOPED_TRACE("missing: written, then run, and it empties the working set");
    TrimRun first = RunWorkingSetUtility(path, ours);
    EXPECT_TRUE(first.written);
    EXPECT_TRUE(first.ours);
    EXPECT_TRUE(first.started);
    EXPECT_TRUE(first.finished);
    EXPECT_EQ(first.exitCode, 0u);
    EXPECT_EQ(ReadFileBytes(path), ours);

    SCOPED_TRACE("present and ours: run as it is");
    const FILETIME before = LastWrite(path);
    TrimRun second = RunWorkingSetUtility(path, ours);
    EXPECT_FALSE(second.written);
    EXPECT_TRUE(second.finished);
    const FILETIME after = LastWrite(path);
    EXPECT_EQ(CompareFileTime(&before, &after), 0);

    SCOPED_TRACE("another program under the name: replaced by ours");
    WriteFileBytes(path, ours.substr(0, ours.size() - 1) + 'x');
    TrimRun replaced = RunWorkingSetUtility(path, ours);
    EXPECT_TRUE(replaced.written);
    EXPECT_TRUE(replaced.finished);
    EXPECT_EQ(ReadFileBytes(path), ours);

    SCOPED_TRACE("another program that cannot be replaced (held open) is never run");
    WriteFileBytes(path, "MZ not ours");
    HANDLE held = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    TrimRun refused = RunWorkingSetUtility(path, ours);
    CloseHandle(held);
    EXPECT_FALSE(refused.written);
    EXPECT_FALSE(refused.ours);
    EXPECT_FALSE(refused.started);
    EXPECT_EQ(ReadFileBytes(path), "MZ not ours");

    SCOPED_TRACE("an unwritable place: nothing run");
    TrimRun nowhere = RunWorkingSetUtility(folder.File("missing\\empty.exe"), ours);
    EXPECT_FALSE(nowhere.written);
    EXPECT_FALSE(nowhere.started);
}

TEST(WorkingSetTrim, UtilityThatHangsIsGivenUpAfterTheWait)
{
    ScratchFolder folder;
    const std::string stalled = ReadFileBytes(FolderOfThisProgram() + "bn_stalled_utility.exe");
    ASSERT_FALSE(stalled.empty());
    const DWORD start = GetTickCount();
    TrimRun run = RunWorkingSetUtility(folder.File("empty.exe"), stalled, 300);
    const DWORD waited = GetTickCount() - start;
    EXPECT_TRUE(run.started);
    EXPECT_FALSE(run.finished);
    EXPECT_GE(waited, 290u);
    EXPECT_LT(waited, 1500u) << "the run is ended, not waited for";
    // Ended, so its file can go.
    EXPECT_TRUE(DeleteFileA(folder.File("empty.exe").c_str()));
}

TEST(WorkingSetTrim, TrimRunsTheActionInForce)
{
    // The skin's test programs count trims (skin_test_support); the system's action runs the carried
    // utility from the Windows folder.
    const int counted = TrimWorkingSetCalls();
    TrimWorkingSet();
    EXPECT_EQ(TrimWorkingSetCalls(), counted + 1);

    const TrimAction counting = ReplaceTrimAction(CountReplacement);
    TrimWorkingSet();
    EXPECT_EQ(g_replacementCalls, 1);

    ReplaceTrimAction(nullptr);
    const std::string path = WorkingSetUtilityPath();
    ASSERT_FALSE(path.empty());
    EXPECT_EQ(path.substr(path.size() - 10), "\\empty.exe");
    TrimWorkingSet();
    EXPECT_EQ(ReadFileBytes(path), WorkingSetUtilityBytes());
    EXPECT_EQ(TrimWorkingSetCalls(), counted + 1);
    ReplaceTrimAction(counting);
}
