#include "app/main_window_test_support.h"

#include "app/list_view_cells.h"

#include "app/generator_workers.h"
#include "app/main_window_definition.h"
#include "app/main_window_scoring.h"
#include "app/skin_modal_test_support.h"
#include "gdiplus/gdip_bitmap.h"
#include "gdiplus/gdip_types.h"
#include "naming/generation_state.h"

namespace app_test {

void MainWindowTest::SetUp()
{
    FormsTest::SetUp();
    ResetGenerationState();
    databasePath_ = UniqueDatabasePath(::testing::TempDir(), "main_window");
    // A few titles of each luck word, so the scores spread.
    ASSERT_TRUE(database_.Create(databasePath_, {{"木火土", "吉", "说明"}, {"木木火", "吉", ""}, {"火火土", "平", ""},
                                                 {"金金金", "凶", ""}, {"水火金", "凶", ""}, {"土金水", "平", ""}}));
    window_ = OpenMainWindow();
    ASSERT_NE(window_, nullptr);
}

void MainWindowTest::TearDown()
{
    FormsTest::TearDown();  // destroys the window, whose handler stops the workers
    EXPECT_EQ(0, RunningGeneratorWorkers());
    database_.Remove();
}

forms::Form* MainWindowTest::OpenMainWindow()
{
    // The program folder of the test may hold no database: the start-up's word on that is answered.
    MessageBoxAnswerer answerer(IDOK);
    forms::Form* form = forms::OpenModeless(MainWindowDefinition());
    if (!form || !form->Get("数据库连接1").Connection() || !form->Get("数据库连接1").Connection()->Open(databasePath_))
        return nullptr;
    return form;
}

void MainWindowTest::Click(const std::string& name)
{
    SendMessageA(Unit(name).Window(), BM_CLICK, 0, 0);
}

std::vector<std::string> MainWindowTest::Column(const std::string& list, int column)
{
    return ColumnCells(Unit(list), column);
}

}  // namespace app_test
