#pragma once
// One SkinFormRecord per skinned form or dialog: its caption and status-band state, its memory
// contexts, and one list per skinned control type. A record's 1-based position in the registry
// (skin_registry.h) is the form's number, which the form's and its controls' window properties carry.
#include <windows.h>

#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "gdiplus/gdip_types.h"
#include "skin/controls/control_records.h"
#include "skin/core/record_list.h"
#include "skin/core/skin_callback.h"
#include "skin/custom/custom_control_records.h"

// x, y, width, height.
struct FormRect {
    int x = 0, y = 0, width = 0, height = 0;
};

enum CaptionButtonKind {
    kCaptionClose = 0,
    kCaptionMaximize = 1,
    kCaptionMinimize = 2,
    kCaptionMenu = 3,
    kCaptionHelp = 4,
    kCaptionCustom = 5,
};

struct CaptionButtonRecord {
    int width = 26;  // the close button 38
    int height = 18;
    std::string image;     // PNG of the glyph
    std::string altImage;  // PNG shown while the form is maximised (the restore glyph); else empty
    int kind = kCaptionClose;
    std::string tipText;
    SkinCallback callback = nullptr;  // custom buttons only
    RectF rect;                       // hit and paint rectangle, client coordinates
};

struct StatusBandSegment {
    int width = -1;  // -1: the rest of the band
    std::string text;
    std::string picture;
    COLORREF textColour = 0;
};

struct CaptionFade {
    int button = 0;  // caption button number, 0 none
    int level = 0;   // 0..8
};

// The custom child controls made from static controls of a skinned form.
struct SkinnedChildRecord {
    HWND hwnd = nullptr;
    // The next paint renders the control afresh.
    bool dirty = true;
    // Text labels (skinned_labels.h): GDI+ string and line alignment (0 near, 1 centre, 2 far), wrapping,
    // colours (the halo only when haloColour was given) and font.
    int alignment = 0;
    int lineAlignment = 1;
    bool wrap = false;
    COLORREF textColour = 0;
    bool halo = false;
    COLORREF haloColour = CLR_INVALID;
    std::string fontName = "宋体";
    int fontSize = 12;
    int fontStyle = 0;
};

// The fade-in of a skinned dialog (dialog_frame_proc.cpp).
struct DialogFade;

enum CloseEffect {
    kCloseEffectNone = 0,
    kCloseEffectShrinkFade = 1,
    kCloseEffectPulseFade = 2,
};

struct SkinFormRecord {
    HWND hwnd = nullptr;
    bool justShown = false;  // the first show painted the frame at once
    bool wasHidden = false;  // the form has been hidden at least once
    int closeEffect = kCloseEffectNone;
    bool moving = false;
    bool sizing = false;
    bool restorePending = false;
    bool backgroundErased = false;
    bool active = false;
    int captionHeight = 25;
    bool hasHelpButton = false;
    bool hasMenuButton = false;
    bool hasMinimizeButton = false;
    bool hasMaximizeButton = false;
    bool hasCloseButton = false;
    bool showTitle = false;
    bool captionGradient = false;  // the tint stops at the caption band, which gets a gloss of its own
    WNDPROC savedWndProc = nullptr;  // also in the window property Hw_hProc
    std::string backgroundImage;
    int imageMode = 0;
    COLORREF imageColour = 0;
    COLORREF tintColour = CLR_INVALID;  // -1: no tint
    int tintAlpha = 255;
    RecordList<CaptionButtonRecord> captionButtons;
    FormRect captionStrip;
    HBITMAP captionCacheOldBitmap = nullptr;
    HBITMAP captionCacheBitmap = nullptr;
    // A cache of the status band, as of the caption: no painter fills it (the band is drawn straight into
    // frameDc), but the release frees whatever it holds, so that a painter that keeps one cannot leak it.
    HBITMAP statusCacheOldBitmap = nullptr;
    HBITMAP statusCacheBitmap = nullptr;
    bool maximized = false;
    bool minimized = false;
    int minTrackWidth = 200;
    int minTrackHeight = 150;
    int maxWidth = 0;
    int maxHeight = 0;
    bool resizable = false;
    bool frameEnabled = false;
    COLORREF titleColour = 0xFFFFFF;
    COLORREF titleGlowColour = 0x808080;  // -1: plain title
    std::string titleFont = "宋体";
    int titleSize = 12;
    bool titleBold = true;
    int titleGlowStyle = 0;
    int hotCaptionButton = 0;
    int hoverKind = 0;
    HWND hotEditParent = nullptr;
    SkinCallback helpCallback = nullptr;
    SkinCallback menuCallback = nullptr;
    ToolTipClass tooltip;
    bool tipsHeld = false;  // while a caption button's window is open: no mouse message reaches the tips
    int statusHeight = 0;
    FormRect statusRect;
    std::vector<StatusBandSegment> statusSegments;
    std::vector<FormRect> statusSegmentRects;
    bool statusInverseText = false;  // segment texts in the inverse of the skin base colour
    bool statusTextGlow = false;
    COLORREF statusTextColour = 0;
    COLORREF statusGlowColour = 0;
    std::string statusFont;
    int statusSize = 0;

    RecordList<SkinButtonRecord> buttons;
    RecordList<SkinEditRecord> edits;
    RecordList<SkinListControlRecord> listControls;
    RecordList<SkinTrackbarRecord> trackbars;
    RecordList<SkinProgressRecord> progressBars;
    RecordList<SkinComboRecord> comboBoxes;
    RecordList<SkinUpDownRecord> upDowns;
    RecordList<SkinHeaderRecord> headers;
    RecordList<SkinKjRecord> kjControls;  // carry Kj_FuID / Kj_lbID instead of Hw_
    RecordList<SkinStaticRecord> statics;
    RecordList<SkinnedChildRecord> childControls;

    bool needsFullRepaint = true;
    int framePaints = 0;  // frame pictures painted so far; what lies behind the controls may change with each
    HDC frameDc = nullptr;  // the painted frame; its bitmaps also in Ck_Ycjdx / Ck_wtjbdx
    HDC captionCacheDc = nullptr;
    HDC statusCacheDc = nullptr;  // see statusCacheBitmap
    HDC backBufferDc = nullptr;  // registered: the frame plus every published control image
    int prevHotIndex = 0;
    int hotIndex = 0;
    int tooltipCount = 0;
    // The animation threads walk this list: change it only under a SkinRegistryWriteGuard.
    RecordList<SkinContainerRecord> containers;
    std::vector<AttachedPage> attachedPages;
    bool mouseInside = false;     // a hover notice came since the last leave notice
    CaptionFade fadeIn;           // the caption button lighting up
    CaptionFade fadeOut;          // the caption button going dark
    bool inCaptionStrip = false;  // the last mouse move was in the caption-button strip
    bool closeHot = false;
    // A skinned dialog's fade-in, from its first paint until it closes; empty before.
    std::shared_ptr<DialogFade> dialogFade;
    // Client size at the last layout; also read by the animation threads.
    std::atomic<int> clientWidth{0};
    std::atomic<int> clientHeight{0};
};
