#include "app/settings_file.h"

#include "naming/surname_text.h"
#include "runtime/forms/form_runtime.h"
#include "runtime/ini.h"

std::string SettingsFilePath()
{
    return forms::ProgramFolder() + "\\data\\setsoft.ini";
}

std::string ReadSurnameSetting()
{
    return CleanSurname(IniRead(SettingsFilePath(), "编辑框", "编辑框_姓1"));
}

bool SaveSurnameSetting(const std::string& surname)
{
    return IniWrite(SettingsFilePath(), "编辑框", "编辑框_姓1", CleanSurname(surname));
}
