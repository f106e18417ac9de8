// The journey runner: bn_journeys.exe [journey names...] runs the named journeys (all when none is
// named) against the laid-out BabyName.exe and exits with the number of failed journeys.
#include <cstdio>
#include <string>
#include <vector>

#include "tools/journey/journeys.h"

namespace journey {

FixtureFile SurnameSettings(const char* surname)
{
    return {"data\\setsoft.ini", std::string("[编辑框]\r\n编辑框_姓1=") + surname + "\r\n"};
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
    session.folder = std::string("Z:" BN_JOURNEY_DIR) + "\\program";
    session.shotFolder = std::string("Z:" BN_SCREENSHOT_DIR) + "\\journeys";
    for (std::string* path : {&session.folder, &session.shotFolder})
        for (char& c : *path)
            if (c == '/')
                c = '\\';
    CreateDirectoryA(FolderOf(session.shotFolder).c_str(), nullptr);
    CreateDirectoryA(session.shotFolder.c_str(), nullptr);
    CreateDirectoryA(FolderOf(session.folder).c_str(), nullptr);

    std::vector<Journey> journeys;
    for (auto part : {GenerateJourneys, PageJourneys, WindowJourneys, CalendarJourneys, ScoringJourneys,
                      WindowKeyJourneys, BadInputJourneys, NavJourneys, FavouritesJourneys,
                      NameAndDateJourneys, KeyboardJourneys, ColourSkinJourneys,
                      WindowLookJourneys})
        for (Journey& j : part())
            journeys.push_back(std::move(j));
    std::vector<std::string> only(argv + 1, argv + argc);
    const int failed = RunJourneys(session, journeys, only);
    RemoveFolderTree(session.folder);
    std::printf("%d journey(s) failed\n", failed);
    return failed;
}
