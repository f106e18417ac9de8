#pragma once
// Page 6 (诗词模式) of MainWindow's 高级选择夹1: the fourteen dynasty labels, the poet and title lists,
// the picked characters 编辑框诗内容, the names made of them 超级列表框诗词模式, the character picker
// 分组框1 with its template box 选择框X, and the bindings of their handlers.
#include <vector>

#include "runtime/forms/form_definition.h"

struct PoemPagePlace {
    int mainTabs;   // 高级选择夹1
    int page;       // its page that takes the units
    int tabWidth;   // its designed size
    int tabHeight;
};

// The designed width of 超级列表框诗词标题 and height of 编辑框诗内容, from which the window's resize
// table sizes the names list.
inline constexpr int kPoemTitleListWidth = 180;
inline constexpr int kPoemTextHeight = 60;

// Appends the page's units (ids from `id` on) and their bindings.
void AddPoemPage(std::vector<forms::UnitDef>& units, std::vector<forms::Binding>& bindings, const PoemPagePlace& place,
                 int& id);
