#include "naming/surname_text.h"

#include <gtest/gtest.h>

TEST(CleanSurname, TrimsBlanksAndCutsToSixCharacters)
{
    const std::string full = "\xa1\xa1";  // the full-width blank
    const struct {
        std::string text, surname;
    } cases[] = {
        {"司马 ", "司马"},
        {" 张", "张"},
        {full + "欧阳" + full + " ", "欧阳"},
        {"司 马", "司 马"},
        {"   ", ""},
        {full, ""},
        {"", ""},
        {"爱新觉罗张三丰", "爱新觉罗张三"},
        {"  " + full + "爱新觉罗张三丰", "爱新觉罗张三"},  // blanks before it do not count
        {"爱新觉罗张 三", "爱新觉罗张"},             // nor one at the cut
        {"abcdefgh", "abcdef"},
        {"张\x81", "张\x81"},  // a lone lead byte at the end stays one character
    };
    for (const auto& c : cases)
        EXPECT_EQ(CleanSurname(c.text), c.surname) << c.text;
}

TEST(CleanSurname, AnEndlessSurnameComesBackShort)
{
    std::string endless;
    for (int i = 0; i < 100000; ++i)
        endless += "张";
    EXPECT_EQ(CleanSurname(endless), "张张张张张张");
    EXPECT_EQ(CleanSurname(std::string(10 << 20, 'x')), "xxxxxx");
}

// The surname as cleaned decides where the given name starts; a name that does not start with it, or
// leaves no or too many characters after it, falls back to the length rule of the scorer.
TEST(SurnameCharsOfName, TheCleanedSurnameDecidesWhereTheGivenNameStarts)
{
    const struct {
        const char* name;
        const char* surname;
        int chars;
    } cases[] = {
        {"司马霞", "司马", 2},   {"司马霞光", "司马", 2}, {"张霞", "张", 1},     {"张霞光", "张", 1},
        {"司马霞", "司", 1},     {"司马霞", "王", 1},     {"司马霞光", "王", 2}, {"司马", "司马", 1},
        {"司马霞", "", 1},       {"欧阳娜娜娜", "欧阳", 1}, {"张三丰", "张三丰", 1}, {"", "张", 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.chars, SurnameCharsOfName(c.name, c.surname)) << c.name << " " << c.surname;
        EXPECT_EQ(static_cast<size_t>(std::string(c.name).empty() ? 0 : 2 * c.chars),
                  SurnameBytesOfName(c.name, c.surname)) << c.name << " " << c.surname;
    }
}
