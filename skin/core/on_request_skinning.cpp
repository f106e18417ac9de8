#include "skin/core/on_request_skinning.h"

#include "skin/controls/control_framework.h"
#include "skin/core/skin_registry.h"

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
