// The calendar pages of the perpetual calendar window: opening and closing, the page layout, the
// lunar and solar month calendars with their essays, the calendar board, the four-pillar calculators
// and the solar-term list.
#include "app/calendar_window.h"

#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include "app/calendar_essays.h"
#include "app/calendar_handlers.h"
#include "app/calendar_texts.h"
#include "app/tinted_window_skin.h"
#include "calendar/calendar.h"
#include "runtime/datetime.h"
#include "runtime/forms/form_runtime.h"
#include "runtime/lunar_words.h"
#include "runtime/text.h"

namespace {

constexpr char kMainWindowName[] = "MainWindow";
constexpr long kRed = 0x0000FF;
constexpr long kTeal = 0x808000;
constexpr long kBlack = 0;

void ShowMainWindow(bool visible)
{
    if (forms::Form* main = forms::FindForm(kMainWindowName))
        main->Self().SetVisible(visible);
}

void MoveOnto(forms::Unit& unit, const forms::Unit& place)
{
    unit.Move(place.Left(), place.Top(), place.Width(), place.Height());
}

void FillEssay(forms::Unit& box, const std::vector<std::string>& paragraphs)
{
    box.SetText("");
    for (const std::string& paragraph : paragraphs)
        box.AppendText(paragraph);
    box.AppendText("   ");
    box.SetSelection(0);
}

// A part of the time as typed: a whole number from 0 to last, blanks around it allowed.
bool ReadTimePart(const std::string& typed, int last, int& value)
{
    const std::string text = TextTrim(typed);
    if (text.empty() || text.size() > 2)
        return false;
    value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + (c - '0');
    }
    return value <= last;
}

// Pillars of a date with the time typed in three boxes, joined by blanks; or a word saying why the
// calculator gives none: a time part that is no whole number in its range, or a date the calendar
// cannot compute.
std::string PillarsOf(double date, const forms::Unit& hour, const forms::Unit& minute, const forms::Unit& second)
{
    int h = 0, m = 0, s = 0;
    if (!ReadTimePart(hour.Text(), 23, h))
        return "时要填0到23的整数";
    if (!ReadTimePart(minute.Text(), 59, m))
        return "分要填0到59的整数";
    if (!ReadTimePart(second.Text(), 59, s))
        return "秒要填0到59的整数";
    const DateTimeParts day = SplitDateTime(date);
    FourPillars pillars;
    if (!FourPillarsAt(day.year, day.month, day.day, h, m, s, pillars))
        return "只能算1901年到2100年的四柱";
    return JoinFourPillars(pillars);
}

// The longest texts the board's two lower lines can hold: a leap eleventh month with a two-word day,
// and four pillars.
constexpr char kLongestLunarLine[] = "农历:二零二六年闰十一月廿三";
constexpr char kLongestPillarsLine[] = "四柱:甲辰 丙寅 戊戌 庚申";
constexpr int kBoardWidth = 183;  // designed; the board widens when its lines need it
constexpr int kBoardLeft = 36;
constexpr int kBoardPageWidth = 250;

// The width a label needs for a text in its own font, with a few pixels to spare.
int TextWidthIn(const forms::Unit& label, const std::string& text)
{
    HWND window = label.Window();
    if (!window)
        return 0;
    HDC dc = GetDC(window);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(window, WM_GETFONT, 0, 0)));
    SIZE size = {};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(window, dc);
    return static_cast<int>(size.cx) + 6;
}

// The board's width: the designed one, or wider when its lunar or pillar line would not fit whole.
int BoardWidth(forms::Form& form)
{
    const int lines = std::max({TextWidthIn(form.Get("透明标签5"), kLongestLunarLine),
                                TextWidthIn(form.Get("透明标签5"), form.Get("透明标签5").Text()),
                                TextWidthIn(form.Get("透明标签6"), kLongestPillarsLine),
                                TextWidthIn(form.Get("透明标签6"), form.Get("透明标签6").Text())});
    return std::max(kBoardWidth, lines + 4);
}

// The left of a box of the 日历牌 page (the board, the calculators, the term list) that may be wider
// than designed on a page that may be wider than designed: its centre stays where it was designed
// relative to the page's centre.
int CentredLeft(forms::Form& form, int designedLeft, int designedWidth, int width)
{
    const int pageGrowth = form.Get("万年历选择夹").Width() - kBoardPageWidth;
    return std::max(8, designedLeft + pageGrowth / 2 - (width - designedWidth) / 2);
}

// The board and its labels at the board's width, every label centred as designed.
void PlaceBoard(forms::Form& form)
{
    const int width = BoardWidth(form);
    forms::Unit& board = form.Get("图片框4");
    board.Move(CentredLeft(form, kBoardLeft, kBoardWidth, width), 49, width, 213);
    const int shift = (width - kBoardWidth) / 2;
    form.Get("透明标签1").Move(8 + shift, 24, 168, 32);
    form.Get("透明标签2").Move(52 + shift, 54, 81, 58);
    form.Get("透明标签3").Move(35 + shift, 113, 113, 32);
    form.Get("透明标签5").Move(0, 168, width - 4, 22);
    form.Get("透明标签6").Move(0, 189, width - 4, 18);
}

void PlaceBoardTime(forms::Form& form)
{
    const int shift = (form.Get("图片框4").Width() - kBoardWidth) / 2;
    form.Get("透明标签4").Move(9 + shift, 144, 168, 24);
}

// The light boxes of the 日历牌 page paint their colour under their labels: a label drawn anew (the
// clock every second) then covers what it showed before instead of drawing over it.
void PaintBoxesOpaque(forms::Form& form)
{
    for (const char* name : {"图片框4", "图片框5", "图片框7", "图片框8"}) {
        forms::Unit& box = form.Get(name);
        const unsigned long colour = static_cast<unsigned long>(box.BackColour());
        // A 1 x 1 bitmap file of the colour (bottom-up rows of blue, green, red, padded to 4 bytes);
        // the picture box stretches it over its whole face.
        std::string bmp = {'B', 'M'};
        auto put32 = [&bmp](unsigned long value) {
            for (int i = 0; i < 4; ++i)
                bmp += static_cast<char>((value >> (8 * i)) & 0xFF);
        };
        auto put16 = [&bmp](unsigned value) {
            bmp += static_cast<char>(value & 0xFF);
            bmp += static_cast<char>((value >> 8) & 0xFF);
        };
        put32(58), put32(0), put32(54);
        put32(40), put32(1), put32(1), put16(1), put16(24), put32(0), put32(4), put32(2835), put32(2835), put32(0), put32(0);
        bmp += static_cast<char>((colour >> 16) & 0xFF);
        bmp += static_cast<char>((colour >> 8) & 0xFF);
        bmp += static_cast<char>(colour & 0xFF);
        bmp += '\0';
        box.SetPicture(bmp);
    }
}

// The solar-term list: as designed, or wider when its longest line would be cut (the check box, the
// text and the scroll bar side by side), centred on the page as it is now.
constexpr char kLongestTermLine[] = "寒露:2026年10月10日10时10分10秒";
struct TermListPlace {
    int left = 34, width = 202;
};
TermListPlace TermListPlacement(forms::Form& form)
{
    forms::Unit& list = form.Get("选择列表框1");
    const int check = static_cast<int>(SendMessageA(list.Window(), LB_GETITEMHEIGHT, 0, 0));
    const int needed = TextWidthIn(list, kLongestTermLine) + check + 2 + GetSystemMetrics(SM_CXVSCROLL) + 4;
    TermListPlace place;
    place.width = std::max(place.width, needed);
    place.left = CentredLeft(form, 34, 202, place.width);
    return place;
}

// The 公历 page: the month calendar at least as wide as its whole month needs (seven columns), the
// buttons beside it moved along.
constexpr int kSolarCalendarWidth = 196;  // designed
void FitSolarCalendar(forms::Form& form)
{
    forms::Unit& calendar = form.Get("月历1");
    RECT need = {};
    if (!SendMessageA(calendar.Window(), MCM_GETMINREQRECT, 0, reinterpret_cast<LPARAM>(&need)))
        return;
    const int grow = std::max(0, static_cast<int>(need.right - need.left) + 2 - calendar.Width());
    if (grow == 0)
        return;
    calendar.Move(calendar.Left(), calendar.Top(), calendar.Width() + grow, std::max(calendar.Height(),
                  static_cast<int>(need.bottom - need.top) + 2));
    for (const char* name : {"按钮4", "按钮5", "编辑框1", "组合框2"}) {
        forms::Unit& unit = form.Get(name);
        unit.Move(unit.Left() + grow, unit.Top(), unit.Width(), unit.Height());
    }
}

// The time-zone list drops down as wide as its longest zone, which the box itself cannot show whole.
void WidenZoneList(forms::Unit& combo)
{
    int widest = combo.Width();
    for (int i = 0; i < combo.ItemCount(); ++i)
        widest = std::max(widest, TextWidthIn(combo, combo.ItemText(i)) + GetSystemMetrics(SM_CXVSCROLL) + 4);
    SendMessageA(combo.Window(), CB_SETDROPPEDWIDTH, static_cast<WPARAM>(widest), 0);
}

// Narrow tab headers, so the five fit the narrowest page (日历牌) whole.
void NarrowTabHeaders(forms::Unit& tabs)
{
    SendMessageA(tabs.Window(), TCM_SETPADDING, 0, MAKELPARAM(4, 3));
}

// The width of the tab strip: the right edge of the last header plus the frame.
int TabStripWidth(forms::Unit& tabs)
{
    RECT first = {}, last = {};
    const int count = tabs.PageCount();
    if (count <= 0 || !SendMessageA(tabs.Window(), TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first)) ||
        !SendMessageA(tabs.Window(), TCM_GETITEMRECT, count - 1, reinterpret_cast<LPARAM>(&last)))
        return 0;
    return static_cast<int>(last.right - first.left) + 2 * static_cast<int>(first.left) + 4;
}

}  // namespace

forms::Form* OpenPerpetualCalendar(forms::Form* owner)
{
    const forms::FormDef& def = PerpetualCalendarWindowDef();
    if (forms::Form* open = forms::FindForm(def.name)) {
        open->Self().SetVisible(true);
        SetForegroundWindow(open->Window());
        return open;
    }
    return forms::OpenModeless(def, owner);
}

void OnCalendarWindowCreated(forms::Event& e)
{
    forms::Form& form = e.form;
    ShowMainWindow(false);
    SkinForm(form.Window(), TintedWindowSkin(100));
    SetFormCloseEffect(form.Window(), kCloseEffectShrinkFade);
    SetSkinOptions(true, 0);
    NarrowTabHeaders(form.Get("万年历选择夹"));
    FitSolarCalendar(form);
    WidenZoneList(form.Get("组合框1"));
    SkinControl(form.Get("万年历选择夹").Window());
    PaintBoxesOpaque(form);
    const double now = CalendarNow();
    const DateTimeParts parts = SplitDateTime(now);
    form.Get("农历月历1").SetDate(now);
    form.Get("公历日期框").SetDate(now);
    for (const char* name : {"公历时编辑框", "公历时1"})
        form.Get(name).SetText(IntToText(parts.hour));
    for (const char* name : {"公历分编辑框", "公历分1"})
        form.Get(name).SetText(IntToText(parts.minute));
    for (const char* name : {"公历秒编辑框", "公历秒1"})
        form.Get(name).SetText(IntToText(parts.second));
    FillEssay(form.Get("编辑框农历"), LunarEssayParagraphs());
    FillEssay(form.Get("编辑框公历"), SolarEssayParagraphs());
    LayoutCalendarTabs(e);
    RefreshTodayPanel(e);
    SetUpClockTools(form);
}

void OnCalendarWindowQueryClose(forms::Event& e)
{
    EndClockTools();
    ShowMainWindow(true);
}

void LayoutCalendarTabs(forms::Event& e)
{
    forms::Form& form = e.form;
    form.Get("图片框4").SetVisible(false);
    for (const char* name : {"透明标签4", "透明标签1", "透明标签2", "透明标签3", "透明标签5", "透明标签6"})
        form.Get(name).Move(1, 1, 1, 1);
    forms::Unit& tabs = form.Get("万年历选择夹");
    switch (tabs.CurrentPage()) {
    case 0:
        form.Get("编辑框农历").SetVisible(false);
        form.Get("农历月历1").SetVisible(true);
        tabs.Move(4, 20, 380, 326);
        break;
    case 1: {
        form.Get("编辑框公历").SetVisible(false);
        const forms::Unit& calendar = form.Get("月历1");
        tabs.Move(4, 20, 287 + calendar.Width() - kSolarCalendarWidth,
                  std::max(218, calendar.Top() + calendar.Height() + 10));
        break;
    }
    case 2: {
        // As wide as the board and the term list need, then everything centred on it.
        const int board = BoardWidth(form);
        const int terms = TermListPlacement(form).width;
        tabs.Move(4, 20, std::max({kBoardPageWidth, board + 20, terms + 20}), 290);
        form.Get("图片框4").SetVisible(true);
        PlaceBoard(form);
        PlaceBoardTime(form);
        break;
    }
    case 3:
        // As wide as the world clocks and the time-zone list with their texts whole (the first zone
        // shows whole in the closed list).
        tabs.Move(4, 20, 570, 318);
        form.Get("按钮11").SetEnabled(true);
        for (const char* name : {"按钮1", "按钮9", "公历日期框1"})
            form.Get(name).SetEnabled(false);
        break;
    case 4: {
        // As wide as the task sentences, which grow with their time boxes.
        int width = 380;
        for (const char* name : {"标签11", "标签12", "标签13", "标签15"}) {
            const forms::Unit& sentence = form.Get(name);
            width = std::max(width, sentence.Left() + sentence.Width() + 14);
        }
        tabs.Move(4, 20, width, 286);
        break;
    }
    default:
        break;
    }
    // Every page shows the whole tab strip.
    const int strip = TabStripWidth(tabs);
    if (tabs.Width() < strip)
        tabs.Move(4, 20, strip, tabs.Height());
    forms::Unit& window = form.Self();
    window.Move(window.Left(), window.Top(), tabs.Width() + 14, tabs.Height() + 38);
}

void RefreshTodayPanel(forms::Event& e)
{
    forms::Form& form = e.form;
    const double now = CalendarNow();
    const DateTimeParts today = SplitDateTime(now);
    form.Get("透明标签1").SetText(IntToText(today.year) + "年" + IntToText(today.month) + "月");
    form.Get("透明标签2").SetText(IntToText(today.day));
    LunarDate lunar;
    form.Get("透明标签5").SetText(SolarToLunar(today.year, today.month, today.day, lunar) ? TodayLunarText(lunar) : "");
    const int weekday = DateTimeWeekday(now);
    form.Get("透明标签3").SetText(WeekdayName(weekday));
    const bool weekend = weekday == 1 || weekday == 7;
    form.Get("透明标签2").SetTextColour(weekend ? kRed : kTeal);
    form.Get("透明标签3").SetTextColour(weekend ? kRed : kBlack);
    FourPillars pillars;
    FourPillarsAt(today.year, today.month, today.day, today.hour, today.minute, today.second, pillars);
    form.Get("透明标签6").SetText("四柱:" + JoinFourPillars(pillars));
}

void ToggleLunarEssay(forms::Event& e)
{
    forms::Unit& essay = e.form.Get("编辑框农历");
    forms::Unit& calendar = e.form.Get("农历月历1");
    MoveOnto(essay, calendar);
    const bool wasShown = essay.Visible();
    essay.SetVisible(!wasShown);
    calendar.SetVisible(wasShown);
}

void ToggleSolarEssay(forms::Event& e)
{
    forms::Form& form = e.form;
    const DateTimeParts now = SplitDateTime(CalendarNow());
    form.Get("透明标签1").SetText("公元" + IntToText(now.year) + "年" + IntToText(now.month) + "月");
    forms::Unit& essay = form.Get("编辑框公历");
    MoveOnto(essay, form.Get("月历1"));
    const bool wasShown = essay.Visible();
    essay.SetVisible(!wasShown);
    form.Get("编辑框1").SetVisible(wasShown);
    form.Get("组合框2").SetVisible(wasShown);
}

void ShowTodayLunarMonth(forms::Event& e)
{
    e.form.Get("农历月历1").SetDate(CalendarNow());
}

void ShowTodaySolarMonth(forms::Event& e)
{
    e.form.Get("编辑框公历").SetVisible(false);
    e.form.Get("月历1").SetDate(CalendarNow());
}

void SetLunarCalendarView(forms::Event& e)
{
    forms::Unit& calendar = e.form.Get("农历月历1");
    calendar.SetDisplayMode(e.sender.Name() == "单选框2" ? 0 : 1);
    calendar.Refresh();
}

void ShowCalendarPage(forms::Event& e)
{
    forms::Form& form = e.form;
    forms::Unit& board = form.Get("图片框4");
    PlaceBoard(form);
    board.SetVisible(true);
    PlaceBoardTime(form);
    form.Get("图片框5").SetVisible(false);
    form.Get("选择列表框1").SetVisible(false);
}

void ToggleFourPillarCalculators(forms::Event& e)
{
    forms::Form& form = e.form;
    forms::Unit& calculators = form.Get("图片框5");
    if (calculators.Visible()) {
        calculators.SetVisible(false);
        form.Get("图片框4").SetVisible(true);
        PlaceBoardTime(form);
    } else {
        calculators.SetVisible(true);
        form.Get("图片框4").SetVisible(false);
        form.Get("透明标签4").Move(1, 1, 1, 1);
        form.Get("选择列表框1").SetVisible(false);
    }
    calculators.Move(CentredLeft(form, kBoardLeft, kBoardWidth, kBoardWidth), 49, 183, 213);
    // The lunar calculator starts from the date the calendar shows; its caption follows its box.
    LunarDate lunar;
    if (form.Get("农历月历1").GetLunarDate(lunar))
        form.Get("农历日期框1").SetLunarDate(lunar);
    ShowSolarDateFourPillars(e);
    ShowLunarDateFourPillars(e);
}

void OnListSolarTermsClicked(forms::Event& e)
{
    forms::Form& form = e.form;
    forms::Unit& list = form.Get("选择列表框1");
    const TermListPlace place = TermListPlacement(form);
    list.Move(place.left, 48, place.width, 217);
    list.ClearItems();
    form.Get("图片框5").SetVisible(false);
    // The list takes the board's place; hidden again, it gives the place back to the board.
    const bool show = !list.Visible();
    form.Get("图片框4").SetVisible(!show);
    if (!show)
        PlaceBoardTime(form);
    list.SetVisible(show);
    const int year = SplitDateTime(form.Get("农历月历1").Date()).year;
    for (int term = 1; term <= 24; ++term)
        list.AddItem(SolarTermLine(year, term));
}

void ShowSolarDateFourPillars(forms::Event& e)
{
    forms::Form& form = e.form;
    form.Get("公历柱编辑框").SetText(PillarsOf(form.Get("公历日期框").Date(), form.Get("公历时编辑框"),
                                              form.Get("公历分编辑框"), form.Get("公历秒编辑框")));
}

void ShowLunarDateFourPillars(forms::Event& e)
{
    forms::Form& form = e.form;
    forms::Unit& box = form.Get("农历日期框1");
    LunarDate lunar;
    std::string caption = "农历日期:";
    if (box.GetLunarDate(lunar))
        caption += LunarDateDigits(lunar.year, lunar.month, lunar.day, lunar.isLeapMonth);
    form.Get("透明标签11").SetText(caption);
    form.Get("立春编辑框3").SetText(PillarsOf(box.Date(), form.Get("公历时1"), form.Get("公历分1"), form.Get("公历秒1")));
}
