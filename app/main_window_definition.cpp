#include "app/main_window_definition.h"

#include <windows.h>

#include <cstdio>

#include "app/generator_handlers.h"
#include "app/main_window_events.h"

namespace {

using forms::Define;
using forms::UnitKind;

// Unit ids of MainWindow. Containers first, then their contents.
enum : int {
    kInputGroup = 1,          // 分组框18
    kMainTabs = 2,            // 高级选择夹1
    kEnglishGroup = 3,        // 分组框5
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
    kFirstFreeId,
};

std::vector<std::string> Numbers(int from, int to, int width)
{
    std::vector<std::string> items;
    for (int n = from; n <= to; ++n) {
        char text[16];
        std::snprintf(text, sizeof text, "%0*d", width, n);
        items.push_back(text);
    }
    return items;
}

std::string Padded(int n, int width)
{
    return Numbers(n, n, width)[0];
}

void AddInputGroup(std::vector<forms::UnitDef>& units, int& id)
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    const unsigned radioFirst = forms::kGroupStart | forms::kDisabled | forms::kChecked;
    units.push_back(Define(UnitKind::GroupBox, kInputGroup, "分组框18", {4, 2, 928, 150}, "请设置宝宝相关信息："));
    auto in = [&](forms::UnitDef def) { units.push_back(def.In(kInputGroup)); };
    // Surname, sex and birth.
    in(Define(UnitKind::Label, id++, "标签姓", {12, 26, 40, 18}, "姓氏："));
    in(Define(UnitKind::Edit, id++, "编辑框_姓1", {52, 22, 70, 22}));
    in(Define(UnitKind::Label, id++, "标签性别", {140, 26, 40, 18}, "性别："));
    in(Define(UnitKind::RadioBox, id++, "单选框选择男", {180, 22, 40, 22}, "男").Flags(forms::kGroupStart | forms::kChecked));
    in(Define(UnitKind::RadioBox, id++, "单选框选择女", {222, 22, 40, 22}, "女"));
    in(Define(UnitKind::Label, id++, "标签出生", {280, 26, 70, 18}, "出生时间："));
    struct Part {
        const char* combo;
        const char* unit;
        std::vector<std::string> items;
        std::string now;
        int width;
    } parts[] = {
        {"组合框年1", "年", Numbers(1901, 2099, 4), Padded(now.wYear, 4), 62},
        {"组合框月1", "月", Numbers(1, 12, 2), Padded(now.wMonth, 2), 44},
        {"组合框日1", "日", Numbers(1, 31, 2), Padded(now.wDay, 2), 44},
        {"组合框时1", "时", Numbers(0, 23, 2), Padded(now.wHour, 2), 44},
        {"组合框分1", "分", Numbers(0, 59, 2), Padded(now.wMinute, 2), 44},
    };
    int x = 350;
    for (const Part& part : parts) {
        in(Define(UnitKind::ComboBox, id++, part.combo, {x, 22, part.width, 22}, part.now)
               .Items(part.items).Flags(forms::kDropDownList));
        x += part.width + 2;
        in(Define(UnitKind::Label, id++, std::string("标签") + part.unit, {x, 26, 16, 18}, part.unit));
        x += 20;
    }
    // Name length and the element limits of the second and third character.
    in(Define(UnitKind::Label, id++, "标签字数", {12, 56, 70, 18}, "名字字数："));
    in(Define(UnitKind::ComboBox, id++, "组合框设置名字个数", {82, 52, 60, 22}, "三字")
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
    in(Define(UnitKind::Edit, id++, "编辑框限定字", {246, 112, 40, 22}).Flags(forms::kDisabled));
    in(Define(UnitKind::CheckBox, id++, "选择框自定义分数", {312, 112, 300, 22}, "自动挑选评分为：         分以上的名字"));
    in(Define(UnitKind::Edit, id++, "编辑框分数", {420, 112, 34, 22}, "80"));
    // The buttons, and the element pools the generator carries between presses (never shown).
    in(Define(UnitKind::Button, kGenerateButton, "按钮生成", {800, 30, 96, 34}, "生成"));
    in(Define(UnitKind::Button, kStopButton, "按钮停止", {800, 80, 96, 34}, "停止"));
    for (const char* element : elements)
        in(Define(UnitKind::Edit, id++, std::string("编辑框") + element, {660, 112, 20, 20}).Flags(forms::kHidden));
}

std::vector<forms::ColumnDef> ScoredNameColumns()
{
    return {{"序号", 50}, {"名字", 80}, {"汉字拼音", 150}, {"汉字五行", 90}, {"汉字笔画", 80},
            {"康熙笔画", 80}, {"五格", 120}, {"评分", 50}};
}

void AddPages(std::vector<forms::UnitDef>& units, int& id)
{
    units.push_back(Define(UnitKind::TabControl, kMainTabs, "高级选择夹1", {4, 158, 928, 470})
                        .Items({"宝宝取名", "组合模式", "名字评分", "自选列表", "趣味工具", "取英文名", "诗词模式", "取小名"}));
    auto on = [&](int page, forms::UnitDef def) { units.push_back(def.In(kMainTabs, page)); };
    // Page 0: the random names, one cell per row (name and score tag).
    on(0, Define(UnitKind::ListView, id++, "超级列表框1", {6, 30, 912, 430}).Columns({{"宝宝名字", 240}}));
    // Page 1: the user's own characters in all combinations.
    on(1, Define(UnitKind::Label, id++, "标签名字", {8, 32, 200, 18}, "请输入备选汉字（可用逗号分开）："));
    on(1, Define(UnitKind::Edit, id++, "编辑框名字", {8, 52, 200, 404}).Flags(forms::kMultiLine | forms::kVScroll));
    on(1, Define(UnitKind::ListView, id++, "组合模式_超级列表框", {214, 30, 704, 430}).Columns(ScoredNameColumns()));
    on(1, Define(UnitKind::Edit, id++, "编辑框临时用", {8, 440, 20, 20}).Flags(forms::kHidden));
    // Page 5: English names.
    on(5, Define(UnitKind::GroupBox, kEnglishGroup, "分组框5", {4, 28, 918, 434}, "英文名字（英文名、中文译名、来源、含义）"));
    units.push_back(Define(UnitKind::ListView, id++, "超级列表框取英文名", {6, 20, 904, 406})
                        .Columns({{"英文名字", 860}}).In(kEnglishGroup));
    // Page 7: nicknames in three patterns, and the test of one typed nickname.
    on(7, Define(UnitKind::RadioBox, id++, "单选框AA型", {10, 34, 70, 22}, "AA型").Flags(forms::kGroupStart | forms::kChecked));
    on(7, Define(UnitKind::RadioBox, id++, "单选框小A型", {84, 34, 70, 22}, "小A型"));
    on(7, Define(UnitKind::RadioBox, id++, "单选框A儿型", {158, 34, 70, 22}, "A儿型"));
    on(7, Define(UnitKind::Button, kCustomTestButton, "按钮自定义测算", {250, 32, 90, 26}, "自定义测算"));
    on(7, Define(UnitKind::Edit, id++, "编辑框自定义测算", {346, 34, 120, 22}).Flags(forms::kHidden));
    on(7, Define(UnitKind::ListView, kNicknameList, "超级列表框取小名", {6, 64, 912, 396})
              .Columns({{"序号", 50}, {"小名", 70}, {"读音", 100}, {"五行", 70}, {"康熙笔画", 80},
                        {"评价(双击复制)", 430}, {"吉凶", 60}}));
}

forms::FormDef MakeMainWindow()
{
    forms::FormDef d;
    d.id = kMainWindowId;
    d.name = "MainWindow";
    d.caption = "宝宝取名";
    d.rect = {40, 20, 952, 672};
    d.flags = forms::kFormResizable;
    int id = kFirstFreeId;
    AddInputGroup(d.units, id);
    AddPages(d.units, id);
    d.units.push_back(Define(UnitKind::Timer, kBoy2Timer, "时钟取2个字男名字"));
    d.units.push_back(Define(UnitKind::Timer, kBoy3Timer, "时钟取3个字男名字"));
    d.units.push_back(Define(UnitKind::Timer, kGirl2Timer, "时钟取2个字女名字"));
    d.units.push_back(Define(UnitKind::Timer, kGirl3Timer, "时钟取3个字女名字"));
    d.units.push_back(Define(UnitKind::DbConnection, id++, "数据库连接1"));
    using forms::EventKind;
    d.bindings = {
        {0, EventKind::Created, OnMainWindowCreated},
        {0, EventKind::MayClose, OnMainWindowQueryClose},
        {0, EventKind::Destroying, OnMainWindowDestroy},
        {kGenerateButton, EventKind::Click, OnGenerateButtonClick},
        {kStopButton, EventKind::Click, OnStopButton},
        {kSecondCharCheck, EventKind::Click, OnSecondCharOptionChanged},
        {kThirdCharCheck, EventKind::Click, OnThirdCharCheckClicked},
        {kCustomNameCheck, EventKind::Click, OnCustomNameOptionChanged},
        {kBoy2Timer, EventKind::TimerTick, OnBoyName2Timer},
        {kBoy3Timer, EventKind::TimerTick, OnBoyName3Timer},
        {kGirl2Timer, EventKind::TimerTick, OnGirlName2Timer},
        {kGirl3Timer, EventKind::TimerTick, OnGirlName3Timer},
        {kCustomTestButton, EventKind::Click, OnCustomTestClicked},
        {kNicknameList, EventKind::DoubleClick, OnNicknameListDoubleClick},
    };
    return d;
}

}  // namespace

const forms::FormDef& MainWindowDefinition()
{
    static const forms::FormDef def = MakeMainWindow();
    return def;
}
