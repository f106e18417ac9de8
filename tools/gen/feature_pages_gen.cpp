// Writes the contents of the 趣味工具 feature pages from the program's own data and rules: the texts
// of the window definition (app/feature_page_texts.inc) and the local pages the HTML viewers show
// (app/pages/*.htm). Run by tools/gen/gen_feature_pages.sh:
//   bn_feature_pages_gen <app folder>
// Every text below is GBK while it is built (the literals are compiled to GBK) and UTF-8 in the files.
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "naming/char_data.h"
#include "naming/name_lists.h"
#include "naming/number_tables.h"
#include "services/calendar/calendar.h"
#include "services/codepage/codepage.h"

namespace {

const char* const kBranches[12] = {"子", "丑", "寅", "卯", "辰", "巳", "午", "未", "申", "酉", "戌", "亥"};
const char* const kAnimals[12] = {"鼠", "牛", "虎", "兔", "龙", "蛇", "马", "羊", "猴", "鸡", "狗", "猪"};
const char* const kLunarMonths[12] = {"正月", "二月", "三月", "四月", "五月", "六月",
                                      "七月", "八月", "九月", "十月", "冬月", "腊月"};
const char* const kLunarDays[30] = {"初一", "初二", "初三", "初四", "初五", "初六", "初七", "初八", "初九", "初十",
                                    "十一", "十二", "十三", "十四", "十五", "十六", "十七", "十八", "十九", "二十",
                                    "廿一", "廿二", "廿三", "廿四", "廿五", "廿六", "廿七", "廿八", "廿九", "三十"};
const char* const kTermNames[24] = {"立春", "雨水", "惊蛰", "春分", "清明", "谷雨", "立夏", "小满",
                                    "芒种", "夏至", "小暑", "大暑", "立秋", "处暑", "白露", "秋分",
                                    "寒露", "霜降", "立冬", "小雪", "大雪", "冬至", "小寒", "大寒"};

constexpr int kFirstFestivalYear = 2025;
constexpr int kLastFestivalYear = 2030;

std::string Number(int n)
{
    return std::to_string(n);
}

std::string Date(const CalendarDate& d)
{
    return Number(d.year) + "年" + Number(d.month) + "月" + Number(d.day) + "日";
}

std::string ShortDate(int month, int day)
{
    return Number(month) + "月" + Number(day) + "日";
}

int BranchIndex(const std::string& pillar)
{
    for (int i = 0; i < 12; ++i)
        if (pillar.size() == 4 && pillar.compare(2, 2, kBranches[i]) == 0)
            return i;
    return -1;
}

// ---- 节日大全 ----

struct Festival {
    const char* name;
    int kind;  // 0 solar date, 1 lunar date, 2 solar term, 3 lunar new year's eve
    int month;
    int day;   // the term number for kind 2
    const char* note;
};

const Festival kFestivals[] = {
    {"元旦", 0, 1, 1, "公历新年"},
    {"春节", 1, 1, 1, "农历新年，俗称过年"},
    {"元宵节", 1, 1, 15, "上元节，赏灯、吃元宵"},
    {"龙抬头", 1, 2, 2, "春耕开始"},
    {"妇女节", 0, 3, 8, ""},
    {"植树节", 0, 3, 12, ""},
    {"清明节", 2, 0, 5, "扫墓踏青"},
    {"劳动节", 0, 5, 1, ""},
    {"青年节", 0, 5, 4, ""},
    {"端午节", 1, 5, 5, "赛龙舟、吃粽子"},
    {"儿童节", 0, 6, 1, ""},
    {"建党节", 0, 7, 1, ""},
    {"建军节", 0, 8, 1, ""},
    {"七夕节", 1, 7, 7, "乞巧节"},
    {"中元节", 1, 7, 15, "祭祖"},
    {"教师节", 0, 9, 10, ""},
    {"中秋节", 1, 8, 15, "赏月、吃月饼"},
    {"国庆节", 0, 10, 1, ""},
    {"重阳节", 1, 9, 9, "登高、敬老"},
    {"冬至", 2, 0, 22, "数九寒天从这天开始"},
    {"腊八节", 1, 12, 8, "喝腊八粥"},
    {"小年", 1, 12, 23, "北方腊月廿三，南方多为廿四"},
    {"除夕", 3, 0, 0, "农历年的最后一天"},
};

// The solar date of a festival in the lunar or solar year `year`; false when there is none.
bool FestivalDate(const Festival& f, int year, CalendarDate& date)
{
    switch (f.kind) {
    case 0:
        date = CalendarDate{year, f.month, f.day};
        return true;
    case 1:
        return LunarToSolar(year, f.month, f.day, false, date);
    case 2: {
        CalendarDateTime when;
        if (!SolarTermTime(year, f.day, when))
            return false;
        date = CalendarDate{when.year, when.month, when.day};
        return true;
    }
    default: {
        // The day before the next lunar year's 春节.
        CalendarDate next;
        if (!LunarToSolar(year + 1, 1, 1, false, next))
            return false;
        LunarDate lunar;
        for (int back = 1; back <= 2; ++back) {
            // Walk back one day in the solar calendar.
            static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
            CalendarDate d = next;
            if (--d.day < 1) {
                if (--d.month < 1) {
                    d.month = 12;
                    --d.year;
                }
                d.day = kDays[d.month - 1] + (d.month == 2 && d.year % 4 == 0 && (d.year % 100 != 0 || d.year % 400 == 0));
            }
            if (SolarToLunar(d.year, d.month, d.day, lunar)) {
                date = d;
                return true;
            }
            next = d;
        }
        return false;
    }
    }
}

std::string FestivalRule(const Festival& f)
{
    switch (f.kind) {
    case 0:
        return "公历" + ShortDate(f.month, f.day);
    case 1:
        return std::string("农历") + kLunarMonths[f.month - 1] + kLunarDays[f.day - 1];
    case 2:
        return std::string("节气") + kTermNames[f.day - 1];
    default:
        return "农历腊月最后一天";
    }
}

std::string FestivalsText()
{
    std::string text = "中国的主要节日（农历节日和节气按农历计算，日期为北京时间）\r\n\r\n";
    for (const Festival& f : kFestivals) {
        text += std::string("【") + f.name + "】" + FestivalRule(f);
        if (*f.note)
            text += std::string("，") + f.note;
        text += "\r\n";
        if (f.kind == 0)
            continue;
        text += "    ";
        for (int year = kFirstFestivalYear; year <= kLastFestivalYear; ++year) {
            CalendarDate d;
            if (FestivalDate(f, year, d))
                text += Date(d) + (year < kLastFestivalYear ? "　" : "");
        }
        text += "\r\n";
    }
    return text;
}

// ---- 生肖纪年对照表 ----

std::string ZodiacYearsText()
{
    std::string text = "公历年份与干支、生肖对照（生肖以农历春节为界，四柱八字的年柱以立春为界）\r\n\r\n";
    for (int year = 1924; year <= 2043; ++year) {
        FourPillars pillars;
        CalendarDate newYear;
        CalendarDateTime spring;
        if (!FourPillarsAt(year, 7, 1, 12, 0, pillars) || !LunarToSolar(year, 1, 1, false, newYear) ||
            !SolarTermTime(year, 1, spring))
            continue;
        const int branch = BranchIndex(pillars.year);
        text += Number(year) + "年　" + pillars.year + "年　属" + (branch >= 0 ? kAnimals[branch] : "") + "　" +
                NayinName(pillars.year) + "　春节" + ShortDate(newYear.month, newYear.day) + "　立春" +
                ShortDate(spring.month, spring.day) + "\r\n";
    }
    return text;
}

// ---- 生肖配对 ----

std::string ZodiacPairsText()
{
    std::string text = "十二生肖的六合、三合、相冲、相害（按地支的传统说法，仅供娱乐）\r\n\r\n";
    for (int i = 0; i < 12; ++i) {
        const int harmony = (13 - i) % 12;  // 子丑、寅亥、卯戌、辰酉、巳申、午未
        const int clash = (i + 6) % 12;
        const int harm = (19 - i) % 12;     // 子未、丑午、寅巳、卯辰、申亥、酉戌
        text += std::string("属") + kAnimals[i] + "（" + kBranches[i] + "）：六合" + kAnimals[harmony] + "，三合" +
                kAnimals[(i + 4) % 12] + "、" + kAnimals[(i + 8) % 12] + "，相冲" + kAnimals[clash] + "，相害" +
                kAnimals[harm] + "\r\n";
    }
    return text;
}

// ---- 血型配对 ----

// The ABO groups a child of two parents can have, from the parents' possible gene pairs.
std::string ChildGroups(const std::string& a, const std::string& b)
{
    auto genes = [](const std::string& group) -> std::vector<std::string> {
        if (group == "O")
            return {"OO"};
        if (group == "AB")
            return {"AB"};
        return {group + group, group + "O"};
    };
    auto groupOf = [](char x, char y) -> std::string {
        if (x > y)
            std::swap(x, y);
        if (x == 'A' && y == 'B')
            return "AB";
        if (x == 'O' && y == 'O')
            return "O";
        return std::string(1, x == 'O' ? y : x);
    };
    std::set<std::string> found;
    for (const std::string& ga : genes(a))
        for (const std::string& gb : genes(b))
            for (char x : ga)
                for (char y : gb)
                    found.insert(groupOf(x, y));
    std::string text;
    for (const char* g : {"A", "B", "AB", "O"})
        if (found.count(g))
            text += (text.empty() ? "" : "、") + std::string(g);
    return text;
}

std::string BloodTypesText()
{
    std::string text = "父母血型与孩子可能的血型（ABO血型按遗传规律推算；罕见的特殊血型不在此列）\r\n\r\n";
    const char* const groups[4] = {"A", "B", "AB", "O"};
    for (int i = 0; i < 4; ++i)
        for (int j = i; j < 4; ++j) {
            std::set<std::string> all = {"A", "B", "AB", "O"};
            const std::string can = ChildGroups(groups[i], groups[j]);
            std::string cannot;
            for (const char* g : groups)
                if (("、" + can + "、").find(std::string("、") + g + "、") == std::string::npos)
                    cannot += (cannot.empty() ? "" : "、") + std::string(g);
            text += std::string("父母") + groups[i] + "型与" + groups[j] + "型：孩子可能是" + can;
            if (!cannot.empty())
                text += "，不会是" + cannot;
            text += "\r\n";
        }
    text += "\r\n血型与性格、婚配之说没有科学依据，仅供娱乐。";
    return text;
}

// ---- 2012年生肖运程 ----

std::string Year2012Text()
{
    std::string text = "2012年为农历壬辰年，生肖属龙，纳音" + NayinName("壬辰") + "。\r\n";
    CalendarDate newYear, nextYear;
    LunarToSolar(2012, 1, 1, false, newYear);
    LunarToSolar(2013, 1, 1, false, nextYear);
    text += "农历壬辰年从" + Date(newYear) + "（春节）到" + Date(nextYear) + "的前一天";
    for (int month = 1; month <= 12; ++month) {
        CalendarDate leap;
        if (LunarToSolar(2012, month, 1, true, leap))
            text += std::string("；这一年有闰") + kLunarMonths[month - 1] + "，从" + Date(leap) + "开始";
    }
    text += "。\r\n\r\n";
    text += "2012年的二十四节气（北京时间）：\r\n";
    // In the order of the year: 小寒 and 大寒 of January first.
    const int order[24] = {23, 24, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22};
    for (int k = 0; k < 24; ++k) {
        const int n = order[k];
        CalendarDateTime when;
        if (!SolarTermTime(2012, n, when))
            continue;
        char clock[8];
        std::snprintf(clock, sizeof clock, "%02d:%02d", when.hour, when.minute);
        text += std::string(kTermNames[n - 1]) + "　" + Number(when.year) + "年" + ShortDate(when.month, when.day) + " " +
                clock + (k % 2 == 1 ? "\r\n" : "　　");
    }
    text += "\r\n生肖运程只是民间的趣味说法，仅供娱乐。";
    return text;
}

// ---- 星座配对 ----

std::string StarSignsText()
{
    const struct {
        const char* name;
        int fromMonth, fromDay, toMonth, toDay;
        const char* element;
    } signs[] = {
        {"白羊座", 3, 21, 4, 19, "火"}, {"金牛座", 4, 20, 5, 20, "土"},  {"双子座", 5, 21, 6, 21, "风"},
        {"巨蟹座", 6, 22, 7, 22, "水"}, {"狮子座", 7, 23, 8, 22, "火"},  {"处女座", 8, 23, 9, 22, "土"},
        {"天秤座", 9, 23, 10, 23, "风"}, {"天蝎座", 10, 24, 11, 22, "水"}, {"射手座", 11, 23, 12, 21, "火"},
        {"摩羯座", 12, 22, 1, 19, "土"}, {"水瓶座", 1, 20, 2, 18, "风"},  {"双鱼座", 2, 19, 3, 20, "水"},
    };
    std::string text = "十二星座的日期和象（星座配对的传统说法：同象相合，火与风、土与水相配）\r\n\r\n";
    for (const auto& s : signs) {
        std::string partners;
        const std::string friendly = std::string(s.element) == "火"   ? "风"
                                     : std::string(s.element) == "风" ? "火"
                                     : std::string(s.element) == "土" ? "水"
                                                                       : "土";
        for (const auto& other : signs)
            if (&other != &s && (std::string(other.element) == s.element || friendly == other.element))
                partners += (partners.empty() ? "" : "、") + std::string(other.name);
        text += std::string(s.name) + "　" + ShortDate(s.fromMonth, s.fromDay) + "－" + ShortDate(s.toMonth, s.toDay) +
                "　" + s.element + "象　相配：" + partners + "\r\n";
    }
    text += "\r\n星座配对之说只是趣味，没有科学依据，仅供娱乐。";
    return text;
}

// ---- 分析号码 ----

std::string NumbersText()
{
    std::string text = "号码的数理吉凶（1至81，与姓名评分所用的八十一数理相同；超过81的数减去80再看）\r\n\r\n";
    for (int n = 1; n <= kNumberTextCount; ++n) {
        char two[4];
        std::snprintf(two, sizeof two, "%02d", n);
        std::string luck;
        for (int c = 0; c < kLuckClassCount; ++c)
            if (std::string(NumberLuckLists[c]).find(two) != std::string::npos)
                luck = NumberLuckWords[c];
        text += Number(n) + "【" + luck + "】" + NumberMeaningTexts[n - 1] + "\r\n";
    }
    return text;
}

// ---- The local pages ----

std::string Page(const std::string& title, const std::string& body)
{
    return "<!DOCTYPE html>\n<html lang=\"zh-CN\">\n<head>\n<meta charset=\"utf-8\">\n<title>" + title +
           "</title>\n<style>body{font-family:sans-serif;margin:1em 2em}td,th{padding:2px 8px;border-bottom:1px solid #ddd}"
           "th{text-align:left}h2{margin-top:1.2em}</style>\n</head>\n<body>\n<h1>" +
           title + "</h1>\n" + body + "</body>\n</html>\n";
}

// A reading without its tone marks (ü as v), for ordering.
std::string PlainReading(const std::string& reading)
{
    static const std::map<std::string, char> kBase = {
        {"ā", 'a'}, {"á", 'a'}, {"ǎ", 'a'}, {"à", 'a'}, {"ē", 'e'}, {"é", 'e'}, {"ě", 'e'}, {"è", 'e'},
        {"ī", 'i'}, {"í", 'i'}, {"ǐ", 'i'}, {"ì", 'i'}, {"ō", 'o'}, {"ó", 'o'}, {"ǒ", 'o'}, {"ò", 'o'},
        {"ū", 'u'}, {"ú", 'u'}, {"ǔ", 'u'}, {"ù", 'u'}, {"ǖ", 'v'}, {"ǘ", 'v'}, {"ǚ", 'v'}, {"ǜ", 'v'},
        {"ü", 'v'}, {"ń", 'n'}, {"ň", 'n'}};
    std::string plain;
    for (size_t i = 0; i < reading.size();) {
        const unsigned char c = static_cast<unsigned char>(reading[i]);
        if (c < 0x80) {
            plain += static_cast<char>(c);
            ++i;
            continue;
        }
        const auto found = kBase.find(reading.substr(i, 2));
        plain += found == kBase.end() ? '?' : found->second;
        i += 2;
    }
    return plain;
}

std::string Trim(std::string text)
{
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    return text;
}

std::vector<std::string> NameCharacters()
{
    std::vector<std::string> chars, all;
    SplitTextIntoChars(std::string(BoyNameChars) + GirlNameChars, all);
    std::set<std::string> seen;
    for (const std::string& ch : all)
        if (ch.size() == 2 && seen.insert(ch).second)
            chars.push_back(ch);
    return chars;
}

std::string PinyinPage()
{
    std::map<std::string, std::vector<std::pair<std::string, std::string>>> byLetter;  // letter -> (reading, char)
    for (const std::string& ch : NameCharacters()) {
        const std::string reading = Trim(GetNamePinyin(ch, 0));
        const std::string plain = PlainReading(reading);
        if (plain.empty())
            continue;
        byLetter[std::string(1, static_cast<char>(plain[0] - 'a' + 'A'))].push_back({plain + " " + reading, ch});
    }
    std::string body = "<p>程序取名所用的汉字，按拼音排列（" + Number(static_cast<int>(NameCharacters().size())) +
                       "字；拼音为常用读音）。</p>\n";
    for (auto& [letter, entries] : byLetter) {
        std::sort(entries.begin(), entries.end());
        body += "<h2>" + letter + "</h2>\n<table class=\"readings\">\n";
        std::string last;
        for (const auto& [key, ch] : entries) {
            const std::string reading = key.substr(key.find(' ') + 1);
            if (reading != last) {
                if (!last.empty())
                    body += "</td></tr>\n";
                body += "<tr><th>" + reading + "</th><td>";
                last = reading;
            }
            body += ch + " ";
        }
        body += "</td></tr>\n</table>\n";
    }
    return Page("新华字典拼音", body);
}

std::string StrokesPage()
{
    std::map<int, std::vector<std::string>> byCount;
    for (const std::string& ch : NameCharacters())
        if (const int count = LookupStrokeTable(ch); count > 0)
            byCount[count].push_back(ch);
    std::string body = "<p>程序取名所用的汉字，按笔画数排列；括号里是姓名评分所用的康熙字典笔画数。</p>\n"
                       "<table class=\"strokes\">\n";
    for (auto& [count, chars] : byCount) {
        body += "<tr><th>" + Number(count) + "画</th><td>";
        for (const std::string& ch : chars)
            body += ch + "(" + Number(GetKangxiStrokeCount(ch)) + ") ";
        body += "</td></tr>\n";
    }
    return Page("新华字典笔画", body + "</table>\n");
}

// The text of 百家姓 up to 公, one surname a character; then its last part, where compound and single
// surnames mix.
const char kHundredSurnames[] =
    "赵钱孙李周吴郑王冯陈褚卫蒋沈韩杨朱秦尤许何吕施张孔曹严华金魏陶姜戚谢邹喻柏水窦章云苏潘葛奚范彭郎"
    "鲁韦昌马苗凤花方俞任袁柳酆鲍史唐费廉岑薛雷贺倪汤滕殷罗毕郝邬安常乐于时傅皮卞齐康伍余元卜顾孟平黄"
    "和穆萧尹姚邵湛汪祁毛禹狄米贝明臧计伏成戴谈宋茅庞熊纪舒屈项祝董梁杜阮蓝闵席季麻强贾路娄危江童颜郭"
    "梅盛林刁钟徐邱骆高夏蔡田樊胡凌霍虞万支柯昝管卢莫经房裘缪干解应宗丁宣贲邓郁单杭洪包诸左石崔吉钮龚"
    "程嵇邢滑裴陆荣翁荀羊於惠甄曲家封芮羿储靳汲邴糜松井段富巫乌焦巴弓牧隗山谷车侯宓蓬全郗班仰秋仲伊宫"
    "宁仇栾暴甘钭厉戎祖武符刘景詹束龙叶幸司韶郜黎蓟薄印宿白怀蒲邰从鄂索咸籍赖卓蔺屠蒙池乔阴鬱胥能苍双"
    "闻莘党翟谭贡劳逄姬申扶堵冉宰郦雍卻璩桑桂濮牛寿通边扈燕冀郏浦尚农温别庄晏柴瞿阎充慕连茹习宦艾鱼容"
    "向古易慎戈廖庾终暨居衡步都耿满弘匡国文寇广禄阙东欧殳沃利蔚越夔隆师巩厍聂晁勾敖融冷訾辛阚那简饶空"
    "曾毋沙乜养鞠须丰巢关蒯相查后荆红游竺权逯盖益桓公";
const char* const kLastSurnames[] = {
    "万俟", "司马", "上官", "欧阳", "夏侯", "诸葛", "闻人", "东方", "赫连", "皇甫", "尉迟", "公羊", "澹台", "公冶",
    "宗政", "濮阳", "淳于", "单于", "太叔", "申屠", "公孙", "仲孙", "轩辕", "令狐", "钟离", "宇文", "长孙", "慕容",
    "鲜于", "闾丘", "司徒", "司空", "亓官", "司寇", "仉",   "督",   "子车", "颛孙", "端木", "巫马", "公西", "漆雕",
    "乐正", "壤驷", "公良", "拓跋", "夹谷", "宰父", "谷梁", "晋",   "楚",   "闫",   "法",   "汝",   "鄢",   "涂",
    "钦",   "段干", "百里", "东郭", "南门", "呼延", "归",   "海",   "羊舌", "微生", "岳",   "帅",   "缑",   "亢",
    "况",   "郈",   "有",   "琴",   "梁丘", "左丘", "东门", "西门", "商",   "牟",   "佘",   "佴",   "伯",   "赏",
    "南宫", "墨",   "哈",   "谯",   "笪",   "年",   "爱",   "阳",   "佟",   "第五", "言",   "福",
};

// Surnames whose reading is not the character's first one.
const std::map<std::string, std::string> kSurnameReadings = {
    {"单", "shàn"},   {"仇", "qiú"},     {"解", "xiè"},     {"查", "zhā"},     {"曾", "zēng"},  {"乐", "yuè"},
    {"盖", "gě"},     {"华", "huà"},     {"任", "rén"},     {"缪", "miào"},    {"贲", "bēn"},   {"宓", "mì"},
    {"郗", "xī"},     {"厍", "shè"},     {"阚", "kàn"},     {"訾", "zī"},      {"乜", "niè"},   {"相", "xiàng"},
    {"能", "nài"},    {"燕", "yān"},     {"柏", "bǎi"},     {"宿", "sù"},      {"隗", "wěi"},   {"薄", "bó"},
    {"翟", "zhái"},   {"莘", "shēn"},    {"卻", "què"},     {"车", "chē"},     {"沈", "shěn"},  {"褚", "chǔ"},
    {"应", "yīng"},   {"都", "dū"},      {"曲", "qū"},      {"纪", "jǐ"},      {"石", "shí"},   {"佴", "nài"},
    {"笪", "dá"},     {"殳", "shū"},     {"逄", "páng"},    {"万俟", "mò qí"}, {"尉迟", "yù chí"},
    {"单于", "chán yú"}, {"长孙", "zhǎng sūn"}, {"澹台", "tán tái"}, {"亓官", "qí guān"}, {"仉", "zhǎng"},
    {"乐正", "yuè zhèng"}, {"召", "shào"}, {"尉", "yù"},       {"谷梁", "gǔ liáng"}, {"夹谷", "jiá gǔ"},
    {"区", "ōu"},     {"朴", "piáo"},    {"繁", "pó"},      {"种", "chóng"},   {"秘", "bì"},    {"员", "yùn"},
    {"蕃", "pí"},     {"句", "gōu"},     {"鬱", "yù"},      {"於", "yū"},      {"郦", "lì"},    {"钭", "tǒu"},
    {"缑", "gōu"},    {"郈", "hòu"},     {"牟", "móu"},     {"佘", "shé"},     {"谯", "qiáo"},
};

std::string SurnameReading(const std::string& surname)
{
    const auto found = kSurnameReadings.find(surname);
    return found != kSurnameReadings.end() ? found->second : Trim(GetNamePinyin(surname, 1));
}

std::string SurnamesPage()
{
    std::vector<std::string> singles;
    SplitTextIntoChars(kHundredSurnames, singles);
    std::vector<std::string> all(singles.begin(), singles.end());
    for (const char* s : kLastSurnames)
        all.push_back(s);
    std::string body = "<p>《百家姓》所收的" + Number(static_cast<int>(all.size())) +
                       "个姓氏，按原书的顺序，附作姓氏时的读音。</p>\n<table class=\"surnames\">\n";
    for (size_t i = 0; i < all.size(); i += 8) {
        body += "<tr>";
        for (size_t j = i; j < i + 8 && j < all.size(); ++j)
            body += "<td>" + all[j] + " <small>" + SurnameReading(all[j]) + "</small></td>";
        body += "</tr>\n";
    }
    return Page("百家姓", body + "</table>\n");
}

// 黄道吉日: the six 黄道 days of the twelve day gods, whose 青龙 day follows the month's branch.
std::string LuckyDaysPage()
{
    const char* const gods[12] = {"青龙", "明堂", "天刑", "朱雀", "金匮", "天德",
                                  "白虎", "玉堂", "天牢", "玄武", "司命", "勾陈"};
    const bool lucky[12] = {true, true, false, false, true, true, false, true, false, false, true, false};
    // The branch of the 青龙 day for each month branch (子 ... 亥).
    const int dragonStart[12] = {8, 10, 0, 2, 4, 6, 8, 10, 0, 2, 4, 6};
    std::string body = "<p>黄道吉日按传统的十二值神推算：以节气定月，每月从某一地支日起为青龙，依次为明堂、天刑、朱雀、"
                       "金匮、天德、白虎、玉堂、天牢、玄武、司命、勾陈；青龙、明堂、金匮、天德、玉堂、司命六日为黄道日。"
                       "仅供参考。</p>\n";
    static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (int year = kFirstFestivalYear; year <= kLastFestivalYear; ++year) {
        body += "<h2>" + Number(year) + "年</h2>\n<table class=\"luckydays\">\n";
        for (int month = 1; month <= 12; ++month) {
            body += "<tr><th>" + Number(month) + "月</th><td>";
            const int days = kDays[month - 1] + (month == 2 && year % 4 == 0 && (year % 100 != 0 || year % 400 == 0));
            for (int day = 1; day <= days; ++day) {
                FourPillars p;
                if (!FourPillarsAt(year, month, day, 12, 0, p))
                    continue;
                const int monthBranch = BranchIndex(p.month), dayBranch = BranchIndex(p.day);
                if (monthBranch < 0 || dayBranch < 0)
                    continue;
                const int god = (dayBranch - dragonStart[monthBranch] + 12) % 12;
                if (lucky[god])
                    body += Number(day) + "日" + gods[god] + " ";
            }
            body += "</td></tr>\n";
        }
        body += "</table>\n";
    }
    return Page("黄道吉日", body);
}

// A C++ literal of a GBK text, written in UTF-8 (the compiler turns it into GBK again).
std::string Literal(const std::string& gbk)
{
    const std::string utf8 = GbkToUtf8(gbk);
    std::string out = "    \"";
    size_t column = 0;
    for (char c : utf8) {
        if (c == '\r') {
            out += "\\r";
        } else if (c == '\n') {
            out += "\\n\"\n    \"";
            column = 0;
            continue;
        } else if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else {
            out += c;
        }
        ++column;
    }
    out += "\"";
    return out;
}

bool WriteFile(const std::string& path, const std::string& bytes)
{
    std::ofstream file(path, std::ios::binary);
    file << bytes;
    return static_cast<bool>(file);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: bn_feature_pages_gen <app folder>\n");
        return 2;
    }
    const std::string app = argv[1];
    const struct {
        const char* name;
        std::string text;
    } texts[] = {
        {"kFestivalsText", FestivalsText()},   {"kZodiacYearsText", ZodiacYearsText()},
        {"kZodiacPairsText", ZodiacPairsText()}, {"kBloodTypesText", BloodTypesText()},
        {"kYear2012Text", Year2012Text()},     {"kStarSignsText", StarSignsText()},
        {"kNumbersText", NumbersText()},
    };
    std::string inc = "// Generated by tools/gen/gen_feature_pages.sh from the program's calendar service, number\n"
                      "// tables and rules (tools/gen/feature_pages_gen.cpp). Do not edit.\n";
    for (const auto& t : texts)
        inc += std::string("const char ") + t.name + "[] =\n" + Literal(t.text) + ";\n";
    bool written = WriteFile(app + "/feature_page_texts.inc", inc);
    const struct {
        const char* file;
        std::string page;
    } pages[] = {
        {"huangdao.htm", LuckyDaysPage()},
        {"pinyin.htm", PinyinPage()},
        {"bihua.htm", StrokesPage()},
        {"baijiaxing.htm", SurnamesPage()},
    };
    for (const auto& p : pages)
        written = WriteFile(app + "/pages/" + p.file, GbkToUtf8(p.page)) && written;
    if (!written) {
        std::fprintf(stderr, "bn_feature_pages_gen: could not write below %s\n", app.c_str());
        return 1;
    }
    return 0;
}
