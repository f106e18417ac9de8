// Worker threads reach units through the user-interface thread; after the window closed, an access
// does nothing and reports failure.
#include "runtime/forms/forms_test_support.h"

#include <atomic>
#include <thread>

namespace forms_test {
namespace {

using forms::Define;
using forms::UnitKind;

const forms::FormDef& ChartWindow()
{
    static const forms::FormDef def = [] {
        forms::FormDef d;
        d.id = 300;
        d.name = "BirthChartWindow";
        d.caption = "生辰八字";
        d.rect = {50, 50, 430, 301};
        d.units = {Define(UnitKind::GroupBox, 1, "分组框2", {4, 43, 408, 120}, "五行分析"),
                   Define(UnitKind::Edit, 2, "编辑框_分析", {4, 16, 296, 96}).In(1).Flags(forms::kMultiLine)};
        return d;
    }();
    return def;
}

TEST_F(FormsTest, WorkerWritesLandOnTheUiThread)
{
    forms::Form* form = forms::OpenModeless(ChartWindow());
    ASSERT_NE(form, nullptr);
    const forms::FormRef ref(*form);
    const DWORD uiThread = GetCurrentThreadId();
    std::atomic<bool> done{false};
    bool wrote = false, appended = false;
    DWORD ranOn = 0;
    std::thread worker([&] {
        wrote = ref.SetUnitText("编辑框_分析", "\r\n公历日期:2012年05月12日 12时\r\n");
        appended = ref.Call([&](forms::Form& f) {
            ranOn = GetCurrentThreadId();
            f.Get("编辑框_分析").AppendText("八字四柱:壬辰 乙巳 丙申 甲午");
        });
        done = true;
    });
    ASSERT_TRUE(PumpUntil([&] { return done.load(); }));
    worker.join();
    EXPECT_TRUE(wrote);
    EXPECT_TRUE(appended);
    EXPECT_EQ(ranOn, uiThread);
    EXPECT_EQ(form->Get("编辑框_分析").Text(), "\r\n公历日期:2012年05月12日 12时\r\n八字四柱:壬辰 乙巳 丙申 甲午");
}

TEST_F(FormsTest, WorkerAccessAfterTheWindowClosedIsANoOpReportingFailure)
{
    forms::Form* form = forms::OpenModeless(ChartWindow());
    ASSERT_NE(form, nullptr);
    const forms::FormRef ref(*form);
    form->Close();
    ASSERT_EQ(forms::FindForm("BirthChartWindow"), nullptr);
    std::atomic<bool> done{false};
    bool wrote = true, called = true, ran = false;
    std::thread worker([&] {
        wrote = ref.SetUnitText("编辑框_分析", "x");
        called = ref.Call([&](forms::Form&) { ran = true; });
        done = true;
    });
    ASSERT_TRUE(PumpUntil([&] { return done.load(); }));
    worker.join();
    EXPECT_FALSE(wrote);
    EXPECT_FALSE(called);
    EXPECT_FALSE(ran);
    // An empty handle never reaches anything either, also from the UI thread.
    EXPECT_FALSE(forms::FormRef().Call([](forms::Form&) {}));
}

}  // namespace
}  // namespace forms_test
