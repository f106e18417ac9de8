#pragma once
// The drawing board: an ordinary child window made into a panel that draws itself, a shaped
// background (rectangle, rounded rectangle, ellipse or a thin divider strip) with glow, gradient,
// border and background picture, picture and text elements over it, and animated GIF pictures that
// each play on a worker thread. It reports the mouse coming to rest on it and leaving it. The record is
// a SkinCanvasRecord of g_skinCanvases (custom_control_records.h); the composition is in
// skin_canvas_painting.h, the elements in skin_canvas_elements.cpp, the animations in
// skin_canvas_animation.cpp.
#include <windows.h>

#include <optional>
#include <string>

#include "skin/custom/custom_control_frame.h"
#include "skin/custom/custom_control_records.h"

inline constexpr CustomControlKeys kSkinCanvasKeys{kPropCanvasIndex, kPropCanvasProc, RecordNumberFamily::kCanvas};

// The optional arguments of SkinCanvas::AddText; ModifyText uses the same record (its wrap and ellipsis
// are ignored: they keep the values AddText gave).
struct CanvasTextOptions {
    std::optional<std::string> text;  // ModifyText only
    std::optional<int> x;
    std::optional<int> y;
    std::optional<int> width;   // measured from the text when omitted
    std::optional<int> height;  // font size + 5 when omitted
    std::optional<std::string> fontName;  // "宋体"
    std::optional<int> fontSize;          // 12
    std::optional<COLORREF> textColour;   // 0
    std::optional<int> fontStyle;         // 0
    std::optional<int> alignment;         // 0
    std::optional<int> lineAlignment;     // 0
    std::optional<bool> glow;             // false
    std::optional<COLORREF> haloColour;   // 0xFFFFFF
    std::optional<bool> halo;             // false
    std::optional<bool> wrap;             // true
    std::optional<bool> ellipsis;         // false
};

// Every operation works on the board of `window` and returns its failure value (0, false, -1 or an
// empty text, as each says) when that window carries no board.
struct SkinCanvas : CustomControlObject {
    SkinCanvas Copy() const { return *this; }

    // Makes the window a board and returns its index: shape rounded (1), no glow, no border, divider
    // colour 0, no picture, image mode 0. A window that is a board already answers its index; one
    // skinned otherwise is refused with 0. When the window has children and child skinning is on, the
    // board hosts them as a container of its form.
    int Attach(HWND board, std::optional<int> shape = std::nullopt, std::optional<int> glowEdges = std::nullopt,
               std::optional<int> border = std::nullopt, std::optional<COLORREF> dividerColour = std::nullopt,
               std::optional<std::string> backgroundImage = std::nullopt,
               std::optional<int> imageMode = std::nullopt);
    // Each omitted argument keeps its value; alphas keep their low byte. Requests no repaint.
    bool SetGradient(std::optional<int> mode = std::nullopt, std::optional<COLORREF> colour1 = std::nullopt,
                     std::optional<int> alpha1 = std::nullopt, std::optional<COLORREF> colour2 = std::nullopt,
                     std::optional<int> alpha2 = std::nullopt) const;
    // Stores the four values as given and refreshes.
    bool SetGlow(int edges, int width, COLORREF colour, int alpha) const;
    bool Refresh() const;
    // The alpha is kept whole (painting uses its low byte). Requests no repaint.
    bool SetBorderColour(std::optional<COLORREF> colour = std::nullopt, std::optional<int> alpha = std::nullopt) const;
    bool SetMouseEnterCallback(SkinCallback handler) const;
    bool SetMouseLeaveCallback(SkinCallback handler) const;
    // An omitted mode is 0. Refreshes.
    bool SetBackgroundImage(const std::string& picture, std::optional<int> mode = std::nullopt) const;

    // Animated pictures (skin_canvas_animation.cpp). A new item takes the picture's own size unless one
    // is given and starts playing; with `replace` an existing item takes the new picture (and keeps its
    // size unless one is given) and plays. -1 for empty bytes or a missing item to replace.
    int AddAnimatedImage(const std::string& gif, int x, int y, std::optional<int> width = std::nullopt,
                         std::optional<int> height = std::nullopt, std::optional<int> replace = std::nullopt) const;
    // Erases the old place; a playing item plays on at the new one, a stopped one shows nothing there.
    bool MoveAnimatedImage(std::optional<int> x = std::nullopt, std::optional<int> y = std::nullopt,
                           std::optional<int> width = std::nullopt, std::optional<int> height = std::nullopt,
                           int item = 1) const;
    // Signals the item's worker, which erases its rectangle and ends; does not wait.
    bool StopAnimation(int item = 1) const;
    // Plays a stopped item again (after joining its old worker); nothing for a playing one.
    bool PlayAnimation(int item = 1) const;

    HWND GetWindow() const { return window; }

    // Picture and text elements (skin_canvas_elements.cpp).
    int AddImage(const std::string& picture, int x, int y, std::optional<int> width = std::nullopt,
                 std::optional<int> height = std::nullopt, bool drawNow = false) const;
    int RedrawImage(int element) const;
    int ModifyImage(int element, std::optional<std::string> picture = std::nullopt, std::optional<int> x = std::nullopt,
                    std::optional<int> y = std::nullopt, std::optional<int> width = std::nullopt,
                    std::optional<int> height = std::nullopt) const;
    int GetImageCount() const;  // -1 without a board
    int AddText(const std::string& text, const CanvasTextOptions& options = CanvasTextOptions()) const;  // -1
    int GetTextCount() const;  // -1
    std::string GetText(int element = 1) const;
    int RedrawText(int element) const;
    int ModifyText(int element, const CanvasTextOptions& options = CanvasTextOptions()) const;
    int GetImageLeft(int element) const;
    int GetImageTop(int element) const;
    int GetImageWidth(int element) const;
    int GetImageHeight(int element) const;

    // The last finished picture; 0 before the first recomposition.
    HDC GetBackgroundDC() const;

private:
    SkinCanvasRecord* Record() const;
};

// The program's one board object.
inline SkinCanvas g_skinCanvas;

// The record of the board on the window, or nullptr.
SkinCanvasRecord* FindSkinCanvas(HWND window);
// Sets dirty and invalidates the whole board without erasing; false when the window is no board.
bool InvalidateSkinCanvas(HWND window);
// Copies the kept picture onto the window (into `dc` when given, else the window's own), the visible
// children clipped out, and into the owning form's back buffer.
void EraseSkinCanvas(HWND window, HDC dc = nullptr);
bool HasChildWindow(HWND window);
// From WM_NCDESTROY: stops and joins every worker, frees the record under the registry's write guard,
// gives up a container registration still held and renumbers the later boards.
void DetachSkinCanvas(HWND window);

// Hosting (skin_canvas_hosting.cpp): at attach, when the window has children and child skinning is
// on, registers the board as a container of its form (its own background painting off), skins the
// children, marks it Wxk_Zpf and records the host above it in Mb_zpf; at detach, gives up a container
// registration still held.
void HostSkinCanvasChildren(SkinCanvasRecord& board);
void UnhostSkinCanvasChildren(HWND window);

LRESULT CALLBACK SkinCanvasWindowProcEntry(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT SkinCanvasWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Animation services of the board (skin_canvas_animation.cpp).
// Signals every worker, joins them all and frees the items.
void StopAllAnimatedImages(SkinCanvasRecord& board);
// Fills the patches of the items whose rectangle meets `changed` (all with nullptr) from the kept
// picture: after every change of the kept picture.
void RefreshAnimationPatches(SkinCanvasRecord& board, const RECT* changed = nullptr);
// One frame of a worker: the patch, the picture's active frame scaled over it in frameDc (of the
// rectangle's size), the result on the window. False, drawing nothing, while there is no patch yet.
class GdipImage;
bool ShowAnimationFrame(AnimationPlayback& playback, const GdipImage& picture, HDC frameDc);
// Workers of the board still running (started and not joined).
int LiveAnimationWorkers(const SkinCanvasRecord& board);
