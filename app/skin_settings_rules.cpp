#include "app/skin_settings_rules.h"

#include "services/codepage/codepage.h"

namespace {

unsigned long Rgb(int r, int g, int b)
{
    return static_cast<unsigned long>(r & 0xFF) | (static_cast<unsigned long>(g & 0xFF) << 8) |
           (static_cast<unsigned long>(b & 0xFF) << 16);
}

}  // namespace

int SkinPageCount(int skinCount)
{
    return skinCount <= 0 ? 0 : (skinCount + kSkinsPerPage - 1) / kSkinsPerPage;
}

std::string SkinPageText(int page, int pageCount)
{
    return std::to_string(page) + "/" + std::to_string(pageCount);
}

int NextSkinPage(int page, int pageCount)
{
    return page < pageCount ? page + 1 : page;
}

int PrevSkinPage(int page)
{
    return page > 1 ? page - 1 : 1;
}

bool ThumbnailCell(int index, int page, SkinCell& thumbnail)
{
    if (index < 0 || page < 1 || index / kSkinsPerPage != page - 1)
        return false;
    const int onPage = index % kSkinsPerPage;
    const int row = onPage / kSkinPageColumns;
    const int column = onPage % kSkinPageColumns;
    thumbnail = {column * 99, row * 84, 95, 60};
    return true;
}

SkinCell NameLabelCell(const SkinCell& thumbnail)
{
    return {thumbnail.left, thumbnail.top + thumbnail.height + 2, thumbnail.width, 16};
}

SkinCell MarkerCell(const SkinCell& thumbnail)
{
    return {thumbnail.left + thumbnail.width - 16, thumbnail.top + thumbnail.height - 16, 22, 22};
}

unsigned long SwatchColour(ColourScheme scheme, int swatch)
{
    const int v = (swatch - 1) * kColourStep;
    switch (scheme) {
    case ColourScheme::Red:
        return Rgb(v, 0, 0);
    case ColourScheme::Green:
        return Rgb(0, v, 0);
    case ColourScheme::Blue:
        return Rgb(0, 0, v);
    case ColourScheme::Grey:
        return Rgb(v, v, v);
    }
    return 0;
}

unsigned long GridCellColour(ColourScheme scheme, int fixed, int cell)
{
    const int row = (cell - 1) / kColourGridSide;      // from 0
    const int column = (cell - 1) % kColourGridSide;   // from 0
    const int across = column * kColourStep;
    const int down = row * kColourStep;
    switch (scheme) {
    case ColourScheme::Red:
        return Rgb(fixed, across, down);
    case ColourScheme::Green:
        return Rgb(across, fixed, down);
    case ColourScheme::Blue:
        return Rgb(across, down, fixed);
    case ColourScheme::Grey:
        return Rgb(cell - 1, cell - 1, cell - 1);
    }
    return 0;
}

int SwatchFixedValue(int swatchTag)
{
    return (swatchTag - 1001) * kColourStep;
}

bool SkinFolderInsideDskin(const std::string& folder)
{
    if (folder.empty())
        return false;
    std::string part;
    for (size_t at = 0; at <= folder.size();) {
        const size_t length = at < folder.size() ? static_cast<size_t>(GbkCharLengthAt(folder, at)) : 1;
        const bool end = at == folder.size() || (length == 1 && (folder[at] == '\\' || folder[at] == '/'));
        if (at < folder.size() && length == 1 && folder[at] == ':')
            return false;
        if (end) {
            if (part.empty() ? at == 0 || at == folder.size() : part == "." || part == "..")
                return false;
            part.clear();
        } else {
            part += folder.substr(at, length);
        }
        at += length;
    }
    return true;
}
