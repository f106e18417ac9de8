// Screenshots for the Wine tests: what a window shows, frame included, saved as PNG under the build's
// screenshots folder (BN_SCREENSHOT_DIR, a Z: path). The picture is read from the window's own pixels,
// not off the screen: the windows of test programs running beside this one would cover it there.
// The system's imaging component writes the PNG, so that the forms' tests need nothing above them.
#include "runtime/forms/forms_test_support.h"

#include <objbase.h>
#include <wincodec.h>

#include <vector>

#include "runtime/forms/form_runtime.h"

namespace forms_test {

namespace {

// Releases a COM interface at the end of its scope.
template <class T>
struct ComPtr {
    T* p = nullptr;
    ~ComPtr()
    {
        if (p)
            p->Release();
    }
    T** Out() { return &p; }
    T* operator->() const { return p; }
};

std::wstring WideOf(const std::string& text)
{
    const int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    std::vector<wchar_t> wide(length > 0 ? length : 1);
    if (length > 0)
        MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), length);
    return std::wstring(wide.data());
}

bool SavePng(HBITMAP bitmap, const std::string& path)
{
    const HRESULT started = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    bool saved = false;
    {
        ComPtr<IWICImagingFactory> factory;
        ComPtr<IWICBitmap> source;
        ComPtr<IWICStream> stream;
        ComPtr<IWICBitmapEncoder> encoder;
        ComPtr<IWICBitmapFrameEncode> frame;
        const std::wstring file = WideOf(path);
        saved = SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                           IID_IWICImagingFactory, reinterpret_cast<void**>(factory.Out()))) &&
                SUCCEEDED(factory->CreateBitmapFromHBITMAP(bitmap, nullptr, WICBitmapIgnoreAlpha, source.Out())) &&
                SUCCEEDED(factory->CreateStream(stream.Out())) &&
                SUCCEEDED(stream->InitializeFromFilename(file.c_str(), GENERIC_WRITE)) &&
                SUCCEEDED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, encoder.Out())) &&
                SUCCEEDED(encoder->Initialize(stream.p, WICBitmapEncoderNoCache)) &&
                SUCCEEDED(encoder->CreateNewFrame(frame.Out(), nullptr)) && SUCCEEDED(frame->Initialize(nullptr)) &&
                SUCCEEDED(frame->WriteSource(source.p, nullptr)) && SUCCEEDED(frame->Commit()) &&
                SUCCEEDED(encoder->Commit());
    }
    if (SUCCEEDED(started))
        CoUninitialize();
    return saved;
}

}  // namespace

bool SaveScreenshot(HWND window, const std::string& fileName)
{
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    forms::ProcessPendingMessages();
    RECT area;
    const bool placed = GetWindowRect(window, &area) != FALSE;
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    bool copied = false;
    HBITMAP bitmap = nullptr;
    if (placed && width > 0 && height > 0) {
        HDC source = GetWindowDC(window);
        HDC memory = CreateCompatibleDC(source);
        bitmap = CreateCompatibleBitmap(source, width, height);
        HGDIOBJ old = SelectObject(memory, bitmap);
        copied = BitBlt(memory, 0, 0, width, height, source, 0, 0, SRCCOPY) != FALSE;
        SelectObject(memory, old);
        DeleteDC(memory);
        ReleaseDC(window, source);
    }

    CreateDirectoryA(BN_SCREENSHOT_DIR, nullptr);
    const bool saved = copied && SavePng(bitmap, std::string(BN_SCREENSHOT_DIR) + "\\" + fileName);
    if (bitmap)
        DeleteObject(bitmap);
    return saved;
}

}  // namespace forms_test
