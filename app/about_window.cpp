#include "app/about_window.h"

#include "app/report_window_main_units.h"
#include "runtime/forms/form.h"
#include "runtime/forms/form_runtime.h"
#include "runtime/forms/platform_actions.h"
#include "skin/core/form_skinning.h"
#include "skin/core/form_window_proc.h"

// The program has no site of its own: the addresses are placeholders of the reserved example domain.
const char kHomePageUrl[] = "http://www.example.org/babyname/";
const char kDownloadUrl[] = "http://www.example.org/babyname/download.htm";

namespace {

using forms::Define;
using forms::UnitKind;

enum AboutUnit {
    kCreditsLabel = 1,
    kMessengerLabel,
    kPhoneLabel,
    kHomeLabel,
    kHomeLink,
    kDownloadLabel,
    kDownloadLink,
    kCloseButton,
};

forms::FormDef MakeAboutWindow()
{
    forms::FormDef d;
    d.id = 131;
    d.name = "AboutWindow";
    d.caption = "联系我们";
    d.rect = {50, 50, 585, 394};
    d.flags = forms::kFormFrameless;
    // The window's font, 宋体, is the labels' font.
    auto label = [](int id, const char* name, forms::RectDef rect, const char* text) {
        return Define(UnitKind::TransparentLabel, id, name, rect, text);
    };
    d.units = {
        label(kCreditsLabel, "透明标签1", {6, 40, 570, 40},
              "宝宝取名：按姓氏、性别和出生时间挑选好名字。感谢您的使用！")
            .Flags(forms::kCentred),
        label(kMessengerLabel, "透明标签2", {136, 112, 272, 40}, "客服QQ：暂无"),
        label(kPhoneLabel, "透明标签3", {128, 172, 368, 48}, "客服电话：暂无"),
        label(kHomeLabel, "透明标签4", {24, 232, 136, 48}, "官方主页："),
        Define(UnitKind::HyperlinkLabel, kHomeLink, "超级链接框1", {152, 248, 352, 24}, kHomePageUrl)
            .Link(kHomePageUrl),
        label(kDownloadLabel, "透明标签5", {24, 280, 136, 48}, "下载地址："),
        Define(UnitKind::HyperlinkLabel, kDownloadLink, "超级链接框2", {152, 296, 312, 24}, kDownloadUrl)
            .Link(kDownloadUrl),
        Define(UnitKind::Button, kCloseButton, "按钮1", {456, 334, 96, 32}, "关闭"),
    };
    d.bindings = {
        {0, forms::EventKind::Created, OnAboutWindowCreated},
        {0, forms::EventKind::Destroying, OnAboutWindowDestroy},
        {kDownloadLabel, forms::EventKind::Click, OpenDownloadPage},
        {kCloseButton, forms::EventKind::Click, CloseAboutWindow},
    };
    return d;
}

}  // namespace

const forms::FormDef& AboutWindowDef()
{
    static const forms::FormDef def = MakeAboutWindow();
    return def;
}

bool OpenAboutWindow()
{
    return forms::OpenModal(AboutWindowDef());
}

void OnMenuContactUs(forms::Event&)
{
    OpenAboutWindow();
}

void OnAboutWindowCreated(forms::Event& event)
{
    SetMainWindowVisible(false);
    SkinFormOptions options;
    options.captionHeight = 100;
    options.captionGradient = 1;
    options.tintColour = 0xECECEC;
    options.tintAlpha = 150;
    SkinForm(event.form.Window(), options);
    SetFormCloseEffect(event.form.Window(), 1);  // shrink and fade
    SetSkinOptions(true, 0);
}

void OnAboutWindowDestroy(forms::Event&)
{
    // Both ways of closing (the button and the caption's close button) end here.
    SetMainWindowVisible(true);
}

void OpenDownloadPage(forms::Event& event)
{
    forms::OpenUrl(event.form.Get(kHomeLink).Text());
}

void CloseAboutWindow(forms::Event& event)
{
    event.form.Destroy();
}
