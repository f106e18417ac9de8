// A parent with the keyboard alone: types the surname, chooses 女, generates and stops, adds a name to
// the side box, combines a pool and adds a name to the favourites, opens 自选列表 and 姓名评测, scores
// a name and closes every window. No step touches
// the mouse; the pointer is where it was at the start when the program ends.
#include <functional>
#include <string>

#include "tools/journey/journey_checks.h"
#include "tools/journey/journeys.h"
#include "tools/journey/real_input.h"
#include "tools/journey/remote_controls.h"

namespace journey {
namespace {

constexpr int kMostTabs = 60;
constexpr char kSurname[] = "李";

// The window of the program's user-interface thread that has the keyboard focus.
HWND FocusOf(HWND window)
{
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    if (!window || !GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info))
        return nullptr;
    return info.hwndFocus;
}

std::string Describe(HWND window)
{
    if (!window)
        return "nothing";
    return WindowClass(window) + " \"" + WindowText(window) + "\"";
}

LONG_PTR StyleOf(HWND window)
{
    return GetWindowLongPtrA(window, GWL_STYLE);
}

using FocusTest = std::function<bool(HWND focus, HWND window)>;

bool IsMultiLineEdit(HWND focus, HWND)
{
    return WindowClass(focus) == "Edit" && (StyleOf(focus) & ES_MULTILINE);
}

// The navigation bar: the one static control that is a tab stop.
bool IsNavBar(HWND focus, HWND)
{
    return WindowClass(focus) == "Static" && (StyleOf(focus) & WS_TABSTOP);
}

FocusTest HasText(const std::string& className, const std::string& text)
{
    return [=](HWND focus, HWND) { return WindowClass(focus) == className && WindowText(focus) == text; };
}

// The first visible list of the window.
bool IsFirstList(HWND focus, HWND window)
{
    return focus == FindByClass(window, "SysListView32", 0);
}

bool IsTabControl(HWND focus, HWND)
{
    return WindowClass(focus) == "SysTabControl32";
}

// Presses Tab (with the modifier) until the focus passes the test; fails naming where the focus went.
Step TabUntil(const std::string& caption, const std::string& what, FocusTest reached, const std::string& name,
              WORD modifier = 0)
{
    return Verify(name, [=](Session& session, std::string& reason) {
        HWND window = session.WaitForWindow(caption);
        std::string trail;
        for (int presses = 0;; ++presses) {
            HWND focus = FocusOf(window);
            if (focus && reached(focus, window))
                return true;
            if (presses == kMostTabs || trail.size() > 3000)
                break;
            trail += (trail.empty() ? "" : ", ") + Describe(focus);
            PressKey(VK_TAB, modifier);
            std::string ignored;
            WaitUntilIdle(*session.program, 2000, ignored);
        }
        reason = "Tab never reached " + what + "; the focus went through " + trail;
        return false;
    }, {caption});
}

// The focus is where the test says, now.
Step FocusIs(const std::string& caption, const std::string& what, FocusTest test, const std::string& name)
{
    return Verify(name, [=](Session& session, std::string& reason) {
        HWND window = session.WaitForWindow(caption);
        const DWORD end = GetTickCount() + 2000;
        HWND focus = FocusOf(window);
        while (!(focus && test(focus, window)) && static_cast<int>(end - GetTickCount()) > 0) {
            Sleep(50);
            focus = FocusOf(window);
        }
        if (focus && test(focus, window))
            return true;
        reason = "the focus is on " + Describe(focus) + ", not on " + what;
        return false;
    }, {caption});
}

Step Keys(std::vector<std::pair<WORD, WORD>> presses, const std::string& name)
{
    Step step;
    step.name = name;
    step.act = [=](Session& session, std::string&) {
        for (const auto& [key, modifier] : presses) {
            PressKey(key, modifier);
            std::string ignored;
            WaitUntilIdle(*session.program, 2000, ignored);
        }
        return true;
    };
    return step;
}

Step Paste(const std::string& text, const std::string& name)
{
    Step step;
    step.name = name;
    step.act = [=](Session&, std::string& reason) {
        if (!PasteText(text)) {
            reason = "the clipboard could not be set";
            return false;
        }
        return true;
    };
    return step;
}

// The window in front closed by a key, as a person without a mouse closes it.
Step CloseByKey(const std::string& caption, WORD key, WORD modifier, const std::string& name)
{
    Step step;
    step.name = name;
    step.pictured = {kMain};
    step.act = [=](Session& session, std::string& reason) {
        HWND window = session.WaitForWindow(caption, 3000);
        const DWORD front = GetTickCount() + 2000;
        while (window && GetForegroundWindow() != window && static_cast<int>(front - GetTickCount()) > 0)
            Sleep(30);
        if (!window || GetForegroundWindow() != window) {
            reason = "\"" + caption + "\" is not the window in front, so the keyboard cannot reach it";
            return false;
        }
        PressKey(key, modifier);
        const DWORD end = GetTickCount() + 3000;
        while (IsWindow(window) && static_cast<int>(end - GetTickCount()) > 0)
            Sleep(30);
        session.windows[caption] = Session::Expect::Gone;
        session.handles[caption] = window;
        if (IsWindow(window)) {
            reason = "\"" + caption + "\" was not destroyed within 3 s";
            return false;
        }
        return true;
    };
    return step;
}

// A message box answered with Enter.
Step AnswerBoxByKey(const std::string& part, const std::string& name)
{
    Step step;
    step.name = name;
    step.act = [=](Session& session, std::string& reason) {
        const DWORD end = GetTickCount() + 5000;
        HWND box = nullptr;
        while (!(box = session.MessageBox()) && static_cast<int>(end - GetTickCount()) > 0)
            Sleep(50);
        if (!box) {
            reason = "no message box with \"" + part + "\"";
            return false;
        }
        const std::string text = session.MessageBoxText(box);
        if (FindWholeText(text, part) == std::string::npos) {
            reason = "the message box says " + text + ", not \"" + part + "\"";
            return false;
        }
        if (!WaitUntilForeground(box, 2000)) {
            reason = "the message box is not the window in front";
            return false;
        }
        PressKey(VK_RETURN);
        if (!WaitUntilGone(box, 3000)) {
            reason = "Enter did not close the message box";
            return false;
        }
        return true;
    };
    return step;
}

// The page of the main tab control shown.
Step PageShown(int page, const std::string& name)
{
    return Verify(name, [=](Session& session, std::string& reason) {
        HWND tabs = FindByClass(session.WaitForWindow(kMain), "SysTabControl32", 0);
        if (!tabs || TabSelection(tabs) != page) {
            reason = "page " + std::to_string(page) + " is not shown (" + std::to_string(tabs ? TabSelection(tabs) : -1) +
                     " is)";
            return false;
        }
        return true;
    }, {kMain});
}

// Notes the name in a column of the first row of the first list.
Step RememberFirstRow(size_t column, const std::string& name)
{
    return Verify(name, [=](Session& session, std::string& reason) {
        const Rows rows = RowsOf(session, kMain, 0);
        if (rows.empty() || rows[0].size() <= column) {
            reason = "the list has no first row";
            return false;
        }
        session.lastText = rows[0][column];
        // A name and its score tag: the name alone.
        const size_t tag = FindWholeText(session.lastText, "【");
        if (tag != std::string::npos)
            session.lastText.resize(tag);
        return true;
    });
}

POINT& PointerAtStart()
{
    static POINT at = {};
    return at;
}

}  // namespace

std::vector<Journey> KeyboardJourneys()
{
    std::vector<Journey> journeys;
    journeys.push_back({"keyboard-only",
                        {
                            LayOut({SurnameSettings("王")}),
                            Launch(),
                            Verify("pointer-noted", [](Session&, std::string&) {
                                return GetCursorPos(&PointerAtStart()) != FALSE;
                            }),
                            TabUntil(kMain, "the surname box", HasText("Edit", "王"), "tab-to-surname"),
                            Keys({{VK_END, 0}, {VK_HOME, VK_SHIFT}}, "select-surname"),
                            Paste(kSurname, "type-surname"),
                            Verify("surname-typed", [](Session& session, std::string& reason) {
                                HWND box = FocusOf(session.WaitForWindow(kMain));
                                if (WindowText(box) != kSurname) {
                                    reason = "the surname box holds \"" + WindowText(box) + "\"";
                                    return false;
                                }
                                return true;
                            }, {kMain}),
                            Keys({{VK_TAB, 0}}, "tab-to-sex"),
                            FocusIs(kMain, "男, the checked radio of its group", HasText("Button", "男"), "on-boy"),
                            Keys({{VK_RIGHT, 0}}, "arrow-to-girl"),
                            Verify("girl-chosen", [](Session& session, std::string& reason) {
                                HWND window = session.WaitForWindow(kMain);
                                HWND girl = FindByText(window, "女");
                                HWND boy = FindByText(window, "男");
                                if (!girl || SendMessageA(girl, BM_GETCHECK, 0, 0) != BST_CHECKED ||
                                    SendMessageA(boy, BM_GETCHECK, 0, 0) != BST_UNCHECKED || FocusOf(window) != girl) {
                                    reason = "女 is not chosen and focused: the focus is on " + Describe(FocusOf(window));
                                    return false;
                                }
                                return true;
                            }, {kMain}),
                            TabUntil(kMain, "生成", HasText("Button", "生成"), "tab-to-generate"),
                            Keys({{VK_RETURN, 0}}, "enter-generates"),
                            Verify("rows-generated", [](Session& session, std::string& reason) {
                                return WaitForRows(session, kMain, 0, 3, 5000, reason);
                            }, {kMain}),
                            TabUntil(kMain, "停止", HasText("Button", "停止"), "tab-to-stop"),
                            Keys({{VK_SPACE, 0}}, "space-stops"),
                            Verify("generation-stopped", [](Session& session, std::string& reason) {
                                if (!WaitForButtonText(session, kMain, "生成", 3000, reason))
                                    return false;
                                const size_t before = RowsOf(session, kMain, 0).size();
                                Sleep(600);
                                const size_t after = RowsOf(session, kMain, 0).size();
                                if (after != before) {
                                    reason = "rows went on from " + std::to_string(before) + " to " + std::to_string(after);
                                    return false;
                                }
                                return true;
                            }, {kMain}),
                            // A name of the list into the side box 自选列表, through the list's menu.
                            TabUntil(kMain, "the name list", IsFirstList, "tab-to-list"),
                            Keys({{VK_HOME, 0}}, "first-row"),
                            RememberFirstRow(0, "read-row"),
                            Keys({{VK_F10, VK_SHIFT}}, "shift-f10"),
                            ChooseMenuItem(3, "menu-add"),
                            Verify("side-box-holds-name", [](Session& session, std::string& reason) {
                                HWND window = session.WaitForWindow(kMain);
                                for (HWND w : VisibleDescendants(window))
                                    if (IsMultiLineEdit(w, window) && FindWholeText(WindowText(w), session.lastText) == 0)
                                        return true;
                                reason = "the side box does not hold \"" + session.lastText + "\"";
                                return false;
                            }, {kMain}),
                            FocusIs(kMain, "the name list", IsFirstList, "focus-stays-on-list"),
                            // The side box lets Tab, Shift+Tab and Escape go.
                            TabUntil(kMain, "the side box", IsMultiLineEdit, "tab-to-side-box"),
                            Keys({{VK_TAB, 0}}, "tab-leaves-side-box"),
                            Verify("side-box-left", [](Session& session, std::string& reason) {
                                HWND window = session.WaitForWindow(kMain);
                                if (IsMultiLineEdit(FocusOf(window), window)) {
                                    reason = "Tab stayed in the side box";
                                    return false;
                                }
                                return true;
                            }, {kMain}),
                            Keys({{VK_TAB, VK_SHIFT}}, "shift-tab-back"),
                            FocusIs(kMain, "the side box", IsMultiLineEdit, "back-in-side-box"),
                            Keys({{VK_TAB, VK_SHIFT}}, "shift-tab-leaves"),
                            FocusIs(kMain, "the name list", IsFirstList, "shift-tab-left-side-box"),
                            Keys({{VK_TAB, 0}}, "tab-into-side-box-again"),
                            Keys({{VK_ESCAPE, 0}}, "escape-leaves-side-box"),
                            FocusIs(kMain, "the page tabs", IsTabControl, "escape-went-to-tabs"),
                            Verify("no-tab-typed", [](Session& session, std::string& reason) {
                                HWND window = session.WaitForWindow(kMain);
                                for (HWND w : VisibleDescendants(window))
                                    if (IsMultiLineEdit(w, window) && WindowText(w).find('\t') != std::string::npos) {
                                        reason = "a tab character went into the side box";
                                        return false;
                                    }
                                return true;
                            }, {kMain}),
                            // 组合模式 by Ctrl+Tab: the pool typed, combined, a name into the favourites.
                            Keys({{VK_TAB, VK_CONTROL}}, "ctrl-tab-to-combination"),
                            PageShown(1, "combination-page"),
                            TabUntil(kMain, "the pool box", IsMultiLineEdit, "tab-to-pool"),
                            Paste("浩,然,宇", "type-pool"),
                            TabUntil(kMain, "生成", HasText("Button", "生成"), "tab-to-generate-combinations"),
                            Keys({{VK_RETURN, 0}}, "enter-combines"),
                            Verify("combinations", [](Session& session, std::string& reason) {
                                return WaitForRows(session, kMain, 0, 3, 10000, reason);
                            }, {kMain}),
                            TabUntil(kMain, "the combination list", IsFirstList, "tab-to-combinations"),
                            Keys({{VK_HOME, 0}}, "first-combination"),
                            RememberFirstRow(1, "read-combination"),
                            Keys({{VK_APPS, 0}}, "menu-key"),
                            ChooseMenuItem(3, "menu-add-favourite").LeavesBox(),
                            AnswerBoxByKey("增加成功", "added-box"),
                            FocusIs(kMain, "the combination list", IsFirstList, "focus-back-on-list"),
                            // 自选列表 by the page keys.
                            Keys({{VK_NEXT, VK_CONTROL}, {VK_NEXT, VK_CONTROL}}, "ctrl-page-down-to-favourites"),
                            PageShown(3, "favourites-page"),
                            Verify("favourite-listed", [](Session& session, std::string& reason) {
                                for (const auto& row : RowsOf(session, kMain, 0))
                                    if (row.size() > 1 && row[1] == session.lastText)
                                        return true;
                                reason = "the favourites do not list \"" + session.lastText + "\"";
                                return false;
                            }, {kMain}),
                            // 姓名评测 from the navigation bar.
                            TabUntil(kMain, "the navigation bar", IsNavBar, "tab-to-nav-bar"),
                            Keys({{VK_HOME, 0}, {VK_RIGHT, 0}, {VK_RETURN, 0}}, "open-scoring"),
                            WaitFor(kScoring),
                            TabUntil(kScoring, "the name box", [](HWND focus, HWND) { return WindowClass(focus) == "Edit"; },
                                     "tab-to-name"),
                            Keys({{VK_END, 0}, {VK_HOME, VK_SHIFT}}, "select-name"),
                            Paste("思远", "type-name"),
                            TabUntil(kScoring, "开始评分", HasText("Button", "开始评分"), "tab-to-score"),
                            Keys({{VK_RETURN, 0}}, "enter-scores").Shows(kReport).Hides(kMain),
                            ReportShowsName(std::string(kSurname) + "思远", "report-shows-name"),
                            CloseByKey(kReport, VK_ESCAPE, 0, "escape-closes-report").Shows(kMain),
                            CloseByKey(kScoring, VK_ESCAPE, 0, "escape-closes-scoring"),
                            FocusIs(kMain, "the navigation bar", IsNavBar, "focus-back-on-nav-bar"),
                            Verify("pointer-untouched", [](Session&, std::string& reason) {
                                POINT now = {};
                                GetCursorPos(&now);
                                if (now.x != PointerAtStart().x || now.y != PointerAtStart().y) {
                                    reason = "the pointer moved";
                                    return false;
                                }
                                return true;
                            }),
                            CloseByKey(kMain, VK_F4, VK_MENU, "alt-f4-closes-main"),
                            ExpectExit(0, 10000, "process-ends"),
                        }});
    return journeys;
}

}  // namespace journey
