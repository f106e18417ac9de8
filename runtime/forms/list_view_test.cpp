// Report-style list views: rows appended at the end, cells, the selected row, row data, what the
// native list view shows and answers of the unit's rows, and appends reaching it once pending
// messages are processed.
#include "runtime/forms/forms_test_support.h"

#include <commctrl.h>

namespace forms_test {
namespace {

using forms::Define;
using forms::UnitKind;

const forms::FormDef& ListWindow()
{
    static const forms::FormDef def = [] {
        forms::FormDef d;
        d.id = 500;
        d.name = "ListWindow";
        d.caption = "自选列表";
        d.rect = {50, 50, 600, 400};
        d.units = {Define(UnitKind::ListView, 1, "超级列表框3", {4, 4, 560, 340})
                       .Columns({{"序号", 40}, {"名字", 80}, {"汉字拼音", 120}, {"评分", 50}})};
        return d;
    }();
    return def;
}

class ListViewTest : public FormsTest {
protected:
    void SetUp() override
    {
        FormsTest::SetUp();
        form_ = forms::OpenModeless(ListWindow());
        ASSERT_NE(form_, nullptr);
    }
    forms::Unit& List() { return form_->Get("超级列表框3"); }
    forms::Form* form_ = nullptr;
};

TEST_F(ListViewTest, RowsAppendAtTheEndAndCellsReadBack)
{
    forms::Unit& list = List();
    EXPECT_EQ(list.ColumnCount(), 4);
    EXPECT_EQ(list.AppendRow({"0", "张三丰", "zhang san feng", "95"}), 0);
    EXPECT_EQ(list.AppendRow({"1", "李四"}), 1);
    EXPECT_EQ(list.InsertRow(0, {"x", "王五"}), 0);
    EXPECT_EQ(list.RowCount(), 3);
    EXPECT_EQ(list.Cell(1, 1), "张三丰");
    EXPECT_EQ(list.Cell(1, 3), "95");
    EXPECT_EQ(list.Cell(2, 3), "");
    EXPECT_EQ(list.Cell(5, 0), "");
    EXPECT_EQ(list.Cell(0, 9), "");
    ASSERT_TRUE(list.SetCell(2, 3, "88"));
    EXPECT_EQ(list.Cell(2, 3), "88");
    EXPECT_FALSE(list.SetCell(3, 0, "no row"));
    // Cells longer than the first read buffer.
    const std::string longText(700, 'a');
    ASSERT_TRUE(list.SetCell(0, 2, longText));
    EXPECT_EQ(list.Cell(0, 2), longText);

    ASSERT_TRUE(list.SetRowData(1, 42));
    EXPECT_EQ(list.RowData(1), 42);
    ASSERT_TRUE(list.DeleteRow(0));
    EXPECT_EQ(list.RowData(0), 42) << "row data moves with its row";
    ASSERT_TRUE(list.DeleteAllRows());
    EXPECT_EQ(list.RowCount(), 0);
}

TEST_F(ListViewTest, CellOfTheSelectedRowIsEmptyWithNoSelection)
{
    forms::Unit& list = List();
    list.AppendRow({"0", "张三丰"});
    list.AppendRow({"1", "李四"});
    EXPECT_EQ(list.SelectedRow(), -1);
    EXPECT_EQ(list.SelectedCell(1), "");
    ASSERT_TRUE(list.SelectRow(1));
    EXPECT_EQ(list.SelectedCell(1), "李四");
    ASSERT_TRUE(list.SelectRow(-1));
    EXPECT_EQ(list.SelectedCell(1), "");
}

TEST_F(ListViewTest, AppendsDeferRedrawingUntilMessagesAreProcessed)
{
    forms::Unit& list = List();
    for (int i = 0; i < 50; ++i)
        list.AppendRow({std::to_string(i), "名字"});
    EXPECT_TRUE(list.Visible());
    forms::ProcessPendingMessages();
    EXPECT_TRUE(IsWindowVisible(list.Window()));

    // Hiding a list in the middle of a bulk fill keeps it hidden once redrawing comes back (Windows'
    // own list view clears WS_VISIBLE while redrawing is off, and setting it on again restores it).
    list.AppendRow({"50", "名字"});
    ASSERT_TRUE(list.SetVisible(false));
    forms::ProcessPendingMessages();
    EXPECT_FALSE(IsWindowVisible(list.Window()));
    ASSERT_TRUE(list.SetVisible(true));
    EXPECT_TRUE(IsWindowVisible(list.Window()));
    EXPECT_EQ(list.RowCount(), 51);
}

// What another program (a journey, a screen reader) reads off the list view: the count and the cells,
// also past the first read buffer.
std::string NativeCell(HWND list, int row, int column)
{
    char text[1024] = {};
    LVITEMA item = {};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    const LRESULT length = SendMessageA(list, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
    return std::string(text, length > 0 ? static_cast<size_t>(length) : 0);
}

TEST_F(ListViewTest, TheNativeListViewShowsTheUnitsRows)
{
    forms::Unit& list = List();
    for (int i = 0; i < 300; ++i)
        list.AppendRow({std::to_string(i + 1), "张三丰", "zhang san feng", std::to_string(60 + i % 40)});
    forms::ProcessPendingMessages();
    EXPECT_EQ(SendMessageA(list.Window(), LVM_GETITEMCOUNT, 0, 0), 300);
    EXPECT_EQ(NativeCell(list.Window(), 0, 1), "张三丰");
    EXPECT_EQ(NativeCell(list.Window(), 299, 0), "300");
    EXPECT_EQ(NativeCell(list.Window(), 299, 3), std::to_string(60 + 299 % 40));
    ASSERT_TRUE(list.SetCell(5, 1, std::string(900, 'b')));
    EXPECT_EQ(NativeCell(list.Window(), 5, 1), std::string(900, 'b'));
    // A count asked for before pending messages are processed is already right.
    list.AppendRow({"301", "李四"});
    ASSERT_TRUE(list.SelectRow(300));
    EXPECT_EQ(list.SelectedCell(1), "李四");
}

// Strokes of text as the list paints it, smoothed edges included; grid lines and the background are
// lighter.
bool IsInkPixel(COLORREF colour)
{
    return GetRValue(colour) + GetGValue(colour) + GetBValue(colour) < 3 * 160;
}

TEST_F(ListViewTest, PaintedRowsShowTheirTexts)
{
    forms::Unit& list = List();
    ASSERT_TRUE(forms_test::PumpUntilPainted(form_->Window()));
    const int empty = CountPixels(list.Window(), IsInkPixel);
    for (int i = 0; i < 12; ++i)
        list.AppendRow({std::to_string(i + 1), "张三丰", "zhang san feng", "95"});
    ASSERT_TRUE(forms_test::PumpUntilPainted(form_->Window()));
    const int filled = CountPixels(list.Window(), IsInkPixel);
    EXPECT_GT(filled, empty + 12 * 40) << "every row paints its cells' strokes";
    ASSERT_TRUE(list.DeleteAllRows());
    ASSERT_TRUE(forms_test::PumpUntilPainted(form_->Window()));
    EXPECT_EQ(CountPixels(list.Window(), IsInkPixel), empty);
}

// Rows deleted or inserted above the selected row move it, as the user sees it; the row data stays with
// its row.
TEST_F(ListViewTest, TheSelectionFollowsItsRowWhenRowsAboveComeAndGo)
{
    forms::Unit& list = List();
    for (int i = 0; i < 5; ++i) {
        list.AppendRow({std::to_string(i), "名字" + std::to_string(i)});
        list.SetRowData(i, 100 + i);
    }
    ASSERT_TRUE(list.SelectRow(3));
    ASSERT_TRUE(list.DeleteRow(0));
    EXPECT_EQ(list.SelectedRow(), 2);
    EXPECT_EQ(list.SelectedCell(1), "名字3");
    EXPECT_EQ(list.RowData(2), 103);
    EXPECT_EQ(list.InsertRow(1, {"x", "王五"}), 1);
    EXPECT_EQ(list.SelectedCell(1), "名字3");
    EXPECT_EQ(SendMessageA(list.Window(), LVM_GETITEMCOUNT, 0, 0), 5);
    // Deleting the selected row leaves none selected.
    ASSERT_TRUE(list.DeleteRow(list.SelectedRow()));
    EXPECT_EQ(list.SelectedRow(), -1);
    EXPECT_EQ(list.RowCount(), 4);
    EXPECT_EQ(NativeCell(list.Window(), 3, 1), "名字4");
}

// Typing a letter selects the next row whose first cell starts with it, without case and wrapping
// round at the end, as in a list that holds its own items.
TEST_F(ListViewTest, ATypedLetterSelectsTheNextRowStartingWithIt)
{
    forms::Unit& list = List();
    for (const char* first : {"apple", "Banana", "bamboo", "cherry"})
        list.AppendRow({first, "名字"});
    ASSERT_TRUE(list.SelectRow(3));
    SetFocus(list.Window());
    SendMessageA(list.Window(), WM_CHAR, 'b', 1);
    EXPECT_EQ(list.SelectedRow(), 1);
    EXPECT_EQ(list.SelectedCell(0), "Banana");
}

}  // namespace
}  // namespace forms_test
