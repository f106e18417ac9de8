#pragma once
// The inputs of MainWindow kept in the settings file: the surname, written at every change of
// 编辑框_姓1 (the birth combos keep what they show), and the birth combos, each written to its key of
// section "年月日" when its selection changes (the program never reads those keys back). A change of
// year or month also fits the day list to the month (FitDayListToMonth).
namespace forms {
struct Event;
}  // namespace forms

void OnSurnameEditChanged(forms::Event& event);

void OnYearComboChanged(forms::Event& event);
void OnMonthComboChanged(forms::Event& event);
void OnDayComboChanged(forms::Event& event);
void OnHourComboChanged(forms::Event& event);
void OnMinuteComboChanged(forms::Event& event);
