// The name report when the program folder has no database: the window opens with an empty box and
// still hides the main window. This test program runs from a folder without "data".
#include "app/report_window_test_support.h"
#include "db/database.h"
#include "naming/report_input.h"

namespace report_test {
namespace {

TEST_F(ReportWindowsTest, MissingDatabaseLeavesTheBoxEmpty)
{
    ASSERT_FALSE(main_->Get("数据库连接1").Connection()->IsOpen());
    g_reportInput = "张三丰【 95分】";
    ExpectEmptyReport();
}

}  // namespace
}  // namespace report_test
