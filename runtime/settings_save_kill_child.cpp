// The child of the settings save kill test: saves one key of the INI file named on the command line
// again and again, through the program's INI write, until it is killed. Round n writes "n:" followed by
// 200,000 copies of the letter 'a' + n % 26, so a file cut short or mixed shows in its value. Each
// finished save is reported on standard output as one byte.
#include <windows.h>

#include <string>

#include "runtime/ini.h"

int main(int argc, char** argv)
{
    if (argc < 2)
        return 2;
    HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    for (int n = 1;; ++n) {
        if (!IniWrite(argv[1], "Software", "Fill", std::to_string(n) + ":" + std::string(200000, static_cast<char>('a' + n % 26))))
            return 3;
        DWORD written = 0;
        if (!WriteFile(out, "s", 1, &written, nullptr) || written != 1)
            return 4;
    }
}
