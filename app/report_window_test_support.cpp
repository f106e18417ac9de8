#include "app/report_window_test_support.h"

#include "app/birth_chart_window.h"
#include "app/main_window_scoring.h"
#include "app/report_window.h"
#include "app/report_window_main_units.h"
#include "db/database.h"
#include "gdiplus/gdip_bitmap.h"
#include "gdiplus/gdip_types.h"
#include "runtime/forms/form_runtime.h"
#include "skin/core/memory_dc.h"
#include "skin/core/skin_registry.h"

namespace report_test {
namespace {

using forms::Define;
using forms::UnitKind;

}  // namespace

const forms::FormDef& StandInMainWindow()
{
    static const forms::FormDef def = {
        1,
        "MainWindow",
        "宝宝取名",
        {0, 0, 640, 300},
        forms::kFormResizable,
        {
            Define(UnitKind::Edit, 1, "编辑框_姓1", {10, 10, 80, 22}),
            Define(UnitKind::ComboBox, 2, "组合框年1", {100, 10, 70, 200}),
            Define(UnitKind::ComboBox, 3, "组合框月1", {180, 10, 50, 200}),
            Define(UnitKind::ComboBox, 4, "组合框日1", {240, 10, 50, 200}),
            Define(UnitKind::ComboBox, 5, "组合框时1", {300, 10, 50, 200}),
            Define(UnitKind::ComboBox, 6, "组合框分1", {360, 10, 50, 200}),
            Define(UnitKind::TabControl, 7, "高级选择夹1", {10, 40, 600, 200})
                .Items({"宝宝取名", "组合模式", "名字评分", "自选列表", "趣味工具", "取英文名", "诗词模式", "取小名"}),
            Define(UnitKind::DbConnection, 8, "数据库连接1"),
        },
        {},
    };
    return def;
}

void ReportWindowsTest::SetUp()
{
    FormsTest::SetUp();
    main_ = forms::OpenModeless(StandInMainWindow());
    ASSERT_NE(main_, nullptr);
    main_->Get("编辑框_姓1").SetText("张");
    SetBirth({"2012", "05", "12", "12", "12"});
    main_->Get("数据库连接1").Connection()->Open(ProgramDatabasePath());
    // The scorers of these windows read the main window's three-talents table.
    AttachMainWindowTalents(main_->Get("数据库连接1").Connection());
}

void ReportWindowsTest::TearDown()
{
    EXPECT_TRUE(WaitForBirthChartWorkers(5000));
    FormsTest::TearDown();
    ReleaseMainWindowTalents();
}

void ReportWindowsTest::SetBirth(const BirthTexts& birth)
{
    main_->Get("组合框年1").SetText(birth.year);
    main_->Get("组合框月1").SetText(birth.month);
    main_->Get("组合框日1").SetText(birth.day);
    main_->Get("组合框时1").SetText(birth.hour);
    main_->Get("组合框分1").SetText(birth.minute);
}

void ReportWindowsTest::ExpectEmptyReport()
{
    forms::Form* report = OpenNameReportWindow();
    ASSERT_NE(report, nullptr);
    EXPECT_EQ(report->Get("超级编辑框1").TextLength(), 0);
    EXPECT_FALSE(IsWindowVisible(main_->Window()));
    EXPECT_TRUE(report->Close());
    EXPECT_TRUE(IsWindowVisible(main_->Window()));
}

void ReportWindowsTest::ExpectOpenCloseCyclesLeaveNothing(const forms::FormDef& def)
{
    const int skinForms = SkinFormCount();
    const int memoryDcs = MemoryDcCount();
    for (int i = 0; i < 20; ++i) {
        forms::Form* form = forms::OpenModeless(def);
        ASSERT_NE(form, nullptr);
        ASSERT_EQ(SkinFormCount(), skinForms + 1) << "the window is a skinned form";
        ASSERT_TRUE(form->Close());
    }
    EXPECT_TRUE(WaitForBirthChartWorkers(5000));
    EXPECT_EQ(RunningBirthChartWorkers(), 0);
    EXPECT_EQ(SkinFormCount(), skinForms);
    EXPECT_EQ(MemoryDcCount(), memoryDcs);
    EXPECT_EQ(forms::OpenFormCount(), 1);
    EXPECT_TRUE(IsWindowVisible(main_->Window()));
}

int RichCharCount(const std::string& text)
{
    int count = 0;
    for (size_t i = 0; i < text.size(); ++count) {
        if (text.compare(i, 2, "\r\n") == 0 || static_cast<unsigned char>(text[i]) >= 0x80)
            i += 2;
        else
            ++i;
    }
    return count;
}

}  // namespace report_test
