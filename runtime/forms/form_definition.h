#pragma once
// Window definitions as C++ tables: a window with its units and the bindings of (unit, event) to
// handlers. The form runtime (form_runtime.h) turns a definition into a live window.
//
//   const forms::FormDef kScoringWindow = {
//       kScoringWindowId, "NameScoringWindow", "姓名评测", {50, 50, 338, 102}, forms::kFormFixed,
//       {
//           forms::Define(forms::UnitKind::GroupBox, 1, "分组框17", {16, 40, 183, 52}, "宝宝名字："),
//           forms::Define(forms::UnitKind::Edit, 2, "编辑框姓名评分", {4, 14, 163, 30}).In(1),
//           forms::Define(forms::UnitKind::Button, 3, "按钮名字评分", {230, 44, 88, 39}, "开始评分"),
//       },
//       {{0, forms::EventKind::Created, OnScoringWindowCreated},
//        {3, forms::EventKind::Click, OnScoreNameButtonClicked}},
//   };
#include <string>
#include <vector>

namespace forms {

class Form;
class Unit;

enum class UnitKind : unsigned char {
    Window,            // the form's own unit (caption, rectangle, visibility)
    Edit,
    RichEdit,
    Label,
    TransparentLabel,  // a label that shows its container through its background
    PictureBox,
    DrawingPanel,
    GroupBox,
    Button,
    PictureButton,
    CheckBox,
    RadioBox,
    ComboBox,
    ListBox,
    CheckListBox,
    ProgressBar,
    Slider,
    TabControl,
    DatePicker,
    MonthCalendar,
    LunarMonthCalendar, // a month grid of solar days with their lunar dates; display mode 0 or 1
    LunarDateBox,       // lunar year, month and day; its date is the solar date
    ColourPicker,
    HyperlinkLabel,
    HtmlViewer,        // shows its address as a link that opens the browser
    ListView,          // report style, full-row select
    Timer,             // the units below have no window of their own
    SaveDialog,
    Menu,              // a popup menu; its items are MenuItem units whose parent is the menu
    MenuItem,
    DbConnection,
    RecordSet,
};

// Events come from the user's actions. Of the program's own changes, only setting the text of an
// edit box (as in Windows) and setting the page of a tab control raise events.
enum class EventKind : unsigned char {
    Created,           // the window: raised once, after every unit exists
    MayClose,          // the window: set Event::allow = false to keep it open
    Destroying,        // the window: about to be destroyed, its units still exist
    Resized,           // the window
    Click,
    MouseDown,         // any button; Event::x, y (sender's client coordinates) and button
    Changed,           // text of an edit or combo box, date (also of a lunar date box), slider position,
                       // picked colour
    SelectionChanged,  // combo box or list box selection, month-calendar and lunar month-calendar date
    PageChanged,       // tab control, also when the program changes the page
    DoubleClick,       // Event::item is the list-view row (-1 off the rows)
    RightPress,        // list views: after the press selected the row under the mouse (Event::item), or
                       // Shift+F10 or the menu key on the focused list (the selected row); Event::x, y
                       // is where a menu belongs, in the list's client coordinates
    ItemChanged,       // list view: another row became current; check list box: an item's check mark
    TimerTick,
    GotFocus,
    TextCut,           // the window: typing or a paste into one of its edit boxes went past the box's limit
                       // (UnitDef::Limit) and was cut there
};

// The most a person may type or paste into an edit box without a limit of its own (bytes on Windows,
// characters under Wine): far beyond any input of the program, far below what makes the platform's
// box slow.
inline constexpr int kTypedTextMost = 1024;

// Unit flags.
enum : unsigned {
    kHidden = 1u << 0,
    kDisabled = 1u << 1,
    kChecked = 1u << 2,      // check box, radio box, menu item
    kReadOnly = 1u << 3,     // edit and rich edit boxes
    kMultiLine = 1u << 4,    // edit boxes
    kVScroll = 1u << 5,
    kHScroll = 1u << 6,
    kPassword = 1u << 7,
    kDropDownList = 1u << 8, // combo box without an edit field
    kMultiSelect = 1u << 9,  // list box and list view
    kVertical = 1u << 10,    // slider and progress bar
    kGroupStart = 1u << 11,  // radio box that starts a new group
    kBorder = 1u << 12,      // labels and picture boxes
    kCentred = 1u << 13,     // label text
    kNoGridLines = 1u << 14, // list view
    kNoTabRow = 1u << 15,    // tab control whose pages the program alone chooses: no row of tabs shows
    kDefaultButton = 1u << 16, // push button that Enter presses when no other push button has the focus
};

// Window flags.
enum : unsigned {
    kFormFixed = 0,               // a fixed-size window with a close and a minimise button
    kFormResizable = 1u << 0,     // sizing border and maximise button
    kFormHidden = 1u << 1,        // not shown after the created event
    kFormNoMinimize = 1u << 2,
    kFormToolWindow = 1u << 3,
    // No system caption or border (the skin paints its own): the window's rectangle is its client
    // area. The minimise and maximise bits stay in the style for the skin to read.
    kFormFrameless = 1u << 4,
    // The program's main window: Escape does not close it (it closes every other window).
    kFormMain = 1u << 5,
    // Units on tab pages other than the first (and the units inside them) get their windows when the
    // page is first shown or the unit first used: a window of many pages starts with only what shows.
    kFormLazyPages = 1u << 6,
};

constexpr long kDefaultColour = -1;

struct RectDef {
    int left = 0, top = 0, width = 0, height = 0;
};

struct ColumnDef {
    std::string title;
    int width = 80;
};

struct UnitDef {
    int id = 0;
    std::string name;
    UnitKind kind = UnitKind::Label;
    int parentId = 0;      // 0 = the window; else a group box, tab control, picture box or drawing panel
                           // (a menu for menu items)
    int page = 0;          // page of a tab-control parent, from 0
    RectDef rect;          // in the container's client coordinates
    std::string text;      // caption, text; the address of hyperlinks and HTML viewers; dialog title
    unsigned flags = 0;
    std::vector<std::string> items;   // combo, list and check-list items; tab-page titles
    std::vector<ColumnDef> columns;   // list view
    int interval = 0;                 // timer, milliseconds; 0 = stopped
    int minimum = 0, maximum = 100, position = 0;  // slider and progress bar
    std::string fontName;             // empty = the window's font
    int fontSize = 0;                 // points; 0 = the window's
    bool bold = false;
    long textColour = kDefaultColour; // COLORREF
    long backColour = kDefaultColour;
    std::string link;                 // hyperlink label: the address when the caption differs
    std::string filter;               // save dialog: "description|*.ext|..." or "*.ext"
    std::string defaultExt;           // save dialog
    int textLimit = 0;                // edit box: the most bytes typed or pasted (Wine counts characters);
                                      // 0 = kTypedTextMost

    // Chainable refinements for tables.
    UnitDef& In(int parent, int pageIndex = 0) { parentId = parent; page = pageIndex; return *this; }
    UnitDef& Flags(unsigned f) { flags |= f; return *this; }
    UnitDef& Items(std::vector<std::string> list) { items = std::move(list); return *this; }
    UnitDef& Columns(std::vector<ColumnDef> list) { columns = std::move(list); return *this; }
    UnitDef& Interval(int ms) { interval = ms; return *this; }
    UnitDef& Limit(int characters) { textLimit = characters; return *this; }
    UnitDef& Range(int lo, int hi, int pos = 0) { minimum = lo; maximum = hi; position = pos; return *this; }
    UnitDef& Font(std::string name, int points, bool isBold = false)
    {
        fontName = std::move(name); fontSize = points; bold = isBold; return *this;
    }
    UnitDef& Colours(long text, long back = kDefaultColour) { textColour = text; backColour = back; return *this; }
    UnitDef& Link(std::string address) { link = std::move(address); return *this; }
    UnitDef& Filter(std::string f, std::string ext) { filter = std::move(f); defaultExt = std::move(ext); return *this; }
};

inline UnitDef Define(UnitKind kind, int id, std::string name, RectDef rect = {}, std::string text = {})
{
    UnitDef def;
    def.kind = kind;
    def.id = id;
    def.name = std::move(name);
    def.rect = rect;
    def.text = std::move(text);
    return def;
}

struct Event {
    Form& form;
    Unit& sender;
    EventKind kind;
    int x = 0, y = 0;    // MouseDown: position in the sender's client coordinates
    int button = 0;      // MouseDown: 1 left, 2 right, 3 middle
    int item = -1;       // DoubleClick, RightPress, ItemChanged: row or item, from 0
    bool allow = true;   // MayClose: a handler sets false to keep the window open
};

using Handler = void (*)(Event& event);

struct Binding {
    int unitId = 0;      // 0 = the window itself
    EventKind event = EventKind::Click;
    Handler handler = nullptr;
};

struct FormDef {
    int id = 0;
    std::string name;
    std::string caption;
    RectDef rect;        // outer window rectangle on the screen
    unsigned flags = kFormFixed;
    std::vector<UnitDef> units;
    std::vector<Binding> bindings;
    std::string fontName = "宋体";
    int fontSize = 9;
};

}  // namespace forms
