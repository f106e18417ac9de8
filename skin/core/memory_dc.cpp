#include "skin/core/memory_dc.h"

#include <algorithm>
#include <mutex>
#include <vector>

namespace {

struct MemoryDcEntry {
    HDC dc;
    HBITMAP bitmap;
    HGDIOBJ previousBitmap;
};

// The contexts are made and released by painters on the UI thread; the lock only keeps a stray caller
// on another thread from corrupting the list.
std::mutex g_memoryDcsMutex;
std::vector<MemoryDcEntry> g_memoryDcs;

std::vector<MemoryDcEntry>::iterator FindEntry(HDC dc)
{
    return std::find_if(g_memoryDcs.begin(), g_memoryDcs.end(), [dc](const MemoryDcEntry& e) { return e.dc == dc; });
}

}  // namespace

HBITMAP CreateDib32(int width, int height)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
}

void RegisterMemoryDC(HDC dc, HBITMAP bitmap, HGDIOBJ previousBitmap)
{
    std::lock_guard<std::mutex> lock(g_memoryDcsMutex);
    auto entry = FindEntry(dc);
    if (entry != g_memoryDcs.end()) {
        entry->bitmap = bitmap;
        entry->previousBitmap = previousBitmap;
    } else {
        g_memoryDcs.push_back({dc, bitmap, previousBitmap});
    }
}

bool ReleaseMemoryDC(HDC dc)
{
    if (!dc)
        return false;
    MemoryDcEntry released;
    {
        std::lock_guard<std::mutex> lock(g_memoryDcsMutex);
        auto entry = FindEntry(dc);
        if (entry == g_memoryDcs.end())
            return false;
        released = *entry;
        g_memoryDcs.erase(entry);
    }
    // The registered bitmap is deleted by its handle: a bitmap that a painter left selected in its
    // place stays the painter's.
    SelectObject(dc, released.previousBitmap);
    DeleteDC(dc);
    DeleteObject(released.bitmap);
    return true;
}

HDC CreateMemoryDC(int width, int height)
{
    HBITMAP bitmap = CreateDib32(width, height);
    if (!bitmap)
        return nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    if (!dc) {
        DeleteObject(bitmap);
        return nullptr;
    }
    HGDIOBJ previous = SelectObject(dc, bitmap);
    RegisterMemoryDC(dc, bitmap, previous);
    return dc;
}

HBITMAP CopyDcToBitmap(HDC source, int width, int height)
{
    HBITMAP bitmap = nullptr;
    if (source) {
        HDC target = CreateCompatibleDC(nullptr);
        bitmap = CreateCompatibleBitmap(source, width, height);
        if (target && bitmap) {
            HGDIOBJ old = SelectObject(target, bitmap);
            BitBlt(target, 0, 0, width, height, source, 0, 0, SRCCOPY);
            SelectObject(target, old);
        }
        if (target)
            DeleteDC(target);
    }
    ReleaseMemoryDC(source);
    return bitmap;
}

int MemoryDcCount()
{
    std::lock_guard<std::mutex> lock(g_memoryDcsMutex);
    return static_cast<int>(g_memoryDcs.size());
}

bool IsMemoryDcRegistered(HDC dc)
{
    std::lock_guard<std::mutex> lock(g_memoryDcsMutex);
    return FindEntry(dc) != g_memoryDcs.end();
}
