#pragma once
// A live window made from a FormDef: its native window, its units and its event dispatch.
// Forms are made by OpenModeless / OpenModal (form_runtime.h) and live until their window is
// destroyed; a Form object reached after that reports failure from every operation.
#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "runtime/forms/form_definition.h"
#include "runtime/forms/unit.h"

namespace forms {

struct EventInfo {
    int x = 0, y = 0, button = 0, item = -1;
};

class Form : public std::enable_shared_from_this<Form> {
public:
    Form(const FormDef& def, bool modal);
    ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    int Id() const { return def_.id; }
    const std::string& Name() const { return def_.name; }
    HWND Window() const { return hwnd_; }
    // True from creation until the window starts being destroyed.
    bool IsAlive() const { return alive_; }
    bool IsModal() const { return modal_; }

    // The window's own unit: caption, outer rectangle on the screen, visibility, enabled state.
    Unit& Self() { return *self_; }
    // Units by name or id; Get gives an inert unit (every operation fails) when there is none.
    Unit* Find(const std::string& name) const;
    Unit* Find(int id) const;
    Unit& Get(const std::string& name) const;
    Unit& Get(int id) const;
    const std::vector<std::unique_ptr<Unit>>& Units() const { return units_; }

    // A copy of a windowed unit under the same container, with the template's properties and
    // bindings and a new id; its name is the template's name followed by "#" and the new id.
    Unit* CloneUnit(Unit& templateUnit);
    bool DestroyUnit(Unit& unit);

    // Pops a menu unit up at a screen position (the mouse position when not given); the chosen
    // item's Click reaches its handlers once the menu has closed.
    bool PopupMenu(Unit& menu);
    bool PopupMenu(Unit& menu, int screenX, int screenY);

    // Close asks the may-close handlers first (as the caption's close button does); Destroy does not.
    bool Close();
    bool Destroy();

private:
    friend struct FormAccess;

    bool Create(HWND owner);
    void AttachWindow(HWND window);
    bool CreateUnits();
    Unit* AddUnit(const UnitDef& def, Unit* parent);
    bool CreateUnitWindow(Unit& unit);
    bool StartsOffScreen(const UnitDef& def, const Unit* parent) const;
    bool MakePendingWindow(Unit& unit);
    void MakeShownWindows(Unit& container);
    void BindHandlers(Unit& unit);
    void AddMenuItem(Unit& item);
    void ShowPageUnits(Unit& tab);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    bool RouteChildMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    bool Raise(Unit& sender, EventKind kind, const EventInfo& info = {});
    Unit* UnitFromWindow(HWND window) const;
    Unit* TimerUnit(int timerId) const;
    Unit* MenuItemUnit(int commandId) const;
    int NextUnitId();
    void BeginDispatch() { ++dispatchDepth_; }
    void EndDispatch();
    // An edit box cut typed or pasted text: TextCut is raised once the box has finished (a handler may
    // open a modal window), once for cuts that come together.
    void NoteTextCut();
    void OnDestroy();
    void OnFinalDestroy();

    FormDef def_;
    bool modal_ = false;
    HWND hwnd_ = nullptr;
    bool alive_ = false;
    bool creating_ = true;
    bool textCutPosted_ = false;  // a TextCut event waits in the queue
    bool destroying_ = false;
    bool visibilityChosen_ = false;  // a created handler set the window's visibility itself
    std::unique_ptr<Unit> self_;
    std::vector<std::unique_ptr<Unit>> units_;
    std::vector<std::unique_ptr<Unit>> retired_;  // destroyed units, freed once no handler runs
    std::map<std::string, Unit*> byName_;
    std::map<int, Unit*> byId_;
    int dispatchDepth_ = 0;
    int nextControlId_ = 1;
    int nextTimerId_ = 1;
    int nextCommandId_ = 1;
    int nextRuntimeUnitId_ = 0;
    HFONT font_ = nullptr;
    std::vector<std::weak_ptr<Form>> disabledByModal_;
};

}  // namespace forms
