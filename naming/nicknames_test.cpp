// Nickname rows, the draw of nickname characters and the custom test.
#include "naming/nicknames.h"

#include <gtest/gtest.h>

#include <set>

#include "naming/char_data.h"
#include "naming/name_lists.h"
#include "naming/name_score.h"
#include "runtime/text.h"

namespace {

// Kangxi counts: 三 3, 小 3, 石 5, 成 7; 张 11.
TEST(NicknameRows, CellsOfThePatterns)
{
    std::vector<std::string> counted;
    const std::string aa = MakeNickname(NicknamePattern::AA, "成", counted);
    NicknameRow row = MakeNicknameRow("7", aa, counted, GetKangxiStrokeCount("张"));
    EXPECT_EQ("7", row.serial);
    EXPECT_EQ("成成", row.nickname);
    EXPECT_EQ(GetNamePinyin("成成", 1), row.reading);
    EXPECT_EQ(GetCharElement("成") + " " + GetCharElement("成"), row.elements);
    EXPECT_EQ("7+7=14", row.strokes);
    EXPECT_EQ(GetNumberMeaningText(25), row.meaning);  // 14 + 11
    EXPECT_EQ(1, TextFind(row.meaning, "（荣俊）"));
    EXPECT_EQ("大吉", row.luck);
    EXPECT_EQ(7u, NicknameRowCells(row).size());

    row = MakeNicknameRow("1", MakeNickname(NicknamePattern::XiaoA, "成", counted), counted, 11);
    EXPECT_EQ("小成", row.nickname);
    EXPECT_EQ(1, TextFind(row.elements, GetCharElement("小") + " "));
    EXPECT_EQ("3+7=10", row.strokes);
    row = MakeNicknameRow("1", MakeNickname(NicknamePattern::AEr, "成", counted), counted, 0);
    EXPECT_EQ("成儿", row.nickname);
    EXPECT_EQ("7+" + IntToText(GetKangxiStrokeCount("儿")), TextLeft(row.strokes, 3));
}

TEST(NicknameRows, CustomTestCountsOneToThreeCharacters)
{
    NicknameRow three = CustomTestRow("三石成", 11);
    EXPECT_EQ("1", three.serial);
    EXPECT_EQ("三石成", three.nickname);
    EXPECT_EQ("3+5+7=15", three.strokes);
    EXPECT_EQ(GetNumberMeaningText(26), three.meaning);
    EXPECT_EQ("半吉", three.luck);

    NicknameRow four = CustomTestRow("一二三四", 11);
    EXPECT_EQ((std::vector<std::string>{"1", "一二三四", GetNamePinyin("一二三四", 1), "", "", "", ""}),
              NicknameRowCells(four));

    EXPECT_EQ("7", CustomTestRow("成", 0).strokes);  // one character: its count alone
    EXPECT_EQ("3+7=10", CustomTestRow("小成", 0).strokes);
    EXPECT_EQ("0+7=7", CustomTestRow("a成", 0).strokes);  // three bytes: the first two and the last two
    NicknameRow empty = CustomTestRow("", 11);
    EXPECT_EQ("", empty.strokes + empty.elements + empty.luck);
}

TEST(NicknameDraw, EveryDrawIsReseededDifferentlyAndStaysInItsRange)
{
    const std::string chars = NicknameChars;
    std::set<std::string> reachable;
    for (size_t at = 2; at < 1318; at += 2)
        reachable.insert(chars.substr(at, 2));  // characters 2 to 659
    std::set<std::string> drawn;
    for (int i = 0; i < 2000; ++i) {
        const std::string ch = PickRandomNicknameChar();
        ASSERT_EQ(1u, reachable.count(ch)) << i;
        drawn.insert(ch);
    }
    EXPECT_GT(drawn.size(), 300u);  // back-to-back draws do not repeat one seed
}

TEST(NicknameRows, RunsListTheirRowCountInBatches)
{
    std::atomic<bool> stop{false};
    std::vector<TextRow> rows;
    int batches = 0;
    EXPECT_TRUE(ProduceNicknameRows(NicknamePattern::AA, 11, stop, [&](std::vector<TextRow>& batch) {
        ++batches;
        rows.insert(rows.end(), batch.begin(), batch.end());
        return true;
    }));
    ASSERT_EQ(360u, rows.size());
    EXPECT_GE(batches, 1);
    std::set<std::string> names;
    for (size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(IntToText(static_cast<long long>(i + 1)), rows[i][0]);
        ASSERT_EQ(4u, rows[i][1].size());
        EXPECT_EQ(rows[i][1].substr(0, 2), rows[i][1].substr(2, 2));
        names.insert(rows[i][1]);
    }
    EXPECT_GT(names.size(), 100u);
    EXPECT_EQ(300, NicknameRowCount(NicknamePattern::XiaoA));
    EXPECT_EQ(300, NicknameRowCount(NicknamePattern::AEr));
    stop = true;
    EXPECT_FALSE(ProduceNicknameRows(NicknamePattern::AEr, 11, stop, [](std::vector<TextRow>&) { return true; }));
}

}  // namespace
