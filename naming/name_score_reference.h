#pragma once
// Tests and the benchmark: the score worked out the straightforward way, on the texts of the scoring
// core's text functions step by step (grids as texts, their luck searched by text, the digits read back
// from texts, the talents looked up by title), as ScoreName did before it moved to numbers.
#include <string>

class ThreeTalentsTable;

std::string ScoreNameFromTexts(ThreeTalentsTable& talents, const std::string& fullName);
