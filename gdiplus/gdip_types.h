#pragma once
// Records that pass between the drawing code and the GDI+ object layer. Byte data (picture bytes,
// UTF-16 texts, serialised regions) is held in std::string, as everywhere in the program.
#include <cstdint>
#include <string>
#include <vector>

struct PointF {
    float x = 0, y = 0;
};
struct Point {
    int x = 0, y = 0;
};
struct RectF {
    float x = 0, y = 0, width = 0, height = 0;
};
struct Rect {
    int x = 0, y = 0, width = 0, height = 0;
};
struct SizeF {
    float width = 0, height = 0;
};
// A run of characters whose box GdipGraphics::MeasureCharacterRanges measures.
struct CharacterRange {
    int first = 0, length = 0;
};

// What GdipPath::GetPathData reads: one point and one GDI+ point-type byte per point.
struct PathData {
    int count = 0;
    std::vector<PointF> points;
    std::string types;
};

// One image property (EXIF tag, frame delays, ...). Value holds Length bytes.
struct PropertyItem {
    int id = 0;
    int length = 0;
    int type = 0;
    std::string value;
};

struct ColorPalette {
    int flags = 0;
    int count = 0;
    std::vector<uint32_t> entries;
};

// Filled by GdipBitmap::BitmapLockBits; the layout GDI+ itself uses (Scan0 is pointer-sized).
struct BitmapData {
    unsigned int width = 0;
    unsigned int height = 0;
    int stride = 0;
    int pixelFormat = 0;
    void* scan0 = nullptr;
    uintptr_t reserved = 0;
};

// Encoder parameters with their category GUID as text; Value holds the raw values.
struct EncoderParameter {
    std::string guid;
    int numberOfValues = 0;
    int type = 0;
    std::string value;
};
struct EncoderParameters {
    int count = 0;
    std::vector<EncoderParameter> parameter;
};

// One installed image encoder, GUIDs and names as GBK texts.
struct ImageCodecInfo {
    std::string clsid;
    std::string formatId;
    std::string codecName;
    std::string dllName;
    std::string formatDescription;
    std::string filenameExtension;
    std::string mimeType;
    int flags = 0;
    int version = 0;
    int sigCount = 0;
    int sigSize = 0;
    std::string sigPattern;
    std::string sigMask;
};

// GUIDs travel as 38-character brace texts with upper-case hexadecimal digits.
inline constexpr char kImageFormatBmp[] = "{B96B3CAB-0728-11D3-9D7B-0000F81EF32E}";
inline constexpr char kImageFormatJpeg[] = "{B96B3CAE-0728-11D3-9D7B-0000F81EF32E}";
inline constexpr char kImageFormatGif[] = "{B96B3CB0-0728-11D3-9D7B-0000F81EF32E}";
inline constexpr char kImageFormatPng[] = "{B96B3CAF-0728-11D3-9D7B-0000F81EF32E}";
inline constexpr char kFrameDimensionTime[] = "{6AEDBD6D-3FB5-418A-83A6-7F45229DC872}";
inline constexpr char kNullGuidText[] = "{00000000-0000-0000-0000-000000000000}";

// Pixel formats the drawing code asks for.
inline constexpr int kPixelFormat32bppRgb = 0x22009;
inline constexpr int kPixelFormat32bppArgb = 0x26200A;
