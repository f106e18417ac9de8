// The definition of the perpetual calendar window: its units on the five pages of 万年历选择夹 and
// the bindings of their events.
#include "app/calendar_handlers.h"
#include "app/calendar_window.h"

namespace {

using forms::Define;
using forms::EventKind;
using forms::UnitKind;

constexpr int kCalendarWindowId = 2132;
constexpr unsigned kEssayBox = forms::kMultiLine | forms::kReadOnly | forms::kVScroll | forms::kHidden;
constexpr long kBoardText = 0x404040;

enum Id : int {
    kTabs = 1,
    // 农历
    kLunarCalendar, kLunarEssay, kLunarEssayButton, kSolarViewRadio, kLunarViewRadio, kLunarTodayButton,
    // 公历
    kSolarCalendar, kSolarEssay, kSolarEssayButton, kSolarTodayButton, kSolarEdit, kMonthCombo,
    // 日历牌
    kRefreshButton, kPillarsButton, kTermsButton, kBoard, kBoardYearMonth, kBoardDay, kBoardWeekday,
    kBoardTime, kBoardLunar, kBoardPillars, kBoardTimer, kCalculators, kSolarCalculator, kSolarDateCaption,
    kSolarDate, kSolarHour, kSolarHourMark, kSolarMinute, kSolarMinuteMark, kSolarSecond, kSolarSecondMark,
    kSolarPillars, kLunarCalculator, kLunarDateCaption, kLunarDate, kLunarHour, kLunarHourMark, kLunarMinute,
    kLunarMinuteMark, kLunarSecond, kLunarSecondMark, kLunarPillars, kTermList,
    // 时间
    kClockPanel, kClockTimer, kWorldClocks, kBeijingCaption, kBeijing, kLondonCaption, kLondon, kSeattleCaption,
    kSeattle, kNewYorkCaption, kNewYork, kSetDateCaption, kSetDate, kZoneCombo, kSetTimeCaption, kSetHour,
    kSetMinute, kSetSecond, kModifyButton, kCancelChangeButton, kConfirmButton, kSetTimeNotice,
    // 事务
    kRestCheck, kRestStart, kRestInterval, kRestSentence, kRestProgress, kMemoCheck, kMemoTime, kMemoText,
    kMemoSentence, kMemoProgress, kShutdownCheck, kShutdownTime, kShutdownSentence, kShutdownProgress,
    kFreezeCheck, kFreezeTime, kFreezeSentence, kStartTasksButton, kCancelTasksButton,
};

// Units of a page of the tab control.
forms::UnitDef OnPage(forms::UnitDef def, int page)
{
    return def.In(kTabs, page);
}

forms::FormDef MakeDefinition()
{
    forms::FormDef d;
    d.id = kCalendarWindowId;
    d.name = "PerpetualCalendarWindow";
    d.caption = "农历时钟工具";
    d.rect = {50, 50, 433, 393};
    d.flags = forms::kFormFrameless;
    const forms::RectDef kOutOfSight = {1, 1, 1, 1};
    d.units = {
        Define(UnitKind::TabControl, kTabs, "万年历选择夹", {4, 20, 380, 326}).Items({"农历", "公历", "日历牌", "时间", "事务"}),

        // 农历
        OnPage(Define(UnitKind::LunarMonthCalendar, kLunarCalendar, "农历月历1", {8, 28, 364, 256}), 0),
        OnPage(Define(UnitKind::Edit, kLunarEssay, "编辑框农历", {8, 28, 364, 256}).Flags(kEssayBox), 0),
        OnPage(Define(UnitKind::Button, kLunarEssayButton, "按钮公历说明", {8, 292, 76, 26}, "农历说明"), 0),
        OnPage(Define(UnitKind::RadioBox, kSolarViewRadio, "单选框1", {112, 295, 78, 20}, "公历视图")
                   .Flags(forms::kGroupStart), 0),
        OnPage(Define(UnitKind::RadioBox, kLunarViewRadio, "单选框2", {196, 295, 78, 20}, "农历视图")
                   .Flags(forms::kChecked), 0),
        OnPage(Define(UnitKind::Button, kLunarTodayButton, "按钮2", {296, 292, 76, 26}, "今天"), 0),

        // 公历
        OnPage(Define(UnitKind::MonthCalendar, kSolarCalendar, "月历1", {8, 28, 196, 180}), 1),
        OnPage(Define(UnitKind::Edit, kSolarEssay, "编辑框公历", {8, 28, 196, 180}).Flags(kEssayBox), 1),
        OnPage(Define(UnitKind::Button, kSolarEssayButton, "按钮4", {212, 30, 66, 26}, "公历说明"), 1),
        OnPage(Define(UnitKind::Button, kSolarTodayButton, "按钮5", {212, 62, 66, 26}, "今天"), 1),
        OnPage(Define(UnitKind::Edit, kSolarEdit, "编辑框1", {212, 100, 66, 22}), 1),
        OnPage(Define(UnitKind::ComboBox, kMonthCombo, "组合框2", {212, 128, 66, 22}, "一月")
                   .Items({"一月", "二月", "三月", "四月", "五月", "六月", "七月", "八月", "九月", "十月", "十一月", "十二月"})
                   .Flags(forms::kDropDownList), 1),

        // 日历牌: the board, the two calculators and the solar-term list share one place.
        OnPage(Define(UnitKind::Button, kRefreshButton, "按钮10", {36, 24, 57, 22}, "刷新"), 2),
        OnPage(Define(UnitKind::Button, kPillarsButton, "按钮8", {99, 24, 57, 22}, "四柱"), 2),
        OnPage(Define(UnitKind::Button, kTermsButton, "按钮7", {162, 24, 57, 22}, "节气"), 2),
        OnPage(Define(UnitKind::PictureBox, kBoard, "图片框4", {36, 49, 183, 213})
                   .Flags(forms::kBorder | forms::kHidden)
                   .Colours(forms::kDefaultColour, 0xF7FBFF), 2),
        Define(UnitKind::TransparentLabel, kBoardYearMonth, "透明标签1", kOutOfSight)
            .In(kBoard).Flags(forms::kCentred).Font("宋体", 14, true).Colours(kBoardText),
        Define(UnitKind::TransparentLabel, kBoardDay, "透明标签2", kOutOfSight)
            .In(kBoard).Flags(forms::kCentred).Font("宋体", 40, true),
        Define(UnitKind::TransparentLabel, kBoardWeekday, "透明标签3", kOutOfSight)
            .In(kBoard).Flags(forms::kCentred).Font("宋体", 18),
        Define(UnitKind::TransparentLabel, kBoardTime, "透明标签4", kOutOfSight)
            .In(kBoard).Flags(forms::kCentred).Font("宋体", 14, true).Colours(kBoardText),
        Define(UnitKind::TransparentLabel, kBoardLunar, "透明标签5", kOutOfSight)
            .In(kBoard).Flags(forms::kCentred).Font("宋体", 11).Colours(0x0000A0),
        Define(UnitKind::TransparentLabel, kBoardPillars, "透明标签6", kOutOfSight)
            .In(kBoard).Flags(forms::kCentred).Colours(kBoardText),
        Define(UnitKind::Timer, kBoardTimer, "时钟2").In(kBoard).Interval(60000),

        OnPage(Define(UnitKind::PictureBox, kCalculators, "图片框5", {36, 49, 183, 218})
                   .Flags(forms::kBorder | forms::kHidden)
                   .Colours(forms::kDefaultColour, 0xF7FBFF), 2),
        Define(UnitKind::PictureBox, kSolarCalculator, "图片框7", {0, 0, 181, 104})
            .In(kCalculators).Colours(forms::kDefaultColour, 0xF7FBFF),
        Define(UnitKind::TransparentLabel, kSolarDateCaption, "透明标签10", {4, 4, 173, 16}, "公历日期:").In(kSolarCalculator),
        Define(UnitKind::DatePicker, kSolarDate, "公历日期框", {4, 22, 173, 22}).In(kSolarCalculator),
        Define(UnitKind::Edit, kSolarHour, "公历时编辑框", {4, 50, 36, 20}).In(kSolarCalculator),
        Define(UnitKind::TransparentLabel, kSolarHourMark, "透明标签12", {42, 53, 14, 16}, "时").In(kSolarCalculator),
        Define(UnitKind::Edit, kSolarMinute, "公历分编辑框", {62, 50, 36, 20}).In(kSolarCalculator),
        Define(UnitKind::TransparentLabel, kSolarMinuteMark, "透明标签13", {100, 53, 14, 16}, "分").In(kSolarCalculator),
        Define(UnitKind::Edit, kSolarSecond, "公历秒编辑框", {120, 50, 36, 20}).In(kSolarCalculator),
        Define(UnitKind::TransparentLabel, kSolarSecondMark, "透明标签14", {158, 53, 14, 16}, "秒").In(kSolarCalculator),
        Define(UnitKind::Edit, kSolarPillars, "公历柱编辑框", {4, 76, 173, 22}).In(kSolarCalculator).Flags(forms::kReadOnly),
        Define(UnitKind::PictureBox, kLunarCalculator, "图片框8", {0, 106, 181, 104})
            .In(kCalculators).Colours(forms::kDefaultColour, 0xF7FBFF),
        Define(UnitKind::TransparentLabel, kLunarDateCaption, "透明标签11", {4, 4, 173, 16}, "农历日期:").In(kLunarCalculator),
        Define(UnitKind::LunarDateBox, kLunarDate, "农历日期框1", {4, 22, 173, 22}).In(kLunarCalculator),
        Define(UnitKind::Edit, kLunarHour, "公历时1", {4, 50, 36, 20}).In(kLunarCalculator),
        Define(UnitKind::TransparentLabel, kLunarHourMark, "透明标签15", {42, 53, 14, 16}, "时").In(kLunarCalculator),
        Define(UnitKind::Edit, kLunarMinute, "公历分1", {62, 50, 36, 20}).In(kLunarCalculator),
        Define(UnitKind::TransparentLabel, kLunarMinuteMark, "透明标签16", {100, 53, 14, 16}, "分").In(kLunarCalculator),
        Define(UnitKind::Edit, kLunarSecond, "公历秒1", {120, 50, 36, 20}).In(kLunarCalculator),
        Define(UnitKind::TransparentLabel, kLunarSecondMark, "透明标签17", {158, 53, 14, 16}, "秒").In(kLunarCalculator),
        Define(UnitKind::Edit, kLunarPillars, "立春编辑框3", {4, 76, 173, 22}).In(kLunarCalculator).Flags(forms::kReadOnly),
        OnPage(Define(UnitKind::CheckListBox, kTermList, "选择列表框1", {34, 48, 202, 217}).Flags(forms::kHidden), 2),

        // 时间
        OnPage(Define(UnitKind::DrawingPanel, kClockPanel, "画板1", {20, 52, 160, 160}), 3),
        Define(UnitKind::Timer, kClockTimer, "时钟1").In(kClockPanel).Interval(1000),
        OnPage(Define(UnitKind::GroupBox, kWorldClocks, "分组框2", {190, 34, 370, 178}, "世界时间"), 3),
        Define(UnitKind::Label, kBeijingCaption, "标签1", {10, 18, 250, 16}, "中国北京标准时间:").In(kWorldClocks),
        Define(UnitKind::Label, kBeijing, "标签5", {10, 36, 250, 16}).In(kWorldClocks).Colours(0x800000),
        Define(UnitKind::Label, kLondonCaption, "标签2", {10, 58, 250, 16}, "英国伦敦标准时间:").In(kWorldClocks),
        Define(UnitKind::Label, kLondon, "标签6", {10, 76, 250, 16}).In(kWorldClocks).Colours(0x800000),
        Define(UnitKind::Label, kSeattleCaption, "标签3", {10, 98, 250, 16}, "西雅图标准时间:").In(kWorldClocks),
        Define(UnitKind::Label, kSeattle, "标签7", {10, 116, 250, 16}).In(kWorldClocks).Colours(0x800000),
        Define(UnitKind::Label, kNewYorkCaption, "标签4", {10, 138, 250, 16}, "美国纽约标准时间:").In(kWorldClocks),
        Define(UnitKind::Label, kNewYork, "标签10", {10, 156, 250, 16}).In(kWorldClocks).Colours(0x800000),
        OnPage(Define(UnitKind::Label, kSetDateCaption, "标签8", {20, 223, 88, 16}, "修改公历日期:"), 3),
        OnPage(Define(UnitKind::DatePicker, kSetDate, "公历日期框1", {112, 220, 120, 22}).Flags(forms::kDisabled), 3),
        OnPage(Define(UnitKind::ComboBox, kZoneCombo, "组合框1", {240, 220, 320, 22},
                      "(GMT+08:00)北京，重庆，香港特别行政区，乌鲁木齐")
                   .Items({"(GMT+08:00)北京，重庆，香港特别行政区，乌鲁木齐", "(GMT)格林威治标准时间：伦敦，都柏林，里斯本",
                           "(GMT-05:00)东部时间(美国和加拿大)", "(GMT-08:00)太平洋时间(美国和加拿大)"})
                   .Flags(forms::kDropDownList), 3),
        OnPage(Define(UnitKind::Label, kSetTimeCaption, "标签9", {20, 251, 88, 16}, "公历时间:"), 3),
        OnPage(Define(UnitKind::Edit, kSetHour, "公历时编辑框1", {112, 248, 34, 20}).Flags(forms::kReadOnly), 3),
        OnPage(Define(UnitKind::Edit, kSetMinute, "公历分编辑框1", {150, 248, 34, 20}).Flags(forms::kReadOnly), 3),
        OnPage(Define(UnitKind::Edit, kSetSecond, "公历秒编辑框1", {188, 248, 34, 20}).Flags(forms::kReadOnly), 3),
        OnPage(Define(UnitKind::Button, kModifyButton, "按钮11", {240, 246, 320, 24}, "修改时间"), 3),
        OnPage(Define(UnitKind::Button, kCancelChangeButton, "按钮1", {240, 276, 158, 24}, "取消时间修改")
                   .Flags(forms::kDisabled), 3),
        OnPage(Define(UnitKind::Button, kConfirmButton, "按钮9", {402, 276, 158, 24}, "确认时间修改").Flags(forms::kDisabled), 3),
        OnPage(Define(UnitKind::Label, kSetTimeNotice, "标签14", {20, 274, 212, 36}, "注意:本项修改为立即修改系统日期和时间!")
                   .Colours(0x0000C0), 3),

        // 事务: each sentence label has gaps of blanks where its boxes sit (placed when the window opens).
        OnPage(Define(UnitKind::CheckBox, kRestCheck, "选择框1", {10, 24, 200, 20}, "定时提醒保护视力"), 4),
        OnPage(Define(UnitKind::Edit, kRestStart, "编辑框2", {24, 44, 180, 20}), 4),
        OnPage(Define(UnitKind::Edit, kRestInterval, "编辑框3", {240, 44, 30, 20}, "45"), 4),
        OnPage(Define(UnitKind::TransparentLabel, kRestSentence, "标签11", {10, 47, 360, 16},
                      "自                            起，每隔     分钟提醒一次。"), 4),
        OnPage(Define(UnitKind::ProgressBar, kRestProgress, "进度条1", {10, 67, 360, 8}), 4),
        OnPage(Define(UnitKind::CheckBox, kMemoCheck, "选择框2", {10, 80, 200, 20}, "定时提醒事务处理"), 4),
        OnPage(Define(UnitKind::Edit, kMemoTime, "编辑框4", {24, 100, 180, 20}), 4),
        OnPage(Define(UnitKind::Edit, kMemoText, "编辑框5", {24, 122, 346, 20}, "现在有一件重要的事情要办!"), 4),
        OnPage(Define(UnitKind::TransparentLabel, kMemoSentence, "标签12", {10, 103, 360, 16},
                      "在                            时间到时，提醒内容为："), 4),
        OnPage(Define(UnitKind::ProgressBar, kMemoProgress, "进度条2", {10, 145, 360, 8}), 4),
        OnPage(Define(UnitKind::CheckBox, kShutdownCheck, "选择框3", {10, 158, 200, 20}, "定时关机"), 4),
        OnPage(Define(UnitKind::Edit, kShutdownTime, "编辑框6", {24, 178, 180, 20}), 4),
        OnPage(Define(UnitKind::TransparentLabel, kShutdownSentence, "标签13", {10, 181, 360, 16},
                      "至                            时，立即关闭计算机。"), 4),
        OnPage(Define(UnitKind::ProgressBar, kShutdownProgress, "进度条3", {10, 201, 360, 8}), 4),
        OnPage(Define(UnitKind::CheckBox, kFreezeCheck, "选择框4", {10, 214, 200, 20}, "时间定身法"), 4),
        OnPage(Define(UnitKind::Edit, kFreezeTime, "编辑框7", {118, 234, 180, 20}), 4),
        OnPage(Define(UnitKind::TransparentLabel, kFreezeSentence, "标签15", {10, 237, 360, 16},
                      "将时间一直固定在:                            不变!"), 4),
        OnPage(Define(UnitKind::Button, kStartTasksButton, "按钮3", {60, 256, 124, 24}, "开始执行设定事务"), 4),
        OnPage(Define(UnitKind::Button, kCancelTasksButton, "按钮6", {196, 256, 124, 24}, "取消所有执行事务"), 4),
    };
    d.bindings = {
        {0, EventKind::Created, OnCalendarWindowCreated},
        {0, EventKind::MayClose, OnCalendarWindowQueryClose},
        {kTabs, EventKind::PageChanged, LayoutCalendarTabs},
        {kBoardTimer, EventKind::TimerTick, RefreshTodayPanel},
        {kLunarEssayButton, EventKind::Click, ToggleLunarEssay},
        {kSolarEssayButton, EventKind::Click, ToggleSolarEssay},
        {kLunarTodayButton, EventKind::Click, ShowTodayLunarMonth},
        {kSolarTodayButton, EventKind::Click, ShowTodaySolarMonth},
        {kSolarViewRadio, EventKind::Click, SetLunarCalendarView},
        {kLunarViewRadio, EventKind::Click, SetLunarCalendarView},
        {kRefreshButton, EventKind::Click, ShowCalendarPage},
        {kPillarsButton, EventKind::Click, ToggleFourPillarCalculators},
        {kTermsButton, EventKind::Click, OnListSolarTermsClicked},
        {kSolarDate, EventKind::Changed, ShowSolarDateFourPillars},
        {kSolarHour, EventKind::Changed, ShowSolarDateFourPillars},
        {kSolarMinute, EventKind::Changed, ShowSolarDateFourPillars},
        {kSolarSecond, EventKind::Changed, ShowSolarDateFourPillars},
        {kLunarDate, EventKind::Changed, ShowLunarDateFourPillars},
        {kLunarHour, EventKind::Changed, ShowLunarDateFourPillars},
        {kLunarMinute, EventKind::Changed, ShowLunarDateFourPillars},
        {kLunarSecond, EventKind::Changed, ShowLunarDateFourPillars},
        {kClockTimer, EventKind::TimerTick, OnCalendarClockTimer},
        {kModifyButton, EventKind::Click, OnModifyTimeClicked},
        {kCancelChangeButton, EventKind::Click, OnCancelTimeChangeClicked},
        {kConfirmButton, EventKind::Click, OnSetSystemTimeClicked},
        {kSetHour, EventKind::Changed, TrackTypedClockTime},
        {kSetMinute, EventKind::Changed, TrackTypedClockTime},
        {kSetSecond, EventKind::Changed, TrackTypedClockTime},
        {kStartTasksButton, EventKind::Click, OnStartRemindersClicked},
        {kCancelTasksButton, EventKind::Click, OnCancelTasksClicked},
    };
    return d;
}

}  // namespace

const forms::FormDef& PerpetualCalendarWindowDef()
{
    static const forms::FormDef def = MakeDefinition();
    return def;
}
