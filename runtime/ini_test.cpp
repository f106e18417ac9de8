#include "runtime/ini.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "runtime/files.h"
#include "runtime/unique_temp_path.h"

namespace {

class IniTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        path_ = UniqueTempPath(::testing::TempDir(), std::string("ini_test_") + ::testing::UnitTest::GetInstance()->current_test_info()->name(), ".ini");
        std::remove(path_.c_str());
    }
    void TearDown() override { std::remove(path_.c_str()); }
    std::string path_;
};

TEST_F(IniTest, MissingFileOrKeyGivesTheDefault)
{
    EXPECT_EQ(IniRead(path_, "编辑框", "编辑框_姓1", "无"), "无");
    ASSERT_TRUE(WriteFileBytes(path_, "[编辑框]\r\n编辑框_姓1=张\r\n"));
    EXPECT_EQ(IniRead(path_, "编辑框", "其它"), "");
    EXPECT_EQ(IniRead(path_, "年月日", "编辑框_姓1", "d"), "d");
}

TEST_F(IniTest, WritesCreateTheFileAndKeepEveryOtherLine)
{
    ASSERT_TRUE(IniWrite(path_, "编辑框", "编辑框_姓1", "张"));
    ASSERT_TRUE(IniWrite(path_, "年月日", "年", "2026"));
    ASSERT_TRUE(IniWrite(path_, "年月日", "月", "12"));
    ASSERT_TRUE(IniWrite(path_, "编辑框", "编辑框_姓1", "欧阳"));
    ASSERT_TRUE(IniWrite(path_, "编辑框", "other", "x"));
    std::string content;
    ASSERT_TRUE(ReadFileBytes(path_, content));
    EXPECT_EQ(content, "[编辑框]\r\n编辑框_姓1=欧阳\r\nother=x\r\n[年月日]\r\n年=2026\r\n月=12\r\n");
    EXPECT_EQ(IniRead(path_, "年月日", "月"), "12");
}

TEST_F(IniTest, EditsAHandWrittenFileInPlace)
{
    ASSERT_TRUE(WriteFileBytes(path_, "; settings\n[Software]\nSkinID = 3 \n\n[Other]\nSkinID=9"));
    EXPECT_EQ(IniRead(path_, "software", "skinid"), "3");  // names ignore ASCII case, values are trimmed
    ASSERT_TRUE(IniWrite(path_, "Software", "SkinColor", "16777215"));
    ASSERT_TRUE(IniWrite(path_, "Other", "SkinID", "10"));
    ASSERT_TRUE(IniWrite(path_, "Other", "SkinLx", "1"));
    std::string content;
    ASSERT_TRUE(ReadFileBytes(path_, content));
    EXPECT_EQ(content, "; settings\n[Software]\nSkinID = 3 \nSkinColor=16777215\n\n[Other]\nSkinID=10\nSkinLx=1\n");
}

TEST_F(IniTest, WriteIntoAMissingFolderFails)
{
    EXPECT_FALSE(IniWrite(::testing::TempDir() + "no_such_folder/x.ini", "a", "b", "c"));
}

// Keys and sections holding the euro sign (0x80, one character) are found and rewritten in place.
TEST_F(IniTest, EuroSignInNamesIsOneCharacter)
{
    ASSERT_TRUE(IniWrite(path_, "s\x80", "k\x80", "1"));
    ASSERT_TRUE(IniWrite(path_, "s\x80", "k\x80", "2"));
    EXPECT_EQ(IniRead(path_, "s\x80", "k\x80"), "2");
    std::string content;
    ASSERT_TRUE(ReadFileBytes(path_, content));
    EXPECT_EQ(content, "[s\x80]\r\nk\x80=2\r\n");
    ASSERT_TRUE(IniWrite(path_, "乚", "k", "3"));  // 乚 is 81 5D: its trail byte is "]"
    EXPECT_EQ(IniRead(path_, "乚", "k"), "3");
}

// Nothing that would read back as something else is written: line breaks, "]" in a section, "=" in
// a key, keys read as comments or sections, names with a lone lead byte.
TEST_F(IniTest, RefusesWhatCouldNotBeReadBack)
{
    ASSERT_TRUE(IniWrite(path_, "user", "name", "x"));
    const struct {
        const char* section;
        const char* key;
        const char* value;
    } refused[] = {
        {"user", "name", "x\r\n[admin]\r\nallowed=1"},
        {"user", "name", "x\n"},
        {"user\r", "name", "x"},
        {"user", "na\nme", "x"},
        {"admin]", "name", "x"},
        {"user", "a=b", "x"},
        {"user", "", "x"},
        {"user", " ", "x"},
        {"user", ";name", "x"},
        {"user", "#name", "x"},
        {"user", "[name", "x"},
        {"user", "name\xB0", "x"},
        {"user\xD5", "name", "x"},
    };
    for (const auto& r : refused)
        EXPECT_FALSE(IniWrite(path_, r.section, r.key, r.value)) << r.section << "/" << r.key << "/" << r.value;
    std::string content;
    ASSERT_TRUE(ReadFileBytes(path_, content));
    EXPECT_EQ(content, "[user]\r\nname=x\r\n");
    EXPECT_EQ(IniRead(path_, "admin", "allowed", "none"), "none");
    EXPECT_TRUE(IniWrite(path_, "user", "name", "a=b]c"));  // a value may hold both
    EXPECT_EQ(IniRead(path_, "user", "name"), "a=b]c");
}

}  // namespace
