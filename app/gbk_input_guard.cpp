#include "app/gbk_input_guard.h"

#include "codepage/codepage.h"
#include "runtime/forms/form.h"
#include "skin/core/message_box.h"

const char kOutsideGbkWord[] = "程序用不了GBK以外的字（少见的生僻字、表情符号）和“?”，已从框里去掉。";

std::string WithoutUnwritableCharacters(const std::string& text)
{
    std::string kept;
    for (size_t at = 0; at < text.size();) {
        const size_t length = static_cast<size_t>(GbkCharLengthAt(text, at));
        if (length == 2 || text[at] != '?')
            kept += text.substr(at, length);
        at += length;
    }
    return kept;
}

bool RefuseCharactersOutsideGbk(forms::Form& window, forms::Unit& box)
{
    const std::string text = box.Text();
    const std::string kept = WithoutUnwritableCharacters(text);
    if (kept == text)
        return false;
    box.SetText(kept);
    ShowMessageBox(window.Window(), kOutsideGbkWord, MB_OK);
    return true;
}
