#pragma once
// Edit boxes ("Edit"): typing, selection and scrolling stay native, and the Edit draws its own text.
// The skin paints the non-client ring (what lies behind the Edit under the white veil, and a thin line
// by border kind and state), paints the client background under the veil and keeps the Edit's overlay
// scroll bars (scroll_overlays.h) in step with it. The installer also registers the combo boxes of the
// parent (combo_family.h) and, with the veil on, the edit fields inside them. UI thread only.
#include <windows.h>

#include <optional>

class GdipGraphics;

// What the frame painter reads of an Edit.
struct EditFrameSnapshot {
    int width = 0;  // of the window rectangle
    int height = 0;
    RECT client = {};  // the client area in window coordinates (GetEditNonClientOffsets)
    int borderKind = 0;  // GetBorderKind
    bool focused = false;
    bool hot = false;
    bool veil = false;  // g_veilEnabled: the ring shows the background under the veil, else opaque white
    int veilAlpha = 0;
};

// Registers the direct "Edit" children of the parent not yet listed in form `formNumber` (with an
// overlay for each scroll style they have), then its "ComboBox" children not yet listed and, while
// g_veilEnabled is set, the edit field inside each of them (without overlays). Each is subclassed
// once; nothing happens while g_skinChildControls is off.
void SkinEditsAndCombos(int formNumber, HWND parent);
// The Edit's index in the form's Edit list, 0 when it is not there.
int FindEditRecord(int formNumber, HWND edit);

LRESULT CALLBACK EditWindowProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam);

// Paints the Edit's non-client ring onto its window and the whole picture into its form's back
// buffer. A flag not given is the record's.
void PaintEditFrame(HWND edit, std::optional<bool> focused = std::nullopt, std::optional<bool> hot = std::nullopt);
// The border lines onto a graphics covering the Edit's window rectangle; nothing for an Edit outside
// every skinned form. A flag not given is the record's (not hot for an Edit without one).
void PaintEditBorder(HWND edit, std::optional<bool> focused, std::optional<bool> hot, GdipGraphics& graphics);
// What lies behind the Edit's client area under the veil, into the context at (0, 0).
void PaintEditBackground(HWND edit, HDC dc);

struct SkinEditRecord;
// The snapshot of a registered Edit; a flag not given is the record's.
EditFrameSnapshot TakeEditFrameSnapshot(HWND edit, const SkinEditRecord& record, std::optional<bool> focused,
                                        std::optional<bool> hot);
// The ring's veil (or white) and the border lines onto a graphics of the window's size.
void DrawEditFrameFace(GdipGraphics& graphics, const EditFrameSnapshot& frame);
// The lines of a border kind: a hot 3-D edge has an outer line of white under theme and an inner theme
// line; every other border one outer line, theme when focused, else black; no border nothing.
void DrawEditBorderLines(GdipGraphics& graphics, int width, int height, int borderKind, bool focused, bool hot);
