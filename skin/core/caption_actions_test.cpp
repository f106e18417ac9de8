// Caption-button actions and the calling of application handlers.
#include <gtest/gtest.h>

#include <vector>

#include "skin/core/caption_actions.h"
#include "skin/core/skin_registry.h"
#include "skin/core/skin_test_support.h"

namespace {

std::vector<std::vector<int>> g_calls;

int RecordingHandler(const int* arguments, int count)
{
    g_calls.emplace_back(arguments, arguments + count);
    return count == 2 ? arguments[0] * 100 + arguments[1] : -count;
}

int AddCaptionButton(SkinFormRecord& form, int kind, const char* tip, SkinCallback callback = nullptr)
{
    auto button = std::make_unique<CaptionButtonRecord>();
    button->kind = kind;
    button->tipText = tip;
    button->callback = callback;
    return AppendRecord(form.captionButtons, std::move(button));
}

class SkinCaptionTest : public testing::Test {
protected:
    void SetUp() override
    {
        form_ = CreateTestForm(100, 100, 300, 200);
        n_ = SkinTestForm(form_);
        TestFormCommands().clear();
        g_calls.clear();
    }
    void TearDown() override
    {
        if (IsWindow(form_))
            DestroyWindow(form_);
    }
    SkinFormRecord& Form() { return FormRecord(n_); }

    HWND form_ = nullptr;
    int n_ = 0;
};

}  // namespace

TEST_F(SkinCaptionTest, MaximiseTogglesWithRestore)
{
    const int b = AddCaptionButton(Form(), kCaptionMaximize, "最大化");
    Form().needsFullRepaint = false;
    OnCaptionButtonClick(n_, b);
    EXPECT_EQ(TestFormCommands(), std::vector<WPARAM>{SC_MAXIMIZE});
    EXPECT_TRUE(Form().maximized);
    EXPECT_TRUE(Form().needsFullRepaint);
    EXPECT_EQ(Form().captionButtons[0]->tipText, "还原");

    OnCaptionButtonClick(n_, b);
    EXPECT_EQ(TestFormCommands(), (std::vector<WPARAM>{SC_MAXIMIZE, SC_RESTORE}));
    EXPECT_FALSE(Form().maximized);
    EXPECT_FALSE(Form().minimized);
    EXPECT_EQ(Form().captionButtons[0]->tipText, "最大化");
}

TEST_F(SkinCaptionTest, MinimiseKeepsTheMaximisedFlag)
{
    const int b = AddCaptionButton(Form(), kCaptionMinimize, "最小化");
    Form().maximized = true;
    OnCaptionButtonClick(n_, b);
    EXPECT_EQ(TestFormCommands(), std::vector<WPARAM>{SC_MINIMIZE});
    EXPECT_TRUE(Form().minimized);
    EXPECT_TRUE(Form().maximized);
}

TEST_F(SkinCaptionTest, HandlerButtonsCallTheirHandlers)
{
    const int help = AddCaptionButton(Form(), kCaptionHelp, "帮助");
    const int menu = AddCaptionButton(Form(), kCaptionMenu, "主菜单");
    const int custom = AddCaptionButton(Form(), kCaptionCustom, "自定", RecordingHandler);
    const int unset = AddCaptionButton(Form(), kCaptionCustom, "空");
    Form().helpCallback = RecordingHandler;

    OnCaptionButtonClick(n_, help);
    OnCaptionButtonClick(n_, menu);  // no handler set
    OnCaptionButtonClick(n_, unset);
    EXPECT_EQ(g_calls.size(), 1u);
    OnCaptionButtonClick(n_, custom);
    ASSERT_EQ(g_calls.size(), 2u);
    EXPECT_TRUE(g_calls[0].empty() && g_calls[1].empty()) << "caption handlers take no arguments";

    for (int outside : {0, -1, unset + 1}) {
        OnCaptionButtonClick(n_, outside);
        OnCaptionButtonClick(0, help);
        OnCaptionButtonClick(SkinFormCount() + 1, help);
    }
    EXPECT_EQ(g_calls.size(), 2u);
    EXPECT_TRUE(TestFormCommands().empty());
}

TEST_F(SkinCaptionTest, CloseMayEndTheForm)
{
    const int b = AddCaptionButton(Form(), kCaptionClose, "关闭");
    const int count = SkinFormCount();
    OnCaptionButtonClick(n_, b);
    EXPECT_EQ(TestFormCommands(), std::vector<WPARAM>{SC_CLOSE});
    EXPECT_FALSE(IsWindow(form_));
    EXPECT_EQ(SkinFormCount(), count - 1);
}

TEST(SkinCallbackTest, HandlersGetTheArgumentsInOrder)
{
    g_calls.clear();
    EXPECT_EQ(InvokeCallback(RecordingHandler, {7, 9}), 709);
    EXPECT_EQ(InvokeCallback(RecordingHandler), 0);
    EXPECT_EQ(InvokeCallback(RecordingHandler, {1, 2, 3}), -3);
    ASSERT_EQ(g_calls.size(), 3u);
    EXPECT_EQ(g_calls[0], (std::vector<int>{7, 9}));
    EXPECT_TRUE(g_calls[1].empty());
    EXPECT_EQ(g_calls[2], (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(InvokeCallback(nullptr, {7, 9}), 0);
    EXPECT_EQ(g_calls.size(), 3u);
}
