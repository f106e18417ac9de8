#include "skin/controls/form_repaint.h"

#include "skin/core/drawing_core.h"
#include "skin/core/skin_registry.h"
#include "skin/core/window_props.h"

namespace {

template <class Record>
void MarkCustomControls(const RecordList<Record>& list, int formNumber)
{
    for (const auto& record : list) {
        if (GetWindowPropNumber(record->hwnd, kPropHwFormNumber) == formNumber)
            record->dirty = true;
    }
}

}  // namespace

void MarkFormBackgroundsDirty(HWND formWindow, bool containersOnly)
{
    int n = 0;
    SkinFormRecord* form = SkinFormOfWindow(formWindow, &n);
    if (!form)
        return;
    for (const auto& container : form->containers) {
        container->backgroundDirty = true;
        container->childrenMoved = true;
    }
    if (containersOnly)
        return;
    for (const auto& canvas : g_skinCanvases) {
        if (GetWindowPropNumber(canvas->hwnd, kPropHwFormNumber) == n) {
            canvas->dirty = true;
            canvas->formDirty = true;
        }
    }
    for (const auto& kj : form->kjControls)
        kj->repaint = true;
    for (const auto& child : form->childControls)
        child->dirty = true;
    for (const auto& list : form->listControls)
        list->dirty = true;
    MarkCustomControls(g_navBars, n);
    MarkCustomControls(g_groupLists, n);
    MarkCustomControls(g_tabStrips, n);
    MarkCustomControls(g_scrollBars, n);
}

void InvalidateTransparentChildren(HWND window)
{
    HWND child = nullptr;
    while ((child = FindWindowExA(window, child, nullptr, nullptr)) != nullptr) {
        if (IsTransparentWindow(child))
            InvalidateRect(child, nullptr, FALSE);
    }
}
