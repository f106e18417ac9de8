#pragma once
// What the fuzz targets share: reading typed values off libFuzzer's input, a check that turns a broken
// property into a finding, and the plain rules the layers are compared against, written out afresh.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <unistd.h>

// A broken property aborts, so libFuzzer reports it like a crash and keeps the input.
#define FUZZ_CHECK(condition) ((condition) ? (void)0 : FuzzFail(#condition, __FILE__, __LINE__))

[[noreturn]] inline void FuzzFail(const char* what, const char* file, int line)
{
    std::fprintf(stderr, "property broken: %s (%s:%d)\n", what, file, line);
    std::abort();
}

// The input read from the front: texts end at a backslash followed by anything but a backslash ("\\"
// is one backslash), so a seed file reads almost like the texts it holds.
class FuzzInput {
public:
    FuzzInput(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    bool Empty() const { return pos_ >= size_; }
    unsigned char Byte() { return pos_ < size_ ? data_[pos_++] : 0; }
    bool Flag() { return (Byte() & 1) != 0; }

    // An integer in [low, high] (high - low below 2^63), from as few bytes as the range needs.
    long long IntInRange(long long low, long long high)
    {
        unsigned long long range = static_cast<unsigned long long>(high - low), value = 0;
        for (unsigned long long covered = 0; covered < range && !Empty(); covered = covered << 8 | 0xFF)
            value = value << 8 | Byte();
        return low + static_cast<long long>(range == ~0ULL ? value : value % (range + 1));
    }

    long long LongLong()
    {
        unsigned long long value = 0;
        for (int i = 0; i < 8; ++i)
            value = value << 8 | Byte();
        return static_cast<long long>(value);
    }

    double Double()
    {
        unsigned long long bits = static_cast<unsigned long long>(LongLong());
        double value;
        static_assert(sizeof value == sizeof bits, "a double is 8 bytes");
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }

    std::string Text(size_t maxLength = 64)
    {
        std::string text;
        while (!Empty() && text.size() < maxLength) {
            char c = static_cast<char>(Byte());
            if (c == '\\') {
                if (Empty() || data_[pos_] != '\\') {
                    Byte();
                    break;
                }
                Byte();
            }
            text += c;
        }
        return text;
    }

    std::string Rest()
    {
        std::string text(reinterpret_cast<const char*>(data_ + pos_), size_ - pos_);
        pos_ = size_;
        return text;
    }

private:
    const uint8_t* data_;
    size_t size_;
    size_t pos_ = 0;
};

// GBK's characters as the code page defines them: a byte 81-FE followed by a byte 40-7E or 80-FE is
// one character, every other byte is one. Positions where characters start when the walk begins at
// from (which the text commands take as a character start, wherever it falls).
inline size_t ReferenceCharLength(const std::string& text, size_t at)
{
    unsigned char lead = static_cast<unsigned char>(text[at]);
    if (at + 1 >= text.size() || lead < 0x81 || lead == 0xFF)
        return 1;
    unsigned char trail = static_cast<unsigned char>(text[at + 1]);
    return (trail >= 0x40 && trail <= 0x7E) || (trail >= 0x80 && trail <= 0xFE) ? 2 : 1;
}

inline std::vector<size_t> ReferenceStarts(const std::string& text, size_t from = 0)
{
    std::vector<size_t> starts;
    for (size_t at = from; at < text.size(); at += ReferenceCharLength(text, at))
        starts.push_back(at);
    return starts;
}

// The ASCII space and the full-width blank A1 A1 are the blanks.
inline bool ReferenceBlankAt(const std::string& text, size_t at)
{
    return text[at] == ' ' || (ReferenceCharLength(text, at) == 2 && text.compare(at, 2, "\xA1\xA1") == 0);
}

// A scratch file name of this process.
inline std::string FuzzScratchPath(const char* stem)
{
    const char* folder = std::getenv("TMPDIR");
    return std::string(folder && *folder ? folder : "/tmp") + "/" + stem + "_" + std::to_string(::getpid());
}
