#pragma once
// The surname as the program keeps and uses it, whatever the box or the settings file holds: blanks
// around it would make every name fail to score, and an endless surname makes rows of any size.
#include <string>

// A compound surname and a few characters more.
constexpr int kMaxSurnameChars = 6;

// The text without the half- and full-width blanks at either end, cut to its first kMaxSurnameChars
// characters (a lone lead byte counts as one). Blanks inside are kept.
std::string CleanSurname(const std::string& text);
