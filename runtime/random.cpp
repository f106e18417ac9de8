#include "random.h"

#include <chrono>
#include <mutex>
#include <random>

namespace {
std::mutex g_randomLock;
std::mt19937_64& Generator()
{
    static std::mt19937_64 generator(1);
    return generator;
}
}  // namespace

void SeedRandom(unsigned long long seed)
{
    std::lock_guard<std::mutex> guard(g_randomLock);
    Generator().seed(seed);
}

void SeedRandomFromClock()
{
    SeedRandom(static_cast<unsigned long long>(std::chrono::high_resolution_clock::now().time_since_epoch().count()));
}

int RandomInRange(int min, int max)
{
    if (min < 0)
        min = 0;
    if (max < 0)
        max = 0;
    if (min > max) {
        int t = min;
        min = max;
        max = t;
    }
    std::uniform_int_distribution<int> draw(min, max);
    std::lock_guard<std::mutex> guard(g_randomLock);
    return draw(Generator());
}
