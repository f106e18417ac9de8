#include "skin/core/form_skinning.h"

#include <algorithm>

#include "skin/controls/control_installers.h"
#include "skin/core/caption_actions.h"
#include "skin/core/caption_glyphs.h"
#include "skin/core/caption_picture.h"
#include "skin/core/form_window_proc.h"
#include "skin/core/frame_layout.h"
#include "skin/core/skin_options.h"
#include "skin/core/skin_registry.h"
#include "skin/core/window_props.h"

namespace {

constexpr int kMinCaptionHeight = 25;
constexpr int kImageSamples = 2000;
constexpr int kStripHeight = 22;

void AddCaptionButton(SkinFormRecord& form, int kind, int width, CaptionGlyph glyph, const char* tip)
{
    auto button = std::make_unique<CaptionButtonRecord>();
    button->kind = kind;
    button->width = width;
    button->height = 18;
    button->image = CaptionGlyphPng(glyph);
    if (kind == kCaptionMaximize)
        button->altImage = CaptionGlyphPng(CaptionGlyph::Restore);
    button->tipText = tip;
    AppendRecord(form.captionButtons, std::move(button));
}

void MakeCaptionButtons(SkinFormRecord& form)
{
    if (form.hasHelpButton)
        AddCaptionButton(form, kCaptionHelp, 26, CaptionGlyph::Help, "帮助");
    if (form.hasMenuButton)
        AddCaptionButton(form, kCaptionMenu, 26, CaptionGlyph::Menu, "主菜单");
    if (form.hasMinimizeButton)
        AddCaptionButton(form, kCaptionMinimize, 26, CaptionGlyph::Minimize, "最小化");
    if (form.hasMaximizeButton)
        AddCaptionButton(form, kCaptionMaximize, 26, CaptionGlyph::Maximize, "最大化");
    if (form.hasCloseButton)
        AddCaptionButton(form, kCaptionClose, 38, CaptionGlyph::Close, "关闭");
}

void PreparePicture(SkinFormRecord& form, const std::string& picture)
{
    if (picture.empty())
        return;
    form.imageColour = SampleImageColour(picture, kImageSamples);
    if (form.imageMode == 0 || form.imageMode == 1)
        form.backgroundImage = RenderSkinImageToPng(picture, std::nullopt, form.imageColour, form.imageMode == 0);
    else
        form.backgroundImage = picture;
}

std::unique_ptr<SkinFormRecord> BuildRecord(HWND window, LONG_PTR style, const RECT& client,
                                            const SkinFormOptions& options)
{
    auto form = std::make_unique<SkinFormRecord>();
    form->hwnd = window;
    form->captionHeight = std::max(options.captionHeight, kMinCaptionHeight);
    form->hasHelpButton = options.helpButton.value_or(0) != 0;
    form->hasMenuButton = options.menuButton.value_or(0) != 0;
    form->hasMinimizeButton = (style & WS_MINIMIZEBOX) != 0;
    form->hasMaximizeButton = (style & WS_MAXIMIZEBOX) != 0;
    form->frameEnabled = options.frameEnabled.value_or(1) != 0;
    form->hasCloseButton = options.hideClose == 0 && form->frameEnabled;
    form->resizable = options.resizable.value_or(1) != 0;
    form->showTitle = options.showTitle.value_or(1) != 0;
    form->captionGradient = options.captionGradient.value_or(0) != 0;
    form->imageMode = options.imageMode.value_or(g_skinImageMode);
    form->tintColour = options.tintColour.value_or(CLR_INVALID);
    form->tintAlpha = options.tintAlpha.value_or(255);
    form->minTrackWidth = 200;
    form->minTrackHeight = 150;
    form->maxWidth = GetSystemMetrics(SM_CXSCREEN);
    form->maxHeight = GetSystemMetrics(SM_CYSCREEN);
    PreparePicture(*form, options.backgroundImage);

    form->titleColour = 0xFFFFFF;
    form->titleGlowColour = 0x808080;
    form->titleFont = "宋体";
    form->titleSize = 12;
    form->titleBold = true;

    MakeCaptionButtons(*form);
    int total = 0;
    for (const auto& button : form->captionButtons)
        total += button->width;
    form->captionStrip.width = total + (RecordCount(form->captionButtons) - 1) + 3;
    form->captionStrip.height = kStripHeight;
    form->captionStrip.y = 0;
    form->captionStrip.x = client.right - g_frameBorder - form->captionStrip.width - 2;
    form->clientWidth = client.right;
    form->clientHeight = client.bottom;
    form->tooltipCount = RecordCount(form->captionButtons);
    form->needsFullRepaint = true;
    return form;
}

}  // namespace

void SetSkinOptions(bool skinChildControls, std::optional<int> veilAlpha, std::optional<bool> trackbarEffect)
{
    g_skinChildControls = skinChildControls;
    g_veilAlpha = veilAlpha.value_or(160);
    g_veilEnabled = veilAlpha.has_value();
    g_trackbarEffect = trackbarEffect.value_or(true);
}

void SkinForm(HWND window, const SkinFormOptions& options)
{
    if (!window || FindSkinnedWindow(window) > 0)
        return;
    const LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
    SetWindowLongPtrA(window, GWL_STYLE, style & ~static_cast<LONG_PTR>(WS_CLIPCHILDREN));
    RECT client = {};
    GetClientRect(window, &client);
    g_frameBorder = 3;

    std::unique_ptr<SkinFormRecord> record = BuildRecord(window, style, client, options);
    SetWindowLongPtrA(window, GWL_STYLE, GetWindowLongPtrA(window, GWL_STYLE) | WS_SYSMENU);
    SkinFormRecord& form = *record;
    const int n = AppendSkinForm(std::move(record));

    // A tooltip window only when the frame behaviour was asked for explicitly; without one the tools
    // below go nowhere and the buttons work without tips.
    if (options.frameEnabled.value_or(0) != 0)
        form.tooltip.Create(window);
    for (int i = 1; i <= RecordCount(form.captionButtons); ++i)
        form.tooltip.AddTool(RECT{}, RecordAt(form.captionButtons, i)->tipText, i);
    LayoutCaptionButtons(n);
    if (options.statusHeight > 0) {
        LayoutStatusBand(n, options.statusHeight, options.statusSegments.value_or(std::vector<StatusBandSegment>{}),
                         options.statusSegments.has_value());
        form.statusTextColour = 0;
        form.statusGlowColour = 0xFFFFFF;
        form.statusFont = "宋体";
        form.statusSize = 12;
    }
    RelayoutStatusBand(n);

    RunControlInstallers(n, window);

    if (!g_captionClickHandler)
        g_captionClickHandler = OnCaptionButtonClick;
    form.needsFullRepaint = true;
    form.savedWndProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SkinFormWindowProc)));
    SetWindowProp(window, kPropHwProc, reinterpret_cast<LONG_PTR>(form.savedWndProc));
    SetWindowProp(window, kPropHwListIndex, n);
}
