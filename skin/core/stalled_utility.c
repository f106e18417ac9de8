/* Test helper: a stand-in for the working-set utility that never finishes its work in time. */
#include <windows.h>

int main(void)
{
    Sleep(60000);
    return 0;
}
