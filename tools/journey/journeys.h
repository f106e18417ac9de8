#pragma once
// The journeys of the program, each a table of steps, and the places of the main window that have no
// window of their own (the navigation bar's items, the caption buttons).
#include <vector>

#include "tools/journey/journey_runner.h"

namespace journey {

inline constexpr char kMain[] = "宝宝取名";
inline constexpr char kScoring[] = "姓名评测";
inline constexpr char kReport[] = "名字评分";

// Item n (1-based) of the main window's navigation bar: 85-pixel items 5 pixels apart from (6, 20).
inline Target NavItem(int n) { return Offset(6 + (n - 1) * 90 + 42, 20 + 48); }
// A caption button counted from the right: 1 close, 2 maximise, 3 minimise, 4 换皮肤.
inline Target CaptionButton(int fromRight) { return Offset(fromRight == 1 ? -22 : -22 - 20 - 27 * (fromRight - 2) - 13, 10); }

// A setsoft.ini that holds a surname.
FixtureFile SurnameSettings(const char* surname);

std::vector<Journey> GenerateJourneys();
std::vector<Journey> PageJourneys();
std::vector<Journey> ScoringJourneys();
std::vector<Journey> WindowJourneys();
std::vector<Journey> CalendarJourneys();
std::vector<Journey> BadInputJourneys();
// The steps of the "skins" journey (journeys_skins.cpp), run among the window journeys.
std::vector<Step> SkinSettingsSteps();
// Applies the colour skin of a cell of the colour grid (0-based row and column) after the scheme
// swatch (1-based) that fixes its red, and closes the skin settings.
std::vector<Step> ApplyColourSkinSteps(int swatch, int row, int column, const std::string& tag);
std::vector<Journey> ColourSkinJourneys();
// The page-0 side box's bar, the main window's layout maximised and the 换皮肤 tip.
std::vector<Journey> WindowLookJourneys();
std::vector<Journey> WindowKeyJourneys();
std::vector<Journey> NavJourneys();
std::vector<Journey> FavouritesJourneys();
std::vector<Journey> NameAndDateJourneys();
std::vector<Journey> KeyboardJourneys();

}  // namespace journey
