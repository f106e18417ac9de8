// The side list as a person meets it: the main window's fifteen rows on a skinned form, one row with
// entries, a selected and a hovered item, the embedded bar and a stand-alone bar beside it.
#include <windows.h>

#include <gtest/gtest.h>

#include "skin/core/screenshot.h"
#include "skin/core/skin_test_support.h"
#include "skin/custom/group_list.h"
#include "skin/custom/nav_bar_test_support.h"
#include "skin/custom/screen_test_support.h"
#include "skin/custom/scroll_bar.h"

namespace {

const char* const kSideRows[] = {"黄道吉日", "节日大全",     "生男生女",   "血型配对",     "2012年生肖运程",
                                 "生肖纪年对照表", "指纹预测", "星座配对", "新华字典拼音", "新华字典笔画",
                                 "分析号码", "生肖配对",       "姓氏起源",   "百家姓",       "万年历"};

}  // namespace

TEST(GroupListScreenTest, SideListScreenshot)
{
    ScopedWindow window(MakeScreenshotForm(330, 380, 30, WS_MINIMIZEBOX));

    // The main window's rows; entries tall enough for their note line.
    HWND host = CreateBarHost(window, 12, 40, 200, 300);
    SkinGroupList list;
    GroupListOptions listOptions;
    listOptions.childHeight = 44;
    ASSERT_GT(list.Create(host, listOptions), 0);
    for (const char* row : kSideRows)
        list.AddRow(row, true);
    list.AddChild(1, "今日宜忌", SolidPng(16, 16, 0xFFE0A020), "新", "吉时与冲煞");
    list.AddChild(1, "择日", SolidPng(16, 16, 0xFF3070D0), "", "婚嫁 搬家 开业");

    HWND standAlone = CreateBarHost(window, 240, 40, 17, 200);
    SkinScrollBar bar;
    ScrollBarOptions barOptions;
    barOptions.backColour = 0xFFFFFF;
    barOptions.backAlpha = 90;
    ASSERT_GT(bar.Create(standAlone, true, barOptions), 0);
    bar.Position(30);

    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    UpdateWindow(host);
    UpdateWindow(standAlone);
    list.Select(4);
    SendMessageA(host, WM_MOUSEMOVE, 0, MouseAt(100, 90));  // the second entry
    SendMessageA(standAlone, WM_MOUSEMOVE, 0, MouseAt(8, 80));  // the stand-alone bar's thumb

    const GroupListRecord* record = FindGroupList(host);
    ASSERT_NE(record, nullptr);
    EXPECT_TRUE(record->scrollBarShown);
    EXPECT_EQ(record->hoverRow, 1);
    EXPECT_EQ(record->hoverChild, 2);
    EXPECT_FALSE(SaveWindowScreenshot(window, "group-list.png").empty());
    EndScreenshotLook();
}
