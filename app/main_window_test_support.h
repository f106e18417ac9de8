#pragma once
// What the Wine tests of MainWindow share: a fixture that opens the window on a fixture database
// (table SC only), helpers that press its units as a person would, and screenshots.
#include <windows.h>

#include <string>

#include "naming/sc_fixture.h"
#include "runtime/forms/forms_test_support.h"

namespace app_test {

class MainWindowTest : public forms_test::FormsTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Opens MainWindow with the fixture database on 数据库连接1; null on failure.
    forms::Form* OpenMainWindow();
    forms::Unit& Unit(const std::string& name) { return window_->Get(name); }
    // BM_CLICK on a button, check box or radio box, as a mouse click does.
    void Click(const std::string& name);
    void SelectPage(int page) { Unit("高级选择夹1").SetCurrentPage(page); }
    // The texts of one column of a list view, in row order.
    std::vector<std::string> Column(const std::string& list, int column);

    forms::Form* window_ = nullptr;
    ScFixture database_;
    std::string databasePath_;
};

using forms_test::SaveScreenshot;

}  // namespace app_test
