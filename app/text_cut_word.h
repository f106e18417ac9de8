#pragma once
// The word a window says when typing or a paste went past one of its boxes' limits: the box kept what
// fits and dropped the rest.
#include "runtime/forms/form.h"

inline constexpr char kTextCutWord[] = "输入的文字太长，超出这一栏长度的部分没有放进来。";

// The handler of EventKind::TextCut for a window's bindings.
void OnBoxTextCut(forms::Event& event);
