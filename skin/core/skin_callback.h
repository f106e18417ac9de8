#pragma once
// Application handlers that the skin calls (caption buttons, close query, status band, menus and the
// custom-drawn controls) all take one array of integers and its count, and return an integer.
#include <vector>

using SkinCallback = int (*)(const int* arguments, int count);

// Calls the handler with the arguments, first element first, and returns its result. A null handler
// is not called and gives 0. The handler runs synchronously and may close windows: callers re-read
// any form number they still need afterwards.
int InvokeCallback(SkinCallback handler, const std::vector<int>& arguments = {});
