// Child-control notifications seen by the skinned form: which controls are invalidated, which
// containers are marked, and that a control of another list never marks a container; the fill opacity
// of a container changed on request.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "skin/controls/edit_family.h"
#include "skin/core/form_rows_test_support.h"
#include "skin/core/form_skinning.h"
#include "skin/core/on_request_skinning.h"
#include "skin/core/skin_options.h"
#include "skin/core/skin_registry.h"
#include "skin/core/skin_test_support.h"

namespace {

class FormNotificationsTest : public testing::Test {
protected:
    void SetUp() override
    {
        INITCOMMONCONTROLSEX classes = {sizeof(classes), ICC_TREEVIEW_CLASSES | ICC_TAB_CLASSES | ICC_UPDOWN_CLASS};
        InitCommonControlsEx(&classes);
        g_firstFormSize = false;
        SetSkinOptions(true, 0);
        window_ = CreateFrameForm(40, 40, 500, 400);
        SkinForm(window_);
        n_ = FindSkinnedWindow(window_);
        UpdateWindow(window_);
    }
    void TearDown() override
    {
        DestroyWindow(window_);
        SetSkinOptions(true);
    }

    // Whether the command from the control leaves it with something to paint.
    bool CommandInvalidates(HWND control, WORD code)
    {
        UpdateWindow(control);
        ValidateRect(control, nullptr);
        const Delivery d = Deliver(window_, WM_COMMAND, MAKEWPARAM(7, code), reinterpret_cast<LPARAM>(control));
        EXPECT_TRUE(d.passedOn);
        return GetUpdateRect(control, nullptr, FALSE) != FALSE;
    }
    void Notify(HWND from, UINT code)
    {
        NMHDR header = {};
        header.hwndFrom = from;
        header.idFrom = 5;
        header.code = code;
        EXPECT_TRUE(Deliver(window_, WM_NOTIFY, 5, reinterpret_cast<LPARAM>(&header)).passedOn);
    }

    HWND window_ = nullptr;
    int n_ = 0;
};

}  // namespace

TEST_F(FormNotificationsTest, CommandsThatChangeAControlsLooks)
{
    HWND edit = CreateTestChild(window_, "Edit", 10, 40, 100, 24);
    HWND list = CreateTestChild(window_, "ListBox", 10, 70, 100, 60);
    HWND combo = CreateTestChild(window_, "ComboBox", 10, 140, 100, 100, CBS_DROPDOWNLIST);
    HWND button = CreateTestChild(window_, "Button", 10, 250, 80, 24);
    struct Case {
        HWND control;
        WORD code;
        bool invalidated;
    } cases[] = {
        {edit, EN_VSCROLL, true},     {edit, EN_HSCROLL, true},        {edit, EN_UPDATE, true},
        {edit, EN_CHANGE, true},      {edit, EN_SETFOCUS, false},      {list, LBN_SELCHANGE, true},
        {list, LBN_SELCANCEL, true},  {list, LBN_DBLCLK, false},       {combo, CBN_KILLFOCUS, true},
        {combo, CBN_SELCHANGE, true}, {combo, CBN_DROPDOWN, false},    {button, BN_CLICKED, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << GetWindowClassName(c.control) << " " << c.code);
        EXPECT_EQ(CommandInvalidates(c.control, c.code), c.invalidated);
    }
    SCOPED_TRACE("without the veiled painting nothing is invalidated");
    SetSkinOptions(true);
    EXPECT_FALSE(CommandInvalidates(edit, EN_CHANGE));
    EXPECT_FALSE(CommandInvalidates(list, LBN_SELCHANGE));
}

TEST_F(FormNotificationsTest, ChangedEditRepaintsItsOverlays)
{
    HWND memo = CreateTestChild(window_, "Edit", 10, 40, 200, 120, WS_BORDER | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE);
    HWND plain = CreateTestChild(window_, "Edit", 10, 200, 200, 24);
    std::string text;
    for (int i = 0; i < 40; ++i)
        text += std::string(60, 'x') + "\r\n";
    SetWindowTextA(memo, text.c_str());
    SkinEditsAndCombos(n_, window_);
    SkinEditRecord& record = *RecordAt(FormRecord(n_).edits, FindEditRecord(n_, memo));
    ASSERT_NE(record.verticalScrollBar, nullptr);
    ASSERT_NE(record.horizontalScrollBar, nullptr);

    // The overlay painters rewrite the part rectangles: forgotten ones come back only by a repaint.
    const auto forget = [&] { record.verticalParts = record.horizontalParts = {}; };
    const auto painted = [](const ScrollBarParts& parts) { return !IsRectEmpty(&parts[2]); };
    forget();
    EXPECT_TRUE(CommandInvalidates(memo, EN_CHANGE));
    EXPECT_TRUE(painted(record.verticalParts));
    EXPECT_TRUE(painted(record.horizontalParts));

    forget();
    EXPECT_TRUE(CommandInvalidates(memo, EN_UPDATE));
    EXPECT_FALSE(painted(record.verticalParts)) << "only a change of text moves the thumb";

    SCOPED_TRACE("a bar the Edit's style no longer has is left alone");
    SetWindowLongPtrA(memo, GWL_STYLE, GetWindowLongPtrA(memo, GWL_STYLE) & ~static_cast<LONG_PTR>(WS_HSCROLL));
    forget();
    EXPECT_TRUE(CommandInvalidates(memo, EN_CHANGE));
    EXPECT_TRUE(painted(record.verticalParts));
    EXPECT_FALSE(painted(record.horizontalParts));

    SCOPED_TRACE("an Edit without overlays only repaints itself");
    EXPECT_TRUE(CommandInvalidates(plain, EN_CHANGE));
}

TEST_F(FormNotificationsTest, TreeViewsRepaintAndTabControlsMarkTheirContainer)
{
    HWND tree = CreateTestChild(window_, WC_TREEVIEWA, 10, 40, 150, 100);
    HWND tabs = CreateTestChild(window_, WC_TABCONTROLA, 170, 40, 300, 200);
    HWND arrows = CreateTestChild(tabs, UPDOWN_CLASSA, 250, 2, 40, 20);
    HWND looseArrows = CreateTestChild(window_, UPDOWN_CLASSA, 10, 300, 40, 20);
    HWND otherTabs = CreateTestChild(window_, WC_TABCONTROLA, 170, 250, 300, 100);
    HWND otherArrows = CreateTestChild(otherTabs, UPDOWN_CLASSA, 250, 2, 40, 20);
    HWND box = CreateTestChild(window_, "Button", 10, 150, 150, 100, BS_GROUPBOX);
    RegisterTestContainer(n_, box, 0, 255, kContainerKindGroupBox);
    RegisterTestContainer(n_, tabs, 0, 255, kContainerKindTabControl);
    SkinFormRecord& form = FormRecord(n_);
    SkinContainerRecord& boxRecord = *form.containers[0];
    SkinContainerRecord& tabRecord = *form.containers[1];
    // A button of the button list whose list index names the group box's container slot.
    HWND button = CreateTestChild(window_, "Button", 10, 260, 80, 24);
    RegisterTestButton(n_, button);
    ASSERT_EQ(GetPropA(button, "Hw_lbID"), GetPropA(box, "Hw_lbID"));

    const auto clean = [&] { boxRecord.backgroundDirty = tabRecord.backgroundDirty = false; };
    struct Case {
        const char* what;
        HWND from;
        UINT code;
        bool boxDirty;
        bool tabDirty;
    } cases[] = {
        {"tab control changing its page", tabs, static_cast<UINT>(TCN_SELCHANGING), false, true},
        {"a tab control's arrows", arrows, static_cast<UINT>(UDN_DELTAPOS), false, true},
        {"arrows on the form", looseArrows, static_cast<UINT>(UDN_DELTAPOS), false, false},
        {"a control of another list", button, static_cast<UINT>(TCN_SELCHANGING), false, false},
        {"an unregistered tab control's arrows", otherArrows, static_cast<UINT>(UDN_DELTAPOS), false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        clean();
        Notify(c.from, c.code);
        EXPECT_EQ(boxRecord.backgroundDirty, c.boxDirty);
        EXPECT_EQ(tabRecord.backgroundDirty, c.tabDirty);
    }

    for (UINT code : {static_cast<UINT>(TVN_ITEMEXPANDEDA), static_cast<UINT>(TVN_ITEMEXPANDINGA)}) {
        UpdateWindow(tree);
        ValidateRect(tree, nullptr);
        Notify(tree, code);
        EXPECT_TRUE(GetUpdateRect(tree, nullptr, FALSE)) << code;
    }
}

TEST_F(FormNotificationsTest, ContainerFillOpacityOnRequest)
{
    HWND box = CreateTestChild(window_, "Button", 10, 40, 200, 150, BS_GROUPBOX);
    HWND bare = CreateTestChild(window_, "Button", 220, 40, 200, 150, BS_GROUPBOX);
    HWND button = CreateTestChild(window_, "Button", 10, 300, 80, 24);
    RegisterTestContainer(n_, box, GetSysColor(COLOR_BTNFACE), 0, kContainerKindGroupBox);
    RegisterTestContainer(n_, bare, 0, 255, kContainerKindGroupBox);
    RegisterTestButton(n_, button);
    RegisterTestButton(n_, CreateTestChild(window_, "Button", 100, 300, 80, 24));
    SkinFormRecord& form = FormRecord(n_);
    form.containers[0]->backgroundDirty = form.containers[1]->backgroundDirty = false;
    UpdateWindow(box);

    EXPECT_TRUE(SetContainerFillAlpha(box, 255));
    EXPECT_EQ(form.containers[0]->fillAlpha, 255);
    EXPECT_TRUE(form.containers[0]->backgroundDirty);
    EXPECT_TRUE(GetUpdateRect(box, nullptr, FALSE)) << "repainted";

    EXPECT_FALSE(SetContainerFillAlpha(bare, 128)) << "a container without a fill keeps none";
    EXPECT_EQ(form.containers[1]->fillAlpha, 255);
    EXPECT_FALSE(form.containers[1]->backgroundDirty);
    EXPECT_FALSE(SetContainerFillAlpha(button, 10)) << "its numbers name another list";
    EXPECT_EQ(form.containers[0]->fillAlpha, 255);
    EXPECT_FALSE(SetContainerFillAlpha(CreateTestChild(window_, "Static", 0, 0, 1, 1), 10)) << "no installer's";
}
