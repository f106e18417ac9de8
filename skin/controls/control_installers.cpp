#include "skin/controls/control_installers.h"

void RunControlInstallers(int formNumber, HWND parent)
{
    // No control family is installed yet: every standard child keeps its native look.
    (void)formNumber;
    (void)parent;
}
