// Names scored per second (with the three-talents lookup through a database connection) against the
// straightforward scorer on texts in the same run (medians of seven runs), and the time to score the
// 10,000 names that a pool of 100 characters gives with one surname; the same for names that hold
// Latin letters.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>

#include "naming/char_data.h"
#include "naming/name_score.h"
#include "naming/name_score_reference.h"
#include "naming/sc_fixture.h"

namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// 100 consecutive GB2312 characters from 0xC0A1 on.
std::vector<std::string> Pool()
{
    std::vector<std::string> pool;
    for (int code = 0xC0A1; pool.size() < 100; ++code)
        pool.push_back({static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)});
    return pool;
}

// Names a second over the names, the median of seven runs of the given number of rounds.
template <class Score>
double MedianRate(const std::vector<std::string>& names, int rounds, Score score)
{
    std::vector<double> rates;
    for (int run = 0; run < 7; ++run) {
        Clock::time_point start = Clock::now();
        for (int round = 0; round < rounds; ++round)
            for (const std::string& name : names)
                score(name);
        rates.push_back(rounds * names.size() / SecondsSince(start));
    }
    std::sort(rates.begin(), rates.end());
    return rates[rates.size() / 2];
}

}  // namespace

int main()
{
    std::string folder = (std::filesystem::temp_directory_path() / "").string();
    std::string path = UniqueDatabasePath(folder, "name_score_benchmark");
    ScFixture fixture;
    if (!fixture.Create(path, AllScTitles())) {
        std::printf("name_score_benchmark: cannot make the database %s\n", path.c_str());
        return 1;
    }
    ThreeTalentsTable talents(&fixture.db);

    Clock::time_point start = Clock::now();
    ShippedCharData();
    std::printf("character tables made in %.1f ms\n", SecondsSince(start) * 1000);

    std::vector<std::string> pool = Pool();
    std::vector<std::string> names;
    for (const std::string& x : pool)
        for (const std::string& y : pool)
            names.push_back("张" + x + y);

    long checksum = 0;
    start = Clock::now();
    for (const std::string& name : names)
        checksum += ScoreName(talents, name).size();
    double poolSeconds = SecondsSince(start);
    std::printf("10,000 names of a 100-character pool scored in %.1f ms\n", poolSeconds * 1000);

    const int rounds = 30;
    const double chineseRate = MedianRate(names, rounds, [&](const std::string& name) { checksum += ScoreNameValue(talents, name); });
    const double textRate = MedianRate(names, 3, [&](const std::string& name) { checksum += ScoreNameFromTexts(talents, name).size(); });
    std::printf("bench scoring: %.1f M names/s; straightforward scorer: %.2f M names/s; ratio %.1f (target >=10 M names/s)\n",
                chineseRate / 1e6, textRate / 1e6, chineseRate / textRate);
    const double scoreTextRate = MedianRate(names, rounds, [&](const std::string& name) { checksum += ScoreName(talents, name).size(); });
    std::printf("names scored per second as score texts: %.1f M\n", scoreTextRate / 1e6);

    start = Clock::now();
    for (size_t i = 0; i < names.size(); ++i)
        checksum += MakeScoredNameRow(talents, std::to_string(i + 1), names[i]).pinyin.size();
    double chineseRows = SecondsSince(start);
    std::printf("10,000 eight-column scored rows made in %.1f ms\n", chineseRows * 1000);

    // Names holding Latin letters, in every place a two-byte unit can take one: a letter pair, and
    // letters that share a unit with half of a Chinese character.
    std::vector<std::string> latinNames;
    for (const std::string& x : pool) {
        latinNames.push_back("张Li" + x);
        latinNames.push_back("张" + x + "Li");
        latinNames.push_back("张a" + x + "b");
        latinNames.push_back("Al" + x);
    }
    while (latinNames.size() < names.size())
        latinNames.push_back(latinNames[latinNames.size() % 400]);
    const double latinRate = MedianRate(latinNames, rounds, [&](const std::string& name) { checksum += ScoreNameValue(talents, name); });
    std::printf("names with a Latin letter scored per second: %.0f (%.2f times the Chinese names' rate; "
                "target: at least 0.33)\n", latinRate, latinRate / chineseRate);

    start = Clock::now();
    for (size_t i = 0; i < latinNames.size(); ++i)
        checksum += MakeScoredNameRow(talents, std::to_string(i + 1), latinNames[i]).pinyin.size();
    double latinRows = SecondsSince(start);
    std::printf("10,000 scored rows of names with a Latin letter made in %.1f ms (%.2f times the Chinese rows' "
                "time; target: at most 3) (checksum %ld)\n", latinRows * 1000, latinRows / chineseRows, checksum);
    return 0;
}
