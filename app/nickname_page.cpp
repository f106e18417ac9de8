// Page 7 (取小名): nicknames of the chosen pattern listed by worker threads, the test of one typed
// nickname, and copying a row.
#include "app/generator_handlers.h"

#include "app/clipboard_text.h"
#include "app/generator_workers.h"
#include "naming/char_data.h"
#include "naming/generation_state.h"
#include "naming/nicknames.h"
#include "naming/surname_text.h"
#include "runtime/forms/form_runtime.h"

namespace {

// Lists the rows of one run.
void GenerateNicknames(const forms::FormRef& window, NicknamePattern pattern, int surnameStrokes,
                       const std::atomic<bool>& stop)
{
    ProduceNicknameRows(pattern, surnameStrokes, stop, [&](std::vector<TextRow>& rows) {
        return window.Call([&](forms::Form& form) {
            forms::Unit& list = form.Get("超级列表框取小名");
            for (const TextRow& row : rows)
                list.AppendRow(row);
        });
    });
}

// Empties the list and starts the generator of the checked pattern; with none checked, nothing.
void DispatchNicknameType(const forms::FormRef& window, int surnameStrokes, const std::atomic<bool>& stop)
{
    bool chosen = false;
    NicknamePattern pattern = NicknamePattern::AA;
    window.Call([&](forms::Form& form) {
        form.Get("超级列表框取小名").DeleteAllRows();
        chosen = true;
        if (form.Get("单选框AA型").Checked())
            pattern = NicknamePattern::AA;
        else if (form.Get("单选框小A型").Checked())
            pattern = NicknamePattern::XiaoA;
        else if (form.Get("单选框A儿型").Checked())
            pattern = NicknamePattern::AEr;
        else
            chosen = false;
    });
    if (!chosen || stop.load())
        return;
    StartFurtherListWorker(window, [window, pattern, surnameStrokes](const std::atomic<bool>& generatorStop) {
        GenerateNicknames(window, pattern, surnameStrokes, generatorStop);
    });
}

void NicknameDispatchThread(const forms::FormRef& window, int surnameStrokes, const std::atomic<bool>& stop)
{
    DispatchNicknameType(window, surnameStrokes, stop);
}

void RunCustomNameTest(forms::Form& form)
{
    forms::Unit& box = form.Get("编辑框自定义测算");
    box.SetVisible(true);
    if (box.Window())
        SetFocus(box.Window());
    forms::Unit& list = form.Get("超级列表框取小名");
    list.DeleteAllRows();
    g_surname = CleanSurname(form.Get("编辑框_姓1").Text());
    const std::string text = box.Text();
    if (text.empty())
        return;
    list.AppendRow(NicknameRowCells(CustomTestRow(text, GetKangxiStrokeCount(g_surname))));
}

}  // namespace

void StartNicknameGeneration(forms::Form& form)
{
    // The surname as a generator last set it, counted here on the user-interface thread.
    const int surnameStrokes = GetKangxiStrokeCount(g_surname);
    const forms::FormRef window(form);
    StartListWorker(form, [window, surnameStrokes](const std::atomic<bool>& stop) {
        NicknameDispatchThread(window, surnameStrokes, stop);
    });
}

void OnCustomTestClicked(forms::Event& event)
{
    RunCustomNameTest(event.form);
}

void OnNicknameListDoubleClick(forms::Event& event)
{
    forms::Unit& list = event.form.Get("超级列表框取小名");
    const std::string text = list.SelectedCell(1) + "  " + list.SelectedCell(2) + "  " + list.SelectedCell(5) + "  " +
                             list.SelectedCell(6);
    SetClipboardText(event.form.Window(), text);
}
