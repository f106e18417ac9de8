#include "runtime/forms/bounded_paste.h"

#include <string>

#include "services/codepage/codepage.h"

namespace forms {
namespace {

// The clipboard's text as GBK; empty when it holds none.
std::string ClipboardGbk(HWND owner)
{
    std::string text;
    if (!OpenClipboard(owner))
        return text;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const char* bytes = static_cast<const char*>(GlobalLock(data))) {
            text.assign(bytes, strnlen(bytes, GlobalSize(data)));
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

// The text's first whole characters that fit in `room` bytes.
std::string FirstCharsWithin(const std::string& text, size_t room)
{
    size_t end = 0;
    while (end < text.size()) {
        const size_t length = static_cast<size_t>(GbkCharLengthAt(text, end));
        if (end + length > room)
            break;
        end += length;
    }
    return text.substr(0, end);
}

}  // namespace

bool PasteCutToLimit(HWND edit, size_t limit)
{
    const std::string text = ClipboardGbk(edit);
    // The limit in bytes of GBK text, as Windows counts it (Wine counts characters, a looser bound).
    // A selection is replaced; its length is counted at most two bytes a position.
    const size_t length = static_cast<size_t>(GetWindowTextLengthA(edit));
    DWORD start = 0, end = 0;
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    const size_t selected = end > start ? 2 * static_cast<size_t>(end - start) : 0;
    const size_t kept = length > selected ? length - selected : 0;
    const size_t room = limit > kept ? limit - kept : 0;
    if (text.size() <= room)
        return false;
    const std::string part = FirstCharsWithin(text, room);
    SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(part.c_str()));
    return true;
}

}  // namespace forms
