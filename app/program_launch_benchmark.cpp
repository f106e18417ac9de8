// Start-up of BabyName.exe under a warm Wine against a plain Win32 program showing the same visible
// controls (plain_window_reference.exe, given the controls the program showed): from starting the
// process until its main window is visible and has handled every message waiting for it, and the
// resident memory a second after that. The two start in turn, so both see the same load; medians.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "app/launch_reference_layout.h"
#include "app/program_launch_support.h"

namespace {

struct LaunchFigures {
    double milliseconds = 0;
    double residentMb = 0;
};

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

// One launch, timed to the idle main window; the window is captured when asked; false on failure.
bool Launch(const std::string& exe, const std::string& arguments, const std::string& directory, LaunchFigures& figures,
            app_test::PlainLayout* layout = nullptr)
{
    LARGE_INTEGER frequency, start, shown;
    QueryPerformanceFrequency(&frequency);
    std::unique_ptr<app_test::LaunchedProgram> program;
    // Wine now and then fails a process start: the process ends within a second with exit code 1 before
    // it ran anything. Such a start is made again (twice at most) and said; any other end is a failure.
    for (int attempt = 1;; ++attempt) {
        program = std::make_unique<app_test::LaunchedProgram>();
        const DWORD began = GetTickCount();
        QueryPerformanceCounter(&start);
        if (program->Start(exe, directory, arguments) && program->WaitForMainWindow(30000))
            break;
        DWORD code = STILL_ACTIVE;
        if (program->processHandle())
            GetExitCodeProcess(program->processHandle(), &code);
        const DWORD lived = GetTickCount() - began;
        if (attempt < 3 && code == 1 && lived < 1000) {
            std::printf("program launch: %s ended at once with exit code 1; started again\n", exe.c_str());
            continue;
        }
        std::printf("program launch: %s did not show its main window (exit code %lu after %lu ms)\n", exe.c_str(),
                    static_cast<unsigned long>(code), static_cast<unsigned long>(lived));
        return false;
    }
    QueryPerformanceCounter(&shown);
    figures.milliseconds =
        1000.0 * static_cast<double>(shown.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
    // Resident memory once start-up work that follows the first show has settled.
    Sleep(1000);
    PROCESS_MEMORY_COUNTERS memory = {};
    memory.cb = sizeof memory;
    if (GetProcessMemoryInfo(program->processHandle(), &memory, sizeof memory))
        figures.residentMb = static_cast<double>(memory.WorkingSetSize) / (1024.0 * 1024.0);
    if (layout && !app_test::CaptureVisibleControls(program->mainWindow(), *layout))
        return false;
    if (!program->CloseAndWait(10000) || program->exitCode() != 0) {
        std::printf("program launch: %s did not end with 0\n", exe.c_str());
        return false;
    }
    return true;
}

std::string ReferencePath()
{
    std::string path = "Z:" BN_REFERENCE_EXE;
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

}  // namespace

int main()
{
    constexpr int kLaunches = 5;
    char elsewhere[MAX_PATH] = {};
    GetWindowsDirectoryA(elsewhere, sizeof elsewhere);
    char temp[MAX_PATH] = {};
    GetTempPathA(sizeof temp, temp);
    const std::string exe = app_test::BuiltProgramPath();
    const std::string layoutPath = std::string(temp) + "bn_launch_reference_layout.txt";

    // The first launch warms Wine's caches and shows which controls the reference must make.
    LaunchFigures warm;
    app_test::PlainLayout layout;
    if (!Launch(exe, "", elsewhere, warm, &layout) || !app_test::WriteLayout(layoutPath, layout)) {
        std::printf("program launch: the visible controls could not be written down\n");
        return 1;
    }
    const std::string reference = ReferencePath();
    if (!Launch(reference, layoutPath, elsewhere, warm))
        return 1;

    std::vector<double> programMs, referenceMs, programMb, referenceMb;
    for (int launch = 0; launch < kLaunches; ++launch) {
        LaunchFigures program, plain;
        if (!Launch(exe, "", elsewhere, program) || !Launch(reference, layoutPath, elsewhere, plain))
            return 1;
        programMs.push_back(program.milliseconds);
        referenceMs.push_back(plain.milliseconds);
        programMb.push_back(program.residentMb);
        referenceMb.push_back(plain.residentMb);
    }
    DeleteFileA(layoutPath.c_str());
    const double ms = Median(programMs), plainMs = Median(referenceMs);
    const double mb = Median(programMb), plainMb = Median(referenceMb);
    std::printf("bench launch to idle main window: %.0f ms; plain window with the same %d visible controls: %.0f ms; "
                "ratio %.2f (target 2)\n",
                ms, static_cast<int>(layout.controls.size()), plainMs, ms / plainMs);
    std::printf("bench resident memory at idle: %.1f MB; plain window with the same visible controls: %.1f MB; "
                "ratio %.2f (target 2)\n",
                mb, plainMb, mb / plainMb);
    return 0;
}
