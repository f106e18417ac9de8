#include "tools/journey/program_folder.h"

#include <windows.h>

namespace journey {
namespace {

bool CopyTree(const std::string& source, const std::string& target, std::string& reason)
{
    if (!CreateDirectoryA(target.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) {
        reason = "cannot make " + target;
        return false;
    }
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((source + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        reason = "cannot list " + source;
        return false;
    }
    bool ok = true;
    do {
        const std::string name = found.cFileName;
        if (name == "." || name == "..")
            continue;
        const std::string from = source + "\\" + name;
        const std::string to = target + "\\" + name;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            ok = CopyTree(from, to, reason);
        } else if (!CopyFileA(from.c_str(), to.c_str(), FALSE)) {
            reason = "cannot copy " + from;
            ok = false;
        } else {
            SetFileAttributesA(to.c_str(), FILE_ATTRIBUTE_NORMAL);
        }
    } while (ok && FindNextFileA(search, &found));
    FindClose(search);
    // The copy of a marked data folder is a plain folder again.
    SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_NORMAL);
    return ok;
}

bool WriteWholeFile(const std::string& path, const std::string& bytes)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                    written == bytes.size();
    CloseHandle(file);
    return ok;
}

}  // namespace

bool LayOutProgramFolder(const std::string& source, const std::string& target,
                         const std::vector<FixtureFile>& fixtures, std::string& reason)
{
    RemoveFolderTree(target);
    if (!CopyTree(source, target, reason))
        return false;
    for (const FixtureFile& fixture : fixtures) {
        const std::string path = target + "\\" + fixture.relativePath;
        if (!WriteWholeFile(path, fixture.bytes)) {
            reason = "cannot write " + path;
            return false;
        }
    }
    return true;
}

bool RemoveFolderTree(const std::string& folder)
{
    const DWORD attributes = GetFileAttributesA(folder.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return true;
    SetFileAttributesA(folder.c_str(), FILE_ATTRIBUTE_NORMAL);
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = found.cFileName;
            if (name == "." || name == "..")
                continue;
            const std::string path = folder + "\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveFolderTree(path);
            } else {
                SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(path.c_str());
            }
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    return RemoveDirectoryA(folder.c_str()) != FALSE;
}

std::string FolderOf(const std::string& path)
{
    const size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

bool ReadWholeFile(const std::string& path, std::string& bytes)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    bytes.clear();
    char buffer[65536];
    DWORD got = 0;
    bool ok = true;
    while ((ok = ReadFile(file, buffer, sizeof buffer, &got, nullptr) != FALSE) && got > 0)
        bytes.append(buffer, got);
    CloseHandle(file);
    return ok;
}

}  // namespace journey
