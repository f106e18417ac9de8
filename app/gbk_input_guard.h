#pragma once
// The program's boxes are ANSI boxes of code page 936: a character outside GBK (a rare character such
// as 𠮷 outside the code page, an emoji) reaches the program as "?" and would be scored as a name.
// Such input is taken out of the box at once, with a word.
#include <string>

namespace forms {
class Form;
class Unit;
}  // namespace forms

extern const char kOutsideGbkWord[];

// The text without its '?' characters (none belongs in a name).
std::string WithoutUnwritableCharacters(const std::string& text);

// Takes the '?' characters out of the box and says why in the skin's message box owned by the
// window. True when the box held any.
bool RefuseCharactersOutsideGbk(forms::Form& window, forms::Unit& box);
