#include "app/main_window_events.h"

#include "app/generator_workers.h"
#include "app/main_window_scoring.h"
#include "db/database.h"
#include "runtime/forms/form_runtime.h"

void OnMainWindowCreated(forms::Event& event)
{
    forms::Unit& connection = event.form.Get("数据库连接1");
    if (connection.Connection())
        connection.Connection()->Open(forms::ProgramFolder() + "\\data\\data.dll");  // a failed open is not reported
    AttachMainWindowTalents(connection.Connection());
}

void OnMainWindowQueryClose(forms::Event&)
{
    StopGeneratorWorkers();
}

void OnMainWindowDestroy(forms::Event&)
{
    // Also when the window goes without being asked (the runtime's shutdown): no worker may outlive
    // the units and the connection it uses.
    StopGeneratorWorkers();
    ReleaseMainWindowTalents();
}
