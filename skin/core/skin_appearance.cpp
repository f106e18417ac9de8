#include "skin/core/skin_appearance.h"

#include "gdiplus/gdip_graphics.h"
#include "gdiplus/gdip_image.h"
#include "gdiplus/gdip_types.h"
#include "runtime/picture_structure.h"
#include "skin/controls/form_repaint.h"
#include "skin/core/caption_picture.h"
#include "skin/core/caption_title.h"
#include "skin/core/drawing_core.h"
#include "skin/core/frame_painting.h"
#include "skin/core/skin_options.h"
#include "skin/core/skin_registry.h"
#include "skin/core/window_props.h"

namespace {

constexpr int kImageSamples = 2000;
constexpr int kMirroredStripMode = 4;
// The colour bits of a COLORREF; the sampler puts 0xFF in the top byte.
constexpr COLORREF kColourBits = 0xFFFFFF;

// A picture file decoded and encoded again as PNG; empty when it does not decode.
std::string FileAsPng(const std::string& fileName)
{
    GdipImage image;
    if (!image.LoadImageFromFile(fileName))
        return {};
    return image.SaveImageToStream(kImageFormatPng);
}

std::string PreparedSkinImage(const SkinPicture& skin, int mode, COLORREF baseColour)
{
    if (mode == 0 || mode == 1)
        return RenderSkinImageToPng(skin.bytes, std::nullopt, baseColour, mode == 0, skin.fileName);
    return skin.fileName.empty() ? skin.bytes : FileAsPng(skin.fileName);
}

// Visible forms rebuild their frame off screen and repaint with every control; hidden ones wait for
// their next rebuild.
void RepaintVisibleForms()
{
    for (int n = 1; n <= SkinFormCount(); ++n) {
        const HWND window = SkinFormAt(n)->hwnd;
        if (!IsWindowVisible(window))
            continue;
        PaintFormFrame(n, false);
        InvalidateRect(window, nullptr, FALSE);
        MarkFormBackgroundsDirty(window);
        InvalidateVisibleChildren(window);
    }
}

}  // namespace

void ApplySkin(const SkinPicture& skin)
{
    const bool themeFromBase = skin.themeColour == kThemeFromBaseColour;
    if (!themeFromBase)
        g_themeColour = skin.themeColour.value_or(kStartThemeColour);
    // Damaged picture bytes count as none: no decoder gets them.
    const bool hasPicture = !skin.fileName.empty() || (!skin.bytes.empty() && PictureOutlineSound(skin.bytes));
    if (!hasPicture && !skin.baseColour)
        return;
    if (hasPicture) {
        g_skinBaseColour = skin.baseColour ? *skin.baseColour
                                           : SampleImageColour(skin.bytes, kImageSamples, 0, 0, skin.fileName) &
                                                 kColourBits;
        g_skinImageMode = skin.imageMode.value_or(kMirroredStripMode);
        g_skinImage = PreparedSkinImage(skin, g_skinImageMode, g_skinBaseColour);
    } else {
        g_skinImage.clear();
        g_skinBaseColour = *skin.baseColour;
    }
    if (themeFromBase)
        g_themeColour = g_skinBaseColour;
    RepaintVisibleForms();
}

bool SetFormMinimumSize(HWND formWindow, int width, int height)
{
    SkinFormRecord* form = SkinFormOfWindow(formWindow);
    if (!form)
        return false;
    form->minTrackWidth = width;
    form->minTrackHeight = height;
    return true;
}

bool SetTitleTextStyle(HWND formWindow, const TitleTextStyle& style)
{
    int n = 0;
    SkinFormRecord* form = SkinFormOfWindow(formWindow, &n);
    if (!form)
        return false;
    if (style.fontName)
        form->titleFont = *style.fontName;
    if (style.fontSize)
        form->titleSize = *style.fontSize;
    if (style.textColour)
        form->titleColour = *style.textColour;
    if (style.glowColour)
        form->titleGlowColour = *style.glowColour;
    if (style.bold)
        form->titleBold = *style.bold;
    if (style.softGlow)
        form->titleGlowStyle = *style.softGlow;
    GdipGraphics graphics;
    DrawFormTitle(n, graphics, false);
    return true;
}

bool SetStatusBandStyle(HWND formWindow, const StatusTextStyle& style)
{
    int n = 0;
    SkinFormRecord* form = SkinFormOfWindow(formWindow, &n);
    if (!form)
        return false;
    form->statusInverseText = style.inverseText.value_or(true);
    form->statusTextGlow = style.halo.value_or(false);
    form->statusTextColour = style.haloTextColour.value_or(0);
    form->statusGlowColour = style.haloColour.value_or(0xFFFFFF);
    if (style.fontName)
        form->statusFont = *style.fontName;
    if (style.fontSize)
        form->statusSize = *style.fontSize;
    return true;
}
