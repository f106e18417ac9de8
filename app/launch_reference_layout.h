#pragma once
// Benchmark support: the visible controls of a window of another process, written down so that a
// plain Win32 window with the same controls can be made to compare the program's start-up against.
#include <windows.h>

#include <string>
#include <vector>

namespace app_test {

struct PlainControl {
    int parent = -1;  // index of the parent control, -1 for the window itself
    std::string className;
    DWORD style = 0;
    DWORD exStyle = 0;
    RECT rect = {};  // in the parent's client coordinates
    int items = 0;    // tab controls: tabs; list views: columns
    std::string text;
};

struct PlainLayout {
    int width = 0;
    int height = 0;
    std::string caption;
    std::vector<PlainControl> controls;
};

// The window's visible descendants (standard classes kept, others shown as statics); false when the
// window is gone.
bool CaptureVisibleControls(HWND window, PlainLayout& layout);
bool WriteLayout(const std::string& path, const PlainLayout& layout);
bool ReadLayout(const std::string& path, PlainLayout& layout);

}  // namespace app_test
