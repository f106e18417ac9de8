// Two threads score names at once, each through the same three-talents table, while the shipped
// character tables are still being made: the first use of the tables and the lookups must be safe
// (this test runs under the thread sanitizer too).
#include <gtest/gtest.h>

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

}  // namespace
