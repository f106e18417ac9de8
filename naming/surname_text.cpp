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
