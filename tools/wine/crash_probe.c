/* A test program that faults: the self-test of tools/wine/wine-exec.sh checks that a crash ends the
   run at once and is reported as a crash, never as a time-out that a second run could pass. It prints
   first, as every test program does, so a crash is not taken for Wine failing to start. */
#include <stdio.h>

int main(int argc, char** argv)
{
    volatile int* nowhere = 0;
    printf("crash_probe: reading address 0\n");
    fflush(stdout);
    (void)argv;
    return *nowhere + argc;
}
