#include "gdiplus/gdip_font.h"

#include "gdiplus/gdip_internal.h"

using namespace gdipx;

// --- font collection --------------------------------------------------------------------------------

void GdipFontCollection::SetClassHandle(void* handle)
{
    collection_ = static_cast<gp::GpFontCollection*>(handle);
}

int GdipFontCollection::GetFontCollectionFamilyCount() const
{
    INT count = 0;
    return Check(gpf::GdipGetFontCollectionFamilyCount(collection_, &count)) ? count : 0;
}

int GdipFontCollection::GetFontFamilyList(int count, std::vector<GdipFontFamily>& families) const
{
    if (count < 1) {
        StoreStatus(gp::InvalidParameter);
        return 0;
    }
    families.clear();
    families.resize(count);
    std::vector<gp::GpFontFamily*> handles(count, nullptr);
    INT found = 0;
    if (!Check(gpf::GdipGetFontCollectionFamilyList(collection_, count, handles.data(), &found)))
        return 0;
    // The collection keeps its own families: each wrapper gets a copy it may release.
    const int listed = found < count ? found : count;
    for (int i = 0; i < listed; ++i) {
        gp::GpFontFamily* copy = nullptr;
        if (handles[i] && gpf::GdipCloneFontFamily(handles[i], &copy) == gp::Ok)
            families[i].SetNativeHandle(copy);
    }
    StoreStatus(gp::Ok);
    return found;
}

// --- font family ------------------------------------------------------------------------------------

GdipFontFamily::GdipFontFamily(GdipFontFamily&& other) noexcept
{
    SetNativeHandle(other.GetNativeHandle());
    other.SetNativeHandle(nullptr);
}

void GdipFontFamily::SetClassHandle(void* handle) { family_ = static_cast<gp::GpFontFamily*>(handle); }

bool GdipFontFamily::DeleteFontFamily()
{
    if (!family_)
        return false;
    const gp::Status status = gpf::GdipDeleteFontFamily(family_);
    SetNativeHandle(nullptr);
    return Check(status);
}

bool GdipFontFamily::CreateFontFamilyFromName(const std::string& name, const GdipFontCollection& collection, int)
{
    return CreateFontFamilyFromNameW(TextToWideBytes(name), collection);
}

bool GdipFontFamily::CreateFontFamilyFromNameW(const std::string& wideName, const GdipFontCollection& collection)
{
    ReleaseHeld();
    const WideText name = WideFromBytes(wideName);
    gp::GpFontFamily* family = nullptr;
    return TakeCreated(
        gpf::GdipCreateFontFamilyFromName(name.Units(), Native<gp::GpFontCollection>(collection), &family), family);
}

bool GdipFontFamily::GetGenericFontFamilySansSerif()
{
    ReleaseHeld();
    gp::GpFontFamily* family = nullptr;
    return TakeCreated(gpf::GdipGetGenericFontFamilySansSerif(&family), family);
}

bool GdipFontFamily::GetGenericFontFamilySerif()
{
    ReleaseHeld();
    gp::GpFontFamily* family = nullptr;
    return TakeCreated(gpf::GdipGetGenericFontFamilySerif(&family), family);
}

bool GdipFontFamily::GetGenericFontFamilyMonospace()
{
    ReleaseHeld();
    gp::GpFontFamily* family = nullptr;
    return TakeCreated(gpf::GdipGetGenericFontFamilyMonospace(&family), family);
}

bool GdipFontFamily::CloneFontFamily(GdipFontFamily& target) const
{
    gp::GpFontFamily* copy = nullptr;
    return GiveTo(target, gpf::GdipCloneFontFamily(family_, &copy), copy);
}

std::string GdipFontFamily::GetFamilyName() const
{
    WCHAR name[LF_FACESIZE + 1] = {};  // one unit more than GDI+ writes, so the text always ends
    Check(gpf::GdipGetFamilyName(family_, name, 0));
    return WideToText(name);
}

std::string GdipFontFamily::GetFamilyNameW() const
{
    WCHAR name[LF_FACESIZE] = {};
    Check(gpf::GdipGetFamilyName(family_, name, 0));
    return std::string(reinterpret_cast<const char*>(name), sizeof name);
}

bool GdipFontFamily::IsStyleAvailable(int style) const
{
    BOOL available = FALSE;
    return Check(gpf::GdipIsStyleAvailable(family_, style, &available)) && available;
}

int GdipFontFamily::GetEmHeight(int style) const
{
    UINT16 value = 0;
    return Check(gpf::GdipGetEmHeight(family_, style, &value)) ? value : 0;
}

int GdipFontFamily::GetCellAscent(int style) const
{
    UINT16 value = 0;
    return Check(gpf::GdipGetCellAscent(family_, style, &value)) ? value : 0;
}

int GdipFontFamily::GetCellDescent(int style) const
{
    UINT16 value = 0;
    return Check(gpf::GdipGetCellDescent(family_, style, &value)) ? value : 0;
}

int GdipFontFamily::GetLineSpacing(int style) const
{
    UINT16 value = 0;
    return Check(gpf::GdipGetLineSpacing(family_, style, &value)) ? value : 0;
}

// --- font -------------------------------------------------------------------------------------------

GdipFont::~GdipFont()
{
    StatusKeeper keep;
    DeleteFont();
}

void GdipFont::SetClassHandle(void* handle) { font_ = static_cast<gp::GpFont*>(handle); }

bool GdipFont::DeleteFont()
{
    if (!font_)
        return false;
    const gp::Status status = gpf::GdipDeleteFont(font_);
    SetNativeHandle(nullptr);
    return Check(status);
}

bool GdipFont::CreateFont(const GdipFontFamily& family, float emSize, int style, int unit)
{
    ReleaseHeld();
    gp::GpFont* font = nullptr;
    return TakeCreated(gpf::GdipCreateFont(Native<gp::GpFontFamily>(family), emSize, style, En(unit), &font), font);
}

bool GdipFont::CreateFromFamily(GdipFontFamily& family, float emSize, int style, int unit)
{
    // The font keeps what it needs of the family, which is released at once.
    gp::GpFont* font = nullptr;
    const gp::Status status = gpf::GdipCreateFont(Native<gp::GpFontFamily>(family), emSize, style, En(unit), &font);
    family.DeleteFontFamily();
    return TakeCreated(status, font);
}

bool GdipFont::CreateDefaultGuiFont()
{
    ReleaseHeld();
    LOGFONTA logfont = {};
    if (GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof logfont, &logfont) == 0)
        return false;
    HDC screen = ::GetDC(nullptr);
    gp::GpFont* font = nullptr;
    const gp::Status status = gpf::GdipCreateFontFromLogfontA(screen, &logfont, &font);
    ::ReleaseDC(nullptr, screen);
    return TakeCreated(status, font);
}

bool GdipFont::CreateFontFromName(const std::string& familyName, float emSize, int style, int unit)
{
    return CreateFontFromNameW(TextToWideBytes(familyName), emSize, style, unit);
}

bool GdipFont::CreateFontFromNameW(const std::string& wideFamilyName, float emSize, int style, int unit)
{
    ReleaseHeld();
    GdipFontFamily family;
    family.CreateFontFamilyFromNameW(wideFamilyName);
    return CreateFromFamily(family, emSize, style, unit);
}

bool GdipFont::CreateFontFromDC(HDC dc)
{
    ReleaseHeld();
    gp::GpFont* font = nullptr;
    return TakeCreated(gpf::GdipCreateFontFromDC(dc, &font), font);
}

bool GdipFont::CreateFontFromDCAndHFont(HDC dc, HFONT hfont)
{
    ReleaseHeld();
    gp::GpFont* font = nullptr;
    LOGFONTA logfont = {};
    if (hfont && GetObjectA(hfont, sizeof logfont, &logfont) != 0)
        return TakeCreated(gpf::GdipCreateFontFromLogfontA(dc, &logfont, &font), font);
    return TakeCreated(gpf::GdipCreateFontFromDC(dc, &font), font);
}

bool GdipFont::CreateFontFromLogfontA(HDC dc, const LOGFONTA* logfont)
{
    ReleaseHeld();
    gp::GpFont* font = nullptr;
    if (!logfont)
        return TakeCreated(gpf::GdipCreateFontFromDC(dc, &font), font);
    return TakeCreated(gpf::GdipCreateFontFromLogfontA(dc, logfont, &font), font);
}

bool GdipFont::CreateFontFromLogfontW(HDC dc, const LOGFONTW* logfont)
{
    ReleaseHeld();
    gp::GpFont* font = nullptr;
    if (!logfont)
        return TakeCreated(gpf::GdipCreateFontFromDC(dc, &font), font);
    return TakeCreated(gpf::GdipCreateFontFromLogfontW(dc, logfont, &font), font);
}

bool GdipFont::CloneFont(GdipFont& target) const
{
    gp::GpFont* copy = nullptr;
    return GiveTo(target, gpf::GdipCloneFont(font_, &copy), copy);
}

bool GdipFont::GetLogFontA(const GdipGraphics& graphics, std::string& logfont) const
{
    // Sized here: GDI+ writes a whole LOGFONTA whatever the caller allotted.
    logfont.assign(sizeof(LOGFONTA), '\0');
    return Check(gpf::GdipGetLogFontA(font_, Native<gp::GpGraphics>(graphics), reinterpret_cast<LOGFONTA*>(&logfont[0])));
}

bool GdipFont::GetLogFontW(const GdipGraphics& graphics, LOGFONTW* logfont) const
{
    return Check(gpf::GdipGetLogFontW(font_, Native<gp::GpGraphics>(graphics), logfont));
}

bool GdipFont::GetFamily(GdipFontFamily& target) const
{
    gp::GpFontFamily* family = nullptr;
    return GiveTo(target, gpf::GdipGetFamily(font_, &family), family);
}

int GdipFont::GetFontStyle() const
{
    INT style = 0;
    return Check(gpf::GdipGetFontStyle(font_, &style)) ? style : 0;
}

float GdipFont::GetFontSize() const
{
    float size = 0;
    return Check(gpf::GdipGetFontSize(font_, &size)) ? size : 0.0f;
}

int GdipFont::GetFontUnit() const
{
    gp::Unit unit{};
    return Check(gpf::GdipGetFontUnit(font_, &unit)) ? unit : 0;
}

float GdipFont::GetFontHeight(const GdipGraphics& graphics) const
{
    float height = 0;
    return Check(gpf::GdipGetFontHeight(font_, Native<gp::GpGraphics>(graphics), &height)) ? height : 0.0f;
}

float GdipFont::GetFontHeightGivenDPI(float dpi) const
{
    float height = 0;
    return Check(gpf::GdipGetFontHeightGivenDPI(font_, dpi, &height)) ? height : 0.0f;
}
