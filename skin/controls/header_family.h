#pragma once
// List headers ("SysHeader32"), above all the column headers of list views: clicks, divider dragging
// and notifications stay native; the skin draws every item: what lies behind it under the white veil,
// a soft gradient in the theme colour, a one-pixel separator at its right edge, its image-list icon
// and its text aligned by the item's format, with darker looks for the item under the mouse and the
// pressed item of button-style headers. UI thread only.
#include <windows.h>

#include <string>

class GdipGraphics;
struct SkinHeaderRecord;

// What the header painter reads of one item.
struct HeaderItemSnapshot {
    int width = 0;  // of the item
    int height = 0;
    int drawnWidth = 0;  // the last item of a list view's header reaches the list view's client edge
    int top = 0;
    std::string text;
    int format = 0;  // HDF_* bits
    HICON icon = nullptr;  // the item's image-list icon; the painter destroys it
    int margin = 0;  // HDM_GETBITMAPMARGIN
    bool buttons = false;
    bool hot = false;      // the item is the hot one of a hot header
    bool pressed = false;  // the item the left button went down on
    bool veil = false;
    int veilAlpha = 0;
    std::string fontFace;
    int fontSize = 12;
    int fontStyle = 0;
};

// Registers the direct "SysHeader32" children of the parent and the header of each of its
// "SysListView32" children, those not yet listed in form `formNumber`; nothing while
// g_skinChildControls is off.
void SkinListViewHeaders(int formNumber, HWND parent);

LRESULT CALLBACK ListViewHeaderWndProc(HWND header, UINT message, WPARAM wParam, LPARAM lParam);

// The 1-based item whose rectangle holds the x of the point in lParam at least 5 pixels from both of
// its edges; 0 on a divider or beyond the items.
int HitTestHeaderItem(int formNumber, int listIndex, LPARAM lParam);

// Paints every item of header `listIndex` of form `formNumber` onto the header and into the form's back
// buffer; nothing unless both numbers are in range.
void PaintListViewHeader(int formNumber, int listIndex);

// The snapshot of item `item` (0-based) of a registered header; its rectangle goes to `place`, the last
// item of a list view's header stretched to the list view's client edge.
HeaderItemSnapshot TakeHeaderItemSnapshot(const SkinHeaderRecord& record, int item, int count, int margin,
                                          RECT& place);
// Where the item's icon and text start: by HDF_RIGHT or HDF_CENTER when icon, margin and text fit in
// the item, else at the margin.
int HeaderContentX(int format, int itemWidth, int iconWidth, int textWidth, int margin);
// The face of one item (veil, theme shades, separator) onto a graphics of its drawn size.
void DrawHeaderItemFace(GdipGraphics& graphics, const HeaderItemSnapshot& item);
// The item's icon and text over its face, the text in the given colour (the icon is drawn, not destroyed).
void DrawHeaderItemContent(GdipGraphics& graphics, const HeaderItemSnapshot& item, COLORREF textColour);
