#include "app/edit_limit.h"

namespace {

// A hidden edit limited to one unit refuses a two-byte character where the unit is a byte.
bool MeasureLimitCountsBytes()
{
    HWND probe = CreateWindowExA(0, "EDIT", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, GetModuleHandleA(nullptr),
                                 nullptr);
    if (!probe)
        return false;
    SendMessageA(probe, EM_LIMITTEXT, 1, 0);
    SendMessageA(probe, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>("\xD5\xC5"));  // 张
    const bool countsBytes = GetWindowTextLengthA(probe) == 0;
    DestroyWindow(probe);
    return countsBytes;
}

}  // namespace

bool AnsiEditLimitCountsBytes()
{
    static const bool countsBytes = MeasureLimitCountsBytes();
    return countsBytes;
}

bool LimitEditToCharacters(HWND edit, int characters)
{
    if (!IsWindow(edit))
        return false;
    const int units = AnsiEditLimitCountsBytes() ? 2 * characters : characters;
    SendMessageA(edit, EM_LIMITTEXT, static_cast<WPARAM>(units), 0);
    return true;
}
