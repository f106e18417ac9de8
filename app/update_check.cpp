#include "app/update_check.h"

#include <cstdio>
#include <vector>

#include "app/remote_client.h"
#include "runtime/forms/form_runtime.h"
#include "runtime/forms/platform_actions.h"
#include "runtime/text.h"
#include "skin/core/message_box.h"

const char kDownloadPageUrl[] = "http://127.0.0.1:1/download.htm";
const char kUpToDateText[] = "软件已经是最新版，不需要升级";
const char kUpdatePromptText[] = "版本不是最新版本，是否要更新";
const char kUpdatePromptCaption[] = "提示";

namespace {

const int kVersionTagBytes = 3;

void SystemExitProcess(UINT exitCode)
{
    ExitProcess(exitCode);
}

ExitProcessAction g_exitProcess = SystemExitProcess;

std::string ProgramFilePath()
{
    std::vector<char> path(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return std::string();
        if (length < path.size())
            return std::string(path.data(), length);
        path.resize(path.size() * 2);
    }
}

// The FileVersion string of the resource's first language that has one, else of the usual Chinese
// and English blocks.
std::string FileVersionString(const std::vector<char>& info)
{
    std::vector<std::string> blocks;
    struct Translation {
        WORD language, codePage;
    };
    Translation* translations = nullptr;
    UINT size = 0;
    if (VerQueryValueA(info.data(), "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translations), &size))
        for (UINT i = 0; i < size / sizeof(Translation); ++i) {
            char block[16];
            std::snprintf(block, sizeof block, "%04x%04x", translations[i].language, translations[i].codePage);
            blocks.push_back(block);
        }
    blocks.push_back("080404b0");
    blocks.push_back("040904b0");
    for (const std::string& block : blocks) {
        const std::string key = "\\StringFileInfo\\" + block + "\\FileVersion";
        char* value = nullptr;
        UINT length = 0;
        if (VerQueryValueA(info.data(), key.c_str(), reinterpret_cast<void**>(&value), &length) && value && length)
            return std::string(value, strnlen(value, length));
    }
    return std::string();
}

// The server's version tag and the program's own, compared as the check does.
bool VersionsMatch()
{
    const std::string server = QueryRemoteField("sys", "zhuangtai", "gongneng='gonggao3'");
    return server == GetExeVersionPart(1);
}

std::string GetFileVersionPart(const std::string& path, int part)
{
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
    if (size == 0)
        return std::string();
    std::vector<char> info(size);
    if (!GetFileVersionInfoA(path.c_str(), 0, size, info.data()))
        return std::string();
    const std::string version = FileVersionString(info);
    switch (part) {
    case 0:
        return TextLeft(version, kVersionTagBytes);
    case 1:
        return TextRight(version, kVersionTagBytes);
    case 2:
        return version;
    default:
        return std::string();
    }
}

}  // namespace

std::string GetExeVersionPart(int part)
{
    return GetFileVersionPart(ProgramFilePath(), part);
}

void OnMenuSoftwareUpgrade(HWND owner)
{
    if (VersionsMatch())
        ShowMessageBox(owner, kUpToDateText, 0);
}

void CheckForUpdateWithPrompt(HWND owner)
{
    if (VersionsMatch())
        return;
    // The skin's box gives the pressed button's identifier minus one: 5 is Yes.
    const int kYesPressed = IDYES - 1;
    if (ShowMessageBox(owner, kUpdatePromptText, MB_YESNO | MB_ICONINFORMATION, std::string(kUpdatePromptCaption)) !=
        kYesPressed)
        return;
    forms::ProcessPendingMessages();
    forms::OpenUrl(kDownloadPageUrl);
    g_exitProcess(0);
}

ExitProcessAction ReplaceExitProcessAction(ExitProcessAction action)
{
    const ExitProcessAction previous = g_exitProcess;
    g_exitProcess = action ? action : SystemExitProcess;
    return previous;
}
