#include "skin/controls/toolbar_family.h"

#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "gdiplus/gdip_bitmap.h"
#include "gdiplus/gdip_font.h"
#include "gdiplus/gdip_graphics.h"
#include "gdiplus/gdip_path.h"
#include "skin/controls/arrow_pictures.h"
#include "skin/controls/back_buffer_copies.h"
#include "skin/controls/container_family.h"
#include "skin/controls/control_framework.h"
#include "skin/controls/paint_helpers.h"
#include "skin/controls/veiled_background.h"
#include "skin/core/drawing_core.h"
#include "skin/core/drawing_primitives.h"
#include "skin/core/memory_dc.h"
#include "skin/core/mouse_tracking.h"
#include "skin/core/skin_colours.h"
#include "skin/core/skin_options.h"
#include "skin/core/window_rects.h"

namespace {

constexpr char kToolbarClass[] = "ToolbarWindow32";
constexpr char kRichEditClass[] = "RichEdit20A";
constexpr COLORREF kGreyText = 0x808080;
constexpr int kButtonCorner = 5;
constexpr int kDropdownWidth = 12;
constexpr int kMeasureTrailingSpaces = 0x800;
constexpr int kTrimEllipsisCharacter = 3;
// A separator this near the left edge, not the first button, starts a wrapped row.
constexpr int kWrapSeparatorX = 10;

// Classes that paint themselves into a given context: their picture is laid over the background with
// the key colour left out.
bool PaintsIntoGivenDc(const std::string& className)
{
    return className == "SysMonthCal32" || className == "SysTabControl32" || className == "msctls_statusbar32" ||
           className == "Button" || className == "msctls_trackbar32";
}

// The record Kj_FuID and Kj_lbID name, when it is this window's.
OwnRecord<SkinKjRecord> LookUpKj(HWND window)
{
    return LookUpOwnRecord(window, &SkinFormRecord::kjControls, kKjRecordProperties);
}

LRESULT CallKjPrevious(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return CallPreviousProc(window, kPropKjProc, message, wParam, lParam);
}

LRESULT PaintToolbarMessage(HWND toolbar, const SkinKjRecord& record, WPARAM wParam, LPARAM lParam)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(toolbar, &ps);
    if (record.repaint)
        PaintToolbar(toolbar);
    else
        BlitFormBackground(toolbar, true, false, dc);
    EndPaint(toolbar, &ps);
    return DefWindowProcA(toolbar, WM_PAINT, wParam, lParam);
}

// The control paints itself into a context holding what lies behind it; that picture, key colour left
// out, goes over the veiled background.
LRESULT PaintOverBackground(HWND control, const SkinKjRecord& record, WPARAM wParam, LPARAM lParam)
{
    RECT client = {};
    GetClientRect(control, &client);
    HDC memory = CreateBackgroundDC(control, client);
    if (!memory)
        return CallKjPrevious(control, WM_PAINT, wParam, lParam);
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(control, &ps);
    const LRESULT result = CallKjPrevious(control, WM_PAINT, reinterpret_cast<WPARAM>(memory), lParam);
    if (HDC veiled = MakeVeiledBackgroundDc(control)) {
        GdiFlush();
        KeyedCopy(veiled, 0, 0, client.right, client.bottom, memory, 0, 0, record.colourKey);
        BitBlt(dc, 0, 0, client.right, client.bottom, veiled, 0, 0, SRCCOPY);
        BlitToControl(control, veiled, true);
        ReleaseMemoryDC(veiled);
    }
    ReleaseMemoryDC(memory);
    EndPaint(control, &ps);
    return result;
}

// The control paints on the screen; its fresh pixels are read back over the background, key colour
// left out, and the composite goes back on the screen.
LRESULT PaintByReadingBack(HWND control, const SkinKjRecord& record, WPARAM wParam, LPARAM lParam)
{
    RECT update = {};
    if (!GetUpdateRect(control, &update, FALSE))
        return CallKjPrevious(control, WM_PAINT, wParam, lParam);
    // The background and the back buffer take the area in window coordinates.
    const RECT client = GetClientRectInWindow(control);
    RECT area = update;
    OffsetRect(&area, client.left, client.top);
    const int width = update.right - update.left;
    const int height = update.bottom - update.top;
    HDC memory = CreateBackgroundDC(control, area);
    if (!memory)
        return CallKjPrevious(control, WM_PAINT, wParam, lParam);
    HDC dc = GetDC(control);
    const LRESULT result = CallKjPrevious(control, WM_PAINT, reinterpret_cast<WPARAM>(memory), lParam);
    GdiFlush();
    KeyedCopy(memory, 0, 0, width, height, dc, update.left, update.top, record.colourKey);
    BitBlt(dc, update.left, update.top, width, height, memory, 0, 0, SRCCOPY);
    InvalidateVisibleChildren(control);
    BlitAreaToControl(control, memory, area, true);
    ReleaseMemoryDC(memory);
    ReleaseDC(control, dc);
    return result;
}

LRESULT OnKjPaint(HWND control, const SkinKjRecord& record, WPARAM wParam, LPARAM lParam)
{
    if (!g_skinChildControls)
        return CallKjPrevious(control, WM_PAINT, wParam, lParam);
    const std::string className = GetWindowClassName(control);
    if (className == kToolbarClass)
        return PaintToolbarMessage(control, record, wParam, lParam);
    if (PaintsIntoGivenDc(className))
        return PaintOverBackground(control, record, wParam, lParam);
    return PaintByReadingBack(control, record, wParam, lParam);
}

bool IsToolbar(HWND window)
{
    return GetWindowClassName(window) == kToolbarClass;
}

std::string ButtonText(HWND toolbar, int command)
{
    const LRESULT length = SendMessageA(toolbar, TB_GETBUTTONTEXTA, static_cast<WPARAM>(command), 0);
    if (length < 1)
        return {};
    std::vector<char> text(static_cast<size_t>(length) + 1, '\0');
    SendMessageA(toolbar, TB_GETBUTTONTEXTA, static_cast<WPARAM>(command), reinterpret_cast<LPARAM>(text.data()));
    return text.data();
}

void StrokeLine(GdipGraphics& graphics, float x1, float y1, float x2, float y2, uint32_t argb)
{
    GdipPath path;
    path.CreatePath();
    path.AddPathLine(x1, y1, x2, y2);
    StrokePath(graphics, path, argb);
}

// An etched line: dark, and light one pixel beside it (below a horizontal one, right of a vertical one).
void DrawEtchedLine(GdipGraphics& graphics, float x1, float y1, float x2, float y2)
{
    const bool horizontal = y1 == y2;
    StrokeLine(graphics, x1, y1, x2, y2, MakeArgbColor(kBlack, 100));
    const float dx = horizontal ? 0.0f : 1.0f;
    const float dy = horizontal ? 1.0f : 0.0f;
    StrokeLine(graphics, x1 + dx, y1 + dy, x2 + dx, y2 + dy, MakeArgbColor(kWhite, 150));
}

struct ButtonFace {
    float x = 0, y = 0, w = 0, h = 0;
    BYTE state = 0;
    BYTE style = 0;
    bool hot = false;
};

void DrawButtonState(GdipGraphics& graphics, const ButtonFace& b)
{
    GdipPath shape;
    MakeRoundRectPath(shape, b.x, b.y, b.w, b.h, kButtonCorner);
    const bool pressed = (b.state & TBSTATE_PRESSED) != 0;
    const bool checked = (b.state & TBSTATE_CHECKED) != 0;
    if (pressed) {
        FillPathGradient(graphics, shape,
                         {PointF{b.x, b.y}, PointF{b.x, b.y + b.h}, MakeArgbColor(kBlack, 60), MakeArgbColor(kWhite, 100)});
    } else if (checked) {
        FillPathSolid(graphics, shape, MakeArgbColor(kWhite, 100));
        FillPathSolid(graphics, shape, MakeArgbColor(g_themeColour, 16));
        FillPathRadial(graphics, shape, MakeArgbColor(kWhite, 100), MakeArgbColor(g_themeColour, 80),
                       (b.w - 4) / b.w, (b.h - 4) / b.h);
    } else if (b.hot) {
        FillPathSolid(graphics, shape, MakeArgbColor(kWhite, 100));
        FillPathSolid(graphics, shape, MakeArgbColor(g_themeColour, 10));
        FillPathRadial(graphics, shape, MakeArgbColor(kWhite, 10), MakeArgbColor(g_themeColour, 60),
                       (b.w - 4) / b.w, (b.h - 6) / b.h);
    }
    if (!pressed && !checked && !b.hot)
        return;
    if (b.style != BTNS_SEP) {
        StrokePath(graphics, shape, MakeArgbColor(kBlack, 100));
        GdipPath inner;
        MakeRoundRectPath(inner, b.x + 1, b.y + 1, b.w - 2, b.h - 2, kButtonCorner);
        StrokePath(graphics, inner, MakeArgbColor(kWhite, 60));
    }
    if (b.style == BTNS_DROPDOWN || b.style == BTNS_WHOLEDROPDOWN) {
        const float split = b.x + b.w - kDropdownWidth;
        StrokeLine(graphics, split, b.y + 3, split, b.y + b.h - 3, MakeArgbColor(kBlack, 100));
        StrokeLine(graphics, split + 1, b.y + 3, split + 1, b.y + b.h - 3, MakeArgbColor(kWhite, 150));
    }
}

}  // namespace

void SkinToolbars(int /*formNumber*/, HWND parent)
{
    HWND toolbar = nullptr;
    while ((toolbar = FindWindowExA(parent, toolbar, kToolbarClass, nullptr)) != nullptr) {
        if (LookUpKj(toolbar).record)
            continue;
        SetWindowProp(toolbar, kPropKjToolbarImages, SendMessageA(toolbar, TB_GETIMAGELIST, 0, 0));
        SkinKjControl(toolbar);
    }
}

int SkinKjControl(HWND control, std::optional<COLORREF> colourKey, COLORREF fillColour, int fillAlpha)
{
    const int formNumber = FindOwningSkinnedWindow(control);
    SkinFormRecord* form = SkinFormAt(formNumber);
    if (!form || !IsWindow(control) || FindListIndex(form->kjControls, control) > 0 || HoldsHwProperties(control))
        return 0;
    auto record = std::make_unique<SkinKjRecord>();
    record->hwnd = control;
    record->repaint = IsToolbar(control);
    const ControlFontInfo font = GetControlFontInfo(control);
    record->fontFace = font.face;
    record->fontSize = font.size;
    record->fontStyle = font.style;
    record->colourKey = colourKey ? *colourKey : GetSysColor(COLOR_BTNFACE);
    SkinKjRecord& added = *record;
    const int index = AppendRecord(form->kjControls, std::move(record));
    added.previousProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(KjControlWndProc)));
    SetWindowProp(control, kPropKjListIndex, index);
    SetWindowProp(control, kPropKjFormNumber, formNumber);
    SetWindowProp(control, kPropKjProc, reinterpret_cast<LONG_PTR>(added.previousProc));
    if (FindWindowExA(control, nullptr, nullptr, nullptr))
        SkinContainerWindow(control, 0, fillColour, fillAlpha);
    return index;
}

LRESULT CALLBACK KjControlWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const OwnRecord<SkinKjRecord> own = LookUpKj(window);
    if (!own.record)
        return CallKjPrevious(window, message, wParam, lParam);
    SkinKjRecord& record = *own.record;
    const WNDPROC previous = record.previousProc;
    switch (message) {
    case WM_MOUSEMOVE:
        record.repaint = true;
        if (!record.mouseTracking) {
            record.mouseTracking = true;
            TrackMouseLeave(window);
        }
        break;
    case WM_LBUTTONDOWN:
        record.repaint = true;
        break;
    case WM_MOUSELEAVE:
        record.mouseTracking = false;
        record.repaint = true;
        break;
    case WM_WINDOWPOSCHANGING:
        MarkContainerDirty(window);
        break;
    case WM_MOVE:
        if (g_veilEnabled)
            InvalidateRect(window, nullptr, FALSE);
        break;
    case WM_ERASEBKGND:
        if (!g_veilEnabled)
            break;
        if (!record.repaint && IsToolbar(window))
            record.repaint = FormAllowsControlRepaint(window, true);
        SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        return 1;
    case WM_SIZE:
        if (IsToolbar(window))
            record.repaint = true;
        break;
    case WM_PAINT:
        return OnKjPaint(window, record, wParam, lParam);
    case WM_VSCROLL:
    case WM_HSCROLL:
        if (GetWindowClassName(window) == kRichEditClass)
            InvalidateRect(window, nullptr, FALSE);
        break;
    default:
        break;
    }
    return CallRecordedProc(previous, window, message, wParam, lParam);
}

namespace {

// What the buttons of one toolbar paint share, read once per paint: one graphics on the memory context,
// the caption font and the toolbar's settings. (Attaching a graphics, making a font and reading a window
// property each cost about as much as a button's drawing under Wine.)
struct ToolbarPaint {
    HWND toolbar = nullptr;
    HDC memoryDc = nullptr;
    const SkinKjRecord* record = nullptr;
    HIMAGELIST images = nullptr;
    int imageCount = 0;
    int iconWidth = 0;
    int iconHeight = 0;
    bool listLayout = false;
    COLORREF textColour = 0;
    int clientWidth = 0;
    CaptionStyle caption;
    GdipFont font;
    GdipBitmap surface;  // declared before the graphics, which must go first
    GdipGraphics graphics;
};

bool BeginToolbarPaint(ToolbarPaint& paint, HWND toolbar, HDC memoryDc)
{
    paint.record = LookUpKj(toolbar).record;
    if (!paint.record)
        return false;
    paint.toolbar = toolbar;
    paint.memoryDc = memoryDc;
    paint.images = GetWindowPropHandle<HIMAGELIST>(toolbar, kPropKjToolbarImages);
    paint.imageCount = paint.images ? ImageList_GetImageCount(paint.images) : 0;
    if (paint.imageCount > 0 && !ImageList_GetIconSize(paint.images, &paint.iconWidth, &paint.iconHeight))
        paint.imageCount = 0;
    paint.listLayout = (SendMessageA(toolbar, TB_GETSTYLE, 0, 0) & TBSTYLE_LIST) != 0;
    paint.textColour = static_cast<COLORREF>(GetWindowProp(toolbar, kPropKjTextColour));
    RECT client = {};
    GetClientRect(toolbar, &client);
    paint.clientWidth = client.right;
    paint.caption.face = paint.record->fontFace;
    paint.caption.size = static_cast<float>(paint.record->fontSize);
    paint.caption.style = paint.record->fontStyle;
    paint.caption.alignment = 1;
    paint.caption.lineAlignment = 1;
    paint.caption.formatFlags = kMeasureTrailingSpaces;
    paint.caption.trimming = kTrimEllipsisCharacter;
    MakeCaptionFont(paint.font, paint.caption);
    AttachOpaqueGraphics(paint.graphics, paint.surface, memoryDc);
    return true;
}

// The icon is drawn by GDI between the graphics' layers: the pixels it wrote are made opaque again so
// that the layers after it blend over them as over the rest.
void DrawButtonIcon(const ToolbarPaint& paint, const TBBUTTON& button, int x, int y, bool greyed)
{
    GdiFlush();
    if (greyed) {
        HICON icon = ImageList_GetIcon(paint.images, button.iBitmap, ILD_TRANSPARENT);
        DrawIconTinted(paint.memoryDc, x, y, icon, button.fsState);
        if (icon)
            DestroyIcon(icon);
    } else {
        // The image list draws what an icon made of the picture would draw (mask, then colour) without
        // making one: under Wine that costs more than all the rest of the button.
        ImageList_Draw(paint.images, button.iBitmap, paint.memoryDc, x, y, ILD_TRANSPARENT);
    }
    MakeAreaOpaque(paint.memoryDc, {x, y, x + paint.iconWidth, y + paint.iconHeight});
}

void PaintButton(ToolbarPaint& paint, int index, bool hot)
{
    HWND toolbar = paint.toolbar;
    TBBUTTON button = {};
    if (!SendMessageA(toolbar, TB_GETBUTTON, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&button)))
        return;
    // A hidden button leaves its place to the background.
    if (button.fsState & TBSTATE_HIDDEN)
        return;
    RECT item = {};
    SendMessageA(toolbar, TB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    const bool hasImage = button.iBitmap >= 0 && button.iBitmap < paint.imageCount;
    const std::string text = ButtonText(toolbar, button.idCommand);
    const bool greyed = (button.fsState & TBSTATE_INDETERMINATE) || !(button.fsState & TBSTATE_ENABLED);

    ButtonFace face;
    face.x = static_cast<float>(item.left);
    face.y = static_cast<float>(item.top);
    face.w = static_cast<float>(item.right - item.left);
    face.h = static_cast<float>(item.bottom - item.top);
    face.state = button.fsState;
    face.style = button.fsStyle;
    face.hot = hot;
    const int x = item.left;
    const int y = item.top;
    const int w = item.right - item.left;
    const int h = item.bottom - item.top;
    const int iw = hasImage ? paint.iconWidth : 0;
    const int ih = hasImage ? paint.iconHeight : 0;

    GdipGraphics& graphics = paint.graphics;
    DrawButtonState(graphics, face);
    if (button.fsStyle == BTNS_SEP) {
        if (x < kWrapSeparatorX && index > 0)
            DrawEtchedLine(graphics, face.x + 3, face.y + face.h - 5,
                           face.x + static_cast<float>(paint.clientWidth) - 6, face.y + face.h - 5);
        else
            DrawEtchedLine(graphics, face.x + (face.w - 2) / 2, face.y + 3, face.x + (face.w - 2) / 2,
                           face.y + face.h - 3);
    }

    const bool plainButton = button.fsStyle == BTNS_BUTTON || button.fsStyle == BTNS_CHECK ||
                             button.fsStyle == BTNS_CHECKGROUP;
    const bool dropdown = button.fsStyle == BTNS_DROPDOWN || button.fsStyle == BTNS_WHOLEDROPDOWN;
    if (hasImage && (plainButton || dropdown)) {
        // A greyed dropdown's icon is centred in the full width, an enabled one's left of the arrow.
        const int iconWidth = dropdown && !greyed ? w - iw - 10 : w - iw;
        const int ix = paint.listLayout ? x + 2 : x + iconWidth / 2;
        const int iy = paint.listLayout ? y + (h - ih) / 2 : y + 2;
        DrawButtonIcon(paint, button, ix, iy, greyed);
    }

    if (dropdown) {
        GdipBitmap arrow;
        if (LoadArrowBitmap(ArrowPicture::kDown, arrow))
            graphics.DrawImageRectRect(arrow, face.x + face.w - 8, face.y + (face.h - 4) / 2,
                                       static_cast<float>(arrow.GetImageWidth()),
                                       static_cast<float>(arrow.GetImageHeight()));
    }
    if (text.empty())
        return;
    paint.caption.colour = greyed ? kGreyText : paint.textColour;
    const float fiw = static_cast<float>(iw);
    const float fih = static_cast<float>(ih);
    const float arrowSpace = dropdown ? static_cast<float>(kDropdownWidth) : 0.0f;
    const RectF layout = paint.listLayout ? MakeRect(face.x + fiw, face.y + 2, face.w - fiw - arrowSpace, face.h)
                                          : MakeRect(face.x, face.y + fih, face.w - arrowSpace, face.h - fih);
    DrawCaptionInFont(graphics, text, layout, paint.caption, paint.font);
}

}  // namespace

void PaintToolbar(HWND toolbar)
{
    SkinKjRecord* record = LookUpKj(toolbar).record;
    if (!record)
        return;
    const int count = static_cast<int>(SendMessageA(toolbar, TB_BUTTONCOUNT, 0, 0));
    const int hot = static_cast<int>(SendMessageA(toolbar, TB_GETHOTITEM, 0, 0));
    RECT client = {};
    GetClientRect(toolbar, &client);
    HDC memory = CreateBackgroundDC(toolbar, client);
    if (!memory)
        return;
    {
        ToolbarPaint paint;
        if (BeginToolbarPaint(paint, toolbar, memory)) {
            for (int i = 0; i < count; ++i)
                PaintButton(paint, i, i == hot);
        }
    }
    BlitToControl(toolbar, memory, true);
    HDC dc = ExcludeChildrenFromClip(toolbar);
    BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
    ReleaseDC(toolbar, dc);
    ReleaseMemoryDC(memory);
    record->repaint = false;
}

void PaintToolbarButtons(HWND toolbar, int index, HDC memoryDc, bool hot)
{
    ToolbarPaint paint;
    if (BeginToolbarPaint(paint, toolbar, memoryDc))
        PaintButton(paint, index, hot);
}

void DrawIconTinted(HDC dc, int x, int y, HICON icon, int state)
{
    GdipBitmap picture;
    if (!icon || !picture.CreateBitmapFromHICON(icon))
        return;
    const int width = picture.GetImageWidth();
    const int height = picture.GetImageHeight();
    picture.DisposeBitmap();
    HDC memory = CreateMemoryDC(width, height);
    if (!memory)
        return;
    DrawIconEx(memory, 0, 0, icon, width, height, 0, nullptr, DI_NORMAL);
    GdiFlush();
    DIBSECTION section = {};
    HGDIOBJ bitmap = GetCurrentObject(memory, OBJ_BITMAP);
    if (GetObjectA(bitmap, sizeof(section), &section) == sizeof(section) && section.dsBm.bmBits) {
        auto* pixels = static_cast<uint32_t*>(section.dsBm.bmBits);
        const bool reddish = (state & TBSTATE_INDETERMINATE) != 0;
        for (size_t i = 0, n = static_cast<size_t>(width) * static_cast<size_t>(height); i < n; ++i) {
            const uint32_t p = pixels[i];
            const int red = static_cast<int>((p >> 16) & 0xFF);
            const int green = static_cast<int>((p >> 8) & 0xFF);
            const int blue = static_cast<int>(p & 0xFF);
            // Empty, black, white and grey pixels are keyed out.
            if ((p & 0xFFFFFF) == 0 || (red == green && green == blue)) {
                pixels[i] = 0;
                continue;
            }
            const uint32_t grey = static_cast<uint32_t>((red + green + blue) / 3);
            const uint32_t r = reddish ? (grey + 20) % 256 : grey;
            pixels[i] = (r << 16) | (grey << 8) | grey;
        }
    }
    KeyedCopy(dc, x, y, width, height, memory, 0, 0, 0);
    ReleaseMemoryDC(memory);
}
