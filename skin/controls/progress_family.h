#pragma once
// Progress bars ("msctls_progress32"): native PBM_* handling kept, drawn whole by the skin as a rounded
// trough with a soft face and a rounded bar in a white-to-theme gradient whose length follows the
// position. No hover, focus or pressed look. UI thread only.
#include <windows.h>

class GdipGraphics;

// What the progress painter reads of the control.
struct ProgressSnapshot {
    int width = 0;  // of the window rectangle
    int height = 0;
    bool vertical = false;
    int position = 0;  // PBM_GETPOS
    int low = 0;       // PBM_GETRANGE
    int high = 100;
};

// Registers the direct "msctls_progress32" children of `parent` not yet listed in form `formNumber`,
// and subclasses them; nothing while g_skinChildControls is off.
void SkinProgressBars(int formNumber, HWND parent);

LRESULT CALLBACK ProgressBarWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

bool TakeProgressSnapshot(HWND window, ProgressSnapshot& snapshot);
// The trough, and the bar when the range is not empty and the position gives it a length; the
// position itself is scaled over the span of the range.
void DrawProgressFace(GdipGraphics& graphics, const ProgressSnapshot& bar);
// Paints progress bar `listIndex` of form `formNumber` over its whole window and into the back buffer.
void PaintProgressBar(int formNumber, int listIndex);
