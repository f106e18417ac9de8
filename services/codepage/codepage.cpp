#include "codepage.h"

#include <vector>

#include "cp936_table.inc"

namespace {

const std::vector<unsigned short>& UnicodeToGbkTable()
{
    // Built once, on first use; static initialisation is thread-safe.
    static const std::vector<unsigned short> table = [] {
        std::vector<unsigned short> t(0x10000, 0);
        for (int i = 0; i < static_cast<int>(sizeof(kGbkToUnicode) / sizeof(kGbkToUnicode[0])); ++i) {
            unsigned short u = kGbkToUnicode[i];
            if (u == 0 || t[u] != 0)
                continue;
            int lead = 0x81 + i / 191, trail = 0x40 + i % 191;
            t[u] = static_cast<unsigned short>((lead << 8) | trail);
        }
        t[0x20AC] = 0x80;
        return t;
    }();
    return table;
}

void AppendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Decodes one GBK character at text[i]; sets length to the bytes used. Unassigned gives 0.
char32_t DecodeGbkAt(std::string_view text, size_t i, size_t& length)
{
    unsigned char b = static_cast<unsigned char>(text[i]);
    length = static_cast<size_t>(GbkCharLengthAt(text, i));
    if (length == 2)
        return GbkCodeToUnicode(b, static_cast<unsigned char>(text[i + 1]));
    if (b < 0x80)
        return b;
    return b == 0x80 ? 0x20AC : 0;  // a lead byte alone, or 0xFF
}

// Decodes one well-formed UTF-8 sequence at text[i] into c; returns its length, 0 when the bytes there
// are no character (overlong, surrogate, beyond U+10FFFF, cut off or a stray byte).
size_t DecodeUtf8At(std::string_view text, size_t i, char32_t& c)
{
    unsigned char b = static_cast<unsigned char>(text[i]);
    if (b < 0x80) {
        c = b;
        return 1;
    }
    size_t length;
    unsigned char secondMin = 0x80, secondMax = 0xBF;
    if (b >= 0xC2 && b <= 0xDF) {
        length = 2;
        c = b & 0x1F;
    } else if (b >= 0xE0 && b <= 0xEF) {
        length = 3;
        c = b & 0x0F;
        if (b == 0xE0)
            secondMin = 0xA0;  // below is overlong
        else if (b == 0xED)
            secondMax = 0x9F;  // above are the surrogates
    } else if (b >= 0xF0 && b <= 0xF4) {
        length = 4;
        c = b & 0x07;
        if (b == 0xF0)
            secondMin = 0x90;
        else if (b == 0xF4)
            secondMax = 0x8F;  // above is beyond U+10FFFF
    } else {
        return 0;
    }
    if (i + length > text.size())
        return 0;
    for (size_t k = 1; k < length; ++k) {
        unsigned char t = static_cast<unsigned char>(text[i + k]);
        if (t < (k == 1 ? secondMin : 0x80) || t > (k == 1 ? secondMax : 0xBF))
            return 0;
        c = (c << 6) | (t & 0x3F);
    }
    return length;
}

template <typename Sink>
void ForEachGbkChar(std::string_view gbk, Sink sink)
{
    for (size_t i = 0; i < gbk.size();) {
        size_t length = 1;
        char32_t c = DecodeGbkAt(gbk, i, length);
        sink(c == 0 && gbk[i] != 0 ? U'?' : c);
        i += length;
    }
}

}  // namespace

char32_t GbkCodeToUnicode(unsigned char lead, unsigned char trail)
{
    if (lead < 0x80)
        return lead;
    if (lead == 0x80)
        return 0x20AC;
    if (lead > 0xFE || trail < 0x40 || trail > 0xFE || trail == 0x7F)
        return 0;
    return kGbkToUnicode[(lead - 0x81) * 191 + (trail - 0x40)];
}

int UnicodeToGbkCode(char32_t value, char out[2])
{
    if (value < 0x80) {
        out[0] = static_cast<char>(value);
        return 1;
    }
    if (value > 0xFFFF)
        return 0;
    unsigned short code = UnicodeToGbkTable()[value];
    if (code == 0)
        return 0;
    if (code < 0x100) {
        out[0] = static_cast<char>(code);
        return 1;
    }
    out[0] = static_cast<char>(code >> 8);
    out[1] = static_cast<char>(code & 0xFF);
    return 2;
}

std::u16string GbkToUtf16(std::string_view gbk)
{
    std::u16string out;
    out.reserve(gbk.size());
    ForEachGbkChar(gbk, [&](char32_t c) { out += static_cast<char16_t>(c); });
    return out;
}

std::string GbkToUtf8(std::string_view gbk)
{
    std::string out;
    out.reserve(gbk.size() * 3 / 2);
    ForEachGbkChar(gbk, [&](char32_t c) { AppendUtf8(out, c); });
    return out;
}

namespace {
void AppendGbk(std::string& out, char32_t c)
{
    char bytes[2];
    int n = UnicodeToGbkCode(c, bytes);
    if (n == 0)
        out += '?';
    else
        out.append(bytes, n);
}
}  // namespace

std::string Utf16ToGbk(std::u16string_view utf16)
{
    std::string out;
    out.reserve(utf16.size() * 2);
    for (size_t i = 0; i < utf16.size(); ++i) {
        char32_t c = utf16[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 && utf16[i + 1] <= 0xDFFF)
            ++i, c = 0x10000;  // outside the BMP: GBK has none of these
        AppendGbk(out, c);
    }
    return out;
}

std::string Utf8ToGbk(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        char32_t c = 0;
        size_t length = DecodeUtf8At(utf8, i, c);
        if (length == 0) {
            out += '?';
            ++i;
            continue;
        }
        AppendGbk(out, c);
        i += length;
    }
    return out;
}

bool IsValidGbk(std::string_view gbk)
{
    for (size_t i = 0; i < gbk.size();) {
        size_t length = 1;
        if (DecodeGbkAt(gbk, i, length) == 0 && gbk[i] != 0)
            return false;
        i += length;
    }
    return true;
}

bool IsValidUtf8(std::string_view utf8)
{
    for (size_t i = 0; i < utf8.size();) {
        char32_t c;
        size_t length = DecodeUtf8At(utf8, i, c);
        if (length == 0)
            return false;
        i += length;
    }
    return true;
}
