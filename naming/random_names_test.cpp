// The random-name rules: element pools, given names, the fixed character, the minimum score, one
// tick, and the start/pause/resume toggle.
#include "naming/random_names.h"

#include <gtest/gtest.h>

#include <set>

#include "naming/char_data.h"
#include "naming/name_lists.h"
#include "naming/name_score.h"
#include "naming/sc_fixture.h"
#include "naming/surname_text.h"
#include "runtime/random.h"
#include "runtime/text.h"
#include "runtime/textset.h"

namespace {

constexpr int kJin = 0, kMu = 1;

TEST(ElementPools, SortingAppendsEveryCallAndSkipsCharactersWithoutElement)
{
    ElementPools pools;
    SortCharsByElement("金木林水a 金", pools);
    EXPECT_EQ(GetCharElement("林"), "木");
    EXPECT_EQ("金", pools.text[kJin]);  // once per call
    EXPECT_EQ("木林", pools.text[kMu]);
    EXPECT_EQ("水", pools.text[2]);
    SortCharsByElement("金木林水a 金", pools);
    EXPECT_EQ("金金", pools.text[kJin]);  // a second call appends again
    EXPECT_EQ("木林木林", pools.text[kMu]);
    EXPECT_EQ("", pools.text[3] + pools.text[4]);

    ElementPools boys;
    SortCharsByElement(BoyNameChars, boys);
    size_t sorted = 0;
    for (const std::string& pool : boys.text)
        sorted += pool.size();
    EXPECT_EQ(1080u, sorted);  // every boy's character has an element
}

TEST(ElementPools, CheckedPoolIsTheLastCheckedOrThePreviousResult)
{
    ElementPools pools;
    pools.text = {"金", "木", "水", "火", "土"};
    std::string previous;
    EXPECT_EQ("", GetCheckedElementChars({}, pools, previous));
    EXPECT_EQ("木", GetCheckedElementChars({false, true, false, false, false}, pools, previous));
    EXPECT_EQ("土", GetCheckedElementChars({true, false, false, false, true}, pools, previous));
    EXPECT_EQ("土", GetCheckedElementChars({}, pools, previous));  // nothing checked: the previous pool
}

TEST(FixedChar, ReplacesInTheGivenNameAndAppendsPastTheEnd)
{
    struct Case {
        const char* name;
        const char* surname;
        const char* fixed;
        const char* position;
        const char* result;
    } cases[] = {
        {"欧阳子轩", "欧阳", "明", "2", "欧阳明轩"},  // the given name starts after the whole surname
        {"欧阳子轩", "欧阳", "明", "3", "欧阳子明"},
        {"司马霞", "司马", "明", "2", "司马明"},
        {"张子轩", "张", "明", "2", "张明轩"},
        {"张子轩", "张", "明", "3", "张子明"},      // any other text: the second given character
        {"张子轩", "张", "明", "", "张子明"},
        {"张子轩", "张", "明月", "3", "张子明月"},  // a four-byte text lengthens the name
        {"张子轩", "张", "", "2", "张轩"},          // an empty one shortens it
        {"张", "张", "明", "3", "张明"},            // an empty pool left no given name: appended
        {"张子", "张", "明", "3", "张子明"},
        {"张子a", "张", "明", "3", "张子明"},       // what exists is replaced
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.result, ApplyFixedChar(c.name, c.fixed, c.position, SurnameBytesOfName(c.name, c.surname)))
            << c.name << " " << c.position;
}

TEST(MinimumScore, OnlyScoresStrictlyAboveTheMinimumSurvive)
{
    EXPECT_FALSE(PassesMinimumScore("80", true, "80"));
    EXPECT_TRUE(PassesMinimumScore("81", true, "80"));
    EXPECT_TRUE(PassesMinimumScore("5", false, "80"));
    EXPECT_TRUE(PassesMinimumScore("1", true, "abc"));  // no number: 0
    EXPECT_FALSE(PassesMinimumScore("0", true, ""));
}

TEST(NameTimers, SexAndLengthChooseTheTimer)
{
    NameTimer timer = NameTimer::Girl3;
    ASSERT_TRUE(ChooseNameTimer(true, false, "二字", timer));
    EXPECT_EQ(NameTimer::Boy2, timer);
    ASSERT_TRUE(ChooseNameTimer(true, true, "三字", timer));
    EXPECT_EQ(NameTimer::Boy3, timer);
    ASSERT_TRUE(ChooseNameTimer(false, true, "二字", timer));
    EXPECT_EQ(NameTimer::Girl2, timer);
    EXPECT_FALSE(ChooseNameTimer(false, false, "三字", timer));
    EXPECT_FALSE(ChooseNameTimer(true, false, "四字", timer));
    EXPECT_EQ(NameTimer::Girl2, timer);
}

TEST(GenerationToggle, CaptionsStartPauseAndResume)
{
    GenerationToggle start = ToggleForCaption("生成");
    EXPECT_TRUE(start.acts && start.clearsList);
    EXPECT_EQ(30, start.interval);
    EXPECT_EQ("暂停", start.caption);
    GenerationToggle pause = ToggleForCaption("暂停");
    EXPECT_TRUE(pause.acts && !pause.clearsList);
    EXPECT_EQ(0, pause.interval);
    EXPECT_EQ("继续", pause.caption);
    GenerationToggle resume = ToggleForCaption("继续");
    EXPECT_TRUE(resume.acts && !resume.clearsList);
    EXPECT_EQ(30, resume.interval);
    EXPECT_EQ("暂停", resume.caption);
    EXPECT_FALSE(ToggleForCaption("停止").acts);
}

class NameTickTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(fixture_.Create(UniqueDatabasePath(::testing::TempDir(), "name_tick"), {}));
        // A pool of twenty equal characters gives that character at every reachable position.
        inputs_.surname = "一";
        inputs_.limits.second = true;
        inputs_.limits.third = true;
        inputs_.limits.secondElements[kJin] = true;
        inputs_.limits.thirdElements[kMu] = true;
        inputs_.pools.text[kJin] = TextRepeat("一", 20);
    }
    NameTickResult Tick(const std::string& third, NameTimer timer = NameTimer::Boy3)
    {
        inputs_.pools.text[kMu] = TextRepeat(third, 20);
        ThreeTalentsTable talents(&fixture_.db);
        return RunNameTick(timer, inputs_, previous_, talents, seen_);
    }
    ScFixture fixture_;
    NameTickInputs inputs_;
    std::string previous_;
    TextSet seen_;
};

TEST_F(NameTickTest, MinimumDropsEightyKeepsEightyOneAndNamesAreListedOnce)
{
    inputs_.minimumOn = true;
    inputs_.minimum = "80";
    NameTickResult eighty = Tick("王");
    EXPECT_EQ("一一王", eighty.fullName);
    EXPECT_EQ("80", eighty.score);
    EXPECT_EQ("【 80分】", eighty.tag);
    EXPECT_FALSE(eighty.listed);
    NameTickResult eightyOne = Tick("瑞");
    EXPECT_EQ("一一瑞", eightyOne.fullName);
    EXPECT_TRUE(eightyOne.listed);
    EXPECT_FALSE(Tick("瑞").listed);  // a three-character name once per run
    inputs_.minimumOn = false;
    EXPECT_TRUE(Tick("王").listed);   // dropped by the minimum, so not yet seen
    EXPECT_EQ(2u, seen_.Count());
}

TEST_F(NameTickTest, FixedCharacterGoesIntoTheNameAtItsPosition)
{
    inputs_.fixedOn = true;
    inputs_.fixedChar = "明";
    inputs_.fixedPosition = "2";
    NameTickResult fixed = Tick("王");
    EXPECT_EQ("一明王", fixed.fullName);
    EXPECT_TRUE(fixed.fixedApplied);
    // Empty pools give no given name: the fixed character at byte 5 is appended to the surname.
    inputs_.pools = ElementPools();
    inputs_.fixedPosition = "3";
    inputs_.surname = "张";
    inputs_.limits.thirdElements[kMu] = false;
    ThreeTalentsTable talents(&fixture_.db);
    NameTickResult empty = RunNameTick(NameTimer::Girl3, inputs_, previous_, talents, seen_);
    EXPECT_EQ("张明", empty.fullName);
    EXPECT_EQ(ScoreName(talents, "张明"), empty.score);
}

TEST_F(NameTickTest, TwoCharacterNamesKeepTheSecondCharacterLimitAndTheFixedSecondCharacter)
{
    // The limited pool holds only 一, the third character's pool only 王, which has nowhere to go.
    const struct {
        NameTimer timer;
        bool fixedOn;
        const char* position;
        const char* name;
        bool fixedApplied;
    } cases[] = {
        {NameTimer::Boy2, false, "2", "张一", false},
        {NameTimer::Girl2, false, "2", "张一", false},
        {NameTimer::Boy2, true, "2", "张明", true},
        {NameTimer::Girl2, true, "2", "张明", true},
        {NameTimer::Boy2, true, "3", "张一", false},  // a two-character name has no third character
        {NameTimer::Girl2, true, "3", "张一", false},
    };
    SeedRandom(5);
    inputs_.surname = "张";
    inputs_.fixedChar = "明";
    for (const auto& c : cases) {
        inputs_.fixedOn = c.fixedOn;
        inputs_.fixedPosition = c.position;
        for (int i = 0; i < 20; ++i) {
            const NameTickResult two = Tick("王", c.timer);
            ASSERT_EQ(c.name, two.fullName) << static_cast<int>(c.timer) << c.position;
            EXPECT_EQ(c.fixedApplied, two.fixedApplied);
            EXPECT_TRUE(two.listed);  // two-character names may repeat
        }
    }
    EXPECT_EQ(0u, seen_.Count());  // and are not remembered
}

TEST_F(NameTickTest, TwoCharacterGirlNamesLimitedToWoodHaveOnlyWoodCharacters)
{
    SeedRandom(11);
    inputs_.surname = "王";
    inputs_.pools = ElementPools();
    SortCharsByElement(GirlNameChars, inputs_.pools);
    inputs_.limits.secondElements = {false, true, false, false, false};  // 木
    ThreeTalentsTable talents(&fixture_.db);
    auto draw = [&] {
        const std::string name = RunNameTick(NameTimer::Girl2, inputs_, previous_, talents, seen_).fullName;
        EXPECT_EQ(4u, name.size());
        return name;
    };
    std::set<std::string> drawn;
    for (int i = 0; i < 300; ++i) {
        const std::string name = draw();
        EXPECT_EQ("木", GetCharElement(name.substr(2))) << name;
        drawn.insert(name);
    }
    EXPECT_GT(drawn.size(), 20u);
    EXPECT_EQ(0u, drawn.count("王珠") + drawn.count("王雪"));

    // Without the limit the whole list is drawn from, other elements included.
    inputs_.limits.second = false;
    std::set<std::string> elements;
    for (int i = 0; i < 300; ++i)
        elements.insert(GetCharElement(draw().substr(2)));
    EXPECT_GE(elements.size(), 4u);
}

TEST_F(NameTickTest, LimitsChooseBetweenPoolsAndTheList)
{
    SeedRandom(9);
    inputs_.limits.second = false;          // first character from the list
    inputs_.limits.thirdCheckNow = false;   // and, with the second limit off, the second too
    const std::string boys = BoyNameChars;
    for (int i = 0; i < 30; ++i) {
        const std::string name = Tick("王").fullName;
        ASSERT_EQ(6u, name.size());
        EXPECT_NE(0, TextFind(boys, name.substr(2, 2))) << name;
        EXPECT_NE(0, TextFind(boys, name.substr(4, 2))) << name;
    }
    inputs_.limits.thirdCheckNow = true;    // the check box's state now limits the third character
    EXPECT_EQ("王", Tick("王").fullName.substr(4, 2));
}

}  // namespace
