#pragma once
// The form runtime: start-up, the windows of the program, message loops and access from workers.
// Everything here runs on the user-interface thread (the thread that called InitFormRuntime), except
// FormRef::Call and RunOnUiThread, which workers use.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "runtime/forms/form.h"
#include "runtime/forms/form_definition.h"
#include "runtime/forms/unit.h"

namespace forms {

// Initialises OLE and the common controls, makes the program's folder the current directory and
// registers the runtime's window classes. Calling it again does nothing. False when a step failed.
bool InitFormRuntime();
// Runs the exit routine (once) and releases what InitFormRuntime took.
void ShutdownFormRuntime();
// The routine run once when the runtime shuts down or, failing that, when the process ends.
void SetExitRoutine(void (*routine)());
// The folder of the program file, without a trailing backslash.
std::string ProgramFolder();

// Opens a window. Modeless returns the form at once (null when it could not be made). Modal disables
// every other window of the program, runs a local message loop until the new window is gone, then
// enables them again; it returns false when the window could not be made.
Form* OpenModeless(const FormDef& def, Form* owner = nullptr);
bool OpenModal(const FormDef& def, Form* owner = nullptr);

// Runs the program's message loop until no window of the program is left; returns 0 (or the code of
// a WM_QUIT that ended it).
int RunMessageLoop();
// Handles the messages waiting for this thread, for at most a tenth of a second, then returns (a
// WM_QUIT is left in the queue).
void ProcessPendingMessages();

// Called with every unit whose window is made after its window's created event (kFormLazyPages: a
// page first shown, a unit first used), so that whoever dresses new controls (the skin) can.
void SetUnitWindowMadeHandler(std::function<void(Unit&)> handler);

// Open windows.
Form* FindForm(const std::string& name);
Form* FindForm(int id);
std::vector<Form*> OpenForms();
int OpenFormCount();

bool IsUiThread();
// Runs the action on the user-interface thread and waits for it; false when the runtime is gone.
bool RunOnUiThread(const std::function<void()>& action);

// A handle to a window that a worker thread may keep: each call runs on the user-interface thread
// and waits for it; once the window has closed a call does nothing and returns false. The
// user-interface thread must not wait for such a worker without processing messages.
class FormRef {
public:
    FormRef() = default;
    explicit FormRef(Form& form);
    bool Call(const std::function<void(Form&)>& action) const;
    // Sets the text of a unit of the window; false when the window or the unit is gone.
    bool SetUnitText(const std::string& unitName, const std::string& text) const;

private:
    std::weak_ptr<Form> form_;
};

}  // namespace forms
