#pragma once
// The skinned interface of MainWindow, built once by its creation handler.
#include <string>

namespace forms {
class Form;
}  // namespace forms

// The skin configuration the skin settings window reads and writes; set by BuildMainWindowUi.
extern std::string g_configPath;

void BuildMainWindowUi(forms::Form& window);
