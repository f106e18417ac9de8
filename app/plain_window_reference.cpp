// The reference of the launch benchmark: a plain Win32 program that shows one window holding the
// controls written in the layout file named on its command line, with one shared font, and waits for
// WM_CLOSE. It starts as the program does and is found the same way (its class and caption).
#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "app/launch_reference_layout.h"

namespace {

LRESULT CALLBACK PlainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// Tabs and columns as many as the program's, with a title each.
void AddItems(HWND control, const app_test::PlainControl& c)
{
    char title[] = "页面";
    for (int i = 0; control && i < c.items; ++i) {
        if (c.className == "SysTabControl32") {
            TCITEMA tab = {};
            tab.mask = TCIF_TEXT;
            tab.pszText = title;
            SendMessageA(control, TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&tab));
        } else {
            LVCOLUMNA column = {};
            column.mask = LVCF_TEXT | LVCF_WIDTH;
            column.cx = 80;
            column.pszText = title;
            SendMessageA(control, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&column));
        }
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int)
{
    INITCOMMONCONTROLSEX common = {sizeof common, ICC_WIN95_CLASSES | ICC_TAB_CLASSES | ICC_DATE_CLASSES};
    InitCommonControlsEx(&common);
    LoadLibraryA("riched20.dll");
    app_test::PlainLayout layout;
    if (!app_test::ReadLayout(commandLine, layout))
        return 2;
    WNDCLASSA cls = {};
    cls.lpfnWndProc = PlainWindowProc;
    cls.hInstance = instance;
    cls.hCursor = LoadCursor(nullptr, IDC_ARROW);
    cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    cls.lpszClassName = "BnForm";
    RegisterClassA(&cls);
    HWND window = CreateWindowExA(0, "BnForm", layout.caption.c_str(), WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                                  CW_USEDEFAULT, CW_USEDEFAULT, layout.width, layout.height, nullptr, nullptr,
                                  instance, nullptr);
    if (!window)
        return 3;
    HFONT font = CreateFontA(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, GB2312_CHARSET, 0, 0, 0, 0, "宋体");
    std::vector<HWND> made;
    for (const app_test::PlainControl& c : layout.controls) {
        HWND parent = c.parent >= 0 && c.parent < static_cast<int>(made.size()) ? made[static_cast<size_t>(c.parent)] : window;
        HWND control = CreateWindowExA(c.exStyle, c.className.c_str(), c.text.c_str(), c.style | WS_VISIBLE,
                                       c.rect.left, c.rect.top, c.rect.right - c.rect.left, c.rect.bottom - c.rect.top,
                                       parent, nullptr, instance, nullptr);
        if (control)
            SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        AddItems(control, c);
        made.push_back(control);
    }
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    DeleteObject(font);
    return 0;
}
