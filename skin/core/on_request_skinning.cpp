#include "skin/core/on_request_skinning.h"

#include "skin/controls/control_framework.h"
#include "skin/core/skin_registry.h"

#include "skin/controls/container_family.h"
#include "skin/controls/toolbar_family.h"

int SkinControl(HWND control, std::optional<COLORREF> colourKey, COLORREF fillColour, int fillAlpha)
{
    return SkinKjControl(control, colourKey, fillColour, fillAlpha);
}

int SkinGroupBox(HWND window, int paintFlag, COLORREF fillColour, int fillAlpha, int option)
{
    if (FindContainerIndex(FindOwningSkinnedWindow(window), window) >= 1)
        return 0;
    return SkinContainerWindow(window, paintFlag, fillColour, fillAlpha & 0xFF, option);
}

bool SetContainerFillAlpha(HWND container, BYTE alpha)
{
    SkinContainerRecord* record = FindOwnRecord(container, &SkinFormRecord::containers);
    if (!record || record->fillColour == 0)
        return false;
    {
        // The drawing board's animation threads read container fills.
        SkinRegistryWriteGuard guard;
        record->fillAlpha = alpha;
        record->backgroundDirty = true;
    }
    InvalidateRect(container, nullptr, FALSE);
    return true;
}
