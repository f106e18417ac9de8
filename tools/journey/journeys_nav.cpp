// The navigation bar's window items (姓名评测, 生辰八字): opened, closed and opened again, with the bar
// back to its plain look once the pointer is elsewhere; and a few 趣味工具 feature pages with content.
#include <cstdlib>
#include <map>

#include "tools/journey/journey_checks.h"
#include "tools/journey/journeys.h"
#include "tools/journey/real_input.h"
#include "tools/journey/remote_controls.h"
#include "tools/journey/window_shots.h"

namespace journey {
namespace {

constexpr char kChart[] = "生辰八字";
constexpr char kSkins[] = "更换皮肤";

// Points of an item that only its hover, pressed or checked look changes: the band along its top
// edge and down its left edge, clear of the picture and the caption.
std::vector<POINT> LookPoints(HWND main, int item)
{
    RECT frame;
    GetWindowRect(main, &frame);
    const int left = frame.left + 6 + (item - 1) * 90, top = frame.top + 20;
    std::vector<POINT> points;
    for (int x = 6; x < 80; x += 8)
        points.push_back(POINT{left + x, top + 4});
    for (int y = 10; y < 60; y += 8)
        points.push_back(POINT{left + 4, top + y});
    return points;
}

std::map<int, std::vector<COLORREF>>& PlainLooks()
{
    static std::map<int, std::vector<COLORREF>> looks;
    return looks;
}

// Somewhere on the main window away from the bar: the settings group below it.
void MovePointerOffTheBar(HWND main)
{
    RECT frame;
    GetWindowRect(main, &frame);
    MovePointer(POINT{frame.left + 700, frame.top + 200});
    Sleep(150);
    MovePointer(POINT{frame.left + 705, frame.top + 205});
    Sleep(600);  // the hover fade takes 8 steps of 20 ms
}

// The main window, or the reason why there is none.
HWND MainWindowOrReason(Session& session, std::string& reason)
{
    HWND main = session.WaitForWindow(kMain);
    if (!main)
        reason = "no main window";
    return main;
}

std::vector<COLORREF> LookOf(HWND main, int item)
{
    std::vector<COLORREF> colours;
    for (POINT p : LookPoints(main, item))
        colours.push_back(ScreenPixel(p));
    return colours;
}

Step NotePlainLooks(std::vector<int> items)
{
    return Verify("note-plain-items", [items](Session& session, std::string& reason) {
        HWND main = MainWindowOrReason(session, reason);
        if (!main)
            return false;
        MovePointerOffTheBar(main);
        for (int item : items)
            PlainLooks()[item] = LookOf(main, item);
        return true;
    }, {kMain});
}

// The item looks as it did before anything was clicked: no hover, pressed or checked look is left.
Step ItemLooksPlain(int item, const std::string& name)
{
    return Verify(name, [item](Session& session, std::string& reason) {
        HWND main = MainWindowOrReason(session, reason);
        if (!main)
            return false;
        MovePointerOffTheBar(main);
        const std::vector<COLORREF> now = LookOf(main, item), before = PlainLooks()[item];
        int changed = 0;
        for (size_t i = 0; i < now.size() && i < before.size(); ++i) {
            const int difference = std::abs(GetRValue(now[i]) - GetRValue(before[i])) +
                                   std::abs(GetGValue(now[i]) - GetGValue(before[i])) +
                                   std::abs(GetBValue(now[i]) - GetBValue(before[i]));
            if (difference > 24)
                ++changed;
        }
        if (before.empty() || changed > 2) {
            reason = "item " + std::to_string(item) + " still looks highlighted (" + std::to_string(changed) + " of " +
                     std::to_string(now.size()) + " points changed)";
            return false;
        }
        return true;
    }, {kMain});
}

// The pointer rests on an item until its hover look has faded in.
Step HoverItem(int item, const std::string& name)
{
    return Verify(name, [item](Session& session, std::string& reason) {
        HWND main = MainWindowOrReason(session, reason);
        if (!main)
            return false;
        RECT frame;
        GetWindowRect(main, &frame);
        const POINT at = {frame.left + 6 + (item - 1) * 90 + 42, frame.top + 20 + 48};
        MovePointer(at);
        Sleep(100);
        MovePointer(POINT{at.x + 2, at.y + 1});
        Sleep(400);
        return true;
    }, {kMain});
}

// Row `row` (1-based) of the side list on 画板5, clicked where a person sees it; then the feature
// page shown must hold the given texts in its edit boxes or links.
Step FeaturePageShows(int row, std::vector<std::string> parts, const std::string& name)
{
    return Verify(name, [row, parts](Session& session, std::string& reason) {
        HWND main = session.WaitForWindow(kMain);
        HWND panel = main ? FindByClass(main, "BnDrawPanel", 0) : nullptr;
        if (!panel) {
            reason = "no side list";
            return false;
        }
        RECT client;
        GetClientRect(panel, &client);
        POINT at = {90, 3 + (row - 1) * 26 + 13};
        if (at.y >= client.bottom) {
            reason = "row " + std::to_string(row) + " is below the side list's visible rows";
            return false;
        }
        ClientToScreen(panel, &at);
        ClickAt(at);
        Sleep(400);
        const std::string texts = TextsOfClass(session, kMain, "Edit") + "\n" + TextsOfClass(session, kMain, "BnHyperlink") +
                                  "\n" + TextsOfClass(session, kMain, "Static");
        for (const std::string& part : parts) {
            if (FindWholeText(texts, part) == std::string::npos) {
                reason = "row " + std::to_string(row) + " shows no \"" + part + "\"";
                return false;
            }
        }
        return true;
    }, {kMain});
}

// The local page a feature page's link names is in the program folder.
Step LocalPageExists(const std::string& relative, const std::string& marker, const std::string& name)
{
    return Verify(name, [relative, marker](Session& session, std::string& reason) {
        std::string bytes;
        if (!ReadWholeFile(session.folder + "\\" + relative, bytes) || FindWholeText(bytes, marker) == std::string::npos) {
            reason = relative + " is missing or lacks \"" + marker + "\"";
            return false;
        }
        return true;
    });
}

}  // namespace

std::vector<Journey> NavJourneys()
{
    std::vector<Journey> journeys;
    journeys.push_back({"nav-window-items",
                        {
                            LayOut({SurnameSettings("王")}),
                            Launch(),
                            NotePlainLooks({2, 3, 8}),
                            ClickOn(kMain, NavItem(2), "open-scoring"),
                            WaitFor(kScoring),
                            CloseWindow(kScoring, CloseWay::CloseButton, "close-scoring"),
                            ItemLooksPlain(2, "scoring-item-plain"),
                            ClickOn(kMain, NavItem(2), "open-scoring-again"),
                            WaitFor(kScoring),
                            CloseWindow(kScoring, CloseWay::CloseButton, "close-scoring-again"),
                            ItemLooksPlain(2, "scoring-item-plain-again"),
                            ClickOn(kMain, NavItem(8), "open-chart"),
                            WaitFor(kChart),
                            CloseWindow(kChart, CloseWay::CloseButton, "close-chart"),
                            ItemLooksPlain(8, "chart-item-plain"),
                            ClickOn(kMain, NavItem(8), "open-chart-again"),
                            WaitFor(kChart),
                            CloseWindow(kChart, CloseWay::CloseButton, "close-chart-again"),
                            ItemLooksPlain(8, "chart-item-plain-again"),
                            HoverItem(3, "hover-favourites"),
                            ClickOn(kMain, CaptionButton(4), "open-skins").Shows(kSkins),
                            CloseWindow(kSkins, CloseWay::CloseButton, "close-skins"),
                            ItemLooksPlain(3, "favourites-item-plain"),
                            ItemLooksPlain(8, "chart-item-still-plain"),
                        }});
    journeys.push_back({"feature-pages",
                        {
                            ClickOn(kMain, TabHeader("趣味工具"), "open-fun-tools"),
                            FeaturePageShows(2, {"春节", "中秋节", "清明"}, "festivals"),
                            FeaturePageShows(6, {"1924", "甲子", "鼠", "2043", "癸亥"}, "zodiac-years"),
                            FeaturePageShows(5, {"壬辰", "立春", "闰四月"}, "year-2012"),
                            FeaturePageShows(8, {"白羊座", "火象"}, "star-signs"),
                            FeaturePageShows(9, {"pages\\pinyin.htm"}, "dictionary-pinyin"),
                            LocalPageExists("pages\\pinyin.htm", "class=\"readings\"", "pinyin-page"),
                            FeaturePageShows(11, {"81", "大吉"}, "numbers"),
                            FeaturePageShows(12, {"六合", "相冲"}, "zodiac-pairs"),
                            FeaturePageShows(14, {"pages\\baijiaxing.htm"}, "hundred-surnames"),
                            LocalPageExists("pages\\baijiaxing.htm", "class=\"surnames\"", "surnames-page"),
                        }});
    return journeys;
}

}  // namespace journey
