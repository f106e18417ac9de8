#pragma once
// The tick of checked check boxes and checked skinned menu items.
#include <string>

// The tick picture built into the program: PNG, 13 x 12, RGBA, 96 dots per inch.
std::string PngTick13x12();

// The tick recoloured with g_themeColour (its low 24 bits): every pixel that is not exactly white
// takes the theme's share of its own red, green and blue and becomes the more opaque the darker it
// was; white pixels stay as they are. PNG bytes; empty when the picture cannot be made.
std::string MakeTintedTickImage();
