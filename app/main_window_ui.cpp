#include "app/main_window_ui.h"

#include "app/pictures/pictures.h"
#include "app/skin_settings_window.h"
#include "runtime/forms/form.h"
#include "skin/core/caption_buttons.h"
#include "skin/core/form_skinning.h"

std::string g_configPath;

namespace {

int OpenSkinSettingsFromCaption(const int*, int)
{
    OpenSkinSettingsWindow();
    return 0;
}

}  // namespace

// The steps of the skin that are still to come are marked "Skin step still to come"; they run in this
// order once the skin has them.
void BuildMainWindowUi(forms::Form& window)
{
    HWND hwnd = window.Window();
    g_configPath = "Data\\config.ini";

    // Skin step still to come: ApplySkin with the built-in picture kBuiltInSkinJpeg, no base colour,
    // theme colour 0x51AE51 and image mode 1, whatever skin "Data\config.ini" names.

    SetSkinOptions(true, 0);
    SkinFormOptions form;
    form.captionHeight = 120;
    form.frameEnabled = 1;
    form.resizable = 1;
    form.helpButton = 0;
    form.showTitle = 1;
    form.captionGradient = 1;
    form.statusHeight = 5;
    SkinForm(hwnd, form);
    AddTitleBarButton(hwnd, PictureBytes(kSkinButtonPng), "换皮肤", OpenSkinSettingsFromCaption);

    // Skin step still to come: SetFormCloseEffect (window, 1), the shrink-and-fade close.
    // Skin step still to come: SetTitleTextStyle: text colour 0xFFFFFF, glow colour 0x000000, glow
    // drawing 1, font, size and bold as they are.
    // Skin step still to come: SetStatusBandStyle: options 0 and 1, text colour 0xFFFFFF, glow colour
    // 0xFF0090, font and size as they are.
    // Skin step still to come: the help menu as a skin popup menu, CreateSkinPopupMenu (item width
    // 100) with 联系我们, 软件升级 and 软件主页 and the click callback OnHelpMenuItem; until then the
    // label pops up the window's own menu 帮助菜单 (main_window_navigation.cpp).
    // Skin step still to come: the navigation bar, SkinNavBar::Attach on 图片框1 (items 85 x 75, page
    // mode 1), eight items from kNavBarPictures with the captions 宝宝取名, 姓名评测, 自选列表, 组合模式,
    // 诗词模式, 取英文名, 取小名, 生辰八字 (option 0, the first also width 85, height 75, checked 0), and
    // SetClickCallback calling OnNavBarClicked with the item number.
    // Skin step still to come: SkinGroupBox (paint flag 1, the system's default window background
    // colour, opacity 0, option 1) on 分组框1, 3, 5, 7, 9, 10, 11, 12, 13, 16, 18, 23, 24, 25 and 26, in
    // that order.
    // Skin step still to come: the side list, SkinGroupList::Create on 画板5 (child row height 25,
    // background opacity 200, first colour 0xFFFFFF), the rows kFeaturePageTitles each added expanded
    // at the end, and SetClickCallback calling OnSideListClicked with (row, child).
    // Skin step still to come: SkinControl on 高级选择夹1, then on 高级选择夹2.
    // Until the bar and the list come, the tab controls' own page headers switch the pages; they stay
    // shown afterwards, since page 4 of 高级选择夹1 is reached only through them.
}
