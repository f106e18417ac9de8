// The cooperative worker: stops that cut waits short, restarts, joins from other threads.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

#include "runtime/stoppable_worker.h"

using namespace std::chrono_literals;

TEST(StoppableWorkerTest, StopWakesAWaitAtOnce)
{
    StoppableWorker worker;
    std::atomic<bool> waiting{false};
    std::atomic<bool> woken{false};
    ASSERT_TRUE(worker.Start([&](StoppableWorker& self) {
        waiting = true;
        woken = self.WaitFor(std::chrono::hours(1));
    }));
    while (!waiting)
        std::this_thread::yield();
    const auto before = std::chrono::steady_clock::now();
    worker.RequestStop();
    worker.Join();
    EXPECT_TRUE(woken);
    EXPECT_LT(std::chrono::steady_clock::now() - before, 10s);
    EXPECT_FALSE(worker.Joinable());
}

TEST(StoppableWorkerTest, WaitRunsOutWithoutAStop)
{
    StoppableWorker worker;
    std::atomic<int> result{-1};
    ASSERT_TRUE(worker.Start([&](StoppableWorker& self) { result = self.WaitFor(1ms) ? 1 : 0; }));
    worker.Join();
    EXPECT_EQ(result, 0);
}

TEST(StoppableWorkerTest, RestartsOnlyAfterAJoinWithTheSignalCleared)
{
    StoppableWorker worker;
    std::atomic<int> runs{0};
    auto body = [&](StoppableWorker& self) {
        ++runs;
        self.WaitForStop();
    };
    ASSERT_TRUE(worker.Start(body));
    EXPECT_FALSE(worker.Start(body));  // the first run is not joined yet
    worker.RequestStop();
    EXPECT_TRUE(worker.StopRequested());
    EXPECT_FALSE(worker.Start(body));  // stopped, but still not joined
    worker.Join();
    ASSERT_TRUE(worker.Start(body));
    EXPECT_FALSE(worker.StopRequested());
    worker.RequestStop();
    worker.Join();
    EXPECT_EQ(runs, 2);
    EXPECT_FALSE(worker.Start(nullptr));
}

TEST(StoppableWorkerTest, JoinedFromOtherThreadsAtOnce)
{
    StoppableWorker worker;
    std::atomic<int> frames{0};
    ASSERT_TRUE(worker.Start([&](StoppableWorker& self) {
        while (!self.WaitFor(1ms))
            ++frames;
    }));
    std::vector<std::thread> joiners;
    for (int i = 0; i < 3; ++i)
        joiners.emplace_back([&worker] {
            worker.RequestStop();
            worker.Join();
        });
    for (auto& t : joiners)
        t.join();
    EXPECT_FALSE(worker.Joinable());
    worker.Join();  // nothing left to join
}

TEST(StoppableWorkerTest, DestructionStopsAndJoins)
{
    std::atomic<bool> ended{false};
    {
        StoppableWorker worker;
        ASSERT_TRUE(worker.Start([&](StoppableWorker& self) {
            self.WaitForStop();
            ended = true;
        }));
    }
    EXPECT_TRUE(ended);
}

TEST(StoppableWorkerTest, ManyStartsStopsAndJoinsRace)
{
    StoppableWorker worker;
    std::atomic<bool> done{false};
    std::thread stopper([&] {
        while (!done) {
            worker.RequestStop();
            std::this_thread::yield();
        }
    });
    for (int i = 0; i < 200; ++i) {
        worker.Start([](StoppableWorker& self) {
            while (!self.WaitFor(0ms)) {
            }
        });
        worker.RequestStop();
        worker.Join();
    }
    done = true;
    stopper.join();
    EXPECT_FALSE(worker.Joinable());
}
