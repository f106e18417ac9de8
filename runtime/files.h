#pragma once
// Whole-file reads and writes with GBK paths (the ANSI code page on Windows).
#include <string>

bool ReadFileBytes(const std::string& path, std::string& bytes);
// Replaces the file's content; false when the file could not be written completely.
bool WriteFileBytes(const std::string& path, const std::string& bytes);
bool FileExists(const std::string& path);
