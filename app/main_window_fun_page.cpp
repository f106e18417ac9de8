#include "app/main_window_fun_page.h"

#include <string>

const char* const kFeaturePageTitles[kFeaturePageCount] = {
    "黄道吉日", "节日大全",   "生男生女",   "血型配对",   "2012年生肖运程", "生肖纪年对照表", "指纹预测", "星座配对",
    "新华字典拼音", "新华字典笔画", "分析号码", "生肖配对", "姓氏起源",       "百家姓",         "万年历",
};

namespace {

using forms::Define;
using forms::UnitKind;

// The pages the HTML viewers show; the program has no content server of its own.
const std::string kContentServer = "http://www.example.org/babyname/content/";

const char kZodiacAnimals[] = "鼠　牛　虎　兔　龙　蛇　马　羊　猴　鸡　狗　猪";
const char kStarSigns[] = "白羊座　金牛座　双子座　巨蟹座　狮子座　处女座\r\n天秤座　天蝎座　射手座　摩羯座　水瓶座　双鱼座";

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
                             .Flags(forms::kMultiLine | forms::kReadOnly)
                             .In(tabs_, page));
    }
    // An HTML viewer, which shows its page's address as a link.
    void Viewer(int page, const char* name, const char* file)
    {
        units_.push_back(Define(UnitKind::HtmlViewer, id_++, name, {4, 26, width_ - 50, height_ - 10})
                             .Link(kContentServer + file)
                             .In(tabs_, page));
    }
    // A group box with a line or two of text.
    void Note(int page, const char* group, const char* caption, const std::string& text, int left = 4, int width = 740)
    {
        const int box = id_++;
        units_.push_back(Define(UnitKind::GroupBox, box, group, {left, 26, width, 110}, caption).In(tabs_, page));
        units_.push_back(Define(UnitKind::Label, id_++, std::string("标签") + group, {12, 26, width - 24, 60}, text).In(box));
    }
    // Two group boxes side by side: the names to pair, and a word on pairing.
    void Pair(int page, const char* left, const char* right, const char* caption, const char* names)
    {
        Note(page, left, caption, names, 4, 360);
        Note(page, right, "说明", "配对之说只是趣味，没有科学依据，仅供娱乐。", 384, 360);
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
    pages.Viewer(kLuckyDays, "超文本浏览框2", "huangdao.htm");
    pages.Text(kFestivals, "编辑框3",
               "春节：农历正月初一　　元宵节：农历正月十五　　端午节：农历五月初五\r\n"
               "七夕节：农历七月初七　中秋节：农历八月十五　　重阳节：农历九月初九");
    pages.Note(kBoyOrGirl, "分组框7", "生男生女", "民间流传的生男生女说法没有科学依据，此页仅供娱乐。");
    pages.Text(kBloodTypes, "编辑框血型配对",
               "父母血型与孩子可能的血型：O与O得O；A与O得A或O；B与O得B或O；A与B得A、B、AB或O。\r\n"
               "血型配对之说只是趣味，没有科学依据。");
    pages.Note(kZodiacYear, "分组框9", "2012年生肖运程", "2012年为壬辰年，生肖属龙。生肖运程只是民间的趣味说法，仅供娱乐。");
    pages.Text(kZodiacTable, "编辑框4",
               "子鼠　丑牛　寅虎　卯兔　辰龙　巳蛇　午马　未羊　申猴　酉鸡　戌狗　亥猪\r\n"
               "例：2012年为壬辰年（龙），2013年为癸巳年（蛇）。");
    pages.Note(kFingerprints, "分组框10", "指纹预测", "指纹预测是趣味内容，没有科学依据，仅供娱乐。");
    pages.Pair(kStarSignPairs, "分组框11", "分组框26", "十二星座", kStarSigns);
    pages.Viewer(kDictionaryPinyin, "超文本浏览框4", "pinyin.htm");
    pages.Viewer(kDictionaryStrokes, "超文本浏览框6", "bihua.htm");
    pages.Note(kNumbers, "分组框12", "分析号码", "号码吉凶之说是趣味内容，仅供娱乐。");
    pages.Pair(kZodiacPairs, "分组框16", "分组框25", "十二生肖", kZodiacAnimals);
    pages.Note(kSurnameOrigins, "分组框23", "姓氏起源",
               "中国的姓氏多源于上古的姓与氏，秦汉以后二者合而为一。想了解一个姓氏的来历，可查阅地方志和族谱。");
    pages.Viewer(kHundredSurnames, "超文本浏览框百家姓", "baijiaxing.htm");
    pages.Note(kCalendar, "分组框24", "万年历", "点击左侧的“万年历”打开农历时钟工具：公历农历对照、节气、四柱和时钟。");
}
