#include "skin/custom/skin_canvas_test_support.h"

#include "skin/core/skin_test_support.h"

uint32_t FormPatternAt(const RECT& boardRect, int x, int y)
{
    return PatternColour(boardRect.left + x, boardRect.top + y);
}

std::vector<int>& RecordedEnters()
{
    static std::vector<int> calls;
    return calls;
}

std::vector<int>& RecordedLeaves()
{
    static std::vector<int> calls;
    return calls;
}

int RecordEnter(const int* arguments, int count)
{
    RecordedEnters().push_back(count > 0 ? arguments[0] : 0);
    return 0;
}

int RecordLeave(const int* arguments, int count)
{
    RecordedLeaves().push_back(count > 0 ? arguments[0] : 0);
    return 0;
}

int CountPatternChanges(HDC dc, const RECT& area, const RECT& boardRect)
{
    int n = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x)
            n += PixelRgb(dc, x, y) != FormPatternAt(boardRect, x, y);
    }
    return n;
}
