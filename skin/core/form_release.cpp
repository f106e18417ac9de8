#include "skin/core/form_release.h"

#include "skin/core/memory_dc.h"
#include "skin/core/skin_registry.h"
#include "skin/core/window_props.h"

namespace {

// Selects the earlier bitmap back into a cache context and deletes the bitmap that comes out, once.
void DeleteCacheDc(HDC dc, HGDIOBJ earlierBitmap, HGDIOBJ cacheBitmap)
{
    if (!dc)
        return;
    HGDIOBJ out = earlierBitmap ? SelectObject(dc, earlierBitmap) : nullptr;
    DeleteDC(dc);
    // When the earlier bitmap was never kept the cache bitmap is still selected; deleting the context
    // first frees it for deletion.
    if (out)
        DeleteObject(out);
    else if (cacheBitmap)
        DeleteObject(cacheBitmap);
}

void ReleaseFormObjects(HWND window, SkinFormRecord& form)
{
    if (HMENU menu = GetWindowPropHandle<HMENU>(window, kPropFormMenu))
        DestroyMenu(menu);
    // An edit box that still exists gives up its WM_CTLCOLOR* brush and bitmap; the properties go too,
    // so that its own WM_DESTROY cannot delete the handles a second time. (One destroyed before the form
    // has freed them itself, and its properties read 0.)
    for (const auto& edit : form.edits) {
        for (const char* key : {kPropKjCtlBitmap, kPropKjCtlBrush}) {
            if (HGDIOBJ object = GetWindowPropHandle<HGDIOBJ>(edit->hwnd, key)) {
                DeleteObject(object);
                RemovePropA(edit->hwnd, key);
            }
        }
    }
    DeleteCacheDc(form.frameDc, GetWindowPropHandle<HGDIOBJ>(window, kPropFramePrevBitmap),
                  GetWindowPropHandle<HGDIOBJ>(window, kPropFrameBitmap));
    DeleteCacheDc(form.captionCacheDc, form.captionCacheOldBitmap, form.captionCacheBitmap);
    DeleteCacheDc(form.statusCacheDc, form.statusCacheOldBitmap, form.statusCacheBitmap);
    ReleaseMemoryDC(form.backBufferDc);
    form.frameDc = form.captionCacheDc = form.statusCacheDc = form.backBufferDc = nullptr;
}

template <class Record>
void SetFormNumber(const RecordList<Record>& list, const char* key, int formNumber)
{
    for (const auto& record : list)
        SetWindowProp(record->hwnd, key, formNumber);
}

template <class Record>
void SetFormNumberWithOverlays(const RecordList<Record>& list, int formNumber)
{
    for (const auto& record : list) {
        SetWindowProp(record->hwnd, kPropHwFormNumber, formNumber);
        if (record->verticalScrollBar)
            SetWindowProp(record->verticalScrollBar, kPropHwFormNumber, formNumber);
        if (record->horizontalScrollBar)
            SetWindowProp(record->horizontalScrollBar, kPropHwFormNumber, formNumber);
    }
}

void RenumberForms()
{
    for (int m = 1; m <= SkinFormCount(); ++m) {
        const SkinFormRecord& form = *SkinFormAt(m);
        SetWindowProp(form.hwnd, kPropHwListIndex, m);
        SetFormNumberWithOverlays(form.listControls, m);
        SetFormNumber(form.buttons, kPropHwFormNumber, m);
        SetFormNumberWithOverlays(form.edits, m);
        SetFormNumber(form.comboBoxes, kPropHwFormNumber, m);
        SetFormNumber(form.headers, kPropHwFormNumber, m);
        SetFormNumber(form.upDowns, kPropHwFormNumber, m);
        SetFormNumber(form.trackbars, kPropHwFormNumber, m);
        SetFormNumber(form.progressBars, kPropHwFormNumber, m);
        SetFormNumber(form.statics, kPropHwFormNumber, m);
        SetFormNumber(form.containers, kPropHwFormNumber, m);
        SetFormNumber(form.childControls, kPropHwFormNumber, m);
        SetFormNumber(form.kjControls, kPropKjFormNumber, m);
    }
}

template <class Record>
void RefindOwningForms(const RecordList<Record>& list)
{
    for (const auto& record : list)
        SetWindowProp(record->hwnd, kPropHwFormNumber, FindOwningSkinnedWindow(record->hwnd));
}

void RefindCustomControlForms()
{
    RefindOwningForms(g_navBars);
    RefindOwningForms(g_tabStrips);
    RefindOwningForms(g_groupLists);
    RefindOwningForms(g_skinCanvases);
    for (const auto& bar : g_scrollBars) {
        // Embedded and detached bars draw for their host and keep its number.
        if (bar->mode == kScrollBarStandAlone)
            SetWindowProp(bar->hwnd, kPropHwFormNumber, FindOwningSkinnedWindow(bar->hwnd));
    }
}

}  // namespace

WNDPROC ReleaseSkinnedForm(HWND window)
{
    WNDPROC restored = nullptr;
    if (int n = FindSkinnedWindow(window)) {
        ReleaseFormObjects(window, *SkinFormAt(n));
        restored = GetWindowPropHandle<WNDPROC>(window, kPropHwProc);
        if (!restored)
            restored = SkinFormAt(n)->savedWndProc;
        // Without a procedure to go back to, the window keeps the one it has rather than none at all.
        if (restored)
            SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(restored));
        // Taken out under the registry guard: a reader still using the record has finished, and none
        // can find it afterwards.
        RemoveSkinForm(n);
    }
    RenumberForms();
    RefindCustomControlForms();
    return restored;
}
