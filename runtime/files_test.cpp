// Whole-file reads under a size cap and whole-file replacement: a file over the cap is refused
// unread; a replacement leaves no temporary file behind, and one that cannot finish leaves the old
// content as it was.
#include "runtime/files.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#ifdef _WIN32
#include <direct.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "runtime/file_replace.h"
#include "runtime/unique_temp_path.h"

namespace {

std::string TempFolder()
{
#ifdef _WIN32
    return ".\\";
#else
    return "./";
#endif
}

int MakeFolder(const std::string& path)
{
#ifdef _WIN32
    return _mkdir(path.c_str());
#else
    return mkdir(path.c_str(), 0700);
#endif
}

void RemoveFolder(const std::string& path)
{
#ifdef _WIN32
    _rmdir(path.c_str());
#else
    rmdir(path.c_str());
#endif
}

TEST(FilesTest, ReadsUnderTheCapAndRefusesLargerFilesUnread)
{
    const std::string path = UniqueTempPath(TempFolder(), "bn_files_cap", ".bin");
    const std::string content(100000, 'p');
    ASSERT_TRUE(WriteFileBytes(path, content));
    std::string bytes = "stale";
    EXPECT_TRUE(ReadFileBytesAtMost(path, content.size(), bytes));
    EXPECT_EQ(content, bytes);
    EXPECT_FALSE(ReadFileBytesAtMost(path, content.size() - 1, bytes));
    EXPECT_TRUE(bytes.empty());
    EXPECT_FALSE(ReadFileBytesAtMost(path, 0, bytes));
    EXPECT_TRUE(ReadFileBytes(path, bytes));
    EXPECT_EQ(content, bytes);
    EXPECT_FALSE(ReadFileBytesAtMost(path + ".none", 10, bytes));
    std::remove(path.c_str());
}

TEST(FilesTest, ReplacementTakesThePlaceWholeAndLeavesNoTemporaryFile)
{
    const std::string path = UniqueTempPath(TempFolder(), "bn_files_replace", ".ini");
    ASSERT_TRUE(WriteFileBytes(path, "old content"));
    ASSERT_TRUE(WriteFileBytes(path, "new"));
    std::string bytes;
    ASSERT_TRUE(ReadFileBytes(path, bytes));
    EXPECT_EQ("new", bytes);
    EXPECT_FALSE(FileExists(ReplacementPath(path)));

    // The temporary name taken by a folder: the replacement cannot be written and the old file stays.
    const std::string blocked = UniqueTempPath(TempFolder(), "bn_files_blocked", ".ini");
    ASSERT_TRUE(WriteFileBytes(blocked, "kept"));
    ASSERT_EQ(0, MakeFolder(ReplacementPath(blocked)));
    EXPECT_FALSE(WriteFileBytes(blocked, "lost"));
    ASSERT_TRUE(ReadFileBytes(blocked, bytes));
    EXPECT_EQ("kept", bytes);
    RemoveFolder(ReplacementPath(blocked));
    std::remove(blocked.c_str());
    std::remove(path.c_str());
}

}  // namespace
