// Marking a form's kept pictures stale, and repainting see-through children.
#include <gtest/gtest.h>

#include "skin/controls/form_repaint.h"
#include "skin/core/skin_registry.h"
#include "skin/core/skin_test_support.h"
#include "skin/core/window_props.h"

namespace {

template <class Record>
Record* AddCustom(RecordList<Record>& list, HWND window, int formNumber)
{
    auto record = std::make_unique<Record>();
    record->hwnd = window;
    record->dirty = false;
    Record* added = record.get();
    {
        SkinRegistryWriteGuard guard;
        list.push_back(std::move(record));
    }
    SetWindowProp(window, kPropHwFormNumber, formNumber);
    return added;
}

template <class Record>
void Drop(RecordList<Record>& list)
{
    SkinRegistryWriteGuard guard;
    list.clear();
}

struct CleanForm {
    int number;
    SkinContainerRecord* container;
    SkinKjRecord* kj;
    SkinnedChildRecord* child;
    SkinListControlRecord* list;
};

// A form whose records are all clean, one of each kind.
CleanForm MakeCleanForm(HWND window)
{
    CleanForm f{};
    f.number = SkinTestForm(window);
    SkinFormRecord& form = FormRecord(f.number);
    HWND box = CreateTestChild(window, "Button", 0, 0, 50, 50, BS_GROUPBOX);
    RegisterTestContainer(f.number, box, 0, 255, kContainerKindGroupBox);
    f.container = form.containers.back().get();
    f.container->backgroundDirty = false;
    form.kjControls.push_back(std::make_unique<SkinKjRecord>());
    f.kj = form.kjControls.back().get();
    form.childControls.push_back(std::make_unique<SkinnedChildRecord>());
    f.child = form.childControls.back().get();
    f.child->dirty = false;
    form.listControls.push_back(std::make_unique<SkinListControlRecord>());
    f.list = form.listControls.back().get();
    f.list->dirty = false;
    return f;
}

bool HasUpdate(HWND window)
{
    RECT r;
    return GetUpdateRect(window, &r, FALSE) != 0;
}

}  // namespace

TEST(FormRepaintTest, MarksOnlyTheFormsOwnParts)
{
    ScopedWindow first(CreateTestForm(0, 0, 200, 150));
    ScopedWindow second(CreateTestForm(220, 0, 200, 150));
    CleanForm a = MakeCleanForm(first);
    CleanForm b = MakeCleanForm(second);
    HWND mine = CreateTestChild(first, "Static", 0, 0, 10, 10);
    HWND theirs = CreateTestChild(second, "Static", 0, 0, 10, 10);
    SkinCanvasRecord* canvas = AddCustom(g_skinCanvases, mine, a.number);
    SkinCanvasRecord* otherCanvas = AddCustom(g_skinCanvases, theirs, b.number);
    NavBarRecord* bar = AddCustom(g_navBars, mine, a.number);
    GroupListRecord* groups = AddCustom(g_groupLists, mine, a.number);
    TabStripRecord* tabs = AddCustom(g_tabStrips, mine, a.number);
    ScrollBarRecord* scroll = AddCustom(g_scrollBars, mine, a.number);
    ScrollBarRecord* otherScroll = AddCustom(g_scrollBars, theirs, b.number);

    SCOPED_TRACE("containers only");
    MarkFormBackgroundsDirty(first, true);
    EXPECT_TRUE(a.container->backgroundDirty);
    EXPECT_TRUE(a.container->childrenMoved);
    EXPECT_FALSE(a.kj->repaint);
    EXPECT_FALSE(a.list->dirty);
    EXPECT_FALSE(canvas->dirty);
    EXPECT_FALSE(bar->dirty);

    SCOPED_TRACE("everything of the first form");
    MarkFormBackgroundsDirty(first);
    EXPECT_TRUE(a.kj->repaint);
    EXPECT_TRUE(a.child->dirty);
    EXPECT_TRUE(a.list->dirty);
    EXPECT_TRUE(canvas->dirty);
    EXPECT_TRUE(canvas->formDirty);
    EXPECT_TRUE(bar->dirty);
    EXPECT_TRUE(groups->dirty);
    EXPECT_TRUE(tabs->dirty);
    EXPECT_TRUE(scroll->dirty);
    // Nothing of the second form.
    EXPECT_FALSE(b.container->backgroundDirty);
    EXPECT_FALSE(b.kj->repaint);
    EXPECT_FALSE(b.list->dirty);
    EXPECT_FALSE(otherCanvas->dirty);
    EXPECT_FALSE(otherScroll->dirty);

    SCOPED_TRACE("a window that is no skinned form");
    ScopedWindow plain(CreateTestForm(0, 200, 100, 100));
    SetWindowProp(plain, kPropHwListIndex, b.number);  // a list index, not its own form's number
    MarkFormBackgroundsDirty(plain);
    EXPECT_FALSE(b.container->backgroundDirty);

    Drop(g_skinCanvases);
    Drop(g_navBars);
    Drop(g_groupLists);
    Drop(g_tabStrips);
    Drop(g_scrollBars);
}

TEST(FormRepaintTest, OnlyTransparentChildrenRepaint)
{
    ScopedWindow form(CreateTestForm(0, 0, 200, 150));
    HWND seeThrough = CreateTestChild(form, "Static", 0, 0, 50, 20, 0, WS_EX_TRANSPARENT);
    HWND solid = CreateTestChild(form, "Static", 0, 30, 50, 20);
    HWND box = CreateTestChild(form, "Static", 0, 60, 100, 60);
    HWND inner = CreateTestChild(box, "Static", 0, 0, 20, 20, 0, WS_EX_TRANSPARENT);
    UpdateWindow(form);
    for (HWND w : {seeThrough, solid, inner}) {
        UpdateWindow(w);
        ASSERT_FALSE(HasUpdate(w));
    }
    InvalidateTransparentChildren(form);
    EXPECT_TRUE(HasUpdate(seeThrough));
    EXPECT_FALSE(HasUpdate(solid));
    EXPECT_FALSE(HasUpdate(inner)) << "direct children only";
}
