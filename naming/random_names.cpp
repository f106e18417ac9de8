#include "random_names.h"

#include "char_draw.h"
#include "name_lists.h"
#include "name_score.h"
#include "surname_text.h"
#include "runtime/text.h"
#include "runtime/textset.h"

std::string GenerateGivenName(const std::string& chars, const GivenNameLimits& limits, const ElementPools& pools,
                              std::string& previous)
{
    const std::string pool1 = GetCheckedElementChars(limits.secondElements, pools, previous);
    const std::string pool2 = GetCheckedElementChars(limits.thirdElements, pools, previous);
    const bool thirdLimited = limits.second ? limits.third : limits.thirdCheckNow;
    const std::string& first = limits.second ? pool1 : chars;
    const std::string& second = thirdLimited ? pool2 : chars;
    const int firstAt = DrawBytePosition(static_cast<int>(first.size() / 2));
    const int secondAt = DrawBytePosition(static_cast<int>(second.size() / 2));
    return TwoBytesAt(first, firstAt) + TwoBytesAt(second, secondAt);
}

namespace {

const std::string& BoyChars()
{
    static const std::string chars = BoyNameChars;
    return chars;
}

const std::string& GirlChars()
{
    static const std::string chars = GirlNameChars;
    return chars;
}

}  // namespace

std::string GenerateBoyGivenName(const GivenNameLimits& limits, const ElementPools& pools, std::string& previous)
{
    return GenerateGivenName(BoyChars(), limits, pools, previous);
}

std::string GenerateGirlGivenName(const GivenNameLimits& limits, const ElementPools& pools, std::string& previous)
{
    return GenerateGivenName(GirlChars(), limits, pools, previous);
}

std::string GenerateOneCharGivenName(const std::string& chars, const GivenNameLimits& limits,
                                     const ElementPools& pools, std::string& previous)
{
    if (!limits.second)
        return DrawCharFromText(chars);
    return DrawCharFromText(GetCheckedElementChars(limits.secondElements, pools, previous));
}

std::string ApplyFixedChar(const std::string& fullName, const std::string& fixedChar, const std::string& positionText,
                           size_t surnameBytes)
{
    const size_t at = surnameBytes + (positionText == "2" ? 0 : 2);
    if (at >= fullName.size())
        return fullName + fixedChar;
    std::string name = fullName;
    name.replace(at, 2, fixedChar);  // at most the two bytes that exist
    return name;
}

bool PassesMinimumScore(const std::string& score, bool minimumOn, const std::string& minimum)
{
    return !minimumOn || TextToNumber(score) > TextToNumber(minimum);
}

bool ChooseNameTimer(bool boyChecked, bool girlChecked, const std::string& lengthText, NameTimer& timer)
{
    const bool two = lengthText == "二字";
    if (!two && lengthText != "三字")
        return false;
    if (boyChecked)
        timer = two ? NameTimer::Boy2 : NameTimer::Boy3;
    else if (girlChecked)
        timer = two ? NameTimer::Girl2 : NameTimer::Girl3;
    else
        return false;
    return true;
}

NameTickResult RunNameTick(NameTimer timer, const NameTickInputs& inputs, std::string& previousPool,
                           ThreeTalentsTable& talents, TextSet& seen)
{
    const bool threeChars = timer == NameTimer::Boy3 || timer == NameTimer::Girl3;
    std::string given;
    switch (timer) {
    case NameTimer::Boy2: given = GenerateOneCharGivenName(BoyChars(), inputs.limits, inputs.pools, previousPool); break;
    case NameTimer::Girl2: given = GenerateOneCharGivenName(GirlChars(), inputs.limits, inputs.pools, previousPool); break;
    case NameTimer::Boy3: given = GenerateBoyGivenName(inputs.limits, inputs.pools, previousPool); break;
    case NameTimer::Girl3: given = GenerateGirlGivenName(inputs.limits, inputs.pools, previousPool); break;
    }
    NameTickResult result;
    result.fullName = inputs.surname + given;
    const size_t surnameBytes = SurnameBytesOfName(result.fullName, inputs.surname);
    if (inputs.fixedOn && (threeChars || inputs.fixedPosition == "2")) {
        result.fullName = ApplyFixedChar(result.fullName, inputs.fixedChar, inputs.fixedPosition, surnameBytes);
        result.fixedApplied = true;
    }
    result.score = ScoreName(talents, result.fullName, SurnameCharsOfName(result.fullName, inputs.surname));
    result.tag = ScoreTag(result.score);
    if (!PassesMinimumScore(result.score, inputs.minimumOn, inputs.minimum))
        return result;
    if (threeChars && !seen.Add(result.fullName))
        return result;
    result.listed = true;
    return result;
}

GenerationToggle ToggleForCaption(const std::string& caption)
{
    if (caption == "生成")
        return {true, true, kGenerationInterval, "暂停"};
    if (caption == "暂停")
        return {true, false, 0, "继续"};
    if (caption == "继续")
        return {true, false, kGenerationInterval, "暂停"};
    return {};
}
