// Report-style list views: rows appended at the end, cells, the selected row, row data, and the
// redrawing that appends switch off until pending messages are processed.
#include "runtime/forms/forms_test_support.h"

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

}  // namespace
}  // namespace forms_test
