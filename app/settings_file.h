#pragma once
// The settings file "\data\setsoft.ini" below the program's folder.
#include <string>

std::string SettingsFilePath();
// Section "编辑框", key "编辑框_姓1": the surname as typed. False when the file cannot be written.
bool SaveSurnameSetting(const std::string& surname);
