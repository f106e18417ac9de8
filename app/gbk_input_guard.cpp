#include "app/gbk_input_guard.h"

#include "runtime/forms/form.h"
#include "skin/core/message_box.h"

const char kOutsideGbkWord[] = "程序用不了GBK以外的字（少见的生僻字、表情符号）和“?”，已从框里去掉。";

std::string WithoutUnwritableCharacters(const std::string& text)
{
    std::string kept;
    for (size_t at = 0; at < text.size(); ++at) {
        const auto lead = static_cast<unsigned char>(text[at]);
        if (lead >= 0x81 && at + 1 < text.size()) {  // a trail byte may be '?': it stays with its lead
            kept += text.substr(at, 2);
            ++at;
        } else if (text[at] != '?') {
            kept += text[at];
        }
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
