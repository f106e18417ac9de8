#include "app/page_test_support.h"

#include "app/list_view_cells.h"
#include "app/main_window_scoring.h"
#include "app/result_list_menus.h"
#include "app/skin_modal_test_support.h"
#include "naming/name_score.h"
#include "runtime/forms/form_runtime.h"
#include "runtime/text.h"
#include "skin/core/skin_menus.h"

namespace app_test {

void PageTest::SetUp()
{
    ShellTest::SetUp();
    LayOutDataFolder("张", true);
    DbConnection& db = database_.db;
    ASSERT_TRUE(db.Execute("create table mz (id integer primary key, 名字 text)"));
    ASSERT_TRUE(db.Execute("create table 诗词 (id integer primary key, 朝代 text, 诗人 text, 诗名 text, 诗句 text)"));
    const std::vector<std::string> poems[] = {
        {"先秦", "佚名", "关雎", "关关雎鸠，在河之洲。\r\n窈窕淑女，君子好逑。"},
        {"唐", "李商隐", "无题", "相见时难别亦难，东风无力百花残。\r\n春蚕到死丝方尽，蜡炬成灰泪始干。"},
        {"隋", "杨广", "春江花月夜", "暮江平不动，春花满正开。"},
        {"唐", "杜牧", "无题", "落魄江湖载酒行，楚腰纤细掌中轻。"},
        {"先秦", "屈原", "离骚", "帝高阳之苗裔兮，朕皇考曰伯庸。"},
        {"唐", "李商隐", "锦瑟", "锦瑟无端五十弦，一弦一柱思华年。"},
        {"唐", "O'Neil", "Tom's 歌", "明月几时有，把酒问青天。"},
        {"唐", "佚名", "缺字", "明丂月光，照丂丂我床。"},
    };
    for (const std::vector<std::string>& poem : poems)
        ASSERT_TRUE(db.Execute("insert into 诗词 (朝代, 诗人, 诗名, 诗句) values (?, ?, ?, ?)", poem));
    ASSERT_TRUE(OpenMainWindow());
}

std::vector<std::string> PageTest::Column(const std::string& list, int column)
{
    return ColumnCells(Unit(list), column);
}

std::vector<std::string> PageTest::Row(const std::string& list, int row)
{
    return RowCells(Unit(list), row);
}

std::vector<std::string> PageTest::StoredFavourites()
{
    std::vector<std::string> names;
    DbRecordSet records;
    if (!records.Attach(&database_.db) || !records.OpenSql("select 名字 from mz order by rowid"))
        return names;
    for (bool more = records.MoveFirst(); more; more = records.MoveNext())
        names.push_back(records.Field(0));
    return names;
}

void PageTest::Choose(const std::string& menuItem)
{
    // 右键菜单1 is the favourites list's menu, 右键菜单 the result lists'.
    const std::string savedMenu = "右键菜单1", resultMenu = "右键菜单";
    const bool saved = menuItem.compare(0, savedMenu.size(), savedMenu) == 0;
    const std::string caption = menuItem.substr(saved ? savedMenu.size() : resultMenu.size());
    const int menu = saved ? SavedListMenu() : ResultListMenu();
    int item = 0;
    for (int i = 1; i <= RecordCount(SkinMenuAt(menu)->items); ++i)
        if (SkinMenuItemAt(menu, i)->text == caption)
            item = i;
    ASSERT_NE(0, item) << menuItem;
    RECT at = {};
    GetWindowRect(window_->Window(), &at);
    EXPECT_TRUE(ChooseSkinMenuItem(menu, item, [&] {
        PopupSkinMenuAtCursor(menu, window_->Window(), at.left + 200, at.top + 200);
    })) << menuItem;
}

void PageTest::Click(const std::string& unit)
{
    SendMessageA(Unit(unit).Window(), BM_CLICK, 0, 0);
}

void PageTest::PressOn(const std::string& unit)
{
    HWND window = Unit(unit).Window();
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
}

bool PageTest::CloseOpenedReport()
{
    forms::Form* report = forms::FindForm("NameReportWindow");
    if (!report)
        return false;
    report->Close();
    return true;
}

void PageTest::AppendScoredRows(const std::string& list, const std::vector<std::string>& names, const char* scoreText)
{
    int serial = 0;
    for (const std::string& name : names) {
        ScoredNameRow row = MakeScoredNameRow(MainWindowTalents(), IntToText(++serial), name);
        if (scoreText)
            row.score = scoreText;
        Unit(list).AppendRow(ScoredNameRowCells(row));
    }
}

}  // namespace app_test
