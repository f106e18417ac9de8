#include "app/http_test_server.h"

#include <windows.h>

#include <cstdint>
#include <cstdio>

#include "app/remote_request_text.h"
#include "runtime/files.h"
#include "runtime/text.h"

namespace remote_test {
namespace {

// Wine's own path conversions (kernel32 exports of Wine only).
using ToUnixName = char*(CDECL*)(const WCHAR*);
using ToDosName = WCHAR*(CDECL*)(const char*);

std::wstring Wide(const std::string& text)
{
    const int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, &wide[0], length);
    wide.resize(wide.size() - 1);
    return wide;
}

std::string UnixPath(const std::string& windowsPath)
{
    const auto convert = reinterpret_cast<ToUnixName>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    if (!convert)
        return std::string();
    char* unixName = convert(Wide(windowsPath).c_str());
    if (!unixName)
        return std::string();
    std::string path = unixName;
    HeapFree(GetProcessHeap(), 0, unixName);
    return path;
}

std::wstring DosPath(const char* unixPath)
{
    const auto convert = reinterpret_cast<ToDosName>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_dos_file_name")));
    WCHAR* dosName = convert ? convert(unixPath) : nullptr;
    if (!dosName)
        return std::wstring();
    std::wstring path = dosName;
    HeapFree(GetProcessHeap(), 0, dosName);
    return path;
}

std::string Hex(const std::string& bytes)
{
    static const char digits[] = "0123456789abcdef";
    std::string hex;
    for (unsigned char b : bytes) {
        hex += digits[b >> 4];
        hex += digits[b & 15];
    }
    return hex;
}

std::string Quoted(const std::string& text)
{
    return "\"" + text + "\"";
}

}  // namespace

TestHttpServer::~TestHttpServer()
{
    // The server watches its port file and ends once it is gone.
    if (!portFile_.empty())
        DeleteFileA(portFile_.c_str());
    if (!logFile_.empty())
        DeleteFileA(logFile_.c_str());
}

bool TestHttpServer::Start(const std::string& mode, const std::string& timeReply, const std::string& sqlReply)
{
    static int serial = 0;
    // In the temporary folder: process ids are unique within one wineserver only, and tests of other
    // wineservers run in the same working folder at once.
    char folder[MAX_PATH] = {};
    if (!GetTempPathA(MAX_PATH, folder))
        return false;
    const std::string stem = std::string(folder) + "http-server-" + IntToText(GetCurrentProcessId()) + "-" +
                             IntToText(++serial);
    portFile_ = stem + ".port";
    logFile_ = stem + ".log";
    DeleteFileA(portFile_.c_str());
    const std::string unixPortFile = UnixPath(portFile_);
    const std::string unixLogFile = UnixPath(logFile_);
    const std::wstring python = DosPath(BN_PYTHON3);
    if (unixPortFile.empty() || unixLogFile.empty() || python.empty())
        return false;

    std::string command = Quoted(BN_PYTHON3) + " " + Quoted(BN_HTTP_TEST_SERVER) + " " + Quoted(unixPortFile) + " " +
                          Quoted(unixLogFile) + " " + mode + " " + Quoted(Hex(timeReply)) + " " + Quoted(Hex(sqlReply));
    std::wstring wideCommand = Wide(command);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(python.c_str(), &wideCommand[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return false;
    // Wine starts a Linux program without a process handle and leaves garbage in the thread handle and
    // the ids (closing that "handle" closed one of ours): touch neither, and wait for the port file.
    if (process.hProcess) {
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
    }
    const DWORD end = GetTickCount() + 10000;
    std::string port;
    while (!ReadFileBytes(portFile_, port) || port.empty()) {
        if (static_cast<int>(end - GetTickCount()) <= 0)
            return false;
        Sleep(20);
    }
    port_ = static_cast<int>(TextToInt(port));
    return port_ > 0;
}

std::string TestHttpServer::BaseUrl() const
{
    return "http://127.0.0.1:" + IntToText(port_) + "/";
}

std::vector<std::string> TestHttpServer::Requests() const
{
    std::string log;
    ReadFileBytes(logFile_, log);
    std::vector<std::string> requests;
    const std::string mark = "=====\n";
    for (size_t at = log.find(mark); at != std::string::npos;) {
        const size_t next = log.find(mark, at + mark.size());
        std::string request = log.substr(at + mark.size(), next == std::string::npos ? std::string::npos
                                                                                     : next - at - mark.size());
        if (!request.empty() && request.back() == '\n')
            request.pop_back();
        requests.push_back(request);
        at = next;
    }
    return requests;
}

std::string Unscramble(const std::string& scrambled, const std::string& keyText)
{
    const std::vector<int16_t> key = ScrambleKeyNumbers(keyText);
    std::string text;
    if (key.empty())
        return text;
    size_t index = 0;
    for (const std::string& group : TextSplit(scrambled, "A")) {
        const auto code = static_cast<int16_t>(static_cast<int16_t>(TextToInt(group)) ^ key[index]);
        index = (index + 1) % key.size();
        const auto bits = static_cast<uint16_t>(code);
        if (code < 0)
            text += static_cast<char>(bits >> 8);
        text += static_cast<char>(bits & 0xFF);
    }
    return text;
}

std::string FormField(const std::string& body, const std::string& name)
{
    for (const std::string& field : TextSplit(body, "&"))
        if (field.compare(0, name.size() + 1, name + "=") == 0)
            return field.substr(name.size() + 1);
    return std::string();
}

std::string RequestBody(const std::string& request)
{
    const size_t blank = request.find("\r\n\r\n");
    return blank == std::string::npos ? std::string() : request.substr(blank + 4);
}

}  // namespace remote_test
