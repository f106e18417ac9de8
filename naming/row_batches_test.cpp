// Rows go on in order, at most once per interval and the rest at the end; a refusal ends the batcher.
#include "naming/row_batches.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

TEST(RowBatcher, HandsRowsOnByTimeAndTheRestAtTheEnd)
{
    std::vector<std::vector<TextRow>> batches;
    const RowBatchSink sink = [&](std::vector<TextRow>& rows) {
        batches.push_back(rows);
        return true;
    };
    RowBatcher batcher(sink);
    EXPECT_TRUE(batcher.Add({"1"}));
    EXPECT_TRUE(batcher.Add({"2"}));
    EXPECT_TRUE(batches.empty());  // within the interval nothing goes
    std::this_thread::sleep_for(RowBatcher::kRowBatchInterval + std::chrono::milliseconds(20));
    EXPECT_TRUE(batcher.Add({"3"}));
    ASSERT_EQ(1u, batches.size());
    EXPECT_EQ((std::vector<TextRow>{{"1"}, {"2"}, {"3"}}), batches[0]);
    EXPECT_TRUE(batcher.Add({"4"}));
    EXPECT_TRUE(batcher.Finish());
    ASSERT_EQ(2u, batches.size());
    EXPECT_EQ((std::vector<TextRow>{{"4"}}), batches[1]);
    EXPECT_TRUE(batcher.Finish());  // nothing left: no empty batch
    EXPECT_EQ(2u, batches.size());

    const RowBatchSink refuse = [](std::vector<TextRow>&) { return false; };
    RowBatcher refused(refuse);
    EXPECT_TRUE(refused.Add({"1"}));
    EXPECT_FALSE(refused.Finish());
}

}  // namespace
