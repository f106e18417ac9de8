#include "runtime/forms/test_window.h"

#include "runtime/forms/form.h"

namespace forms_test {

using forms::Define;
using forms::EventKind;
using forms::UnitKind;

size_t g_unitsAtCreation = 0;

std::vector<RecordedEvent>& Recorded()
{
    static std::vector<RecordedEvent> events;
    return events;
}

std::vector<RecordedEvent> RecordedOf(EventKind kind)
{
    std::vector<RecordedEvent> found;
    for (const RecordedEvent& event : Recorded())
        if (event.kind == kind)
            found.push_back(event);
    return found;
}

namespace {

void Record(forms::Event& e)
{
    RecordedEvent event;
    event.sender = e.sender.Name();
    event.kind = e.kind;
    event.text = e.sender.Text();
    event.item = e.item;
    event.x = e.x;
    event.y = e.y;
    event.button = e.button;
    Recorded().push_back(event);
}

void OnCreated(forms::Event& e)
{
    g_unitsAtCreation = e.form.Units().size();
    Record(e);
}

forms::FormDef MakeEveryUnitWindow()
{
    forms::FormDef def;
    def.id = 100;
    def.name = "EveryUnitWindow";
    def.caption = "全部单元";
    def.rect = {40, 40, 760, 560};
    def.flags = forms::kFormResizable;
    def.units = {
        Define(UnitKind::GroupBox, 1, "分组框1", {8, 8, 280, 120}, "请设置宝宝相关信息："),
        Define(UnitKind::Edit, 2, "编辑框_姓1", {10, 24, 120, 22}, "张").In(1),
        Define(UnitKind::RichEdit, 3, "超级编辑框1", {8, 136, 280, 120}),
        Define(UnitKind::Label, 4, "标签1", {300, 8, 120, 20}, "下一页"),
        Define(UnitKind::TransparentLabel, 5, "透明标签1", {4, 4, 100, 20}, "农历").In(6),
        Define(UnitKind::PictureBox, 6, "图片框1", {300, 40, 160, 80}),
        Define(UnitKind::DrawingPanel, 7, "画板1", {470, 8, 100, 100}),
        Define(UnitKind::Button, 8, "按钮生成", {580, 8, 80, 28}, "生成"),
        Define(UnitKind::PictureButton, 9, "图形按钮1", {580, 44, 28, 28}),
        Define(UnitKind::CheckBox, 10, "选择框X", {8, 40, 40, 20}, "春").In(18, 1),
        Define(UnitKind::RadioBox, 11, "单选框选择男", {140, 24, 60, 20}, "男").In(1).Flags(forms::kGroupStart),
        Define(UnitKind::ComboBox, 12, "组合框年1", {10, 60, 100, 22}, "2012").In(1).Items({"2011", "2012", "2013"}),
        Define(UnitKind::ComboBox, 13, "组合框设置名字个数", {140, 60, 100, 22}, "二字")
            .In(1)
            .Items({"二字", "三字"})
            .Flags(forms::kDropDownList),
        Define(UnitKind::ListBox, 14, "列表框_五行", {8, 264, 120, 100}).Items({"--------", "【金】1"}),
        Define(UnitKind::CheckListBox, 15, "选择列表框1", {136, 264, 150, 100}).Items({"立春", "雨水"}),
        Define(UnitKind::ProgressBar, 16, "进度条1", {8, 372, 200, 16}).Range(0, 60),
        Define(UnitKind::Slider, 17, "滑块条1", {8, 396, 200, 30}).Range(0, 255, 10),
        Define(UnitKind::TabControl, 18, "高级选择夹1", {300, 130, 440, 380}).Items({"宝宝取名", "诗词模式", "万年历"}),
        Define(UnitKind::DatePicker, 19, "公历日期框", {8, 300, 140, 24}).In(18, 0),
        Define(UnitKind::MonthCalendar, 20, "月历1", {8, 40, 230, 170}).In(18, 2),
        Define(UnitKind::ColourPicker, 21, "颜色选择器1", {620, 44, 40, 24}).Colours(forms::kDefaultColour, 0x0000FF),
        Define(UnitKind::HyperlinkLabel, 22, "超级链接框1", {8, 432, 200, 20}, "官方主页").Link("http://example.invalid/"),
        Define(UnitKind::HtmlViewer, 23, "超文本浏览框2", {8, 456, 280, 20}, "http://example.invalid/page"),
        Define(UnitKind::ListView, 24, "超级列表框1", {8, 40, 420, 250})
            .In(18, 0)
            .Columns({{"序号", 50}, {"名字", 120}, {"评分", 60}}),
        Define(UnitKind::Timer, 25, "时钟1").Interval(0),
        Define(UnitKind::SaveDialog, 26, "通用对话框保存", {}, "保存").Filter("*.txt", "txt"),
        Define(UnitKind::Menu, 27, "右键菜单"),
        Define(UnitKind::MenuItem, 28, "名字评分", {}, "名字评分").In(27),
        Define(UnitKind::MenuItem, 29, "复制此名", {}, "复制此名").In(27),
        Define(UnitKind::DbConnection, 30, "数据库连接1"),
        Define(UnitKind::RecordSet, 31, "记录集3"),
    };
    def.bindings = {
        {0, EventKind::Created, OnCreated},
        {0, EventKind::Resized, Record},
        {2, EventKind::Changed, Record},
        {4, EventKind::Click, Record},
        {4, EventKind::MouseDown, Record},
        {5, EventKind::MouseDown, Record},
        {7, EventKind::Click, Record},
        {8, EventKind::Click, Record},
        {10, EventKind::Click, Record},
        {11, EventKind::Click, Record},
        {12, EventKind::SelectionChanged, Record},
        {12, EventKind::Changed, Record},
        {13, EventKind::SelectionChanged, Record},
        {14, EventKind::SelectionChanged, Record},
        {15, EventKind::ItemChanged, Record},
        {17, EventKind::Changed, Record},
        {18, EventKind::PageChanged, Record},
        {19, EventKind::Changed, Record},
        {22, EventKind::Click, Record},
        {24, EventKind::DoubleClick, Record},
        {24, EventKind::RightPress, Record},
        {24, EventKind::ItemChanged, Record},
        {25, EventKind::TimerTick, Record},
        {28, EventKind::Click, Record},
    };
    return def;
}

}  // namespace

const forms::FormDef& EveryUnitWindow()
{
    static const forms::FormDef def = MakeEveryUnitWindow();
    return def;
}

}  // namespace forms_test
