// Pictures from byte data and files, animated GIF frames, and encoding back to bytes. The PNG and JPEG
// fixtures are encoded here through GDI+; the GIFs are written by the test support.
#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "gdiplus/gdip_bitmap.h"
#include "gdiplus/gdip_codecs.h"
#include "gdiplus/gdip_graphics.h"
#include "gdiplus/gdip_image.h"
#include "gdiplus/gdip_test_support.h"

namespace {

constexpr int kInvalidParameter = 2;
constexpr int kNotImplemented = 6;

// A w x h picture: red on the left half, blue on the right, encoded in the given format.
std::string EncodedPicture(int width, int height, const char* format)
{
    GdipBitmap bitmap;
    EXPECT_TRUE(bitmap.CreateBitmapFromScan0Default(width, height));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            bitmap.BitmapSetPixel(x, y, x < width / 2 ? 0xFFFF0000 : 0xFF0000FF);
    return bitmap.SaveImageToStream(format);
}

bool StartsWith(const std::string& bytes, const std::string& signature)
{
    return bytes.compare(0, signature.size(), signature) == 0;
}

TEST(GdipImageTest, PngAndJpegBytesDecodeWithTheirSize)
{
    struct Case {
        const char* format;
        std::string signature;
    };
    const Case cases[] = {{kImageFormatPng, "\x89PNG"}, {kImageFormatJpeg, "\xFF\xD8\xFF"}, {kImageFormatBmp, "BM"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.format);
        const std::string bytes = EncodedPicture(20, 12, c.format);
        ASSERT_TRUE(StartsWith(bytes, c.signature));
        GdipImage image;
        ASSERT_TRUE(image.LoadImageFromStream(bytes));
        EXPECT_EQ(image.GetImageWidth(), 20);
        EXPECT_EQ(image.GetImageHeight(), 12);
        EXPECT_EQ(image.GetImageRawFormat(), c.format);
        // Drawing works while the image lives on the bytes of its stream.
        TestCanvas canvas(20, 12);
        GdipGraphics g;
        ASSERT_TRUE(g.CreateFromHDC(canvas.Dc()));
        EXPECT_TRUE(g.DrawImageRectRect(image, 0, 0, 20, 12));
        g.DeleteGraphics();
        EXPECT_GT(RedOf(canvas.Rgb(2, 6)), 200);
        EXPECT_GT(BlueOf(canvas.Rgb(17, 6)), 200);
        EXPECT_TRUE(image.DisposeImage());
        EXPECT_FALSE(image.DisposeImage()) << "a second dispose";
    }
}

TEST(GdipImageTest, AnimatedGifFramesAndDelays)
{
    struct Case {
        std::vector<uint32_t> colours;
        std::vector<int> delays;
    };
    const Case cases[] = {{{0xFF0000, 0x00FF00, 0x0000FF}, {10, 20, 30}},
                          {{0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF, 0xFF0000}, {5, 6, 7, 8, 9}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.colours.size());
        GdipBitmap gif;
        ASSERT_TRUE(gif.CreateBitmapFromStream(MakeAnimatedGif(6, 4, c.colours, c.delays)));
        EXPECT_EQ(gif.GetImageRawFormat(), kImageFormatGif);
        ASSERT_EQ(gif.ImageGetFrameCount(kFrameDimensionTime), static_cast<int>(c.colours.size()));
        std::vector<std::string> dimensions;
        ASSERT_TRUE(gif.ImageGetFrameDimensionsList(dimensions));
        EXPECT_EQ(dimensions, std::vector<std::string>{kFrameDimensionTime});
        std::vector<int> delays{99};
        ASSERT_TRUE(gif.GetFrameDelays(delays));
        EXPECT_EQ(delays, c.delays);
        for (size_t frame = 0; frame < c.colours.size(); ++frame) {
            ASSERT_TRUE(gif.ImageSelectActiveFrame(kFrameDimensionTime, static_cast<int>(frame)));
            EXPECT_EQ(gif.BitmapGetPixel(3, 2), 0xFF000000u | c.colours[frame]) << "frame " << frame;
        }
    }
}

TEST(GdipImageTest, StillPicturesAndBadBytes)
{
    GdipImage jpeg;
    ASSERT_TRUE(jpeg.LoadImageFromStream(EncodedPicture(8, 8, kImageFormatJpeg)));
    std::vector<int> delays{1, 2};
    EXPECT_FALSE(jpeg.GetFrameDelays(delays));
    EXPECT_EQ(delays, (std::vector<int>{1, 2})) << "the array is left alone";
    PropertyItem item;
    EXPECT_FALSE(jpeg.GetPropertyItem(0x5100, item));
    EXPECT_EQ(jpeg.ImageGetFrameCount(kFrameDimensionTime), 1);

    for (const std::string& bad : {std::string(), std::string("not a picture at all")}) {
        GdipImage image;
        EXPECT_FALSE(image.LoadImageFromStream(bad));
        EXPECT_TRUE(image.IsEmpty());
        EXPECT_NE(LastGdipStatus(), 0);
        EXPECT_EQ(image.GetImageWidth(), 0);
        EXPECT_EQ(image.GetImageRawFormat(), kNullGuidText);
        EXPECT_FALSE(image.DisposeImage());
        GdipBitmap bitmap;
        EXPECT_FALSE(bitmap.CreateBitmapFromStream(bad));
        EXPECT_FALSE(bitmap.DisposeBitmap());
    }
}

TEST(GdipEncodingTest, PngSaveByFormatText)
{
    GdipBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateBitmapFromScan0Default(10, 10));
    const std::string png = bitmap.SaveImageToStream(kImageFormatPng);
    ASSERT_GE(png.size(), 8u);
    EXPECT_EQ(png.substr(0, 4), "\x89\x50\x4E\x47");
    GdipImage reloaded;
    ASSERT_TRUE(reloaded.LoadImageFromStream(png));
    EXPECT_EQ(reloaded.GetImageWidth(), 10);
    EXPECT_EQ(reloaded.GetImageHeight(), 10);

    std::string lower = kImageFormatPng;
    for (char& ch : lower)
        ch = static_cast<char>(tolower(static_cast<unsigned char>(ch)));
    EXPECT_EQ(bitmap.SaveImageToStream(lower), "") << "format texts are compared byte for byte";
    EXPECT_EQ(bitmap.SaveImageToStream("{12345678-0000-0000-0000-000000000000}"), "");
    GdipBitmap empty;
    EXPECT_EQ(empty.SaveImageToStream(), "");
}

TEST(GdipEncodingTest, NoFormatKeepsTheRawFormat)
{
    GdipImage jpeg;
    ASSERT_TRUE(jpeg.LoadImageFromStream(EncodedPicture(16, 16, kImageFormatJpeg)));
    EXPECT_TRUE(StartsWith(jpeg.SaveImageToStream(), "\xFF\xD8\xFF"));
}

TEST(GdipEncodingTest, EncoderParameters)
{
    GdipImage jpeg;
    ASSERT_TRUE(jpeg.LoadImageFromStream(EncodedPicture(16, 16, kImageFormatJpeg)));
    EncoderParameters list;
    if (jpeg.GetEncoderParameterList(kImageFormatJpeg, list)) {
        ASSERT_FALSE(list.parameter.empty());
        for (const EncoderParameter& p : list.parameter)
            EXPECT_EQ(p.value.size(), static_cast<size_t>(p.numberOfValues * EncoderValueSize(p.type)));
    } else {
        EXPECT_EQ(LastGdipStatus(), kNotImplemented) << "Wine 8 lists no encoder parameters";
    }

    // A quality setting (category "Quality", one long value).
    EncoderParameters quality;
    quality.count = 1;
    quality.parameter.push_back({"{1D5BE4B5-FA4A-452D-9CDD-5DB35105E7EB}", 1, 4, std::string("\x32\0\0\0", 4)});
    EXPECT_TRUE(StartsWith(jpeg.SaveImageToStream(kImageFormatJpeg, &quality), "\xFF\xD8\xFF"));
    // A value shorter than its count and type need is refused before GDI+ reads past it.
    quality.parameter[0].numberOfValues = 3;
    EXPECT_EQ(jpeg.SaveImageToStream(kImageFormatJpeg, &quality), "");
    EXPECT_EQ(LastGdipStatus(), kInvalidParameter);
}

TEST(GdipEncodingTest, ParameterBlockHasThePlatformLayout)
{
    EncoderParameters parameters;
    parameters.count = 5;  // more than the array holds: only what is there is announced
    parameters.parameter.push_back({"{1D5BE4B5-FA4A-452D-9CDD-5DB35105E7EB}", 1, 4, std::string("\x32\0\0\0", 4)});
    parameters.parameter.push_back({"{E09D739D-CCD4-44EE-8EBA-3FBF8BE4FC58}", 2, 3, std::string("\1\0\2\0", 4)});
    const EncoderParameterBlock block(parameters);
    ASSERT_TRUE(block.IsValid());
    EXPECT_EQ(*static_cast<const unsigned int*>(block.Data()), 2u);
    EncoderParameters back;
    ASSERT_TRUE(ReadEncoderParameterBlock(block.Data(), block.Size(), back));
    ASSERT_EQ(back.parameter.size(), 2u);
    for (size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(back.parameter[i].guid, parameters.parameter[i].guid);
        EXPECT_EQ(back.parameter[i].numberOfValues, parameters.parameter[i].numberOfValues);
        EXPECT_EQ(back.parameter[i].type, parameters.parameter[i].type);
        EXPECT_EQ(back.parameter[i].value, parameters.parameter[i].value);
    }
    const EncoderParameterBlock none(EncoderParameters{});
    EXPECT_TRUE(none.IsValid());
    EXPECT_EQ(*static_cast<const unsigned int*>(none.Data()), 0u);
}

TEST(GdipEncodingTest, GuidTextsAndEncoderList)
{
    EXPECT_EQ(GuidToText(TextToGuid(kImageFormatPng)), kImageFormatPng);
    EXPECT_EQ(GuidToText(TextToGuid("{b96b3caf-0728-11d3-9d7b-0000f81ef32e}")), kImageFormatPng);
    EXPECT_EQ(GuidToText(GUID{}), kNullGuidText);
    EXPECT_EQ(std::string(kNullGuidText).size(), 38u);
    for (const char* bad : {"", "Paint.Picture", "{B96B3CAF-0728-11D3-9D7B-0000F81EF32}", "B96B3CAF-0728-11D3-9D7B-0000F81EF32E"})
        EXPECT_EQ(GuidToText(TextToGuid(bad)), kNullGuidText) << bad;

    std::vector<ImageCodecInfo> codecs;
    ASSERT_GT(ListImageEncoders(codecs), 0);
    bool foundPng = false;
    for (const ImageCodecInfo& codec : codecs) {
        EXPECT_EQ(codec.clsid.size(), 38u);
        EXPECT_EQ(codec.sigPattern.size(), static_cast<size_t>(codec.sigCount * codec.sigSize));
        if (codec.formatId == kImageFormatPng) {
            foundPng = true;
            EXPECT_EQ(codec.mimeType, "image/png");
            EXPECT_EQ(codec.sigPattern.substr(0, 4), "\x89PNG");
        }
    }
    EXPECT_TRUE(foundPng);
    EXPECT_FALSE(FindEncoderClsidByFormat(kImageFormatJpeg).empty());
    EXPECT_EQ(FindEncoderClsidByFormat("{b96b3caf-0728-11d3-9d7b-0000f81ef32e}"), "");
}

TEST(GdipEncodingTest, FilesWithChineseNames)
{
    char folder[MAX_PATH] = {};
    ASSERT_GT(GetTempPathA(MAX_PATH, folder), 0u);
    const std::string png = std::string(folder) + "图片测试.png";
    const std::string bmp = std::string(folder) + "位图测试.bmp";
    GdipBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateBitmapFromScan0Default(7, 5));
    ASSERT_TRUE(bitmap.SaveImageToFile(png, kImageFormatPng));
    ASSERT_TRUE(bitmap.SaveImageToFileW(TextToWideBytes(bmp)));
    GdipImage fromFile;
    ASSERT_TRUE(fromFile.LoadImageFromFile(png));
    EXPECT_EQ(fromFile.GetImageWidth(), 7);
    EXPECT_EQ(fromFile.GetImageRawFormat(), kImageFormatPng);
    GdipBitmap bmpFile;
    ASSERT_TRUE(bmpFile.CreateBitmapFromFile(bmp));
    EXPECT_EQ(bmpFile.GetImageRawFormat(), kImageFormatBmp) << "a W save without a format writes a BMP";
    EXPECT_EQ(bmpFile.GetImageHeight(), 5);
    fromFile.DisposeImage();
    bmpFile.DisposeBitmap();
    DeleteFileA(png.c_str());
    DeleteFileA(bmp.c_str());
    GdipImage missing;
    EXPECT_FALSE(missing.LoadImageFromFile(std::string(folder) + "没有这个文件.png"));
}

// The JPEG header of a damaged picture followed by noise. The platform's decoder reads past the end of
// such data (seed 25 ends the program on Wine 8) when it gets it.
std::string JpegHeaderAndNoise(unsigned seed)
{
    std::mt19937 random(seed);
    std::string bytes("\xFF\xD8\xFF\xE0\x00\x10\x4A\x46\x49\x46\x00", 11);
    for (int i = 0; i < 3000; ++i)
        bytes += static_cast<char>(random() & 0xFF);
    return bytes;
}

TEST(GdipImageTest, DamagedPicturesLoadAsNothingFromBytesAndFiles)
{
    char folder[MAX_PATH] = {};
    ASSERT_GT(GetTempPathA(MAX_PATH, folder), 0u);
    const std::string file = std::string(folder) + "损坏的图片.jpg";
    const std::string whole = EncodedPicture(16, 16, kImageFormatJpeg);
    for (const std::string& damaged :
         {JpegHeaderAndNoise(25), JpegHeaderAndNoise(7), whole.substr(0, whole.size() / 2), whole.substr(0, 40)}) {
        SCOPED_TRACE(damaged.size());
        GdipImage image;
        EXPECT_FALSE(image.LoadImageFromStream(damaged));
        EXPECT_TRUE(image.IsEmpty());
        EXPECT_EQ(LastGdipStatus(), kInvalidParameter);
        GdipBitmap bitmap;
        EXPECT_FALSE(bitmap.CreateBitmapFromStream(damaged));
        EXPECT_TRUE(bitmap.IsEmpty());

        FILE* out = fopen(file.c_str(), "wb");
        ASSERT_NE(out, nullptr);
        fwrite(damaged.data(), 1, damaged.size(), out);
        fclose(out);
        EXPECT_FALSE(image.LoadImageFromFile(file));
        EXPECT_FALSE(bitmap.CreateBitmapFromFile(file));
    }
    DeleteFileA(file.c_str());
}

TEST(GdipImageTest, PicturesTheEncodersWriteLoadWhole)
{
    // (Wine's GIF encoder writes an image without its data; the GIF below is whole.)
    for (const char* format : {kImageFormatJpeg, kImageFormatPng, kImageFormatBmp}) {
        SCOPED_TRACE(format);
        const std::string bytes = EncodedPicture(9, 7, format);
        ASSERT_FALSE(bytes.empty());
        GdipBitmap bitmap;
        ASSERT_TRUE(bitmap.CreateBitmapFromStream(bytes));
        EXPECT_EQ(bitmap.GetImageWidth(), 9);
    }
    GdipImage gif;
    EXPECT_TRUE(gif.LoadImageFromStream(MakeAnimatedGif(6, 4, {0xFF0000, 0x00FF00}, {10, 20})));
}

TEST(GdipStreamTest, BlocksAndBytes)
{
    HGlobalStream stream;
    EXPECT_EQ(stream.GetBlockSize(), 0u);
    EXPECT_EQ(stream.GetGlobalHandle(), nullptr);
    EXPECT_EQ(stream.GetStreamBytes(), "");

    ASSERT_NE(stream.CreateStreamFromBytes(), nullptr);
    EXPECT_EQ(stream.GetStreamBytes(), "") << "a stream made with neither argument is empty";
    ASSERT_NE(stream.CreateStreamFromBytes("abcdef"), nullptr);
    EXPECT_EQ(stream.GetBlockSize(), 6u);
    EXPECT_EQ(stream.GetStreamBytes(), "abcdef");
    EXPECT_EQ(stream.GetStreamBytes(), "abcdef") << "reading does not move the stream";
    ASSERT_NE(stream.CreateStreamFromBytes("abcdef", 3), nullptr);
    EXPECT_EQ(stream.GetStreamBytes(), "abc");
    ASSERT_NE(stream.CreateStreamFromBytes("abc", 100), nullptr);
    EXPECT_EQ(stream.GetStreamBytes(), "abc") << "a longer length is cut to the data";

    // Bytes written through the stream count by the stream's size.
    IStream* writer = stream.CreateStreamFromBytes();
    ULONG written = 0;
    ASSERT_EQ(writer->Write("xyz", 3, &written), S_OK);
    EXPECT_EQ(stream.GetStreamBytes(), "xyz");
    stream.ReleaseStream();
    stream.ReleaseStream();
    EXPECT_EQ(stream.GetStreamPointer(), nullptr);

    IStream* own = nullptr;
    ASSERT_EQ(CreateStreamOnHGlobal(nullptr, TRUE, &own), S_OK);
    own->Write("12", 2, &written);
    EXPECT_TRUE(stream.AttachStream(own));
    EXPECT_EQ(stream.GetStreamBytes(), "12");
}

}  // namespace
