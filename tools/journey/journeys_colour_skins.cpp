// A very dark and a near-white colour skin, each applied as a parent does and then every window
// pictured: the name list's rows and the group titles must stay readable over them (a contrast of at
// least 4.5 between the text and what lies behind it, as the eye reads it off the screen).
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "tools/journey/journey_checks.h"
#include "tools/journey/journeys.h"
#include "tools/journey/real_input.h"
#include "tools/journey/remote_controls.h"
#include "tools/journey/window_shots.h"

namespace journey {
namespace {

constexpr char kChart[] = "生辰八字";
constexpr char kCalendar[] = "农历时钟工具";
constexpr char kAbout[] = "联系我们";
constexpr double kReadable = 4.5;

double Luminance(COLORREF c)
{
    auto linear = [](int channel) {
        const double v = channel / 255.0;
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(GetRValue(c)) + 0.7152 * linear(GetGValue(c)) + 0.0722 * linear(GetBValue(c));
}

double Contrast(COLORREF a, COLORREF b)
{
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The strongest contrast in a screen area between any pixel and the area's commonest colour (the
// background the text lies on); 0 when the area cannot be read. `skipRows` leaves out rows (from the
// area's top) that hold frame lines, not text.
double InkContrast(const RECT& area, int skipFrom = -1, int skipTo = -1)
{
    const std::vector<COLORREF> pixels = ScreenPixels(area);
    const int width = area.right - area.left;
    if (pixels.empty() || width <= 0)
        return 0;
    std::map<COLORREF, int> counts;
    for (COLORREF c : pixels)
        ++counts[c];
    COLORREF background = pixels.front();
    int most = 0;
    for (const auto& [colour, count] : counts)
        if (count > most) {
            most = count;
            background = colour;
        }
    double best = 0;
    for (size_t i = 0; i < pixels.size(); ++i) {
        const int row = static_cast<int>(i) / width;
        if (row >= skipFrom && row < skipTo)
            continue;
        best = std::max(best, Contrast(pixels[i], background));
    }
    return best;
}

std::string Figure(double value)
{
    char text[16];
    snprintf(text, sizeof text, "%.2f", value);
    return text;
}

// The rows a person sees in the first list of the main window: inside each of the top five rows'
// first cells, clear of the grid lines between them.
Step ListTextReadable(const std::string& name)
{
    return Verify(name, [](Session& session, std::string& reason) {
        HWND list = VisibleList(session, kMain, 0);
        if (!list) {
            reason = "no name list";
            return false;
        }
        WaitForPaints({GetAncestor(list, GA_ROOT)}, 1000);
        const int top = TopVisibleRow(list);
        double weakest = 100;
        for (int row = top; row < top + 5; ++row) {
            RECT cell = {};
            if (!ListViewRowRect(list, row, cell)) {
                reason = "no row " + std::to_string(row) + " in the name list";
                return false;
            }
            weakest = std::min(weakest, InkContrast(RECT{cell.left + 3, cell.top + 2, cell.right - 3, cell.bottom - 2}));
        }
        if (weakest < kReadable) {
            reason = "the name list's text shows a contrast of " + Figure(weakest);
            return false;
        }
        return true;
    }, {kMain});
}

// The caption strip of every visible group box with a caption in the window.
Step GroupTitlesReadable(const std::string& caption, const std::string& name)
{
    return Verify(name, [caption](Session& session, std::string& reason) {
        HWND window = session.WaitForWindow(caption);
        if (!window) {
            reason = "no window \"" + caption + "\"";
            return false;
        }
        WaitForPaints({window}, 1000);
        int checked = 0;
        for (HWND unit : VisibleDescendants(window)) {
            if (WindowClass(unit) != "Button" || (GetWindowLongPtrA(unit, GWL_STYLE) & BS_TYPEMASK) != BS_GROUPBOX ||
                WindowText(unit).empty())
                continue;
            RECT r;
            GetWindowRect(unit, &r);
            // The caption's line, its frame lines (rows 4 to 7) left out.
            const double contrast = InkContrast(RECT{r.left + 8, r.top + 1, r.right - 8, r.top + 16}, 3, 7);
            if (contrast < kReadable) {
                reason = "group title \"" + WindowText(unit) + "\" shows a contrast of " + Figure(contrast);
                return false;
            }
            ++checked;
        }
        if (checked == 0) {
            reason = "no group title in \"" + caption + "\"";
            return false;
        }
        return true;
    }, {caption});
}

// The calendar's disabled buttons show the skin's disabled look: a silver face.
Step DisabledButtonsLookDisabled(const std::string& name)
{
    return Verify(name, [](Session& session, std::string& reason) {
        HWND window = session.WaitForWindow(kCalendar);
        for (const char* text : {"取消时间修改", "确认时间修改"}) {
            HWND button = window ? FindByText(window, text) : nullptr;
            RECT r = {};
            if (!button || !GetWindowRect(button, &r)) {
                reason = std::string("no button ") + text;
                return false;
            }
            WaitForPaints({window}, 1000);
            const COLORREF face = ScreenPixel(POINT{r.left + 6, r.bottom - 6});
            auto silvery = [](int v) { return v >= 180 && v <= 204; };
            if (!silvery(GetRValue(face)) || !silvery(GetGValue(face)) || !silvery(GetBValue(face))) {
                char shown[16];
                snprintf(shown, sizeof shown, "%02X%02X%02X", GetRValue(face), GetGValue(face), GetBValue(face));
                reason = std::string(text) + " shows " + shown + ", not the silver of a disabled button";
                return false;
            }
        }
        return true;
    }, {kCalendar});
}

std::vector<Step> EveryWindow(const std::string& tag)
{
    std::vector<Step> steps = {
        ClickOn(kMain, UnitWithText("生成"), "generate-" + tag),
        Verify("rows-" + tag, [](Session& session, std::string& reason) {
            return WaitForRows(session, kMain, 0, 20, 15000, reason);
        }, {kMain}),
        ClickOn(kMain, UnitWithText("停止"), "stop-" + tag),
        ListTextReadable("list-readable-" + tag),
        GroupTitlesReadable(kMain, "group-titles-readable-" + tag),
    };
    const char* const pages[] = {"组合模式", "名字评分", "自选列表", "趣味工具", "取英文名", "诗词模式", "取小名", "宝宝取名"};
    int n = 0;
    for (const char* page : pages)
        steps.push_back(ClickOn(kMain, TabHeader(page), "page-" + std::to_string(++n) + "-" + tag));
    for (Step& step : std::vector<Step>{
             ClickOn(kMain, NavItem(2), "open-scoring-" + tag),
             WaitFor(kScoring),
             TypeInto(kScoring, NthOfClass("Edit", 0), "思远", "type-name-" + tag),
             ClickOn(kScoring, UnitWithText("开始评分"), "score-" + tag).Shows(kReport).Hides(kMain),
             CloseWindow(kReport, CloseWay::CloseButton, "close-report-" + tag).Shows(kMain),
             CloseWindow(kScoring, CloseWay::CloseButton, "close-scoring-" + tag),
             ClickOn(kMain, NavItem(8), "open-chart-" + tag).Shows(kChart),
             CloseWindow(kChart, CloseWay::CloseButton, "close-chart-" + tag),
             ClickOn(kMain, TabHeader("趣味工具"), "fun-tools-" + tag),
             HoldOn(kMain, Offset(174, 647), 1500, "scroll-side-list-" + tag),
             ClickOn(kMain, Offset(90, 640), "open-calendar-" + tag).Shows(kCalendar).Hides(kMain),
             ClickOn(kCalendar, TabHeader("公历"), "calendar-solar-" + tag),
             ClickOn(kCalendar, TabHeader("日历牌"), "calendar-board-" + tag),
             ClickOn(kCalendar, TabHeader("事务"), "calendar-tasks-" + tag),
             ClickOn(kCalendar, TabHeader("时间"), "calendar-time-" + tag),
             DisabledButtonsLookDisabled("disabled-buttons-" + tag),
             // Enabled by 修改时间 and disabled again by 取消时间修改 under the pointer.
             ClickOn(kCalendar, UnitWithText("修改时间"), "modify-time-" + tag),
             ClickOn(kCalendar, UnitWithText("取消时间修改"), "cancel-modify-" + tag),
             DisabledButtonsLookDisabled("disabled-again-" + tag),
             CloseWindow(kCalendar, CloseWay::CloseButton, "close-calendar-" + tag).Shows(kMain),
             ClickOn(kMain, UnitWithText("使用帮助"), "open-help-" + tag),
             ChooseMenuItem(1, "menu-about-" + tag).Shows(kAbout).Hides(kMain),
             CloseWindow(kAbout, CloseWay::CloseButton, "close-about-" + tag).Shows(kMain),
             CloseWindow(kMain, CloseWay::CloseButton, "close-main-" + tag),
             ExpectExit(0, 10000, "process-ends-" + tag),
         })
        steps.push_back(std::move(step));
    return steps;
}

Journey ColourSkinJourney(const std::string& name, int swatch, int row, int column)
{
    std::vector<Step> steps = {LayOut({SurnameSettings("王")}), Launch()};
    for (Step& step : ApplyColourSkinSteps(swatch, row, column, name))
        steps.push_back(std::move(step));
    for (Step& step : EveryWindow(name))
        steps.push_back(std::move(step));
    return {"colour-skin-" + name, steps};
}

// A visible tooltip window of the program, or null.
HWND ShownTip(Session& session)
{
    HWND tip = nullptr;
    while ((tip = FindWindowExA(nullptr, tip, "tooltips_class32", nullptr)) != nullptr) {
        DWORD process = 0;
        GetWindowThreadProcessId(tip, &process);
        if (IsWindowVisible(tip) && session.program && process == session.program->Id())
            return tip;
    }
    return nullptr;
}

// 使用帮助 lies at the caption's right end as the window is wide now.
Step HelpAtTheRightEnd(const std::string& name)
{
    return Verify(name, [](Session& session, std::string& reason) {
        HWND window = session.WaitForWindow(kMain);
        HWND help = window ? FindByText(window, "使用帮助") : nullptr;
        RECT frame = {}, label = {};
        if (!help || !GetWindowRect(window, &frame) || !GetWindowRect(help, &label)) {
            reason = "no 使用帮助";
            return false;
        }
        const LONG gap = frame.right - label.right;
        if (gap < 0 || gap > 40) {
            reason = "使用帮助 ends " + std::to_string(gap) + " pixels from the window's right edge";
            return false;
        }
        return true;
    }, {kMain});
}

// The box of page 0's 自选列表 group.
HWND SideBox(Session& session)
{
    HWND window = session.WaitForWindow(kMain);
    HWND group = window ? FindByText(window, "自选列表") : nullptr;
    for (HWND unit : group ? VisibleDescendants(GetParent(group)) : std::vector<HWND>{})
        if (WindowClass(unit) == "Edit" && GetParent(unit) == group)
            return unit;
    return nullptr;
}

// Whether the box shows a scroll bar: a visible sibling overlay along its right edge.
bool ShowsBar(HWND box)
{
    RECT r = {};
    GetWindowRect(box, &r);
    HWND sibling = nullptr;
    while ((sibling = FindWindowExA(GetParent(box), sibling, "Static", nullptr)) != nullptr) {
        RECT s = {};
        if (!IsWindowVisible(sibling) || !GetWindowRect(sibling, &s))
            continue;
        if (s.right <= r.right && s.right >= r.right - 4 && s.left >= r.left && s.bottom - s.top > (r.bottom - r.top) / 2)
            return true;
    }
    return false;
}

Step SideBoxBar(bool wanted, const std::string& name)
{
    return Verify(name, [wanted](Session& session, std::string& reason) {
        HWND box = SideBox(session);
        if (!box) {
            reason = "no box in 自选列表";
            return false;
        }
        const DWORD end = GetTickCount() + 1000;
        while (ShowsBar(box) != wanted && static_cast<int>(end - GetTickCount()) > 0)
            Sleep(50);
        if (ShowsBar(box) != wanted) {
            reason = wanted ? "the box shows no bar" : "the box shows a bar with nothing to scroll";
            return false;
        }
        return true;
    }, {kMain});
}

std::string HundredAndTenNames()
{
    std::string names;
    for (int i = 0; i < 110; ++i)
        names += "王思远【 98分】\r\n";
    return names;
}

}  // namespace

std::vector<Journey> WindowLookJourneys()
{
    return {{"window-look",
             {
                 LayOut({SurnameSettings("王")}),
                 Launch(),
                 SideBoxBar(false, "empty-box-no-bar"),
                 Verify("fill-box", [](Session& session, std::string& reason) {
                     HWND box = SideBox(session);
                     RECT r = {};
                     if (!box || !GetWindowRect(box, &r)) {
                         reason = "no box in 自选列表";
                         return false;
                     }
                     ClickAt(POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2});
                     return PasteText(HundredAndTenNames());
                 }, {kMain}),
                 SideBoxBar(true, "full-box-has-bar"),
                 ClickOn(kMain, TabHeader("趣味工具"), "fun-tools"),
                 // The feature headers scrolled by three: the picture shows their strip's left end.
                 Verify("scroll-feature-headers", [](Session& session, std::string& reason) {
                     HWND window = session.WaitForWindow(kMain);
                     HWND arrows = window ? FindByClass(window, "msctls_updown32", 0) : nullptr;
                     RECT r = {};
                     if (!arrows || !GetWindowRect(arrows, &r)) {
                         reason = "no scroll arrows on the feature headers";
                         return false;
                     }
                     for (int i = 0; i < 3; ++i) {
                         ClickAt(POINT{r.right - (r.right - r.left) / 4, (r.top + r.bottom) / 2});
                         Sleep(150);
                     }
                     return true;
                 }, {kMain}),
                 ClickOn(kMain, TabHeader("宝宝取名"), "first-page"),
                 ClickOn(kMain, CaptionButton(2), "maximise"),
                 HelpAtTheRightEnd("help-follows-maximised"),
                 ClickOn(kMain, CaptionButton(2), "restore"),
                 HelpAtTheRightEnd("help-follows-restored"),
                 // 换皮肤 pressed once the pointer has come to it, as a person does without waiting
                 // for its tip; the pointer then rests there while the window is open.
                 Verify("press-skin-button", [](Session& session, std::string& reason) {
                     HWND window = session.WaitForWindow(kMain);
                     RECT frame = {};
                     if (!window || !GetWindowRect(window, &frame)) {
                         reason = "no main window";
                         return false;
                     }
                     const Target button = CaptionButton(4);
                     const POINT at = {frame.right + button.x, frame.top + button.y};
                     MovePointer(POINT{at.x - 3, at.y});
                     MovePointer(at);
                     Sleep(200);
                     ClickAt(at);
                     return true;
                 }).Shows("更换皮肤"),
                 Verify("no-tip-over-skins", [](Session& session, std::string& reason) {
                     const DWORD end = GetTickCount() + 2000;
                     while (static_cast<int>(end - GetTickCount()) > 0) {
                         if (HWND tip = ShownTip(session)) {
                             RECT r = {};
                             GetWindowRect(tip, &r);
                             reason = "a tip (\"" + WindowText(tip) + "\", owner \"" + WindowText(GetWindow(tip, GW_OWNER)) +
                                      "\" at " + std::to_string(r.left) + "," + std::to_string(r.top) +
                                      ") shows while the skin settings are open";
                             return false;
                         }
                         Sleep(50);
                     }
                     return true;
                 }),
                 CloseWindow("更换皮肤", CloseWay::CloseButton, "close-skins"),
                 CloseWindow(kMain, CloseWay::CloseButton, "close-main"),
                 ExpectExit(0, 10000, "process-ends"),
             }}};
}

std::vector<Journey> ColourSkinJourneys()
{
    // The grid's cells step by 17: (0, 0, 68) is red 0, green 0, blue 4 x 17; (255, 238, 238) is red
    // 255, green and blue 14 x 17.
    return {ColourSkinJourney("dark", 1, 4, 0), ColourSkinJourney("light", 16, 14, 14)};
}

}  // namespace journey
