#pragma once
// Fonts, font families and font collections. Styles: 0 regular, 1 bold, 2 italic, 4 underline,
// 8 strike-out (combined); units: 0 world, 2 pixel, 3 point. Family names are GBK texts.
//
// A family or collection wrapper keeps its native object when destroyed: a family is released only
// by DeleteFontFamily (or when a new family replaces it). An empty collection wrapper stands for the
// installed fonts.
#include <windows.h>

#include <string>
#include <vector>

#include "gdiplus/gdip_base.h"
#include "gdiplus/gdip_graphics.h"

// Win32 macros (wingdi.h, windowsx.h) that share the wrappers' method names.
#undef CreateFont
#undef DeleteFont

class GdipFontFamily;

class GdipFontCollection : public GdipObjectBase {
public:
    GdipFontCollection() = default;

    int GetFontCollectionFamilyCount() const;
    // The array becomes count families of the collection, each a copy owned by its wrapper (the
    // wrappers after the number found stay empty); the result is the number found. A count below 1
    // fails with InvalidParameter before any call.
    int GetFontFamilyList(int count, std::vector<GdipFontFamily>& families) const;

protected:
    void SetClassHandle(void* handle) override;
    void ReleaseHeld() override {}

private:
    Gdiplus::GpFontCollection* collection_ = nullptr;
};

class GdipFontFamily : public GdipObjectBase {
public:
    GdipFontFamily() = default;
    GdipFontFamily(GdipFontFamily&& other) noexcept;
    GdipFontFamily& operator=(GdipFontFamily&&) = delete;

    bool DeleteFontFamily();
    // The third argument is accepted for callers that pass one and is not used.
    bool CreateFontFamilyFromName(const std::string& name, const GdipFontCollection& collection = GdipFontCollection(),
                                  int unused = 0);
    bool CreateFontFamilyFromNameW(const std::string& wideName,
                                   const GdipFontCollection& collection = GdipFontCollection());
    bool GetGenericFontFamilySansSerif();
    bool GetGenericFontFamilySerif();
    bool GetGenericFontFamilyMonospace();
    bool CloneFontFamily(GdipFontFamily& target) const;
    // The name GDI+ reports for the neutral language (at most 31 UTF-16 units); "" when empty.
    std::string GetFamilyName() const;
    // The same as the 64-byte UTF-16 buffer.
    std::string GetFamilyNameW() const;
    bool IsStyleAvailable(int style) const;
    // Design units.
    int GetEmHeight(int style) const;
    int GetCellAscent(int style) const;
    int GetCellDescent(int style) const;
    int GetLineSpacing(int style) const;

protected:
    void SetClassHandle(void* handle) override;
    void ReleaseHeld() override { DeleteFontFamily(); }

private:
    Gdiplus::GpFontFamily* family_ = nullptr;
};

class GdipFont : public GdipObjectBase {
public:
    GdipFont() = default;
    ~GdipFont() override;

    bool DeleteFont();
    bool CreateFont(const GdipFontFamily& family, float emSize, int style = 0, int unit = 0);
    // The stock DEFAULT_GUI_FONT on the screen.
    bool CreateDefaultGuiFont();
    // Through a temporary family of the installed fonts, released again; an unknown name fails and
    // leaves the wrapper empty.
    bool CreateFontFromName(const std::string& familyName, float emSize, int style = 0, int unit = 0);
    bool CreateFontFromNameW(const std::string& wideFamilyName, float emSize, int style = 0, int unit = 0);
    bool CreateFontFromDC(HDC dc);
    // The font of the HFONT's LOGFONTA on that context; without a font, or when it cannot be read,
    // the context's current font.
    bool CreateFontFromDCAndHFont(HDC dc, HFONT font = nullptr);
    bool CreateFontFromLogfontA(HDC dc, const LOGFONTA* logfont);
    bool CreateFontFromLogfontW(HDC dc, const LOGFONTW* logfont);
    bool CloneFont(GdipFont& target) const;
    // The byte data becomes a LOGFONTA (sized by this call).
    bool GetLogFontA(const GdipGraphics& graphics, std::string& logfont) const;
    bool GetLogFontW(const GdipGraphics& graphics, LOGFONTW* logfont) const;
    bool GetFamily(GdipFontFamily& target) const;
    int GetFontStyle() const;
    float GetFontSize() const;
    int GetFontUnit() const;
    float GetFontHeight(const GdipGraphics& graphics = GdipGraphics()) const;
    float GetFontHeightGivenDPI(float dpi) const;

protected:
    void SetClassHandle(void* handle) override;
    void ReleaseHeld() override { DeleteFont(); }

private:
    bool CreateFromFamily(GdipFontFamily& family, float emSize, int style, int unit);

    Gdiplus::GpFont* font_ = nullptr;
};
