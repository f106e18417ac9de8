// A window with kFormLazyPages: the units of pages not shown first have no window until their page is
// shown or they are used, are found by name all along, come in their definition's order and are
// handed to the window-made handler.
#include "runtime/forms/forms_test_support.h"

#include <string>
#include <vector>

namespace forms_test {
namespace {

using forms::Define;
using forms::UnitKind;

forms::FormDef PagedWindow()
{
    forms::FormDef d;
    d.id = 510;
    d.name = "PagedWindow";
    d.caption = "趣味工具";
    d.rect = {60, 60, 500, 360};
    d.flags = forms::kFormLazyPages;
    d.units = {
        Define(UnitKind::TabControl, 1, "高级选择夹1", {4, 4, 480, 320}).Items({"宝宝取名", "趣味工具", "取小名"}),
        Define(UnitKind::Label, 2, "标签首页", {10, 40, 200, 20}, "首页").In(1, 0),
        Define(UnitKind::GroupBox, 3, "分组框7", {10, 40, 300, 200}, "节日大全").In(1, 1),
        Define(UnitKind::Edit, 4, "编辑框节日", {10, 20, 200, 60}, "春节、元宵节").In(3),
        Define(UnitKind::Button, 5, "按钮节日", {10, 90, 80, 24}, "查看").In(3),
        Define(UnitKind::Label, 6, "标签节日", {10, 120, 200, 20}, "农历正月初一").In(3),
        Define(UnitKind::Edit, 7, "编辑框小名", {10, 40, 200, 24}, "小宝").In(1, 2),
    };
    return d;
}

std::vector<std::string>& MadeLate()
{
    static std::vector<std::string> names;
    return names;
}

class LazyPagesTest : public FormsTest {
protected:
    void SetUp() override
    {
        FormsTest::SetUp();
        MadeLate().clear();
        forms::SetUnitWindowMadeHandler([](forms::Unit& unit) { MadeLate().push_back(unit.Name()); });
        form_ = forms::OpenModeless(PagedWindow());
        ASSERT_NE(form_, nullptr);
        tab_ = form_->Get("高级选择夹1").Window();
    }
    void TearDown() override
    {
        forms::SetUnitWindowMadeHandler(nullptr);
        FormsTest::TearDown();
    }
    // The tab control's child windows, in their order.
    std::vector<HWND> TabChildren() const
    {
        std::vector<HWND> children;
        for (HWND child = GetWindow(tab_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            children.push_back(child);
        return children;
    }
    forms::Form* form_ = nullptr;
    HWND tab_ = nullptr;
};

TEST_F(LazyPagesTest, OnlyTheFirstPageIsMadeUntilAnotherIsShown)
{
    EXPECT_EQ(TabChildren().size(), 1u) << "the first page's label alone";
    EXPECT_TRUE(MadeLate().empty());
    ASSERT_TRUE(form_->Get("高级选择夹1").SetCurrentPage(1));
    EXPECT_EQ(MadeLate(), (std::vector<std::string>{"分组框7", "编辑框节日", "按钮节日", "标签节日"}));
    HWND box = form_->Get("分组框7").Window();
    EXPECT_TRUE(IsWindowVisible(box));
    std::vector<HWND> inBox;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        inBox.push_back(child);
    EXPECT_EQ(inBox, (std::vector<HWND>{form_->Get("编辑框节日").Window(), form_->Get("按钮节日").Window(),
                                        form_->Get("标签节日").Window()}))
        << "in the definition's order, which is the keyboard's";
    EXPECT_TRUE(IsWindowVisible(form_->Get("编辑框节日").Window()));
    EXPECT_FALSE(IsWindowVisible(form_->Get("标签首页").Window()));
    EXPECT_EQ(TabChildren().size(), 2u) << "the third page still waits";
    ASSERT_TRUE(form_->Get("高级选择夹1").SetCurrentPage(0));
    EXPECT_FALSE(IsWindowVisible(box));
    EXPECT_EQ(MadeLate().size(), 4u) << "a page is made once";
}

// A unit used before its page is shown is made then, hidden, in its place among the units made before.
TEST_F(LazyPagesTest, AUnitUsedBeforeItsPageShowsIsMadeHiddenWithItsContainers)
{
    forms::Unit& box = form_->Get("编辑框节日");
    EXPECT_TRUE(box.IsAlive());
    EXPECT_EQ(box.Text(), "春节、元宵节");
    ASSERT_TRUE(box.SetText("中秋节"));
    EXPECT_EQ(MadeLate(), (std::vector<std::string>{"分组框7", "编辑框节日"}));
    EXPECT_FALSE(IsWindowVisible(box.Window()));
    EXPECT_EQ(TabChildren(), (std::vector<HWND>{form_->Get("标签首页").Window(), form_->Get("分组框7").Window()}));
    // The third page's box, used now, goes after the second page's units, as defined.
    ASSERT_TRUE(form_->Get("编辑框小名").SetText("乐乐"));
    ASSERT_TRUE(form_->Get("高级选择夹1").SetCurrentPage(1));
    EXPECT_EQ(box.Text(), "中秋节") << "the page shows what was set before";
    HWND box7 = form_->Get("分组框7").Window();
    HWND button = form_->Get("按钮节日").Window();
    EXPECT_EQ(GetWindow(box.Window(), GW_HWNDNEXT), button);
    EXPECT_EQ(GetParent(button), box7);
    EXPECT_EQ(TabChildren().back(), form_->Get("编辑框小名").Window());
    EXPECT_FALSE(IsWindowVisible(form_->Get("编辑框小名").Window()));
}

}  // namespace
}  // namespace forms_test
