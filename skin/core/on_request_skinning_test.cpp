// Windows handed to the skin on request: a control with pages becomes a Kj control and a container,
// neither twice; a group box registered twice is one container; a transparent fill made opaque.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "skin/core/form_skinning.h"
#include "skin/core/on_request_skinning.h"
#include "skin/core/skin_options.h"
#include "skin/core/skin_registry.h"
#include "skin/core/skin_test_support.h"

namespace {

class OnRequestSkinningTest : public testing::Test {
protected:
    void SetUp() override
    {
        INITCOMMONCONTROLSEX classes = {sizeof(classes), ICC_TAB_CLASSES | ICC_BAR_CLASSES};
        InitCommonControlsEx(&classes);
        g_firstFormSize = false;
        SetSkinOptions(true, 0);
        window_ = CreateFrameForm(40, 40, 500, 400);
        SkinForm(window_);
        n_ = FindSkinnedWindow(window_);
    }
    void TearDown() override
    {
        DestroyWindow(window_);
        SetSkinOptions(true);
    }

    HWND window_ = nullptr;
    int n_ = 0;
};

LONG_PTR ProcOf(HWND window)
{
    return GetWindowLongPtrA(window, GWLP_WNDPROC);
}

}  // namespace

TEST_F(OnRequestSkinningTest, ControlWithPagesBecomesAKjControlAndAContainerOnce)
{
    HWND tabs = CreateTestChild(window_, WC_TABCONTROLA, 10, 40, 300, 200);
    CreateTestChild(tabs, "Static", 4, 30, 100, 20);
    const LONG_PTR native = ProcOf(tabs);

    const int kj = SkinControl(tabs);
    ASSERT_GE(kj, 1);
    EXPECT_EQ(GetPropA(tabs, "Kj_lbID"), reinterpret_cast<HANDLE>(static_cast<INT_PTR>(kj)));
    EXPECT_EQ(GetPropA(tabs, "Kj_FuID"), reinterpret_cast<HANDLE>(static_cast<INT_PTR>(n_)));
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(GetPropA(tabs, "Kj_hProc")), native);
    const int container = FindContainerIndex(n_, tabs);
    ASSERT_GE(container, 1) << "a window with children is a container too";
    const SkinContainerRecord& record = *RecordAt(FormRecord(n_).containers, container);
    EXPECT_EQ(record.fillColour, 0u) << "no fill when none was given";
    EXPECT_EQ(record.paintAsContainer, 1) << "a tab control paints itself";

    const LONG_PTR skinned = ProcOf(tabs);
    EXPECT_EQ(SkinControl(tabs), 0) << "a second request would make the control call itself";
    EXPECT_EQ(ProcOf(tabs), skinned);
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(GetPropA(tabs, "Kj_hProc")), native);
    EXPECT_EQ(FormRecord(n_).containers.size(), static_cast<size_t>(container));

    HWND outside = CreateWindowExA(0, "Static", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    const LONG_PTR outsideProc = ProcOf(outside);
    EXPECT_EQ(SkinControl(outside), 0) << "no skinned form owns it";
    EXPECT_EQ(ProcOf(outside), outsideProc);
    EXPECT_EQ(SkinGroupBox(outside), 0);
    DestroyWindow(outside);
}

TEST_F(OnRequestSkinningTest, GroupBoxTwiceIsOneContainerAndItsFillTurnsOpaque)
{
    HWND box = CreateTestChild(window_, "Button", 10, 40, 200, 150, BS_GROUPBOX);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const int container = SkinGroupBox(box, 1, face, 0, 1);
    ASSERT_GE(container, 1);
    const LONG_PTR skinned = ProcOf(box);
    EXPECT_EQ(SkinGroupBox(box, 1, face, 0, 1), 0);
    EXPECT_EQ(ProcOf(box), skinned);
    EXPECT_EQ(FindContainerIndex(n_, box), container);
    EXPECT_EQ(FormRecord(n_).containers.size(), static_cast<size_t>(container));

    SkinContainerRecord& record = *RecordAt(FormRecord(n_).containers, container);
    EXPECT_EQ(record.fillColour, face);
    EXPECT_EQ(record.fillAlpha, 0);
    UpdateWindow(window_);
    record.backgroundDirty = false;
    EXPECT_TRUE(SetContainerFillAlpha(box, 255));
    EXPECT_EQ(record.fillAlpha, 255);
    EXPECT_TRUE(record.backgroundDirty);
    EXPECT_TRUE(GetUpdateRect(box, nullptr, FALSE)) << "repainted with the opaque fill";

    HWND other = CreateTestChild(window_, "Button", 220, 40, 200, 150, BS_GROUPBOX);
    const int second = SkinGroupBox(other, 1, face, 0x1280);
    ASSERT_GE(second, 1);
    EXPECT_EQ(RecordAt(FormRecord(n_).containers, second)->fillAlpha, 0x80) << "only the low byte counts";
}
