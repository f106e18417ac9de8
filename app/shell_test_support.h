#pragma once
// What the Wine tests of MainWindow's shell share: a program folder laid out below the test program
// (data\setsoft.ini and a fixture database as data\data.dll, each optional), the real main window
// opened on it as start-up opens it, and a way to choose menu and bar items as the user would.
#include <windows.h>

#include <string>
#include <vector>

#include "app/skin_modal_test_support.h"

#include "naming/sc_fixture.h"
#include "runtime/forms/forms_test_support.h"

namespace app_test {

// The tests of one program run one at a time (in parallel runs too): they share its folder.
class ShellTest : public forms_test::FormsTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Lays out the data folder: the surname in setsoft.ini unless null, the database when asked.
    void LayOutDataFolder(const char* surname, bool database);
    // Opens MainWindow, answering with OK the message boxes its start-up shows (noted in startBoxes_);
    // false when it could not be made or was closed before its creation ended.
    bool OpenMainWindow();
    forms::Unit& Unit(const std::string& name) { return window_->Get(name); }
    int MainPage() { return Unit("高级选择夹1").CurrentPage(); }

    static std::string DataFolder();
    static std::string SettingsPath();

    forms::Form* window_ = nullptr;
    ScFixture database_;
    std::vector<MessageBoxAnswerer::Box> startBoxes_;

private:
    HANDLE folderLock_ = nullptr;
};

}  // namespace app_test
