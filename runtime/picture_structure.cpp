#include "runtime/picture_structure.h"

#include <cstddef>
#include <cstdint>

namespace {

// The bytes being read, with reads that stay inside them.
class Bytes {
public:
    explicit Bytes(const std::string& bytes)
        : data_(reinterpret_cast<const unsigned char*>(bytes.data())), size_(bytes.size())
    {
    }
    size_t Size() const { return size_; }
    bool Has(size_t at, size_t count) const { return at <= size_ && count <= size_ - at; }
    unsigned At(size_t at) const { return data_[at]; }
    unsigned Be16(size_t at) const { return data_[at] << 8 | data_[at + 1]; }
    uint32_t Be32(size_t at) const { return static_cast<uint32_t>(Be16(at)) << 16 | Be16(at + 2); }
    unsigned Le16(size_t at) const { return data_[at] | data_[at + 1] << 8; }
    uint32_t Le32(size_t at) const { return Le16(at) | static_cast<uint32_t>(Le16(at + 2)) << 16; }
    bool Starts(const char* text, size_t count) const
    {
        if (!Has(0, count))
            return false;
        for (size_t i = 0; i < count; ++i)
            if (data_[i] != static_cast<unsigned char>(text[i]))
                return false;
        return true;
    }

private:
    const unsigned char* data_;
    size_t size_;
};

// What a decoder would allocate for a picture of these sides, held under the cap.
bool AreaWithinCap(uint64_t width, uint64_t height)
{
    return width > 0 && height > 0 && width * height <= kPictureMostPixels;
}

// --- JPEG: markers, segment lengths, the tables and headers a decoder sizes its reads by, end marker.

bool IsFrameMarker(unsigned marker)
{
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

bool JpegFrameSound(const Bytes& b, size_t at, size_t length)
{
    if (length < 6)
        return false;
    const unsigned precision = b.At(at);
    const unsigned height = b.Be16(at + 1);
    const unsigned width = b.Be16(at + 3);
    const unsigned components = b.At(at + 5);
    // A height of 0 defers the height to a later marker, which the decoder does not take.
    if (precision < 2 || precision > 16 || !AreaWithinCap(width, height) || components < 1 || components > 4 ||
        length != 6 + 3 * static_cast<size_t>(components))
        return false;
    for (unsigned c = 0; c < components; ++c) {
        const unsigned sampling = b.At(at + 7 + 3 * c);
        const unsigned table = b.At(at + 8 + 3 * c);
        if ((sampling >> 4) < 1 || (sampling >> 4) > 4 || (sampling & 15) < 1 || (sampling & 15) > 4 || table > 3)
            return false;
    }
    return true;
}

bool JpegHuffmanTablesSound(const Bytes& b, size_t at, size_t length)
{
    size_t offset = 0;
    while (offset < length) {
        if (length - offset < 17)
            return false;
        const unsigned id = b.At(at + offset);
        if ((id >> 4) > 1 || (id & 15) > 3)
            return false;
        size_t symbols = 0;
        for (int i = 1; i <= 16; ++i)
            symbols += b.At(at + offset + i);
        if (symbols > 256 || length - offset - 17 < symbols)
            return false;
        offset += 17 + symbols;
    }
    return true;
}

bool JpegQuantTablesSound(const Bytes& b, size_t at, size_t length)
{
    size_t offset = 0;
    while (offset < length) {
        const unsigned id = b.At(at + offset);
        if ((id >> 4) > 1 || (id & 15) > 3)
            return false;
        const size_t table = 1 + 64 * ((id >> 4) + 1);
        if (length - offset < table)
            return false;
        offset += table;
    }
    return true;
}

bool JpegScanHeaderSound(const Bytes& b, size_t at, size_t length)
{
    if (length < 1)
        return false;
    const unsigned components = b.At(at);
    if (components < 1 || components > 4 || length != 4 + 2 * static_cast<size_t>(components))
        return false;
    for (unsigned c = 0; c < components; ++c) {
        const unsigned tables = b.At(at + 2 + 2 * c);
        if ((tables >> 4) > 3 || (tables & 15) > 3)
            return false;
    }
    return true;
}

// From the first byte after a scan header to the marker that ends the scan's coded data; false when
// the data runs to the end of the bytes.
bool SkipScanData(const Bytes& b, size_t& at)
{
    while (at < b.Size()) {
        if (b.At(at) != 0xFF) {
            ++at;
            continue;
        }
        if (!b.Has(at, 2))
            return false;
        const unsigned next = b.At(at + 1);
        if (next == 0x00 || (next >= 0xD0 && next <= 0xD7)) {
            at += 2;  // a stuffed 0xFF or a restart marker: still coded data
            continue;
        }
        if (next == 0xFF) {
            ++at;  // fill byte
            continue;
        }
        return true;
    }
    return false;
}

bool JpegSound(const Bytes& b)
{
    size_t at = 2;
    bool frame = false;
    bool scan = false;
    for (;;) {
        if (!b.Has(at, 2) || b.At(at) != 0xFF)
            return false;
        while (b.Has(at, 2) && b.At(at) == 0xFF)
            ++at;
        if (!b.Has(at, 1))
            return false;
        const unsigned marker = b.At(at++);
        if (marker == 0xD9)
            return scan;
        if (marker == 0x00 || marker == 0xD8)
            return false;
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7))
            continue;  // markers without a segment
        if (!b.Has(at, 2))
            return false;
        const size_t length = b.Be16(at);
        if (length < 2 || !b.Has(at, length))
            return false;
        const size_t body = at + 2;
        const size_t bodyLength = length - 2;
        at += length;
        if (IsFrameMarker(marker)) {
            if (!JpegFrameSound(b, body, bodyLength))
                return false;
            frame = true;
        } else if (marker == 0xC4) {
            if (!JpegHuffmanTablesSound(b, body, bodyLength))
                return false;
        } else if (marker == 0xDB) {
            if (!JpegQuantTablesSound(b, body, bodyLength))
                return false;
        } else if (marker == 0xDD) {
            if (bodyLength != 2)
                return false;
        } else if (marker == 0xDA) {
            if (!frame || !JpegScanHeaderSound(b, body, bodyLength) || !SkipScanData(b, at))
                return false;
            scan = true;
        }
    }
}

// --- PNG: chunks inside the bytes, the header first, image data, the end chunk.

bool PngHeaderSound(const Bytes& b, size_t at)
{
    const uint32_t width = b.Be32(at);
    const uint32_t height = b.Be32(at + 4);
    const unsigned depth = b.At(at + 8);
    const unsigned colour = b.At(at + 9);
    if (width > 0x7FFFFFFF || height > 0x7FFFFFFF || !AreaWithinCap(width, height))
        return false;
    if (b.At(at + 10) != 0 || b.At(at + 11) != 0 || b.At(at + 12) > 1)
        return false;
    switch (colour) {
    case 0:
        return depth == 1 || depth == 2 || depth == 4 || depth == 8 || depth == 16;
    case 3:
        return depth == 1 || depth == 2 || depth == 4 || depth == 8;
    case 2:
    case 4:
    case 6:
        return depth == 8 || depth == 16;
    default:
        return false;
    }
}

bool IsChunkType(const Bytes& b, size_t at, const char* type)
{
    for (int i = 0; i < 4; ++i)
        if (b.At(at + i) != static_cast<unsigned char>(type[i]))
            return false;
    return true;
}

bool PngSound(const Bytes& b)
{
    size_t at = 8;
    bool first = true;
    bool palette = false;
    bool paletteNeeded = false;
    bool data = false;
    for (;;) {
        if (!b.Has(at, 12))
            return false;
        const uint32_t length = b.Be32(at);
        if (length > 0x7FFFFFFF || !b.Has(at + 12, length))
            return false;
        for (int i = 4; i < 8; ++i) {
            const unsigned c = b.At(at + i);
            if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')))
                return false;
        }
        const size_t body = at + 8;
        if (first != IsChunkType(b, at + 4, "IHDR"))
            return false;
        if (first) {
            if (length != 13 || !PngHeaderSound(b, body))
                return false;
            paletteNeeded = b.At(body + 9) == 3;
            first = false;
        } else if (IsChunkType(b, at + 4, "PLTE")) {
            if (length == 0 || length % 3 != 0 || length > 768)
                return false;
            palette = true;
        } else if (IsChunkType(b, at + 4, "IDAT")) {
            if (paletteNeeded && !palette)
                return false;
            data = true;
        } else if (IsChunkType(b, at + 4, "IEND")) {
            return data && length == 0;
        }
        at += 12 + length;
    }
}

// --- GIF: screen descriptor, colour tables, images and extensions as sub-block chains, the trailer.

bool SkipSubBlocks(const Bytes& b, size_t& at)
{
    for (;;) {
        if (!b.Has(at, 1))
            return false;
        const size_t size = b.At(at++);
        if (size == 0)
            return true;
        if (!b.Has(at, size))
            return false;
        at += size;
    }
}

size_t GifColourTableSize(unsigned flags)
{
    return (flags & 0x80) ? 3 * (static_cast<size_t>(2) << (flags & 7)) : 0;
}

bool GifSound(const Bytes& b)
{
    if (!b.Has(0, 13) || !AreaWithinCap(b.Le16(6), b.Le16(8)))
        return false;
    size_t at = 13 + GifColourTableSize(b.At(10));
    int images = 0;
    for (;;) {
        if (!b.Has(at, 1))
            return false;
        const unsigned block = b.At(at++);
        if (block == 0x3B)
            return images > 0;
        if (block == 0x21) {
            if (!b.Has(at, 1))
                return false;
            ++at;  // the extension's label
            if (!SkipSubBlocks(b, at))
                return false;
        } else if (block == 0x2C) {
            if (!b.Has(at, 9) || !AreaWithinCap(b.Le16(at + 4), b.Le16(at + 6)))
                return false;
            at += 9 + GifColourTableSize(b.At(at + 8));
            if (!b.Has(at, 1))
                return false;
            const unsigned codeSize = b.At(at++);
            if (codeSize < 2 || codeSize > 8 || !SkipSubBlocks(b, at))
                return false;
            ++images;
        } else {
            return false;
        }
    }
}

// --- BMP: the headers inside the bytes, a known pixel layout, the palette and the pixel rows inside.

bool BmpSound(const Bytes& b)
{
    if (!b.Has(0, 26))
        return false;
    const uint32_t pixels = b.Le32(10);
    const uint32_t header = b.Le32(14);
    if (header != 12 && (header < 40 || header > 124) )
        return false;
    if (!b.Has(14, header))
        return false;
    int64_t width = 0;
    int64_t height = 0;
    unsigned planes = 0;
    unsigned bits = 0;
    uint32_t compression = 0;
    uint32_t coloursUsed = 0;
    if (header == 12) {
        width = b.Le16(18);
        height = b.Le16(20);
        planes = b.Le16(22);
        bits = b.Le16(24);
    } else {
        width = static_cast<int32_t>(b.Le32(18));
        height = static_cast<int32_t>(b.Le32(22));
        planes = b.Le16(26);
        bits = b.Le16(28);
        compression = b.Le32(30);
        coloursUsed = b.Le32(46);
    }
    if (height < 0)
        height = -height;  // top-down rows
    if (!AreaWithinCap(width > 0 ? width : 0, height) || planes != 1)
        return false;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        return false;
    const bool rle = compression == 1 || compression == 2;
    if (compression > 3 || (compression == 1 && bits != 8) || (compression == 2 && bits != 4) ||
        (compression == 3 && bits != 16 && bits != 32))
        return false;
    // The palette (and the three masks of a short header with bit fields) lie between the headers and
    // the pixels.
    size_t tables = compression == 3 && header == 40 ? 12 : 0;
    if (bits <= 8) {
        const uint32_t most = 1u << bits;
        if (coloursUsed > most)
            return false;
        tables += static_cast<size_t>(coloursUsed ? coloursUsed : most) * (header == 12 ? 3 : 4);
    }
    if (static_cast<uint64_t>(14) + header + tables > b.Size() || pixels < 14 + header || pixels >= b.Size())
        return false;
    if (rle)
        return true;  // run lengths are the decoder's to bound
    const uint64_t row = (static_cast<uint64_t>(width) * bits + 31) / 32 * 4;
    return row * static_cast<uint64_t>(height) <= b.Size() - pixels;
}

// --- ICO and CUR: a directory of images inside the bytes, each a PNG with a sound outline or a
// device-independent bitmap whose header fits; the sides a directory entry gives (a byte each) are
// not what the decoder sizes by, the image's own header is.

bool IcoImageSound(const std::string& image)
{
    const Bytes b(image);
    if (b.Starts("\x89PNG\r\n\x1A\n", 8))
        return PngSound(b);
    if (!b.Has(0, 16))
        return false;
    const uint32_t header = b.Le32(0);
    if (header < 40 || header > 124 || !b.Has(0, header))
        return false;
    const int64_t width = static_cast<int32_t>(b.Le32(4));
    int64_t height = static_cast<int32_t>(b.Le32(8));
    if (height < 0)
        height = -height;
    return AreaWithinCap(width > 0 ? width : 0, height / 2 > 0 ? height / 2 : height);
}

bool IcoSound(const std::string& bytes)
{
    const Bytes b(bytes);
    const unsigned count = b.Le16(4);
    if (count == 0 || !b.Has(6, 16 * static_cast<size_t>(count)))
        return false;
    for (unsigned i = 0; i < count; ++i) {
        const size_t entry = 6 + 16 * static_cast<size_t>(i);
        const size_t size = b.Le32(entry + 8);
        const size_t offset = b.Le32(entry + 12);
        if (size == 0 || !b.Has(offset, size) || !IcoImageSound(bytes.substr(offset, size)))
            return false;
    }
    return true;
}

}  // namespace

PictureKind PictureKindOf(const std::string& bytes)
{
    const Bytes b(bytes);
    if (b.Starts("\xFF\xD8", 2))
        return PictureKind::Jpeg;
    if (b.Starts("\x89PNG\r\n\x1A\n", 8))
        return PictureKind::Png;
    if (b.Starts("GIF87a", 6) || b.Starts("GIF89a", 6))
        return PictureKind::Gif;
    if (b.Starts("BM", 2))
        return PictureKind::Bmp;
    if (b.Starts("\0\0\x01\0", 4) || b.Starts("\0\0\x02\0", 4))
        return PictureKind::Ico;
    return PictureKind::Other;
}

bool PictureOutlineSound(const std::string& bytes)
{
    if (bytes.empty() || bytes.size() > kPictureMostBytes)
        return false;
    const Bytes b(bytes);
    switch (PictureKindOf(bytes)) {
    case PictureKind::Jpeg:
        return JpegSound(b);
    case PictureKind::Png:
        return PngSound(b);
    case PictureKind::Gif:
        return GifSound(b);
    case PictureKind::Bmp:
        return BmpSound(b);
    case PictureKind::Ico:
        return IcoSound(bytes);
    default:
        return true;
    }
}
