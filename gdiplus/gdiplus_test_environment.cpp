// Starts GDI+ once for a whole test program and shuts it down at the end. Test programs that draw
// link the object library bn_gdiplus_test_env.
#include <objidl.h>
#include <gdiplus.h>
#include <gtest/gtest.h>

namespace {

class GdiplusEnvironment : public testing::Environment {
public:
    void SetUp() override
    {
        Gdiplus::GdiplusStartupInput input;
        ASSERT_EQ(Gdiplus::GdiplusStartup(&token_, &input, nullptr), Gdiplus::Ok);
    }
    void TearDown() override { Gdiplus::GdiplusShutdown(token_); }

private:
    ULONG_PTR token_ = 0;
};

testing::Environment* const g_gdiplusEnvironment = testing::AddGlobalTestEnvironment(new GdiplusEnvironment);

}  // namespace
