// The whole program run inside this test program under Wine (the only test of this program: the run
// ends with the exit routine, which shuts GDI+ down). Started from another current directory it makes
// the program's folder the current one and shows the skinned main window before the loop runs; the
// loop runs on while another window of the program is open after the main window has closed, and ends
// with 0 once the last window is gone, the exit routine having run once.
#include <gtest/gtest.h>

#include <windows.h>

#include "app/calendar_window.h"
#include "app/main_window_scoring.h"
#include "app/program_startup.h"
#include "naming/generation_state.h"
#include "runtime/forms/form_runtime.h"
#include "skin/core/skin_options.h"
#include "skin/core/skin_registry.h"

namespace {

struct Run {
    const ThreeTalentsTable* noTalents = nullptr;  // what MainWindowTalents gives before the creation ends
    int step = 0;
    std::string currentDirectory;
    bool mainVisibleAndSkinned = false;
    bool mainGone = false;
    bool calendarOpenAfterMainClosed = false;
    bool ticksAfterMainClosed = false;
} g_run;

std::string CurrentDirectory()
{
    char folder[MAX_PATH] = {};
    GetCurrentDirectoryA(sizeof folder, folder);
    return folder;
}

// Timer ticks of the test, handled by the program's own message loop.
void CALLBACK DriveProgram(HWND, UINT, UINT_PTR timer, DWORD)
{
    forms::Form* main = forms::FindForm("MainWindow");
    forms::Form* calendar = forms::FindForm("PerpetualCalendarWindow");
    switch (g_run.step) {
    case 0:
        // The creation handler handles pending messages itself: wait until it has ended.
        if (!main || &MainWindowTalents() == g_run.noTalents)
            return;
        g_run.currentDirectory = CurrentDirectory();
        g_run.mainVisibleAndSkinned = IsWindowVisible(main->Window()) && FindSkinnedWindow(main->Window()) == 1;
        g_seenTexts.Add("张三丰");
        OpenPerpetualCalendar();
        main->Close();
        g_run.mainGone = forms::FindForm("MainWindow") == nullptr;
        g_run.step = 1;
        return;
    case 1:
        g_run.ticksAfterMainClosed = true;
        g_run.calendarOpenAfterMainClosed = calendar != nullptr;
        g_run.step = 2;
        if (calendar)
            calendar->Close();
        KillTimer(nullptr, timer);
        return;
    default:
        KillTimer(nullptr, timer);
    }
}

TEST(ProgramStartupTest, RunsFromAnotherFolderUntilTheLastWindowCloses)
{
    char windows[MAX_PATH] = {};
    GetWindowsDirectoryA(windows, sizeof windows);
    ASSERT_TRUE(SetCurrentDirectoryA(windows));
    g_run.noTalents = &MainWindowTalents();
    ASSERT_NE(0u, SetTimer(nullptr, 0, 50, DriveProgram));

    EXPECT_EQ(0, ProgramStartup());

    EXPECT_EQ(forms::ProgramFolder(), g_run.currentDirectory);
    EXPECT_TRUE(g_run.mainVisibleAndSkinned);
    EXPECT_TRUE(g_run.mainGone);
    EXPECT_TRUE(g_run.ticksAfterMainClosed) << "the loop ran on";
    EXPECT_TRUE(g_run.calendarOpenAfterMainClosed);
    EXPECT_EQ(2, g_run.step);
    EXPECT_EQ(0, forms::OpenFormCount());
    EXPECT_EQ(0, SkinFormCount());
    // The exit routine ran: the run's texts are gone and GDI+ is shut down.
    EXPECT_TRUE(g_seenTexts.Add("张三丰"));
    EXPECT_EQ(0u, g_gdiplusToken);
}

}  // namespace
