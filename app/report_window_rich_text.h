#pragma once
// Appending formatted pieces of text to a rich edit box, as the name report writes its lines.
#include <string>

#include "runtime/forms/unit.h"

// The optional arguments of one piece; what is not given counts as 0 (the font name as empty).
struct RichTextStyle {
    bool newLine = false;        // start a new paragraph first
    unsigned long colour = 0;    // COLORREF
    int size = 0;                // points; 0 keeps the size at the end of the box
    int effects = 0;             // 1 bold, 2 italic, 4 underline, 8 strike-out, 16 protected; 16 or more keeps them
    std::string fontName;        // empty keeps the font
    int offset = 0;              // vertical offset, points
    int alignment = 0;           // 2 centre, 3 right, anything else left
    int startIndent = 0;         // points
    int rightIndent = 0;
    int firstLineOffset = 0;
    bool bullet = false;
};

// Appends the text at the end of the box in the style: the character format at the end is changed
// as given (colour and offset always, effects below 16), and the paragraph format is set only for a
// new paragraph or an empty box. False when the box is no usable rich edit box.
bool AppendRichText(forms::Unit& box, const std::string& text, const RichTextStyle& style = {});
