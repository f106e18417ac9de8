// Code page 936 (services/codepage): conversions both ways against a plain reading of UTF-8 and of GBK's
// characters; valid text round-trips, and no quote, "<" or NUL is ever swallowed.
#include <algorithm>

#include "codepage/codepage.h"
#include "fuzz_support.h"

namespace {

// UTF-8 by the book: the value a sequence encodes must need exactly that many bytes, lie outside the
// surrogates and not pass U+10FFFF. The length of the sequence at at, 0 when there is none.
size_t ReferenceUtf8Length(const std::string& text, size_t at, char32_t& value)
{
    unsigned char b = static_cast<unsigned char>(text[at]);
    size_t length = b < 0x80 ? 1 : (b & 0xE0) == 0xC0 ? 2 : (b & 0xF0) == 0xE0 ? 3 : (b & 0xF8) == 0xF0 ? 4 : 0;
    if (length == 0 || at + length > text.size())
        return 0;
    value = length == 1 ? b : b & (0x7F >> length);
    for (size_t k = 1; k < length; ++k) {
        unsigned char c = static_cast<unsigned char>(text[at + k]);
        if ((c & 0xC0) != 0x80)
            return 0;
        value = value << 6 | (c & 0x3F);
    }
    const char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (value < smallest[length] || (value >= 0xD800 && value <= 0xDFFF) || value > 0x10FFFF)
        return 0;
    return length;
}

size_t Count(const std::string& text, char c) { return static_cast<size_t>(std::count(text.begin(), text.end(), c)); }

void CheckGbkText(const std::string& gbk)
{
    std::string utf8 = GbkToUtf8(gbk);
    std::u16string utf16 = GbkToUtf16(gbk);
    // One UTF-16 unit per character of the code page; a lone lead byte is one character ("?").
    FUZZ_CHECK(utf16.size() == ReferenceStarts(gbk).size());
    FUZZ_CHECK(IsValidUtf8(utf8));
    // No byte below 0x40 is a trail byte, so none is swallowed.
    for (char c : {'"', '<', '\0', '\'', '='})
        FUZZ_CHECK(Count(utf8, c) == Count(gbk, c));

    bool valid = true;
    std::vector<size_t> starts = ReferenceStarts(gbk);
    for (size_t n = 0; n < starts.size(); ++n) {
        size_t at = starts[n];
        unsigned char lead = static_cast<unsigned char>(gbk[at]);
        char32_t code = ReferenceCharLength(gbk, at) == 2 ? GbkCodeToUnicode(lead, static_cast<unsigned char>(gbk[at + 1]))
                        : lead < 0x80 ? lead : lead == 0x80 ? 0x20AC : 0;
        bool assigned = code != 0 || lead == 0;
        FUZZ_CHECK(utf16[n] == (assigned ? static_cast<char16_t>(code) : u'?'));
        valid = valid && assigned;
    }
    FUZZ_CHECK(IsValidGbk(gbk) == valid);
    if (valid) {
        FUZZ_CHECK(Utf8ToGbk(utf8) == gbk);
        FUZZ_CHECK(Utf16ToGbk(utf16) == gbk);
    }
}

void CheckUtf8Text(const std::string& utf8)
{
    // Each well-formed sequence gives one character (or "?"), each byte of anything else one "?".
    bool valid = true;
    std::u16string expected;
    for (size_t at = 0; at < utf8.size();) {
        char32_t value = 0;
        size_t length = ReferenceUtf8Length(utf8, at, value);
        if (length == 0) {
            valid = false;
            expected += u'?';
            ++at;
            continue;
        }
        char bytes[2];
        int n = value > 0xFFFF ? 0 : UnicodeToGbkCode(value, bytes);
        expected += n == 0 ? u'?' : static_cast<char16_t>(value);
        at += length;
    }
    FUZZ_CHECK(IsValidUtf8(utf8) == valid);
    std::string gbk = Utf8ToGbk(utf8);
    FUZZ_CHECK(IsValidGbk(gbk));
    FUZZ_CHECK(GbkToUtf16(gbk) == expected);
    if (valid && gbk.find('?') == std::string::npos)
        FUZZ_CHECK(GbkToUtf8(gbk) == utf8);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string text(reinterpret_cast<const char*>(data), size);
    CheckGbkText(text);
    CheckUtf8Text(text);
    std::u16string wide;
    for (size_t i = 0; i + 1 < size; i += 2)
        wide += static_cast<char16_t>(data[i] | data[i + 1] << 8);
    std::string fromWide = Utf16ToGbk(wide);
    FUZZ_CHECK(IsValidGbk(fromWide));
    return 0;
}
