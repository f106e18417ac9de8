// Value properties of single-purpose units: tab pages, progress bars and sliders, dates, timers,
// pictures, colour pickers, save dialogs and drawing panels.
#include <windows.h>
#include <commctrl.h>

#include "runtime/datetime.h"
#include "runtime/forms/form.h"
#include "runtime/forms/lunar_controls.h"
#include "runtime/forms/own_controls.h"
#include "runtime/forms/platform_actions.h"
#include "runtime/forms/runtime_internal.h"
#include "runtime/forms/unit.h"

namespace forms {

int Unit::PageCount() const
{
    if (!Usable() || !IsKind(UnitKind::TabControl))
        return 0;
    if (def_.flags & kNoTabRow)
        return static_cast<int>(def_.items.size());
    return static_cast<int>(SendMessageA(hwnd_, TCM_GETITEMCOUNT, 0, 0));
}

int Unit::CurrentPage() const
{
    return Usable() && IsKind(UnitKind::TabControl) ? currentPage_ : -1;
}

bool Unit::SetCurrentPage(int page)
{
    if (!Usable() || !IsKind(UnitKind::TabControl) || page < 0 || page >= PageCount())
        return false;
    if (page == currentPage_)
        return true;
    if (!(def_.flags & kNoTabRow))
        SendMessageA(hwnd_, TCM_SETCURSEL, page, 0);
    currentPage_ = page;
    FormAccess::ShowPageUnits(*form_, *this);
    FormAccess::Raise(*form_, *this, EventKind::PageChanged);
    return true;
}

int Unit::Position() const
{
    if (!Usable())
        return 0;
    if (IsKind(UnitKind::ProgressBar))
        return static_cast<int>(SendMessageA(hwnd_, PBM_GETPOS, 0, 0));
    if (IsKind(UnitKind::Slider))
        return static_cast<int>(SendMessageA(hwnd_, TBM_GETPOS, 0, 0));
    return 0;
}

bool Unit::SetPosition(int position)
{
    if (!Usable())
        return false;
    if (IsKind(UnitKind::ProgressBar)) {
        SendMessageA(hwnd_, PBM_SETPOS, position, 0);
        return true;
    }
    if (IsKind(UnitKind::Slider)) {
        SendMessageA(hwnd_, TBM_SETPOS, TRUE, position);
        lastPosition_ = Position();  // set by the program: no change event
        return true;
    }
    return false;
}

int Unit::Minimum() const
{
    if (!Usable())
        return 0;
    if (IsKind(UnitKind::ProgressBar))
        return static_cast<int>(SendMessageA(hwnd_, PBM_GETRANGE, TRUE, 0));
    if (IsKind(UnitKind::Slider))
        return static_cast<int>(SendMessageA(hwnd_, TBM_GETRANGEMIN, 0, 0));
    return 0;
}

int Unit::Maximum() const
{
    if (!Usable())
        return 0;
    if (IsKind(UnitKind::ProgressBar))
        return static_cast<int>(SendMessageA(hwnd_, PBM_GETRANGE, FALSE, 0));
    if (IsKind(UnitKind::Slider))
        return static_cast<int>(SendMessageA(hwnd_, TBM_GETRANGEMAX, 0, 0));
    return 0;
}

bool Unit::SetRange(int minimum, int maximum)
{
    if (!Usable() || minimum > maximum)
        return false;
    if (IsKind(UnitKind::ProgressBar)) {
        SendMessageA(hwnd_, PBM_SETRANGE32, minimum, maximum);
        return true;
    }
    if (IsKind(UnitKind::Slider)) {
        SendMessageA(hwnd_, TBM_SETRANGEMIN, FALSE, minimum);
        SendMessageA(hwnd_, TBM_SETRANGEMAX, TRUE, maximum);
        lastPosition_ = Position();
        return true;
    }
    return false;
}

double Unit::Date() const
{
    if (Usable() && (IsKind(UnitKind::LunarMonthCalendar) || IsKind(UnitKind::LunarDateBox)))
        return LunarUnitSolarDate(hwnd_);
    if (!Usable() || !(IsKind(UnitKind::DatePicker) || IsKind(UnitKind::MonthCalendar)))
        return 0;
    SYSTEMTIME time = {};
    const LRESULT got = IsKind(UnitKind::DatePicker)
                            ? SendMessageA(hwnd_, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time))
                            : (SendMessageA(hwnd_, MCM_GETCURSEL, 0, reinterpret_cast<LPARAM>(&time)) ? GDT_VALID : GDT_ERROR);
    double value = 0;
    if (got != GDT_VALID ||
        !MakeDateTime(time.wYear, time.wMonth, time.wDay, time.wHour, time.wMinute, time.wSecond, value))
        return 0;
    return value;
}

bool Unit::SetDate(double dateTime)
{
    if (Usable() && (IsKind(UnitKind::LunarMonthCalendar) || IsKind(UnitKind::LunarDateBox)))
        return LunarUnitSetSolarDate(hwnd_, dateTime);
    if (!Usable() || !(IsKind(UnitKind::DatePicker) || IsKind(UnitKind::MonthCalendar)))
        return false;
    const DateTimeParts parts = SplitDateTime(dateTime);
    if (parts.year < 1601)  // the controls' own lower limit
        return false;
    SYSTEMTIME time = {};
    time.wYear = static_cast<WORD>(parts.year);
    time.wMonth = static_cast<WORD>(parts.month);
    time.wDay = static_cast<WORD>(parts.day);
    time.wDayOfWeek = static_cast<WORD>(DateTimeWeekday(dateTime) - 1);
    time.wHour = static_cast<WORD>(parts.hour);
    time.wMinute = static_cast<WORD>(parts.minute);
    time.wSecond = static_cast<WORD>(parts.second);
    if (IsKind(UnitKind::DatePicker))
        return SendMessageA(hwnd_, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time)) != 0;
    return SendMessageA(hwnd_, MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(&time)) != 0;
}

bool Unit::SetInterval(int milliseconds)
{
    if (!form_ || destroyed_ || !IsKind(UnitKind::Timer) || milliseconds < 0)
        return false;
    interval_ = milliseconds;
    HWND window = form_->Window();
    if (!window || !timerId_)
        return false;
    if (milliseconds > 0)
        return SetTimer(window, static_cast<UINT_PTR>(timerId_), static_cast<UINT>(milliseconds), nullptr) != 0;
    KillTimer(window, static_cast<UINT_PTR>(timerId_));
    return true;
}

bool Unit::SetPicture(const std::string& bytes)
{
    if (!Usable() || !(IsKind(UnitKind::PictureBox) || IsKind(UnitKind::PictureButton)))
        return false;
    const COLORREF background =
        backColour_ == kDefaultColour ? GetSysColor(COLOR_BTNFACE) : static_cast<COLORREF>(backColour_);
    HBITMAP bitmap = bytes.empty() ? nullptr : DecodePicture(bytes, background);
    const UINT message = IsKind(UnitKind::PictureBox) ? STM_SETIMAGE : BM_SETIMAGE;
    SendMessageA(hwnd_, message, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap));
    if (pictureBitmap_)
        DeleteObject(pictureBitmap_);
    pictureBitmap_ = bitmap;
    picture_ = bitmap ? bytes : std::string();
    InvalidateRect(hwnd_, nullptr, TRUE);
    return bytes.empty() || bitmap != nullptr;
}

unsigned long Unit::Colour() const
{
    return Usable() && IsKind(UnitKind::ColourPicker) ? ColourPickerColour(hwnd_) : 0;
}

bool Unit::SetColour(unsigned long colour)
{
    return Usable() && IsKind(UnitKind::ColourPicker) && ColourPickerSetColour(hwnd_, static_cast<COLORREF>(colour));
}

bool Unit::ShowSaveDialog()
{
    if (!Usable() || !IsKind(UnitKind::SaveDialog))
        return false;
    SaveDialogRequest request;
    request.title = def_.text;
    request.filter = def_.filter;
    request.defaultExt = def_.defaultExt;
    request.fileName = fileName_;
    std::string path;
    if (!Actions().askSavePath(form_->Window(), request, path) || path.empty())
        return false;
    fileName_ = path;
    return true;
}

bool Unit::Clear()
{
    return Usable() && IsKind(UnitKind::DrawingPanel) && DrawPanelClear(hwnd_);
}

bool Unit::SetPen(unsigned long colour, int width)
{
    return Usable() && IsKind(UnitKind::DrawingPanel) && DrawPanelSetPen(hwnd_, static_cast<COLORREF>(colour), width);
}

bool Unit::SetFillColour(unsigned long colour)
{
    return Usable() && IsKind(UnitKind::DrawingPanel) && DrawPanelSetFill(hwnd_, static_cast<COLORREF>(colour));
}

bool Unit::DrawLine(int x1, int y1, int x2, int y2)
{
    return Usable() && IsKind(UnitKind::DrawingPanel) && DrawPanelLine(hwnd_, x1, y1, x2, y2);
}

bool Unit::DrawEllipse(int left, int top, int right, int bottom)
{
    return Usable() && IsKind(UnitKind::DrawingPanel) && DrawPanelEllipse(hwnd_, left, top, right, bottom);
}

HDC Unit::PanelDC() const
{
    return Usable() && IsKind(UnitKind::DrawingPanel) ? DrawPanelDC(hwnd_) : nullptr;
}

bool Unit::Refresh()
{
    if (!Usable() || !hwnd_)
        return false;
    return RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN) != FALSE;
}

}  // namespace forms
