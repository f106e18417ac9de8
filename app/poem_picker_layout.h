#pragma once
// The character picker of the poem page: a poem text cut into the lines the picker shows, and the
// place of one check box per character. Texts GBK.
#include <string>
#include <vector>

// Lines of a poem text (the column 诗句) as the picker lays them out: every "，", ",", ".", "。", "？"
// and "?" becomes a line break; a double line break (CR LF CR LF) becomes one, in one pass; the code
// AA BD is deleted and blanks are removed; the text is cut at CR LF (a trailing empty piece is not
// a line). The last line is dropped only when it holds no two-byte character, so a poem whose
// text ends with its last line keeps it.
std::vector<std::string> SplitPoemIntoLines(const std::string& poemText);

struct PickerBox {
    std::string character;  // the box's caption
    int line = 0;           // from 1
    int column = 0;         // from 1, counting only the characters that got a box
    int left = 0;
    int top = 0;
};

// One box per two-byte character with a reading (the units at byte positions 1, 3, 5, ... of each
// line), placed from the template box: left = templateLeft + 32 x column - 30, top = templateTop +
// 16 x line - 10. A character without a reading gets no box and leaves no gap.
std::vector<PickerBox> LayoutPickerBoxes(const std::vector<std::string>& lines, int templateLeft, int templateTop);
