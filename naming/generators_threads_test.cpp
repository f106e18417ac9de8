// Combination scoring and nickname rows run on workers while the main thread draws and scores names,
// as the main window does: one three-talents table and the shared random generator serve all three
// (this test runs under the thread sanitizer too).
#include <gtest/gtest.h>

#include <thread>

#include "naming/combinations.h"
#include "naming/name_score.h"
#include "naming/generation_state.h"
#include "naming/nicknames.h"
#include "naming/random_names.h"
#include "naming/sc_fixture.h"

namespace {

TEST(GeneratorThreads, WorkersAndTheMainThreadScoreAtOnce)
{
    ScFixture fixture;
    ASSERT_TRUE(fixture.Create(UniqueDatabasePath(::testing::TempDir(), "generator_threads"),
                               {{"木火土", "吉", ""}, {"金金金", "凶", ""}, {"水木火", "平", ""}}));
    ThreeTalentsTable talents(&fixture.db);
    const std::vector<std::string> names =
        SplitCandidateLines(BuildCombinationLines("张", CleanCombinationPool("子轩浩宇梓涵欣怡博文雨晨明")));
    std::atomic<bool> stop{false};

    std::vector<TextRow> combinationRows;
    std::thread combinations([&] {
        ProduceCombinationRows(names, talents, stop, [&](std::vector<TextRow>& batch) {
            combinationRows.insert(combinationRows.end(), batch.begin(), batch.end());
            return true;
        });
    });
    std::vector<TextRow> nicknameRows;
    std::thread nicknames([&] {
        for (NicknamePattern pattern : {NicknamePattern::AA, NicknamePattern::XiaoA, NicknamePattern::AEr})
            ProduceNicknameRows(pattern, 11, stop, [&](std::vector<TextRow>& batch) {
                nicknameRows.insert(nicknameRows.end(), batch.begin(), batch.end());
                return true;
            });
    });

    NameTickInputs inputs;
    inputs.surname = "张";
    std::string previous;
    int listed = 0;
    for (int i = 0; i < 300; ++i) {
        const NameTickResult result = RunNameTick(i % 2 ? NameTimer::Boy3 : NameTimer::Girl2, inputs, previous, talents,
                                                  g_seenTexts);
        listed += result.listed;
        EXPECT_FALSE(result.score.empty());
    }
    combinations.join();
    nicknames.join();

    EXPECT_GT(listed, 150);
    ASSERT_EQ(names.size(), combinationRows.size());
    for (size_t i = 0; i < names.size(); ++i)
        EXPECT_EQ(ScoredNameRowCells(MakeScoredNameRow(talents, std::to_string(i + 1), names[i])), combinationRows[i]);
    EXPECT_EQ(960u, nicknameRows.size());
}

}  // namespace
