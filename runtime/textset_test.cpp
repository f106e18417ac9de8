#include "runtime/textset.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

namespace {

TEST(TextSet, AddingAPresentTextFails)
{
    TextSet set;
    EXPECT_TRUE(set.Add("张三丰【 85分】"));
    EXPECT_FALSE(set.Add("张三丰【 85分】"));
    EXPECT_TRUE(set.Add("张三丰"));  // compared exactly
    EXPECT_TRUE(set.Contains("张三丰"));
    EXPECT_EQ(set.Count(), 2u);
    EXPECT_TRUE(set.Remove("张三丰"));
    EXPECT_FALSE(set.Remove("张三丰"));
    set.Clear();
    EXPECT_EQ(set.Count(), 0u);
}

TEST(TextSet, EachTextIsNewForExactlyOneOfSeveralThreads)
{
    TextSet set;
    std::atomic<int> added{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([&] {
            for (int i = 0; i < 1000; ++i)
                if (set.Add("名" + std::to_string(i)))
                    ++added;
        });
    for (auto& t : threads)
        t.join();
    EXPECT_EQ(added.load(), 1000);
}

}  // namespace
