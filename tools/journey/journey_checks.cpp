#include "tools/journey/journey_checks.h"

#include <cstdlib>

#include "tools/journey/remote_controls.h"

namespace journey {

HWND VisibleList(Session& session, const std::string& caption, int n)
{
    HWND window = session.WaitForWindow(caption, 3000);
    return window ? FindByClass(window, "SysListView32", n) : nullptr;
}

Rows RowsOf(Session& session, const std::string& caption, int list)
{
    HWND view = VisibleList(session, caption, list);
    return view ? ListViewRows(view) : Rows{};
}

bool WaitForRows(Session& session, const std::string& caption, int list, int count, int milliseconds,
                 std::string& reason)
{
    const DWORD end = GetTickCount() + static_cast<DWORD>(milliseconds);
    int rows = 0;
    do {
        if (HWND view = VisibleList(session, caption, list))
            rows = ListViewRowCount(view);
        if (rows >= count)
            return true;
        Sleep(100);
    } while (static_cast<int>(end - GetTickCount()) > 0);
    reason = "list " + std::to_string(list) + " of \"" + caption + "\" has " + std::to_string(rows) + " rows, not " +
             std::to_string(count) + ", after " + std::to_string(milliseconds) + " ms";
    return false;
}

int ScoreIn(const std::string& text)
{
    size_t at = FindWholeText(text, "【");
    at = at == std::string::npos ? 0 : at + 2;
    while (at < text.size() && text[at] == ' ')
        ++at;
    if (at >= text.size() || text[at] < '0' || text[at] > '9')
        return -1;
    return std::atoi(text.c_str() + at);
}

std::string TextsOfClass(Session& session, const std::string& caption, const std::string& className)
{
    std::string texts;
    HWND window = session.WaitForWindow(caption, 3000);
    if (!window)
        return texts;
    for (HWND unit : VisibleDescendants(window))
        if (WindowClass(unit) == className)
            texts += WindowText(unit) + "\n";
    return texts;
}

bool HoldsBrokenCharacter(const std::string& gbk)
{
    for (size_t i = 0; i < gbk.size(); ++i) {
        const auto lead = static_cast<unsigned char>(gbk[i]);
        if (gbk[i] == '?')
            return true;
        if (lead < 0x80)
            continue;
        if (i + 1 >= gbk.size() || static_cast<unsigned char>(gbk[i + 1]) < 0x40)
            return true;
        ++i;
    }
    return false;
}

bool WaitForButtonText(Session& session, const std::string& caption, const std::string& text, int milliseconds,
                       std::string& reason)
{
    const DWORD end = GetTickCount() + static_cast<DWORD>(milliseconds);
    do {
        if (HWND window = session.WaitForWindow(caption, 1000); window && FindByText(window, text))
            return true;
        Sleep(50);
    } while (static_cast<int>(end - GetTickCount()) > 0);
    reason = "no button \"" + text + "\" in \"" + caption + "\"";
    return false;
}

Step ReportShowsName(const std::string& name, const std::string& stepName)
{
    return Verify(stepName, [=](Session& session, std::string& reason) {
        const std::string sought = name.empty() ? session.lastText : name;
        HWND report = session.WaitForWindow("名字评分", 3000);
        HWND box = report ? FindByClass(report, "RichEdit20A", 0) : nullptr;
        const std::string text = box ? RichEditText(box) : std::string();
        const size_t at = FindWholeText(text, sought);
        if (sought.empty() || at == std::string::npos || at > 64) {
            reason = "the report does not begin with \"" + sought + "\": " + text.substr(0, 80);
            return false;
        }
        return true;
    }, {"名字评分"});
}

}  // namespace journey
