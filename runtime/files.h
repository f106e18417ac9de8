#pragma once
// Whole-file reads and writes with GBK paths (the ANSI code page on Windows).
#include <cstddef>
#include <string>

bool ReadFileBytes(const std::string& path, std::string& bytes);
// The same for a file of at most `most` bytes; a larger one is refused before it is read, and leaves
// `bytes` empty.
bool ReadFileBytesAtMost(const std::string& path, size_t most, std::string& bytes);
// Replaces the file's content whole (runtime/file_replace.h): a kill leaves the old content or the new;
// false when the file could not be written completely, the old content then stays.
bool WriteFileBytes(const std::string& path, const std::string& bytes);
bool FileExists(const std::string& path);
