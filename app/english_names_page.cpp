// Page 5 (取英文名): the English names whose initial is the surname's.
#include "app/generator_handlers.h"

#include "naming/english_names.h"
#include "naming/name_lists.h"
#include "naming/surname_text.h"
#include "runtime/forms/form_runtime.h"
#include "runtime/forms/platform_actions.h"

namespace {

// A surname whose reading starts with no consonant (安 ān, 欧阳 ōu) matches no English name: the list
// says so in its one row instead of standing empty.
void ListEnglishNames(forms::Form& form, const char* list)
{
    forms::Unit& rows = form.Get("超级列表框取英文名");
    rows.DeleteAllRows();
    const std::vector<std::string> matches = MatchEnglishNames(list, CleanSurname(form.Get("编辑框_姓1").Text()));
    for (const std::string& line : matches)
        rows.AppendRow({line});
    if (matches.empty())
        rows.AppendRow({kNoEnglishNameFits});
}

void ListBoyEnglishNames(forms::Form& form) { ListEnglishNames(form, BoyEnglishNames); }
void ListGirlEnglishNames(forms::Form& form) { ListEnglishNames(form, GirlEnglishNames); }

}  // namespace

void ShowEnglishNames(forms::Form& form)
{
    forms::Unit& surname = form.Get("编辑框_姓1");
    if (CleanSurname(surname.Text()).empty()) {
        if (surname.Window())
            SetFocus(surname.Window());
        forms::ShowPlainMessageBox(form.Window(), "请输入姓名", "提示", 0);
        return;
    }
    if (form.Get("单选框选择男").Checked())
        ListBoyEnglishNames(form);
    else if (form.Get("单选框选择女").Checked())
        ListGirlEnglishNames(form);
}
