#pragma once
// What the journeys read back from the program's windows to check a step, through the same
// messages any other program could send.
#include <windows.h>

#include <string>
#include <vector>

#include "tools/journey/gbk_text.h"
#include "tools/journey/journey_runner.h"

namespace journey {

using Rows = std::vector<std::vector<std::string>>;

// The n-th visible list view of a window (null when there is none).
HWND VisibleList(Session& session, const std::string& caption, int n);
Rows RowsOf(Session& session, const std::string& caption, int list);
// Waits until the list holds at least `count` rows; false with a reason.
bool WaitForRows(Session& session, const std::string& caption, int list, int count, int milliseconds,
                 std::string& reason);
// The score in a row's text: the number in "【 87分】" or "87"; -1 when there is none.
int ScoreIn(const std::string& text);
// The text of every visible window of the given class in a window, joined by new lines.
std::string TextsOfClass(Session& session, const std::string& caption, const std::string& className);
// True when the text holds the byte pair of a half GBK character or a '?' in place of one.
bool HoldsBrokenCharacter(const std::string& gbk);
// Waits until a button shows this caption.
bool WaitForButtonText(Session& session, const std::string& caption, const std::string& text, int milliseconds,
                       std::string& reason);

// The name report shows this name (the remembered one when empty) in its first lines.
Step ReportShowsName(const std::string& name, const std::string& stepName);

}  // namespace journey
