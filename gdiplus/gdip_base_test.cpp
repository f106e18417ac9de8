// The object model shared by every wrapper: deletes, getters on empty wrappers, empty wrappers as
// arguments, handle hand-over, the per-thread status and the text converters.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <thread>

#include "gdiplus/gdip_brush.h"
#include "gdiplus/gdip_font.h"
#include "gdiplus/gdip_graphics.h"
#include "gdiplus/gdip_matrix.h"
#include "gdiplus/gdip_path.h"
#include "gdiplus/gdip_pen.h"
#include "gdiplus/gdip_region.h"
#include "gdiplus/gdip_string_format.h"
#include "gdiplus/gdip_test_support.h"

namespace {

constexpr int kOk = 0;
constexpr int kInvalidParameter = 2;

// Leaves InvalidParameter as the thread's last status.
void FailOnce()
{
    GdipPen empty;
    EXPECT_EQ(empty.GetPenWidth(), 0.0f);
    EXPECT_EQ(LastGdipStatus(), kInvalidParameter);
}

struct DeleteCase {
    const char* name;
    std::function<bool()> createThenDeleteTwice;
};

TEST(GdipObjectModel, SecondDeleteFailsWithoutTouchingTheStatus)
{
    TestCanvas canvas(8, 8);
    const DeleteCase cases[] = {
        {"graphics",
         [&] {
             GdipGraphics g;
             EXPECT_TRUE(g.CreateFromHDC(canvas.Dc()));
             EXPECT_TRUE(g.DeleteGraphics());
             FailOnce();
             return g.DeleteGraphics();
         }},
        {"pen",
         [] {
             GdipPen pen;
             EXPECT_TRUE(pen.CreatePen(0xFF000000, 1));
             EXPECT_TRUE(pen.DeletePen());
             FailOnce();
             return pen.DeletePen();
         }},
        {"solid brush",
         [] {
             GdipSolidBrush brush;
             EXPECT_TRUE(brush.CreateSolidFill(0xFF00FF00));
             EXPECT_TRUE(brush.DeleteBrush());
             FailOnce();
             return brush.DeleteBrush();
         }},
        {"path",
         [] {
             GdipPath path;
             EXPECT_TRUE(path.CreatePath());
             EXPECT_TRUE(path.DeletePath());
             FailOnce();
             return path.DeletePath();
         }},
        {"string format",
         [] {
             GdipStringFormat format;
             EXPECT_TRUE(format.CreateStringFormat());
             EXPECT_TRUE(format.DeleteStringFormat());
             FailOnce();
             return format.DeleteStringFormat();
         }},
        {"matrix",
         [] {
             GdipMatrix matrix;
             EXPECT_TRUE(matrix.CreateMatrix());
             EXPECT_TRUE(matrix.DeleteMatrix());
             FailOnce();
             return matrix.DeleteMatrix();
         }},
        {"region",
         [] {
             GdipRegion region;
             EXPECT_TRUE(region.CreateRegion());
             EXPECT_TRUE(region.DeleteRegion());
             FailOnce();
             return region.DeleteRegion();
         }},
        {"font family",
         [] {
             GdipFontFamily family;
             EXPECT_TRUE(family.GetGenericFontFamilySansSerif());
             EXPECT_TRUE(family.DeleteFontFamily());
             FailOnce();
             return family.DeleteFontFamily();
         }},
    };
    for (const DeleteCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(c.createThenDeleteTwice());
        EXPECT_EQ(LastGdipStatus(), kInvalidParameter) << "the second delete must make no call";
    }
}

TEST(GdipObjectModel, GettersOnEmptyWrappersGiveZeroAndInvalidParameter)
{
    GdipGraphics graphics;
    GdipPen pen;
    GdipSolidBrush solid;
    GdipLinearGradientBrush linear;
    GdipPath path;
    GdipMatrix matrix;
    GdipStringFormat format;
    GdipFont font;
    GdipFontFamily family;
    const std::pair<const char*, std::function<double()>> getters[] = {
        {"smoothing mode", [&] { return graphics.GetSmoothingMode(); }},
        {"dpi", [&] { return graphics.GetDpiX(); }},
        {"pen width", [&] { return pen.GetPenWidth(); }},
        {"pen colour", [&] { return pen.GetPenColor(); }},
        {"brush type", [&] { return solid.GetBrushType(); }},
        {"solid colour", [&] { return solid.GetSolidFillColor(); }},
        {"wrap mode", [&] { return linear.GetLineWrapMode(); }},
        {"point count", [&] { return path.GetPointCount(); }},
        {"offset", [&] { return matrix.GetMatrixOffsetX(); }},
        {"identity", [&] { return matrix.IsMatrixIdentity(); }},
        {"format flags", [&] { return format.GetStringFormatFlags(); }},
        {"font size", [&] { return font.GetFontSize(); }},
        {"em height", [&] { return family.GetEmHeight(0); }},
    };
    for (const auto& getter : getters) {
        SCOPED_TRACE(getter.first);
        EXPECT_EQ(getter.second(), 0.0);
        EXPECT_EQ(LastGdipStatus(), kInvalidParameter);
    }
    EXPECT_EQ(family.GetFamilyName(), "");
    EXPECT_EQ(path.GetPathWorldBounds().width, 0.0f);
    EXPECT_EQ(LastGdipStatus(), kInvalidParameter);
}

TEST(GdipObjectModel, EmptyWrapperArgumentsPassNullAndFail)
{
    TestCanvas canvas(8, 8);
    GdipGraphics graphics;
    ASSERT_TRUE(graphics.CreateFromHDC(canvas.Dc()));
    GdipSolidBrush noBrush;
    EXPECT_FALSE(graphics.FillRectangle(noBrush, 0, 0, 4, 4));
    EXPECT_EQ(LastGdipStatus(), kInvalidParameter);
    GdipPen noPen;
    EXPECT_FALSE(graphics.DrawLine(noPen, 0, 0, 4, 4));
    EXPECT_EQ(canvas.Rgb(2, 2), 0xFFFFFFu) << "nothing may be drawn";
    // Where GDI+ allows none, an empty wrapper means none: no string format, no matrix.
    GdipPath path;
    ASSERT_TRUE(path.CreatePath());
    ASSERT_TRUE(path.AddPathRectangle(1, 2, 3, 4));
    const RectF bounds = path.GetPathWorldBounds(GdipMatrix(), GdipPen());
    EXPECT_EQ(LastGdipStatus(), kOk);
    EXPECT_FLOAT_EQ(bounds.x, 1);
    EXPECT_FLOAT_EQ(bounds.height, 4);
}

TEST(GdipObjectModel, AHandedOverHandleServesBaseAndConcreteOperations)
{
    GdipSolidBrush owner;
    ASSERT_TRUE(owner.CreateSolidFill(0xFF123456));
    void* const handle = owner.GetNativeHandle();
    {
        GdipSolidBrush borrower;
        borrower.SetNativeHandle(handle);
        EXPECT_EQ(borrower.GetNativeHandle(), handle);
        EXPECT_EQ(borrower.GetBrushType(), 0);
        EXPECT_EQ(borrower.GetSolidFillColor(), 0xFF123456u);
        EXPECT_TRUE(borrower.SetSolidFillColor(0xFF654321));
        borrower.SetNativeHandle(nullptr);
        EXPECT_TRUE(borrower.IsEmpty());
        EXPECT_EQ(borrower.GetSolidFillColor(), 0u);
        EXPECT_EQ(LastGdipStatus(), kInvalidParameter);
    }
    EXPECT_EQ(owner.GetSolidFillColor(), 0xFF654321u);
}

TEST(GdipObjectModel, CloneIntoAHoldingTargetReplacesItsObject)
{
    GdipSolidBrush first, target;
    ASSERT_TRUE(first.CreateSolidFill(0xFF0000FF));
    ASSERT_TRUE(target.CreateSolidFill(0xFFFF0000));
    ASSERT_TRUE(first.CloneBrush(target));
    EXPECT_TRUE(first.DeleteBrush());
    EXPECT_EQ(target.GetSolidFillColor(), 0xFF0000FFu) << "the copy outlives the original";
    // A failed clone leaves the target as it was.
    EXPECT_FALSE(first.CloneBrush(target));
    EXPECT_EQ(target.GetSolidFillColor(), 0xFF0000FFu);
}

TEST(GdipObjectModel, AFamilyOutlivesItsWrapperUntilDeleted)
{
    void* native = nullptr;
    std::string name;
    {
        GdipFontFamily family;
        ASSERT_TRUE(family.CreateFontFamilyFromName("宋体"));
        native = family.GetNativeHandle();
        name = family.GetFamilyName();
    }
    GdipFontFamily again;
    again.SetNativeHandle(native);
    EXPECT_EQ(again.GetFamilyName(), name) << "destroying the wrapper released nothing";
    EXPECT_TRUE(again.DeleteFontFamily());
}

TEST(GdipObjectModel, StatusIsKeptPerThread)
{
    GdipMatrix matrix;
    ASSERT_TRUE(matrix.CreateMatrix());
    EXPECT_EQ(LastGdipStatus(), kOk);
    int workerStatus = -1;
    std::thread worker([&] {
        GdipPen empty;
        EXPECT_FALSE(empty.SetPenWidth(2));
        workerStatus = LastGdipStatus();
    });
    worker.join();
    EXPECT_EQ(workerStatus, kInvalidParameter);
    EXPECT_EQ(LastGdipStatus(), kOk) << "a worker's failure must not show on this thread";
}

TEST(GdipTextConverters, WideBytesOfGbkTexts)
{
    EXPECT_EQ(TextToWideBytes("宋体"), std::string("\x8B\x5B\x53\x4F\0\0", 6));
    EXPECT_EQ(TextToWideBytes(""), std::string(2, '\0'));
    EXPECT_EQ(TextToWideBytes("A"), std::string("A\0\0\0", 4));
    EXPECT_EQ(WideToText(L"黑体ab"), "黑体ab");
    EXPECT_EQ(WideToText(nullptr), "");
    const std::string wide = TextToWideBytes("张三丰【100分】");
    EXPECT_EQ(WideToText(reinterpret_cast<const wchar_t*>(wide.data())), "张三丰【100分】");
}

}  // namespace
