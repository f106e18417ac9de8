// The name report when the program folder has no database: the window opens with an empty box and
// still hides the main window. This test program runs from a folder without "data".
#include "app/report_window.h"

#include "app/report_window_test_support.h"
#include "db/database.h"
#include "naming/report_input.h"

namespace report_test {
namespace {

TEST_F(ReportWindowsTest, MissingDatabaseLeavesTheBoxEmpty)
{
    ASSERT_FALSE(main_->Get("数据库连接1").Connection()->IsOpen());
    g_reportInput = "张三丰【 95分】";
    forms::Form* report = OpenNameReportWindow();
    ASSERT_NE(report, nullptr);
    EXPECT_EQ(report->Get("超级编辑框1").TextLength(), 0);
    EXPECT_FALSE(IsWindowVisible(main_->Window()));
    EXPECT_TRUE(report->Close());
    EXPECT_TRUE(IsWindowVisible(main_->Window()));
}

}  // namespace
}  // namespace report_test
