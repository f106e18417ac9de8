#pragma once
// The definition of MainWindow, the program's start window: the input group 分组框18, the tab control
// 高级选择夹1 with the generator pages (0 宝宝取名, 1 组合模式, 5 取英文名, 7 取小名), the four generation
// timers and the database connection 数据库连接1, with the bindings of their handlers.
#include "runtime/forms/form_definition.h"

constexpr int kMainWindowId = 1;

const forms::FormDef& MainWindowDefinition();
