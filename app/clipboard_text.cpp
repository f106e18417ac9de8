#include "app/clipboard_text.h"

#include <cstring>

namespace {

// Another program may hold the clipboard for a moment.
bool OpenClipboardSoon(HWND owner)
{
    for (int attempt = 0; attempt < 10; ++attempt) {
        if (OpenClipboard(owner))
            return true;
        Sleep(5);
    }
    return false;
}

}  // namespace

bool SetClipboardText(HWND owner, const std::string& text)
{
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    if (!memory)
        return false;
    if (char* bytes = static_cast<char*>(GlobalLock(memory))) {
        std::memcpy(bytes, text.c_str(), text.size() + 1);
        GlobalUnlock(memory);
    } else {
        GlobalFree(memory);
        return false;
    }
    if (!OpenClipboardSoon(owner)) {
        GlobalFree(memory);
        return false;
    }
    EmptyClipboard();
    const bool placed = SetClipboardData(CF_TEXT, memory) != nullptr;
    CloseClipboard();
    if (!placed)
        GlobalFree(memory);  // the clipboard took it only on success
    return placed;
}

std::string GetClipboardText(HWND owner)
{
    if (!OpenClipboardSoon(owner))
        return std::string();
    std::string text;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const char* bytes = static_cast<const char*>(GlobalLock(data))) {
            text.assign(bytes, strnlen(bytes, GlobalSize(data)));
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}
