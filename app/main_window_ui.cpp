#include "app/main_window_ui.h"

#include "app/main_window_fun_page.h"
#include "app/main_window_navigation.h"
#include "app/pictures/pictures.h"
#include "app/skin_settings_window.h"
#include "runtime/forms/form.h"
#include "runtime/forms/form_runtime.h"
#include "skin/controls/container_family.h"
#include "skin/core/caption_buttons.h"
#include "skin/core/form_skinning.h"
#include "skin/core/form_window_proc.h"
#include "skin/core/on_request_skinning.h"
#include "skin/core/skin_appearance.h"
#include "skin/core/skin_menus.h"
#include "skin/custom/group_list.h"
#include "skin/custom/nav_bar.h"

std::string g_configPath;

namespace {

// The navigation items in the bar's order, which is the order of the navigation pictures (NavBarPictureBytes) and of the item numbers
// OnNavBarClicked takes.
const char* const kNavBarCaptions[kNavBarPictureCount] = {"宝宝取名", "姓名评测", "自选列表", "组合模式",
                                                          "诗词模式", "取英文名", "取小名",   "生辰八字"};

const char* const kSkinnedGroupBoxes[] = {"分组框1",  "分组框3",  "分组框5",  "分组框7",  "分组框9",
                                          "分组框10", "分组框11", "分组框12", "分组框13", "分组框16",
                                          "分组框18", "分组框23", "分组框24", "分组框25", "分组框26"};

const char kSideListPanel[] = "画板5";
const char kFeatureTabs[] = "高级选择夹2";

bool IsSkinnedGroupBox(const std::string& name)
{
    for (const char* box : kSkinnedGroupBoxes)
        if (name == box)
            return true;
    return false;
}

// The group boxes: their children take the skin's background; no fill of their own shows.
void SkinPageGroupBox(forms::Unit& box)
{
    SkinGroupBox(box.Window(), 1, GetSysColor(COLOR_BTNFACE), 0, 1);
}

// The skin calls its handlers with an array of integers: the item number comes first.
template <void (*Handler)(int)>
int CallWithItem(const int* arguments, int count)
{
    if (count >= 1)
        Handler(arguments[0]);
    return 0;
}

// The help menu, items 100 pixels wide, chosen items going to OnHelpMenuItem.
void BuildHelpMenu()
{
    g_helpMenu = CreateSkinPopupMenu(100);
    for (const char* caption : {"联系我们", "软件升级", "软件主页"})
        AddSkinMenuItem(g_helpMenu, caption);
    SetSkinMenuCallback(g_helpMenu, CallWithItem<OnHelpMenuItem>);
}

// The bar on 图片框1: page buttons of 85 x 75 that show no page windows of their own (the handler
// switches the pages), none of them current at first. The items that open a window act on every click.
void BuildNavBar(forms::Form& window)
{
    g_navBar.Attach(window.Get("图片框1").Window(), 85, 75, std::nullopt, std::nullopt, std::nullopt, true);
    for (int i = 0; i < kNavBarPictureCount; ++i) {
        NavBarItemOptions item;
        item.image = NavBarPictureBytes(i);
        item.caption = kNavBarCaptions[i];
        item.layout = 0;
        if (i == 0) {
            item.width = 85;
            item.height = 75;
            item.checked = false;
        }
        item.opensWindow = NavItemOpensWindow(i + 1);
        item.keepsPage = NavItemKeepsPage(i + 1);
        g_navBar.AddItem(item);
    }
    g_navBar.SetClickCallback(CallWithItem<OnNavBarClicked>);
}

// The side list reports (row, entry).
int SideListClicked(const int* arguments, int count)
{
    if (count >= 2)
        OnSideListClicked(arguments[0], arguments[1]);
    return 0;
}

// The side list on 画板5: one open row per feature page, entries 25 high (it has none), white entry
// captions over a background of opacity 200.
void BuildSideList(forms::Unit& panel)
{
    GroupListOptions options;
    options.childHeight = 25;
    options.backAlpha = 200;
    options.childTextColour = 0xFFFFFF;
    g_groupList.Create(panel.Window(), options);
    for (const char* title : kFeaturePageTitles)
        g_groupList.AddRow(title, true);
    g_groupList.SetClickCallback(SideListClicked);
}

// Units made when their page is first shown, dressed as those made at the start were and in the same
// order: the side list and the group boxes before their container's skin visits them, the feature
// pages' tab control after.
void DressLateUnit(forms::Unit& unit)
{
    if (IsSkinnedGroupBox(unit.Name()))
        SkinPageGroupBox(unit);
    else if (unit.Name() == kSideListPanel)
        BuildSideList(unit);
    SkinLateChild(unit.Window());
    if (unit.Name() == kFeatureTabs)
        SkinControl(unit.Window());
}

int OpenSkinSettingsFromCaption(const int*, int)
{
    OpenSkinSettingsWindow();
    return 0;
}

}  // namespace

void BuildMainWindowUi(forms::Form& window)
{
    // The pages' units are made when a page is first shown: the skin dresses them then.
    forms::SetUnitWindowMadeHandler(DressLateUnit);
    HWND hwnd = window.Window();
    g_configPath = "Data\\config.ini";

    // Every start shows the built-in picture and theme colour, whatever skin the user chose last time
    // ("Data\config.ini" is the skin settings window's alone).
    SkinPicture skin;
    skin.bytes = PictureBytes(Picture::BuiltInSkin);
    skin.themeColour = kMainThemeColour;
    skin.imageMode = 1;  // faded into the base colour on the left and at the bottom
    ApplySkin(skin);

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
    // Smaller than designed, the units of the input group would be cut off or overlap.
    SetFormMinimumSize(hwnd, window.Self().Width(), window.Self().Height());
    AddTitleBarButton(hwnd, PictureBytes(Picture::SkinButton), "换皮肤", OpenSkinSettingsFromCaption);

    SetFormCloseEffect(hwnd, 1);  // shrink and fade
    TitleTextStyle title;  // white on a soft black halo, font, size and weight as they are
    title.textColour = 0xFFFFFF;
    title.glowColour = 0x000000;
    title.softGlow = 1;
    SetTitleTextStyle(hwnd, title);
    StatusTextStyle status;  // white on a 0xFF0090 halo, font and size as they are
    status.inverseText = false;
    status.halo = true;
    status.haloTextColour = 0xFFFFFF;
    status.haloColour = 0xFF0090;
    SetStatusBandStyle(hwnd, status);
    BuildHelpMenu();
    BuildNavBar(window);
    // The group boxes of pages not shown yet are dressed when their page is first shown.
    for (const char* box : kSkinnedGroupBoxes)
        if (window.Get(box).WindowMade())
            SkinPageGroupBox(window.Get(box));
    // The side list and the feature pages wait for page 4 (趣味工具) when it is not shown yet.
    if (window.Get(kSideListPanel).WindowMade())
        BuildSideList(window.Get(kSideListPanel));
    SkinControl(window.Get("高级选择夹1").Window());
    if (window.Get(kFeatureTabs).WindowMade())
        SkinControl(window.Get(kFeatureTabs).Window());
    // The tab controls keep their own page headers beside the bar and the list: page 4 of 高级选择夹1
    // is reached only through them.
}
