#pragma once
// The settings file "\data\setsoft.ini" below the program's folder.
#include <string>

std::string SettingsFilePath();
// The surname saved there; empty when the file or the key is missing.
std::string ReadSurnameSetting();
// Section "编辑框", key "编辑框_姓1": the surname as typed. False when the file cannot be written.
bool SaveSurnameSetting(const std::string& surname);
