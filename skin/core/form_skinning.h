#pragma once
// Making an application window a skinned form. Every window calls SetSkinOptions and SkinForm from its
// creation handler (the skin settings window only SkinForm); the window's definition is frameless, so
// its window rectangle is its client area and the skin paints caption, border and status band.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "skin/core/skin_form_record.h"

// g_skinChildControls := skinChildControls; g_veilAlpha := veilAlpha, 160 when not given;
// g_veilEnabled := whether a veil alpha was given; g_trackbarEffect := trackbarEffect, 1 when not given.
void SetSkinOptions(bool skinChildControls, std::optional<int> veilAlpha = std::nullopt,
                    std::optional<bool> trackbarEffect = std::nullopt);

// The optional arguments of SkinForm. Those without std::optional are used as they stand.
struct SkinFormOptions {
    int captionHeight = 0;                 // raised to 25 when lower
    // 1 when not given; the caption-button tooltip window is made only when given non-zero.
    std::optional<int> frameEnabled;
    std::optional<int> resizable;          // 1
    std::optional<int> helpButton;         // 0
    std::optional<int> menuButton;         // 0
    std::optional<int> showTitle;          // 1
    std::optional<int> captionGradient;    // 0
    int statusHeight = 0;                  // a status band only when above 0
    std::optional<std::vector<StatusBandSegment>> statusSegments;  // one segment filling the band
    std::string backgroundImage;           // picture bytes GDI+ decodes; empty: none
    std::optional<int> imageMode;          // g_skinImageMode
    std::optional<COLORREF> tintColour;    // CLR_INVALID (-1): no tint
    std::optional<int> tintAlpha;          // 255
    int hideClose = 0;                     // non-zero: no close button
};

// Records the window as a skinned form: builds its record from the options and the window's style
// (WS_MINIMIZEBOX and WS_MAXIMIZEBOX give those caption buttons), prepares the picture, makes the
// caption buttons with their tooltips, lays out caption strip and status band, runs the control
// installers over the window's children and subclasses the window with SkinFormWindowProc. Takes
// WS_CLIPCHILDREN off and puts WS_SYSMENU on. A window that is already skinned is left alone. It
// neither shows nor paints: the first show or paint draws the frame.
void SkinForm(HWND window, const SkinFormOptions& options = SkinFormOptions());
