#include "english_names.h"

#include "char_data.h"
#include "runtime/text.h"

std::string EnglishNameInitial(const std::string& surnameText)
{
    return TextLeft(TextToUpper(GetNamePinyin(surnameText, 1)), 1);
}

std::vector<std::string> MatchEnglishNames(const std::string& list, const std::string& surnameText)
{
    const std::string initial = EnglishNameInitial(surnameText);
    std::vector<std::string> matches;
    for (const std::string& line : TextSplit(list, "\r\n"))
        if (TextLeft(line, 1) == initial)
            matches.push_back(line);
    return matches;
}
