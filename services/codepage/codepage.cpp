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
    if (b < 0x80) {
        length = 1;
        return b;
    }
    if (b == 0x80 || b == 0xFF || i + 1 >= text.size()) {
        length = 1;
        return b == 0x80 ? 0x20AC : 0;
    }
    length = 2;
    return GbkCodeToUnicode(b, static_cast<unsigned char>(text[i + 1]));
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
        unsigned char b = static_cast<unsigned char>(utf8[i]);
        int extra = b < 0x80 ? 0 : (b >> 5) == 6 ? 1 : (b >> 4) == 14 ? 2 : (b >> 3) == 30 ? 3 : -1;
        bool valid = extra >= 0 && i + extra < utf8.size();
        char32_t c = extra == 0 ? b : extra == 1 ? (b & 0x1F) : extra == 2 ? (b & 0x0F) : (b & 0x07);
        for (int k = 1; valid && k <= extra; ++k) {
            unsigned char t = static_cast<unsigned char>(utf8[i + k]);
            valid = (t & 0xC0) == 0x80;
            c = (c << 6) | (t & 0x3F);
        }
        if (!valid) {
            out += '?';
            ++i;
            continue;
        }
        AppendGbk(out, c);
        i += extra + 1;
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
