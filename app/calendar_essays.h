#pragma once
// The two essays of the perpetual calendar window, paragraph by paragraph (GBK). Every paragraph
// starts with four blanks and ends with CRLF CRLF, except the solar essay's second, which ends with a
// single CRLF.
#include <string>
#include <vector>

// Ten paragraphs on the Chinese lunar calendar.
const std::vector<std::string>& LunarEssayParagraphs();
// Six paragraphs on the Western (Gregorian) calendar.
const std::vector<std::string>& SolarEssayParagraphs();
