#include "app/launch_reference_layout.h"

#include <commctrl.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>

#include "app/program_launch_support.h"

namespace app_test {
namespace {

// Classes a plain program makes as they are; the program's own classes are drawn, so a static
// stands for each.
const char* const kStandardClasses[] = {"Button", "Edit", "Static", "ComboBox", "ListBox", "SysListView32",
                                        "SysTabControl32", "msctls_progress32", "msctls_trackbar32",
                                        "SysDateTimePick32", "SysMonthCal32", "RichEdit20A", "SysHeader32"};

std::string PlainClassOf(HWND window)
{
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    for (const char* standard : kStandardClasses)
        if (lstrcmpiA(name, standard) == 0)
            return standard;
    return "Static";
}

std::string OneLine(std::string text)
{
    for (char& c : text)
        if (c == '\r' || c == '\n')
            c = ' ';
    return text;
}

void CaptureChildren(HWND parent, int parentIndex, PlainLayout& layout)
{
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!(GetWindowLongPtrA(child, GWL_STYLE) & WS_VISIBLE))
            continue;
        PlainControl control;
        control.parent = parentIndex;
        control.className = PlainClassOf(child);
        // The header belongs to its list view, which makes it.
        if (control.className == "SysHeader32")
            continue;
        control.style = static_cast<DWORD>(GetWindowLongPtrA(child, GWL_STYLE)) & ~static_cast<DWORD>(WS_VISIBLE);
        control.exStyle = static_cast<DWORD>(GetWindowLongPtrA(child, GWL_EXSTYLE));
        if (control.className == "Static")
            control.style = WS_CHILD | SS_LEFT;
        GetWindowRect(child, &control.rect);
        MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&control.rect), 2);
        control.text = OneLine(WindowTextOf(child));
        DWORD_PTR count = 0;
        if (control.className == "SysTabControl32" &&
            SendMessageTimeoutA(child, TCM_GETITEMCOUNT, 0, 0, SMTO_ABORTIFHUNG, 2000, &count))
            control.items = static_cast<int>(count);
        DWORD_PTR header = 0;
        if (control.className == "SysListView32" &&
            SendMessageTimeoutA(child, LVM_GETHEADER, 0, 0, SMTO_ABORTIFHUNG, 2000, &header) && header &&
            SendMessageTimeoutA(reinterpret_cast<HWND>(header), HDM_GETITEMCOUNT, 0, 0, SMTO_ABORTIFHUNG, 2000, &count))
            control.items = static_cast<int>(count);
        layout.controls.push_back(control);
        CaptureChildren(child, static_cast<int>(layout.controls.size()) - 1, layout);
    }
}

}  // namespace

bool CaptureVisibleControls(HWND window, PlainLayout& layout)
{
    RECT r = {};
    if (!IsWindow(window) || !GetWindowRect(window, &r))
        return false;
    layout = {};
    layout.width = r.right - r.left;
    layout.height = r.bottom - r.top;
    layout.caption = WindowTextOf(window);
    CaptureChildren(window, -1, layout);
    return true;
}

bool WriteLayout(const std::string& path, const PlainLayout& layout)
{
    std::ofstream out(path, std::ios::binary);
    out << layout.width << ' ' << layout.height << ' ' << layout.caption << '\n';
    for (const PlainControl& c : layout.controls)
        out << c.parent << ' ' << c.className << ' ' << c.style << ' ' << c.exStyle << ' ' << c.rect.left << ' '
            << c.rect.top << ' ' << c.rect.right << ' ' << c.rect.bottom << ' ' << c.items << ' ' << c.text << '\n';
    return static_cast<bool>(out);
}

bool ReadLayout(const std::string& path, PlainLayout& layout)
{
    std::ifstream in(path, std::ios::binary);
    std::string line;
    if (!std::getline(in, line))
        return false;
    std::istringstream head(line);
    head >> layout.width >> layout.height;
    std::getline(head >> std::ws, layout.caption);
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        PlainControl c;
        fields >> c.parent >> c.className >> c.style >> c.exStyle >> c.rect.left >> c.rect.top >> c.rect.right >>
            c.rect.bottom >> c.items;
        if (!fields)
            return false;
        if (fields.peek() == ' ')
            fields.get();
        std::getline(fields, c.text);
        layout.controls.push_back(c);
    }
    return layout.width > 0 && layout.height > 0;
}

}  // namespace app_test
