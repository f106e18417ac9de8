// The skin settings window as a parent uses it: a picture skin chosen from the thumbnails, the second
// page of thumbnails, and a colour skin mixed on the colour page from a scheme swatch, a grid cell and
// a slider (with the keyboard), then applied. Each look is checked where a person looks: one row of tabs, a page of its
// own thumbnails, a colour grid that shows its colours.
#include <string>
#include <vector>

#include "tools/journey/journeys.h"
#include "tools/journey/real_input.h"
#include "tools/journey/remote_controls.h"
#include "tools/journey/window_shots.h"

namespace journey {
namespace {

constexpr char kSkins[] = "更换皮肤";

// Places in the window (offsets from its top-left corner): the page control lies at (8, 63), the
// thumbnail area at (6, 6) in it with 95 x 60 thumbnails 99 across and 84 down, their names 2 below;
// the colour grid's 16 x 16 cells 17 apart from (30, 4) of the page, the scheme swatches 16 apart at
// (6, 4); the strip's 80-wide items from (18, 32); the red slider from (349, 110), 240 x 26.
constexpr int kPageLeft = 8;
constexpr int kPageTop = 63;
POINT ThumbnailCentre(int row, int column) { return {kPageLeft + 6 + column * 99 + 47, kPageTop + 6 + row * 84 + 30}; }
POINT GridCellCentre(int row, int column) { return {kPageLeft + 30 + column * 17 + 8, kPageTop + 4 + row * 17 + 8}; }
POINT SwatchCentre(int k) { return {kPageLeft + 6 + 8, kPageTop + 4 + (k - 1) * 16 + 7}; }
POINT PreviewCentre() { return {kPageLeft + 329 + 136 + 58, kPageTop + 7 + 172 + 26}; }
Target At(POINT p) { return Offset(p.x, p.y); }
Target StripItem(int n) { return Offset(16 + 2 + (n - 1) * 83 + 40, 32 + 16); }
Target RedSliderLeftEnd() { return Offset(349 + 6, 110 + 15); }

bool NearWhite(COLORREF c) { return GetRValue(c) > 225 && GetGValue(c) > 225 && GetBValue(c) > 225; }
bool Near(COLORREF a, COLORREF b)
{
    auto close = [](int x, int y) { return x - y <= 8 && y - x <= 8; };
    return close(GetRValue(a), GetRValue(b)) && close(GetGValue(a), GetGValue(b)) && close(GetBValue(a), GetBValue(b));
}
std::string Hex(COLORREF c)
{
    char text[16];
    snprintf(text, sizeof text, "%02X%02X%02X", GetRValue(c), GetGValue(c), GetBValue(c));
    return text;
}

// The skin window's pixels as the screen shows them now, read at offsets of the window.
class WindowPixels {
public:
    explicit WindowPixels(Session& session)
    {
        HWND window = session.WaitForWindow(kSkins);
        RECT frame = {};
        if (!window || !GetWindowRect(window, &frame))
            return;
        width_ = frame.right - frame.left;
        height_ = frame.bottom - frame.top;
        pixels_ = ScreenPixels(frame);
    }
    // COLORREF at an offset; white outside the window.
    COLORREF At(POINT p) const
    {
        if (p.x < 0 || p.y < 0 || p.x >= width_ || p.y >= height_ || pixels_.empty())
            return RGB(255, 255, 255);
        return pixels_[static_cast<size_t>(p.y) * width_ + p.x];
    }
    // Every pixel of a rectangle passes the test; the reason names the first that does not.
    bool All(RECT area, bool (*test)(COLORREF), const std::string& what, std::string& reason) const
    {
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x)
                if (!test(At(POINT{x, y}))) {
                    reason = what + ": " + Hex(At(POINT{x, y})) + " at (" + std::to_string(x) + ", " + std::to_string(y) + ")";
                    return false;
                }
        return true;
    }

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<COLORREF> pixels_;
};

// Cells of the colour grid and the colours they must show.
struct Shown {
    POINT place;
    COLORREF colour;
    const char* what;
};
Step Shows(const std::string& name, std::vector<Shown> expected)
{
    return Verify(name, [expected](Session& session, std::string& reason) {
        // A moment for the paint a click started, as a person's eye takes.
        const DWORD end = GetTickCount() + 1000;
        for (;;) {
            const WindowPixels shown(session);
            bool all = true;
            for (const Shown& e : expected) {
                const COLORREF c = shown.At(e.place);
                if (!Near(c, e.colour)) {
                    reason = std::string(e.what) + " shows " + Hex(c) + " instead of " + Hex(e.colour);
                    all = false;
                    break;
                }
            }
            if (all || static_cast<int>(end - GetTickCount()) <= 0)
                return all;
            Sleep(50);
        }
    }, {kSkins});
}

Step HasTexts(const std::string& name, std::vector<std::string> texts)
{
    return Verify(name, [texts](Session& session, std::string& reason) {
        HWND window = session.WaitForWindow(kSkins);
        for (const std::string& text : texts)
            if (!window || !FindByText(window, text)) {
                reason = "no \"" + text + "\" in the window";
                return false;
            }
        return true;
    }, {kSkins});
}

COLORREF Rgb(int r, int g, int b) { return RGB(r, g, b); }

}  // namespace

std::vector<Step> ApplyColourSkinSteps(int swatch, int row, int column, const std::string& tag)
{
    return {
        ClickOn(kMain, CaptionButton(4), "open-skins-" + tag).Shows(kSkins),
        ClickOn(kSkins, StripItem(2), "colour-tab-" + tag),
        ClickOn(kSkins, At(SwatchCentre(swatch)), "swatch-" + tag),
        ClickOn(kSkins, At(GridCellCentre(row, column)), "cell-" + tag),
        ClickOn(kSkins, UnitWithText("确定"), "apply-" + tag),
        CloseWindow(kSkins, CloseWay::CloseButton, "close-skins-" + tag),
    };
}

std::vector<Step> SkinSettingsSteps()
{
    return {
        ClickOn(kMain, CaptionButton(4), "open-skins").Shows(kSkins),
        // Between the page's frame and the thumbnails nothing of a second row of tabs.
        Verify("one-row-of-tabs", [](Session& session, std::string& reason) {
            return WindowPixels(session).All(RECT{kPageLeft + 6, kPageTop + 3, kPageLeft + 598, kPageTop + 6}, NearWhite,
                                             "a second row of tabs shows", reason);
        }, {kSkins}),
        // 下一页 and 上一页 show their texts.
        Verify("paging-labels-shown", [](Session& session, std::string& reason) {
            const WindowPixels shown(session);
            for (int left : {505, 550}) {
                int ink = 0;
                for (int y = kPageTop + 264; y < kPageTop + 284; ++y)
                    for (int x = kPageLeft + left; x < kPageLeft + left + 40; ++x) {
                        const COLORREF c = shown.At(POINT{x, y});
                        ink += GetRValue(c) + GetGValue(c) + GetBValue(c) < 200 ? 1 : 0;
                    }
                if (ink < 10) {
                    reason = "no text shows at " + std::to_string(kPageLeft + left) + " where 上一页 and 下一页 are";
                    return false;
                }
            }
            return true;
        }, {kSkins}),
        ClickOn(kSkins, At(ThumbnailCentre(0, 2)), "third-thumbnail"),
        ClickOn(kSkins, UnitWithText("下一页"), "next-page"),
        // The 22 shipped skins leave page 2 with four thumbnails in the first row.
        Verify("page-2-own-thumbnails", [](Session& session, std::string& reason) {
            HWND window = session.WaitForWindow(kSkins);
            if (!window || !FindByText(window, "2/2")) {
                reason = "the page text is not 2/2";
                return false;
            }
            const WindowPixels shown(session);
            if (NearWhite(shown.At(ThumbnailCentre(0, 0)))) {
                reason = "page 2 shows no first thumbnail";
                return false;
            }
            for (POINT cell : {ThumbnailCentre(0, 4), ThumbnailCentre(0, 5), ThumbnailCentre(1, 0), ThumbnailCentre(2, 5)}) {
                if (!NearWhite(shown.At(cell))) {
                    reason = "a thumbnail of page 1 stays at (" + std::to_string(cell.x) + ", " + std::to_string(cell.y) + ")";
                    return false;
                }
            }
            const POINT name = ThumbnailCentre(1, 0);
            return shown.All(RECT{name.x - 40, name.y + 34, name.x + 40, name.y + 46}, NearWhite, "a name of page 1 stays",
                             reason);
        }, {kSkins}),
        ClickOn(kSkins, StripItem(2), "colour-tab"),
        // The red scheme with red 0: green rises across, blue down.
        Shows("grid-has-ink", {{GridCellCentre(0, 15), Rgb(0, 255, 0), "cell 16"},
                               {GridCellCentre(15, 0), Rgb(0, 0, 255), "cell 241"},
                               {GridCellCentre(15, 15), Rgb(0, 255, 255), "cell 256"},
                               {GridCellCentre(7, 3), Rgb(0, 51, 119), "cell 116"},
                               {SwatchCentre(9), Rgb(136, 0, 0), "swatch 9"},
                               {PreviewCentre(), Rgb(0, 0, 0), "the preview"}}),
        ClickOn(kSkins, At(SwatchCentre(16)), "swatch-16"),
        Shows("grid-red-255", {{GridCellCentre(0, 0), Rgb(255, 0, 0), "cell 1"},
                               {GridCellCentre(15, 15), Rgb(255, 255, 255), "cell 256"}}),
        ClickOn(kSkins, At(GridCellCentre(7, 3)), "grid-cell"),
        HasTexts("cell-in-sliders", {"R通道：255", "G通道：51", "B通道：119"}),
        Shows("cell-in-preview", {{PreviewCentre(), Rgb(255, 51, 119), "the preview"}}),
        ClickOn(kSkins, RedSliderLeftEnd(), "red-slider"),
        Press(VK_HOME, 0, "red-slider-home"),
        HasTexts("red-at-0", {"R通道：0"}),
        Shows("slider-in-preview", {{PreviewCentre(), Rgb(0, 51, 119), "the preview"}}),
        ClickOn(kSkins, UnitWithText("确定"), "apply"),
        Shows("applied-page-stays", {{PreviewCentre(), Rgb(0, 51, 119), "the preview"},
                                     {GridCellCentre(15, 15), Rgb(255, 255, 255), "cell 256"}}),
        CloseWindow(kSkins, CloseWay::CloseButton, "close-skins"),
    };
}

}  // namespace journey
