#include "runtime/random.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace {

TEST(Random, DrawsWithinTheRangeAfterFixingItsBounds)
{
    SeedRandom(42);
    bool seen[6] = {};
    for (int i = 0; i < 2000; ++i) {
        int v = RandomInRange(5, 1);  // reversed: swapped
        ASSERT_GE(v, 1);
        ASSERT_LE(v, 5);
        seen[v] = true;
    }
    EXPECT_TRUE(seen[1] && seen[2] && seen[3] && seen[4] && seen[5]);
    for (int i = 0; i < 100; ++i) {
        int v = RandomInRange(-7, 2);  // a negative bound counts as 0
        ASSERT_GE(v, 0);
        ASSERT_LE(v, 2);
    }
    EXPECT_EQ(RandomInRange(-3, -9), 0);
}

TEST(Random, TheSameSeedGivesTheSameDraws)
{
    SeedRandom(7);
    std::vector<int> first;
    for (int i = 0; i < 10; ++i)
        first.push_back(RandomInRange(0, 1000000));
    SeedRandom(7);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(RandomInRange(0, 1000000), first[i]);
}

TEST(Random, SeveralThreadsDrawAtOnce)
{
    SeedRandomFromClock();
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([] {
            for (int i = 0; i < 10000; ++i)
                ASSERT_LE(RandomInRange(0, 9), 9);
        });
    for (auto& t : threads)
        t.join();
}

}  // namespace
