#pragma once
// Changing the look of the skinned forms after they were skinned: the skin picture and colours every
// painter uses, one form's title style and one form's status-band text style. UI thread only.
#include <windows.h>

#include <optional>
#include <string>

// A theme colour that stands for the skin's base colour.
inline constexpr COLORREF kThemeFromBaseColour = CLR_INVALID;

struct SkinPicture {
    std::string fileName;  // used instead of the bytes when not empty
    std::string bytes;     // any picture GDI+ decodes
    std::optional<COLORREF> baseColour;   // the picture's average colour when not given
    // kThemeFromBaseColour: the base colour; not given: the start-up theme colour.
    std::optional<COLORREF> themeColour;
    std::optional<int> imageMode;         // 4 (mirrored strip) when not given
};
// Puts the theme colour in force; with a picture or a base colour also the skin picture (modes 0 and 1
// faded into the base colour and kept as PNG, a file in other modes encoded as PNG, bytes kept as they
// are), the base colour and the image mode, and then rebuilds the frames of the visible forms, which
// repaint with all their controls. Only a base colour removes the skin picture and keeps the mode.
// Hidden forms take the new skin at their next frame rebuild.
void ApplySkin(const SkinPicture& skin);

struct TitleTextStyle {
    std::optional<std::string> fontName;
    std::optional<int> fontSize;
    std::optional<COLORREF> textColour;
    std::optional<COLORREF> glowColour;  // CLR_INVALID: no glow
    std::optional<bool> bold;
    std::optional<int> softGlow;         // non-zero: the blurred halo instead of the ring
};
// Changes what is given of the form's title style and draws the title again at once, even on a form
// that shows no title. False, with nothing changed, when the window is not a skinned form.
bool SetTitleTextStyle(HWND formWindow, const TitleTextStyle& style);

// The smallest size the user may drag the form to (200 x 150 until set): a form whose units are laid
// out for its designed size passes that size. False, with nothing changed, when the window is not a
// skinned form.
bool SetFormMinimumSize(HWND formWindow, int width, int height);

struct StatusTextStyle {
    std::optional<bool> inverseText;     // 1: the segments' text in the inverse of the base colour
    std::optional<bool> halo;            // 0
    std::optional<COLORREF> haloTextColour;  // 0
    std::optional<COLORREF> haloColour;  // 0xFFFFFF
    std::optional<std::string> fontName; // kept when not given
    std::optional<int> fontSize;         // kept when not given
};
// Sets the form's status-band text style, missing values taking the defaults above; it shows from the
// next frame rebuild. False, with nothing changed, when the window is not a skinned form.
bool SetStatusBandStyle(HWND formWindow, const StatusTextStyle& style);
