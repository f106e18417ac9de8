// The registry of the skin's memory contexts.
#include <gtest/gtest.h>

#include "skin/core/memory_dc.h"
#include "skin/core/skin_test_support.h"

TEST(SkinMemoryDcTest, ReleaseDeletesTheContextWithItsBitmap)
{
    const int before = MemoryDcCount();
    HDC dc = CreateMemoryDC(40, 30);
    ASSERT_NE(dc, nullptr);
    EXPECT_EQ(MemoryDcCount(), before + 1);
    HGDIOBJ bitmap = GetCurrentObject(dc, OBJ_BITMAP);
    BITMAP info = {};
    ASSERT_EQ(GetObjectA(bitmap, sizeof(info), &info), static_cast<int>(sizeof(info)));
    EXPECT_EQ(info.bmWidth, 40);
    EXPECT_EQ(info.bmHeight, 30);
    EXPECT_EQ(info.bmBitsPixel, 32);

    EXPECT_TRUE(ReleaseMemoryDC(dc));
    EXPECT_EQ(MemoryDcCount(), before);
    EXPECT_EQ(GetObjectType(dc), 0u);
    EXPECT_EQ(GetObjectType(bitmap), 0u);
    EXPECT_FALSE(ReleaseMemoryDC(dc)) << "released once only";
}

TEST(SkinMemoryDcTest, ContextsTheRegistryDoesNotKnowAreLeftAlone)
{
    const int before = MemoryDcCount();
    EXPECT_FALSE(ReleaseMemoryDC(nullptr));
    HDC stranger = CreateCompatibleDC(nullptr);
    EXPECT_FALSE(ReleaseMemoryDC(stranger));
    EXPECT_EQ(GetObjectType(stranger), static_cast<DWORD>(OBJ_MEMDC));
    EXPECT_EQ(MemoryDcCount(), before);
    DeleteDC(stranger);
}

TEST(SkinMemoryDcTest, RegisteringAContextTwiceKeepsTheSecondBitmap)
{
    const int before = MemoryDcCount();
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP first = CreateDib32(8, 8);
    HBITMAP second = CreateDib32(8, 8);
    HGDIOBJ original = SelectObject(dc, first);
    RegisterMemoryDC(dc, first, original);
    SelectObject(dc, second);
    RegisterMemoryDC(dc, second, original);
    EXPECT_EQ(MemoryDcCount(), before + 1);

    EXPECT_TRUE(ReleaseMemoryDC(dc));
    EXPECT_EQ(GetObjectType(second), 0u);
    EXPECT_EQ(GetObjectType(first), static_cast<DWORD>(OBJ_BITMAP)) << "no longer registered, so not deleted";
    DeleteObject(first);
}

TEST(SkinMemoryDcTest, CopyToBitmapReleasesTheSource)
{
    const int before = MemoryDcCount();
    HDC source = CreateMemoryDC(20, 10);
    SetPixelV(source, 3, 4, RGB(10, 200, 30));
    HBITMAP copy = CopyDcToBitmap(source, 20, 10);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(MemoryDcCount(), before);

    HDC reader = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(reader, copy);
    EXPECT_EQ(PixelRgb(reader, 3, 4), 0x0AC81Eu);
    SelectObject(reader, old);
    DeleteDC(reader);
    DeleteObject(copy);
}
