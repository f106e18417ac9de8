#include "app/poem_page.h"

#include <string>

#include "app/poem_picker_layout.h"
#include "app/poem_queries.h"
#include "db/database.h"
#include "runtime/forms/form.h"
#include "runtime/forms/platform_actions.h"
#include "runtime/text.h"

std::vector<PickerBoxRef> g_pickerCheckBoxes;

namespace {

const char kPoetList[] = "超级列表框诗人";
const char kTitleList[] = "超级列表框诗词标题";
const char kPicker[] = "分组框1";
const long kChosenColour = 0xFF;  // red
const long kPlainColour = 0;

bool g_poemOdbcOpened = false;
// A click on a title changes the list's item before the list takes the focus: the poem that change
// showed stays when the focus then arrives.
bool g_pickerShownBeforeFocus = false;

// 记录集_诗词 attached to the window's connection; null when the window has no such record set.
DbRecordSet* PoemRecords(forms::Form& window)
{
    forms::Unit& records = window.Get("记录集_诗词");
    records.AttachTo(window.Get("数据库连接1"));
    return records.RecordSet();
}

// The query of the poem page; with nothing given it says so and opens nothing.
bool QueryPoems(forms::Form& window, const std::string& dynasty, const std::string& poet, const std::string& title)
{
    if (dynasty.empty() && poet.empty() && title.empty()) {
        forms::ShowPlainMessageBox(window.Window(), "你没提供子程序的参数", "提示", 0);
        return false;
    }
    DbRecordSet* records = PoemRecords(window);
    return records && QueryPoetryDatabase(*records, dynasty, poet, title);
}

// Appends one row (number from 1, value) per value of the column of the open result.
void ListColumn(forms::Form& window, const char* list, const char* column)
{
    DbRecordSet* records = window.Get("记录集_诗词").RecordSet();
    if (!records)
        return;
    forms::Unit& rows = window.Get(list);
    int number = 0;
    for (const std::string& value : ColumnValues(*records, column))
        rows.AppendRow({IntToText(++number), value});
}

void ListPoetsOf(forms::Form& window, const std::string& dynasty)
{
    if (QueryPoems(window, dynasty, "", ""))
        ListColumn(window, kPoetList, "诗人");
}

// The picker boxes of the window that still exist, in poem order.
std::vector<forms::Unit*> PickerBoxes(forms::Form& window)
{
    std::vector<forms::Unit*> boxes;
    for (const PickerBoxRef& ref : g_pickerCheckBoxes)
        if (ref.window == window.Id())
            if (forms::Unit* box = window.Find(ref.unit))
                boxes.push_back(box);
    return boxes;
}

void SetBoxState(forms::Unit& box, bool checked)
{
    box.SetChecked(checked);
    box.SetTextColour(checked ? kChosenColour : kPlainColour);
}

// The units the picker lies over.
const char* const kUnderPicker[] = {"编辑框诗内容", "超级列表框诗词模式"};

// The picker lies over the poem box and the names list: while it shows they are hidden, so neither
// they nor their scroll bars show through it; they come back with their contents when it goes.
void ShowPicker(forms::Form& window)
{
    for (const char* covered : kUnderPicker)
        window.Get(covered).SetVisible(false);
    forms::Unit& picker = window.Get(kPicker);
    picker.SetVisible(true);
    if (HWND group = picker.Window())
        SetWindowPos(group, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void HidePicker(forms::Form& window)
{
    window.Get(kPicker).SetVisible(false);
    for (const char* covered : kUnderPicker)
        window.Get(covered).SetVisible(true);
}

void LayOutPoem(forms::Form& window, const std::string& poemText)
{
    forms::Unit& sample = window.Get("选择框X");
    const std::vector<PickerBox> places = LayoutPickerBoxes(SplitPoemIntoLines(poemText), sample.Left(), sample.Top());
    for (const PickerBox& place : places) {
        forms::Unit* box = window.CloneUnit(sample);
        if (!box)
            continue;
        g_pickerCheckBoxes.push_back({window.Id(), box->Id()});
        box->SetTag("假");
        box->SetText(place.character);
        box->Move(place.left, place.top, sample.Width(), sample.Height());
        box->SetVisible(true);
    }
}

}  // namespace

void DestroyPickerCheckBoxes(forms::Form& window)
{
    for (forms::Unit* box : PickerBoxes(window))
        window.DestroyUnit(*box);
    g_pickerCheckBoxes.clear();
}

void OnDynastyLabelClick(forms::Event& event)
{
    forms::Form& window = event.form;
    for (const DynastyLabel& label : kDynastyLabels) {
        if (event.sender.Name() != label.unit)
            continue;
        window.Get(kPoetList).DeleteAllRows();
        window.Get(kTitleList).DeleteAllRows();
        ListPoetsOf(window, label.dynasty);
        return;
    }
}

void ListTangPoets(forms::Form& window)
{
    ListPoetsOf(window, "唐");
}

void OnPoetSelected(forms::Event& event)
{
    forms::Form& window = event.form;
    window.Get(kTitleList).DeleteAllRows();
    const std::string poet = window.Get(kPoetList).SelectedCell(1);
    if (QueryPoems(window, "", poet, ""))
        ListColumn(window, kTitleList, "诗名");
    if (DbRecordSet* records = window.Get("记录集_诗词").RecordSet())
        records->Close();
}

void OnPoemTitleChosen(forms::Event& event)
{
    forms::Form& window = event.form;
    DestroyPickerCheckBoxes(window);
    const std::string poet = window.Get(kPoetList).SelectedCell(1);
    const std::string title = window.Get(kTitleList).SelectedCell(1);
    const bool found = QueryPoems(window, "", poet, title);
    ShowPicker(window);
    HWND titles = window.Get(kTitleList).Window();
    g_pickerShownBeforeFocus = titles && GetFocus() != titles;
    DbRecordSet* records = window.Get("记录集_诗词").RecordSet();
    if (found && records && records->MoveFirst())
        LayOutPoem(window, records->Field("诗句"));
}

void OnCharCheckBoxClicked(forms::Event& event)
{
    forms::Unit& box = event.sender;
    if (box.Kind() != forms::UnitKind::CheckBox)
        return;
    const bool choose = box.Tag() != "真";
    SetBoxState(box, choose);
    box.SetTag(choose ? "真" : "假");
}

void OnCheckAllCharsClicked(forms::Event& event)
{
    for (forms::Unit* box : PickerBoxes(event.form))
        SetBoxState(*box, true);
}

void OnCharPickerClearClicked(forms::Event& event)
{
    OnCharPickerClear(event.form);
}

void OnCharPickerClear(forms::Form& window)
{
    for (forms::Unit* box : PickerBoxes(window))
        SetBoxState(*box, false);
}

void OnCharPickerOkClicked(forms::Event& event)
{
    OnCharPickerOk(event.form);
}

void OnCharPickerOk(forms::Form& window)
{
    std::string picked;
    for (forms::Unit* box : PickerBoxes(window))
        if (box->Checked())
            picked += box->Text();
    if (!picked.empty())
        window.Get("编辑框诗内容").AppendText(picked);
    HidePicker(window);
    OnCharPickerClear(window);
}

void OnPoetListFocus(forms::Event& event)
{
    g_pickerShownBeforeFocus = false;
    HidePicker(event.form);
}

void OnPoemTitleListFocus(forms::Event& event)
{
    if (g_pickerShownBeforeFocus) {
        g_pickerShownBeforeFocus = false;
        return;
    }
    HidePicker(event.form);
}

void OpenPoemOdbcDatabase(forms::Event& event)
{
    if (g_poemOdbcOpened)
        return;
    DbConnection* connection = event.form.Get("外部数据库1").Connection();
    g_poemOdbcOpened = connection && connection->Open("\\redadi\\data\\data.dll");
}

bool PoemOdbcDatabaseOpened()
{
    return g_poemOdbcOpened;
}
