#pragma once
// A program folder of its own for each journey: a copy of the laid-out program (BabyName.exe, data\,
// Dskin\) with the journey's fixture files, removed again when the journey is over.
#include <string>
#include <vector>

namespace journey {

struct FixtureFile {
    std::string relativePath;  // below the program folder, e.g. "data\\setsoft.ini"
    std::string bytes;         // GBK
};

// Copies every file below source into target (made anew) and writes the fixtures over the copies;
// false (with a reason) when a file could not be copied or written.
bool LayOutProgramFolder(const std::string& source, const std::string& target,
                         const std::vector<FixtureFile>& fixtures, std::string& reason);

// Removes a folder and everything below it, clearing the read-only, hidden and system attributes the
// program sets on its data folder; false when something stayed.
bool RemoveFolderTree(const std::string& folder);

// The folder part of a file path (without the trailing backslash).
std::string FolderOf(const std::string& path);

// The whole contents of a file; false when it cannot be read.
bool ReadWholeFile(const std::string& path, std::string& bytes);

}  // namespace journey
