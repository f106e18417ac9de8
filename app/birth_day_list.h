#pragma once
// The day combo of MainWindow's birth time offers only the days of the chosen year and month, so no
// impossible date (2023-02-30) can be chosen and then read as nothing by the report and the chart.
namespace forms {
class Form;
}  // namespace forms

// Makes 组合框日1 list 1 to the last day of the month of 组合框年1 and 组合框月1; the chosen day stays
// where the month has it, else the month's last day is chosen. Nothing changes while the year or
// month is no number.
void FitDayListToMonth(forms::Form& window);
