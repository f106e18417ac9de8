#pragma once
// The rules of the random-name generator of the main window's first page: the given-name builders,
// the fixed character, the minimum score, one timer tick from the inputs to the listed row, and the
// start/pause/resume toggle of the 生成 button. The window's handlers read the inputs from their
// units and hand them here.
#include <string>

#include "element_pools.h"

class TextSet;
class ThreeTalentsTable;

// The limits of the given-name builders: whether the element of the second and third character of
// the full name is limited (the check boxes 选择框第二个字 and 选择框第三个字), the state of the third
// check box as read when the name is built, and the checked element radios of the two groups.
struct GivenNameLimits {
    bool second = false;
    bool third = false;
    bool thirdCheckNow = false;
    ElementChecks secondElements{};
    ElementChecks thirdElements{};
};

// Two characters drawn from chars or from the element pools: the first from the pool of the first
// radio group when the second-character limit is on, the second from the pool of the second group
// when the third-character limit is on (the limits' third flag when the second is on, else the
// check box's state now). Both pools are looked up every time, first the first group's; previous is
// the remembered pool of GetCheckedElementChars.
std::string GenerateGivenName(const std::string& chars, const GivenNameLimits& limits, const ElementPools& pools,
                              std::string& previous);
std::string GenerateBoyGivenName(const GivenNameLimits& limits, const ElementPools& pools, std::string& previous);
std::string GenerateGirlGivenName(const GivenNameLimits& limits, const ElementPools& pools, std::string& previous);

// The one given character of a two-character name: from the pool of the first radio group when the
// second-character limit is on (looked up then only), else from chars. The third-character limit has
// no character to act on.
std::string GenerateOneCharGivenName(const std::string& chars, const GivenNameLimits& limits,
                                     const ElementPools& pools, std::string& previous);

// Puts the fixed character into the given name, which starts at byte surnameBytes: as its first
// character for the position text "2", its second for any other text (the positions count the
// characters of a name of a one-character surname). The two bytes there are replaced by the fixed text
// whatever its length; where the name has fewer bytes, what exists is replaced, and past its end the
// fixed text is appended. The surname is never touched.
std::string ApplyFixedChar(const std::string& fullName, const std::string& fixedChar, const std::string& positionText,
                           size_t surnameBytes);

// Whether a scored name survives the minimum: always when the minimum is off, else only with a score
// strictly above it (a minimum that is no number counts as 0).
bool PassesMinimumScore(const std::string& score, bool minimumOn, const std::string& minimum);

// The four generation timers: sex and length of the full name.
enum class NameTimer { Boy2, Boy3, Girl2, Girl3 };
// The timer of the checked sex radio and the name-length text ("二字" two characters, "三字" three);
// false with no sex checked or another length text.
bool ChooseNameTimer(bool boyChecked, bool girlChecked, const std::string& lengthText, NameTimer& timer);

// What a tick reads from the window.
struct NameTickInputs {
    std::string surname;
    GivenNameLimits limits;
    ElementPools pools;
    bool fixedOn = false;          // 选择框自定义名字
    std::string fixedChar;         // 编辑框限定字
    std::string fixedPosition;     // 组合框名字限定字位数
    bool minimumOn = false;        // 选择框自定义分数
    std::string minimum;           // 编辑框分数
};

struct NameTickResult {
    std::string fullName;
    std::string score;
    std::string tag;               // the score's ScoreTag
    bool fixedApplied = false;     // the fixed character went in (g_fixedNameChar is its text)
    bool listed = false;           // the row to append is fullName + tag
};

// One tick: draw the given part, put the fixed character in (a two-character name has only
// position "2"), score, drop a name at or below the minimum, and for three-character timers drop a
// name already in seen (a name dropped by the minimum is not added, so it may come again).
NameTickResult RunNameTick(NameTimer timer, const NameTickInputs& inputs, std::string& previousPool,
                           ThreeTalentsTable& talents, TextSet& seen);

// The 生成 button's caption decides what a press does to the chosen timer.
struct GenerationToggle {
    bool acts = false;        // false: the caption is none of 生成, 暂停, 继续
    bool clearsList = false;
    int interval = 0;         // milliseconds; 0 stops the timer
    std::string caption;      // the new caption
};
GenerationToggle ToggleForCaption(const std::string& caption);
constexpr int kGenerationInterval = 30;
