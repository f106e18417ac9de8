#include "app/pictures/pictures_test_support.h"

#include "runtime/files.h"
#include "runtime/ini.h"
#include "runtime/xml.h"

std::string SkinFolderPath() { return BN_SKIN_DIR; }

bool ReadShippedSkins(std::vector<ShippedSkin>& skins)
{
    std::string document;
    std::vector<std::string> folders;
    if (!ReadFileBytes(SkinFolderPath() + "\\Dskin.xml", document) || !ReadXmlRootChildTexts(document, folders))
        return false;
    skins.clear();
    for (const std::string& folder : folders)
        skins.push_back({folder, IniRead(SkinFolderPath() + "\\" + folder + "\\conf.ini", "CONF", "Name")});
    return true;
}
