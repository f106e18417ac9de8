// Registration of the runtime's own window classes.
#include "runtime/forms/own_control_procs.h"
#include "runtime/forms/own_controls.h"

namespace forms {

bool RegisterOwnControlClasses(HINSTANCE instance)
{
    struct ClassInfo {
        const char* name;
        WNDPROC proc;
        HCURSOR cursor;
    };
    const ClassInfo classes[] = {
        {kDrawPanelClass, DrawPanelProc, LoadCursor(nullptr, IDC_ARROW)},
        {kColourPickerClass, ColourPickerProc, LoadCursor(nullptr, IDC_HAND)},
        {kHyperlinkClass, HyperlinkProc, LoadCursor(nullptr, IDC_HAND)},
        {kLunarCalendarClass, LunarCalendarProc, LoadCursor(nullptr, IDC_ARROW)},
        {kLunarDateBoxClass, LunarDateBoxProc, LoadCursor(nullptr, IDC_ARROW)},
    };
    for (const ClassInfo& info : classes) {
        WNDCLASSEXA wc = {};
        wc.cbSize = sizeof wc;
        if (GetClassInfoExA(instance, info.name, &wc))
            continue;
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = info.proc;
        wc.cbWndExtra = sizeof(LONG_PTR);
        wc.hInstance = instance;
        wc.hCursor = info.cursor;
        wc.lpszClassName = info.name;
        if (!RegisterClassExA(&wc))
            return false;
    }
    return true;
}

}  // namespace forms
