#pragma once
// The surname as the program keeps and uses it, whatever the box or the settings file holds: blanks
// around it would make every name fail to score, and an endless surname makes rows of any size.
#include <string>

// A compound surname and a few characters more.
constexpr int kMaxSurnameChars = 6;

// The text without the half- and full-width blanks at either end, cut to its first kMaxSurnameChars
// characters (a lone lead byte counts as one). Blanks inside are kept.
std::string CleanSurname(const std::string& text);

// How many leading characters of a full name are its surname, the one rule of every generator, list,
// score and report: those of the cleaned surname when the name starts with it (one or two
// characters) and one or two characters follow; otherwise the name's length decides, two for a
// four-character name and one for any other.
int SurnameCharsOfName(const std::string& fullName, const std::string& surname);
// The same in bytes.
size_t SurnameBytesOfName(const std::string& fullName, const std::string& surname);
