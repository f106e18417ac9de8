#include "app/modal_test_support.h"

#include <windows.h>

#include "runtime/forms/form_runtime.h"

namespace app_test {
namespace {

std::function<void()>& PendingSteps()
{
    static std::function<void()> steps;
    return steps;
}

void CALLBACK RunPendingSteps(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    std::function<void()> steps = std::move(PendingSteps());
    PendingSteps() = nullptr;
    if (steps)
        steps();
    for (forms::Form* form : forms::OpenForms())
        if (form->IsModal())
            form->Destroy();
}

}  // namespace

void RunInsideNextModalLoop(std::function<void()> steps)
{
    PendingSteps() = std::move(steps);
    SetTimer(nullptr, 0, 10, RunPendingSteps);
}

}  // namespace app_test
