#include "skin/controls/container_family.h"

#include <memory>
#include <string>

#include "skin/controls/child_notifications.h"
#include "skin/controls/control_colour_brushes.h"
#include "skin/controls/control_framework.h"
#include "skin/controls/control_installers.h"
#include "skin/controls/container_painting.h"
#include "skin/controls/draw_item.h"
#include "skin/controls/form_repaint.h"
#include "skin/core/drawing_core.h"
#include "skin/core/skin_options.h"
#include "skin/core/skin_registry.h"
#include "skin/core/window_props.h"

namespace {

constexpr char kTabControlClass[] = "SysTabControl32";
constexpr LONG_PTR kGroupBoxBit = 0x4;

// The erase rule: unless the container is dirty already, an erase on an active form makes the next
// paint a full one; on an inactive form, or one being dragged, the next paint copies the back buffer.
void ApplyEraseRule(SkinContainerRecord& container, const SkinFormRecord& form)
{
    if (!container.paintAsContainer || container.backgroundDirty)
        return;
    if (form.moving)
        return;
    container.backgroundDirty = form.active;
}

LRESULT PaintContainerMessage(HWND window, const OwnRecord<SkinContainerRecord>& own, WPARAM wParam, LPARAM lParam)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    if (own.record->backgroundDirty || own.record->childrenMoved) {
        PaintContainer(own.formNumber, own.listIndex);
        EndPaint(window, &ps);
        InvalidateTransparentChildren(window);
    } else {
        RefreshChildBackground(window, dc);
        EndPaint(window, &ps);
    }
    return DefWindowProcA(window, WM_PAINT, wParam, lParam);
}

// Native group boxes and picture statics draw only their frame and caption, or their picture, never
// the rest of their rectangle. Clipped out of a painting container's paint like opaque children, that
// rest keeps whatever the screen held (black on a new window). Transparent, they are painted over with
// the container's background and repaint themselves after it (InvalidateTransparentChildren).
bool IsSeeThroughNative(int formNumber, HWND child)
{
    const std::string className = GetWindowClassName(child);
    const LONG_PTR style = GetWindowLongPtrA(child, GWL_STYLE);
    if (className == "Button")
        return (style & BS_TYPEMASK) == BS_GROUPBOX && FindContainerIndex(formNumber, child) == 0;
    const LONG_PTR type = style & SS_TYPEMASK;
    return className == "Static" && (type == SS_BITMAP || type == SS_ICON || type == SS_ENHMETAFILE);
}

void MakeSeeThroughChildrenTransparent(int formNumber, HWND container)
{
    HWND child = nullptr;
    while ((child = FindWindowExA(container, child, nullptr, nullptr)) != nullptr) {
        if (!IsSeeThroughNative(formNumber, child))
            continue;
        const LONG_PTR exStyle = GetWindowLongPtrA(child, GWL_EXSTYLE);
        SetWindowLongPtrA(child, GWL_EXSTYLE, exStyle | WS_EX_TRANSPARENT);
    }
}

}  // namespace

bool IsGroupBoxButton(HWND window)
{
    return GetWindowClassName(window) == "Button" && (GetWindowLongPtrA(window, GWL_STYLE) & kGroupBoxBit) != 0;
}

HWND FindSkinCanvasHost(HWND window)
{
    HWND ancestor = window;
    while ((ancestor = GetParent(ancestor)) != nullptr) {
        if (GetWindowPropNumber(ancestor, kPropCanvasHostsChildren) == 1)
            return ancestor;
    }
    return nullptr;
}

int SkinContainerWindow(HWND window, int paintFlag, COLORREF fillColour, int fillAlpha, int option)
{
    const int formNumber = FindOwningSkinnedWindow(window);
    SkinFormRecord* form = SkinFormAt(formNumber);
    if (!form || !IsWindow(window) || FindContainerIndex(formNumber, window) > 0 || HoldsHwProperties(window))
        return 0;
    RECT client = {};
    GetClientRect(window, &client);

    auto record = std::make_unique<SkinContainerRecord>();
    record->hwnd = window;
    record->fillColour = fillColour;
    record->fillAlpha = static_cast<BYTE>(fillAlpha & 0xFF);
    record->option = option;
    record->paintAsContainer = paintFlag;
    record->clientWidth = client.right;
    record->clientHeight = client.bottom;
    const bool tabControl = GetWindowClassName(window) == kTabControlClass;
    if (tabControl || IsGroupBoxButton(window)) {
        // Tab controls and group boxes draw their strip and frame themselves whatever was asked.
        record->paintAsContainer = 1;
        record->kind = tabControl ? kContainerKindTabControl : kContainerKindGroupBox;
        const ControlFontInfo font = GetControlFontInfo(window);
        record->fontFace = font.face;
        record->fontSize = font.size;
        record->fontStyle = font.style;
    }
    record->attachedPages.emplace_back();
    SkinContainerRecord& added = *record;
    int index = 0;
    {
        SkinRegistryWriteGuard guard;
        index = AppendRecord(form->containers, std::move(record));
    }

    // The children are skinned while the container still has its own procedure.
    RunControlInstallers(formNumber, window);
    if (added.paintAsContainer)
        MakeSeeThroughChildrenTransparent(formNumber, window);
    added.backgroundDirty = true;
    added.previousProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ContainerWndProc)));
    SetWindowProp(window, kPropHwProc, reinterpret_cast<LONG_PTR>(added.previousProc));
    SetWindowProp(window, kPropHwListIndex, index);
    SetWindowProp(window, kPropHwFormNumber, formNumber);
    SetWindowProp(window, kPropHostCanvas, reinterpret_cast<LONG_PTR>(FindSkinCanvasHost(window)));
    return index;
}

void SkinLateChild(HWND child)
{
    HWND parent = child ? GetParent(child) : nullptr;
    const int formNumber = parent ? FindOwningSkinnedWindow(child) : 0;
    if (!formNumber)
        return;
    RunControlInstallers(formNumber, parent);
    const int containerIndex = FindContainerIndex(formNumber, parent);
    SkinFormRecord* form = SkinFormAt(formNumber);
    SkinContainerRecord* container = form && containerIndex > 0 ? RecordAt(form->containers, containerIndex) : nullptr;
    if (container && container->paintAsContainer) {
        MakeSeeThroughChildrenTransparent(formNumber, parent);
        container->backgroundDirty = true;
    }
}

WNDPROC UnskinContainer(int formNumber, int containerIndex)
{
    SkinFormRecord* form = SkinFormAt(formNumber);
    const SkinContainerRecord* record = form ? RecordAt(form->containers, containerIndex) : nullptr;
    if (!record)
        return nullptr;
    HWND window = record->hwnd;
    WNDPROC previous = GetWindowPropHandle<WNDPROC>(window, kPropHwProc);
    if (IsWindow(window) && previous)
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
    SkinRegistryWriteGuard guard;
    form->containers.erase(form->containers.begin() + (containerIndex - 1));
    for (int i = containerIndex; i <= RecordCount(form->containers); ++i)
        SetWindowProp(RecordAt(form->containers, i)->hwnd, kPropHwListIndex, i);
    return previous;
}

void RefreshChildBackground(HWND window, HDC dc)
{
    BlitFormBackground(window, false, false, dc);
    InvalidateTransparentChildren(window);
}

void LayoutContainerChildren(int formNumber, int containerIndex)
{
    const SkinFormRecord* form = SkinFormAt(formNumber);
    const SkinContainerRecord* container = form ? RecordAt(form->containers, containerIndex) : nullptr;
    if (!container)
        return;
    RECT client = {};
    GetClientRect(container->hwnd, &client);
    for (const AttachedPage& page : container->attachedPages) {
        if (!page.page)
            continue;
        if (page.fill)
            MoveWindow(page.page, 2, page.top, client.right - 4, client.bottom - page.top, TRUE);
        else
            MoveWindow(page.page, page.left, page.top, client.right - page.left - 2, client.bottom - page.top - 2,
                       TRUE);
    }
}

LRESULT CALLBACK ContainerWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const OwnRecord<SkinContainerRecord> own = LookUpOwnRecord(window, &SkinFormRecord::containers);
    if (!own.record)
        return CallPreviousProc(window, message, wParam, lParam);
    SkinContainerRecord& container = *own.record;
    const WNDPROC previous = container.previousProc;
    const bool veilOn = g_skinChildControls && g_veilEnabled;

    switch (message) {
    case WM_NCDESTROY: {
        // The procedure is read before the record goes; the message still reaches it.
        const WNDPROC restored = UnskinContainer(own.formNumber, own.listIndex);
        return CallRecordedProc(restored, window, message, wParam, lParam);
    }
    case WM_DESTROY:
        // Children destroyed with their container send no WM_PARENTNOTIFY: their brushes go here.
        FreeChildrensColourObjects(window);
        FreeControlColourObjects(window);
        break;
    case WM_PARENTNOTIFY:
        if (LOWORD(wParam) == WM_DESTROY)
            FreeControlColourObjects(reinterpret_cast<HWND>(lParam));
        break;
    case WM_SHOWWINDOW:
        if (wParam == 1) {
            CallRecordedProc(previous, window, message, wParam, lParam);
            if (container.paintAsContainer)
                container.backgroundDirty = true;
            return DefWindowProcA(window, message, wParam, lParam);
        }
        break;
    case WM_WINDOWPOSCHANGING:
        MarkContainerDirty(window);
        break;
    case WM_MOVE:
        if (container.paintAsContainer) {
            container.backgroundDirty = true;
            MarkFormBackgroundsDirty(own.form->hwnd);
            InvalidateRect(window, nullptr, FALSE);
        }
        break;
    case WM_PAINT:
        if (container.paintAsContainer)
            return PaintContainerMessage(window, own, wParam, lParam);
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        // The focused tab shows the focus mark, which the kept picture does not have yet.
        if (container.paintAsContainer && GetWindowClassName(window) == "SysTabControl32") {
            container.backgroundDirty = true;
            InvalidateRect(window, nullptr, FALSE);
        }
        break;
    case WM_ERASEBKGND:
        ApplyEraseRule(container, *own.form);
        SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        return 1;
    case WM_DRAWITEM:
        if (lParam)
            HandleDrawItem(own.formNumber, *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        break;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
        if (HBRUSH brush = ControlColourBrush(message, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)))
            return reinterpret_cast<LRESULT>(brush);
        break;
    case WM_SIZE:
        container.backgroundDirty = true;
        LayoutContainerChildren(own.formNumber, own.listIndex);
        break;
    case WM_COMMAND:
        if (veilOn && lParam)
            RepaintAfterChildCommand(reinterpret_cast<HWND>(lParam), wParam);
        break;
    case WM_NOTIFY:
        if (lParam)
            RepaintAfterNotification(*reinterpret_cast<const NMHDR*>(lParam));
        break;
    default:
        break;
    }
    return CallRecordedProc(previous, window, message, wParam, lParam);
}
