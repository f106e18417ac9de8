#include "app/report_window_rich_text.h"

#include <climits>

bool AppendRichText(forms::Unit& box, const std::string& text, const RichTextStyle& style)
{
    if (style.newLine ? !box.AppendText("\r\n") : !box.SetSelection(INT_MAX))
        return false;

    forms::RichCharFormat chars;
    if (!box.GetCharFormat(chars))
        return false;
    if (!style.fontName.empty())
        chars.fontName = style.fontName;
    if (style.size > 0)
        chars.size = style.size;
    chars.offset = style.offset;
    chars.colour = style.colour;
    if (style.effects < 16)
        chars.effects = style.effects;

    if (style.newLine || box.TextLength() == 0) {
        forms::RichParaFormat para;
        if (!box.GetParaFormat(para))
            return false;
        para.bullet = style.bullet;
        para.startIndent = style.startIndent;
        para.rightIndent = style.rightIndent;
        para.firstLineOffset = style.firstLineOffset;
        para.alignment = style.alignment;
        if (!box.SetParaFormat(para))
            return false;
    }
    return box.SetCharFormat(chars) && box.AppendText(text);
}
