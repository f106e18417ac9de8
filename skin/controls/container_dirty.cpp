#include "skin/controls/container_dirty.h"

#include "skin/core/skin_registry.h"
#include "skin/core/window_props.h"

void MarkContainerDirty(HWND control)
{
    HWND parent = GetParent(control);
    const int formNumber = GetWindowPropNumber(parent, kPropHwFormNumber);
    SkinFormRecord* form = SkinFormAt(formNumber);
    if (!form || GetWindowProp(parent, kPropCanvasIndex) != 0)
        return;
    if (SkinContainerRecord* container = RecordAt(form->containers, FindContainerIndex(formNumber, parent)))
        container->childrenMoved = true;
}
