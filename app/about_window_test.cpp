// The about window under Wine: skinned, modal, the main window hidden while it is open and shown again
// however it closes, the download label opening the home page, and twenty lifetimes that leave no
// skinned form or memory context behind.
#include <gtest/gtest.h>

#include "app/about_window.h"
#include "app/main_window_navigation.h"
#include "app/modal_test_support.h"
#include "app/shell_test_support.h"
#include "runtime/forms/form_runtime.h"
#include "skin/core/memory_dc.h"
#include "skin/core/screenshot.h"
#include "skin/core/skin_form_record.h"
#include "skin/core/skin_registry.h"

namespace app_test {
namespace {

class AboutWindowTest : public ShellTest {
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        LayOutDataFolder(nullptr, false);
        ASSERT_TRUE(OpenMainWindow());
    }
    bool MainVisible() { return IsWindowVisible(window_->Window()) != FALSE; }
};

void PressLabel(forms::Form& form, const char* name)
{
    HWND label = form.Get(name).Window();
    SendMessageA(label, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
    SendMessageA(label, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
}

TEST_F(AboutWindowTest, ShowsSkinnedAndModalWhileTheMainWindowHides)
{
    bool checked = false;
    RunInsideNextModalLoop([&] {
        forms::Form* about = forms::FindForm("AboutWindow");
        ASSERT_NE(nullptr, about);
        EXPECT_TRUE(about->IsModal());
        EXPECT_FALSE(MainVisible());
        HWND window = about->Window();
        const SkinFormRecord* form = SkinFormAt(FindSkinnedWindow(window));
        ASSERT_NE(nullptr, form);
        EXPECT_EQ(100, form->captionHeight);
        EXPECT_TRUE(form->captionGradient);
        EXPECT_EQ(0xECECECu, form->tintColour);
        EXPECT_EQ(150, form->tintAlpha);
        EXPECT_EQ(kCloseEffectShrinkFade, form->closeEffect);
        RECT r = {};
        GetWindowRect(window, &r);
        EXPECT_EQ(585, r.right - r.left);
        EXPECT_EQ(394, r.bottom - r.top);
        EXPECT_EQ(kHomePageUrl, about->Get("超级链接框1").Text());
        EXPECT_EQ(kDownloadUrl, about->Get("超级链接框2").Text());
        EXPECT_FALSE(SaveWindowScreenshot(window, "about-window.png").empty());

        PressLabel(*about, "透明标签5");
        EXPECT_EQ(std::vector<std::string>{kHomePageUrl}, forms_test::Log().openedUrls);
        // The caption's close button closes through WM_CLOSE.
        EXPECT_TRUE(about->Close());
        checked = true;
    });
    EXPECT_TRUE(OpenAboutWindow());
    EXPECT_TRUE(checked);
    EXPECT_TRUE(MainVisible());
    EXPECT_TRUE(IsWindowEnabled(window_->Window())) << "the modal window gave the main window back";
}

TEST_F(AboutWindowTest, TwentyLifetimesLeaveNothingBehind)
{
    const int skinForms = SkinFormCount();
    const int memoryDcs = MemoryDcCount();
    for (int cycle = 0; cycle < 20; ++cycle) {
        RunInsideNextModalLoop([&] {
            forms::Form* about = forms::FindForm("AboutWindow");
            ASSERT_NE(nullptr, about);
            UpdateWindow(about->Window());
            // Every second time through the button, else as the caption's close button does.
            if (cycle % 2 == 0)
                SendMessageA(about->Get("按钮1").Window(), BM_CLICK, 0, 0);
            else
                about->Close();
        });
        forms::Event choice{*window_, Unit("联系我们"), forms::EventKind::Click};
        OnMenuContactUs(choice);
        ASSERT_EQ(nullptr, forms::FindForm("AboutWindow")) << cycle;
        ASSERT_TRUE(MainVisible()) << cycle;
    }
    EXPECT_EQ(skinForms, SkinFormCount());
    EXPECT_EQ(memoryDcs, MemoryDcCount());
}

}  // namespace
}  // namespace app_test
