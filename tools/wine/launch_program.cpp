// Starts BabyName.exe as a person does (from its own folder) and waits for its main window:
//   launch_program.exe PROGRAM [--stay]
// Prints "window LEFT TOP WIDTH HEIGHT", the part of the screen the main window covers, once the window
// has handled every message waiting for it. Then closes it as its close button does and exits with 0 when
// the program ended with 0; with --stay it leaves the program running and waits for it to end.
// Exits with 1 when the program does not start, shows no main window within a minute, or fails to end.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "app/program_launch_support.h"

namespace {

constexpr int kStartMs = 60000;
constexpr int kEndMs = 30000;

std::string FolderOf(const std::string& path)
{
    const size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2 || (argc == 3 && std::strcmp(argv[2], "--stay") != 0) || argc > 3) {
        std::fprintf(stderr, "usage: launch_program.exe PROGRAM [--stay]\n");
        return 2;
    }
    const std::string program = argv[1];
    const bool stay = argc == 3;
    app_test::LaunchedProgram launched;
    if (!launched.Start(program, FolderOf(program))) {
        std::fprintf(stderr, "launch_program: %s does not start (error %lu)\n", program.c_str(), GetLastError());
        return 1;
    }
    HWND window = launched.WaitForMainWindow(kStartMs);
    if (!window) {
        std::fprintf(stderr, "launch_program: %s showed no main window within %d s\n", program.c_str(), kStartMs / 1000);
        return 1;
    }
    RECT place = {};
    GetWindowRect(window, &place);
    const RECT screen = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    IntersectRect(&place, &place, &screen);
    std::printf("window %ld %ld %ld %ld\n", place.left, place.top, place.right - place.left, place.bottom - place.top);
    std::fflush(stdout);
    if (stay)
        return launched.WaitUntilEnded() ? 0 : 1;
    if (!launched.CloseAndWait(kEndMs)) {
        std::fprintf(stderr, "launch_program: %s did not end within %d s of closing its main window\n", program.c_str(),
                     kEndMs / 1000);
        return 1;
    }
    if (launched.exitCode() != 0) {
        std::fprintf(stderr, "launch_program: %s ended with code %lu\n", program.c_str(), launched.exitCode());
        return 1;
    }
    return 0;
}
