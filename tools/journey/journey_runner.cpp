#include "tools/journey/journey_runner.h"

#include <algorithm>
#include <cstdio>

#include "tools/journey/gbk_text.h"
#include "tools/journey/real_input.h"
#include "tools/journey/remote_controls.h"
#include "tools/journey/window_shots.h"

namespace journey {
namespace {

constexpr int kAnswerMilliseconds = 2000;
constexpr char kMainCaption[] = "宝宝取名";

POINT CentreOf(const RECT& r)
{
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

// The picture's file name: <journey>-<NN>-<step>.png.
std::string PictureName(const std::string& journeyName, int number, const std::string& step)
{
    char index[8];
    std::snprintf(index, sizeof index, "%02d", number);
    return journeyName + "-" + index + "-" + step + ".png";
}

bool CheckAfterStep(Session& session, const Step& step, std::string& reason)
{
    if (!session.program)
        return true;
    if (!WaitUntilIdle(*session.program, step.answerMilliseconds > 0 ? step.answerMilliseconds : kAnswerMilliseconds,
                       reason))
        return false;
    for (const auto& [caption, expect] : session.windows) {
        const auto known = session.handles.find(caption);
        HWND window = known == session.handles.end() ? nullptr : known->second;
        switch (expect) {
        case Session::Expect::Shown:
            if (!session.program->FindWindowByCaption(caption)) {
                reason = "the window \"" + caption + "\" is not shown";
                return false;
            }
            break;
        case Session::Expect::Hidden:
            if (!window || !IsWindow(window) || IsWindowVisible(window)) {
                reason = "the window \"" + caption + "\" should exist hidden";
                return false;
            }
            break;
        case Session::Expect::Gone:
            if (window && IsWindow(window)) {
                reason = std::string("the window \"") + caption + "\" was closed but not destroyed (" +
                         (IsWindowVisible(window) ? "still shown" : "hidden") + ")";
                return false;
            }
            break;
        }
    }
    if (!step.leavesBox) {
        if (HWND box = session.MessageBox()) {
            reason = "a message box appeared: " + session.MessageBoxText(box);
            return false;
        }
    }
    return true;
}

std::vector<HWND> PicturedWindows(Session& session, const Step& step)
{
    std::vector<HWND> windows;
    if (!session.program)
        return windows;
    if (step.pictured.empty() || GetEnvironmentVariableA("BN_JOURNEY_WHOLE_PICTURES", nullptr, 0) > 0)
        return session.program->TopLevelWindows(true);
    // The windows a step opens are part of its picture.
    std::vector<std::string> captions = step.pictured;
    for (const auto& [caption, expect] : step.expects)
        if (expect == Session::Expect::Shown)
            captions.push_back(caption);
    for (const std::string& caption : captions)
        if (HWND window = session.program->FindWindowByCaption(caption))
            windows.push_back(window);
    if (HWND box = session.MessageBox())
        windows.push_back(box);
    return windows;
}

// Acts on a point of a window: the window is brought up first, as a person's click would.
Step PointerStep(const std::string& caption, const Target& target, const std::string& name, MouseButton button,
                 int clicks)
{
    Step step;
    step.name = name;
    step.pictured = {caption};
    step.act = [=](Session& session, std::string& reason) {
        POINT at;
        HWND unit = nullptr;
        if (!session.Resolve(caption, target, at, unit, reason))
            return false;
        ClickAt(at, button, clicks);
        return true;
    };
    return step;
}

// What a failed step leaves: each window of the program from the top of the z-order down.
void DescribeWindows(const Session& session)
{
    if (!session.program)
        return;
    const std::vector<HWND> mine = session.program->TopLevelWindows(false);
    int depth = 0;
    for (HWND window = GetTopWindow(nullptr); window; window = GetWindow(window, GW_HWNDNEXT), ++depth) {
        if (std::find(mine.begin(), mine.end(), window) == mine.end() || !IsWindowVisible(window))
            continue;
        RECT r;
        GetWindowRect(window, &r);
        BYTE alpha = 255;
        DWORD flags = 0;
        GetLayeredWindowAttributes(window, nullptr, &alpha, &flags);
        std::printf("    z%-3d \"%s\" %s (%ld,%ld)-(%ld,%ld)%s exstyle %08lx owner %p\n", depth, WindowText(window).c_str(),
                    WindowClass(window).c_str(), r.left, r.top, r.right, r.bottom, IsWindowEnabled(window) ? "" : " disabled",
                    static_cast<unsigned long>(GetWindowLongPtrA(window, GWL_EXSTYLE)),
                    static_cast<void*>(GetWindow(window, GW_OWNER)));
        if (GetEnvironmentVariableA("BN_JOURNEY_KEEP_GOING", nullptr, 0) > 0)
            for (HWND child : VisibleDescendants(window))
                std::printf("        %s \"%.40s\"\n", WindowClass(child).c_str(), WindowText(child).c_str());
    }
}

}  // namespace

Target WholeWindow() { return Target{}; }
Target UnitWithText(const std::string& text) { return Target{Target::Kind::Text, text}; }
Target UnitRightOf(const std::string& labelText) { return Target{Target::Kind::RightOf, labelText}; }
Target UnitBelow(const std::string& labelText) { return Target{Target::Kind::Below, labelText}; }
Target Offset(int x, int y) { return Target{Target::Kind::Offset, "", x, y}; }
Target NthOfClass(const std::string& className, int n) { return Target{Target::Kind::Class, className, n}; }
Target ListRow(int list, int row) { return Target{Target::Kind::ListRow, "SysListView32", list, row}; }
Target TabHeader(const std::string& text) { return Target{Target::Kind::TabHeader, text}; }

HWND Session::WaitForWindow(const std::string& caption, int milliseconds)
{
    const DWORD end = GetTickCount() + static_cast<DWORD>(milliseconds);
    do {
        if (program) {
            if (HWND window = program->FindWindowByCaption(caption)) {
                handles[caption] = window;
                return window;
            }
        }
        Sleep(50);
    } while (static_cast<int>(end - GetTickCount()) > 0);
    return nullptr;
}

HWND Session::MessageBox() const
{
    if (!program)
        return nullptr;
    for (HWND window : program->TopLevelWindows(true))
        if (WindowClass(window) == "#32770")
            return window;
    return nullptr;
}

std::string Session::MessageBoxText(HWND box) const
{
    std::string text = "[" + WindowText(box) + "]";
    for (HWND child : VisibleDescendants(box))
        if (WindowClass(child) == "Static" && !WindowText(child).empty())
            text += " " + WindowText(child);
    return text;
}

bool Session::Resolve(const std::string& caption, const Target& target, POINT& screen, HWND& unit, std::string& reason)
{
    HWND window = WaitForWindow(caption, 3000);
    if (!window) {
        reason = "no window \"" + caption + "\"";
        return false;
    }
    RECT frame;
    GetWindowRect(window, &frame);
    unit = nullptr;
    switch (target.kind) {
    case Target::Kind::Window:
        unit = window;
        break;
    case Target::Kind::Text:
        unit = FindByText(window, target.text);
        break;
    case Target::Kind::RightOf:
        unit = FindRightOf(window, target.text);
        break;
    case Target::Kind::Below:
        unit = FindBelow(window, target.text);
        break;
    case Target::Kind::Class:
        unit = FindByClass(window, target.text, target.x);
        break;
    case Target::Kind::Offset:
        screen.x = target.x >= 0 ? frame.left + target.x : frame.right + target.x;
        screen.y = target.y >= 0 ? frame.top + target.y : frame.bottom + target.y;
        return true;
    case Target::Kind::ListRow: {
        HWND list = FindByClass(window, target.text, target.x);
        RECT row;
        const int index = list && target.y < 0 ? TopVisibleRow(list) - target.y - 1 : target.y;
        if (!list || !ListViewRowRect(list, index, row)) {
            reason = "no row " + std::to_string(target.y) + " in list " + std::to_string(target.x) + " of \"" + caption + "\"";
            return false;
        }
        unit = list;
        screen = POINT{row.left + 12, (row.top + row.bottom) / 2};
        return true;
    }
    case Target::Kind::TabHeader: {
        for (HWND tabs : VisibleDescendants(window)) {
            RECT header;
            if (WindowClass(tabs) == "SysTabControl32" && TabHeaderRect(tabs, target.text, header)) {
                unit = tabs;
                screen = CentreOf(header);
                return true;
            }
        }
        reason = "no tab header \"" + target.text + "\" in \"" + caption + "\"";
        return false;
    }
    }
    if (!unit) {
        reason = "no unit \"" + target.text + "\" in \"" + caption + "\"";
        return false;
    }
    RECT r;
    GetWindowRect(unit, &r);
    screen = CentreOf(r);
    return true;
}

// The pictures an earlier run of the journey left ("<journey>-NN-<step>.png"), whose steps may since
// have been renamed or renumbered: only this run's pictures stay to be looked at.
static void RemoveOldPictures(const std::string& folder, const std::string& journey)
{
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\" + journey + "-?" "?-*.png").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do
        DeleteFileA((folder + "\\" + found.cFileName).c_str());
    while (FindNextFileA(search, &found));
    FindClose(search);
}

int RunJourneys(Session& session, const std::vector<Journey>& journeys, const std::vector<std::string>& only)
{
    PictureEncoder encoder;
    int failed = 0;
    bool programBroken = false;
    for (const Journey& journey : journeys) {
        if (!only.empty() && std::find(only.begin(), only.end(), journey.name) == only.end())
            continue;
        const bool starts = !journey.steps.empty() && journey.steps.front().name == "lay-out";
        if (programBroken && !starts) {
            std::printf("[%s] skipped: the program was left broken by an earlier journey\n", journey.name.c_str());
            ++failed;
            continue;
        }
        programBroken = false;
        // A journey picked alone that goes on from an earlier one starts with a program of its own.
        std::vector<Step> steps = journey.steps;
        if (!starts && (!session.program || !session.program->Running())) {
            steps.insert(steps.begin(), Launch());
            steps.insert(steps.begin(), LayOut({}));
        }
        RemoveOldPictures(session.shotFolder, journey.name);
        const DWORD started = GetTickCount();
        int number = 0;
        bool ok = true;
        for (const Step& step : steps) {
            ++number;
            std::string reason;
            session.picturePath = session.shotFolder + "\\" + PictureName(journey.name, number, step.name);
            const DWORD stepStarted = GetTickCount();
            ok = step.act(session, reason);
            if (ok) {
                for (const auto& [caption, expect] : step.expects) {
                    session.windows[caption] = expect;
                    if (expect != Session::Expect::Gone && !session.handles.count(caption))
                        session.WaitForWindow(caption, 3000);
                }
                ok = CheckAfterStep(session, step, reason);
            }
            const bool pictured = step.picturesItself ||
                                  (encoder.Ready() && SaveWindowsPicture(PicturedWindows(session, step), session.picturePath));
            std::printf("[%s] %02d %-28s %5lu ms %s%s%s\n", journey.name.c_str(), number, step.name.c_str(),
                        static_cast<unsigned long>(GetTickCount() - stepStarted), ok ? "ok" : "FAILED: ",
                        ok ? "" : reason.c_str(), pictured ? "" : " (no picture)");
            std::fflush(stdout);
            if (!ok) {
                DescribeWindows(session);
                break;
            }
        }
        std::printf("[%s] %s in %lu ms\n", journey.name.c_str(), ok ? "passed" : "FAILED",
                    static_cast<unsigned long>(GetTickCount() - started));
        // While a journey is being written, BN_JOURNEY_KEEP_GOING lets the later ones run on whatever
        // state the failed one left.
        if (!ok) {
            ++failed;
            if (GetEnvironmentVariableA("BN_JOURNEY_KEEP_GOING", nullptr, 0) == 0) {
                programBroken = true;
                if (session.program)
                    session.program->Kill();
            }
        }
    }
    if (session.program)
        session.program->Kill();
    return failed;
}

Step LayOut(const std::vector<FixtureFile>& fixtures)
{
    Step step;
    step.name = "lay-out";
    step.act = [=](Session& session, std::string& reason) {
        if (session.program)
            session.program->Kill();
        session.program.reset();
        session.windows.clear();
        session.handles.clear();
        return LayOutProgramFolder(session.programSource, session.folder, fixtures, reason);
    };
    return step;
}

Step Launch()
{
    Step step;
    step.name = "launch";
    step.pictured = {kMainCaption};
    step.act = [](Session& session, std::string& reason) {
        session.program = std::make_unique<ProgramProcess>();
        session.windows.clear();
        session.handles.clear();
        if (!session.program->Start(session.folder + "\\BabyName.exe", session.folder)) {
            reason = "the program could not be started";
            return false;
        }
        if (!session.WaitForWindow(kMainCaption, 20000)) {
            reason = "no main window within 20 s";
            return false;
        }
        session.windows[kMainCaption] = Session::Expect::Shown;
        return true;
    };
    return step;
}

Step WaitFor(const std::string& caption, int milliseconds)
{
    Step step;
    step.name = "wait-window";
    step.pictured = {caption};
    step.act = [=](Session& session, std::string& reason) {
        if (!session.WaitForWindow(caption, milliseconds)) {
            reason = "no window \"" + caption + "\" within " + std::to_string(milliseconds) + " ms";
            return false;
        }
        session.windows[caption] = Session::Expect::Shown;
        return true;
    };
    return step;
}

Step ClickOn(const std::string& caption, const Target& target, const std::string& name)
{
    return PointerStep(caption, target, name, MouseButton::Left, 1);
}

Step RightClickOn(const std::string& caption, const Target& target, const std::string& name)
{
    return PointerStep(caption, target, name, MouseButton::Right, 1);
}

// A step that resolves its target to a screen point and does something there other than a click.
static Step PointerActionStep(const std::string& caption, const Target& target, const std::string& name,
                              std::function<void(POINT)> action)
{
    Step step = PointerStep(caption, target, name, MouseButton::Left, 0);
    step.act = [=](Session& session, std::string& reason) {
        POINT at;
        HWND unit = nullptr;
        if (!session.Resolve(caption, target, at, unit, reason))
            return false;
        action(at);
        return true;
    };
    return step;
}

Step HoldOn(const std::string& caption, const Target& target, int milliseconds, const std::string& name)
{
    return PointerActionStep(caption, target, name, [milliseconds](POINT at) { HoldAt(at, milliseconds); });
}

Step WheelOn(const std::string& caption, const Target& target, int notches, const std::string& name)
{
    return PointerActionStep(caption, target, name, [notches](POINT at) { WheelAt(at, notches); });
}

Step DoubleClickOn(const std::string& caption, const std::string& name, const Target& target)
{
    return PointerStep(caption, target, name, MouseButton::Left, 2);
}

Step TypeInto(const std::string& caption, const Target& field, const std::string& text, const std::string& name)
{
    Step step;
    step.name = name;
    step.pictured = {caption};
    step.act = [=](Session& session, std::string& reason) {
        POINT at;
        HWND unit = nullptr;
        if (!session.Resolve(caption, field, at, unit, reason))
            return false;
        ClickAt(at);
        std::string ignored;
        WaitUntilIdle(*session.program, kAnswerMilliseconds, ignored);
        // Select what the field holds, as a person does before typing over it.
        PressKey(VK_END, VK_CONTROL);
        PressKey(VK_HOME, VK_CONTROL, VK_SHIFT);
        if (!PasteText(text)) {
            reason = "the clipboard could not be set";
            return false;
        }
        return true;
    };
    return step;
}

Step Press(WORD key, WORD modifier, const std::string& name)
{
    Step step;
    step.name = name;
    step.act = [=](Session&, std::string&) {
        PressKey(key, modifier);
        return true;
    };
    return step;
}

Step ChooseComboItem(const std::string& caption, const Target& combo, int index, const std::string& name)
{
    Step step;
    step.name = name;
    step.pictured = {caption};
    step.act = [=](Session& session, std::string& reason) {
        POINT at;
        HWND unit = nullptr;
        if (!session.Resolve(caption, combo, at, unit, reason))
            return false;
        ClickAt(at);
        std::string ignored;
        WaitUntilIdle(*session.program, kAnswerMilliseconds, ignored);
        PressKey(VK_HOME);
        for (int i = 0; i < index; ++i)
            PressKey(VK_DOWN);
        PressKey(VK_RETURN);
        return true;
    };
    return step;
}

Step ChooseMenuItem(int n, const std::string& name)
{
    Step step;
    step.name = name;
    step.act = [=](Session& session, std::string& reason) {
        const DWORD end = GetTickCount() + 3000;
        while (!FindWindowA("#32768", nullptr) && static_cast<int>(end - GetTickCount()) > 0)
            Sleep(30);
        if (!FindWindowA("#32768", nullptr)) {
            reason = "no popup menu is open";
            return false;
        }
        for (int i = 0; i < n; ++i)
            PressKey(VK_DOWN);
        PressKey(VK_RETURN);
        return true;
    };
    return step;
}

// The box's first visible push button in the order the box made them (是 of 是/否, 确定 of one).
bool WaitUntilForeground(HWND window, int milliseconds)
{
    const DWORD end = GetTickCount() + static_cast<DWORD>(milliseconds);
    while (GetForegroundWindow() != window && static_cast<int>(end - GetTickCount()) > 0)
        Sleep(30);
    return GetForegroundWindow() == window;
}

bool WaitUntilGone(HWND window, int milliseconds)
{
    const DWORD end = GetTickCount() + static_cast<DWORD>(milliseconds);
    while (IsWindow(window) && static_cast<int>(end - GetTickCount()) > 0)
        Sleep(30);
    return !IsWindow(window);
}

static HWND FirstButtonOf(HWND box)
{
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char kind[16] = {};
        GetClassNameA(child, kind, sizeof kind);
        if (lstrcmpiA(kind, "Button") == 0 && IsWindowVisible(child))
            return child;
    }
    return nullptr;
}

Step AnswerBox(const std::string& part, const std::string& name)
{
    Step step;
    step.name = name;
    step.picturesItself = true;
    step.act = [=](Session& session, std::string& reason) {
        const DWORD end = GetTickCount() + 5000;
        HWND box = nullptr;
        while (!(box = session.MessageBox()) && static_cast<int>(end - GetTickCount()) > 0)
            Sleep(50);
        if (!box) {
            reason = "no message box with \"" + part + "\"";
            return false;
        }
        std::string ignored;
        WaitUntilIdle(*session.program, kAnswerMilliseconds, ignored);
        const std::string text = session.MessageBoxText(box);
        session.boxText = text;
        SaveWindowsPicture({box}, session.picturePath);
        if (FindWholeText(text, part) == std::string::npos) {
            reason = "the message box says " + text + ", not \"" + part + "\"";
            return false;
        }
        // A person answers the box that came up in front of them: it must be the foreground window,
        // and its first button is clicked where it shows.
        if (!WaitUntilForeground(box, 2000)) {
            reason = "the message box is not the foreground window";
            return false;
        }
        HWND button = FirstButtonOf(box);
        if (!button) {
            reason = "the message box has no button";
            return false;
        }
        RECT place;
        GetWindowRect(button, &place);
        ClickAt(POINT{(place.left + place.right) / 2, (place.top + place.bottom) / 2});
        if (!WaitUntilGone(box, 3000)) {
            reason = "the message box did not close when its button was clicked";
            return false;
        }
        return true;
    };
    return step;
}

Step CloseWindow(const std::string& caption, CloseWay way, const std::string& name)
{
    Step step;
    step.name = name;
    step.act = [=](Session& session, std::string& reason) {
        HWND window = session.WaitForWindow(caption, 3000);
        if (!window) {
            reason = "no window \"" + caption + "\" to close";
            return false;
        }
        RECT frame;
        GetWindowRect(window, &frame);
        switch (way) {
        case CloseWay::CloseButton:
            // The close button is the last of the caption buttons, at the caption's right end.
            ClickAt(POINT{frame.right - 22, frame.top + 10});
            break;
        case CloseWay::AltF4:
            ClickAt(POINT{(frame.left + frame.right) / 2, frame.top + 8});
            PressKey(VK_F4, VK_MENU);
            break;
        case CloseWay::Escape:
            ClickAt(POINT{(frame.left + frame.right) / 2, frame.top + 8});
            PressKey(VK_ESCAPE);
            break;
        }
        const DWORD end = GetTickCount() + 3000;
        while (IsWindow(window) && static_cast<int>(end - GetTickCount()) > 0)
            Sleep(30);
        session.windows[caption] = Session::Expect::Gone;
        session.handles[caption] = window;
        if (IsWindow(window)) {
            reason = std::string("\"") + caption + "\" was not destroyed within 3 s (" +
                     (IsWindowVisible(window) ? "still shown" : "hidden") + ")";
            return false;
        }
        return true;
    };
    step.pictured = {kMainCaption};
    return step;
}

Step ExpectExit(DWORD code, int milliseconds, const std::string& name)
{
    Step step;
    step.name = name;
    step.act = [=](Session& session, std::string& reason) {
        if (!session.program || !session.program->WaitForExit(milliseconds)) {
            reason = "the program did not end within " + std::to_string(milliseconds) + " ms";
            return false;
        }
        if (session.program->ExitCode() != code) {
            reason = "the program ended with code " + std::to_string(session.program->ExitCode());
            return false;
        }
        session.windows.clear();
        return true;
    };
    return step;
}

Step Verify(const std::string& name, std::function<bool(Session&, std::string& reason)> check,
            std::vector<std::string> pictured)
{
    Step step;
    step.name = name;
    step.act = std::move(check);
    step.pictured = std::move(pictured);
    return step;
}

}  // namespace journey
