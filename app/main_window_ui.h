#pragma once
// The skinned interface of MainWindow, built once by its creation handler.
#include <string>

namespace forms {
class Form;
}  // namespace forms

// The skin configuration the skin settings window reads and writes; set by BuildMainWindowUi.
extern std::string g_configPath;

// The theme colour every start applies with the built-in skin picture.
inline constexpr unsigned long kMainThemeColour = 0x51AE51;

void BuildMainWindowUi(forms::Form& window);
