#include "naming/surname_text.h"

#include "runtime/text.h"

std::string CleanSurname(const std::string& text)
{
    const std::string trimmed = TextTrimLeft(text);
    size_t end = 0;
    for (int chars = 0; chars < kMaxSurnameChars && end < trimmed.size(); ++chars)
        end += static_cast<size_t>(GbkCharLengthAt(trimmed, end));
    return TextTrimRight(trimmed.substr(0, end));
}

namespace {

int CountChars(const std::string& text)
{
    int chars = 0;
    for (size_t at = 0; at < text.size(); at += static_cast<size_t>(GbkCharLengthAt(text, at)))
        ++chars;
    return chars;
}

}  // namespace

int SurnameCharsOfName(const std::string& fullName, const std::string& surname)
{
    const int nameChars = CountChars(fullName);
    const int surnameChars = CountChars(surname);
    if ((surnameChars == 1 || surnameChars == 2) && fullName.compare(0, surname.size(), surname) == 0) {
        const int givenChars = CountChars(fullName.substr(surname.size()));
        if (givenChars == 1 || givenChars == 2)
            return surnameChars;
    }
    return nameChars == 4 ? 2 : 1;
}

size_t SurnameBytesOfName(const std::string& fullName, const std::string& surname)
{
    size_t at = 0;
    for (int chars = SurnameCharsOfName(fullName, surname); chars > 0 && at < fullName.size(); --chars)
        at += static_cast<size_t>(GbkCharLengthAt(fullName, at));
    return at;
}
