#pragma once
// INI files: "[section]" lines and "key=value" lines, GBK text. Section and key names compare without
// regard to ASCII case; values are trimmed of blanks. A missing file, section or key reads as the
// default. A write changes one key and keeps every other line of the file as it was.
#include <string>

std::string IniRead(const std::string& path, const std::string& section, const std::string& key,
                    const std::string& defaultValue = "");
// Creates the file (not its folder) when missing; false when the file cannot be written, and false
// with nothing written for what could not be read back: a line break anywhere, "]" in the section
// name, "=" in the key, a key that is empty or starts with ";", "#" or "[", names that are not GBK.
bool IniWrite(const std::string& path, const std::string& section, const std::string& key, const std::string& value);
