#pragma once
// Combo boxes ("ComboBox"): list, selection, keyboard and the inner edit field stay native; the skin
// draws the box: what lies behind it under the white veil, holes keyed out where its child windows
// show, a thin frame, for drop-down styles a rounded button with a gradient face and a down arrow, and
// for a drop-down list its text. The edit field inside is an Edit of the edit family
// (edit_family.h), which also registers the combo boxes. UI thread only.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

class GdipGraphics;

// What the combo-box painter reads of the control.
struct ComboSnapshot {
    int width = 0;  // of the window rectangle
    int height = 0;
    LONG_PTR style = 0;
    RECT button = {};  // the drop-down button, CB_GETCOMBOBOXINFO
    bool hot = false;
    bool focused = false;
    bool veil = false;  // g_veilEnabled: the box shows the background under the veil, else opaque white
    int veilAlpha = 0;
    // Where the child windows show: keyed out (0xFF00FF) in window coordinates.
    std::vector<RECT> holes;
    std::string text;  // drop-down lists: the window text
    COLORREF textColour = 0;
};

LRESULT CALLBACK ComboBoxWindowProc(HWND combo, UINT message, WPARAM wParam, LPARAM lParam);

// Paints combo box `listIndex` of form `formNumber` (client and non-client area) onto its window and
// into the form's back buffer. Hot is off when not given; focused is the record's when not given.
void PaintComboBox(int formNumber, int listIndex, std::optional<bool> hot = std::nullopt,
                   std::optional<bool> focused = std::nullopt);

struct SkinComboRecord;
// The snapshot of a registered combo box; focused is the record's when not given.
ComboSnapshot TakeComboSnapshot(const SkinComboRecord& record, bool hot, std::optional<bool> focused);
// The layers of the box onto a graphics of the window's size.
void DrawComboFace(GdipGraphics& graphics, const ComboSnapshot& box);
