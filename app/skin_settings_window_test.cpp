// The skin settings window on a program folder of the test's own: thumbnail pages of fixture skins,
// the current-skin marker, choosing a picture skin, the colour grid as it shows on the skinned window,
// the colour skin, and windows opened and closed without leftovers.
#include "app/skin_settings_window.h"

#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <system_error>
#include <vector>

#include "app/main_window_ui.h"
#include "app/pictures/pictures.h"
#include "runtime/files.h"
#include "runtime/forms/form.h"
#include "runtime/forms/forms_test_support.h"
#include "runtime/ini.h"
#include "runtime/picture_structure.h"
#include "runtime/random.h"
#include "runtime/unique_temp_path.h"
#include "skin/core/form_skinning.h"
#include "skin/core/memory_dc.h"
#include "skin/core/skin_options.h"
#include "skin/core/skin_registry.h"
#include "skin/custom/tab_strip.h"

namespace {

constexpr char kConfig[] = "Data\\config.ini";

std::string Folder(int i)
{
    char name[16];
    snprintf(name, sizeof name, "skin%02d", i);
    return name;
}

class SkinSettingsWindowTest : public forms_test::FormsTest {
protected:
    void SetUp() override
    {
        FormsTest::SetUp();
        char previous[MAX_PATH] = {};
        GetCurrentDirectoryA(MAX_PATH, previous);
        previousDirectory_ = previous;
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        root_ = UniqueTempPath(temp, "skinsettings", "");
        ASSERT_TRUE(CreateDirectoryA(root_.c_str(), nullptr));
        ASSERT_TRUE(SetCurrentDirectoryA(root_.c_str()));
        CreateDirectoryA("Data", nullptr);
        g_configPath = kConfig;
    }
    void TearDown() override
    {
        FormsTest::TearDown();
        SetSkinOptions(true, std::nullopt);
        g_veilAlpha = 160;
        SetCurrentDirectoryA(previousDirectory_.c_str());
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
    }

    // Skins skin01 to skinNN in Dskin, listed in Dskin.xml; skin k is named 皮肤k, and its conf.ini
    // holds TitleColor = k and no other colour.
    void InstallSkins(int count)
    {
        CreateDirectoryA("Dskin", nullptr);
        std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<skins>\r\n";
        for (int i = 1; i <= count; ++i) {
            const std::string dir = "Dskin\\" + Folder(i);
            CreateDirectoryA(dir.c_str(), nullptr);
            ASSERT_TRUE(WriteFileBytes(dir + "\\bk.jpg", PictureBytes(Picture::BuiltInSkin)));
            ASSERT_TRUE(WriteFileBytes(dir + "\\small.jpg", PictureBytes(Picture::BuiltInSkin)));
            ASSERT_TRUE(IniWrite(dir + "\\conf.ini", "CONF", "Name", "皮肤" + std::to_string(i)));
            ASSERT_TRUE(IniWrite(dir + "\\conf.ini", "CONF", "TitleColor", std::to_string(i)));
            xml += "  <skin>" + Folder(i) + "</skin>\r\n";
        }
        xml += "</skins>\r\n";
        ASSERT_TRUE(WriteFileBytes("Dskin\\Dskin.xml", xml));
    }

    forms::Form& Open()
    {
        form_ = forms::OpenModeless(SkinSettingsWindowDef());
        EXPECT_NE(form_, nullptr);
        return *form_;
    }
    forms::Unit& U(const char* name) { return form_->Get(name); }
    forms::Unit& Thumbnail(int i) { return form_->Get(g_skinThumbnails.at(i)); }
    void ClickLabel(const char* name)
    {
        HWND label = U(name).Window();
        SendMessageA(label, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
        SendMessageA(label, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
        forms::ProcessPendingMessages();
    }
    std::vector<std::string> VisibleThumbnailTags()
    {
        std::vector<std::string> tags;
        for (int id : g_skinThumbnails)
            if (form_->Get(id).Visible())
                tags.push_back(form_->Get(id).Tag());
        return tags;
    }
    void Raise(void (*handler)(forms::Event&), forms::Unit& sender, forms::EventKind kind)
    {
        forms::Event event{*form_, sender, kind};
        handler(event);
    }
    // The window on top of every other, painted, as a person sees it after opening it.
    void ShowOnTop()
    {
        SetWindowPos(form_->Window(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
        SetForegroundWindow(form_->Window());
        UpdateWindow(form_->Window());
        Settle();
    }
    // Messages handled for a moment (the skin's timers), then until the window has nothing left to paint.
    void Settle()
    {
        const DWORD end = GetTickCount() + 300;
        while (static_cast<int>(end - GetTickCount()) > 0) {
            forms::ProcessPendingMessages();
            Sleep(10);
        }
        EXPECT_TRUE(forms_test::PumpUntilPainted(form_->Window())) << "the window still waits for its paint";
    }
    // A press and release of the left button on item `item` of the tab strip, as the mouse gives it.
    void ClickStripItem(int item)
    {
        const RECT r = g_tabStrip.GetItemRect(item);
        forms_test::ClickAt(U("标签1").Window(), (r.left + r.right) / 2, (r.top + r.bottom) / 2);
        Settle();
    }
    // 0xBBGGRR of a screen pixel at a unit's centre, as it shows once the window has painted.
    COLORREF ScreenColourOf(forms::Unit& unit)
    {
        EXPECT_TRUE(forms_test::PumpUntilPainted(form_->Window())) << "the window still waits for its paint";
        RECT rect;
        GetWindowRect(unit.Window(), &rect);
        HDC screen = GetDC(nullptr);
        const COLORREF colour = GetPixel(screen, (rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
        ReleaseDC(nullptr, screen);
        return colour;
    }
    // 0xBBGGRR of a pixel of the window as it shows on the screen, at a unit's centre.
    COLORREF ShownColourOf(forms::Unit& unit)
    {
        SetWindowPos(form_->Window(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
        RedrawWindow(form_->Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        forms::ProcessPendingMessages();
        RECT rect;
        GetWindowRect(unit.Window(), &rect);
        HDC screen = GetDC(nullptr);
        const COLORREF colour = GetPixel(screen, (rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
        ReleaseDC(nullptr, screen);
        return colour;
    }

    forms::Form* form_ = nullptr;
    std::string root_;
    std::string previousDirectory_;
};

TEST_F(SkinSettingsWindowTest, NineteenSkinsFillTwoPagesAndPagingStopsAtTheLast)
{
    InstallSkins(19);
    Open();
    EXPECT_EQ(U("标签6").Text(), "1/2");
    ASSERT_EQ(g_skinThumbnails.size(), 18u) << "the windows of one page";
    std::vector<std::string> firstPage;
    for (int i = 1; i <= 18; ++i)
        firstPage.push_back(Folder(i));
    EXPECT_EQ(VisibleThumbnailTags(), firstPage);
    for (int i = 0; i < 18; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(Thumbnail(i).Left(), (i % 6) * 99);
        EXPECT_EQ(Thumbnail(i).Top(), (i / 6) * 84);
        EXPECT_EQ(Thumbnail(i).Width(), 95);
        EXPECT_EQ(Thumbnail(i).Height(), 60);
        forms::Unit& name = form_->Get(g_skinNameLabels.at(i));
        EXPECT_EQ(name.Text(), "皮肤" + std::to_string(i + 1));
        EXPECT_EQ(name.Top(), Thumbnail(i).Top() + 62);
        EXPECT_FALSE(Thumbnail(i).Picture().empty());
    }
    ASSERT_TRUE(forms_test::SaveScreenshot(form_->Window(), "skin-settings.png"));

    ClickLabel("标签4");
    EXPECT_EQ(g_skinPageNo, 2);
    EXPECT_EQ(U("标签6").Text(), "2/2");
    EXPECT_EQ(VisibleThumbnailTags(), std::vector<std::string>{Folder(19)});
    EXPECT_EQ(Thumbnail(0).Left(), 0);
    EXPECT_EQ(Thumbnail(0).Top(), 0);
    EXPECT_EQ(form_->Get(g_skinNameLabels.at(0)).Text(), "皮肤19");
    EXPECT_EQ(g_skinThumbnails.size(), 18u) << "the page's windows are used again";

    const std::vector<int> clones = g_skinThumbnails;
    ClickLabel("标签4");
    EXPECT_EQ(g_skinPageNo, 2);
    EXPECT_EQ(U("标签6").Text(), "2/2");
    EXPECT_EQ(g_skinThumbnails, clones) << "the last page is not built again";

    ClickLabel("标签5");
    EXPECT_EQ(U("标签6").Text(), "1/2");
    EXPECT_EQ(VisibleThumbnailTags().size(), 18u);
}

// Thumbnails and skin pictures with a JPEG header and noise after it (which the platform's decoder
// reads past): the window opens with blank thumbnails, and choosing such a skin applies no picture.
TEST_F(SkinSettingsWindowTest, DamagedPicturesShowAsNone)
{
    InstallSkins(30);
    for (int i = 1; i <= 30; ++i) {
        std::mt19937 random(i == 1 ? 25 : i);
        std::string damaged("\xFF\xD8\xFF\xE0\x00\x10\x4A\x46\x49\x46\x00", 11);
        for (int k = 0; k < 3000; ++k)
            damaged += static_cast<char>(random() & 0xFF);
        ASSERT_TRUE(WriteFileBytes("Dskin\\" + Folder(i) + "\\small.jpg", damaged));
        ASSERT_TRUE(WriteFileBytes("Dskin\\" + Folder(i) + "\\bk.jpg", damaged));
    }
    Open();
    ASSERT_FALSE(g_skinThumbnails.empty());
    for (int id : g_skinThumbnails)
        EXPECT_TRUE(form_->Get(id).Picture().empty());
    ClickLabel("标签4");
    EXPECT_EQ(U("标签6").Text(), "2/2");

    g_skinImage = "before";
    HWND thumbnail = Thumbnail(0).Window();
    SendMessageA(thumbnail, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    SendMessageA(thumbnail, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
    forms::ProcessPendingMessages();
    EXPECT_EQ(IniRead(kConfig, "Software", "SkinID"), Folder(19));
    EXPECT_EQ(g_skinImage, "before") << "a damaged picture is no skin picture";
}

// Pictures no decoder should be asked for: a sound JPEG whose frame claims 65000 x 65000 pixels, and a
// file over the picture size cap. The window opens with blank thumbnails and applies neither as a
// skin picture; before, the decoder took gigabytes and ended the program.
TEST_F(SkinSettingsWindowTest, PicturesOfImpossibleSizeShowAsNone)
{
    InstallSkins(2);
    std::string giant = PictureBytes(Picture::BuiltInSkin);
    size_t frame = std::string::npos;
    for (const char* marker : {"\xFF\xC0", "\xFF\xC2", "\xFF\xC1"})
        frame = std::min(frame, giant.find(marker));
    ASSERT_NE(frame, std::string::npos);
    giant.replace(frame + 5, 4, std::string("\xFD\xE8\xFD\xE8", 4));  // 65000 x 65000
    ASSERT_TRUE(PictureOutlineSound(PictureBytes(Picture::BuiltInSkin)));
    std::string large = PictureBytes(Picture::BuiltInSkin);
    large.resize(kPictureMostBytes + 1, '\0');
    for (const char* name : {"\\small.jpg", "\\bk.jpg"}) {
        ASSERT_TRUE(WriteFileBytes("Dskin\\" + Folder(1) + name, giant));
        ASSERT_TRUE(WriteFileBytes("Dskin\\" + Folder(2) + name, large));
    }
    Open();
    ASSERT_EQ(VisibleThumbnailTags().size(), 2u);
    for (int i = 0; i < 2; ++i) {
        EXPECT_TRUE(Thumbnail(i).Picture().empty()) << i;
        g_skinImage = "before";
        HWND thumbnail = Thumbnail(i).Window();
        SendMessageA(thumbnail, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
        SendMessageA(thumbnail, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
        forms::ProcessPendingMessages();
        EXPECT_EQ(IniRead(kConfig, "Software", "SkinID"), Folder(i + 1));
        EXPECT_EQ(g_skinImage, "before") << "no skin picture of impossible size";
    }
}

// Entries of Dskin.xml that lead out of Dskin are no skins: they show no thumbnail, and nothing of
// theirs is written out there.
TEST_F(SkinSettingsWindowTest, EntriesLeadingOutOfDskinAreSkipped)
{
    InstallSkins(2);
    char here[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, here);
    const std::string outside = std::string(here) + "\\escape_target";
    CreateDirectoryA(outside.c_str(), nullptr);
    ASSERT_TRUE(WriteFileBytes(outside + "\\small.jpg", PictureBytes(Picture::BuiltInSkin)));
    ASSERT_TRUE(WriteFileBytes("Dskin\\Dskin.xml",
                               "<skins><skin>" + Folder(1) + "</skin><skin>..\\escape_target</skin><skin>" +
                                   outside + "</skin><skin>" + Folder(2) + "</skin></skins>"));
    Open();
    EXPECT_EQ(VisibleThumbnailTags(), (std::vector<std::string>{Folder(1), Folder(2)}));
    EXPECT_EQ(U("标签6").Text(), "1/1");
    for (size_t i = 0; i < VisibleThumbnailTags().size(); ++i) {
        HWND thumbnail = Thumbnail(static_cast<int>(i)).Window();
        SendMessageA(thumbnail, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
        SendMessageA(thumbnail, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
        forms::ProcessPendingMessages();
    }
    EXPECT_FALSE(FileExists(outside + "\\conf.ini")) << "a skin colour written outside Dskin";

    // A settings file edited by hand to name the escaping folder: changing a colour writes nothing there.
    form_->Destroy();
    IniWrite(kConfig, "Software", "SkinID", "..\\escape_target");
    Open();
    U("颜色选择器1").SetColour(0x123456);
    forms::Event changed{*form_, U("颜色选择器1"), forms::EventKind::Changed};
    OnTitleColourChanged(changed);
    EXPECT_FALSE(FileExists(outside + "\\conf.ini")) << "a skin colour written outside Dskin";
}

// What the screen shows where page 1 had thumbnails and page 2 has none: the page's white, no old
// thumbnail and no old name.
TEST_F(SkinSettingsWindowTest, NextPageShowsOnlyItsOwnSkins)
{
    SetSkinOptions(true, 0);
    InstallSkins(22);
    Open();
    ShowOnTop();
    auto nearWhite = [](COLORREF c) { return GetRValue(c) > 225 && GetGValue(c) > 225 && GetBValue(c) > 225; };
    auto darkPixelsOn = [](HWND window) {
        RECT r;
        GetWindowRect(window, &r);
        HDC screen = GetDC(nullptr);
        int dark = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                dark += forms_test::IsDarkPixel(GetPixel(screen, x, y)) ? 1 : 0;
        ReleaseDC(nullptr, screen);
        return dark;
    };
    HWND sixthName = form_->Get(g_skinNameLabels.at(5)).Window();
    RECT sixthNameRect;
    GetWindowRect(sixthName, &sixthNameRect);
    forms::Unit& sixth = Thumbnail(5);
    ASSERT_FALSE(nearWhite(ScreenColourOf(sixth))) << "page 1 shows a thumbnail there";
    ASSERT_GT(darkPixelsOn(sixthName), 0) << "and its name";
    const int firstNameInk = darkPixelsOn(form_->Get(g_skinNameLabels.at(0)).Window());

    ClickLabel("标签4");
    Settle();
    ASSERT_EQ(U("标签6").Text(), "2/2");
    EXPECT_FALSE(sixth.Visible());
    const COLORREF left = [&] {
        HDC screen = GetDC(nullptr);
        const COLORREF c = GetPixel(screen, (sixthNameRect.left + sixthNameRect.right) / 2, sixthNameRect.top - 30);
        ReleaseDC(nullptr, screen);
        return c;
    }();
    EXPECT_TRUE(nearWhite(left)) << std::hex << left << ": page 1's thumbnail is still on the screen";
    int ink = 0;
    {
        HDC screen = GetDC(nullptr);
        for (int y = sixthNameRect.top; y < sixthNameRect.bottom; ++y)
            for (int x = sixthNameRect.left; x < sixthNameRect.right; ++x)
                ink += forms_test::IsDarkPixel(GetPixel(screen, x, y)) ? 1 : 0;
        ReleaseDC(nullptr, screen);
    }
    EXPECT_EQ(ink, 0) << "page 1's name is still on the screen";
    // "皮肤19" over "皮肤1": the new name alone has about as much ink as the old one.
    const int newNameInk = darkPixelsOn(form_->Get(g_skinNameLabels.at(0)).Window());
    EXPECT_LT(newNameInk, firstNameInk * 3 / 2) << "the new name is drawn over the old one";
    ASSERT_TRUE(forms_test::SaveScreenshot(form_->Window(), "skin-settings-page-2.png"));
}

// One row of tabs: the strip's. Between the page's frame and the thumbnails, where the tab control's
// own tabs would show, the page is plain white.
TEST_F(SkinSettingsWindowTest, OnlyTheStripShowsTabs)
{
    SetSkinOptions(true, 0);
    InstallSkins(18);
    Open();
    ShowOnTop();
    HWND tabs = U("选择夹1").Window();
    RECT r;
    GetWindowRect(tabs, &r);
    HDC screen = GetDC(nullptr);
    int marked = 0;
    for (int y = r.top + 3; y < r.top + 6; ++y)
        for (int x = r.left + 6; x < r.right - 6; ++x) {
            const COLORREF c = GetPixel(screen, x, y);
            marked += GetRValue(c) < 215 || GetGValue(c) < 215 || GetBValue(c) < 215 ? 1 : 0;
        }
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(marked, 0) << "outlines of a second row of tabs show above the thumbnails";
    EXPECT_EQ(U("选择夹1").PageCount(), 3);
    // The paging labels show their texts (a line of 12-pixel CJK text is taller than 16 under Wine).
    for (const char* label : {"标签4", "标签5", "标签6"}) {
        SCOPED_TRACE(label);
        RECT area;
        GetWindowRect(U(label).Window(), &area);
        HDC shown = GetDC(nullptr);
        int ink = 0;
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x)
                ink += forms_test::IsDarkPixel(GetPixel(shown, x, y)) ? 1 : 0;
        ReleaseDC(nullptr, shown);
        EXPECT_GT(ink, 10);
    }
    ClickStripItem(2);
    EXPECT_EQ(U("选择夹1").CurrentPage(), 1);
}

// Dskin.xml with 20,000 skins: the window makes the windows of one page only and pages to the last page.
TEST_F(SkinSettingsWindowTest, TwentyThousandSkinsOpenAtOnceAndPageToTheLast)
{
    CreateDirectoryA("Dskin", nullptr);
    std::string xml = "<skins>\r\n";
    for (int i = 1; i <= 20000; ++i)
        xml += "<skin>s" + std::to_string(i) + "</skin>\r\n";
    xml += "</skins>\r\n";
    ASSERT_TRUE(WriteFileBytes("Dskin\\Dskin.xml", xml));
    Open();
    EXPECT_EQ(U("标签6").Text(), "1/1112");
    EXPECT_EQ(g_skinThumbnails.size(), 18u);
    for (int page = 2; page <= 4; ++page)
        ClickLabel("标签4");
    EXPECT_EQ(U("标签6").Text(), "4/1112");
    g_skinPageNo = 1111;  // a thousand clicks on 下一页 more
    ClickLabel("标签4");
    EXPECT_EQ(U("标签6").Text(), "1112/1112");
    EXPECT_EQ(VisibleThumbnailTags(), (std::vector<std::string>{"s19999", "s20000"}));
    EXPECT_EQ(g_skinThumbnails.size(), 18u);
    int windows = 0;
    EnumChildWindows(
        form_->Window(), [](HWND, LPARAM count) -> BOOL { return ++*reinterpret_cast<int*>(count) > 0; },
        reinterpret_cast<LPARAM>(&windows));
    EXPECT_LT(windows, 400) << "the window's own units and one page of skins";
}

// The process's committed private bytes (Wine reads 0 for PrivateUsage; PagefileUsage counts them).
size_t PrivateBytes()
{
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    K32GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return counters.PagefileUsage;
}

// A list of a million skins gives its memory back when the window closes; before, the emptied list
// kept its capacity (130 MB for 3.9 million skins).
TEST_F(SkinSettingsWindowTest, ClosingGivesTheSkinListsMemoryBack)
{
    InstallSkins(2);  // a first opening: the window's own classes, pictures and caches
    Open();
    ASSERT_TRUE(form_->Close());
    forms::ProcessPendingMessages();
    {
        std::string xml = "<skins>\r\n";
        for (int i = 1; i <= 1000000; ++i)
            xml += "<skin>s" + std::to_string(i) + "</skin>\r\n";
        xml += "</skins>\r\n";
        ASSERT_TRUE(WriteFileBytes("Dskin\\Dskin.xml", xml));
    }
    const size_t before = PrivateBytes();
    Open();
    ASSERT_EQ(g_skinListXml.size(), 1000000u);
    const size_t open = PrivateBytes();
    ASSERT_TRUE(form_->Close());
    forms::ProcessPendingMessages();
    const size_t after = PrivateBytes();
    std::printf("skin list of a million skins: private bytes %zu MB before opening, %zu MB open, %zu MB after closing\n",
                before >> 20, open >> 20, after >> 20);
    EXPECT_EQ(g_skinListXml.capacity(), 0u);
    EXPECT_LT(after, before + (open - before) / 4);
}

TEST_F(SkinSettingsWindowTest, WithoutSkinsThePageStaysOneOfNone)
{
    Open();
    EXPECT_EQ(U("标签6").Text(), "1/0");
    EXPECT_TRUE(g_skinThumbnails.empty());
    ClickLabel("标签4");
    EXPECT_EQ(g_skinPageNo, 1);
    EXPECT_EQ(U("标签6").Text(), "1/0");
    ClickLabel("标签5");
    EXPECT_EQ(U("标签6").Text(), "1/0");
}

TEST_F(SkinSettingsWindowTest, MarkerShowsOnTheSavedPictureSkinOnly)
{
    InstallSkins(4);
    IniWrite(kConfig, "Software", "SkinID", Folder(3));
    IniWrite(kConfig, "Software", "SkinLx", "0");
    Open();
    forms::Unit& marker = U("图形按钮1");
    EXPECT_TRUE(marker.Visible());
    EXPECT_EQ(marker.Left(), Thumbnail(2).Left() + 95 - 16);
    EXPECT_EQ(marker.Top(), Thumbnail(2).Top() + 60 - 16);
    EXPECT_EQ(marker.Width(), 22);
    EXPECT_FALSE(marker.Picture().empty());
    EXPECT_EQ(U("颜色选择器1").Colour(), 3u) << "the saved skin's colours in the pickers";
    form_->Destroy();

    IniWrite(kConfig, "Software", "SkinLx", "1");
    Open();
    EXPECT_FALSE(U("图形按钮1").Visible()) << "a colour skin is in force";
}

TEST_F(SkinSettingsWindowTest, ChoosingAThumbnailSavesAndAppliesItsPicture)
{
    InstallSkins(4);
    IniWrite(kConfig, "Software", "SkinLx", "1");
    Open();
    g_skinImage.clear();
    g_skinImageMode = 3;

    HWND thumbnail = Thumbnail(1).Window();
    SendMessageA(thumbnail, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    SendMessageA(thumbnail, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
    forms::ProcessPendingMessages();

    EXPECT_EQ(IniRead(kConfig, "Software", "SkinID"), Folder(2));
    EXPECT_EQ(IniRead(kConfig, "Software", "SkinLx"), "0");
    EXPECT_FALSE(g_skinImage.empty()) << "the skin's bk.jpg is in force";
    EXPECT_EQ(g_skinImageMode, 0);
    // The pickers took the skin's colours and wrote them back, the absent ones as 0.
    const std::string conf = "Dskin\\" + Folder(2) + "\\conf.ini";
    EXPECT_EQ(IniRead(conf, "CONF", "TitleColor"), "2");
    EXPECT_EQ(IniRead(conf, "CONF", "PartColor"), "0");
    EXPECT_TRUE(U("图形按钮1").Visible());
    EXPECT_EQ(U("图形按钮1").Left(), Thumbnail(1).Left() + 79);

    // A name label chooses its skin as well.
    SendMessageA(form_->Get(g_skinNameLabels.at(3)).Window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    forms::ProcessPendingMessages();
    EXPECT_EQ(IniRead(kConfig, "Software", "SkinID"), Folder(4));
}

TEST_F(SkinSettingsWindowTest, GreenSchemeGridShowsItsColoursOnTheSkinnedWindow)
{
    Open();
    // The strip's second item shows the colour page.
    g_tabStrip.SelectItem(2);
    ASSERT_EQ(U("选择夹1").CurrentPage(), 1);
    forms::Unit& combo = U("组合框1");
    ASSERT_TRUE(combo.SetCurrentIndex(1));  // 绿色调
    Raise(OnSchemeComboChanged, combo, forms::EventKind::SelectionChanged);

    // Swatch 16 fixes green at 255.
    forms::Unit* swatch16 = nullptr;
    for (const auto& unit : form_->Units())
        if (unit->Tag() == "1016")
            swatch16 = unit.get();
    ASSERT_NE(swatch16, nullptr);
    EXPECT_EQ(ShownColourOf(*swatch16), RGB(0, 255, 0));
    SendMessageA(swatch16->Window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    SendMessageA(swatch16->Window(), WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    forms::ProcessPendingMessages();

    const struct {
        int row, column;
        COLORREF colour;
    } cells[] = {{0, 0, RGB(0, 255, 0)}, {0, 1, RGB(17, 255, 0)}, {1, 0, RGB(0, 255, 17)}, {15, 15, RGB(255, 255, 255)}};
    for (const auto& c : cells) {
        SCOPED_TRACE(c.row * 16 + c.column + 1);
        forms::Unit& cell = form_->Get(g_colourSwatches[c.row][c.column]);
        EXPECT_EQ(static_cast<COLORREF>(cell.BackColour()), c.colour);
        EXPECT_EQ(ShownColourOf(cell), c.colour);
    }

    // The grey scheme: cell 1 black, cell 256 white, whatever swatch was chosen.
    ASSERT_TRUE(combo.SetCurrentIndex(3));
    Raise(OnSchemeComboChanged, combo, forms::EventKind::SelectionChanged);
    EXPECT_EQ(ShownColourOf(form_->Get(g_colourSwatches[0][0])), RGB(0, 0, 0));
    EXPECT_EQ(ShownColourOf(form_->Get(g_colourSwatches[15][15])), RGB(255, 255, 255));
    ASSERT_TRUE(forms_test::SaveScreenshot(form_->Window(), "skin-settings-colours.png"));
}

// As the program runs it: the main window's skin options in force, the colour page reached by a
// click on the strip and nothing repainted by hand.
TEST_F(SkinSettingsWindowTest, ColourPageReachedByAClickShowsGridSwatchesAndPreview)
{
    SetSkinOptions(true, 0);  // as the main window leaves them
    IniWrite(kConfig, "Software", "SkinColor", std::to_string(RGB(200, 40, 90)));
    InstallSkins(3);
    Open();
    ShowOnTop();
    ClickStripItem(2);
    ASSERT_EQ(U("选择夹1").CurrentPage(), 1);
    const struct {
        int row, column;
    } cells[] = {{0, 0}, {0, 15}, {7, 3}, {15, 0}, {15, 15}};
    for (const auto& c : cells) {
        SCOPED_TRACE(c.row * 16 + c.column + 1);
        EXPECT_EQ(ScreenColourOf(form_->Get(g_colourSwatches[c.row][c.column])), RGB(0, c.column * 17, c.row * 17));
    }
    forms::Unit* swatch9 = nullptr;
    for (const auto& unit : form_->Units())
        if (unit->Tag() == "1009")
            swatch9 = unit.get();
    ASSERT_NE(swatch9, nullptr);
    EXPECT_EQ(ScreenColourOf(*swatch9), RGB(8 * 17, 0, 0));
    EXPECT_EQ(ScreenColourOf(U("图片框2")), RGB(200, 40, 90));
    ASSERT_TRUE(forms_test::SaveScreenshot(form_->Window(), "skin-settings-colour-page-clicked.png"));

    // Back and forth: the grid is painted again each time the page shows.
    ClickStripItem(1);
    ClickStripItem(2);
    EXPECT_EQ(ScreenColourOf(form_->Get(g_colourSwatches[15][15])), RGB(0, 255, 255));
}

// Applying a colour skin repaints the window: the fine tuning stays on the screen.
TEST_F(SkinSettingsWindowTest, ApplyingAColourSkinKeepsTheColourPageShown)
{
    SetSkinOptions(true, 0);
    IniWrite(kConfig, "Software", "SkinColor", std::to_string(RGB(200, 40, 90)));
    Open();
    ShowOnTop();
    ClickStripItem(2);
    ASSERT_EQ(ScreenColourOf(U("图片框2")), RGB(200, 40, 90));
    forms_test::ClickAt(U("按钮1").Window(), 10, 10);
    Settle();
    EXPECT_EQ(g_skinBaseColour, RGB(200, 40, 90));
    EXPECT_EQ(ScreenColourOf(U("图片框2")), RGB(200, 40, 90)) << "the preview is gone";
    EXPECT_EQ(ScreenColourOf(form_->Get(g_colourSwatches[15][15])), RGB(0, 255, 255));
    ASSERT_TRUE(forms_test::SaveScreenshot(form_->Window(), "skin-settings-colour-applied.png"));
}

TEST_F(SkinSettingsWindowTest, ColourSkinFromGridAndSlidersIsAppliedAndSaved)
{
    IniWrite(kConfig, "Software", "SkinColor", std::to_string(RGB(10, 20, 30)));
    Open();
    EXPECT_EQ(U("滑块条1").Position(), 10);
    EXPECT_EQ(U("标签10").Text(), "G通道：20");
    EXPECT_EQ(static_cast<COLORREF>(U("图片框2").BackColour()), RGB(10, 20, 30));

    forms::Unit& cell = form_->Get(g_colourSwatches[2][3]);  // red scheme, fixed 0: (0, 51, 34)
    SendMessageA(cell.Window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    SendMessageA(cell.Window(), WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    forms::ProcessPendingMessages();
    EXPECT_EQ(static_cast<COLORREF>(U("图片框2").BackColour()), RGB(0, 51, 34));
    EXPECT_EQ(U("标签9").Text(), "R通道：0");
    EXPECT_EQ(U("标签11").Text(), "B通道：34");

    U("滑块条1").SetPosition(200);
    Raise(OnSliderMoved, U("滑块条1"), forms::EventKind::Changed);
    EXPECT_EQ(static_cast<COLORREF>(U("图片框2").BackColour()), RGB(200, 51, 34));

    g_skinImage = "picture";
    SendMessageA(U("按钮1").Window(), BM_CLICK, 0, 0);
    forms::ProcessPendingMessages();
    EXPECT_TRUE(g_skinImage.empty()) << "a base colour takes the place of the picture";
    EXPECT_EQ(g_skinBaseColour, RGB(200, 51, 34));
    EXPECT_EQ(IniRead(kConfig, "Software", "SkinColor"), std::to_string(RGB(200, 51, 34)));
    EXPECT_EQ(IniRead(kConfig, "Software", "SkinLx"), "1");
    EXPECT_FALSE(U("图形按钮1").Visible());
}

TEST_F(SkinSettingsWindowTest, OpeningLeavesTheRandomDrawsAndNothingBehind)
{
    InstallSkins(3);
    auto draws = [] {
        std::vector<int> values;
        for (int i = 0; i < 8; ++i)
            values.push_back(RandomInRange(0, 1000000));
        return values;
    };
    const int skinForms = SkinFormCount();
    const int memoryDcs = MemoryDcCount();
    std::vector<std::vector<int>> after;
    for (int i = 0; i < 20; ++i) {
        Open();
        ASSERT_TRUE(form_->Close());
        forms::ProcessPendingMessages();
        if (i < 2)
            after.push_back(draws());
    }
    EXPECT_NE(after[0], after[1]) << "every opening would repeat the draws after a seed from the day";
    EXPECT_EQ(SkinFormCount(), skinForms);
    EXPECT_EQ(MemoryDcCount(), memoryDcs);
    EXPECT_EQ(forms::OpenFormCount(), 0);
}

}  // namespace
