#include "app/program_startup.h"

#include "app/generator_workers.h"
#include "app/main_window_definition.h"
#include "app/main_window_scoring.h"
#include "naming/generation_state.h"
#include "runtime/forms/form_runtime.h"
#include "runtime/random.h"

int ProgramStartup()
{
    forms::InitFormRuntime();  // also makes the program's folder the current directory
    InitGlobals();
    forms::SetExitRoutine(ReleaseGlobals);
    SeedRandomFromClock();
    forms::OpenModeless(MainWindowDefinition());
    forms::RunMessageLoop();
    return 0;
}

void InitGlobals()
{
    ResetGenerationState();
}

void ReleaseGlobals()
{
    StopGeneratorWorkers();
    ReleaseMainWindowTalents();
    ResetGenerationState();
}
