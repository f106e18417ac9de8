#include "gdiplus/gdip_codecs.h"

#include <cstdio>
#include <cstring>

#include "gdiplus/gdip_internal.h"

using namespace gdipx;

std::string GuidToText(const GUID& guid)
{
    char text[40];
    std::snprintf(text, sizeof text, "{%08lX-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
                  static_cast<unsigned long>(guid.Data1), guid.Data2, guid.Data3, guid.Data4[0], guid.Data4[1],
                  guid.Data4[2], guid.Data4[3], guid.Data4[4], guid.Data4[5], guid.Data4[6], guid.Data4[7]);
    return text;
}

namespace {

bool ReadHex(const std::string& text, size_t at, int digits, unsigned long& value)
{
    value = 0;
    for (int i = 0; i < digits; ++i) {
        const char c = text[at + i];
        int digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else if (c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else
            return false;
        value = value * 16 + digit;
    }
    return true;
}

}  // namespace

GUID TextToGuid(const std::string& text)
{
    const GUID none = {};
    if (text.size() != 38 || text[0] != '{' || text[37] != '}' || text[9] != '-' || text[14] != '-' ||
        text[19] != '-' || text[24] != '-')
        return none;
    GUID guid = {};
    unsigned long value = 0;
    if (!ReadHex(text, 1, 8, value))
        return none;
    guid.Data1 = value;
    if (!ReadHex(text, 10, 4, value))
        return none;
    guid.Data2 = static_cast<unsigned short>(value);
    if (!ReadHex(text, 15, 4, value))
        return none;
    guid.Data3 = static_cast<unsigned short>(value);
    const size_t byteAt[8] = {20, 22, 25, 27, 29, 31, 33, 35};
    for (int i = 0; i < 8; ++i) {
        if (!ReadHex(text, byteAt[i], 2, value))
            return none;
        guid.Data4[i] = static_cast<unsigned char>(value);
    }
    return guid;
}

namespace {

std::string CopyBytes(const BYTE* bytes, size_t count)
{
    return bytes && count ? std::string(reinterpret_cast<const char*>(bytes), count) : std::string();
}

}  // namespace

int ListImageEncoders(std::vector<ImageCodecInfo>& codecs)
{
    UINT count = 0, size = 0;
    if (!Check(gpf::GdipGetImageEncodersSize(&count, &size)))
        return 0;
    codecs.assign(count, ImageCodecInfo());
    if (count == 0 || size < count * sizeof(gp::ImageCodecInfo))
        return static_cast<int>(count);
    std::vector<uint64_t> buffer((size + 7) / 8);
    auto* native = reinterpret_cast<gp::ImageCodecInfo*>(buffer.data());
    Check(gpf::GdipGetImageEncoders(count, size, native));
    for (UINT i = 0; i < count; ++i) {
        const gp::ImageCodecInfo& from = native[i];
        ImageCodecInfo& to = codecs[i];
        to.clsid = GuidToText(from.Clsid);
        to.formatId = GuidToText(from.FormatID);
        to.codecName = WideToText(from.CodecName);
        to.dllName = WideToText(from.DllName);
        to.formatDescription = WideToText(from.FormatDescription);
        to.filenameExtension = WideToText(from.FilenameExtension);
        to.mimeType = WideToText(from.MimeType);
        to.flags = static_cast<int>(from.Flags);
        to.version = static_cast<int>(from.Version);
        to.sigCount = static_cast<int>(from.SigCount);
        to.sigSize = static_cast<int>(from.SigSize);
        to.sigPattern = CopyBytes(from.SigPattern, static_cast<size_t>(from.SigCount) * from.SigSize);
        to.sigMask = CopyBytes(from.SigMask, static_cast<size_t>(from.SigCount) * from.SigSize);
    }
    return static_cast<int>(count);
}

std::string FindEncoderClsidByFormat(const std::string& format)
{
    std::vector<ImageCodecInfo> codecs;
    ListImageEncoders(codecs);
    for (const ImageCodecInfo& codec : codecs)
        if (codec.formatId == format)
            return codec.clsid;
    return std::string();
}

int EncoderValueSize(int type)
{
    switch (type) {
    case 1:
    case 2:
    case 7:
        return 1;
    case 3:
        return 2;
    case 4:
        return 4;
    case 5:
    case 6:
        return 8;
    case 8:
        return 16;
    default:
        return 0;
    }
}

EncoderParameterBlock::EncoderParameterBlock(const EncoderParameters& parameters)
{
    const size_t count = parameters.parameter.size();
    size_ = offsetof(gp::EncoderParameters, Parameter) + count * sizeof(gp::EncoderParameter);
    storage_.assign((size_ + 7) / 8, 0);
    auto* native = reinterpret_cast<gp::EncoderParameters*>(storage_.data());
    native->Count = static_cast<UINT>(parameters.count < 0 ? 0 : std::min<size_t>(parameters.count, count));
    for (size_t i = 0; i < count; ++i) {
        const EncoderParameter& from = parameters.parameter[i];
        gp::EncoderParameter& to = native->Parameter[i];
        to.Guid = TextToGuid(from.guid);
        to.NumberOfValues = static_cast<ULONG>(from.numberOfValues);
        to.Type = static_cast<ULONG>(from.type);
        to.Value = from.value.empty() ? nullptr : const_cast<char*>(from.value.data());
        const size_t needed = static_cast<size_t>(from.numberOfValues < 0 ? 0 : from.numberOfValues) *
                              static_cast<size_t>(EncoderValueSize(from.type));
        if (from.numberOfValues < 0 || from.value.size() < needed)
            valid_ = false;
    }
}

bool ReadEncoderParameterBlock(const void* block, size_t size, EncoderParameters& parameters)
{
    const size_t header = offsetof(gp::EncoderParameters, Parameter);
    if (!block || size < header)
        return false;
    const auto* native = static_cast<const gp::EncoderParameters*>(block);
    const size_t fits = (size - header) / sizeof(gp::EncoderParameter);
    const size_t count = std::min<size_t>(native->Count, fits);
    parameters.count = static_cast<int>(native->Count);
    parameters.parameter.assign(count, EncoderParameter());
    for (size_t i = 0; i < count; ++i) {
        const gp::EncoderParameter& from = native->Parameter[i];
        EncoderParameter& to = parameters.parameter[i];
        to.guid = GuidToText(from.Guid);
        to.numberOfValues = static_cast<int>(from.NumberOfValues);
        to.type = static_cast<int>(from.Type);
        const size_t bytes = static_cast<size_t>(from.NumberOfValues) * EncoderValueSize(to.type);
        if (from.Value && bytes)
            to.value.assign(static_cast<const char*>(from.Value), bytes);
    }
    return true;
}
