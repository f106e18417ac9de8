#include "app/poem_picker_layout.h"

#include "hanzi/pinyin.h"
#include "runtime/text.h"

namespace {

const char kLineBreak[] = "\r\n";

bool HoldsTwoByteCharacter(const std::string& line)
{
    for (size_t i = 0; i < line.size(); i += GbkCharLengthAt(line, i))
        if (GbkCharLengthAt(line, i) == 2)
            return true;
    return false;
}

}  // namespace

std::vector<std::string> SplitPoemIntoLines(const std::string& poemText)
{
    std::string text = poemText;
    for (const char* mark : {"，", ",", ".", "。", "？", "?"})
        text = TextReplaceAll(text, mark, kLineBreak);
    text = TextReplaceAll(text, "\r\n\r\n", kLineBreak);
    text = TextReplaceAll(text, "\xAA\xBD", "");
    text = TextRemoveBlanks(text);
    std::vector<std::string> lines = TextSplit(text, kLineBreak);
    if (!lines.empty() && !HoldsTwoByteCharacter(lines.back()))
        lines.pop_back();
    return lines;
}

std::vector<PickerBox> LayoutPickerBoxes(const std::vector<std::string>& lines, int templateLeft, int templateTop)
{
    std::vector<PickerBox> boxes;
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        int column = 0;
        for (size_t at = 0; at + 1 < line.size(); at += 2) {
            std::string character = line.substr(at, 2);
            if (GetPinyinCount(character) == 0)
                continue;
            ++column;
            PickerBox box;
            box.character = character;
            box.line = static_cast<int>(i) + 1;
            box.column = column;
            box.left = templateLeft + 32 * column - 30;
            box.top = templateTop + 16 * box.line - 10;
            boxes.push_back(std::move(box));
        }
    }
    return boxes;
}
