#include "app/main_window_events.h"

#include "app/birth_day_list.h"
#include "app/edit_limit.h"
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
#include "naming/surname_text.h"
#include "runtime/forms/form_runtime.h"
#include "skin/core/message_box.h"

namespace {

const char kDatabaseUnavailableText[] = "名字数据库无法打开。\n自选列表的名字不会保存。";

// Opens the database and attaches 记录集3; false when the file is missing or damaged. The file is
// only read here, so a damaged one stays as it is.
bool OpenMainWindowDatabase(forms::Form& window)
{
    forms::Unit& connection = window.Get("数据库连接1");
    DbConnection* database = connection.Connection();
    const bool usable = database && database->Open(ProgramDatabasePath()) && database->IsIntact();
    if (usable)
        window.Get("记录集3").AttachTo(connection);
    else if (database)
        database->Close();
    AttachMainWindowTalents(database);
    return usable;
}

}  // namespace

void OnMainWindowCreated(forms::Event& event)
{
    forms::Form& window = event.form;
    forms::ProcessPendingMessages();
    BuildMainWindowUi(window);
    FitDayListToMonth(window);
    window.Self().SetVisible(true);
    forms::Unit& surnameBox = window.Get("编辑框_姓1");
    LimitEditToCharacters(surnameBox.Window(), kMaxSurnameChars);
    g_surname = ReadSurnameSetting();
    surnameBox.SetText(g_surname);
    // The database before the server: the favourites work while a slow server is still asked.
    const bool databaseOpen = OpenMainWindowDatabase(window);
    // Windows ignores the read-only attribute on folders: the program still writes setsoft.ini and
    // data.dll in there.
    SetFileAttributesA((forms::ProgramFolder() + "\\data").c_str(),
                       FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    window.Get("高级选择夹1").SetCurrentPage(0);
    RedrawWindow(window.Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    if (!databaseOpen)
        ShowMessageBox(window.Window(), kDatabaseUnavailableText, MB_OK, "提示");
    // Without the service the program goes on without the server clock. The user may close the
    // window while the server is asked; the exchange then ends at once.
    if (window.IsAlive())
        ConnectMainWindowToServer(window.Window());
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
