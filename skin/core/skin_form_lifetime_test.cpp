// Whole skinned forms used the way a person uses them: skinned, shown, hovered, maximised and restored,
// with labels and a skin change, then destroyed, a hundred times without leaving a memory context or a
// GDI object behind; and the pictures a person would look at.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "skin/core/form_caption_mouse.h"
#include "skin/core/form_rows_test_support.h"
#include "skin/core/form_skinning.h"
#include "skin/core/form_test_support.h"
#include "skin/core/memory_dc.h"
#include "skin/core/screenshot.h"
#include "skin/core/skin_appearance.h"
#include "skin/core/skin_options.h"
#include "skin/core/skin_registry.h"
#include "skin/core/skin_test_support.h"
#include "skin/core/skinned_labels.h"
#include "skin/core/window_props.h"

namespace {

// A skin picture of the program's own skins, as Wine sees the source tree.
std::string SkinPictureFile(const char* skin)
{
    std::string path = std::string("Z:") + BN_SKIN_SOURCE_DIR + "/" + skin + "/bk.jpg";
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

class SkinFormLifetimeTest : public testing::Test {
protected:
    void SetUp() override
    {
        g_firstFormSize = false;
        SetSkinOptions(true, 0);
        FormAnsweredMessages().clear();
    }
    void TearDown() override
    {
        SetSkinOptions(true);
        ApplySkin(SkinPicture{});
        g_skinImage.clear();
        g_skinBaseColour = 0;
    }
};

void Steps(HWND window, int count)
{
    for (int i = 0; i < count; ++i)
        SendMessageA(window, WM_TIMER, CaptionFadeTimerId(window), 0);
}

void ClickButton(HWND window, const SkinFormRecord& form, int button)
{
    const LPARAM point = ButtonCentre(form, button);
    SendMessageA(window, WM_MOUSEMOVE, 0, point);
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, point);
    SendMessageA(window, WM_LBUTTONUP, 0, point);
}

// The GDI objects the skin holds for the form and its labels.
std::vector<HGDIOBJ> SkinObjectsOf(const SkinFormRecord& form)
{
    std::vector<HGDIOBJ> objects = {form.frameDc, form.captionCacheDc, form.captionCacheBitmap, form.backBufferDc,
                                    GetWindowPropHandle<HGDIOBJ>(form.hwnd, kPropFrameBitmap)};
    objects.erase(std::remove(objects.begin(), objects.end(), nullptr), objects.end());
    return objects;
}

}  // namespace

TEST_F(SkinFormLifetimeTest, HundredFormsLeaveNothingBehind)
{
    const int contexts = MemoryDcCount();
    const int forms = SkinFormCount();
    const std::string picture = CaptionTestPicture();
    std::vector<HGDIOBJ> gone;
    for (int cycle = 0; cycle < 100; ++cycle) {
        HWND window = CreateFrameForm(30, 30, 360, 260, WS_MINIMIZEBOX | WS_MAXIMIZEBOX, false);
        SetWindowTextA(window, "生命周期");
        SkinFormOptions options;
        options.frameEnabled = 1;
        options.statusHeight = 20;
        SkinForm(window, options);
        HWND plain = CreateTestChild(window, "Static", 20, 60, 120, 20);
        HWND glowing = CreateTestChild(window, "Static", 20, 90, 120, 20);
        SetWindowTextA(plain, "标签");
        SetWindowTextA(glowing, "光晕标签");
        LabelStyle halo;
        halo.textColour = 0xFFFFFF;
        halo.haloColour = 0;
        ASSERT_TRUE(CreateSkinnedChildControl(plain));
        ASSERT_TRUE(CreateSkinnedChildControl(glowing, halo));
        ShowWindow(window, SW_SHOW);
        UpdateWindow(window);
        const int n = FindSkinnedWindow(window);
        SkinFormRecord& form = FormRecord(n);

        SendMessageA(window, WM_MOUSEMOVE, 0, ButtonCentre(form, 1));
        SendMessageA(window, WM_MOUSEHOVER, 0, 0);
        Steps(window, 8);
        SendMessageA(window, WM_MOUSEMOVE, 0, ButtonCentre(form, 3));
        Steps(window, 3);
        SendMessageA(window, WM_MOUSELEAVE, 0, 0);
        Steps(window, 8);

        // A maximised form covers the whole screen, which costs Wine most of a second per paint.
        if (cycle % 25 == 0) {
            ClickButton(window, form, 2);
            UpdateWindow(window);
            EXPECT_TRUE(form.maximized);
            ClickButton(window, form, 2);
            UpdateWindow(window);
            EXPECT_FALSE(form.maximized);
        }

        SkinPicture skin;
        if (cycle % 4 == 0) {
            skin.bytes = picture;
            skin.themeColour = kThemeFromBaseColour;
            skin.imageMode = cycle % 8 == 0 ? 1 : 4;
        } else {
            skin.baseColour = RGB(40, 90 + cycle, 140);
        }
        ApplySkin(skin);
        UpdateWindow(window);
        UpdateWindow(plain);
        UpdateWindow(glowing);
        SetWindowTextA(plain, "新标签");

        const std::vector<HGDIOBJ> objects = SkinObjectsOf(form);
        ASSERT_GE(objects.size(), 5u);
        gone.insert(gone.end(), objects.begin(), objects.end());
        DestroyWindow(window);
        for (HGDIOBJ object : objects)
            ASSERT_EQ(GetObjectType(object), 0u) << "cycle " << cycle;
    }
    EXPECT_EQ(MemoryDcCount(), contexts);
    EXPECT_EQ(SkinFormCount(), forms);
    EXPECT_EQ(gone.size(), 500u);
}

TEST_F(SkinFormLifetimeTest, Screenshots)
{
    {
        SCOPED_TRACE("a caption button lit, another pressed");
        ScopedWindow window(ShowProgramLikeForm(640, 420, "宝宝起名 - 标题按钮"));
        SkinFormRecord& form = FormRecord(FindSkinnedWindow(window));
        SendMessageA(window, WM_MOUSEMOVE, 0, ButtonCentre(form, 1));
        SendMessageA(window, WM_MOUSEHOVER, 0, 0);
        Steps(window, 8);
        SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, ButtonCentre(form, 3));
        EXPECT_FALSE(SaveWindowScreenshot(window, "caption-hover.png").empty());
    }
    {
        SCOPED_TRACE("a picture skin with halo labels");
        ScopedWindow window(CreateFrameForm(40, 40, 640, 420, WS_MINIMIZEBOX | WS_MAXIMIZEBOX, false));
        SetWindowTextA(window, "宝宝起名 - 换肤");
        SkinFormOptions options;
        options.captionHeight = 90;
        options.frameEnabled = 1;
        options.captionGradient = 1;
        options.statusHeight = 24;
        SkinForm(window, options);
        SkinPicture skin;
        skin.fileName = SkinPictureFile("lotus");
        skin.themeColour = kThemeFromBaseColour;
        skin.imageMode = 1;
        ApplySkin(skin);
        ASSERT_FALSE(g_skinImage.empty());
        TitleTextStyle title;
        title.glowColour = 0;
        title.softGlow = 1;
        SetTitleTextStyle(window, title);
        struct Label {
            const char* text;
            int y;
            LabelStyle style;
        } labels[] = {
            {"荷塘清韵：白字黑晕", 120, {}},
            {"默认标签：黑色宋体 12", 160, {}},
            {"居中的大字标签", 200, {}},
        };
        labels[0].style.textColour = 0xFFFFFF;
        labels[0].style.haloColour = 0;
        labels[2].style.fontSize = 18;
        labels[2].style.fontStyle = 1;
        labels[2].style.alignment = 1;
        labels[2].style.haloColour = 0xFFFFFF;
        for (const Label& l : labels) {
            HWND label = CreateTestChild(window, "Static", 30, l.y, 300, 30);
            SetWindowTextA(label, l.text);
            ASSERT_TRUE(CreateSkinnedChildControl(label, l.style));
        }
        ShowWindow(window, SW_SHOW);
        UpdateWindow(window);
        RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        EXPECT_FALSE(SaveWindowScreenshot(window, "skin-applied.png").empty());
    }
}
