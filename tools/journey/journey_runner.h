#pragma once
// Journeys: what a parent does with the program, written as tables of steps. Each step acts through
// real input only (tools/journey/real_input.h); after it the runner checks that every window of the
// program answers within 2 s, that the windows the journey expects are there and shown, that closed
// windows are destroyed (not only hidden or faded), that no message box appeared unasked, and saves a
// picture of the windows concerned as <journey>-<NN>-<step>.png.
#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "tools/journey/program_folder.h"
#include "tools/journey/program_process.h"

namespace journey {

// Where a step acts inside a window.
struct Target {
    enum class Kind { Window, Text, RightOf, Below, Offset, Class, ListRow, TabHeader };
    Kind kind = Kind::Window;
    std::string text;  // the unit's text, the label's text, a class name or a tab header
    int x = 0, y = 0;  // window offset (a negative x counts from the right edge); class index; list row
};
Target WholeWindow();
Target UnitWithText(const std::string& text);
Target UnitRightOf(const std::string& labelText);
Target UnitBelow(const std::string& labelText);
Target Offset(int x, int y);
Target NthOfClass(const std::string& className, int n);
// Row `row` of the n-th visible list view of the window; a negative row counts from the top visible
// row (-1 the top visible row itself), as a person picks a row they see.
Target ListRow(int list, int row);
Target TabHeader(const std::string& text);

// The state of one journey session: the program's folder and process, and what the steps expect.
class Session {
public:
    std::string programSource;  // the laid-out build folder
    std::string folder;         // this session's copy
    std::string shotFolder;     // where pictures go
    std::unique_ptr<ProgramProcess> program;
    enum class Expect { Shown, Hidden, Gone };
    std::map<std::string, Expect> windows;  // by caption
    std::map<std::string, HWND> handles;    // the last window seen with each caption
    std::string lastText;                   // what a step read, for later steps
    std::string boxText;                    // the last message box answered: "[caption] text"
    size_t mark = 0;
    std::string picturePath;                // the current step's picture                        // a row count a step noted, for later steps

    // A visible top-level window of the program with this caption, waited for up to the given time.
    HWND WaitForWindow(const std::string& caption, int milliseconds = 5000);
    // A visible message box (#32770) of the program, or null.
    HWND MessageBox() const;
    // The text of a message box: its caption and its statics.
    std::string MessageBoxText(HWND box) const;
    // Finds a unit of a window; false with a reason.
    bool Resolve(const std::string& caption, const Target& target, POINT& screen, HWND& unit, std::string& reason);
};

struct Step {
    std::string name;  // ASCII: part of the picture's file name
    std::function<bool(Session&, std::string& reason)> act;
    std::vector<std::string> pictured;  // captions of the windows in the picture (empty: every window)
    bool leavesBox = false;             // a message box is expected to stay open after the step
    bool picturesItself = false;        // the step takes its own picture (of what it closes)
    int answerMilliseconds = 0;         // how long each window may take to answer after it (0: 2 s)
    std::vector<std::pair<std::string, Session::Expect>> expects;

    Step& Picture(std::vector<std::string> captions) { pictured = std::move(captions); return *this; }
    Step& LeavesBox() { leavesBox = true; return *this; }
    Step& AnswersWithin(int milliseconds) { answerMilliseconds = milliseconds; return *this; }
    Step& Shows(const std::string& caption) { expects.push_back({caption, Session::Expect::Shown}); return *this; }
    Step& Hides(const std::string& caption) { expects.push_back({caption, Session::Expect::Hidden}); return *this; }
    Step& Closes(const std::string& caption) { expects.push_back({caption, Session::Expect::Gone}); return *this; }
};

struct Journey {
    std::string name;
    std::vector<Step> steps;
};

// Runs the journeys in order in one session; a journey whose first step is not a launch goes on with
// the program as the previous journey left it, so after a failure such journeys are skipped. Prints a
// line per step; the number of failed journeys is the result.
int RunJourneys(Session& session, const std::vector<Journey>& journeys, const std::vector<std::string>& only);

// Step builders.
Step LayOut(const std::vector<FixtureFile>& fixtures);  // a fresh copy of the program folder
Step Launch();                                          // starts the program, waits for its main window
Step WaitFor(const std::string& caption, int milliseconds = 5000);
Step ClickOn(const std::string& caption, const Target& target, const std::string& name);
Step RightClickOn(const std::string& caption, const Target& target, const std::string& name);
Step HoldOn(const std::string& caption, const Target& target, int milliseconds, const std::string& name);
Step WheelOn(const std::string& caption, const Target& target, int notches, const std::string& name);
Step DoubleClickOn(const std::string& caption, const std::string& name, const Target& target);
// Clicks into a field, selects what it holds and pastes the text over it.
Step TypeInto(const std::string& caption, const Target& field, const std::string& text, const std::string& name);
Step Press(WORD key, WORD modifier, const std::string& name);
// Opens a drop-down list with a click and chooses its item `index` (0-based) with the keys.
Step ChooseComboItem(const std::string& caption, const Target& combo, int index, const std::string& name);
// Chooses item n (1-based) of the popup menu that is open, with the arrow keys and Enter.
Step ChooseMenuItem(int n, const std::string& name);
// Waits for a message box whose text holds `part`, pictures it and, once it is the foreground window,
// clicks its first button.
Step AnswerBox(const std::string& part, const std::string& name);
// Wait up to `milliseconds` for the window to be the foreground one, or to be gone; true when it is.
bool WaitUntilForeground(HWND window, int milliseconds);
bool WaitUntilGone(HWND window, int milliseconds);
enum class CloseWay { CloseButton, AltF4, Escape };
// Closes a window as a person does and waits until it is destroyed.
Step CloseWindow(const std::string& caption, CloseWay way, const std::string& name);
// Waits for the process to end with this code.
Step ExpectExit(DWORD code, int milliseconds, const std::string& name);
// A check of what the program shows; it reads only what any other program could read.
Step Verify(const std::string& name, std::function<bool(Session&, std::string& reason)> check,
            std::vector<std::string> pictured = {});

}  // namespace journey
