// Cost of the calendar service's answers: the 24 solar terms of all 200 years of the range and the
// four pillars, each against lunar-javascript (npm, MIT) doing the same work in the same run
// (calendar_peer_benchmark.js, run with node when the build found both; the build gives their paths),
// and a lunar date. Every
// figure is the median of seven runs.
#include "calendar/calendar.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kRuns = 7;

double SecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

template <class Work>
double MedianSeconds(Work work)
{
    std::vector<double> runs;
    for (int r = 0; r < kRuns; ++r) {
        const Clock::time_point start = Clock::now();
        work();
        runs.push_back(SecondsSince(start));
    }
    std::sort(runs.begin(), runs.end());
    return runs[kRuns / 2];
}

long long g_checksum = 0;

void AllSolarTerms()
{
    for (int year = 1901; year <= 2100; ++year)
        for (int n = 1; n <= 24; ++n) {
            CalendarDateTime t;
            g_checksum += SolarTermTime(year, n, t) ? t.second : 0;
        }
}

// The date-times of the reference's pillar loop (calendar_peer_benchmark.js).
int PillarPass()
{
    int calls = 0;
    for (int year = 1901; year <= 2100; year += 3)
        for (int month = 1; month <= 12; ++month)
            for (int hour = 0; hour < 24; hour += 5) {
                FourPillars p;
                g_checksum += FourPillarsAt(year, month, 1 + hour, hour, 17, p) ? p.day.size() : 0;
                ++calls;
            }
    return calls;
}

struct PeerFigures {
    bool measured = false;
    std::string why;  // why not, when not
    double termsMs = 0;
    double pillarsUs = 0;
};

PeerFigures MeasurePeer()
{
    PeerFigures peer;
#ifdef _WIN32
    peer.why = "node is not run from the Windows build";
#else
#ifndef BN_NODE
    peer.why = "node is not installed";
    return peer;
#elif !defined(BN_CALENDAR_PEER_MODULES)
    peer.why = "lunar-javascript was not installed below the build folder";
    return peer;
#else
    const char* node = BN_NODE;
    const char* modules = BN_CALENDAR_PEER_MODULES;
    const char* script = BN_CALENDAR_PEER_SCRIPT;
    const std::string command =
        std::string("'") + node + "' '" + script + "' '" + modules + "' " + std::to_string(kRuns) + " 2>&1";
    std::FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) {
        peer.why = "node could not be started";
        return peer;
    }
    char line[512];
    bool terms = false, pillars = false;
    std::string said;
    while (std::fgets(line, sizeof line, pipe)) {
        terms = terms || std::sscanf(line, "terms_ms %lf", &peer.termsMs) == 1;
        pillars = pillars || std::sscanf(line, "pillars_us %lf", &peer.pillarsUs) == 1;
        if (said.empty())
            said = line;
    }
    const int status = pclose(pipe);
    peer.measured = status == 0 && terms && pillars;
    if (!peer.measured) {
        said.erase(said.find_last_not_of("\r\n") + 1);
        peer.why = "lunar-javascript did not run (" + (said.empty() ? "no output" : said) + ")";
    }
#endif
#endif
    return peer;
}

void PrintBench(const char* name, double value, const char* unit, const PeerFigures& peer, double peerValue,
                const char* target)
{
    const double ratio = peerValue / value;
    if (peer.measured)
        std::printf("bench %s: %.4g %s; lunar-javascript: %.4g %s; ratio %.*f (target %s)\n", name, value, unit,
                    peerValue, unit, ratio < 10 ? 2 : 0, ratio, target);
    else
        std::printf("bench %s: %.4g %s; lunar-javascript: skipped, %s; ratio - (target %s)\n", name, value, unit,
                    peer.why.c_str(), target);
}

}  // namespace

int main()
{
    // Lunar dates: every day of 1901-2100 once.
    int lunarCalls = 0;
    const double lunarSeconds = MedianSeconds([&] {
        lunarCalls = 0;
        for (int year = 1901; year <= 2100; ++year)
            for (int month = 1; month <= 12; ++month)
                for (int day = 1; day <= 28; ++day) {
                    LunarDate lunar;
                    g_checksum += SolarToLunar(year, month, day, lunar) ? lunar.day : 0;
                    ++lunarCalls;
                }
    });

    // Passes repeated within a run, so that one run lasts long enough to be timed well.
    constexpr int kTermPasses = 50, kPillarPasses = 20;
    AllSolarTerms();
    const double termSeconds = MedianSeconds([] {
        for (int pass = 0; pass < kTermPasses; ++pass)
            AllSolarTerms();
    }) / kTermPasses;
    const int pillarCalls = PillarPass();
    const double pillarSeconds = MedianSeconds([] {
        for (int pass = 0; pass < kPillarPasses; ++pass)
            PillarPass();
    }) / (kPillarPasses * pillarCalls);

    const PeerFigures peer = MeasurePeer();
    std::printf("calendar: lunar date %.3f us (%d calls; checksum %lld)\n", lunarSeconds * 1e6 / lunarCalls, lunarCalls,
                g_checksum);
    PrintBench("solar terms 1901-2100", termSeconds * 1e3, "ms", peer, peer.termsMs, ">=100");
    PrintBench("four pillars", pillarSeconds * 1e6, "us a call", peer, peer.pillarsUs, ">=50");
    return 0;
}
