#include "skin/core/frame_layout.h"

#include "skin/core/skin_options.h"
#include "skin/core/skin_registry.h"

namespace {

constexpr int kStripHeight = 22;
constexpr int kButtonStep = 27;
constexpr int kButtonWidth = 26;
constexpr int kCloseButtonWidth = 40;
constexpr int kButtonHeight = 18;

RECT ClientRect(HWND window)
{
    RECT client = {};
    GetClientRect(window, &client);
    return client;
}

}  // namespace

void LayoutCaptionButtons(int formNumber)
{
    SkinFormRecord* form = SkinFormAt(formNumber);
    if (!form)
        return;
    if (form->hwnd) {
        form->captionStrip.x = ClientRect(form->hwnd).right - form->captionStrip.width + 1;
        form->captionStrip.height = kStripHeight;
    }
    const int x0 = form->captionStrip.x + 2;
    const int y0 = form->captionStrip.y + 1;
    for (int i = 1; i <= RecordCount(form->captionButtons); ++i) {
        CaptionButtonRecord& button = *RecordAt(form->captionButtons, i);
        const int width = button.kind == kCaptionClose ? kCloseButtonWidth : kButtonWidth;
        button.rect = RectF{static_cast<float>(x0 + kButtonStep * (i - 1)), static_cast<float>(y0),
                            static_cast<float>(width), static_cast<float>(kButtonHeight)};
        const RECT tool = {static_cast<LONG>(button.rect.x), static_cast<LONG>(button.rect.y),
                           static_cast<LONG>(button.rect.x + button.rect.width),
                           static_cast<LONG>(button.rect.y + button.rect.height)};
        form->tooltip.SetToolRect(i, tool);
        form->tooltip.UpdateTipText(i, button.tipText);
    }
}

void LayoutStatusBand(int formNumber, int height, const std::vector<StatusBandSegment>& segments, bool given)
{
    SkinFormRecord* form = SkinFormAt(formNumber);
    if (!form)
        return;
    form->statusHeight = height;
    const RECT client = ClientRect(form->hwnd);
    const int b = g_frameBorder;
    const int top = client.bottom - b - height - 1;
    form->statusRect = FormRect{b, top, client.right - 2 * b, height};
    form->statusSegmentRects.clear();
    form->statusSegments.clear();
    if (!given) {
        form->statusSegmentRects.push_back(form->statusRect);
        StatusBandSegment whole;
        whole.width = -1;
        form->statusSegments.push_back(whole);
        return;
    }
    int x = b;
    int previousWidth = 0;
    for (const StatusBandSegment& segment : segments) {
        x += previousWidth;
        const int width = segment.width == -1 ? client.right - b - x : segment.width;
        previousWidth = width;
        form->statusSegmentRects.push_back(FormRect{x, top, width, height});
        form->statusSegments.push_back(segment);
    }
}

void RelayoutStatusBand(int formNumber)
{
    SkinFormRecord* form = SkinFormAt(formNumber);
    if (!form)
        return;
    const RECT client = ClientRect(form->hwnd);
    const int b = g_frameBorder;
    form->statusRect.x = b;
    form->statusRect.y = client.bottom - form->statusHeight - b - 1;
    form->statusRect.width = client.right - 2 * b;
    int x = b;
    int used = 0;
    for (size_t i = 0; i < form->statusSegmentRects.size(); ++i) {
        FormRect& rect = form->statusSegmentRects[i];
        rect.y = form->statusRect.y;
        rect.x = x;
        if (i < form->statusSegments.size() && form->statusSegments[i].width == -1)
            rect.width = client.right - used - 2 * b;
        used += rect.width;
        x += rect.width;
    }
}
