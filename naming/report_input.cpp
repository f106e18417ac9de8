#include "naming/report_input.h"

#include "naming/name_score.h"
#include "naming/surname_text.h"
#include "services/codepage/codepage.h"

std::string g_reportInput;

bool IsGbkHanzi(const std::string& text)
{
    if (text.size() != 2)
        return false;
    const unsigned lead = static_cast<unsigned char>(text[0]);
    const unsigned trail = static_cast<unsigned char>(text[1]);
    struct Block {
        unsigned leadLow, leadHigh, trailLow, trailHigh;
    };
    static const Block kBlocks[] = {{0x81, 0xA0, 0x40, 0xFE}, {0xAA, 0xFE, 0x40, 0xA0}, {0xB0, 0xF7, 0xA1, 0xFE}};
    for (const Block& block : kBlocks)
        if (lead >= block.leadLow && lead <= block.leadHigh && trail >= block.trailLow && trail <= block.trailHigh)
            return true;
    return false;
}

const char kScorableNameWord[] = "评分要用中文名字：姓氏一到两个汉字（如王、欧阳），名字一到两个汉字。";
const char kScorableSurnameWord[] = "姓氏要用一到两个汉字（如王、欧阳），名字才能评分。";

bool IsOneOrTwoHanzi(const std::string& text)
{
    if (text.size() != 2 && text.size() != 4)
        return false;
    for (size_t at = 0; at < text.size(); at += 2)
        if (!IsGbkHanzi(text.substr(at, 2)))
            return false;
    return true;
}

TypedNameScore ScoreTypedName(ThreeTalentsTable& talents, const std::string& surname, const std::string& typedName)
{
    size_t end = 0;
    for (int n = 0; n < kMostGivenNameChars && end < typedName.size(); ++n)
        end += static_cast<size_t>(GbkCharLengthAt(typedName, end));
    const std::string givenName = typedName.substr(0, end);
    const std::string fullName = surname + givenName;
    TypedNameScore result;
    result.reportInput = fullName + ScoreTag(ScoreName(talents, fullName, SurnameCharsOfName(fullName, surname)));
    result.opensReport = IsOneOrTwoHanzi(surname) && IsOneOrTwoHanzi(givenName);
    if (!result.opensReport)
        result.refusal = kScorableNameWord;
    return result;
}
