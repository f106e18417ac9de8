#include "app/main_window_definition.h"

#include <windows.h>

#include <iterator>

#include "app/about_window.h"
#include "app/favourites_page.h"
#include "app/generator_handlers.h"
#include "app/main_window_events.h"
#include "app/main_window_fun_page.h"
#include "app/main_window_layout.h"
#include "app/main_window_navigation.h"
#include "app/main_window_poem_page.h"
#include "app/main_window_remote.h"
#include "app/persisted_inputs.h"
#include "app/result_list_menus.h"
#include "app/text_cut_word.h"
#include "naming/combinations.h"

namespace {

using forms::Define;
using forms::UnitKind;

// Designed size: the window's rectangle is its client area (the skin paints caption and border), and
// the units below are placed as the resize table places them at this size.
constexpr int kWindowWidth = 952;
constexpr int kWindowHeight = 672;
constexpr int kNavBarTop = 20;             // 图片框1, in the caption band below the caption buttons
constexpr int kNavBarWidth = 8 * 85 + 7 * 5;
constexpr int kNavBarHeight = 96;
constexpr int kInputGroupTop = kNavBarTop + kNavBarHeight;
constexpr int kInputGroupHeight = 146;     // 分组框18
constexpr int kMainTabsTop = kInputGroupTop + kInputGroupHeight;
constexpr int kMainTabsHeight = kWindowHeight - kNavBarHeight - kInputGroupHeight - 25;
constexpr int kCollectedGroupWidth = 200;  // 分组框13
// The side box of collected names: some three thousand names of three characters, one a line.
constexpr int kCollectedNamesMostBytes = 24000;

// Unit ids of MainWindow. Containers first, then their contents.
enum : int {
    kInputGroup = 1,          // 分组框18
    kMainTabs = 2,            // 高级选择夹1
    kEnglishGroup = 3,        // 分组框5
    kNavBarPicture = 4,       // 图片框1
    kSideListPanel = 5,       // 画板5
    kFeatureTabs = 6,         // 高级选择夹2
    kCollectedGroup = 7,      // 分组框13
    kHelpLabel = 9,           // 透明标签使用帮助
    kGenerateButton = 10,
    kStopButton,
    kSecondCharCheck,
    kThirdCharCheck,
    kCustomNameCheck,
    kBoy2Timer,
    kBoy3Timer,
    kGirl2Timer,
    kGirl3Timer,
    kCustomTestButton,
    kNicknameList,
    kUseHelpMenu,             // 使用帮助 and 托盘菜单, never popped up
    kContactUsItem,
    kSoftwareUpgradeItem,
    kTrayMenu,
    kSoftwareUpdateItem,
    kScoringPageGroup,        // 分组框3
    kSurnameEdit,             // 编辑框_姓1
    kYearCombo,               // 组合框年1 ... 组合框分1
    kMonthCombo,
    kDayCombo,
    kHourCombo,
    kMinuteCombo,
    kExportButton,            // 按钮导出
    kRandomNamesList,         // 超级列表框1
    kCombinationList,         // 组合模式_超级列表框
    kFavouritesList,          // 超级列表框3
    kNameLengthCombo,         // 组合框设置名字个数
    kFirstFreeId,
};

// Plain decimal numbers: the surname's change sets the combos to such texts.
std::vector<std::string> Numbers(int from, int to)
{
    std::vector<std::string> items;
    for (int n = from; n <= to; ++n)
        items.push_back(std::to_string(n));
    return items;
}

void AddInputGroup(std::vector<forms::UnitDef>& units, int& id)
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    const unsigned radioFirst = forms::kGroupStart | forms::kDisabled | forms::kChecked;
    units.push_back(Define(UnitKind::GroupBox, kInputGroup, "分组框18", {0, kInputGroupTop, kWindowWidth, kInputGroupHeight},
                           "请设置宝宝相关信息："));
    auto in = [&](forms::UnitDef def) { units.push_back(def.In(kInputGroup)); };
    // Surname, sex and birth.
    in(Define(UnitKind::Label, id++, "标签姓", {12, 26, 40, 18}, "姓氏："));
    in(Define(UnitKind::Edit, kSurnameEdit, "编辑框_姓1", {52, 22, 70, 22}));
    in(Define(UnitKind::Label, id++, "标签性别", {140, 26, 40, 18}, "性别："));
    in(Define(UnitKind::RadioBox, id++, "单选框选择男", {180, 22, 40, 22}, "男").Flags(forms::kGroupStart | forms::kChecked));
    in(Define(UnitKind::RadioBox, id++, "单选框选择女", {222, 22, 40, 22}, "女"));
    in(Define(UnitKind::Label, id++, "标签出生", {280, 26, 70, 18}, "出生时间："));
    struct Part {
        int id;
        const char* combo;
        const char* unit;
        std::vector<std::string> items;
        std::string now;
        int width;
    } parts[] = {
        {kYearCombo, "组合框年1", "年", Numbers(1901, 2099), std::to_string(now.wYear), 62},
        {kMonthCombo, "组合框月1", "月", Numbers(1, 12), std::to_string(now.wMonth), 44},
        {kDayCombo, "组合框日1", "日", Numbers(1, 31), std::to_string(now.wDay), 44},
        {kHourCombo, "组合框时1", "时", Numbers(0, 23), std::to_string(now.wHour), 44},
        {kMinuteCombo, "组合框分1", "分", Numbers(0, 59), std::to_string(now.wMinute), 44},
    };
    int x = 350;
    for (const Part& part : parts) {
        in(Define(UnitKind::ComboBox, part.id, part.combo, {x, 22, part.width, 22}, part.now)
               .Items(part.items).Flags(forms::kDropDownList));
        x += part.width + 2;
        in(Define(UnitKind::Label, id++, std::string("标签") + part.unit, {x, 26, 16, 18}, part.unit));
        x += 20;
    }
    // Name length and the element limits of the second and third character.
    in(Define(UnitKind::Label, id++, "标签字数", {12, 56, 70, 18}, "名字字数："));
    in(Define(UnitKind::ComboBox, kNameLengthCombo, "组合框设置名字个数", {82, 52, 60, 22}, "三字")
           .Items({"二字", "三字"}).Flags(forms::kDropDownList));
    const char* elements[] = {"金", "木", "水", "火", "土"};
    struct Limit {
        int check;
        const char* name;
        const char* caption;
        const char* radioSuffix;
        int top;
    } limits[] = {{kSecondCharCheck, "选择框第二个字", "第二个字限定五行：", "1", 52},
                  {kThirdCharCheck, "选择框第三个字", "第三个字限定五行：", "2", 80}};
    for (const Limit& limit : limits) {
        in(Define(UnitKind::CheckBox, limit.check, limit.name, {170, limit.top, 140, 22}, limit.caption));
        for (int e = 0; e < 5; ++e)
            in(Define(UnitKind::RadioBox, id++, std::string("单选框") + elements[e] + limit.radioSuffix,
                      {312 + e * 44, limit.top, 42, 22}, elements[e])
                   .Flags(e == 0 ? radioFirst : forms::kDisabled));
    }
    // The fixed character and the minimum score.
    in(Define(UnitKind::CheckBox, kCustomNameCheck, "选择框自定义名字", {12, 112, 120, 22}, "限定名字中的字："));
    in(Define(UnitKind::Label, id++, "标签限定位置", {136, 116, 30, 18}, "第"));
    in(Define(UnitKind::ComboBox, id++, "组合框名字限定字位数", {160, 112, 40, 22}, "2")
           .Items({"2", "3"}).Flags(forms::kDropDownList | forms::kDisabled));
    in(Define(UnitKind::Label, id++, "标签限定字", {204, 116, 40, 18}, "个字："));
    // The character the generators put into the name (two bytes on Windows).
    in(Define(UnitKind::Edit, id++, "编辑框限定字", {246, 112, 40, 22}).Flags(forms::kDisabled).Limit(2));
    // The check box is as wide as its text, so the score box right of it stays shown and clickable; the
    // rest of the sentence follows the box.
    in(Define(UnitKind::CheckBox, id++, "选择框自定义分数", {312, 112, 106, 22}, "自动挑选评分为："));
    in(Define(UnitKind::Edit, id++, "编辑框分数", {420, 112, 34, 22}, "80"));
    in(Define(UnitKind::Label, id++, "标签分以上", {458, 116, 84, 18}, "分以上的名字"));
    // The buttons, and the element pools the generator carries between presses (never shown).
    in(Define(UnitKind::Button, kGenerateButton, "按钮生成", {800, 30, 96, 34}, "生成").Flags(forms::kDefaultButton));
    in(Define(UnitKind::Button, kStopButton, "按钮停止", {800, 80, 96, 34}, "停止"));
    // The export of the names collected on page 0, and its dialog.
    in(Define(UnitKind::Button, kExportButton, "按钮导出", {690, 80, 96, 34}, "导出自选"));
    units.push_back(Define(UnitKind::SaveDialog, id++, "通用对话框保存").Filter("*.txt", "txt"));
    for (const char* element : elements)
        in(Define(UnitKind::Edit, id++, std::string("编辑框") + element, {660, 112, 20, 20}).Flags(forms::kHidden));
}

void AddPages(std::vector<forms::UnitDef>& units, std::vector<forms::Binding>& bindings, int& id)
{
    constexpr int W = kWindowWidth;
    constexpr int H = kMainTabsHeight;
    units.push_back(Define(UnitKind::TabControl, kMainTabs, "高级选择夹1", {0, kMainTabsTop, W, H})
                        .Items({"宝宝取名", "组合模式", "名字评分", "自选列表", "趣味工具", "取英文名", "诗词模式", "取小名"}));
    auto on = [&](int page, forms::UnitDef def) { units.push_back(def.In(kMainTabs, page)); };
    // Page 0: the random names, one cell per row (name and score tag), and the names collected by hand.
    constexpr int listWidth = W - kCollectedGroupWidth - 28;
    on(0, Define(UnitKind::ListView, kRandomNamesList, "超级列表框1", {6, 30, listWidth, H - 45}).Columns({{"宝宝名字", 240}}));
    // The group's caption below the page headers, the box below the caption.
    on(0, Define(UnitKind::GroupBox, kCollectedGroup, "分组框13", {listWidth + 16, 30, kCollectedGroupWidth, H - 44},
                 "自选列表"));
    // Thousands of collected names; far more makes the platform's box take minutes over a paste.
    units.push_back(Define(UnitKind::Edit, id++, "超级编辑框1", {6, 18, kCollectedGroupWidth - 12, H - 44 - 24})
                        .Flags(forms::kMultiLine | forms::kVScroll)
                        .Limit(kCollectedNamesMostBytes)
                        .In(kCollectedGroup));
    // Page 1: the user's own characters in all combinations.
    on(1, Define(UnitKind::Label, id++, "标签名字", {8, 32, 200, 18}, "请输入备选汉字（可用逗号分开）："));
    // The pool a run combines, with room for separators between its characters.
    on(1, Define(UnitKind::Edit, id++, "编辑框名字", {8, 52, 200, H - 72})
              .Flags(forms::kMultiLine | forms::kVScroll)
              .Limit(4 * static_cast<int>(kMostCombinationPoolChars)));
    on(1, Define(UnitKind::ListView, kCombinationList, "组合模式_超级列表框", {214, 30, W - 200 - 30, H - 50}).Columns(ScoredNameColumns()));
    on(1, Define(UnitKind::Edit, id++, "编辑框临时用", {8, 300, 20, 20}).Flags(forms::kHidden));
    // Page 2: shown while the name-scoring window is open.
    on(2, Define(UnitKind::GroupBox, kScoringPageGroup, "分组框3", {4, 26, 740, 110}, "姓名评测"));
    units.push_back(Define(UnitKind::Label, id++, "标签分组框3", {12, 26, 716, 60},
                           "在“姓名评测”窗口中输入宝宝的名字，即可得到它的评分和详细的名字报告。")
                        .In(kScoringPageGroup));
    // Page 3: the favourite names kept in the database.
    on(3, Define(UnitKind::ListView, kFavouritesList, "超级列表框3", {4, 28, W - 10, H - 50}).Columns(ScoredNameColumns()));
    // Page 4: the side list and the feature pages.
    AddFunToolsPage(units, {kMainTabs, 4, W, H, kSideListPanel, kFeatureTabs}, id);
    // Page 5: English names.
    on(5, Define(UnitKind::GroupBox, kEnglishGroup, "分组框5", {4, 28, W - 10, H - 50}, "英文名字（英文名、中文译名、来源、含义）"));
    units.push_back(Define(UnitKind::ListView, id++, "超级列表框取英文名", {5, 16, W - 20, H - 70})
                        .Columns({{"英文名字", 860}}).In(kEnglishGroup));
    // Page 6: poems and the names made of their characters.
    AddPoemPage(units, bindings, {kMainTabs, 6, W, H}, id);
    // Page 7: nicknames in three patterns, and the test of one typed nickname.
    on(7, Define(UnitKind::RadioBox, id++, "单选框AA型", {10, 34, 70, 22}, "AA型").Flags(forms::kGroupStart | forms::kChecked));
    on(7, Define(UnitKind::RadioBox, id++, "单选框小A型", {84, 34, 70, 22}, "小A型"));
    on(7, Define(UnitKind::RadioBox, id++, "单选框A儿型", {158, 34, 70, 22}, "A儿型"));
    on(7, Define(UnitKind::Button, kCustomTestButton, "按钮自定义测算", {250, 32, 90, 26}, "自定义测算"));
    on(7, Define(UnitKind::Edit, id++, "编辑框自定义测算", {346, 34, 120, 22}).Flags(forms::kHidden));
    on(7, Define(UnitKind::ListView, kNicknameList, "超级列表框取小名", {6, 64, W - 15, H - 120})
              .Columns({{"序号", 50}, {"小名", 70}, {"读音", 100}, {"五行", 70}, {"康熙笔画", 80},
                        {"评价(双击复制)", 430}, {"吉凶", 60}}));
}

// The caption band: the navigation bar's picture box (eight items of 85 pixels and their gaps) and the
// label that opens the help menu (a skin popup menu).
void AddCaptionUnits(std::vector<forms::UnitDef>& units)
{
    units.push_back(Define(UnitKind::PictureBox, kNavBarPicture, "图片框1", {6, kNavBarTop, kNavBarWidth, kNavBarHeight}));
    units.push_back(Define(UnitKind::TransparentLabel, kHelpLabel, "透明标签使用帮助", {kWindowWidth - 80, 28, 64, 18},
                           "使用帮助")
                        .Colours(0xFFFFFF));
}

// The window's menus 使用帮助 and 托盘菜单, which the program never pops up but whose items carry the
// contact and update handlers. The help label's menu and the result lists' menus are skin menus
// (main_window_navigation.h, result_list_menus.h).
void AddMenus(std::vector<forms::UnitDef>& units)
{
    units.push_back(Define(UnitKind::Menu, kUseHelpMenu, "使用帮助"));
    units.push_back(Define(UnitKind::MenuItem, kContactUsItem, "联系我们", {}, "联系我们").In(kUseHelpMenu));
    units.push_back(Define(UnitKind::MenuItem, kSoftwareUpgradeItem, "软件升级", {}, "软件升级").In(kUseHelpMenu));
    units.push_back(Define(UnitKind::Menu, kTrayMenu, "托盘菜单"));
    units.push_back(Define(UnitKind::MenuItem, kSoftwareUpdateItem, "软件更新", {}, "软件更新").In(kTrayMenu));
}

forms::FormDef MakeMainWindow()
{
    forms::FormDef d;
    d.id = kMainWindowId;
    d.name = "MainWindow";
    d.caption = "宝宝取名";
    d.rect = {40, 20, kWindowWidth, kWindowHeight};
    d.flags = forms::kFormFrameless | forms::kFormResizable | forms::kFormMain | forms::kFormLazyPages;
    int id = kFirstFreeId;
    std::vector<forms::Binding> pageBindings;
    AddCaptionUnits(d.units);
    AddInputGroup(d.units, id);
    AddPages(d.units, pageBindings, id);
    AddMenus(d.units);
    d.units.push_back(Define(UnitKind::Timer, kBoy2Timer, "时钟取2个字男名字"));
    d.units.push_back(Define(UnitKind::Timer, kBoy3Timer, "时钟取3个字男名字"));
    d.units.push_back(Define(UnitKind::Timer, kGirl2Timer, "时钟取2个字女名字"));
    d.units.push_back(Define(UnitKind::Timer, kGirl3Timer, "时钟取3个字女名字"));
    d.units.push_back(Define(UnitKind::DbConnection, id++, "数据库连接1"));
    for (const char* records : {"记录集1", "记录集2", "记录集3", "记录集_诗词"})
        d.units.push_back(Define(UnitKind::RecordSet, id++, records));
    d.units.push_back(Define(UnitKind::DbConnection, id++, "外部数据库1"));  // the poem page's second connection
    using forms::EventKind;
    d.bindings = {
        {0, EventKind::Created, OnMainWindowCreated},
        {0, EventKind::TextCut, OnBoxTextCut},
        {0, EventKind::Resized, OnMainWindowResized},
        {0, EventKind::MayClose, OnMainWindowQueryClose},
        {0, EventKind::Destroying, OnMainWindowDestroy},
        {kMainTabs, EventKind::PageChanged, OnMainTabChanged},
        {kHelpLabel, EventKind::MouseDown, OnHelpLabelDown},
        {kContactUsItem, EventKind::Click, OnMenuContactUs},
        {kSoftwareUpgradeItem, EventKind::Click, OnSoftwareUpgradeMenuItem},
        {kSoftwareUpdateItem, EventKind::Click, OnSoftwareUpdateMenuItem},
        {kGenerateButton, EventKind::Click, OnGenerateButtonClick},
        {kStopButton, EventKind::Click, OnStopButton},
        {kSecondCharCheck, EventKind::Click, OnSecondCharOptionChanged},
        {kThirdCharCheck, EventKind::Click, OnThirdCharCheckClicked},
        {kNameLengthCombo, EventKind::SelectionChanged, OnNameLengthChanged},
        {kCustomNameCheck, EventKind::Click, OnCustomNameOptionChanged},
        {kBoy2Timer, EventKind::TimerTick, OnBoyName2Timer},
        {kBoy3Timer, EventKind::TimerTick, OnBoyName3Timer},
        {kGirl2Timer, EventKind::TimerTick, OnGirlName2Timer},
        {kGirl3Timer, EventKind::TimerTick, OnGirlName3Timer},
        {kCustomTestButton, EventKind::Click, OnCustomTestClicked},
        {kNicknameList, EventKind::DoubleClick, OnNicknameListDoubleClick},
        {kSurnameEdit, EventKind::Changed, OnSurnameEditChanged},
        {kYearCombo, EventKind::SelectionChanged, OnYearComboChanged},
        {kMonthCombo, EventKind::SelectionChanged, OnMonthComboChanged},
        {kDayCombo, EventKind::SelectionChanged, OnDayComboChanged},
        {kHourCombo, EventKind::SelectionChanged, OnHourComboChanged},
        {kMinuteCombo, EventKind::SelectionChanged, OnMinuteComboChanged},
        {kExportButton, EventKind::Click, OnExportButtonClicked},
        {kRandomNamesList, EventKind::RightPress, OnResultListRightPress},
        {kRandomNamesList, EventKind::DoubleClick, OnRandomNamesDoubleClick},
        {kCombinationList, EventKind::RightPress, OnResultListRightPress},
        {kCombinationList, EventKind::DoubleClick, OnCombinationListDoubleClick},
        {kFavouritesList, EventKind::RightPress, OnSavedListRightPress},
        {kFavouritesList, EventKind::DoubleClick, OnSavedListDoubleClicked},
    };
    d.bindings.insert(d.bindings.end(), pageBindings.begin(), pageBindings.end());
    return d;
}

}  // namespace

std::vector<forms::ColumnDef> ScoredNameColumns()
{
    return {{"序号", 50}, {"名字", 80}, {"汉字拼音", 150}, {"汉字五行", 90}, {"汉字笔画", 80},
            {"康熙笔画", 80}, {"五格", 120}, {"评分", 50}};
}

const forms::FormDef& MainWindowDefinition()
{
    static const forms::FormDef def = MakeMainWindow();
    return def;
}
