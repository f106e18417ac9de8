#include "app/persisted_inputs.h"

#include "app/birth_day_list.h"
#include "app/gbk_input_guard.h"
#include "app/settings_file.h"
#include "runtime/forms/form.h"
#include "runtime/ini.h"

namespace {

// The combo's text under its key of section "年月日". A settings file that cannot be written costs
// only a value nothing reads.
void SaveComboText(forms::Event& event, const char* key)
{
    IniWrite(SettingsFilePath(), "年月日", key, event.sender.Text());
}

// A new year or month may end the day list earlier or later; the day shown is kept as the others.
void SaveYearOrMonth(forms::Event& event, const char* key)
{
    SaveComboText(event, key);
    FitDayListToMonth(event.form);
    IniWrite(SettingsFilePath(), "年月日", "日", event.form.Get("组合框日1").Text());
}

}  // namespace

// The birth combos stay as the parent set them: the report and the chart read them, and a surname
// typed after the birth time must not put the time back to now.
void OnSurnameEditChanged(forms::Event& event)
{
    // A refused character changes the box again, and that change is saved.
    if (RefuseCharactersOutsideGbk(event.form, event.form.Get("编辑框_姓1")))
        return;
    SaveSurnameSetting(event.form.Get("编辑框_姓1").Text());
}

void OnYearComboChanged(forms::Event& event) { SaveYearOrMonth(event, "年"); }
void OnMonthComboChanged(forms::Event& event) { SaveYearOrMonth(event, "月"); }
void OnDayComboChanged(forms::Event& event) { SaveComboText(event, "日"); }
void OnHourComboChanged(forms::Event& event) { SaveComboText(event, "时"); }
void OnMinuteComboChanged(forms::Event& event) { SaveComboText(event, "分"); }
