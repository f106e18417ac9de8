#include "app/scoring_window.h"

#include "app/main_window_scoring.h"
#include "app/report_window.h"
#include "app/report_window_main_units.h"
#include "app/gbk_input_guard.h"
#include "app/text_cut_word.h"
#include "app/tinted_window_skin.h"
#include "naming/report_input.h"
#include "naming/surname_text.h"
#include "runtime/forms/form_runtime.h"
#include "skin/core/message_box.h"

namespace {

enum ScoringUnit { kNameGroup = 1, kGivenNameBox = 2, kScoreButton = 3 };

}  // namespace

const forms::FormDef& NameScoringWindowDef()
{
    static const forms::FormDef def = {
        120,
        "NameScoringWindow",
        "姓名评测",
        {50, 50, 338, 102},
        forms::kFormFrameless,
        {
            forms::Define(forms::UnitKind::GroupBox, kNameGroup, "分组框17", {16, 40, 183, 52}, "宝宝名字："),
            // A given name of a few characters (two bytes each on Windows, characters under Wine).
            forms::Define(forms::UnitKind::Edit, kGivenNameBox, "编辑框姓名评分", {4, 18, 175, 28})
                .Limit(2 * kMostGivenNameChars)
                .In(kNameGroup)
                .Font("宋体", 9),
            forms::Define(forms::UnitKind::Button, kScoreButton, "按钮名字评分", {230, 44, 88, 39}, "开始评分"),
        },
        {
            {0, forms::EventKind::Created, OnScoringWindowCreated},
            {kScoreButton, forms::EventKind::Click, OnScoreNameButtonClicked},
            {kGivenNameBox, forms::EventKind::Changed, OnGivenNameBoxChanged},
            {0, forms::EventKind::TextCut, OnBoxTextCut},
        },
    };
    return def;
}

bool OpenNameScoringWindow()
{
    forms::Form* main = FindMainWindow();
    if (main)
        main->Get("高级选择夹1").SetCurrentPage(2);
    return forms::OpenModal(NameScoringWindowDef(), main);
}

void OnScoringWindowCreated(forms::Event& event)
{
    SkinForm(event.form.Window(), TintedWindowSkin(100));
    SetFormCloseEffect(event.form.Window(), kCloseEffectShrinkFade);
    SetSkinOptions(true, 0);
    SkinBodyGroupBox(event.form.Get(kNameGroup).Window());
    // The window stays visible whatever page the main window shows: it is opened modal, and a hidden
    // modal window would leave the program without a usable window.
}

void OnGivenNameBoxChanged(forms::Event& event)
{
    RefuseCharactersOutsideGbk(event.form, event.form.Get(kGivenNameBox));
}

void OnScoreNameButtonClicked(forms::Event& event)
{
    const std::string givenName = event.form.Get(kGivenNameBox).Text();
    const TypedNameScore typed = ScoreTypedName(MainWindowTalents(), CleanSurname(MainWindowText("编辑框_姓1")), givenName);
    g_reportInput = typed.reportInput;
    if (typed.opensReport)
        OpenNameReportWindow();
    else
        ShowMessageBox(event.form.Window(), typed.refusal, MB_OK);
}
