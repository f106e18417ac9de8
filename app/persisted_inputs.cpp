#include "app/persisted_inputs.h"

#include "app/settings_file.h"
#include "runtime/datetime.h"
#include "runtime/forms/form.h"
#include "runtime/ini.h"
#include "runtime/text.h"

namespace {

// The combo's text under its key of section "年月日". A settings file that cannot be written costs
// only a value nothing reads.
void SaveComboText(forms::Event& event, const char* key)
{
    IniWrite(SettingsFilePath(), "年月日", key, event.sender.Text());
}

}  // namespace

void OnSurnameEditChanged(forms::Event& event)
{
    SaveSurnameSetting(event.form.Get("编辑框_姓1").Text());
    ResetBirthCombosToNow(event.form);
}

void ResetBirthCombosToNow(forms::Form& window)
{
    const DateTimeParts now = SplitDateTime(DateTimeNow());
    const struct {
        const char* combo;
        int value;
    } parts[] = {{"组合框年1", now.year}, {"组合框月1", now.month}, {"组合框日1", now.day},
                 {"组合框时1", now.hour}, {"组合框分1", now.minute}};
    for (const auto& part : parts)
        window.Get(part.combo).SetText(IntToText(part.value));
}

void OnYearComboChanged(forms::Event& event) { SaveComboText(event, "年"); }
void OnMonthComboChanged(forms::Event& event) { SaveComboText(event, "月"); }
void OnDayComboChanged(forms::Event& event) { SaveComboText(event, "日"); }
void OnHourComboChanged(forms::Event& event) { SaveComboText(event, "时"); }
void OnMinuteComboChanged(forms::Event& event) { SaveComboText(event, "分"); }
