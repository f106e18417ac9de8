// The outline check of picture bytes: whole pictures of each kind pass, damaged ones (cut short,
// lengths past the end, no end marker, the header of a JPEG followed by noise) are held back, and
// bytes of other kinds pass untouched.
#include "runtime/picture_structure.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string Be16(unsigned v)
{
    return {static_cast<char>(v >> 8), static_cast<char>(v & 0xFF)};
}
std::string Be32(uint32_t v)
{
    return Be16(v >> 16) + Be16(v & 0xFFFF);
}
std::string Le16(unsigned v)
{
    return {static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)};
}
std::string Le32(uint32_t v)
{
    return Le16(v & 0xFFFF) + Le16(v >> 16);
}
std::string Segment(unsigned marker, const std::string& body)
{
    return std::string("\xFF") + static_cast<char>(marker) + Be16(static_cast<unsigned>(body.size() + 2)) + body;
}

// A baseline JPEG outline: JFIF header, a quantisation table, a 16 x 8 three-component frame, one
// Huffman table, a scan whose data holds a stuffed byte and a restart marker, the end marker.
std::string Jpeg()
{
    std::string jpeg = "\xFF\xD8";
    jpeg += Segment(0xE0, std::string("JFIF\0\x01\x01\0\0\x01\0\x01\0\0", 14));
    jpeg += Segment(0xDB, std::string(1, '\0') + std::string(64, '\x01'));
    jpeg += Segment(0xC0, std::string("\x08", 1) + Be16(8) + Be16(16) + std::string("\x03\x01\x22\x00\x02\x11\x00\x03\x11\x00", 10));
    std::string huffman(1, '\0');
    huffman += std::string("\x00\x01\x05\x01\x01\x01\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00", 16);
    huffman += std::string(12, '\x03');
    jpeg += Segment(0xC4, huffman);
    jpeg += Segment(0xDA, std::string("\x03\x01\x00\x02\x11\x03\x11\x00\x3F\x00", 10));
    jpeg += std::string("\x12\x34\xFF\x00\x56\xFF\xD0\x78", 8);
    jpeg += "\xFF\xD9";
    return jpeg;
}

std::string PngChunk(const char* type, const std::string& body)
{
    return Be32(static_cast<uint32_t>(body.size())) + type + body + Be32(0);
}

std::string Png(int colourType = 6)
{
    std::string header = Be32(4) + Be32(3) + static_cast<char>(8) + static_cast<char>(colourType) + std::string(3, '\0');
    std::string png = "\x89PNG\r\n\x1A\n";
    png += PngChunk("IHDR", header);
    if (colourType == 3)
        png += PngChunk("PLTE", std::string(6, '\x7F'));
    png += PngChunk("IDAT", "compressed");
    png += PngChunk("IEND", "");
    return png;
}

std::string Gif()
{
    std::string gif = "GIF89a" + Le16(2) + Le16(2) + std::string("\x80\x00\x00", 3) + std::string(6, '\x10');
    gif += std::string("\x21\xF9\x04\x00\x0A\x00\x00\x00", 8);  // a graphic control extension
    gif += "\x2C" + Le16(0) + Le16(0) + Le16(2) + Le16(2) + std::string(1, '\0');
    gif += std::string("\x02\x02\x44\x01\x00", 5);  // code size 2, one sub-block, terminator
    gif += "\x3B";
    return gif;
}

std::string Bmp(int bits = 24, uint32_t coloursUsed = 0)
{
    const int width = 3;
    const int height = 2;
    const uint32_t row = (width * bits + 31) / 32 * 4;
    const uint32_t palette = bits <= 8 ? (coloursUsed ? coloursUsed : 1u << bits) * 4 : 0;
    const uint32_t offset = 14 + 40 + palette;
    std::string bmp = "BM" + Le32(offset + row * height) + Le32(0) + Le32(offset);
    bmp += Le32(40) + Le32(width) + Le32(height) + Le16(1) + Le16(bits) + Le32(0) + Le32(row * height) + Le32(0) +
           Le32(0) + Le32(coloursUsed) + Le32(0);
    bmp += std::string(palette, '\x20') + std::string(row * height, '\x40');
    return bmp;
}

std::string Replace(std::string bytes, size_t at, const std::string& with)
{
    return bytes.replace(at, with.size(), with);
}

// An icon file holding one image: a PNG, or a 16 x 16 bitmap of 32-bit pixels and its mask.
std::string Icon(const std::string& image)
{
    return Le16(0) + Le16(1) + Le16(1) + std::string("\x10\x10\0\0", 4) + Le16(1) + Le16(32) +
           Le32(static_cast<uint32_t>(image.size())) + Le32(22) + image;
}
std::string IconBitmap(int32_t width = 16, int32_t height = 32)
{
    return Le32(40) + Le32(static_cast<uint32_t>(width)) + Le32(static_cast<uint32_t>(height)) + Le16(1) + Le16(32) +
           Le32(0) + Le32(16 * 16 * 4 + 64) + std::string(16, '\0') + std::string(16 * 16 * 4 + 64, '\x55');
}

// The giant-frame JPEG: a whole outline of 1.5 KB whose frame claims 65000 x 65000 pixels; the
// decoder would take 16 GB for it before reading a pixel.
std::string GiantFrameJpeg()
{
    std::string jpeg = Jpeg();
    const size_t frame = jpeg.find("\xFF\xC0");
    jpeg.replace(frame + 5, 4, Be16(65000) + Be16(65000));
    jpeg.insert(2, Segment(0xFE, std::string(1400, 'c')));  // a comment, for the size of the file found
    return jpeg;
}

// The JPEG header the damaged skin thumbnails start with, followed by noise.
std::string JpegHeaderAndNoise(unsigned seed, size_t count)
{
    std::mt19937 random(seed);
    std::string bytes("\xFF\xD8\xFF\xE0\x00\x10\x4A\x46\x49\x46\x00", 11);
    for (size_t i = 0; i < count; ++i)
        bytes += static_cast<char>(random() & 0xFF);
    return bytes;
}

TEST(PictureStructureTest, WholePicturesOfEachKindPass)
{
    const struct {
        const char* name;
        std::string bytes;
        PictureKind kind;
    } cases[] = {
        {"jpeg", Jpeg(), PictureKind::Jpeg},
        {"jpeg with trailing bytes", Jpeg() + "tail", PictureKind::Jpeg},
        {"png rgba", Png(), PictureKind::Png},
        {"png with palette", Png(3), PictureKind::Png},
        {"gif", Gif(), PictureKind::Gif},
        {"bmp 24-bit", Bmp(), PictureKind::Bmp},
        {"bmp 8-bit, 16 colours used", Bmp(8, 16), PictureKind::Bmp},
        {"an icon of a bitmap", Icon(IconBitmap()), PictureKind::Ico},
        {"an icon of a png", Icon(Png()), PictureKind::Ico},
        {"jpeg of 8192 x 8192", Replace(Jpeg(), Jpeg().find("\xFF\xC0") + 5, Be16(8192) + Be16(8192)), PictureKind::Jpeg},
        {"bytes of no known kind", std::string("\0\0\x07\0", 4) + std::string(40, 'x'), PictureKind::Other},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(PictureKindOf(c.bytes), c.kind);
        EXPECT_TRUE(PictureOutlineSound(c.bytes));
    }
}

TEST(PictureStructureTest, DamagedPicturesAreHeldBack)
{
    const std::string jpeg = Jpeg();
    const size_t frame = jpeg.find("\xFF\xC0");
    const size_t scan = jpeg.find("\xFF\xDA");
    const std::string png = Png();
    const std::string bmp = Bmp();
    const std::string gif = Gif();
    const struct {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"nothing", ""},
        {"jpeg cut before its end marker", jpeg.substr(0, jpeg.size() - 2)},
        {"jpeg cut inside the scan header", jpeg.substr(0, scan + 6)},
        {"jpeg cut inside a segment", jpeg.substr(0, frame + 9)},
        {"jpeg segment length past the end", Replace(jpeg, 4, Be16(0xFFF0))},
        {"jpeg segment length below 2", Replace(jpeg, 4, Be16(1))},
        {"jpeg frame of 5 components", Replace(jpeg, frame + 9, "\x05")},
        {"jpeg frame of width 0", Replace(jpeg, frame + 7, Be16(0))},
        {"jpeg scan before any frame", std::string("\xFF\xD8", 2) + jpeg.substr(scan)},
        {"jpeg without a scan", jpeg.substr(0, scan) + "\xFF\xD9"},
        {"jpeg header and noise", JpegHeaderAndNoise(1, 3000)},
        {"png cut short", png.substr(0, png.size() - 5)},
        {"png chunk length past the end", Replace(png, 33, Be32(0x10000))},
        {"png without its header first", "\x89PNG\r\n\x1A\n" + png.substr(33)},
        {"png without image data", png.substr(0, 33) + PngChunk("IEND", "")},
        {"png palette picture without a palette", Replace(png, 8 + 8 + 9, "\x03")},
        {"png of depth 3", Replace(png, 8 + 8 + 8, "\x03")},
        {"gif without its trailer", gif.substr(0, gif.size() - 1)},
        {"gif sub-block past the end", Replace(gif, gif.size() - 5, "\x40")},
        {"gif of an unknown block", Replace(gif, gif.size() - 1, "\x99")},
        {"gif without images", gif.substr(0, 13 + 6) + "\x3B"},
        {"bmp rows past the end", bmp.substr(0, bmp.size() - 1)},
        {"bmp pixels past the end", Replace(bmp, 10, Le32(0x7FFFFFF0))},
        {"bmp of 7 bits", Replace(bmp, 28, Le16(7))},
        {"bmp palette longer than its depth", Bmp(4, 17)},
        {"bmp header longer than the bytes", Replace(bmp, 14, Le32(124))},
        {"icon of no images", Le16(0) + Le16(1) + Le16(0)},
        {"icon image past the end", Icon(IconBitmap()).substr(0, 100)},
        {"icon of a damaged png", Icon(png.substr(0, png.size() - 5))},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(PictureOutlineSound(c.bytes));
    }
}

// Sound outlines whose sides would make the decoder allocate more than the cap, and a file too large
// to read at all.
TEST(PictureStructureTest, PicturesOfImpossibleSizeAreHeldBack)
{
    const std::string jpeg = Jpeg();
    const size_t frame = jpeg.find("\xFF\xC0");
    const std::string png = Png();
    const std::string gif = Gif();
    const size_t image = gif.find('\x2C');
    const std::string rle = Replace(Replace(Bmp(8), 30, Le32(1)), 18, Le32(60000) + Le32(60000));
    const std::string giant = GiantFrameJpeg();
    ASSERT_LT(giant.size(), 1600u);
    const struct {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"jpeg frame of 65000 x 65000", giant},
        {"jpeg frame of 8193 x 8193", Replace(jpeg, frame + 5, Be16(8193) + Be16(8193))},
        {"jpeg frame of height 0", Replace(jpeg, frame + 5, Be16(0))},
        {"png of 100000 x 100000", Replace(png, 16, Be32(100000) + Be32(100000))},
        {"gif screen of 65535 x 65535", Replace(gif, 6, Le16(65535) + Le16(65535))},
        {"gif image of 65535 x 65535", Replace(gif, image + 5, Le16(65535) + Le16(65535))},
        {"bmp run-length rows of 60000 x 60000", rle},
        {"icon of a png of 100000 x 100000", Icon(Replace(png, 16, Be32(100000) + Be32(100000)))},
        {"icon of a bitmap of 60000 x 120000", Icon(IconBitmap(60000, 120000))},
        {"a file over the size cap", jpeg + std::string(kPictureMostBytes, '\0')},
    };
    EXPECT_TRUE(PictureOutlineSound(Replace(Bmp(8), 30, Le32(1))));  // the run-length picture of sound sides
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(PictureOutlineSound(c.bytes));
    }
}

TEST(PictureStructureTest, JpegHeadersWithNoiseNeverPass)
{
    for (unsigned seed = 1; seed <= 500; ++seed) {
        SCOPED_TRACE(seed);
        ASSERT_FALSE(PictureOutlineSound(JpegHeaderAndNoise(seed, 3000)));
        ASSERT_FALSE(PictureOutlineSound(JpegHeaderAndNoise(seed, seed % 40)));
    }
}

TEST(PictureStructureTest, EveryPrefixOfAWholePictureIsHeldBack)
{
    for (const std::string& whole : {Jpeg(), Png(), Gif(), Bmp()}) {
        // From the longest signature on: shorter bytes are of no known kind.
        for (size_t length = 8; length < whole.size(); ++length) {
            SCOPED_TRACE(length);
            ASSERT_FALSE(PictureOutlineSound(whole.substr(0, length)));
        }
    }
}

}  // namespace
