#pragma once
// One unit of a live window: a native child control (or a windowless unit such as a timer) with the
// properties handlers read and write. Every operation reports failure by its result: on a unit of the
// wrong kind, on a unit whose window is gone, or on the inert unit that Form::Get gives for a name
// that does not exist, getters give empty values and setters return false.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "runtime/forms/form_definition.h"

class DbConnection;
class RowStore;
class DbRecordSet;
struct LunarDate;

namespace forms {

// Character format of a rich edit box at its insertion point.
struct RichCharFormat {
    std::string fontName;
    int size = 0;            // points
    int offset = 0;          // vertical offset, points (positive raises the text)
    int effects = 0;         // 1 bold, 2 italic, 4 underline, 8 strike-out, 16 protected
    unsigned long colour = kAutoColour;  // COLORREF, or kAutoColour
    static constexpr unsigned long kAutoColour = 0xFF000000ul;
};

// Paragraph format of a rich edit box at its insertion point.
struct RichParaFormat {
    bool bullet = false;
    int startIndent = 0;     // points
    int firstLineOffset = 0; // points, relative to the start indent
    int rightIndent = 0;     // points
    int alignment = 1;       // 1 left, 2 centre, 3 right
};

class Unit {
public:
    Unit(Form* form, UnitDef def);
    ~Unit();
    Unit(const Unit&) = delete;
    Unit& operator=(const Unit&) = delete;

    int Id() const { return def_.id; }
    const std::string& Name() const { return def_.name; }
    UnitKind Kind() const { return def_.kind; }
    // The unit's window; a unit first shown on a page not yet shown gets its window here.
    HWND Window() const;
    // True once the unit has its window (kFormLazyPages: its page was shown or the unit used).
    bool WindowMade() const { return hwnd_ != nullptr; }
    Form* Owner() const { return form_; }
    Unit* Parent() const { return parent_; }
    int Page() const { return def_.page; }
    // Edit boxes: the limit of typed and pasted text the definition gives (UnitDef::Limit).
    int TextLimit() const { return def_.textLimit > 0 ? def_.textLimit : kTypedTextMost; }
    // Edit boxes: true while the platform's limit is the definition's; a box the program limited
    // otherwise after creation is left to the program.
    bool HasDefinedTextLimit() const;
    // True while the unit can be used: its window lives on (or it has none) and its form is open.
    bool IsAlive() const;

    // Caption or text: window text, combo text, the address of links, the title of a save dialog.
    std::string Text() const;
    bool SetText(const std::string& text);
    bool AppendText(const std::string& text);  // edit and rich edit boxes: at the end
    // Edit boxes: the selection, in bytes from 0 (rich edit: in characters).
    int SelectionStart() const;
    bool SetSelection(int start, int length = 0);
    bool SetReadOnly(bool readOnly);

    // Rectangle in the container's client coordinates (the window's own unit: on the screen).
    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;
    bool Move(int left, int top, int width, int height);
    bool SetLeft(int v) { return Move(v, Top(), Width(), Height()); }
    bool SetTop(int v) { return Move(Left(), v, Width(), Height()); }
    bool SetWidth(int v) { return Move(Left(), Top(), v, Height()); }
    bool SetHeight(int v) { return Move(Left(), Top(), Width(), v); }

    // The unit's own visibility; a unit on a tab page that is not current stays hidden on screen.
    bool Visible() const;
    bool SetVisible(bool visible);
    bool Enabled() const;
    bool SetEnabled(bool enabled);
    bool Checked() const;     // check box, radio box, menu item
    bool SetChecked(bool checked);
    const std::string& Tag() const { return tag_; }
    bool SetTag(const std::string& tag);

    // Colours as COLORREF; kDefaultColour for the system's. A text colour is also published in the
    // window property "Kj_Ztys", which the skin reads.
    long TextColour() const { return textColour_; }
    bool SetTextColour(long colour);
    long BackColour() const { return backColour_; }
    bool SetBackColour(long colour);
    bool SetFont(const std::string& name, int points, bool bold = false);

    // Items of combo boxes, list boxes and check list boxes; indexes from 0, -1 = none.
    int ItemCount() const;
    std::string ItemText(int index) const;
    int AddItem(const std::string& text);            // the new index, -1 on failure
    bool InsertItem(int index, const std::string& text);
    bool DeleteItem(int index);
    bool ClearItems();
    int CurrentIndex() const;
    bool SetCurrentIndex(int index);  // multi-select list box: adds the item to the selection
    bool ItemChecked(int index) const;
    bool SetItemChecked(int index, bool checked);

    // Report-style list views. Rows and columns from 0. The rows are the unit's own (the list view
    // asks for the cells it paints); appended rows reach the list view when pending messages are
    // next processed, so bulk fills cost no repaint per row.
    int AddColumn(const std::string& title, int width);
    int ColumnCount() const;
    int RowCount() const;
    int AppendRow(const std::vector<std::string>& cells);  // the new row, -1 on failure
    int InsertRow(int row, const std::vector<std::string>& cells);
    bool SetCell(int row, int column, const std::string& text);
    std::string Cell(int row, int column) const;
    int SelectedRow() const;                         // -1 when none
    std::string SelectedCell(int column) const;      // empty when no row is selected
    bool SelectRow(int row);
    bool DeleteRow(int row);
    bool DeleteAllRows();
    bool EnsureRowVisible(int row);
    bool SetRowData(int row, intptr_t value);        // a number kept with the row
    intptr_t RowData(int row) const;

    // Tab controls: pages from 0.
    int PageCount() const;
    int CurrentPage() const;
    bool SetCurrentPage(int page);  // raises PageChanged when the page changes

    // Progress bars and sliders.
    int Position() const;
    bool SetPosition(int position);
    int Minimum() const;
    int Maximum() const;
    bool SetRange(int minimum, int maximum);

    // Date pickers, month calendars and the lunar units: a date-time of runtime/datetime.h (the lunar
    // units: the solar date at midnight).
    double Date() const;
    bool SetDate(double dateTime);

    // Lunar month calendars and lunar date boxes: the date as a lunar date. Setting a lunar date that
    // does not exist (a leap month the year lacks, day 30 of a short month) fails and changes nothing.
    bool GetLunarDate(LunarDate& lunar) const;
    bool SetLunarDate(const LunarDate& lunar);
    // Lunar month calendars: 0 shows each day's lunar date, 1 the solar days only; -1 on other units.
    int DisplayMode() const;
    bool SetDisplayMode(int mode);

    // Timers: interval in milliseconds, 0 = stopped.
    int Interval() const { return interval_; }
    bool SetInterval(int milliseconds);

    // Picture boxes and picture buttons: the picture as the bytes of a JPEG, PNG, GIF or BMP file.
    const std::string& Picture() const { return picture_; }
    bool SetPicture(const std::string& bytes);

    // Colour pickers.
    unsigned long Colour() const;
    bool SetColour(unsigned long colour);

    // Save dialogs: asks through the platform actions; true and FileName() set when confirmed.
    bool ShowSaveDialog();
    const std::string& FileName() const { return fileName_; }

    // Rich edit boxes: formats at the insertion point, text length in characters.
    bool GetCharFormat(RichCharFormat& format) const;
    bool SetCharFormat(const RichCharFormat& format);
    bool GetParaFormat(RichParaFormat& format) const;
    bool SetParaFormat(const RichParaFormat& format);
    int TextLength() const;

    // Drawing panels: a persistent picture drawn with the current pen and fill colour.
    bool Clear();
    bool SetPen(unsigned long colour, int width);
    bool SetFillColour(unsigned long colour);
    bool DrawLine(int x1, int y1, int x2, int y2);
    bool DrawEllipse(int left, int top, int right, int bottom);
    HDC PanelDC() const;   // the panel's memory context, for other drawing; call Refresh after
    bool Refresh();        // repaints now

    // Database units. A record set attached to a connection unit keeps that connection alive.
    DbConnection* Connection() const { return connection_.get(); }
    DbRecordSet* RecordSet() const { return recordSet_.get(); }
    bool AttachTo(Unit& connectionUnit);

    // Menu items: the command identifier (below 1000).
    int CommandId() const { return commandId_; }

private:
    friend class Form;
    friend struct UnitAccess;

    bool Usable() const;
    void MakeWindowIfPending() const;
    bool IsKind(UnitKind kind) const { return def_.kind == kind; }
    bool IsItemList() const;
    void ApplyScreenVisibility();
    void PublishTextColour();
    HWND ContainerWindow() const;

    Form* form_ = nullptr;
    UnitDef def_;
    Unit* parent_ = nullptr;
    HWND hwnd_ = nullptr;
    bool windowPending_ = false;    // made when first shown or used
    WNDPROC originalProc_ = nullptr;
    bool ownVisible_ = true;
    bool onCurrentPage_ = true;
    bool destroyed_ = false;
    std::vector<std::pair<EventKind, Handler>> handlers_;
    std::string tag_;
    long textColour_ = kDefaultColour;
    long backColour_ = kDefaultColour;
    HBRUSH backBrush_ = nullptr;
    HFONT font_ = nullptr;
    std::string picture_;
    HBITMAP pictureBitmap_ = nullptr;
    int interval_ = 0;
    int timerId_ = 0;
    int commandId_ = 0;
    HMENU menu_ = nullptr;          // Menu: its popup; MenuItem: the popup it sits in
    int currentPage_ = 0;           // tab controls
    int lastPosition_ = 0;          // sliders: reported positions
    bool rowCountPending_ = false;  // list views: appended rows the list view has not been told of
    std::unique_ptr<RowStore> rows_;  // list views
    bool syncingText_ = false;      // combo boxes: text copied from a new selection
    std::string fileName_;          // save dialogs
    std::shared_ptr<DbConnection> connection_;
    std::shared_ptr<DbConnection> attachedConnection_;
    std::unique_ptr<DbRecordSet> recordSet_;
};

}  // namespace forms
