#include "app/report_window_main_units.h"

#include "runtime/forms/form_runtime.h"

forms::Form* FindMainWindow()
{
    return forms::FindForm("MainWindow");
}

std::string MainWindowText(const std::string& unitName)
{
    forms::Form* main = FindMainWindow();
    return main ? main->Get(unitName).Text() : std::string();
}

BirthTexts ReadBirthCombos()
{
    BirthTexts birth;
    birth.year = MainWindowText("组合框年1");
    birth.month = MainWindowText("组合框月1");
    birth.day = MainWindowText("组合框日1");
    birth.hour = MainWindowText("组合框时1");
    birth.minute = MainWindowText("组合框分1");
    return birth;
}

bool SetMainWindowVisible(bool visible)
{
    forms::Form* main = FindMainWindow();
    return main && main->Self().SetVisible(visible);
}

std::string ProgramDatabasePath()
{
    return forms::ProgramFolder() + "\\data\\data.dll";
}
