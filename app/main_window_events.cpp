#include "app/main_window_events.h"

#include "app/favourites_page.h"
#include "app/generator_workers.h"
#include "app/main_window_remote.h"
#include "app/main_window_scoring.h"
#include "app/main_window_ui.h"
#include "app/poem_page.h"
#include "app/report_window_main_units.h"
#include "app/settings_file.h"
#include "db/database.h"
#include "naming/generation_state.h"
#include "runtime/forms/form_runtime.h"

void OnMainWindowCreated(forms::Event& event)
{
    forms::Form& window = event.form;
    forms::ProcessPendingMessages();
    BuildMainWindowUi(window);
    window.Self().SetVisible(true);
    g_surname = ReadSurnameSetting();
    window.Get("编辑框_姓1").SetText(g_surname);
    // Without the service the program goes on without the server clock.
    ConnectMainWindowToServer(window.Window());
    RedrawWindow(window.Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    // Windows ignores the read-only attribute on folders: the program still writes setsoft.ini and
    // data.dll in there.
    SetFileAttributesA((forms::ProgramFolder() + "\\data").c_str(),
                       FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    window.Get("高级选择夹1").SetCurrentPage(0);
    // A missing database is not reported: the queries on it fail later and the window works otherwise.
    forms::Unit& connection = window.Get("数据库连接1");
    if (connection.Connection() && connection.Connection()->Open(ProgramDatabasePath()))
        window.Get("记录集3").AttachTo(connection);
    AttachMainWindowTalents(connection.Connection());
}

void OnMainTabChanged(forms::Event& event)
{
    event.form.Get("按钮生成").SetText("生成");
    RefreshFavouritesList(event.form);
}

void OnMainWindowQueryClose(forms::Event& event)
{
    // The workers score through the connection and write the window's lists: they end first.
    StopGeneratorWorkers();
    forms::Form& window = event.form;
    for (const char* records : {"记录集3", "记录集1"})
        if (DbRecordSet* set = window.Get(records).RecordSet())
            set->Close();
    if (DbConnection* connection = window.Get("数据库连接1").Connection())
        connection->Close();
}

void OnMainWindowDestroy(forms::Event& event)
{
    // Also when the window goes without being asked (the runtime's shutdown): no worker may outlive
    // the units and the connection it uses.
    StopGeneratorWorkers();
    ReleaseMainWindowTalents();
    DestroyPickerCheckBoxes(event.form);
    // The window's own destruction is under way; asking for it again does nothing.
    event.form.Destroy();
}
