// Names per second of each generator: the given-name builders with scoring (one timer tick each),
// combination lines with scoring, English lines and nickname rows.
#include <chrono>
#include <cstdio>
#include <filesystem>

#include "naming/combinations.h"
#include "naming/name_score.h"
#include "naming/english_names.h"
#include "naming/name_lists.h"
#include "naming/nicknames.h"
#include "naming/random_names.h"
#include "naming/sc_fixture.h"
#include "runtime/textset.h"

namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

void Report(const char* what, long count, double seconds, const char* target)
{
    std::printf("%-58s %9.0f names/s   (target: %s)\n", what, count / seconds, target);
}

}  // namespace

int main()
{
    std::string path = UniqueDatabasePath((std::filesystem::temp_directory_path() / "").string(), "generators_benchmark");
    ScFixture fixture;
    if (!fixture.Create(path, {{"木火土", "吉", ""}, {"金金金", "凶", ""}, {"水木火", "平", ""}})) {
        std::printf("generators_benchmark: cannot make the database %s\n", path.c_str());
        return 1;
    }
    ThreeTalentsTable talents(&fixture.db);
    ScoreName(talents, "张三");  // tables and rows made before timing

    // The timers tick every 30 ms: a tick must cost far less than that (33 names/s would do).
    NameTickInputs inputs;
    inputs.surname = "张";
    inputs.limits.second = inputs.limits.third = true;
    inputs.limits.secondElements[1] = inputs.limits.thirdElements[3] = true;
    SortCharsByElement(BoyNameChars, inputs.pools);
    std::string previous;
    TextSet seen;
    constexpr int kTicks = 20000;
    auto start = Clock::now();
    for (int i = 0; i < kTicks; ++i)
        RunNameTick(i % 2 ? NameTimer::Boy3 : NameTimer::Girl3, inputs, previous, talents, seen);
    Report("given-name builders with scoring (three-character ticks)", kTicks, SecondsSince(start), "> 1,000, 30 ms a tick");

    const std::vector<std::string> names = SplitCandidateLines(BuildCombinationLines(
        "张", CleanCombinationPool(std::string(BoyNameChars).substr(0, 200))));
    std::atomic<bool> stop{false};
    size_t rows = 0;
    start = Clock::now();
    ProduceCombinationRows(names, talents, stop, [&](std::vector<TextRow>& batch) { rows += batch.size(); return true; });
    const double combinationSeconds = SecondsSince(start);
    Report("combination lines with scoring (100-character pool)", static_cast<long>(rows), combinationSeconds,
           "10,000 rows well under 0.5 s");
    std::printf("%-58s %9.1f ms\n", "  of which the 10,000 rows of the pool", combinationSeconds * 1000);

    constexpr int kEnglishRounds = 2000;
    const char* surnames[] = {"张", "王", "李", "赵", "司马"};
    size_t lines = 0;
    long scanned = 0;
    start = Clock::now();
    for (int i = 0; i < kEnglishRounds; ++i) {
        lines += MatchEnglishNames(i % 2 ? BoyEnglishNames : GirlEnglishNames, surnames[i % 5]).size();
        scanned += i % 2 ? 499 : 390;
    }
    Report("English lines (whole lists scanned for a surname)", scanned, SecondsSince(start), "one list in a blink");

    rows = 0;
    start = Clock::now();
    for (int round = 0; round < 10; ++round)
        for (NicknamePattern pattern : {NicknamePattern::AA, NicknamePattern::XiaoA, NicknamePattern::AEr})
            ProduceNicknameRows(pattern, 11, stop, [&](std::vector<TextRow>& batch) { rows += batch.size(); return true; });
    Report("nickname rows (re-seeded draw each)", static_cast<long>(rows), SecondsSince(start), "360 rows in a blink");
    std::printf("(%zu English lines matched)\n", lines);
    return 0;
}
