#include "runtime/ini.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "runtime/files.h"

namespace {

class IniTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        path_ = ::testing::TempDir() + "ini_test_" + ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".ini";
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

}  // namespace
