#pragma once
// The handlers of MainWindow's generators: the 生成 button's dispatch by page, the start, pause and
// resume of the random-name timers and their ticks (page 0), the combination mode (page 1), the
// English names (page 5), poem mode (page 6) and the nicknames (page 7). They run on the user-interface thread and read
// their inputs from the window's units when they need them.
namespace forms {
class Form;
struct Event;
}  // namespace forms

// 按钮生成 and 按钮停止.
void OnGenerateButtonClick(forms::Event& event);
void OnStopButton(forms::Event& event);
// Page 0.
void ToggleNameGeneration(forms::Form& form);
void OnBoyName2Timer(forms::Event& event);
void OnBoyName3Timer(forms::Event& event);
void OnGirlName2Timer(forms::Event& event);
void OnGirlName3Timer(forms::Event& event);
void OnSecondCharOptionChanged(forms::Event& event);
void OnThirdCharCheckClicked(forms::Event& event);
// A choice of 组合框设置名字个数: "二字" greys the third-character limit, "三字" gives it back.
void OnNameLengthChanged(forms::Event& event);
void OnCustomNameOptionChanged(forms::Event& event);
// Page 1.
void StartCombinationNaming(forms::Form& form);
// Page 5.
void ShowEnglishNames(forms::Form& form);
// Page 6: with characters in 编辑框诗内容, the names of the picked characters (below).
void StartPoemModeNaming(forms::Form& form);
// The characters of 编辑框诗内容 not used before in the run, sorted by element into the element boxes,
// and every ordered pair of them after the surname as a scored row of 超级列表框诗词模式, from serial 1.
// 按钮生成 is disabled meanwhile. 停止 ends the run, keeping the rows and emptying the poet and title
// lists and 编辑框诗内容; closing the window ends it too.
void GeneratePoemModeNames(forms::Form& form);
// Page 7.
void StartNicknameGeneration(forms::Form& form);
void OnCustomTestClicked(forms::Event& event);
void OnNicknameListDoubleClick(forms::Event& event);
