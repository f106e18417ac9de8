#pragma once
// The definition of MainWindow, the program's start window: the caption band with the navigation
// bar's picture box and the help label, the input group 分组框18, the tab control 高级选择夹1 with its
// eight pages (the feature pages of page 4 in main_window_fun_page.h), the generation timers, the
// database units and the menus, with the bindings of their handlers. The window is frameless: the skin
// paints its caption and border.
#include <vector>

#include "runtime/forms/form_definition.h"

constexpr int kMainWindowId = 1;

const forms::FormDef& MainWindowDefinition();

// The columns of every scored-name list of the window (序号, 名字, 汉字拼音, 汉字五行, 汉字笔画, 康熙笔画,
// 五格, 评分).
std::vector<forms::ColumnDef> ScoredNameColumns();
