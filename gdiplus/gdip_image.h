#pragma once
// Images: pictures decoded from byte data (PNG, JPEG, GIF, BMP ...) or files, measured, drawn through
// GdipGraphics, stepped through frame by frame, and encoded again. Picture bytes are copied into a
// member stream that lives as long as the decoded image. Image formats, frame dimensions and encoder
// parameter categories are GUID texts (see gdip_codecs.h). A GdipBitmap is a GdipImage too.
#include <string>
#include <vector>

#include "gdiplus/gdip_base.h"
#include "gdiplus/hglobal_stream.h"

class GdipImage : public GdipObjectBase {
public:
    GdipImage() = default;
    ~GdipImage() override;

    // Disposes of the image, then releases the member stream (GDI+ may read it until then).
    bool DisposeImage();
    bool LoadImageFromFile(const std::string& fileName, bool useIcm = false);
    bool LoadImageFromFileW(const std::string& wideFileName, bool useIcm = false);
    // Decodes a copy of the bytes kept in the member stream; undecodable or empty bytes fail and
    // leave the wrapper without an image.
    bool LoadImageFromStream(const std::string& data, bool useIcm = false);
    bool CloneImage(GdipImage& target) const;

    // Encoding: the format is a GUID text; "" means the image's own raw format (a BMP for the W file
    // save). A format no encoder has fails.
    bool SaveImageToFile(const std::string& fileName, const std::string& format = std::string(),
                         const EncoderParameters* parameters = nullptr) const;
    bool SaveImageToFileW(const std::string& wideFileName, const std::string& format = std::string(),
                          const EncoderParameters* parameters = nullptr) const;
    // The encoded bytes; empty when the image could not be encoded.
    std::string SaveImageToStream(const std::string& format = std::string(),
                                  const EncoderParameters* parameters = nullptr) const;
    bool SaveAdd(const EncoderParameters& parameters);
    bool SaveAddImage(const GdipImage& other, const EncoderParameters& parameters);
    bool GetEncoderParameterList(const std::string& format, EncoderParameters& parameters) const;

    // The all-zero GUID text when there is no image.
    std::string GetImageRawFormat() const;
    RectF GetImageBounds(int& unit) const;
    SizeF GetImageDimension() const;
    int GetImageType() const;
    int GetImageWidth() const;
    int GetImageHeight() const;
    float GetImageHorizontalResolution() const;
    float GetImageVerticalResolution() const;
    int GetImageFlags() const;
    int GetImagePixelFormat() const;
    bool GetImageThumbnail(int width, int height, GdipImage& target) const;
    // Frames along a dimension (kFrameDimensionTime for animations); 0 on failure.
    int ImageGetFrameCount(const std::string& dimension) const;
    bool ImageGetFrameDimensionsList(std::vector<std::string>& dimensions) const;
    bool ImageSelectActiveFrame(const std::string& dimension, int index);
    // One delay per frame in hundredths of a second; false, the array untouched, without them.
    bool GetFrameDelays(std::vector<int>& delays) const;
    bool GetPropertyItem(int id, PropertyItem& item) const;
    // Length is cut to the value's byte count; Id, Length and Type are written back.
    bool SetPropertyItem(PropertyItem& item);
    bool RemovePropertyItem(int id);
    int GetPropertyIdList(std::vector<int>& ids) const;
    bool ImageRotateFlip(int rotateFlipType);
    bool GetImagePalette(ColorPalette& palette) const;
    // Count is cut to the number of entries.
    bool SetImagePalette(const ColorPalette& palette);

protected:
    void SetClassHandle(void* handle) final;
    virtual void SetSubclassHandle(void*) {}
    void ReleaseHeld() override { DisposeImage(); }
    // Keeps the bytes of a stream load alive until the image is disposed.
    HGlobalStream stream_;

private:
    Gdiplus::GpImage* image_ = nullptr;
};
