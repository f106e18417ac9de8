#include "skin/controls/container_records.h"

#include "skin/core/skin_registry.h"

bool IsContainer(int formNumber, HWND window)
{
    return FindContainerIndex(formNumber, window) > 0;
}
