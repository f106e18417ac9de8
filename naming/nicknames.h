#pragma once
// The nickname generator: nicknames in the patterns AA, 小A and A儿 from characters drawn out of
// NicknameChars, their list rows, and the test of one nickname the user types.
#include <string>
#include <vector>

#include "row_batches.h"

enum class NicknamePattern { AA, XiaoA, AEr };

// The seven cells of a row of the nickname list.
struct NicknameRow {
    std::string serial;    // 序号, from 1
    std::string nickname;  // 小名
    std::string reading;   // 读音: each reading followed by a blank
    std::string elements;  // 五行: the element of each counted character, joined by a blank
    std::string strokes;   // 康熙笔画: the counts joined by "+", then "=" and their sum (one count alone)
    std::string meaning;   // 评价(双击复制): the text of the number T = sum + the surname's count
    std::string luck;      // 吉凶: the luck class of T
};
std::vector<std::string> NicknameRowCells(const NicknameRow& row);

// The row of a nickname whose counted characters are given; surnameStrokes is the Kangxi count of
// the whole surname text.
NicknameRow MakeNicknameRow(const std::string& serial, const std::string& nickname,
                            const std::vector<std::string>& counted, int surnameStrokes);

// The nickname of a pattern for the character a, and the characters it counts.
std::string MakeNickname(NicknamePattern pattern, const std::string& a, std::vector<std::string>& counted);
// The rows a run of the pattern lists: AA 360, 小A and A儿 300.
int NicknameRowCount(NicknamePattern pattern);

// One character of NicknameChars: the generator is seeded afresh before every draw, each time with a
// different seed (the clock's count mixed with a count of the calls), then p in [1, 1307] moves by
// the draw rule of char_draw.h; so characters 2 to 659 of the list can be drawn.
std::string PickRandomNicknameChar();

// The rows of one run, serials from 1, handed on in batches. Stops early, returning false, when stop
// is set or the sink refuses a batch. Names may repeat.
bool ProduceNicknameRows(NicknamePattern pattern, int surnameStrokes, const std::atomic<bool>& stop,
                         const RowBatchSink& sink);

// The test of a typed text: serial "1", the text and its reading; by its byte length one (1-2
// bytes), two (3-4: the first and the last two bytes) or three characters (5-6: bytes 1-2, 3-4 and
// the last two) are counted for the other cells, which stay empty for a longer text.
NicknameRow CustomTestRow(const std::string& text, int surnameStrokes);
