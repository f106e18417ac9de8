#pragma once
// The inputs of MainWindow kept in the settings file: the surname, written at every change of
// 编辑框_姓1 (which also sets the birth combos to now), and the birth combos, each written to its key
// of section "年月日" when its selection changes (the program never reads those keys back).
namespace forms {
class Form;
struct Event;
}  // namespace forms

void OnSurnameEditChanged(forms::Event& event);
// Sets 组合框年1, 组合框月1, 组合框日1, 组合框时1 and 组合框分1 to the local date and time now.
void ResetBirthCombosToNow(forms::Form& window);

void OnYearComboChanged(forms::Event& event);
void OnMonthComboChanged(forms::Event& event);
void OnDayComboChanged(forms::Event& event);
void OnHourComboChanged(forms::Event& event);
void OnMinuteComboChanged(forms::Event& event);
