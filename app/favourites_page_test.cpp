// MainWindow's favourites under Wine: 加入列表 on the scored lists stores the name and says so (not for
// an empty selection, and a failing save says 增加失败); the favourites list, its row keys and its
// deletes; the result lists' menus by page, their double-clicks and right presses; the export of the
// collected names; and the surname and birth combos in the settings file.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstdio>

#include "app/clipboard_text.h"
#include "app/edit_limit.h"
#include "app/favourites_page.h"
#include "app/gbk_input_guard.h"
#include "app/main_window_navigation.h"
#include "app/main_window_scoring.h"
#include "app/page_test_support.h"
#include "app/result_list_menus.h"
#include "app/skin_modal_test_support.h"
#include "app/settings_file.h"
#include "naming/generation_state.h"
#include "naming/name_score.h"
#include "naming/report_input.h"
#include "naming/surname_text.h"
#include "runtime/files.h"
#include "runtime/ini.h"
#include "runtime/text.h"
#include "skin/core/dialog_test_support.h"
#include "skin/core/screenshot.h"
#include "skin/core/skin_menus.h"

namespace app_test {
namespace {

using Texts = std::vector<std::string>;

class FavouritesPageTest : public PageTest {
protected:
    std::string FreshTag(const std::string& name) { return ScoreTag(ScoreName(MainWindowTalents(), name)); }
    // The texts of the skin's message boxes shown meanwhile (each answered at once).
    Texts Messages() { return boxes_.Texts(); }
    // Every box so far went through the skin with the main window as owner; the last one's title.
    std::string LastBoxTitle()
    {
        for (const MessageBoxAnswerer::Box& box : boxes_.Boxes()) {
            EXPECT_TRUE(box.skinned) << box.text;
            EXPECT_EQ(window_->Window(), box.owner) << box.text;
        }
        return boxes_.Boxes().empty() ? "" : boxes_.Boxes().back().title;
    }

    MessageBoxAnswerer boxes_;
};

TEST_F(FavouritesPageTest, AddToListStoresTheSelectedNameOnceAndSaysWhetherItWasStored)
{
    for (int page : {1, 6}) {
        SCOPED_TRACE(page);
        const std::string list = page == 1 ? "组合模式_超级列表框" : "超级列表框诗词模式";
        Unit("高级选择夹1").SetCurrentPage(page);
        AppendScoredRows(list, {page == 1 ? "张子轩" : "张明月", "张浩然"});
        boxes_.Clear();
        Unit(list).SelectRow(1);
        Choose("右键菜单加入列表");
        // 张浩然 goes in from page 1; from page 6 it is there already and is not stored twice.
        EXPECT_EQ(Texts{page == 1 ? "增加成功" : "自选列表中已有这个名字"}, Messages());
        // Given no caption, the box says 提示, not the system's default title (错误 in Chinese).
        EXPECT_EQ("提示", LastBoxTitle());

        // No row selected: nothing stored, nothing shown.
        Unit(list).SelectRow(-1);
        Choose("右键菜单加入列表");
        EXPECT_EQ(1u, Messages().size());

        // A save the database refuses is not reported as stored.
        ASSERT_TRUE(database_.db.Execute("create trigger refuse before insert on mz begin select raise(abort, 'full'); end"));
        Unit(list).SelectRow(0);
        Choose("右键菜单加入列表");
        EXPECT_EQ("增加失败", Messages().back());
        ASSERT_TRUE(database_.db.Execute("drop trigger refuse"));
        Unit(list).DeleteAllRows();
    }
    EXPECT_EQ((Texts{"张浩然"}), StoredFavourites());
}

TEST_F(FavouritesPageTest, ListShowsTheStoredNamesOnceAndDeletesANameWithAllItsRecords)
{
    // An older table may hold a name twice; 王五 was also produced by a generator earlier in the run.
    for (const char* name : {"", "张三丰", "王五", "李四", "赵六", "李四"})
        ASSERT_TRUE(database_.db.Execute("insert into mz (名字) values (?)", {name}));
    ASSERT_TRUE(g_seenTexts.Add("王五"));

    OnNavBarClicked(3);
    ASSERT_EQ(3, MainPage());
    forms::Unit& list = Unit("超级列表框3");
    const Texts names = {"张三丰", "王五", "李四", "赵六"};
    ASSERT_EQ(4, list.RowCount());
    for (int row = 0; row < 4; ++row) {
        const ScoredNameRow expected = MakeScoredNameRow(MainWindowTalents(), IntToText(row + 1), names[row]);
        EXPECT_EQ(ScoredNameRowCells(expected), Row("超级列表框3", row));
    }
    EXPECT_EQ(3, g_loopIndex);
    RefreshFavouritesList(*window_);  // lists nothing twice
    EXPECT_EQ(4, list.RowCount());
    list.SelectRow(0);
    forms::ProcessPendingMessages();
    EXPECT_FALSE(SaveWindowScreenshot(window_->Window(), "favourites-page.png").empty());

    // 删除此名 on 李四: both of its records go, so it stays deleted after a restart.
    list.SelectRow(2);
    Choose("右键菜单1删除此名");
    EXPECT_EQ((Texts{"", "张三丰", "王五", "赵六"}), StoredFavourites());
    EXPECT_EQ((Texts{"张三丰", "王五", "赵六"}), Column("超级列表框3", 1));
    EXPECT_EQ((Texts{"1", "2", "3"}), Column("超级列表框3", 0)) << "numbered again, without a gap";
    list.SelectRow(-1);
    Choose("右键菜单1删除此名");
    EXPECT_EQ(4u, StoredFavourites().size());

    // 查看评分 and the double-click: the report of the name scored afresh.
    list.SelectRow(2);
    Choose("右键菜单1查看评分");
    EXPECT_EQ("赵六" + FreshTag("赵六"), g_reportInput);
    EXPECT_TRUE(CloseOpenedReport());

    // 删除全部 asks first, in the skin's box with 是 and 否; 否 keeps everything.
    boxes_.Clear();
    boxes_.SetAnswer(IDNO);
    Choose("右键菜单1删除全部");
    EXPECT_EQ(Texts{"确定删除全部自选名字吗？"}, Messages());
    LastBoxTitle();
    EXPECT_EQ(4u, StoredFavourites().size());
    EXPECT_EQ(3, list.RowCount());
    boxes_.SetAnswer(IDYES);
    Choose("右键菜单1删除全部");
    EXPECT_TRUE(StoredFavourites().empty());
    EXPECT_EQ(0, list.RowCount());

    // A name stored again after its delete is listed again, though the run has seen it.
    Unit("高级选择夹1").SetCurrentPage(1);
    AppendScoredRows("组合模式_超级列表框", {"王五"});
    Unit("组合模式_超级列表框").SelectRow(0);
    boxes_.SetAnswer(IDOK);
    Choose("右键菜单加入列表");
    Choose("右键菜单查看自选");
    EXPECT_EQ(3, MainPage());
    EXPECT_EQ(Texts{"王五"}, StoredFavourites());
    EXPECT_EQ(Texts{"王五"}, Column("超级列表框3", 1));
}

TEST_F(FavouritesPageTest, PageZeroMenuCopiesAndCollectsTheRowWithItsTag)
{
    forms::Unit& list = Unit("超级列表框1");
    list.AppendRow({"张三丰【 95分】"});
    list.AppendRow({"张晨曦【100分】"});
    ASSERT_TRUE(SetClipboardText(window_->Window(), "旧"));
    list.SelectRow(-1);
    for (const char* item : {"右键菜单名字评分", "右键菜单复制此名", "右键菜单加入列表"})
        Choose(item);
    EXPECT_EQ(nullptr, forms::FindForm("NameReportWindow"));
    EXPECT_EQ("旧", GetClipboardText(window_->Window()));
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ("", Unit("超级编辑框1").Text());

    list.SelectRow(0);
    Choose("右键菜单复制此名");
    EXPECT_EQ("张三丰【 95分】", GetClipboardText(window_->Window()));
    EXPECT_EQ(Texts{"复制成功"}, Messages());
    EXPECT_EQ("复制", LastBoxTitle());
    Choose("右键菜单加入列表");
    Choose("右键菜单加入列表");
    list.SelectRow(1);
    Choose("右键菜单加入列表");
    EXPECT_EQ("张三丰【 95分】\r\n张晨曦【100分】\r\n", Unit("超级编辑框1").Text());

    Choose("右键菜单名字评分");
    EXPECT_EQ("张晨曦【100分】", g_reportInput);
    EXPECT_FALSE(IsWindowVisible(window_->Window())) << "the report hides the main window";
    EXPECT_TRUE(CloseOpenedReport());
    EXPECT_TRUE(IsWindowVisible(window_->Window()));
    Choose("右键菜单查看自选");
    EXPECT_EQ(3, MainPage());
    EXPECT_TRUE(StoredFavourites().empty()) << "page 0 collects, it does not store";
}

TEST_F(FavouritesPageTest, PagesOneAndSixReportByTheirScoreColumnAndCopyTheName)
{
    ASSERT_TRUE(SetClipboardText(window_->Window(), "旧"));
    Unit("高级选择夹1").SetCurrentPage(1);
    AppendScoredRows("组合模式_超级列表框", {"张子轩"}, "77");
    Unit("组合模式_超级列表框").SelectRow(0);
    Choose("右键菜单名字评分");
    EXPECT_EQ("张子轩【 77分】", g_reportInput);
    EXPECT_TRUE(CloseOpenedReport());
    boxes_.Clear();
    Choose("右键菜单复制此名");  // on page 1 as on the others: the name, and no report
    EXPECT_FALSE(CloseOpenedReport());
    EXPECT_EQ("张子轩", GetClipboardText(window_->Window()));
    EXPECT_EQ(Texts{"复制成功"}, Messages());
    boxes_.Clear();

    Unit("高级选择夹1").SetCurrentPage(6);
    AppendScoredRows("超级列表框诗词模式", {"张明月"}, "100");
    forms::Unit& poemNames = Unit("超级列表框诗词模式");
    poemNames.SelectRow(0);
    Choose("右键菜单名字评分");
    EXPECT_EQ("张明月【100分】", g_reportInput);
    EXPECT_TRUE(CloseOpenedReport());
    Choose("右键菜单复制此名");
    EXPECT_EQ("张明月", GetClipboardText(window_->Window()));
    EXPECT_EQ(Texts{"复制成功"}, Messages());
    EXPECT_EQ("提示", LastBoxTitle()) << "given no caption, the box says 提示";

    poemNames.SelectRow(-1);
    Choose("右键菜单名字评分");
    EXPECT_EQ("【 分】", g_reportInput) << "the hand-off is replaced, but nothing opens";
    EXPECT_FALSE(CloseOpenedReport());
    Choose("右键菜单复制此名");
    EXPECT_EQ(1u, Messages().size());
}

// A point inside the row, as the mouse messages carry it.
LPARAM RowPoint(HWND list, int row)
{
    RECT item = {};
    item.left = LVIR_BOUNDS;
    SendMessageA(list, LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&item));
    return MAKELPARAM(item.left + 20, (item.top + item.bottom) / 2);
}

// A double-click on a row as the mouse gives it.
void DoubleClickRow(HWND list, int row)
{
    const LPARAM at = RowPoint(list, row);
    SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(list, WM_LBUTTONUP, 0, at);
    SendMessageA(list, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    SendMessageA(list, WM_LBUTTONUP, 0, at);
}

TEST_F(FavouritesPageTest, DoubleClicksOpenTheReportOfTheRowAndNoneWithoutARow)
{
    forms::Unit& random = Unit("超级列表框1");
    random.AppendRow({"张三丰【 95分】"});
    DoubleClickRow(random.Window(), 0);
    EXPECT_EQ("张三丰【 95分】", g_reportInput);
    EXPECT_TRUE(CloseOpenedReport());

    Unit("高级选择夹1").SetCurrentPage(1);
    AppendScoredRows("组合模式_超级列表框", {"张子轩", "张浩然"}, "12");
    DoubleClickRow(Unit("组合模式_超级列表框").Window(), 1);
    EXPECT_EQ("张浩然" + FreshTag("张浩然"), g_reportInput);
    EXPECT_TRUE(CloseOpenedReport());

    ASSERT_TRUE(database_.db.Execute("insert into mz (名字) values ('李四')"));
    OnNavBarClicked(3);
    DoubleClickRow(Unit("超级列表框3").Window(), 0);
    EXPECT_EQ("李四" + FreshTag("李四"), g_reportInput);
    EXPECT_TRUE(CloseOpenedReport());

    // Off the rows, with no row selected: no report.
    Unit("超级列表框3").SelectRow(-1);
    SendMessageA(Unit("超级列表框3").Window(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(20, 200));
    EXPECT_FALSE(CloseOpenedReport());
    EXPECT_EQ(FreshTag(""), g_reportInput);
}

struct ShownMenu {
    std::string screenshot;  // the picture to save of the open menu; empty: none
    bool saved = false;
    bool shown = false;
    int number = 0;  // the skin menu that popped up; 0 for none of them
    Texts items;
};
ShownMenu g_shownMenu;

void CALLBACK NoteAndCloseMenu(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    HWND popup = FindWindowA("#32768", nullptr);
    g_shownMenu.shown = popup && IsWindowVisible(popup);
    HMENU menu = popup ? reinterpret_cast<HMENU>(SendMessageA(popup, 0x01E1 /* MN_GETHMENU */, 0, 0)) : nullptr;
    g_shownMenu.number = menu ? FindSkinnedMenu(menu) : 0;
    // The items are drawn by the skin: their texts are in its records.
    for (int i = 0; menu && i < GetMenuItemCount(menu); ++i) {
        const SkinMenuItemRecord* item = SkinMenuItemAt(g_shownMenu.number, i + 1);
        g_shownMenu.items.push_back(item ? item->text : "?");
    }
    if (popup && !g_shownMenu.screenshot.empty()) {
        RedrawWindow(popup, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_FRAME);
        g_shownMenu.saved = !SaveWholeWindowScreenshot(popup, g_shownMenu.screenshot).empty();
    }
    EndMenu();
}

// A right press on the row, as the mouse gives it; notes the menu that pops up (closed at once).
ShownMenu RightPressRow(HWND list, int row, const std::string& screenshot = "")
{
    g_shownMenu = ShownMenu();
    g_shownMenu.screenshot = screenshot;
    SetTimer(nullptr, 0, 50, NoteAndCloseMenu);
    const LPARAM at = RowPoint(list, row);
    PostMessageA(list, WM_RBUTTONUP, 0, at);
    SendMessageA(list, WM_RBUTTONDOWN, MK_RBUTTON, at);
    forms_test::PumpUntil([] { return !g_shownMenu.items.empty(); }, 1000);
    return g_shownMenu;
}

TEST_F(FavouritesPageTest, RightPressesPopUpTheListsSkinMenus)
{
    const Texts resultItems = {"名字评分", "复制此名", "加入列表", "查看自选"};
    Unit("超级列表框1").AppendRow({"张三丰【 95分】"});
    Unit("超级列表框1").AppendRow({"张晨曦【 90分】"});
    ShownMenu menu = RightPressRow(Unit("超级列表框1").Window(), 1, "result-list-menu.png");
    EXPECT_TRUE(menu.shown);
    EXPECT_TRUE(menu.saved);
    EXPECT_EQ(ResultListMenu(), menu.number);
    EXPECT_EQ(resultItems, menu.items);
    EXPECT_EQ(1, Unit("超级列表框1").SelectedRow()) << "the press chose the row";

    ASSERT_TRUE(database_.db.Execute("insert into mz (名字) values ('李四')"));
    OnNavBarClicked(3);
    menu = RightPressRow(Unit("超级列表框3").Window(), 0);
    EXPECT_EQ(SavedListMenu(), menu.number);
    EXPECT_EQ((Texts{"查看评分", "删除此名", "删除全部"}), menu.items);
    EXPECT_EQ(Texts{"李四"}, StoredFavourites()) << "closing the menu chooses nothing";
    const int menus = SkinMenuCount();
    RightPressRow(Unit("超级列表框3").Window(), 0);
    EXPECT_EQ(menus, SkinMenuCount()) << "each menu is made once";
}

TEST_F(FavouritesPageTest, ExportWritesTheCollectedNamesOverTheChosenFileAndSaysWhere)
{
    const std::string path = ::testing::TempDir() + "导出" + std::to_string(GetCurrentProcessId()) + ".txt";
    std::remove(path.c_str());
    forms_test::Log().savePathToGive = path;

    // Nothing collected (blanks and line breaks are nothing): no file is asked for or written.
    for (const char* nothing : {"", "\r\n  \r\n"}) {
        Unit("超级编辑框1").SetText(nothing);
        Click("按钮导出");
    }
    EXPECT_EQ((Texts{"没有可导出的名字", "没有可导出的名字"}), Messages());
    EXPECT_EQ("提示", LastBoxTitle());
    EXPECT_EQ(0, forms_test::Log().saveRequests);
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(path.c_str()));

    boxes_.Clear();
    ASSERT_TRUE(WriteFileBytes(path, std::string(200, 'x')));
    const std::string names = "张三丰【 95分】\r\n张晨曦【100分】\r\n";
    Unit("超级编辑框1").SetText(names);
    Click("按钮导出");
    std::string written;
    ASSERT_TRUE(ReadFileBytes(path, written));
    EXPECT_EQ(names, written) << "exactly the box's bytes, no terminating zero, nothing of the old file";
    EXPECT_EQ(Texts{"已导出到：" + path}, Messages());
    EXPECT_EQ("提示", LastBoxTitle());

    boxes_.Clear();
    forms_test::Log().savePathToGive.clear();  // cancelled
    Unit("超级编辑框1").SetText("李四\r\n");
    Click("按钮导出");
    ASSERT_TRUE(ReadFileBytes(path, written));
    EXPECT_EQ(names, written);
    EXPECT_EQ(2, forms_test::Log().saveRequests);
    EXPECT_TRUE(Messages().empty());

    forms_test::Log().savePathToGive = ::testing::TempDir() + "无此目录\\名字.txt";
    Click("按钮导出");
    EXPECT_EQ(Texts{"导出失败"}, Messages());
    EXPECT_EQ("提示", LastBoxTitle());
    // A folder path of 272 characters: the export fails, and the collected names stay in the box.
    boxes_.Clear();
    forms_test::Log().savePathToGive = ::testing::TempDir() + std::string(272, 'd') + "\\名字.txt";
    Click("按钮导出");
    EXPECT_EQ(Texts{"导出失败"}, Messages());
    EXPECT_EQ("李四\r\n", Unit("超级编辑框1").Text());
    std::remove(path.c_str());
}

// The combos' texts, year to minute.
Texts ComboTexts(forms::Form& window)
{
    Texts texts;
    for (const char* combo : {"组合框年1", "组合框月1", "组合框日1", "组合框时1", "组合框分1"})
        texts.push_back(window.Get(combo).Text());
    return texts;
}

// Types the text into the edit box as a person does: a WM_CHAR for each ASCII character, and each GBK
// character committed by the input method into the selection.
void TypeInto(HWND edit, const std::string& text)
{
    SetFocus(edit);
    SendMessageA(edit, EM_SETSEL, 0, -1);
    for (size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x80 || i + 1 == text.size()) {
            SendMessageA(edit, WM_CHAR, byte, 1);
            continue;
        }
        const std::string character = text.substr(i, 2);
        SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(character.c_str()));
        ++i;
    }
}

TEST_F(FavouritesPageTest, TypingTheSurnameRewritesItsKeyAndKeepsTheBirthTime)
{
    // The items are plain numbers, so a plain month or minute picks its own item ("1", not "10").
    const Texts birth = {"2001", "1", "4", "5", "5"};
    const char* combos[] = {"组合框年1", "组合框月1", "组合框日1", "组合框时1", "组合框分1"};
    for (int i = 0; i < 5; ++i)
        ASSERT_TRUE(Unit(combos[i]).SetText(birth[i]));
    ASSERT_EQ(birth, ComboTexts(*window_));

    // The birth time set first survives the surname typed after it.
    TypeInto(Unit("编辑框_姓1").Window(), "欧阳");
    EXPECT_EQ("欧阳", Unit("编辑框_姓1").Text());
    EXPECT_EQ(birth, ComboTexts(*window_));
    EXPECT_EQ("欧阳", ReadSurnameSetting());
    Unit("编辑框_姓1").SetText("");
    EXPECT_EQ("", ReadSurnameSetting());
    EXPECT_EQ(birth, ComboTexts(*window_));

    // A combo's selection change writes its key of section 年月日.
    const Texts other = {"2010", "11", "12", "13", "14"};
    const char* keys[] = {"年", "月", "日", "时", "分"};
    for (int i = 0; i < 5; ++i) {
        ASSERT_TRUE(Unit(combos[i]).SetText(other[i]));
        HWND combo = Unit(combos[i]).Window();
        SendMessageA(GetParent(combo), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(combo));
        EXPECT_EQ(other[i], IniRead(SettingsFilePath(), "年月日", keys[i])) << keys[i];
    }
}

void ChooseComboText(forms::Unit& combo, const std::string& text)
{
    ASSERT_TRUE(combo.SetText(text));
    HWND box = combo.Window();
    SendMessageA(GetParent(box), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(box), CBN_SELCHANGE), reinterpret_cast<LPARAM>(box));
}

Texts ComboItems(forms::Unit& combo)
{
    Texts items;
    for (int i = 0; i < combo.ItemCount(); ++i)
        items.push_back(combo.ItemText(i));
    return items;
}

Texts DaysUpTo(int last)
{
    Texts days;
    for (int day = 1; day <= last; ++day)
        days.push_back(IntToText(day));
    return days;
}

// The day list offers the days of the chosen month only; the chosen day stays where the month has it.
TEST_F(FavouritesPageTest, DayListOffersTheDaysOfTheChosenMonth)
{
    forms::Unit& year = Unit("组合框年1");
    forms::Unit& month = Unit("组合框月1");
    forms::Unit& day = Unit("组合框日1");
    ChooseComboText(month, "1");
    ChooseComboText(day, "30");
    EXPECT_EQ(DaysUpTo(31), ComboItems(day));
    ChooseComboText(year, "2023");
    ChooseComboText(month, "2");
    EXPECT_EQ(DaysUpTo(28), ComboItems(day));
    EXPECT_EQ("28", day.Text());
    EXPECT_EQ("28", IniRead(SettingsFilePath(), "年月日", "日"));
    ChooseComboText(year, "2024");  // a leap year
    EXPECT_EQ(DaysUpTo(29), ComboItems(day));
    EXPECT_EQ("28", day.Text());
    ChooseComboText(day, "29");
    ChooseComboText(month, "4");
    EXPECT_EQ(DaysUpTo(30), ComboItems(day));
    EXPECT_EQ("29", day.Text());
}

// A character outside GBK reaches the ANSI box as '?': it is taken out at once, with a word.
TEST_F(FavouritesPageTest, SurnameBoxRefusesCharactersOutsideGbk)
{
    forms::Unit& surname = Unit("编辑框_姓1");
    const wchar_t* pasted[] = {L"\u738b\U00020BB7", L"\U0001F600", L"\u738b?"};  // 王𠮷, an emoji, 王?
    const Texts kept = {"王", "", "王"};
    for (int i = 0; i < 3; ++i) {
        boxes_.Clear();
        SetWindowTextW(surname.Window(), pasted[i]);
        forms::ProcessPendingMessages();
        EXPECT_EQ(kept[static_cast<size_t>(i)], surname.Text()) << i;
        EXPECT_EQ(kept[static_cast<size_t>(i)], ReadSurnameSetting()) << i;
        EXPECT_EQ(Texts{kOutsideGbkWord}, Messages()) << i;
    }
    boxes_.Clear();
    surname.SetText("欧阳");
    EXPECT_TRUE(Messages().empty());
}

// The box takes kMaxSurnameChars Chinese characters: its limit is in bytes where the system counts
// bytes (Windows) and in characters where it counts characters (Wine).
TEST_F(FavouritesPageTest, SurnameBoxTakesSixChineseCharactersWhicheverWayTheLimitCounts)
{
    HWND box = Unit("编辑框_姓1").Window();
    const LRESULT limit = SendMessageA(box, EM_GETLIMITTEXT, 0, 0);
    EXPECT_EQ(AnsiEditLimitCountsBytes() ? 2 * kMaxSurnameChars : kMaxSurnameChars, limit);
    SetWindowTextA(box, "");
    boxes_.Clear();
    SendMessageA(box, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("张王李赵欧阳司马"));
    forms::ProcessPendingMessages();
    EXPECT_EQ("张王李赵欧阳", Unit("编辑框_姓1").Text());
    EXPECT_TRUE(Messages().empty());
}

}  // namespace
}  // namespace app_test
