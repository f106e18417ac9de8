#pragma once
// Shared between the runtime's own sources; not for window authors.
#include <windows.h>

#include <memory>
#include <string>

#include "runtime/forms/form.h"
#include "runtime/forms/unit.h"

namespace forms {

constexpr char kFormClass[] = "BnForm";
// The skin reads a control's text colour from this property.
constexpr char kTextColourProperty[] = "Kj_Ztys";
// Control, timer and menu-command ids stay below the skin's (menu number x 1000 + item).
constexpr int kMaxRuntimeId = 999;
// Posted to a form when one of its edit boxes cut typed or pasted text (EventKind::TextCut).
constexpr UINT kTextCutMessage = WM_APP + 3;

HINSTANCE RuntimeInstance();
// Hands a unit whose window was made late to the handler of SetUnitWindowMadeHandler.
void NotifyUnitWindowMade(Unit& unit);
// Posted to a list view to tell it the row count after appends.
UINT RowCountMessage();

// List views (unit_listview.cpp): the list view learns the unit's row count; the answer to a list
// view's request for cells (LVN_GETDISPINFO) or its search by typed letters (LVN_ODFINDITEM), false
// for other reports.
void SyncListRowCount(Unit& list);
bool AnswerListRequest(Unit& list, const NMHDR& header, LRESULT& result);

// The unit of each unit window. Kept in the process rather than in window properties: under Wine a
// property lookup is a round trip to the wineserver, and the lookup runs for every message of a unit.
void RememberUnitWindow(HWND window, Unit* unit);
void ForgetUnitWindow(HWND window);
Unit* UnitOfWindow(HWND window);

// The registry of open forms (user-interface thread only).
void RegisterForm(const std::shared_ptr<Form>& form);
void UnregisterForm(Form* form);
std::shared_ptr<Form> FormOfWindow(HWND window);
// Puts the open modal windows back above the windows they disabled, the innermost one active.
void RaiseModalForms();

// Fonts shared by every unit that uses the same face, size and weight; released at shutdown.
HFONT SharedFont(const std::string& name, int points, bool bold);

// Decodes picture bytes (JPEG, PNG, GIF, BMP) into a bitmap; null when they are no picture.
HBITMAP DecodePicture(const std::string& bytes, COLORREF background);

// The keyboard of dialog boxes for a key press about to be translated (dialog_keys.cpp); true when
// the press was used up and must not be translated or dispatched.
bool HandleDialogKey(const MSG& msg);

// The window procedures of forms and of units (the latter installed by subclassing).
LRESULT CALLBACK FormWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK UnitWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Access to the private parts of Form and Unit for the runtime's sources.
struct FormAccess {
    static LRESULT HandleMessage(Form& form, UINT message, WPARAM wParam, LPARAM lParam)
    {
        return form.HandleMessage(message, wParam, lParam);
    }
    static bool RouteChildMessage(Form& form, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
    {
        return form.RouteChildMessage(message, wParam, lParam, result);
    }
    static bool Raise(Form& form, Unit& sender, EventKind kind, const EventInfo& info = {})
    {
        return form.Raise(sender, kind, info);
    }
    static bool Create(Form& form, HWND owner) { return form.Create(owner); }
    static void ShowPageUnits(Form& form, Unit& tab) { form.ShowPageUnits(tab); }
    static bool MakePendingWindow(Form& form, Unit& unit) { return form.MakePendingWindow(unit); }
    static void SetWindow(Form& form, HWND window) { form.AttachWindow(window); }
    static bool IsCreating(const Form& form) { return form.creating_; }
    static void ChooseVisibility(Form& form) { form.visibilityChosen_ = true; }
    static void SetDisabledByModal(Form& form, std::vector<std::weak_ptr<Form>> list)
    {
        form.disabledByModal_ = std::move(list);
    }
    static unsigned Flags(const Form& form) { return form.def_.flags; }
    static void BeginDispatch(Form& form) { form.BeginDispatch(); }
    static void EndDispatch(Form& form) { form.EndDispatch(); }
    static void NoteTextCut(Form& form) { form.NoteTextCut(); }
};

struct UnitAccess {
    static WNDPROC OriginalProc(const Unit& unit) { return unit.originalProc_; }
    static void SetOriginalProc(Unit& unit, WNDPROC proc) { unit.originalProc_ = proc; }
    static void WindowGone(Unit& unit) { unit.hwnd_ = nullptr; }
    static bool& RowCountPending(Unit& unit) { return unit.rowCountPending_; }
    static RowStore* Rows(Unit& unit) { return unit.rows_.get(); }
    static bool& SyncingText(Unit& unit) { return unit.syncingText_; }
    static int& LastPosition(Unit& unit) { return unit.lastPosition_; }
    static int& CurrentPageField(Unit& unit) { return unit.currentPage_; }
    static HBRUSH BackBrush(const Unit& unit) { return unit.backBrush_; }
    static unsigned Flags(const Unit& unit) { return unit.def_.flags; }
    static void SetOnCurrentPage(Unit& unit, bool onPage)
    {
        unit.onCurrentPage_ = onPage;
        unit.ApplyScreenVisibility();
    }
};

}  // namespace forms
