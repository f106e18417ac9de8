// A live window: creation from its definition, event dispatch, its lifetime and the units made or
// destroyed at run time.
#include "runtime/forms/form.h"

#include <algorithm>
#include <utility>

#include "db/database.h"
#include "runtime/forms/focus_memory.h"
#include "runtime/forms/runtime_internal.h"

namespace forms {
namespace {

UnitDef WindowUnitDef(const FormDef& def)
{
    UnitDef unit;
    unit.kind = UnitKind::Window;
    unit.id = 0;
    unit.name = def.name;
    unit.rect = def.rect;
    unit.text = def.caption;
    return unit;
}

bool HasWindow(UnitKind kind)
{
    switch (kind) {
    case UnitKind::Timer:
    case UnitKind::SaveDialog:
    case UnitKind::Menu:
    case UnitKind::MenuItem:
    case UnitKind::DbConnection:
    case UnitKind::RecordSet:
    case UnitKind::Window:
        return false;
    default:
        return true;
    }
}

// Keeps a form's retired units alive while a message of the form is being handled.
class DispatchScope {
public:
    explicit DispatchScope(Form& form) : form_(form) { FormAccess::BeginDispatch(form_); }
    ~DispatchScope() { FormAccess::EndDispatch(form_); }
    DispatchScope(const DispatchScope&) = delete;
    DispatchScope& operator=(const DispatchScope&) = delete;

private:
    Form& form_;
};

}  // namespace

Form::Form(const FormDef& def, bool modal) : def_(def), modal_(modal)
{
    self_ = std::make_unique<Unit>(this, WindowUnitDef(def));
    BindHandlers(*self_);
    int maxId = 0;
    for (const UnitDef& unit : def_.units)
        maxId = std::max(maxId, unit.id);
    nextRuntimeUnitId_ = maxId + 1;
}

Form::~Form() = default;

bool Form::Create(HWND owner)
{
    const bool frameless = (def_.flags & kFormFrameless) != 0;
    DWORD style = frameless ? WS_POPUP | WS_SYSMENU : WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
    if (def_.flags & kFormResizable)
        style |= frameless ? WS_MAXIMIZEBOX : WS_THICKFRAME | WS_MAXIMIZEBOX;
    if (!(def_.flags & kFormNoMinimize))
        style |= WS_MINIMIZEBOX;
    const DWORD exStyle = (def_.flags & kFormToolWindow) ? WS_EX_TOOLWINDOW : 0;
    const RectDef& r = def_.rect;
    font_ = SharedFont(def_.fontName, def_.fontSize, false);
    RegisterForm(shared_from_this());
    alive_ = true;
    HWND window = CreateWindowExA(exStyle, kFormClass, def_.caption.c_str(), style, r.left, r.top, r.width,
                                  r.height, owner, nullptr, RuntimeInstance(), this);
    if (!window) {
        alive_ = false;
        UnregisterForm(this);
        return false;
    }
    DispatchScope scope(*this);
    SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    // WM_GETICON, which the task bar and Alt+Tab ask first, answers with the class's icons.
    for (const auto& [which, index] : {std::pair{ICON_BIG, GCLP_HICON}, std::pair{ICON_SMALL, GCLP_HICONSM}})
        if (const LONG_PTR icon = GetClassLongPtrA(window, index))
            SendMessageA(window, WM_SETICON, which, static_cast<LPARAM>(icon));
    if (!CreateUnits()) {
        Destroy();
        return false;
    }
    creating_ = false;
    Raise(*self_, EventKind::Created);
    if (alive_ && !visibilityChosen_ && !(def_.flags & kFormHidden)) {
        ShowWindow(hwnd_, SW_SHOWNORMAL);
        UpdateWindow(hwnd_);
    }
    return true;
}

void Form::AttachWindow(HWND window)
{
    hwnd_ = window;
    self_->hwnd_ = window;
}

bool Form::CreateUnits()
{
    // Containers first: a unit is made once its container exists, whatever the table's order.
    std::vector<const UnitDef*> pending;
    for (const UnitDef& def : def_.units)
        pending.push_back(&def);
    bool progress = true;
    while (!pending.empty() && progress) {
        progress = false;
        for (auto it = pending.begin(); it != pending.end();) {
            const UnitDef& def = **it;
            Unit* parent = def.parentId ? Find(def.parentId) : nullptr;
            if (def.parentId && !parent) {
                ++it;
                continue;
            }
            if (!AddUnit(def, parent))
                return false;
            it = pending.erase(it);
            progress = true;
        }
    }
    // A unit whose container is not in the table sits on the window itself.
    for (const UnitDef* def : pending)
        if (!AddUnit(*def, nullptr))
            return false;
    for (const auto& unit : units_)
        if (unit->Kind() == UnitKind::TabControl)
            ShowPageUnits(*unit);
    return true;
}

Unit* Form::AddUnit(const UnitDef& def, Unit* parent)
{
    auto unit = std::make_unique<Unit>(this, def);
    unit->parent_ = parent;
    BindHandlers(*unit);
    Unit& added = *unit;
    units_.push_back(std::move(unit));
    byName_.emplace(def.name, &added);
    byId_.emplace(def.id, &added);
    switch (def.kind) {
    case UnitKind::Timer:
        added.timerId_ = nextTimerId_ > kMaxRuntimeId ? 0 : nextTimerId_++;
        if (!added.timerId_)
            return nullptr;
        added.SetInterval(def.interval);
        break;
    case UnitKind::Menu:
        added.menu_ = CreatePopupMenu();
        break;
    case UnitKind::MenuItem:
        AddMenuItem(added);
        break;
    case UnitKind::DbConnection:
        added.connection_ = std::make_shared<DbConnection>();
        break;
    case UnitKind::RecordSet:
        added.recordSet_ = std::make_unique<DbRecordSet>();
        break;
    default:
        if (!HasWindow(def.kind))
            break;
        if (StartsOffScreen(def, parent))
            added.windowPending_ = true;
        else if (!CreateUnitWindow(added))
            return nullptr;
        break;
    }
    return &added;
}

// Most pages of a window are never opened in a session: with kFormLazyPages their units wait.
bool Form::StartsOffScreen(const UnitDef& def, const Unit* parent) const
{
    if (!parent || !creating_ || !(def_.flags & kFormLazyPages))
        return false;
    if (parent->windowPending_)
        return true;
    return parent->Kind() == UnitKind::TabControl && def.page != parent->currentPage_;
}

bool Form::MakePendingWindow(Unit& unit)
{
    if (!unit.windowPending_)
        return unit.hwnd_ != nullptr;
    Unit* parent = unit.parent_;
    if (parent && parent->windowPending_ && !MakePendingWindow(*parent))
        return false;
    unit.windowPending_ = false;
    if (parent && parent->Kind() == UnitKind::TabControl)
        unit.onCurrentPage_ = unit.Page() == parent->currentPage_;
    if (!CreateUnitWindow(unit))
        return false;
    // In its container's order of units, as if it had been made with the others.
    HWND after = HWND_TOP;
    for (const auto& other : units_) {
        if (other.get() == &unit)
            break;
        if (other->parent_ == parent && other->hwnd_)
            after = other->hwnd_;
    }
    SetWindowPos(unit.hwnd_, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOREDRAW);
    if (!creating_)
        NotifyUnitWindowMade(unit);
    return true;
}

void Form::MakeShownWindows(Unit& container)
{
    for (const auto& unit : units_) {
        if (unit->parent_ != &container)
            continue;
        if (container.Kind() == UnitKind::TabControl && unit->Page() != container.currentPage_)
            continue;
        if (unit->windowPending_ && !MakePendingWindow(*unit))
            continue;
        MakeShownWindows(*unit);
    }
}

void Form::BindHandlers(Unit& unit)
{
    for (const Binding& binding : def_.bindings)
        if (binding.unitId == unit.Id() && binding.handler)
            unit.handlers_.emplace_back(binding.event, binding.handler);
}

void Form::AddMenuItem(Unit& item)
{
    Unit* menu = item.parent_;
    if (!menu || menu->Kind() != UnitKind::Menu || !menu->menu_ || nextCommandId_ > kMaxRuntimeId)
        return;
    item.menu_ = menu->menu_;
    item.commandId_ = nextCommandId_++;
    if (item.def_.text == "-") {
        AppendMenuA(item.menu_, MF_SEPARATOR, item.commandId_, nullptr);
        return;
    }
    UINT flags = MF_STRING;
    if (item.def_.flags & kChecked)
        flags |= MF_CHECKED;
    if (item.def_.flags & kDisabled)
        flags |= MF_GRAYED;
    AppendMenuA(item.menu_, flags, item.commandId_, item.def_.text.c_str());
}

void Form::ShowPageUnits(Unit& tab)
{
    if (!tab.windowPending_)
        MakeShownWindows(tab);
    for (const auto& unit : units_)
        if (unit->parent_ == &tab)
            UnitAccess::SetOnCurrentPage(*unit, unit->Page() == tab.currentPage_);
}

Unit* Form::Find(const std::string& name) const
{
    auto found = byName_.find(name);
    return found == byName_.end() ? nullptr : found->second;
}

Unit* Form::Find(int id) const
{
    auto found = byId_.find(id);
    return found == byId_.end() ? nullptr : found->second;
}

namespace {
Unit& InertUnit()
{
    static Unit inert(nullptr, UnitDef{});
    return inert;
}
}  // namespace

Unit& Form::Get(const std::string& name) const
{
    Unit* unit = Find(name);
    return unit ? *unit : InertUnit();
}

Unit& Form::Get(int id) const
{
    Unit* unit = Find(id);
    return unit ? *unit : InertUnit();
}

int Form::NextUnitId()
{
    while (byId_.count(nextRuntimeUnitId_))
        ++nextRuntimeUnitId_;
    return nextRuntimeUnitId_++;
}

Unit* Form::CloneUnit(Unit& original)
{
    if (!alive_ || original.form_ != this || !original.IsAlive() || !original.hwnd_)
        return nullptr;
    UnitDef def = original.def_;
    def.id = NextUnitId();
    def.name = original.def_.name + "#" + std::to_string(def.id);
    def.rect = {original.Left(), original.Top(), original.Width(), original.Height()};
    def.text = original.Text();
    def.flags &= ~(kHidden | kDisabled | kChecked);
    if (!original.ownVisible_)
        def.flags |= kHidden;
    if (!original.Enabled())
        def.flags |= kDisabled;
    if (original.Checked())
        def.flags |= kChecked;
    def.textColour = original.textColour_;
    def.backColour = original.backColour_;
    DispatchScope scope(*this);
    const bool wasCreating = creating_;
    creating_ = true;  // no events while the copy is set up
    Unit* copy = AddUnit(def, original.parent_);
    creating_ = wasCreating;
    if (!copy)
        return nullptr;
    copy->handlers_ = original.handlers_;
    copy->tag_ = original.tag_;
    if (original.font_)
        SendMessageA(copy->hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(original.font_), TRUE);
    copy->font_ = original.font_;
    if (!original.picture_.empty())
        copy->SetPicture(original.picture_);
    if (copy->parent_ && copy->parent_->Kind() == UnitKind::TabControl)
        UnitAccess::SetOnCurrentPage(*copy, copy->Page() == copy->parent_->currentPage_);
    return copy;
}

bool Form::DestroyUnit(Unit& unit)
{
    auto owned = std::find_if(units_.begin(), units_.end(), [&](const auto& u) { return u.get() == &unit; });
    if (owned == units_.end())
        return false;
    DispatchScope scope(*this);
    // Units inside a container go with it.
    std::vector<Unit*> doomed = {&unit};
    for (size_t i = 0; i < doomed.size(); ++i)
        for (const auto& other : units_)
            if (other->parent_ == doomed[i] && std::find(doomed.begin(), doomed.end(), other.get()) == doomed.end())
                doomed.push_back(other.get());
    for (auto it = doomed.rbegin(); it != doomed.rend(); ++it) {
        Unit* gone = *it;
        gone->destroyed_ = true;
        if (gone->timerId_ && hwnd_)
            KillTimer(hwnd_, gone->timerId_);
        if (gone->Kind() == UnitKind::MenuItem && gone->menu_)
            DeleteMenu(gone->menu_, gone->commandId_, MF_BYCOMMAND);
        if (gone->hwnd_)
            DestroyWindow(gone->hwnd_);
        for (auto name = byName_.begin(); name != byName_.end();)
            name = name->second == gone ? byName_.erase(name) : std::next(name);
        for (auto id = byId_.begin(); id != byId_.end();)
            id = id->second == gone ? byId_.erase(id) : std::next(id);
        auto entry = std::find_if(units_.begin(), units_.end(), [&](const auto& u) { return u.get() == gone; });
        retired_.push_back(std::move(*entry));
        units_.erase(entry);
    }
    return true;
}

bool Form::PopupMenu(Unit& menu)
{
    POINT at = {};
    GetCursorPos(&at);
    return PopupMenu(menu, at.x, at.y);
}

bool Form::PopupMenu(Unit& menu, int screenX, int screenY)
{
    if (!alive_ || menu.form_ != this || menu.Kind() != UnitKind::Menu || !menu.menu_)
        return false;
    SetForegroundWindow(hwnd_);
    const BOOL shown = TrackPopupMenu(menu.menu_, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, screenX, screenY,
                                      0, hwnd_, nullptr);
    PostMessageA(hwnd_, WM_NULL, 0, 0);
    return shown != FALSE;
}

bool Form::Close()
{
    if (!alive_ || destroying_ || !hwnd_)
        return false;
    SendMessageA(hwnd_, WM_CLOSE, 0, 0);
    return !alive_;
}

bool Form::Destroy()
{
    if (destroying_ || !hwnd_)
        return false;
    // The windows a modal window disabled come back first, so activation returns to them.
    for (const auto& weak : disabledByModal_)
        if (auto other = weak.lock(); other && other->IsAlive())
            EnableWindow(other->Window(), TRUE);
    DestroyWindow(hwnd_);
    return true;
}

bool Form::Raise(Unit& sender, EventKind kind, const EventInfo& info)
{
    if (creating_ || !alive_ || sender.destroyed_)
        return true;
    auto keep = shared_from_this();
    DispatchScope scope(*this);
    bool allow = true;
    const auto handlers = sender.handlers_;  // a handler may clone or destroy units
    for (const auto& [event, handler] : handlers) {
        if (event != kind)
            continue;
        Event e{*this, sender, kind, info.x, info.y, info.button, info.item, true};
        handler(e);
        if (!e.allow)
            allow = false;
        // The handler may have closed the window or destroyed the unit.
        if (!alive_ || sender.destroyed_)
            break;
    }
    return allow;
}

void Form::NoteTextCut()
{
    if (!textCutPosted_ && hwnd_)
        textCutPosted_ = PostMessageA(hwnd_, kTextCutMessage, 0, 0) != FALSE;
}

void Form::EndDispatch()
{
    if (--dispatchDepth_ == 0)
        retired_.clear();
}

Unit* Form::UnitFromWindow(HWND window) const
{
    if (!window)
        return nullptr;
    Unit* unit = UnitOfWindow(window);
    return unit && unit->form_ == this && !unit->destroyed_ ? unit : nullptr;
}

Unit* Form::TimerUnit(int timerId) const
{
    for (const auto& unit : units_)
        if (unit->timerId_ == timerId && unit->Kind() == UnitKind::Timer)
            return unit.get();
    return nullptr;
}

Unit* Form::MenuItemUnit(int commandId) const
{
    for (const auto& unit : units_)
        if (unit->commandId_ == commandId && unit->Kind() == UnitKind::MenuItem)
            return unit.get();
    return nullptr;
}

void Form::OnDestroy()
{
    destroying_ = true;
    for (const auto& weak : disabledByModal_)
        if (auto other = weak.lock(); other && other->IsAlive())
            EnableWindow(other->Window(), TRUE);
    Raise(*self_, EventKind::Destroying);
    alive_ = false;
}

void Form::OnFinalDestroy()
{
    alive_ = false;
    for (const auto& unit : units_) {
        unit->destroyed_ = true;
        if (unit->Kind() == UnitKind::Menu && unit->menu_) {
            DestroyMenu(unit->menu_);
            unit->menu_ = nullptr;
        }
    }
    self_->hwnd_ = nullptr;
    SetWindowLongPtrA(hwnd_, 0, 0);
    hwnd_ = nullptr;
    UnregisterForm(this);
}

LRESULT Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    HWND window = hwnd_;
    DispatchScope scope(*this);
    switch (message) {
    case WM_CLOSE:
        if (alive_ && !destroying_ && Raise(*self_, EventKind::MayClose) && alive_)
            Destroy();
        return 0;
    case WM_DESTROY:
        OnDestroy();
        return 0;
    case WM_ACTIVATE:
        // As in dialog boxes: the focus goes back to the control that had it, not to the window.
        if (LOWORD(wParam) == WA_INACTIVE)
            RememberFocus(window);
        else if (!HIWORD(wParam) && RestoreFocus(window))
            return 0;
        break;
    case WM_SETFOCUS:
        if (RestoreFocus(window))
            return 0;
        break;
    case WM_NCDESTROY: {
        ForgetFocus(window);
        const LRESULT result = DefWindowProcA(window, message, wParam, lParam);
        OnFinalDestroy();
        return result;
    }
    case WM_SIZE:
        Raise(*self_, EventKind::Resized);
        break;
    case kTextCutMessage:
        textCutPosted_ = false;
        Raise(*self_, EventKind::TextCut);
        return 0;
    case WM_TIMER:
        if (Unit* timer = TimerUnit(static_cast<int>(wParam))) {
            Raise(*timer, EventKind::TimerTick);
            return 0;
        }
        break;
    case WM_ERASEBKGND:
        if (HBRUSH brush = UnitAccess::BackBrush(*self_)) {
            RECT client;
            GetClientRect(window, &client);
            FillRect(reinterpret_cast<HDC>(wParam), &client, brush);
            return 1;
        }
        break;
    case WM_COMMAND:
        // Menu commands come with no control window; ours are numbered below 1000.
        if (lParam == 0 && HIWORD(wParam) <= 1) {
            if (Unit* item = MenuItemUnit(LOWORD(wParam))) {
                Raise(*item, EventKind::Click);
                return 0;
            }
            break;
        }
        [[fallthrough]];
    default: {
        LRESULT result = 0;
        if (RouteChildMessage(message, wParam, lParam, result))
            return result;
        break;
    }
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT CALLBACK FormWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        auto* form = static_cast<Form*>(create->lpCreateParams);
        SetWindowLongPtrA(window, 0, reinterpret_cast<LONG_PTR>(form));
        FormAccess::SetWindow(*form, window);
    }
    std::shared_ptr<Form> form = FormOfWindow(window);
    if (!form)
        return DefWindowProcA(window, message, wParam, lParam);
    return FormAccess::HandleMessage(*form, message, wParam, lParam);
}

}  // namespace forms
