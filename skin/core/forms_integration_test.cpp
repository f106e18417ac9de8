// The form runtime meets the skin: a window made from a frameless definition skins itself in its
// created handler; the skin's procedure stands in front of the runtime's, unit events still reach
// their handlers, and destroying the window releases the skin's record before the runtime's own
// clean-up.
#include <gtest/gtest.h>

#include "runtime/forms/form_runtime.h"
#include "skin/core/form_skinning.h"
#include "skin/core/form_window_proc.h"
#include "skin/core/memory_dc.h"
#include "skin/core/skin_registry.h"
#include "skin/core/skin_test_support.h"
#include "skin/core/window_props.h"

namespace {

int g_clicks = 0;
int g_created = 0;

void OnCreated(forms::Event& event)
{
    ++g_created;
    SetSkinOptions(true, 0);
    SkinFormOptions options;
    options.captionHeight = 100;
    options.captionGradient = 1;
    options.tintColour = 0xECECEC;
    options.tintAlpha = 150;
    SkinForm(event.form.Window(), options);
}

void OnClicked(forms::Event&)
{
    ++g_clicks;
}

forms::FormDef SkinnedDefinition()
{
    forms::FormDef def;
    def.id = 77;
    def.name = "SkinnedTestWindow";
    def.caption = "姓名评测";
    def.rect = {60, 60, 338, 202};
    def.flags = forms::kFormFrameless;
    def.units = {
        forms::Define(forms::UnitKind::Button, 1, "按钮名字评分", {230, 140, 88, 39}, "开始评分"),
        forms::Define(forms::UnitKind::Edit, 2, "编辑框姓名评分", {20, 140, 163, 24}),
    };
    def.bindings = {{0, forms::EventKind::Created, OnCreated}, {1, forms::EventKind::Click, OnClicked}};
    return def;
}

}  // namespace

TEST(FormsIntegrationTest, SkinnedRuntimeWindowsLiveAndGoCleanly)
{
    ASSERT_TRUE(forms::InitFormRuntime());
    const int forms = forms::OpenFormCount();
    const int skinned = SkinFormCount();
    const int memoryDcs = MemoryDcCount();
    const forms::FormDef def = SkinnedDefinition();
    g_clicks = g_created = 0;

    for (int cycle = 0; cycle < 50; ++cycle) {
        forms::Form* form = forms::OpenModeless(def);
        ASSERT_NE(form, nullptr);
        HWND window = form->Window();
        forms::ProcessPendingMessages();
        ASSERT_EQ(FindSkinnedWindow(window), skinned + 1);
        // The skin's procedure first, the runtime's behind it.
        EXPECT_EQ(GetWindowLongPtrA(window, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(SkinFormWindowProc));
        EXPECT_EQ(GetWindowProp(window, kPropHwProc), static_cast<LONG_PTR>(GetClassLongPtrA(window, GCLP_WNDPROC)));
        EXPECT_NE(FormRecord(FindSkinnedWindow(window)).frameDc, nullptr) << "shown and painted";
        RECT outer = {}, client = {};
        GetWindowRect(window, &outer);
        GetClientRect(window, &client);
        EXPECT_EQ(outer.right - outer.left, client.right) << "frameless";

        SendMessageA(form->Get("按钮名字评分").Window(), BM_CLICK, 0, 0);
        EXPECT_EQ(g_clicks, cycle + 1) << "unit events reach their handlers";
        ASSERT_TRUE(form->Destroy());
        forms::ProcessPendingMessages();
        ASSERT_EQ(SkinFormCount(), skinned);
        ASSERT_EQ(forms::OpenFormCount(), forms) << "the runtime's own clean-up ran";
        ASSERT_EQ(MemoryDcCount(), memoryDcs);
    }
    EXPECT_EQ(g_created, 50);
}
