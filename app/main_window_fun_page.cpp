#include "app/main_window_fun_page.h"

#include <string>

#include "runtime/forms/form_runtime.h"

const char* const kFeaturePageTitles[kFeaturePageCount] = {
    "黄道吉日", "节日大全",   "生男生女",   "血型配对",   "2012年生肖运程", "生肖纪年对照表", "指纹预测", "星座配对",
    "新华字典拼音", "新华字典笔画", "分析号码", "生肖配对", "姓氏起源",       "百家姓",         "万年历",
};

namespace {

using forms::Define;
using forms::UnitKind;

#include "app/feature_page_texts.inc"

// The program has no content server: its HTML viewers show pages shipped in its folder (pages\), as
// links that the browser opens.
std::string LocalPage(const char* file)
{
    return forms::ProgramFolder() + "\\pages\\" + file;
}

enum FeaturePage {
    kLuckyDays, kFestivals, kBoyOrGirl, kBloodTypes, kZodiacYear, kZodiacTable, kFingerprints, kStarSignPairs,
    kDictionaryPinyin, kDictionaryStrokes, kNumbers, kZodiacPairs, kSurnameOrigins, kHundredSurnames,
    kCalendar,
};

class PageBuilder {
public:
    PageBuilder(std::vector<forms::UnitDef>& units, const FunPagePlace& place, int& id)
        : units_(units), tabs_(place.featureTabs), id_(id)
    {
        width_ = FeatureTabsWidth(place.tabWidth, 180);
        height_ = place.tabHeight - 50;
    }

    // A read-only text box filling the page.
    void Text(int page, const char* name, const char* text)
    {
        units_.push_back(Define(UnitKind::Edit, id_++, name, {4, 26, width_ - 53, height_ - 10}, text)
                             .Flags(forms::kMultiLine | forms::kReadOnly | forms::kVScroll)
                             .In(tabs_, page));
    }
    // An HTML viewer showing a local page: the link says what the page holds and where it lies.
    void Viewer(int page, const char* name, const char* file, const char* what)
    {
        const std::string path = LocalPage(file);
        units_.push_back(Define(UnitKind::HtmlViewer, id_++, name, {4, 26, width_ - 50, height_ - 10},
                                std::string(what) + "（点击用浏览器打开本地页面）\r\n" + path)
                             .Link(path)
                             .In(tabs_, page));
    }
    // A group box with a line or two of text.
    void Note(int page, const char* group, const char* caption, const std::string& text, int left = 4, int width = 740)
    {
        const int box = id_++;
        units_.push_back(Define(UnitKind::GroupBox, box, group, {left, 26, width, 110}, caption).In(tabs_, page));
        units_.push_back(Define(UnitKind::Label, id_++, std::string("标签") + group, {12, 26, width - 24, 60}, text).In(box));
    }
    // A group box as high as the page holding a read-only text box; `width` 0 fills the page.
    void Panel(int page, const char* group, const char* caption, const char* text, int width = 0)
    {
        const int box = id_++;
        const int w = width > 0 ? width : width_ - 53;
        units_.push_back(Define(UnitKind::GroupBox, box, group, {4, 26, w, height_ - 10}, caption).In(tabs_, page));
        units_.push_back(Define(UnitKind::Edit, id_++, std::string("编辑框") + group, {10, 22, w - 20, height_ - 44}, text)
                             .Flags(forms::kMultiLine | forms::kReadOnly | forms::kVScroll)
                             .In(box));
    }
    // A panel of the facts to pair, and beside it a word on pairing.
    void Pair(int page, const char* left, const char* right, const char* caption, const char* facts)
    {
        const int panel = width_ - 53 - 190;
        Panel(page, left, caption, facts, panel);
        Note(page, right, "说明", "配对之说只是趣味，没有科学依据，仅供娱乐。", panel + 10, 180);
    }

private:
    std::vector<forms::UnitDef>& units_;
    int tabs_;
    int& id_;
    int width_ = 0;
    int height_ = 0;
};

}  // namespace

void AddFunToolsPage(std::vector<forms::UnitDef>& units, const FunPagePlace& place, int& id)
{
    units.push_back(Define(UnitKind::DrawingPanel, place.sidePanel, "画板5", {4, 26, 180, place.tabHeight - 36})
                        .In(place.mainTabs, place.page));
    std::vector<std::string> titles(kFeaturePageTitles, kFeaturePageTitles + kFeaturePageCount);
    units.push_back(Define(UnitKind::TabControl, place.featureTabs, "高级选择夹2",
                           {188, 26, FeatureTabsWidth(place.tabWidth, 180), place.tabHeight - 50})
                        .Items(titles)
                        .In(place.mainTabs, place.page));

    PageBuilder pages(units, place, id);
    pages.Viewer(kLuckyDays, "超文本浏览框2", "huangdao.htm", "黄道吉日：按十二值神推算的每月黄道日");
    pages.Text(kFestivals, "编辑框3", kFestivalsText);
    pages.Note(kBoyOrGirl, "分组框7", "生男生女",
               "孩子的性别由父亲精子所带的性染色体（X或Y）决定，生男生女的机会大致各半。民间流传的清宫表等"
               "推算方法没有科学依据，此页仅供娱乐。");
    pages.Text(kBloodTypes, "编辑框血型配对", kBloodTypesText);
    pages.Panel(kZodiacYear, "分组框9", "2012年生肖运程", kYear2012Text);
    pages.Text(kZodiacTable, "编辑框4", kZodiacYearsText);
    pages.Note(kFingerprints, "分组框10", "指纹预测",
               "民间有“一螺穷，二螺富，三螺四螺开当铺”等说法，按手指上螺纹（斗）的多少说运气。指纹的纹型"
               "由遗传决定，与命运无关，此页仅供娱乐。");
    pages.Pair(kStarSignPairs, "分组框11", "分组框26", "十二星座", kStarSignsText);
    pages.Viewer(kDictionaryPinyin, "超文本浏览框4", "pinyin.htm", "新华字典拼音：取名用字按拼音排列");
    pages.Viewer(kDictionaryStrokes, "超文本浏览框6", "bihua.htm", "新华字典笔画：取名用字按笔画排列");
    pages.Panel(kNumbers, "分组框12", "分析号码", kNumbersText);
    pages.Pair(kZodiacPairs, "分组框16", "分组框25", "十二生肖", kZodiacPairsText);
    pages.Note(kSurnameOrigins, "分组框23", "姓氏起源",
               "中国的姓氏多源于上古的姓与氏，秦汉以后二者合而为一。姓氏的来源有以国为氏、以邑为氏、以官为氏、"
               "以职业为氏、以祖先的字或名为氏等。想了解一个姓氏的来历，可查阅地方志和族谱。");
    pages.Viewer(kHundredSurnames, "超文本浏览框百家姓", "baijiaxing.htm", "百家姓：全部姓氏及其读音");
    pages.Note(kCalendar, "分组框24", "万年历", "点击左侧的“万年历”打开农历时钟工具：公历农历对照、节气、四柱和时钟。");
}
