#pragma once
// Shared by the pictures' tests: the shipped skins as the skin settings window finds them (the folder
// names listed in Dskin.xml, each folder's conf.ini), read from the laid-out program folder.
#include <string>
#include <vector>

struct ShippedSkin {
    std::string folder;  // below Dskin
    std::string name;    // [CONF] Name, GBK
};

// The laid-out "Dskin" folder of the build (no trailing separator).
std::string SkinFolderPath();
// The skins in Dskin.xml's order with their names; false when the list cannot be read.
bool ReadShippedSkins(std::vector<ShippedSkin>& skins);
