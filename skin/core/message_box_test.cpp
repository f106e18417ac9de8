// Message boxes through the skin: results, the skinned box's shape and fade, the hook's life (also
// after a failed call), boxes opened over boxes, a box closed while it fades in, and the picture of a
// box as the user sees it.
#include <gtest/gtest.h>

#include "skin/controls/static_family.h"
#include "skin/core/dialog_frame_proc.h"
#include "skin/core/dialog_test_support.h"
#include "skin/core/form_skinning.h"
#include "skin/core/message_box.h"
#include "skin/core/skin_options.h"
#include "skin/core/skin_registry.h"
#include "skin/core/skin_test_support.h"
#include "skin/core/window_props.h"

namespace {

constexpr DWORD kFadeWaitMs = 2000;

class MessageBoxTest : public testing::Test {
protected:
    void SetUp() override
    {
        g_skinBaseColour = RGB(120, 180, 120);
        g_appIcon = LoadIcon(nullptr, IDI_INFORMATION);
        owner_ = CreateFrameForm(200, 150, 400, 300, 0, false);
        SkinForm(owner_);
        ShowWindow(owner_, SW_SHOW);
        UpdateWindow(owner_);
    }
    void TearDown() override
    {
        DestroyWindow(owner_);
        g_skinBaseColour = 0;
        g_appIcon = nullptr;
        EXPECT_EQ(g_cbtHook, nullptr) << "no hook outlives its box";
    }
    HWND owner_ = nullptr;
};

BOOL CALLBACK FindAnyDialog(HWND window, LPARAM found)
{
    if (IsWindowVisible(window) && GetWindowClassName(window) == "#32770") {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

// The visible system dialog of this thread, skinned or not.
HWND AnyDialogOfThread()
{
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindAnyDialog, reinterpret_cast<LPARAM>(&found));
    return found;
}

std::string TitleOf(HWND window)
{
    char title[256] = {};
    GetWindowTextA(window, title, sizeof(title));
    return title;
}

// What a test reads of a box while it is open.
struct SeenBox {
    HWND window = nullptr;
    RECT rect = {};
    int alpha = -1;
    std::string title;
};

SeenBox See(HWND box)
{
    SeenBox seen;
    seen.window = box;
    GetWindowRect(box, &seen.rect);
    seen.alpha = LayeredAlpha(box);
    seen.title = TitleOf(box);
    return seen;
}

// A step that waits for the newest skinned box to reach full fade (or the time-out), lets `inspect`
// look at it and presses `command`.
std::function<bool()> PressWhenFaded(size_t boxes, WORD command, SeenBox& seen,
                                     std::function<void(HWND)> inspect = nullptr)
{
    const DWORD start = GetTickCount();
    return [=, &seen]() {
        const std::vector<HWND> dialogs = SkinnedDialogsOfThread();
        if (dialogs.size() < boxes) {
            if (GetTickCount() - start < kFadeWaitMs)
                return false;
            ADD_FAILURE() << "no box of its own appeared";
            return true;
        }
        HWND box = dialogs.front();
        if (LayeredAlpha(box) != 240 && GetTickCount() - start < kFadeWaitMs)
            return false;
        seen = See(box);
        if (inspect)
            inspect(box);
        PostMessageA(box, WM_COMMAND, command, 0);
        return true;
    };
}

int RectWidth(const RECT& r)
{
    return r.right - r.left;
}

// Dark pixels the text static's face puts outside the static when drawn on a larger white page: the
// parts of the text the static would cut off.
int InkOutsideTextStatic(HWND box)
{
    HWND text = GetDlgItem(box, 0xFFFF);
    StaticSnapshot face;
    if (!text || !TakeStaticSnapshot(text, face))
        return -1;
    RECT rc = {};
    GetClientRect(text, &rc);
    const int w = rc.right + 120;
    const int h = rc.bottom + 80;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = h;  // bottom-up, as the painter's surface expects
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP page = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(dc, page);
    PatBlt(dc, 0, 0, w, h, WHITENESS);
    // Laid out for the static's width, as it is on the screen, but with room around it to see what
    // falls outside.
    DrawStaticFace(dc, rc.right, h, face);
    GdiFlush();
    int outside = 0;
    const auto* pixels = static_cast<const DWORD*>(bits);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const DWORD p = pixels[(h - 1 - y) * w + x];
            const bool dark = (p & 0xFF) < 128 && ((p >> 8) & 0xFF) < 128 && ((p >> 16) & 0xFF) < 128;
            if (dark && (x >= rc.right || y >= rc.bottom))
                ++outside;
        }
    SelectObject(dc, old);
    DeleteObject(page);
    DeleteDC(dc);
    return outside;
}

}  // namespace

TEST_F(MessageBoxTest, TheTextFitsItsSkinnedBox)
{
    const char* texts[] = {"复制成功", "软件有新版本，是否现在升级？",
                           "已导出到：Z:\\work\\main\\build\\win64\\tools\\journey\\收集的名字.txt",
                           "名字数据库打不开，收藏的名字这次不能保存。请检查程序文件夹里的 data\\data.dll 是否完好。"};
    for (const char* text : texts) {
        SeenBox seen;
        int outside = -1;
        TimerScript script(20, PressWhenFaded(1, IDOK, seen, [&](HWND box) { outside = InkOutsideTextStatic(box); }));
        EXPECT_EQ(ShowMessageBox(owner_, text, MB_OK), 0);
        EXPECT_EQ(outside, 0) << text;
    }
}

TEST_F(MessageBoxTest, ButtonsGiveTheirResultsInASkinnedBox)
{
    // The system's own box first, to know its size and default title.
    SeenBox plain;
    {
        TimerScript script(20, [&]() {
            HWND box = AnyDialogOfThread();
            if (!box)
                return false;
            plain = See(box);
            PostMessageA(box, WM_COMMAND, IDYES, 0);
            return true;
        });
        EXPECT_EQ(MessageBoxExA(owner_, "软件有新版本，是否升级？", nullptr, MB_YESNO | MB_ICONINFORMATION, 0), IDYES);
    }
    ASSERT_NE(plain.window, nullptr);
    EXPECT_FALSE(plain.title.empty());

    struct Case {
        UINT style;
        WORD command;
        int result;
    } cases[] = {{MB_YESNO | MB_ICONINFORMATION, IDYES, 5}, {MB_YESNO | MB_ICONINFORMATION, IDNO, 6}, {MB_OK, IDOK, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        SeenBox seen;
        int region = 0;
        RECT close = {};
        LONG_PTR previous = 0;
        TimerScript script(20, PressWhenFaded(1, c.command, seen, [&](HWND box) {
            region = HasRoundRegion(box, 5);
            previous = GetWindowProp(box, kPropHwProc);
            const CaptionButtonRecord& button = *RecordAt(FormRecord(FindSkinnedWindow(box)).captionButtons, 1);
            close = RECT{static_cast<LONG>(button.rect.x), static_cast<LONG>(button.rect.y),
                         static_cast<LONG>(button.rect.width), static_cast<LONG>(button.rect.height)};
        }));
        EXPECT_EQ(ShowMessageBox(owner_, "软件有新版本，是否升级？", c.style), c.result);
        EXPECT_EQ(g_cbtHook, nullptr);
        ASSERT_NE(seen.window, nullptr);
        EXPECT_EQ(seen.alpha, 240);
        EXPECT_TRUE(region);
        EXPECT_NE(previous, 0);
        EXPECT_EQ(close.left, RectWidth(seen.rect) - 36);
        EXPECT_EQ(close.top, 0);
        EXPECT_EQ(close.right, 36) << "the width";
        EXPECT_EQ(close.bottom, 22) << "the height";
        EXPECT_EQ(seen.title, "提示") << "no caption: 提示, not the system's default title";
        EXPECT_NE(seen.title, plain.title);
        if (c.style == (MB_YESNO | MB_ICONINFORMATION)) {
            // Six pixels wider for the frame, and larger still where the skin's text needs room.
            EXPECT_GE(RectWidth(seen.rect), RectWidth(plain.rect) + 6);
            EXPECT_GE(seen.rect.bottom - seen.rect.top, plain.rect.bottom - plain.rect.top);
        }
    }

    SeenBox captioned;
    TimerScript script(20, PressWhenFaded(1, IDOK, captioned));
    EXPECT_EQ(ShowMessageBox(owner_, "复制成功", MB_OK, std::string("复制")), 0);
    EXPECT_EQ(captioned.title, "复制");
}

TEST_F(MessageBoxTest, AFailedCallLeavesNoHookBehind)
{
    // Should a box appear after all, it is closed.
    TimerScript guard(50, [] {
        if (HWND box = AnyDialogOfThread())
            PostMessageA(box, WM_COMMAND, IDOK, 0);
        return false;
    });
    EXPECT_EQ(ShowMessageBox(reinterpret_cast<HWND>(static_cast<INT_PTR>(0x7654321)), "增加失败"), -1);
    EXPECT_EQ(g_cbtHook, nullptr);

    // The thread's next system dialog (a save dialog, say) stays the system's.
    ScopedWindow dialog(CreateSimpleTestDialog());
    ShowWindow(dialog, SW_SHOW);
    SetActiveWindow(dialog);
    PumpFor(50);
    EXPECT_EQ(FindSkinnedWindow(dialog), 0);
    EXPECT_EQ(GetPropA(dialog, kPropHwProc), nullptr);
}

TEST_F(MessageBoxTest, TheHookSkinsOnlyUnskinnedSystemDialogs)
{
    ScopedWindow marked(CreateSimpleTestDialog());
    SetWindowProp(marked, kPropHwProc, GetWindowLongPtrA(marked, GWLP_WNDPROC));
    ScopedWindow form(CreateFrameForm(50, 50, 200, 100, 0, false));
    ScopedWindow dialog(CreateSimpleTestDialog());
    ASSERT_TRUE(InstallMessageBoxHook());

    ShowWindow(marked, SW_SHOW);
    EXPECT_EQ(FindSkinnedWindow(marked), 0) << "a dialog carrying Hw_hProc is passed over";
    ShowWindow(form, SW_SHOW);
    EXPECT_EQ(FindSkinnedWindow(form), 0) << "not a system dialog";
    ASSERT_NE(g_cbtHook, nullptr);
    ShowWindow(dialog, SW_SHOW);
    EXPECT_GT(FindSkinnedWindow(dialog), 0);
    EXPECT_EQ(g_cbtHook, nullptr) << "the skinned dialog's activation removed the hook";
}

TEST_F(MessageBoxTest, ABoxOverABoxFadesInAndEachReturnsItsButton)
{
    SeenBox outer, inner, outerAfter;
    int innerResult = -2;
    std::unique_ptr<TimerScript> innerScript;
    TimerScript outerScript(20, PressWhenFaded(1, IDYES, outer, [&](HWND box) {
        innerScript = std::make_unique<TimerScript>(20, PressWhenFaded(2, IDNO, inner));
        innerResult = ShowMessageBox(owner_, "增加成功", MB_YESNO | MB_ICONINFORMATION, std::string("提示"));
        outerAfter = See(box);
    }));
    EXPECT_EQ(ShowMessageBox(owner_, "软件已经是最新版，不需要升级", MB_YESNO | MB_ICONINFORMATION), 5);
    EXPECT_EQ(innerResult, 6);
    EXPECT_EQ(outer.alpha, 240);
    EXPECT_EQ(inner.alpha, 240) << "the second box fades in too";
    EXPECT_NE(inner.window, outer.window);
    EXPECT_EQ(inner.title, "提示");
    EXPECT_TRUE(EqualRect(&outerAfter.rect, &outer.rect)) << "the first box is not shrunk when the second goes";
    EXPECT_EQ(outerAfter.alpha, 240);
}

namespace {

HWND g_watchedBox = nullptr;
RECT g_rectAfterFocus = {};

LRESULT CALLBACK AfterCall(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* call = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (code == HC_ACTION && call->hwnd == g_watchedBox && call->message == WM_SETFOCUS)
        GetWindowRect(call->hwnd, &g_rectAfterFocus);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

TEST_F(MessageBoxTest, ABoxClosedWhileFadingInStopsItsFadeAndShrinks)
{
    const int open = OpenDialogFadeThreads();
    HHOOK watch = SetWindowsHookExA(WH_CALLWNDPROCRET, AfterCall, nullptr, GetCurrentThreadId());
    ASSERT_NE(watch, nullptr);
    SeenBox seen;
    g_rectAfterFocus = RECT{};
    TimerScript script(5, [&] {
        const std::vector<HWND> boxes = SkinnedDialogsOfThread();
        if (boxes.empty() || !FormRecord(FindSkinnedWindow(boxes[0])).dialogFade)
            return false;
        seen = See(boxes[0]);
        g_watchedBox = boxes[0];
        PostMessageA(boxes[0], WM_COMMAND, IDOK, 0);
        return true;
    });
    EXPECT_EQ(ShowMessageBox(owner_, "复制成功"), 0);
    UnhookWindowsHookEx(watch);
    EXPECT_LT(seen.alpha, 240) << "closed during the fade";
    EXPECT_EQ(OpenDialogFadeThreads(), open);
    EXPECT_GT(RectWidth(g_rectAfterFocus), 0) << "the box got the focus as it closed";
    EXPECT_LT(RectWidth(g_rectAfterFocus), RectWidth(seen.rect) / 5) << "the shrink's steps were all shown";
}

TEST_F(MessageBoxTest, Screenshot)
{
    const struct {
        const char* text;
        UINT style;
        const char* caption;
        WORD press;
        int result;
        const char* file;
    } boxes[] = {
        {"软件有新版本，是否现在升级？", MB_YESNO | MB_ICONINFORMATION, "提示", IDYES, 5, "message-box.png"},
        {"复制成功", MB_OK, "复制", IDOK, 0, "copied-message-box.png"},
        {"已导出到：Z:\\work\\main\\build\\win64\\tools\\journey\\收集的名字.txt", MB_OK, "提示", IDOK, 0,
         "exported-message-box.png"},
    };
    for (const auto& b : boxes) {
        SeenBox seen;
        std::string saved;
        TimerScript script(20, PressWhenFaded(1, b.press, seen, [&](HWND box) {
            RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
            saved = SaveWholeWindowScreenshot(box, b.file);
        }));
        EXPECT_EQ(ShowMessageBox(owner_, b.text, b.style, std::string(b.caption)), b.result);
        EXPECT_FALSE(saved.empty()) << b.file;
    }
}
