#include "app/birth_day_list.h"

#include <string>

#include "runtime/datetime.h"
#include "runtime/forms/form.h"
#include "runtime/text.h"

void FitDayListToMonth(forms::Form& window)
{
    const int year = static_cast<int>(TextToInt(window.Get("组合框年1").Text()));
    const int month = static_cast<int>(TextToInt(window.Get("组合框月1").Text()));
    if (year <= 0 || month < 1 || month > 12)
        return;
    const int days = DaysInMonth(year, month);
    forms::Unit& dayList = window.Get("组合框日1");
    if (days <= 0 || dayList.ItemCount() == days)
        return;
    int chosen = static_cast<int>(TextToInt(dayList.Text()));
    if (chosen < 1)
        chosen = 1;
    if (chosen > days)
        chosen = days;
    dayList.ClearItems();
    for (int day = 1; day <= days; ++day)
        dayList.AddItem(std::to_string(day));
    dayList.SetCurrentIndex(chosen - 1);
}
