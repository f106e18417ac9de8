#include "skin/core/mouse_tracking.h"

namespace {

void Track(HWND window, DWORD flags, DWORD hoverTime)
{
    TRACKMOUSEEVENT track = {};
    track.cbSize = sizeof(track);
    track.dwFlags = flags;
    track.hwndTrack = window;
    track.dwHoverTime = hoverTime;
    TrackMouseEvent(&track);
}

}  // namespace

void TrackMouseLeave(HWND window)
{
    Track(window, TME_LEAVE, 0);
}

void TrackMouseHoverAndLeave(HWND window, DWORD hoverTime)
{
    Track(window, TME_HOVER | TME_LEAVE, hoverTime);
}
