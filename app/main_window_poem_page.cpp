#include "app/main_window_poem_page.h"

#include "app/main_window_definition.h"
#include "app/poem_page.h"
#include "app/poem_queries.h"
#include "app/result_list_menus.h"

namespace {

using forms::Define;
using forms::EventKind;
using forms::UnitKind;

constexpr int kLabelTop = 30;
constexpr int kListTop = 50;
constexpr long kDynastyColour = 0x8B0000;  // dark blue

}  // namespace

void AddPoemPage(std::vector<forms::UnitDef>& units, std::vector<forms::Binding>& bindings, const PoemPagePlace& place,
                 int& id)
{
    const int W = place.tabWidth;
    const int H = place.tabHeight;
    auto on = [&](forms::UnitDef def) { units.push_back(def.In(place.mainTabs, place.page)); };
    auto bind = [&](int unit, EventKind event, forms::Handler handler) { bindings.push_back({unit, event, handler}); };

    int left = 6;
    for (const DynastyLabel& label : kDynastyLabels) {
        const int unit = id++;
        on(Define(UnitKind::TransparentLabel, unit, label.unit, {left, kLabelTop, 64, 16}, label.caption)
               .Colours(kDynastyColour));
        bind(unit, EventKind::Click, OnDynastyLabelClick);
        left += 66;
    }

    const int poets = id++;
    on(Define(UnitKind::ListView, poets, "超级列表框诗人", {4, kListTop, 130, H - 78}).Columns({{"编号", 40}, {"诗人", 80}}));
    bind(poets, EventKind::ItemChanged, OnPoetSelected);
    bind(poets, EventKind::GotFocus, OnPoetListFocus);
    const int titles = id++;
    on(Define(UnitKind::ListView, titles, "超级列表框诗词标题", {138, kListTop, kPoemTitleListWidth, H - 78})
           .Columns({{"编号", 40}, {"诗词标题", 130}}));
    bind(titles, EventKind::ItemChanged, OnPoemTitleChosen);
    bind(titles, EventKind::GotFocus, OnPoemTitleListFocus);
    bind(titles, EventKind::DoubleClick, OpenPoemOdbcDatabase);

    // The picked characters, the names made of them and, over both when a poem is chosen, the picker.
    const int poemLeft = 138 + kPoemTitleListWidth + 4;
    const int poemWidth = W - 2 * kPoemTitleListWidth;
    on(Define(UnitKind::Edit, id++, "编辑框诗内容", {poemLeft, kListTop, poemWidth, kPoemTextHeight})
           .Flags(forms::kMultiLine | forms::kVScroll));
    const int names = id++;
    on(Define(UnitKind::ListView, names, "超级列表框诗词模式", {poemLeft, kListTop + 4 + kPoemTextHeight, poemWidth,
                                                            H - kPoemTextHeight - 80})
           .Columns(ScoredNameColumns()));
    bind(names, EventKind::RightPress, OnResultListRightPress);
    on(Define(UnitKind::Edit, id++, "编辑框诗词模式临时用", {poemLeft, kListTop, 20, 20}).Flags(forms::kHidden));

    const int picker = id++;
    on(Define(UnitKind::GroupBox, picker, "分组框1", {poemLeft, kListTop, poemWidth, H - kListTop - 4}).Flags(forms::kHidden));
    auto in = [&](forms::UnitDef def) { units.push_back(def.In(picker)); };
    in(Define(UnitKind::TransparentLabel, id++, "透明标签22", {12, 12, 240, 16}, "请选择下面诗词中的单字"));
    // The boxes are copies of the template, placed from it: 32 pixels apart in a line, 16 between lines.
    const int sample = id++;
    in(Define(UnitKind::CheckBox, sample, "选择框X", {12, 30, 30, 16}).Flags(forms::kHidden));
    bind(sample, EventKind::Click, OnCharCheckBoxClicked);
    const struct {
        const char* name;
        const char* caption;
        forms::Handler handler;
    } buttons[] = {{"按钮4", "全选", OnCheckAllCharsClicked},
                   {"按钮2", "全不选", OnCharPickerClearClicked},
                   {"按钮1", "确认选中", OnCharPickerOkClicked}};
    int top = 40;
    for (const auto& button : buttons) {
        const int unit = id++;
        in(Define(UnitKind::Button, unit, button.name, {poemWidth - 100, top, 88, 26}, button.caption));
        bind(unit, EventKind::Click, button.handler);
        top += 32;
    }
}
