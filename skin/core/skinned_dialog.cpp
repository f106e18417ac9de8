#include "skin/core/skinned_dialog.h"

#include <memory>

#include "skin/controls/control_installers.h"
#include "skin/core/dialog_frame_proc.h"
#include "skin/core/layered_windows.h"
#include "skin/core/skin_registry.h"
#include "skin/core/window_props.h"
#include "skin/core/window_rects.h"

namespace {

#include "skin/core/dialog_glyphs.inc"

constexpr int kExtraWidth = 6;
constexpr int kCaptionHeight = 25;
constexpr int kStripHeight = 22;
constexpr int kCloseWidth = 36;

std::unique_ptr<SkinFormRecord> BuildDialogRecord(HWND dialog)
{
    auto form = std::make_unique<SkinFormRecord>();
    form->hwnd = dialog;
    form->captionHeight = kCaptionHeight;
    form->hasCloseButton = true;
    form->showTitle = true;
    form->frameEnabled = true;
    form->resizable = false;
    form->titleColour = 0xFFFFFF;
    form->titleGlowColour = 0x808080;
    form->titleFont = "宋体";
    form->titleSize = 13;
    form->titleBold = false;

    auto close = std::make_unique<CaptionButtonRecord>();
    close->width = 38;
    close->height = 18;
    close->image = DialogCloseGlyphPng();
    close->kind = kCaptionClose;
    close->tipText = "关闭";
    // The strip is as wide as its one button plus 3.
    form->captionStrip.width = close->width + 3;
    AppendRecord(form->captionButtons, std::move(close));
    form->captionStrip.height = kStripHeight;
    form->captionStrip.y = 0;
    return form;
}

}  // namespace

std::string DialogCloseGlyphPng()
{
    return std::string(reinterpret_cast<const char*>(kDialogCloseGlyphPng), sizeof(kDialogCloseGlyphPng));
}

void SkinDialogWindow(HWND dialog)
{
    if (!dialog || FindSkinnedWindow(dialog) > 0)
        return;
    RECT r = {};
    GetWindowRect(dialog, &r);
    MoveWindow(dialog, r.left, r.top, r.right - r.left + kExtraWidth, r.bottom - r.top, TRUE);
    SetRoundRegion(dialog, kDialogCorner);

    std::unique_ptr<SkinFormRecord> record = BuildDialogRecord(dialog);
    SetWindowLongPtrA(dialog, GWL_STYLE, GetWindowLongPtrA(dialog, GWL_STYLE) | WS_SYSMENU);
    // Invisible until the first paint starts the fade-in.
    SetLayeredStyle(dialog);
    SetLayeredWindowAttributes(dialog, 0, 0, LWA_ALPHA);
    const int n = AppendSkinForm(std::move(record));
    InitCaptionButtonRect(n);
    RunDialogControlInstallers(n, dialog);

    SkinFormRecord* form = SkinFormAt(n);
    if (!form)
        return;
    form->needsFullRepaint = true;
    const LONG_PTR previous =
        SetWindowLongPtrA(dialog, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(DialogFrameWndProc));
    SetWindowProp(dialog, kPropHwProc, previous);
    SetWindowProp(dialog, kPropHwListIndex, n);
}

void InitCaptionButtonRect(int formNumber)
{
    SkinFormRecord* form = SkinFormAt(formNumber);
    if (!form)
        return;
    RECT r = {};
    GetWindowRect(form->hwnd, &r);
    const int width = r.right - r.left;
    form->captionStrip.x = width - kCloseWidth;
    for (const auto& button : form->captionButtons)
        button->rect = RectF{static_cast<float>(width - kCloseWidth), 0, kCloseWidth, kStripHeight};
}
