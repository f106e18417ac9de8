// The prefix's fonts draw every pinyin letter of GBK (row A8: ā á ǎ à ... ü ê ń ň ɑ ɡ) in every face
// the program writes with, through GDI as its native controls draw (list views, edits, the report's
// rich edit) and through GDI+ as its skin draws. A face whose glyph is empty shows "yǔ" as "y ".
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gdiplus/gdip_brush.h"
#include "gdiplus/gdip_font.h"
#include "gdiplus/gdip_graphics.h"
#include "gdiplus/gdip_test_support.h"
#include "services/codepage/codepage.h"

namespace {

struct PinyinLetter {
    const char* letter;  // GBK
    const char* body;    // a plain letter as high as the marked letter's body (n for i, whose dot the
                         // mark replaces); empty for ɑ and ɡ, which carry no mark
};

const PinyinLetter kLetters[] = {
    {"ā", "a"}, {"á", "a"}, {"ǎ", "a"}, {"à", "a"}, {"ē", "e"}, {"é", "e"}, {"ě", "e"}, {"è", "e"},
    {"ī", "n"}, {"í", "n"}, {"ǐ", "n"}, {"ì", "n"}, {"ō", "o"}, {"ó", "o"}, {"ǒ", "o"}, {"ò", "o"},
    {"ū", "u"}, {"ú", "u"}, {"ǔ", "u"}, {"ù", "u"}, {"ǖ", "u"}, {"ǘ", "u"}, {"ǚ", "u"}, {"ǜ", "u"},
    {"ü", "u"}, {"ê", "e"}, {"ɑ", ""},  {"ń", "n"}, {"ň", "n"}, {"ɡ", ""},
};

// The faces the program names (宋体 everywhere, 黑体 in dialog captions), the replaced 微软雅黑,
// Tahoma, and MS Shell Dlg, the face of the stock GUI font that some controls fall back on.
const char* const kFaces[] = {"宋体", "黑体", "微软雅黑", "Tahoma", "MS Shell Dlg"};

constexpr int kSide = 32;
constexpr int kTextPixels = 16;

// What one drawing of a letter left: its dark pixels, and their top row (kSide when none).
struct Ink {
    std::vector<bool> dark;
    int count = 0;
    int top = kSide;
};

Ink ReadInk(const TestCanvas& canvas)
{
    Ink ink;
    GdiFlush();
    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x) {
            const uint32_t c = canvas.Rgb(x, y);
            const bool dark = RedOf(c) < 0x80 && GreenOf(c) < 0x80 && BlueOf(c) < 0x80;
            ink.dark.push_back(dark);
            if (dark) {
                ++ink.count;
                ink.top = y < ink.top ? y : ink.top;
            }
        }
    return ink;
}

// GDI: a GB2312 font of the face, the GBK text drawn as the native controls draw theirs.
Ink DrawWithGdi(const char* face, const std::string& text)
{
    TestCanvas canvas(kSide, kSide);
    HFONT font = CreateFontA(-kTextPixels, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face);
    EXPECT_NE(font, nullptr);
    HGDIOBJ previous = SelectObject(canvas.Dc(), font);
    SetBkMode(canvas.Dc(), TRANSPARENT);
    SetTextColor(canvas.Dc(), RGB(0, 0, 0));
    RECT box = {4, 4, kSide, kSide};
    DrawTextA(canvas.Dc(), text.c_str(), static_cast<int>(text.size()), &box, DT_LEFT | DT_TOP | DT_NOPREFIX);
    Ink ink = ReadInk(canvas);
    SelectObject(canvas.Dc(), previous);
    DeleteObject(font);
    return ink;
}

// GDI+: the program's own wrapper, a font made from the face name and the GBK text drawn.
Ink DrawWithGdiplus(const char* face, const std::string& text)
{
    TestCanvas canvas(kSide, kSide);
    GdipGraphics graphics;
    GdipFont font;
    GdipSolidBrush black;
    EXPECT_TRUE(graphics.CreateFromHDC(canvas.Dc()));
    EXPECT_TRUE(font.CreateFontFromName(face, kTextPixels, 0, 2)) << face;  // unit 2: pixels
    EXPECT_TRUE(black.CreateSolidFill(0xFF000000));
    EXPECT_TRUE(graphics.DrawString(text, font, black, {4, 4, kSide - 4, kSide - 4}));
    graphics.DeleteGraphics();
    return ReadInk(canvas);
}

TEST(PinyinLetters, TheTableHoldsEveryPinyinLetterOfTheCodePage)
{
    std::vector<std::string> ofCodePage;
    for (int trail = 0xA1; trail <= 0xC0; ++trail)
        if (GbkCodeToUnicode(0xA8, static_cast<unsigned char>(trail)) != 0)
            ofCodePage.push_back(std::string{'\xA8', static_cast<char>(trail)});
    std::vector<std::string> listed;
    for (const PinyinLetter& l : kLetters)
        listed.push_back(l.letter);
    EXPECT_EQ(ofCodePage, listed);
}

TEST(PinyinLetters, EveryFaceDrawsEveryLetterWithItsMarkThroughGdiAndGdiplus)
{
    const struct {
        const char* path;
        Ink (*draw)(const char*, const std::string&);
    } paths[] = {{"GDI", DrawWithGdi}, {"GDI+", DrawWithGdiplus}};
    for (const auto& path : paths)
        for (const char* face : kFaces) {
            SCOPED_TRACE(std::string(path.path) + " " + GbkToUtf8(face));
            std::vector<Ink> drawn;
            for (const PinyinLetter& l : kLetters) {
                const Ink ink = path.draw(face, l.letter);
                EXPECT_GT(ink.count, 0) << GbkToUtf8(l.letter) << " left no ink";
                if (*l.body) {
                    // The mark stands above the letter's body.
                    const Ink plain = path.draw(face, l.body);
                    EXPECT_LT(ink.top, plain.top) << GbkToUtf8(l.letter) << " shows no mark over " << l.body;
                }
                drawn.push_back(ink);
            }
            // Each letter its own picture: a face that draws a box for every letter it lacks fails here.
            for (size_t i = 0; i < drawn.size(); ++i)
                for (size_t j = i + 1; j < drawn.size(); ++j)
                    EXPECT_NE(drawn[i].dark, drawn[j].dark)
                        << GbkToUtf8(kLetters[i].letter) << " and " << GbkToUtf8(kLetters[j].letter) << " look alike";
        }
}

}  // namespace
