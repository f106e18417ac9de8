#include "app/shell_test_support.h"

#include <functional>

#include "app/birth_chart_window.h"
#include "app/generator_workers.h"
#include "app/main_window_definition.h"
#include "app/main_window_scoring.h"
#include "naming/generation_state.h"
#include "runtime/forms/form_runtime.h"
#include "runtime/ini.h"

namespace app_test {

std::string ShellTest::DataFolder()
{
    return forms::ProgramFolder() + "\\data";
}

std::string ShellTest::SettingsPath()
{
    return DataFolder() + "\\setsoft.ini";
}

void ShellTest::SetUp()
{
    const std::string lockName = "BabyNameTestFolder." + std::to_string(std::hash<std::string>()(forms::ProgramFolder()));
    folderLock_ = CreateMutexA(nullptr, FALSE, lockName.c_str());
    ASSERT_NE(nullptr, folderLock_);
    const DWORD waited = WaitForSingleObject(folderLock_, 60000);
    ASSERT_TRUE(waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED);
    FormsTest::SetUp();
    ResetGenerationState();
}

void ShellTest::TearDown()
{
    FormsTest::TearDown();  // destroys the window, whose handler stops the workers
    EXPECT_EQ(0, RunningGeneratorWorkers());
    EXPECT_TRUE(WaitForBirthChartWorkers(5000));
    database_.Remove();
    SetFileAttributesA(DataFolder().c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(SettingsPath().c_str());
    RemoveDirectoryA(DataFolder().c_str());
    if (folderLock_) {
        ReleaseMutex(folderLock_);
        CloseHandle(folderLock_);
    }
}

void ShellTest::LayOutDataFolder(const char* surname, bool database)
{
    CreateDirectoryA(DataFolder().c_str(), nullptr);
    DeleteFileA(SettingsPath().c_str());
    if (surname) {
        ASSERT_TRUE(IniWrite(SettingsPath(), "编辑框", "编辑框_姓1", surname));
    }
    if (database) {
        ASSERT_TRUE(database_.Create(DataFolder() + "\\data.dll", {{"木火土", "吉", "说明"}, {"金金金", "凶", ""}}));
    }
}

bool ShellTest::OpenMainWindow()
{
    MessageBoxAnswerer answerer(IDOK);
    window_ = forms::OpenModeless(MainWindowDefinition());
    startBoxes_ = answerer.Boxes();
    return window_ != nullptr;
}

}  // namespace app_test
