#pragma once
// Shared by the tests of the scoring, report and birth chart windows: a stand-in main window that
// carries only the units these windows read (named as on the real one), a fixture that opens it on
// the program database, screenshots, and a way to act inside a modal window's loop.
#include <windows.h>

#include <string>

#include "app/modal_test_support.h"
#include "naming/birth_texts.h"
#include "runtime/forms/form.h"
#include "runtime/forms/forms_test_support.h"

namespace report_test {

// "MainWindow" with 编辑框_姓1, the five birth combos, 高级选择夹1 (eight pages) and 数据库连接1.
const forms::FormDef& StandInMainWindow();

class ReportWindowsTest : public forms_test::FormsTest {
protected:
    // Opens the stand-in with surname 张 and the birth 2012-05-12 12:12, its connection opened on the
    // program database as the main window does at start-up (a missing file is left closed).
    void SetUp() override;
    void TearDown() override;
    void SetBirth(const BirthTexts& birth);
    // A report on g_reportInput opens with an empty box, hides the main window while it is open and
    // shows it again when it closes.
    void ExpectEmptyReport();
    // Twenty windows of the definition opened and closed at once leave no window, worker, skinned form
    // or memory context behind.
    void ExpectOpenCloseCyclesLeaveNothing(const forms::FormDef& def);

    forms::Form* main_ = nullptr;
};

using forms_test::SaveScreenshot;

using app_test::RunInsideNextModalLoop;

// Number of characters of a GBK text as a rich edit box counts them: a two-byte character and a
// line break (CR LF) count once.
int RichCharCount(const std::string& text);

}  // namespace report_test
