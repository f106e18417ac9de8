#include "app/birth_chart_window.h"

#include <windows.h>

#include <atomic>
#include <system_error>
#include <thread>

#include "app/report_window_main_units.h"
#include "app/tinted_window_skin.h"
#include "naming/birth_chart_analysis.h"
#include "naming/pillars.h"
#include "naming/zodiac_advice.h"
#include "runtime/forms/form_runtime.h"

std::vector<std::string> g_birthChartElements;
std::vector<std::string> g_birthChartAdvice;

namespace {

enum BirthChartUnit {
    kElementGroup = 1,
    kAnalysisBox = 2,
    kElementList = 3,
    kAdviceGroup = 4,
    kMissingLabel = 5,
    kAdviceBox = 6,
};

std::atomic<int> g_runningWorkers{0};

void ShowAnalysis(forms::Form& window, const BirthChartAnalysis& chart)
{
    window.Get(kAnalysisBox).SetText(chart.analysisText);
    if (!chart.adviceText.empty())
        window.Get(kAdviceBox).SetText(chart.adviceText);
    forms::Unit& list = window.Get(kElementList);
    list.ClearItems();
    for (const std::string& line : chart.elementLines)
        list.AddItem(line);
    // The list allows several selected lines: every missing element shows selected.
    for (int line : chart.selectedLines)
        list.SetCurrentIndex(line);
    forms::Unit& label = window.Get(kMissingLabel);
    label.SetText(chart.missingCaption);
    label.SetVisible(chart.missingShown);
}

// The worker's body: everything it reads was copied before it started.
void WriteBirthAnalysis(forms::FormRef window, BirthTexts birth, std::vector<std::string> elements,
                        std::vector<std::string> advice)
{
    const BirthChartAnalysis chart = AnalyseBirthChart(birth, elements, advice);
    window.Call([&](forms::Form& form) { ShowAnalysis(form, chart); });
    --g_runningWorkers;
}

}  // namespace

const forms::FormDef& BirthChartWindowDef()
{
    using forms::Define;
    using forms::UnitKind;
    static const forms::FormDef def = {
        130,
        "BirthChartWindow",
        "生辰八字",
        {50, 50, 430, 361},
        forms::kFormFrameless,
        {
            // Tall enough for every line of the analysis, the seven element rows and the advice.
            Define(UnitKind::GroupBox, kElementGroup, "分组框2", {4, 43, 408, 150}, "五行分析"),
            Define(UnitKind::Edit, kAnalysisBox, "编辑框_分析", {6, 18, 296, 126})
                .In(kElementGroup)
                .Flags(forms::kMultiLine | forms::kVScroll),
            Define(UnitKind::ListBox, kElementList, "列表框_五行", {306, 18, 96, 126})
                .In(kElementGroup)
                .Flags(forms::kMultiSelect),
            Define(UnitKind::GroupBox, kAdviceGroup, "分组框3", {5, 196, 408, 158}, "姓名分析"),
            Define(UnitKind::TransparentLabel, kMissingLabel, "标签_五行", {8, 18, 392, 24}).In(kAdviceGroup),
            Define(UnitKind::Edit, kAdviceBox, "编辑框_姓", {8, 44, 392, 108})
                .In(kAdviceGroup)
                .Flags(forms::kMultiLine | forms::kVScroll),
        },
        {{0, forms::EventKind::Created, OnBirthChartWindowCreated}},
    };
    return def;
}

bool OpenBirthChartWindow()
{
    return forms::OpenModal(BirthChartWindowDef(), FindMainWindow());
}

void OnBirthChartWindowCreated(forms::Event& event)
{
    SkinForm(event.form.Window(), TintedWindowSkin(130, true));
    SetFormCloseEffect(event.form.Window(), kCloseEffectShrinkFade);
    SetSkinOptions(true, 0);
    SkinBodyGroupBox(event.form.Get(kElementGroup).Window());
    SkinBodyGroupBox(event.form.Get(kAdviceGroup).Window());
    const BirthTexts birth = ReadBirthCombos();
    StoreBirthTexts(birth);
    g_birthChartElements = SplitStemBranchElementTable();
    g_birthChartAdvice = SplitZodiacRadicalAdviceTable();

    forms::FormRef window(event.form);
    ++g_runningWorkers;
    try {
        std::thread(WriteBirthAnalysis, window, birth, g_birthChartElements, g_birthChartAdvice).detach();
    } catch (const std::system_error&) {
        // No thread to be had: the analysis is quick enough to run here.
        WriteBirthAnalysis(window, birth, g_birthChartElements, g_birthChartAdvice);
    }
}

int RunningBirthChartWorkers()
{
    return g_runningWorkers.load();
}

bool WaitForBirthChartWorkers(int milliseconds)
{
    const DWORD end = GetTickCount() + static_cast<DWORD>(milliseconds);
    while (g_runningWorkers.load() > 0) {
        if (static_cast<int>(end - GetTickCount()) <= 0)
            return false;
        forms::ProcessPendingMessages();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return true;
}
