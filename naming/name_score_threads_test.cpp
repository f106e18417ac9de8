// Two threads score names at once, each through the same three-talents table, while the shipped
// character tables are still being made: the first use of the tables and the lookups must be safe
// (this test runs under the thread sanitizer too).
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "naming/char_data.h"
#include "naming/name_score.h"
#include "naming/sc_fixture.h"

namespace {

std::vector<std::string> Names()
{
    const char* pool[] = {"子", "轩", "浩", "宇", "梓", "涵", "欣", "怡", "博", "文", "雨", "晨"};
    std::vector<std::string> names;
    for (const char* a : pool)
        for (const char* b : pool)
            names.push_back(std::string("张") + a + b);
    return names;
}

TEST(ScoringThreads, TwoThreadsScoreAtOnce)
{
    ScFixture fixture;
    ASSERT_TRUE(fixture.Create(UniqueDatabasePath(::testing::TempDir(), "scoring_threads"),
                               {{"木火土", "吉", "a<BR>b"}, {"金金金", "凶", ""}, {"水木火", "平", ""}}));
    ThreeTalentsTable talents(&fixture.db);
    const std::vector<std::string> names = Names();

    std::vector<std::string> scores[2];
    std::vector<std::string> pinyin[2];
    auto work = [&](int t) {
        for (int round = 0; round < 5; ++round) {
            for (const std::string& name : names) {
                scores[t].push_back(ScoreName(talents, name));
                pinyin[t].push_back(GetNamePinyin(name, 1) + GetNameElements(name) + GetNameKangxiStrokes(name));
            }
        }
    };
    std::thread first(work, 0);
    std::thread second(work, 1);
    first.join();
    second.join();

    ASSERT_EQ(names.size() * 5, scores[0].size());
    EXPECT_EQ(scores[0], scores[1]);
    EXPECT_EQ(pinyin[0], pinyin[1]);
    for (size_t i = 0; i < names.size(); ++i)
        EXPECT_EQ(ScoreName(talents, names[i]), scores[0][i]) << names[i];
}

// A worker scores while the connection moves to another file and back: every score is the one of
// the first file or of the second, never anything in between, and after the move the new file's.
TEST(ScoringThreads, ScoresFollowTheConnectionWhileAWorkerScores)
{
    ScFixture first, second;
    ASSERT_TRUE(first.Create(UniqueDatabasePath(::testing::TempDir(), "scoring_first"), {{"木火土", "吉", ""}}));
    ASSERT_TRUE(second.Create(UniqueDatabasePath(::testing::TempDir(), "scoring_second"), {{"木火土", "凶", ""}}));
    const std::string secondPath = second.db.Path();
    second.db.Close();
    ThreeTalentsTable talents(&first.db);
    const std::string name = "张三二";  // 木火土, 人格 14 凶: 88 with 吉, 59 with 凶
    ASSERT_EQ(88, ScoreNameValue(talents, name));

    std::atomic<bool> stop{false};
    std::atomic<int> others{0};
    std::thread worker([&] {
        while (!stop.load()) {
            const int score = ScoreNameValue(talents, name);
            if (score != 88 && score != 59)  // 88 also while the connection is between files: no row
                ++others;
        }
    });
    const std::string firstPath = first.db.Path();
    for (int i = 0; i < 20; ++i) {
        ASSERT_TRUE(first.db.Open(i % 2 == 0 ? secondPath : firstPath));
        EXPECT_EQ(i % 2 == 0 ? 59 : 88, ScoreNameValue(talents, name)) << i;
    }
    stop = true;
    worker.join();
    EXPECT_EQ(0, others.load());
}

}  // namespace
