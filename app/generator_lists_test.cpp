// Pages 1, 5 and 7 of MainWindow under Wine: combination rows and nickname rows come from workers in
// order with 生成 disabled until the last; English names by the surname; copying a nickname row; and
// closing the window while workers run.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <set>
#include <thread>

#include "app/clipboard_text.h"
#include "app/generator_handlers.h"
#include "app/generator_workers.h"
#include "app/main_window_scoring.h"
#include "app/main_window_test_support.h"
#include "app/skin_modal_test_support.h"
#include "app/text_cut_word.h"
#include "naming/char_data.h"
#include "naming/english_names.h"
#include "naming/generation_state.h"
#include "naming/name_lists.h"
#include "naming/name_score.h"
#include "runtime/text.h"

namespace app_test {
namespace {

// Records the enabling and disabling of a window, with the row count of a list at that moment.
struct EnableLog {
    HWND list = nullptr;
    std::vector<std::pair<bool, int>> changes;  // enabled, rows then
};

LRESULT CALLBACK RecordEnable(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data)
{
    if (message == WM_ENABLE) {
        auto* log = reinterpret_cast<EnableLog*>(data);
        log->changes.emplace_back(wParam != FALSE, static_cast<int>(SendMessageA(log->list, LVM_GETITEMCOUNT, 0, 0)));
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

class GeneratorListsTest : public MainWindowTest {
protected:
    void Watch(const std::string& list)
    {
        log_.list = Unit(list).Window();
        SetWindowSubclass(Unit("按钮生成").Window(), RecordEnable, 1, reinterpret_cast<DWORD_PTR>(&log_));
    }
    void TearDown() override
    {
        if (window_ && window_->IsAlive())
            RemoveWindowSubclass(Unit("按钮生成").Window(), RecordEnable, 1);
        MainWindowTest::TearDown();
    }
    bool Finished()
    {
        return Unit("按钮生成").Enabled() && RunningGeneratorWorkers() == 0;
    }
    EnableLog log_;
};

TEST_F(GeneratorListsTest, PoolOfThreeGivesNineScoredRowsThenEnablesTheButton)
{
    Unit("编辑框_姓1").SetText("张");
    SelectPage(1);
    Unit("编辑框名字").SetText("子，轩 浩");
    Watch("组合模式_超级列表框");
    Click("按钮生成");
    EXPECT_FALSE(Unit("按钮生成").Enabled());  // disabled before the worker could list anything
    ASSERT_TRUE(forms_test::PumpUntil([&] { return Finished(); }));

    ASSERT_EQ(9, Unit("组合模式_超级列表框").RowCount());
    const std::vector<std::string> names = Column("组合模式_超级列表框", 1);
    EXPECT_EQ((std::vector<std::string>{"张子子", "张子轩", "张子浩", "张轩子", "张轩轩", "张轩浩", "张浩子", "张浩轩", "张浩浩"}),
              names);
    for (int row = 0; row < 9; ++row) {
        const ScoredNameRow expected = MakeScoredNameRow(MainWindowTalents(), IntToText(row + 1), names[row]);
        EXPECT_EQ(ScoredNameRowCells(expected)[0], Unit("组合模式_超级列表框").Cell(row, 0));
        EXPECT_EQ(expected.score, Unit("组合模式_超级列表框").Cell(row, 7));
        EXPECT_EQ(expected.grids, Unit("组合模式_超级列表框").Cell(row, 6));
    }
    EXPECT_EQ("张子子\r\n张子轩\r\n张子浩\r\n张轩子\r\n张轩轩\r\n张轩浩\r\n张浩子\r\n张浩轩\r\n张浩浩\r\n", Unit("编辑框临时用").Text());
    // Disabled once, enabled once, after the last row.
    ASSERT_EQ(2u, log_.changes.size());
    EXPECT_EQ(std::make_pair(false, 0), log_.changes[0]);
    EXPECT_EQ(std::make_pair(true, 9), log_.changes[1]);

    Unit("编辑框名字").SetText("子轩浩宇梓涵");
    Click("按钮生成");
    ASSERT_TRUE(forms_test::PumpUntil([&] { return Finished(); }));
    EXPECT_EQ(36, Unit("组合模式_超级列表框").RowCount());
    ASSERT_TRUE(SaveScreenshot(window_->Window(), "generator-combinations.png"));

    Unit("编辑框名字").SetText("");
    Click("按钮生成");
    ASSERT_TRUE(forms_test::PumpUntil([&] { return Finished(); }));
    EXPECT_EQ(0, Unit("组合模式_超级列表框").RowCount());
}

// A pool of 65,536 characters: read to its first 256, whose 65,536 names are made and listed by the
// worker in batches while the window keeps answering; before, the run crashed.
TEST_F(GeneratorListsTest, AHugePoolListsItsBoundedPoolInBatches)
{
    Unit("编辑框_姓1").SetText("张");
    SelectPage(1);
    std::string pool;
    for (int i = 0; i < 65536; ++i)
        pool += std::string(BoyNameChars).substr(static_cast<size_t>(i % 540) * 2, 2);
    Unit("编辑框名字").SetText(pool);  // set by the program: the box's typing limit does not apply
    Watch("组合模式_超级列表框");
    // How long the window takes to answer a message sent from another thread, as a person's input waits.
    std::atomic<bool> done{false};
    std::atomic<DWORD> longestAnswer{0};
    HWND target = window_->Window();
    std::thread probe([&] {
        while (!done) {
            const DWORD sent = GetTickCount();
            DWORD_PTR ignored = 0;
            SendMessageTimeoutA(target, WM_NULL, 0, 0, SMTO_NORMAL, 60000, &ignored);
            longestAnswer = std::max<DWORD>(longestAnswer, GetTickCount() - sent);
            Sleep(20);
        }
    });
    const DWORD start = GetTickCount();
    Click("按钮生成");
    const DWORD handler = GetTickCount() - start;
    const bool finished = forms_test::PumpUntil([&] { return Finished(); }, 100000);
    done = true;
    forms_test::PumpUntil([&] { return false; }, 100);  // the probe's last message is answered
    probe.join();
    ASSERT_TRUE(finished);
    const int rows = Unit("组合模式_超级列表框").RowCount();
    std::printf("combination mode, 65,536-character pool: %d rows in %lu ms, handler %lu ms, the window answered "
                "within %lu ms\n", rows, GetTickCount() - start, handler, static_cast<DWORD>(longestAnswer));
    ASSERT_EQ(65536, rows);
    EXPECT_EQ("张" + pool.substr(0, 2) + pool.substr(0, 2), Unit("组合模式_超级列表框").Cell(0, 1));
    EXPECT_EQ("张" + pool.substr(510, 2) + pool.substr(510, 2), Unit("组合模式_超级列表框").Cell(65535, 1));
    const std::string lines = Unit("编辑框临时用").Text();
    EXPECT_EQ(65536u * 8, lines.size()) << "every candidate line in the work box";
    EXPECT_EQ(std::make_pair(true, 65536), log_.changes.back());
}

// A paste of 1 MB into the side box or the pool box: the box keeps what fits its limit and the window
// says once that the rest was cut; before, the window froze for minutes.
TEST_F(GeneratorListsTest, AMegabytePasteIsCutAtTheBoxLimitWithAWord)
{
    std::string megabyte;
    while (megabyte.size() < (1u << 20))
        megabyte += "张子轩\r\n";
    ASSERT_TRUE(SetClipboardText(window_->Window(), megabyte));
    for (const char* box : {"编辑框名字", "超级编辑框1"}) {
        SCOPED_TRACE(box);
        SelectPage(std::string(box) == "编辑框名字" ? 1 : 0);
        forms::Unit& edit = Unit(box);
        edit.SetText("");
        SetFocus(edit.Window());
        MessageBoxAnswerer boxes;
        const DWORD start = GetTickCount();
        SendMessageA(edit.Window(), WM_PASTE, 0, 0);
        const DWORD pasted = GetTickCount() - start;
        forms_test::PumpUntil([&] { return !boxes.Boxes().empty(); }, 5000);
        forms::ProcessPendingMessages();
        const std::vector<std::string> words = boxes.Texts();
        const std::string text = edit.Text();
        std::printf("1 MB paste into %s: %lu ms, %zu bytes kept\n", box, pasted, text.size());
        std::fflush(stdout);
        ASSERT_EQ(1u, words.size()) << "the word, once";
        EXPECT_EQ(kTextCutWord, words[0]);
        EXPECT_FALSE(text.empty());
        EXPECT_LE(text.size(), static_cast<size_t>(SendMessageA(edit.Window(), EM_GETLIMITTEXT, 0, 0)));
        EXPECT_LT(text.size(), 100000u);
        EXPECT_EQ(0u, text.find("张子轩\r\n张子轩"));
    }
}

TEST_F(GeneratorListsTest, PoolTypedWithAsciiCommasListsWholeCharactersOnly)
{
    Unit("编辑框_姓1").SetText("王");
    SelectPage(1);
    Unit("编辑框名字").SetText("宇,小,朗, 然");
    Click("按钮生成");
    ASSERT_TRUE(forms_test::PumpUntil([&] { return Finished(); }));
    const std::vector<std::string> names = Column("组合模式_超级列表框", 1);
    ASSERT_EQ(16u, names.size());
    EXPECT_EQ("王宇宇", names[0]);
    EXPECT_EQ("王宇小", names[1]);
    EXPECT_EQ("王小朗", names[6]);
    EXPECT_EQ("王朗朗", names[10]);
    EXPECT_EQ("王然然", names[15]);
    EXPECT_EQ("wáng yǔ xiǎo ", Unit("组合模式_超级列表框").Cell(1, 2));
    EXPECT_EQ("wáng lǎng lǎng ", Unit("组合模式_超级列表框").Cell(10, 2));
    ASSERT_TRUE(SaveScreenshot(window_->Window(), "combinations-tone-marks.png"));
}

TEST_F(GeneratorListsTest, EnglishNamesFollowTheSurnameAndSex)
{
    SelectPage(5);
    Unit("编辑框_姓1").SetText("张");
    Click("按钮生成");
    EXPECT_EQ(MatchEnglishNames(BoyEnglishNames, "张"), Column("超级列表框取英文名", 0));
    EXPECT_EQ(4, Unit("超级列表框取英文名").RowCount());
    Click("单选框选择女");
    Unit("编辑框_姓1").SetText("王");
    Click("按钮生成");
    EXPECT_EQ(MatchEnglishNames(GirlEnglishNames, "王"), Column("超级列表框取英文名", 0));
    EXPECT_TRUE(forms_test::Log().messages.empty());

    // Asked without a surname, the list says so in a box titled 提示, not the system's 错误.
    Unit("编辑框_姓1").SetText("");
    ShowEnglishNames(*window_);
    EXPECT_EQ(std::vector<std::string>{"提示|请输入姓名"}, forms_test::Log().messages);
}

TEST_F(GeneratorListsTest, SurnamesWithoutAConsonantInitialAreToldNoEnglishNameFits)
{
    SelectPage(5);
    const struct {
        const char* surname;
        bool girl;
    } cases[] = {{"欧阳", false}, {"安", true}, {"敖", false}, {"鄂", true}};
    for (const auto& c : cases) {
        Click(c.girl ? "单选框选择女" : "单选框选择男");
        Unit("编辑框_姓1").SetText("张");
        Click("按钮生成");
        ASSERT_GT(Unit("超级列表框取英文名").RowCount(), 0) << c.surname;
        Unit("编辑框_姓1").SetText(c.surname);
        Click("按钮生成");
        // The rows of 张 are gone; one row says that no name fits.
        EXPECT_EQ(std::vector<std::string>{"没有找到适合的英文名"}, Column("超级列表框取英文名", 0)) << c.surname;
    }
    EXPECT_TRUE(forms_test::Log().messages.empty());
    ASSERT_TRUE(SaveScreenshot(window_->Window(), "english-names-no-initial.png"));
}

TEST_F(GeneratorListsTest, NicknamesAAListAllRowsThenEnableTheButton)
{
    SelectPage(7);
    g_surname = "张";
    Watch("超级列表框取小名");
    Click("按钮生成");
    ASSERT_TRUE(forms_test::PumpUntil([&] { return Unit("超级列表框取小名").RowCount() == 360 && Finished(); }));
    const std::vector<std::string> nicknames = Column("超级列表框取小名", 1);
    std::set<std::string> distinct;
    for (size_t i = 0; i < nicknames.size(); ++i) {
        ASSERT_EQ(4u, nicknames[i].size()) << i;  // two characters, never an empty draw
        EXPECT_EQ(nicknames[i].substr(0, 2), nicknames[i].substr(2, 2));
        EXPECT_EQ(IntToText(static_cast<long long>(i + 1)), Unit("超级列表框取小名").Cell(static_cast<int>(i), 0));
        distinct.insert(nicknames[i]);
    }
    EXPECT_GT(distinct.size(), 100u);
    const int a = GetKangxiStrokeCount(nicknames[0].substr(0, 2));
    EXPECT_EQ(IntToText(a) + "+" + IntToText(a) + "=" + IntToText(2 * a), Unit("超级列表框取小名").Cell(0, 4));
    EXPECT_EQ(GetNumberMeaningText(2 * a + 11), Unit("超级列表框取小名").Cell(0, 5));  // 张 counts 11
    ASSERT_FALSE(log_.changes.empty());
    EXPECT_FALSE(log_.changes.front().first);
    EXPECT_EQ(std::make_pair(true, 360), log_.changes.back());
    for (size_t i = 0; i + 1 < log_.changes.size(); ++i)
        EXPECT_FALSE(log_.changes[i].first) << i;  // enabled only after the last row

    // A double-click on a row copies 小名, 读音, 评价 and 吉凶, joined by two blanks.
    forms::Unit& list = Unit("超级列表框取小名");
    RECT row = {};
    row.left = LVIR_BOUNDS;
    SendMessageA(list.Window(), LVM_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&row));
    const LPARAM at = MAKELPARAM(row.left + 30, (row.top + row.bottom) / 2);
    SendMessageA(list.Window(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(list.Window(), WM_LBUTTONUP, 0, at);
    SendMessageA(list.Window(), WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    SendMessageA(list.Window(), WM_LBUTTONUP, 0, at);
    ASSERT_EQ(2, list.SelectedRow());
    EXPECT_EQ(list.Cell(2, 1) + "  " + list.Cell(2, 2) + "  " + list.Cell(2, 5) + "  " + list.Cell(2, 6),
              GetClipboardText(window_->Window()));
}

TEST_F(GeneratorListsTest, NoPatternEmptiesTheListAndGivesTheButtonBack)
{
    SelectPage(7);
    for (const char* radio : {"单选框AA型", "单选框小A型", "单选框A儿型"})
        Unit(radio).SetChecked(false);
    Unit("超级列表框取小名").AppendRow({"1", "旧"});
    Watch("超级列表框取小名");
    Click("按钮生成");
    ASSERT_TRUE(forms_test::PumpUntil([&] { return Unit("超级列表框取小名").RowCount() == 0 && Finished(); }));
    forms_test::PumpUntil([] { return false; }, 100);
    EXPECT_EQ(0, Unit("超级列表框取小名").RowCount());
    // Disabled before the dispatcher looked at the patterns, enabled once it found none.
    EXPECT_EQ((std::vector<std::pair<bool, int>>{{false, 1}, {true, 0}}), log_.changes);
}

// The enabling and disabling of 生成 while two runs overlap, with the workers still running then.
struct OverlapLog {
    std::vector<std::pair<bool, int>> changes;  // enabled, workers running then
};

LRESULT CALLBACK RecordEnableWithWorkers(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                         DWORD_PTR data)
{
    if (message == WM_ENABLE)
        reinterpret_cast<OverlapLog*>(data)->changes.emplace_back(wParam != FALSE, RunningGeneratorWorkers());
    return DefSubclassProc(window, message, wParam, lParam);
}

TEST_F(GeneratorListsTest, TheButtonStaysDisabledUntilTheLastOfOverlappingRunsEnds)
{
    Unit("编辑框_姓1").SetText("张");
    g_surname = "张";
    OverlapLog log;
    HWND button = Unit("按钮生成").Window();
    SetWindowSubclass(button, RecordEnableWithWorkers, 2, reinterpret_cast<DWORD_PTR>(&log));

    // A nickname run: disabled at the click, before its worker has written anything.
    SelectPage(7);
    Click("按钮生成");
    EXPECT_FALSE(Unit("按钮生成").Enabled());
    EXPECT_EQ(0, Unit("超级列表框取小名").RowCount());

    // A long combination run overlapping it (as the handler allows it when called): the short
    // nickname run ends first and must not give the button back while the combination run appends.
    SelectPage(1);
    Unit("编辑框名字").SetText(std::string(BoyNameChars).substr(0, 120));  // 3,600 rows
    StartCombinationNaming(*window_);
    ASSERT_TRUE(forms_test::PumpUntil([&] { return Finished(); }, 60000));
    RemoveWindowSubclass(button, RecordEnableWithWorkers, 2);

    EXPECT_EQ(360, Unit("超级列表框取小名").RowCount()) << "one nickname run, not two mixed";
    EXPECT_EQ(3600, Unit("组合模式_超级列表框").RowCount());
    ASSERT_FALSE(log.changes.empty());
    EXPECT_FALSE(log.changes.front().first);
    EXPECT_EQ(std::make_pair(true, 0), log.changes.back()) << "enabled when no worker runs any more";
    for (size_t i = 0; i + 1 < log.changes.size(); ++i)
        EXPECT_FALSE(log.changes[i].first) << "enabled while " << log.changes[i].second << " workers ran";
}

TEST_F(GeneratorListsTest, CustomTestShowsItsBoxThenScoresTheText)
{
    SelectPage(7);
    Unit("编辑框_姓1").SetText("张");
    EXPECT_FALSE(Unit("编辑框自定义测算").Visible());
    Click("按钮自定义测算");
    EXPECT_TRUE(Unit("编辑框自定义测算").Visible());
    EXPECT_EQ(0, Unit("超级列表框取小名").RowCount());
    Unit("编辑框自定义测算").SetText("三石成");
    Click("按钮自定义测算");
    ASSERT_EQ(1, Unit("超级列表框取小名").RowCount());
    EXPECT_EQ("3+5+7=15", Unit("超级列表框取小名").Cell(0, 4));
    EXPECT_EQ(GetNumberMeaningText(26), Unit("超级列表框取小名").Cell(0, 5));
    EXPECT_EQ("张", g_surname);
}

TEST_F(GeneratorListsTest, ClosingWhileBothWorkersRunEndsCleanly)
{
    for (int round = 0; round < 5; ++round) {
        if (round > 0) {
            window_ = OpenMainWindow();
            ASSERT_NE(window_, nullptr);
        }
        Unit("编辑框_姓1").SetText("张");
        g_surname = "张";
        SelectPage(7);
        Click("按钮生成");  // the nickname dispatcher starts
        SelectPage(1);
        Unit("编辑框名字").SetText(std::string(BoyNameChars).substr(0, 160));
        StartCombinationNaming(*window_);  // 6,400 combination rows
        ASSERT_GE(RunningGeneratorWorkers(), 2);
        ASSERT_TRUE(forms_test::PumpUntil([&] { return Unit("超级列表框取小名").RowCount() > 0; }));
        EXPECT_TRUE(window_->Close());
        EXPECT_EQ(nullptr, forms::FindForm("MainWindow"));
        EXPECT_EQ(0, RunningGeneratorWorkers()) << round;
        window_ = nullptr;
    }
}

}  // namespace
}  // namespace app_test
