#include "app/report_window.h"

#include "app/main_window_scoring.h"
#include "app/report_window_main_units.h"
#include "app/report_window_rich_text.h"
#include "app/settings_file.h"
#include "app/tinted_window_skin.h"
#include "db/database.h"
#include "naming/generation_state.h"
#include "naming/name_report.h"
#include "naming/pillars.h"
#include "naming/report_input.h"
#include "runtime/forms/form_runtime.h"
#include "runtime/text.h"

namespace {

enum ReportUnit { kReportBox = 1, kReportRecords = 2 };

void FitReportBox(forms::Form& report)
{
    forms::Unit& box = report.Get(kReportBox);
    box.Move(box.Left(), box.Top(), report.Self().Width() - 5, report.Self().Height() - 35);
}

// Builds the report into the box; the box stays empty when there is no input or no database.
void WriteReport(forms::Form& report)
{
    g_reportInputParts = TextSplit(g_reportInput, "【");
    if (g_reportInputParts.empty())
        return;
    forms::Form* main = FindMainWindow();
    if (!main)
        return;
    // The main window keeps this connection open on the same file: opening it again succeeds and
    // leaves its record sets as they are.
    forms::Unit& connectionUnit = main->Get("数据库连接1");
    DbConnection* connection = connectionUnit.Connection();
    if (!connection || !connection->Open(ProgramDatabasePath()))
        return;
    forms::Unit& records = report.Get(kReportRecords);
    if (!records.AttachTo(connectionUnit))
        return;

    const BirthTexts birth = ReadBirthCombos();
    StoreBirthTexts(birth);
    g_stemBranchElements = SplitStemBranchElementTable();
    g_surname = ReadSurnameSetting();
    const std::vector<ReportLine> lines =
        ComposeNameReport(g_reportInputParts, birth, g_stemBranchElements, MainWindowTalents(), *records.RecordSet(),
                          g_surname);

    forms::Unit& box = report.Get(kReportBox);
    bool first = true;
    for (const ReportLine& line : lines) {
        RichTextStyle style;
        style.newLine = !first;
        style.colour = line.colour;
        style.size = line.size;
        AppendRichText(box, line.text, style);
        first = false;
    }
}

// Appending leaves the caret, and the view, at the report's end: the name and its score stand on the
// first line.
void ShowFromFirstLine(forms::Unit& box)
{
    box.SetSelection(0);
    if (HWND window = box.Window())
        SendMessageA(window, WM_VSCROLL, SB_TOP, 0);
}

}  // namespace

const forms::FormDef& NameReportWindowDef()
{
    static const forms::FormDef def = {
        121,
        "NameReportWindow",
        "名字评分",
        {50, 50, 628, 429},
        forms::kFormFrameless | forms::kFormResizable,
        {
            forms::Define(forms::UnitKind::RichEdit, kReportBox, "超级编辑框1", {1, 30, 623, 378}).Flags(forms::kVScroll),
            forms::Define(forms::UnitKind::RecordSet, kReportRecords, "记录集1"),
        },
        {
            {0, forms::EventKind::Created, OnReportWindowCreated},
            {0, forms::EventKind::Resized, OnReportWindowResized},
            {0, forms::EventKind::MayClose, OnReportWindowQueryClose},
        },
    };
    return def;
}

forms::Form* OpenNameReportWindow()
{
    return forms::OpenModeless(NameReportWindowDef());
}

void OnReportWindowCreated(forms::Event& event)
{
    SetMainWindowVisible(false);
    FitReportBox(event.form);
    SkinForm(event.form.Window(), TintedWindowSkin(130, true));
    SetFormCloseEffect(event.form.Window(), kCloseEffectShrinkFade);
    SetSkinOptions(true, 0);
    SetContainerFillAlpha(event.form.Get(kReportBox).Window(), 255);
    WriteReport(event.form);
    ShowFromFirstLine(event.form.Get(kReportBox));
    // Events queued while the report was built (clicks, the generators' ticks) run now.
    forms::ProcessPendingMessages();
}

void OnReportWindowResized(forms::Event& event)
{
    FitReportBox(event.form);
}

void OnReportWindowQueryClose(forms::Event&)
{
    SetMainWindowVisible(true);
}
