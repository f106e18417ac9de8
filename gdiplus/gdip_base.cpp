#include "gdiplus/gdip_internal.h"

#include "codepage/codepage.h"

namespace {
// One status per thread: a worker's failures never show in the UI thread's results.
thread_local int t_lastStatus = 0;
}  // namespace

int LastGdipStatus() { return t_lastStatus; }

namespace gdipx {

void StoreStatus(int status) { t_lastStatus = status; }

bool Check(gp::Status status)
{
    t_lastStatus = static_cast<int>(status);
    return status == gp::Ok;
}

WideText::WideText(std::string bytes) : bytes_(std::move(bytes))
{
    // Whole units plus a guaranteed zero unit, whatever the caller's bytes held.
    bytes_.resize(bytes_.size() / 2 * 2);
    bytes_.append(2, '\0');
    const WCHAR* units = Units();
    while (units[length_] != 0)
        ++length_;
}

WideText WideFromText(const std::string& text) { return WideText(TextToWideBytes(text)); }
WideText WideFromBytes(const std::string& wideBytes) { return WideText(wideBytes); }

}  // namespace gdipx

std::string TextToWideBytes(const std::string& text)
{
    const std::u16string wide = GbkToUtf16(std::string_view(text.c_str()));
    std::string bytes;
    bytes.reserve(wide.size() * 2 + 2);
    for (char16_t unit : wide) {
        bytes.push_back(static_cast<char>(unit & 0xFF));
        bytes.push_back(static_cast<char>(unit >> 8));
    }
    bytes.append(2, '\0');
    return bytes;
}

std::string WideToText(const wchar_t* wide)
{
    if (!wide)
        return std::string();
    static_assert(sizeof(wchar_t) == sizeof(char16_t), "UTF-16 wchar_t");
    return Utf16ToGbk(std::u16string_view(reinterpret_cast<const char16_t*>(wide)));
}

void GdipObjectBase::SetNativeHandle(void* handle)
{
    native_ = handle;
    SetClassHandle(handle);
}

void GdipObjectBase::ReplaceNativeHandle(void* handle)
{
    if (native_ && native_ != handle)
        ReleaseHeld();
    SetNativeHandle(handle);
}

bool GdipObjectBase::KeepCreated(int status, void* handle)
{
    gdipx::StoreStatus(status);
    SetNativeHandle(status == gp::Ok ? handle : nullptr);
    return status == gp::Ok;
}

void* GdipObjectBase::GdipAllocMemory(size_t size) { return gpf::GdipAlloc(size); }

void GdipObjectBase::GdipFreeMemory(void* memory) { gpf::GdipFree(memory); }
