// The journey runner: bn_journeys.exe [--part=K/N] [journey names...] runs the named journeys (all
// when none is named) against the laid-out BabyName.exe and exits with the number of failed journeys.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "tools/journey/journeys.h"

namespace journey {

FixtureFile SurnameSettings(const char* surname)
{
    return {"data\\setsoft.ini", std::string("[编辑框]\r\n编辑框_姓1=") + surname + "\r\n"};
}

// A journey that does not lay out a program folder goes on with the program the journey before it left,
// so the journeys fall into runs that each begin with a lay-out. The runs are dealt to N parts, the
// longest first to the part with the fewest steps so far; a run keeps its order.
std::vector<Journey> PartOf(std::vector<Journey> journeys, int part, int parts)
{
    std::vector<std::vector<Journey>> runs;
    for (Journey& j : journeys) {
        const bool starts = !j.steps.empty() && j.steps.front().name == "lay-out";
        if (starts || runs.empty())
            runs.emplace_back();
        runs.back().push_back(std::move(j));
    }
    const auto stepsOf = [](const std::vector<Journey>& run) {
        size_t steps = 0;
        for (const Journey& j : run)
            steps += j.steps.size();
        return steps;
    };
    std::vector<size_t> order(runs.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return stepsOf(runs[a]) > stepsOf(runs[b]); });
    std::vector<size_t> load(static_cast<size_t>(parts), 0);
    std::vector<int> owner(runs.size(), 0);
    for (size_t i : order) {
        const size_t lightest = static_cast<size_t>(std::min_element(load.begin(), load.end()) - load.begin());
        owner[i] = static_cast<int>(lightest) + 1;
        load[lightest] += stepsOf(runs[i]);
    }
    std::vector<Journey> mine;
    for (size_t i = 0; i < runs.size(); ++i)
        if (owner[i] == part)
            for (Journey& j : runs[i])
                mine.push_back(std::move(j));
    return mine;
}

}  // namespace journey

int main(int argc, char** argv)
{
    using namespace journey;
    Session session;
    std::string exe = "Z:" BN_PROGRAM_EXE;
    for (char& c : exe)
        if (c == '/')
            c = '\\';
    session.programSource = FolderOf(exe);
    // "--part=K/N" runs the Kth of N parts (1-based), in a program folder of its own, so that parts run
    // at once in lanes of their own.
    int part = 1, parts = 1;
    if (argc > 1 && std::sscanf(argv[1], "--part=%d/%d", &part, &parts) == 2) {
        if (parts < 1 || part < 1 || part > parts) {
            std::printf("--part=K/N wants 1 <= K <= N\n");
            return 2;
        }
        --argc;
        ++argv;
    }
    session.folder = std::string("Z:" BN_JOURNEY_DIR) + "\\program" + (parts > 1 ? "-" + std::to_string(part) : "");
    session.shotFolder = std::string("Z:" BN_SCREENSHOT_DIR) + "\\journeys";
    for (std::string* path : {&session.folder, &session.shotFolder})
        for (char& c : *path)
            if (c == '/')
                c = '\\';
    CreateDirectoryA(FolderOf(session.shotFolder).c_str(), nullptr);
    CreateDirectoryA(session.shotFolder.c_str(), nullptr);
    CreateDirectoryA(FolderOf(session.folder).c_str(), nullptr);

    std::vector<Journey> journeys;
    for (auto journeysOf : {GenerateJourneys, PageJourneys, WindowJourneys, CalendarJourneys, ScoringJourneys,
                      WindowKeyJourneys, BadInputJourneys, NavJourneys, FavouritesJourneys,
                      NameAndDateJourneys, KeyboardJourneys, ColourSkinJourneys,
                      WindowLookJourneys})
        for (Journey& j : journeysOf())
            journeys.push_back(std::move(j));
    if (parts > 1)
        journeys = PartOf(std::move(journeys), part, parts);
    std::vector<std::string> only(argv + 1, argv + argc);
    const int failed = RunJourneys(session, journeys, only);
    RemoveFolderTree(session.folder);
    std::printf("%d journey(s) failed\n", failed);
    return failed;
}
