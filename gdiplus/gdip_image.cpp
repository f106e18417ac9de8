#include "gdiplus/gdip_image.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "gdiplus/gdip_codecs.h"
#include "gdiplus/gdip_internal.h"
#include "gdiplus/picture_guard.h"
#include "runtime/picture_structure.h"

using namespace gdipx;

GdipImage::~GdipImage()
{
    StatusKeeper keep;
    DisposeImage();
}

void GdipImage::SetClassHandle(void* handle)
{
    image_ = static_cast<gp::GpImage*>(handle);
    SetSubclassHandle(handle);
}

bool GdipImage::DisposeImage()
{
    if (!image_)
        return false;
    const gp::Status status = gpf::GdipDisposeImage(image_);
    SetNativeHandle(nullptr);
    stream_.ReleaseStream();
    return Check(status);
}

bool GdipImage::LoadImageFromFile(const std::string& fileName, bool useIcm)
{
    return LoadImageFromFileW(TextToWideBytes(fileName), useIcm);
}

bool GdipImage::LoadImageFromFileW(const std::string& wideFileName, bool useIcm)
{
    ReleaseHeld();
    const WideText name = WideFromBytes(wideFileName);
    gp::GpImage* image = nullptr;
    const gp::Status status = !PictureFileDecodable(name.Units()) ? gp::InvalidParameter
                              : useIcm ? gpf::GdipLoadImageFromFileICM(name.Units(), &image)
                                       : gpf::GdipLoadImageFromFile(name.Units(), &image);
    return TakeCreated(status, image);
}

bool GdipImage::LoadImageFromStream(const std::string& data, bool useIcm)
{
    ReleaseHeld();
    IStream* stream = stream_.CreateStreamFromBytes(data);
    gp::GpImage* image = nullptr;
    const gp::Status status = !stream                      ? gp::OutOfMemory
                              : !PictureOutlineSound(data) ? gp::InvalidParameter
                              : useIcm                     ? gpf::GdipLoadImageFromStreamICM(stream, &image)
                                       : gpf::GdipLoadImageFromStream(stream, &image);
    return TakeCreated(status, image);
}

bool GdipImage::CloneImage(GdipImage& target) const
{
    gp::GpImage* copy = nullptr;
    return GiveTo(target, gpf::GdipCloneImage(image_, &copy), copy);
}

// --- encoding ---------------------------------------------------------------------------------------

namespace {

// The encoder CLSID for a format text (all zeros when no encoder has that format).
CLSID EncoderFor(const std::string& format) { return TextToGuid(FindEncoderClsidByFormat(format)); }

// The parameters as GDI+ reads them, or none; false (InvalidParameter) when they would make GDI+
// read past a value.
class OptionalParameters {
public:
    explicit OptionalParameters(const EncoderParameters* parameters)
    {
        if (parameters)
            block_ = std::make_unique<EncoderParameterBlock>(*parameters);
    }
    bool Usable() const
    {
        if (block_ && !block_->IsValid()) {
            StoreStatus(gp::InvalidParameter);
            return false;
        }
        return true;
    }
    const gp::EncoderParameters* Get() const
    {
        return block_ ? static_cast<const gp::EncoderParameters*>(block_->Data()) : nullptr;
    }

private:
    std::unique_ptr<EncoderParameterBlock> block_;
};

}  // namespace

bool GdipImage::SaveImageToFile(const std::string& fileName, const std::string& format,
                                const EncoderParameters* parameters) const
{
    const CLSID encoder = EncoderFor(format.empty() ? GetImageRawFormat() : format);
    const OptionalParameters block(parameters);
    if (!block.Usable())
        return false;
    const WideText name = WideFromText(fileName);
    return Check(gpf::GdipSaveImageToFile(image_, name.Units(), &encoder, block.Get()));
}

bool GdipImage::SaveImageToFileW(const std::string& wideFileName, const std::string& format,
                                 const EncoderParameters* parameters) const
{
    const CLSID encoder = EncoderFor(format.empty() ? kImageFormatBmp : format);
    const OptionalParameters block(parameters);
    if (!block.Usable())
        return false;
    const WideText name = WideFromBytes(wideFileName);
    return Check(gpf::GdipSaveImageToFile(image_, name.Units(), &encoder, block.Get()));
}

std::string GdipImage::SaveImageToStream(const std::string& format, const EncoderParameters* parameters) const
{
    const CLSID encoder = EncoderFor(format.empty() ? GetImageRawFormat() : format);
    const OptionalParameters block(parameters);
    if (!block.Usable())
        return std::string();
    HGlobalStream target;
    IStream* stream = target.CreateStreamFromBytes();
    if (!stream) {
        StoreStatus(gp::OutOfMemory);
        return std::string();
    }
    if (!Check(gpf::GdipSaveImageToStream(image_, stream, &encoder, block.Get())))
        return std::string();
    return target.GetStreamBytes();
}

bool GdipImage::SaveAdd(const EncoderParameters& parameters)
{
    const EncoderParameterBlock block(parameters);
    if (!block.IsValid()) {
        StoreStatus(gp::InvalidParameter);
        return false;
    }
    return Check(gpf::GdipSaveAdd(image_, static_cast<const gp::EncoderParameters*>(block.Data())));
}

bool GdipImage::SaveAddImage(const GdipImage& other, const EncoderParameters& parameters)
{
    const EncoderParameterBlock block(parameters);
    if (!block.IsValid()) {
        StoreStatus(gp::InvalidParameter);
        return false;
    }
    return Check(gpf::GdipSaveAddImage(image_, Native<gp::GpImage>(other),
                                       static_cast<const gp::EncoderParameters*>(block.Data())));
}

bool GdipImage::GetEncoderParameterList(const std::string& format, EncoderParameters& parameters) const
{
    const CLSID encoder = EncoderFor(format);
    UINT size = 0;
    if (!Check(gpf::GdipGetEncoderParameterListSize(image_, &encoder, &size)) || size == 0)
        return false;
    std::vector<uint64_t> buffer((size + 7) / 8);
    if (!Check(gpf::GdipGetEncoderParameterList(image_, &encoder, size,
                                                reinterpret_cast<gp::EncoderParameters*>(buffer.data()))))
        return false;
    return ReadEncoderParameterBlock(buffer.data(), size, parameters);
}

// --- properties of the picture ----------------------------------------------------------------------

std::string GdipImage::GetImageRawFormat() const
{
    GUID format = {};
    Check(gpf::GdipGetImageRawFormat(image_, &format));
    return GuidToText(format);
}

RectF GdipImage::GetImageBounds(int& unit) const
{
    RectF bounds;
    gp::Unit nativeUnit{};
    if (!Check(gpf::GdipGetImageBounds(image_, AsGp(bounds), &nativeUnit)))
        return RectF();
    unit = nativeUnit;
    return bounds;
}

SizeF GdipImage::GetImageDimension() const
{
    SizeF size;
    return Check(gpf::GdipGetImageDimension(image_, &size.width, &size.height)) ? size : SizeF();
}

int GdipImage::GetImageType() const
{
    gp::ImageType type{};
    return Check(gpf::GdipGetImageType(image_, &type)) ? type : 0;
}

int GdipImage::GetImageWidth() const
{
    UINT width = 0;
    return Check(gpf::GdipGetImageWidth(image_, &width)) ? static_cast<int>(width) : 0;
}

int GdipImage::GetImageHeight() const
{
    UINT height = 0;
    return Check(gpf::GdipGetImageHeight(image_, &height)) ? static_cast<int>(height) : 0;
}

float GdipImage::GetImageHorizontalResolution() const
{
    float dpi = 0;
    return Check(gpf::GdipGetImageHorizontalResolution(image_, &dpi)) ? dpi : 0.0f;
}

float GdipImage::GetImageVerticalResolution() const
{
    float dpi = 0;
    return Check(gpf::GdipGetImageVerticalResolution(image_, &dpi)) ? dpi : 0.0f;
}

int GdipImage::GetImageFlags() const
{
    UINT flags = 0;
    return Check(gpf::GdipGetImageFlags(image_, &flags)) ? static_cast<int>(flags) : 0;
}

int GdipImage::GetImagePixelFormat() const
{
    gp::PixelFormat format = 0;
    return Check(gpf::GdipGetImagePixelFormat(image_, &format)) ? static_cast<int>(format) : 0;
}

bool GdipImage::GetImageThumbnail(int width, int height, GdipImage& target) const
{
    gp::GpImage* thumbnail = nullptr;
    return GiveTo(target, gpf::GdipGetImageThumbnail(image_, width, height, &thumbnail, nullptr, nullptr), thumbnail);
}

int GdipImage::ImageGetFrameCount(const std::string& dimension) const
{
    const GUID guid = TextToGuid(dimension);
    UINT count = 0;
    return Check(gpf::GdipImageGetFrameCount(image_, &guid, &count)) ? static_cast<int>(count) : 0;
}

bool GdipImage::ImageGetFrameDimensionsList(std::vector<std::string>& dimensions) const
{
    UINT count = 0;
    if (!Check(gpf::GdipImageGetFrameDimensionsCount(image_, &count)))
        return false;
    std::vector<GUID> guids(count);
    const bool ok = Check(gpf::GdipImageGetFrameDimensionsList(image_, guids.data(), count));
    dimensions.clear();
    for (const GUID& guid : guids)
        dimensions.push_back(GuidToText(guid));
    return ok;
}

bool GdipImage::ImageSelectActiveFrame(const std::string& dimension, int index)
{
    const GUID guid = TextToGuid(dimension);
    return Check(gpf::GdipImageSelectActiveFrame(image_, &guid, static_cast<UINT>(index)));
}

bool GdipImage::GetFrameDelays(std::vector<int>& delays) const
{
    PropertyItem item;
    if (!GetPropertyItem(0x5100, item))  // PropertyTagFrameDelay
        return false;
    const size_t count = std::min(static_cast<size_t>(item.length < 0 ? 0 : item.length), item.value.size()) / 4;
    delays.assign(count, 0);
    std::memcpy(delays.data(), item.value.data(), count * 4);
    return true;
}

bool GdipImage::GetPropertyItem(int id, PropertyItem& item) const
{
    UINT size = 0;
    if (!Check(gpf::GdipGetPropertyItemSize(image_, id, &size)) || size < sizeof(gp::PropertyItem))
        return false;
    std::vector<uint64_t> buffer((size + 7) / 8);
    auto* native = reinterpret_cast<gp::PropertyItem*>(buffer.data());
    const bool ok = Check(gpf::GdipGetPropertyItem(image_, id, size, native));
    item.id = static_cast<int>(native->id);
    item.type = native->type;
    // The value follows the record in the same buffer; never read outside it.
    const char* start = reinterpret_cast<const char*>(buffer.data());
    const char* value = static_cast<const char*>(native->value);
    if (!value || value < start + sizeof(gp::PropertyItem) || value > start + size)
        value = start + sizeof(gp::PropertyItem);
    const size_t available = static_cast<size_t>(start + size - value);
    const size_t length = std::min(static_cast<size_t>(native->length), available);
    item.length = static_cast<int>(length);
    item.value.assign(value, length);
    return ok;
}

bool GdipImage::SetPropertyItem(PropertyItem& item)
{
    gp::PropertyItem native = {};
    native.id = static_cast<PROPID>(item.id);
    native.length = static_cast<ULONG>(std::clamp<size_t>(item.length < 0 ? 0 : item.length, 0, item.value.size()));
    native.type = static_cast<WORD>(item.type);
    native.value = item.value.empty() ? nullptr : &item.value[0];
    const bool ok = Check(gpf::GdipSetPropertyItem(image_, &native));
    item.id = static_cast<int>(native.id);
    item.length = static_cast<int>(native.length);
    item.type = native.type;
    return ok;
}

bool GdipImage::RemovePropertyItem(int id) { return Check(gpf::GdipRemovePropertyItem(image_, id)); }

int GdipImage::GetPropertyIdList(std::vector<int>& ids) const
{
    UINT count = 0;
    if (!Check(gpf::GdipGetPropertyCount(image_, &count)))
        return 0;
    std::vector<PROPID> list(count);
    Check(gpf::GdipGetPropertyIdList(image_, count, list.data()));
    ids.assign(list.begin(), list.end());
    return static_cast<int>(count);
}

bool GdipImage::ImageRotateFlip(int rotateFlipType)
{
    return Check(gpf::GdipImageRotateFlip(image_, En(rotateFlipType)));
}

bool GdipImage::GetImagePalette(ColorPalette& palette) const
{
    INT size = 0;
    const INT header = static_cast<INT>(offsetof(gp::ColorPalette, Entries));
    if (!Check(gpf::GdipGetImagePaletteSize(image_, &size)) || size < header)
        return false;
    std::vector<uint64_t> buffer((size + 7) / 8);
    auto* native = reinterpret_cast<gp::ColorPalette*>(buffer.data());
    if (!Check(gpf::GdipGetImagePalette(image_, native, size)))
        return false;
    const size_t count = std::min<size_t>(native->Count, static_cast<size_t>(size - header) / sizeof(gp::ARGB));
    palette.flags = static_cast<int>(native->Flags);
    palette.count = static_cast<int>(count);
    palette.entries.assign(native->Entries, native->Entries + count);
    return true;
}

bool GdipImage::SetImagePalette(const ColorPalette& palette)
{
    const size_t count = std::min<size_t>(palette.count < 0 ? 0 : palette.count, palette.entries.size());
    const size_t size = offsetof(gp::ColorPalette, Entries) + std::max<size_t>(count, 1) * sizeof(gp::ARGB);
    std::vector<uint64_t> buffer((size + 7) / 8);
    auto* native = reinterpret_cast<gp::ColorPalette*>(buffer.data());
    native->Flags = static_cast<UINT>(palette.flags);
    native->Count = static_cast<UINT>(count);
    std::copy(palette.entries.begin(), palette.entries.begin() + count, native->Entries);
    return Check(gpf::GdipSetImagePalette(image_, native));
}
