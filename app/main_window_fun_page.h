#pragma once
// Page 4 (趣味工具) of MainWindow's 高级选择夹1: the drawing panel 画板5, which carries the side list,
// and the tab control 高级选择夹2 with fifteen feature pages in the order of the side list's rows.
// The pages hold texts made from the program's own data (feature_page_texts.inc) and links to local
// pages (pages\\*.htm), both written by tools/gen/gen_feature_pages.sh.
#include <vector>

#include "runtime/forms/form_definition.h"

inline constexpr int kFeaturePageCount = 15;
// The side list's rows, which are also the page titles of 高级选择夹2: row r shows page r - 1.
extern const char* const kFeaturePageTitles[kFeaturePageCount];

// The width of 高级选择夹2 for a width of 高级选择夹1 and of 画板5: it ends inside 高级选择夹1, so its
// header strip's scroll arrows, and with them the headers that do not fit, can be reached.
inline constexpr int FeatureTabsWidth(int mainTabsWidth, int sidePanelWidth)
{
    return mainTabsWidth - sidePanelWidth - 14;
}

struct FunPagePlace {
    int mainTabs;     // 高级选择夹1
    int page;         // its page that takes the units
    int tabWidth;     // its designed size
    int tabHeight;
    int sidePanel;    // the ids of 画板5 and 高级选择夹2
    int featureTabs;
};

// Appends 画板5, 高级选择夹2 and the feature pages' units; further ids come from `id` on. The sizes
// are those the window's resize table gives for the designed size of 高级选择夹1.
void AddFunToolsPage(std::vector<forms::UnitDef>& units, const FunPagePlace& place, int& id);
