#include "app/pictures/pictures.h"

#include <windows.h>

#include "app/pictures/program_resource_ids.h"

namespace {

std::string ResourceBytes(int id)
{
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(10) /* RT_RCDATA */);
    if (!found)
        return {};
    HGLOBAL loaded = LoadResource(module, found);
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    const DWORD size = SizeofResource(module, found);
    if (!bytes || size == 0)
        return {};
    return std::string(static_cast<const char*>(bytes), size);
}

}

std::string PictureBytes(Picture picture)
{
    switch (picture) {
    case Picture::BuiltInSkin:
        return ResourceBytes(IDR_BUILTIN_SKIN_JPEG);
    case Picture::SkinButton:
        return ResourceBytes(IDR_SKIN_BUTTON_PNG);
    case Picture::SkinMarker:
        return ResourceBytes(IDR_SKIN_MARKER_PNG);
    }
    return {};
}

std::string NavBarPictureBytes(int index)
{
    if (index < 0 || index >= kNavBarPictureCount)
        return {};
    return ResourceBytes(IDR_NAV_FIRST_PNG + index);
}
