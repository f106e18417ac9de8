// The 生成 button's dispatch by page and the random-name generator of page 0: start, pause and resume
// of the four timers, their ticks, the option check boxes and 停止.
#include "app/generator_handlers.h"

#include "app/main_window_scoring.h"
#include "app/settings_file.h"
#include "naming/generation_state.h"
#include "naming/name_lists.h"
#include "naming/random_names.h"
#include "naming/report_input.h"
#include "naming/surname_text.h"
#include "runtime/forms/form_runtime.h"
#include "skin/core/message_box.h"

namespace {

const char* const kTimerUnits[] = {"时钟取2个字男名字", "时钟取3个字男名字", "时钟取2个字女名字", "时钟取3个字女名字"};

const char* TimerUnit(NameTimer timer)
{
    switch (timer) {
    case NameTimer::Boy2: return kTimerUnits[0];
    case NameTimer::Boy3: return kTimerUnits[1];
    case NameTimer::Girl2: return kTimerUnits[2];
    case NameTimer::Girl3: return kTimerUnits[3];
    }
    return "";
}

std::string PoolUnit(int element)
{
    return std::string("编辑框") + PoolElements[element];
}

ElementPools ReadPools(forms::Form& form)
{
    ElementPools pools;
    for (int e = 0; e < kPoolElementCount; ++e)
        pools.text[e] = form.Get(PoolUnit(e)).Text();
    return pools;
}

// The radios of one group: suffix "1" for the second character, "2" for the third.
ElementChecks ReadElementRadios(forms::Form& form, const char* suffix)
{
    ElementChecks checked{};
    for (int e = 0; e < kPoolElementCount; ++e)
        checked[e] = form.Get(std::string("单选框") + PoolElements[e] + suffix).Checked();
    return checked;
}

void EnableElementRadios(forms::Form& form, const char* suffix, bool enabled)
{
    for (int e = 0; e < kPoolElementCount; ++e)
        form.Get(std::string("单选框") + PoolElements[e] + suffix).SetEnabled(enabled);
}

// A two-character name has no third character to limit: its check box and radios are greyed while
// "二字" is chosen; otherwise the radios follow the check box.
void EnableThirdCharLimit(forms::Form& form)
{
    const bool thirdExists = form.Get("组合框设置名字个数").Text() != "二字";
    forms::Unit& check = form.Get("选择框第三个字");
    check.SetEnabled(thirdExists);
    EnableElementRadios(form, "2", thirdExists && check.Checked());
}

// Sorts a name list into the pool boxes, appending to what they hold.
void SortNameListIntoPools(forms::Form& form, const char* list)
{
    ElementPools pools = ReadPools(form);
    SortCharsByElement(list, pools);
    for (int e = 0; e < kPoolElementCount; ++e)
        form.Get(PoolUnit(e)).SetText(pools.text[e]);
}

void RunNameTimerTick(forms::Event& event, NameTimer timer)
{
    forms::Form& form = event.form;
    const bool threeChars = timer == NameTimer::Boy3 || timer == NameTimer::Girl3;
    NameTickInputs inputs;
    inputs.surname = g_surname;
    inputs.limits.second = form.Get("选择框第二个字").Checked();
    inputs.limits.third = threeChars && form.Get("选择框第三个字").Checked();
    inputs.limits.thirdCheckNow = inputs.limits.third;
    inputs.limits.secondElements = ReadElementRadios(form, "1");
    inputs.limits.thirdElements = ReadElementRadios(form, "2");
    inputs.pools = ReadPools(form);
    inputs.fixedOn = form.Get("选择框自定义名字").Checked();
    inputs.fixedChar = form.Get("编辑框限定字").Text();
    inputs.fixedPosition = form.Get("组合框名字限定字位数").Text();
    inputs.minimumOn = form.Get("选择框自定义分数").Checked();
    inputs.minimum = form.Get("编辑框分数").Text();

    const NameTickResult result = RunNameTick(timer, inputs, g_lastCheckedPool, MainWindowTalents(), g_seenTexts);
    g_lastFullName = result.fullName;
    g_lastScoreTag = result.tag;
    if (result.fixedApplied)
        g_fixedNameChar = inputs.fixedChar;
    forms::Unit& list = form.Get("超级列表框1");
    if (result.listed)
        list.AppendRow({result.fullName + result.tag});
    if (timer == NameTimer::Boy2)
        list.EnsureRowVisible(g_loopIndex);
    forms::ProcessPendingMessages();
}

void FocusSurname(forms::Form& form)
{
    if (HWND edit = form.Get("编辑框_姓1").Window())
        SetFocus(edit);
}

}  // namespace

void OnGenerateButtonClick(forms::Event& event)
{
    forms::Form& form = event.form;
    const std::string surname = CleanSurname(form.Get("编辑框_姓1").Text());
    SaveSurnameSetting(surname);  // a settings file that cannot be written costs only the remembered surname
    const bool present = !surname.empty();
    const int page = form.Get("高级选择夹1").CurrentPage();
    // The scored pages start nothing for a surname the scorer cannot read (Latin letters, three
    // characters and more): they say what it needs. A running page 0 still pauses and goes on.
    const bool starts = page == 1 || page == 6 || (page == 0 && form.Get("按钮生成").Text() == "生成");
    if (present && starts && !IsOneOrTwoHanzi(surname)) {
        ShowMessageBox(form.Window(), kScorableSurnameWord, MB_OK);
        FocusSurname(form);
        return;
    }
    switch (page) {
    case 0:
        form.Get("超级列表框1").SetVisible(true);
        g_surname = surname;
        if (present) {
            if (form.Get("选择框第二个字").Checked() || form.Get("选择框第三个字").Checked())
                SortNameListIntoPools(form, form.Get("单选框选择男").Checked() ? BoyNameChars : GirlNameChars);
            ToggleNameGeneration(form);
        }
        break;
    case 1:
        if (present)
            StartCombinationNaming(form);
        break;
    case 5:
        if (present)
            ShowEnglishNames(form);
        break;
    case 6:
        if (present)
            StartPoemModeNaming(form);
        break;
    case 7:
        StartNicknameGeneration(form);
        break;
    default:
        break;
    }
    if (!present && (page == 0 || page == 1 || page == 5 || page == 6))
        FocusSurname(form);
}

void ToggleNameGeneration(forms::Form& form)
{
    NameTimer timer;
    if (!ChooseNameTimer(form.Get("单选框选择男").Checked(), form.Get("单选框选择女").Checked(),
                         form.Get("组合框设置名字个数").Text(), timer))
        return;
    forms::Unit& button = form.Get("按钮生成");
    const GenerationToggle toggle = ToggleForCaption(button.Text());
    if (!toggle.acts)
        return;
    if (toggle.clearsList)
        form.Get("超级列表框1").DeleteAllRows();
    form.Get(TimerUnit(timer)).SetInterval(toggle.interval);
    button.SetText(toggle.caption);
}

void OnBoyName2Timer(forms::Event& event) { RunNameTimerTick(event, NameTimer::Boy2); }
void OnBoyName3Timer(forms::Event& event) { RunNameTimerTick(event, NameTimer::Boy3); }
void OnGirlName2Timer(forms::Event& event) { RunNameTimerTick(event, NameTimer::Girl2); }
void OnGirlName3Timer(forms::Event& event) { RunNameTimerTick(event, NameTimer::Girl3); }

void OnSecondCharOptionChanged(forms::Event& event)
{
    EnableElementRadios(event.form, "1", event.form.Get("选择框第二个字").Checked());
}

void OnThirdCharCheckClicked(forms::Event& event)
{
    EnableThirdCharLimit(event.form);
}

void OnNameLengthChanged(forms::Event& event)
{
    EnableThirdCharLimit(event.form);
}

void OnCustomNameOptionChanged(forms::Event& event)
{
    const bool checked = event.form.Get("选择框自定义名字").Checked();
    event.form.Get("组合框名字限定字位数").SetEnabled(checked);
    event.form.Get("编辑框限定字").SetEnabled(checked);
}

void OnStopButton(forms::Event& event)
{
    for (const char* timer : kTimerUnits)
        event.form.Get(timer).SetInterval(0);
    event.form.Get("按钮生成").SetText("生成");
    g_stopGeneration = true;
}
