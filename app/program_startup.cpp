#include "app/program_startup.h"

#include "app/birth_chart_window.h"
#include "app/generator_workers.h"
#include "app/main_window_definition.h"
#include "app/main_window_scoring.h"
#include "naming/generation_state.h"
#include "naming/name_report.h"
#include "naming/report_input.h"
#include "runtime/forms/form_runtime.h"
#include "runtime/random.h"
#include "skin/core/engine_startup.h"
#include "skin/core/skin_options.h"
#include "skin/custom/group_list.h"
#include "skin/custom/nav_bar.h"
#include "skin/custom/skin_canvas.h"
#include "skin/custom/tab_strip.h"

namespace {

// The birth chart's worker ends on its own soon after its window has gone.
constexpr int kBirthChartWorkerWaitMs = 5000;

}  // namespace

int ProgramStartup()
{
    forms::InitFormRuntime();  // also makes the program's folder the current directory
    InitGlobals();
    forms::SetExitRoutine(ReleaseGlobals);
    // The module initialisers: the skin engine's is the one with an effect.
    InitSkinEngine();
    forms::OpenModeless(MainWindowDefinition());
    forms::RunMessageLoop();
    forms::ShutdownFormRuntime();  // runs ReleaseGlobals
    return 0;
}

void InitGlobals()
{
    ResetGenerationState();  // g_seenTexts empty
    SeedRandomFromClock();
    // The shared objects of the custom-drawn controls, attached to nothing yet.
    g_navBar = SkinNavBar();
    g_groupList = SkinGroupList();
    g_tabStrip = SkinTabStrip();
    g_skinCanvas = SkinCanvas();
}

void ReleaseGlobals()
{
    StopGeneratorWorkers();
    WaitForBirthChartWorkers(kBirthChartWorkerWaitMs);
    ReleaseMainWindowTalents();
    ResetGenerationState();
    g_reportInput.clear();
    g_reportInputParts.clear();
    g_stemBranchElements.clear();
    g_birthChartElements.clear();
    g_birthChartAdvice.clear();
    ShutdownGdiplus(g_gdiplusToken);
}
