#include "text.h"

#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

const char kFullWidthBlank[] = "\xA1\xA1";

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool MatchesAt(const std::string& text, size_t at, const std::string& sought, bool ignoreAsciiCase)
{
    if (at + sought.size() > text.size())
        return false;
    if (!ignoreAsciiCase)
        return text.compare(at, sought.size(), sought) == 0;
    for (size_t k = 0; k < sought.size(); ++k)
        if (AsciiLower(text[at + k]) != AsciiLower(sought[k]))
            return false;
    return true;
}

// 0-based index of the match at or after byte index start, or npos.
size_t FindFrom(const std::string& text, const std::string& sought, size_t start, bool ignoreAsciiCase)
{
    if (text.empty() || start >= text.size())
        return std::string::npos;
    if (sought.empty())
        return start;
    for (size_t i = start; i < text.size(); i += GbkCharLengthAt(text, i))
        if (MatchesAt(text, i, sought, ignoreAsciiCase))
            return i;
    return std::string::npos;
}

int FindImpl(const std::string& text, const std::string& sought, int startPos, bool ignoreAsciiCase)
{
    size_t start = startPos < 1 ? 0 : static_cast<size_t>(startPos - 1);
    size_t at = FindFrom(text, sought, start, ignoreAsciiCase);
    return at == std::string::npos ? 0 : static_cast<int>(at + 1);
}

bool IsBlankAt(const std::string& text, size_t i, size_t& length)
{
    if (text[i] == ' ') {
        length = 1;
        return true;
    }
    length = GbkCharLengthAt(text, i);
    return length == 2 && text.compare(i, 2, kFullWidthBlank) == 0;
}

}  // namespace

int TextFind(const std::string& text, const std::string& sought, int startPos)
{
    return FindImpl(text, sought, startPos, false);
}

int TextFindNoCase(const std::string& text, const std::string& sought, int startPos)
{
    return FindImpl(text, sought, startPos, true);
}

std::string TextLeft(const std::string& text, int count)
{
    return count <= 0 ? std::string() : text.substr(0, static_cast<size_t>(count));
}

std::string TextRight(const std::string& text, int count)
{
    if (count <= 0)
        return std::string();
    size_t n = static_cast<size_t>(count);
    return n >= text.size() ? text : text.substr(text.size() - n);
}

std::string TextMid(const std::string& text, int startPos, int count)
{
    if (startPos < 1)
        startPos = 1;
    if (count <= 0 || static_cast<size_t>(startPos) > text.size())
        return std::string();
    return text.substr(static_cast<size_t>(startPos - 1), static_cast<size_t>(count));
}

std::string TextReplaceAll(const std::string& text, const std::string& sought, const std::string& replacement,
                           bool ignoreAsciiCase)
{
    if (sought.empty())
        return text;
    std::string out;
    size_t copied = 0;
    for (size_t i = 0; i < text.size();) {
        if (MatchesAt(text, i, sought, ignoreAsciiCase)) {
            out.append(text, copied, i - copied);
            out += replacement;
            i += sought.size();
            copied = i;
        } else {
            i += GbkCharLengthAt(text, i);
        }
    }
    out.append(text, copied, std::string::npos);
    return out;
}

std::string ReplaceSubstrings(std::string text, const std::vector<std::pair<std::string, std::string>>& pairs)
{
    for (const auto& pair : pairs)
        text = TextReplaceAll(text, pair.first, pair.second, true);
    return text;
}

std::vector<std::string> TextSplit(const std::string& text, const std::string& delimiter)
{
    std::vector<std::string> pieces;
    if (text.empty())
        return pieces;
    if (delimiter.empty()) {
        pieces.push_back(text);
        return pieces;
    }
    size_t pieceStart = 0;
    for (size_t i = 0; i < text.size();) {
        if (MatchesAt(text, i, delimiter, false)) {
            pieces.push_back(text.substr(pieceStart, i - pieceStart));
            i += delimiter.size();
            pieceStart = i;
        } else {
            i += GbkCharLengthAt(text, i);
        }
    }
    if (pieceStart < text.size())
        pieces.push_back(text.substr(pieceStart));
    return pieces;
}

std::string TextJoin(const std::vector<std::string>& pieces, const std::string& separator)
{
    std::string out;
    for (size_t i = 0; i < pieces.size(); ++i) {
        if (i > 0)
            out += separator;
        out += pieces[i];
    }
    return out;
}

namespace {

std::string RemoveBlanksOnce(const std::string& text)
{
    std::string out;
    for (size_t i = 0; i < text.size();) {
        size_t length;
        if (!IsBlankAt(text, i, length))
            out.append(text, i, length);
        i += length;
    }
    return out;
}

}  // namespace

std::string TextRemoveBlanks(const std::string& text)
{
    // A lone lead byte before a removed blank pairs with the byte after it, which can move the
    // character boundaries onto a full-width blank: remove again until nothing changes. Every pass
    // that changes the text shortens it, so the loop ends.
    std::string out = RemoveBlanksOnce(text);
    for (std::string again = RemoveBlanksOnce(out); again.size() != out.size(); again = RemoveBlanksOnce(out))
        out = std::move(again);
    return out;
}

std::string TextTrimLeft(const std::string& text)
{
    size_t i = 0, length = 0;
    while (i < text.size() && IsBlankAt(text, i, length))
        i += length;
    return text.substr(i);
}

std::string TextTrimRight(const std::string& text)
{
    // Walk forward so a trail byte is never mistaken for a blank; remember where the last non-blank ends.
    size_t end = 0;
    for (size_t i = 0; i < text.size();) {
        size_t length;
        bool blank = IsBlankAt(text, i, length);
        i += length;
        if (!blank)
            end = i;
    }
    return text.substr(0, end);
}

std::string TextTrim(const std::string& text) { return TextTrimRight(TextTrimLeft(text)); }

namespace {
template <typename Map>
std::string MapAsciiBytes(const std::string& text, Map map)
{
    std::string out = text;
    for (size_t i = 0; i < out.size(); i += GbkCharLengthAt(out, i))
        if (static_cast<unsigned char>(out[i]) < 0x80)
            out[i] = map(out[i]);
    return out;
}
}  // namespace

std::string TextToUpper(const std::string& text)
{
    return MapAsciiBytes(text, [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; });
}

std::string TextToLower(const std::string& text)
{
    return MapAsciiBytes(text, [](char c) { return AsciiLower(c); });
}

std::string TextToFullWidth(const std::string& text)
{
    std::string out;
    for (size_t i = 0; i < text.size();) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        // A lead byte keeps the byte after it even when that is no trail byte: widening such a byte
        // would join the two into another character, and TextToHalfWidth could not undo it.
        size_t length = IsGbkLeadByte(c) && i + 1 < text.size() ? 2 : 1;
        if (length == 1 && c == ' ') {
            out += kFullWidthBlank;
        } else if (length == 1 && c >= 0x21 && c <= 0x7E) {
            out += '\xA3';
            out += static_cast<char>(c - 0x21 + 0xA1);
        } else {
            out.append(text, i, length);
        }
        i += length;
    }
    return out;
}

std::string TextToHalfWidth(const std::string& text)
{
    std::string out;
    for (size_t i = 0; i < text.size();) {
        int length = GbkCharLengthAt(text, i);
        unsigned char lead = static_cast<unsigned char>(text[i]);
        unsigned char trail = length == 2 ? static_cast<unsigned char>(text[i + 1]) : 0;
        if (length == 2 && lead == 0xA1 && trail == 0xA1)
            out += ' ';
        else if (length == 2 && lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE)
            out += static_cast<char>(trail - 0xA1 + 0x21);
        else
            out.append(text, i, length);
        i += length;
    }
    return out;
}

std::string TextRepeat(const std::string& text, int times)
{
    std::string out;
    for (int i = 0; i < times; ++i)
        out += text;
    return out;
}

std::string IntToText(long long value) { return std::to_string(value); }

std::string NumberToText(double value)
{
    if (std::isfinite(value) && value == std::trunc(value) && std::fabs(value) < 9.2e18)
        return IntToText(static_cast<long long>(value));
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    return buffer;
}

namespace {

// A plain decimal number at the start of a text: [blanks] [sign] digits [. digits] [e [sign] digits],
// where the digits before or after the point may be missing but not both.
struct DecimalScan {
    size_t start = 0, end = 0;  // the number's bytes, blanks before it excluded
    bool negative = false;
    std::string digits;         // integer and fraction digits together
    size_t pointAt = 0;         // how many of them stand before the point
    long long exponent = 0;     // clamped far beyond any long long or double
};

bool ScanDecimal(const std::string& text, DecimalScan& scan)
{
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    scan.start = i;
    auto digitsFrom = [&](size_t& k) {
        size_t first = k;
        while (k < text.size() && text[k] >= '0' && text[k] <= '9')
            ++k;
        return k - first;
    };
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        scan.negative = text[i++] == '-';
    size_t integerStart = i;
    size_t mantissa = digitsFrom(i);
    scan.digits = text.substr(integerStart, mantissa);
    scan.pointAt = mantissa;
    if (i < text.size() && text[i] == '.') {
        size_t k = i + 1;
        size_t fraction = digitsFrom(k);
        if (mantissa + fraction > 0) {
            scan.digits += text.substr(i + 1, fraction);
            i = k, mantissa += fraction;
        }
    }
    if (mantissa == 0)
        return false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        size_t k = i + 1;
        bool negativeExponent = false;
        if (k < text.size() && (text[k] == '+' || text[k] == '-'))
            negativeExponent = text[k++] == '-';
        size_t exponentStart = k;
        if (digitsFrom(k) > 0) {
            long long e = 0;
            for (size_t d = exponentStart; d < k; ++d)
                e = e > 1000000 ? e : e * 10 + (text[d] - '0');
            scan.exponent = negativeExponent ? -e : e;
            i = k;
        }
    }
    scan.end = i;
    return true;
}

}  // namespace

double TextToNumber(const std::string& text)
{
    DecimalScan scan;
    if (!ScanDecimal(text, scan))
        return 0;
    double value = std::strtod(text.substr(scan.start, scan.end - scan.start).c_str(), nullptr);
    return std::isfinite(value) ? value : 0;
}

long long TextToInt(const std::string& text)
{
    // Integer arithmetic on the digits before the (shifted) point, so every long long reads back
    // exactly; beyond the range the result stays at the nearest end.
    DecimalScan scan;
    if (!ScanDecimal(text, scan))
        return 0;
    const unsigned long long limit = scan.negative ? static_cast<unsigned long long>(LLONG_MAX) + 1 : LLONG_MAX;
    long long wholeDigits = static_cast<long long>(scan.pointAt) + scan.exponent;
    unsigned long long magnitude = 0;
    for (long long d = 0; d < wholeDigits && magnitude < limit; ++d) {
        if (d >= static_cast<long long>(scan.digits.size()) && magnitude == 0)
            break;  // zeros shifted further stay zero
        unsigned digit = d < static_cast<long long>(scan.digits.size()) ? static_cast<unsigned>(scan.digits[d] - '0') : 0;
        magnitude = magnitude > (limit - digit) / 10 ? limit : magnitude * 10 + digit;
    }
    if (!scan.negative)
        return static_cast<long long>(magnitude);
    return magnitude == limit ? LLONG_MIN : -static_cast<long long>(magnitude);
}
