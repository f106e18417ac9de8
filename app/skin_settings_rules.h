#pragma once
// The rules of the skin settings window that need no window: thumbnail pages, the colour grid and the
// scheme swatches. Colours are COLORREF numbers (0x00BBGGRR).
#include <string>

inline constexpr int kSkinsPerPage = 18;
inline constexpr int kSkinPageColumns = 6;
inline constexpr int kColourGridSide = 16;
inline constexpr int kColourStep = 17;

// Pages the skins fill (the last may be partly filled); 0 without skins.
int SkinPageCount(int skinCount);
// The page label: "page/count", "1/0" without skins.
std::string SkinPageText(int page, int pageCount);
// The page 下一页 leads to: the next one while there is one, otherwise the same page (without skins
// and on the last page it stays).
int NextSkinPage(int page, int pageCount);
// The page 上一页 leads to: the one before, or page 1.
int PrevSkinPage(int page);

struct SkinCell {
    int left, top, width, height;
};
// Where skin `index` (from 0, over every page) shows on its page inside the thumbnail area: three rows
// of six cells, 95 x 60 thumbnails 99 apart across and 84 down. False when the skin is not on `page`.
bool ThumbnailCell(int index, int page, SkinCell& thumbnail);
// The name under a thumbnail: same left and width, 2 pixels below it, 16 high.
SkinCell NameLabelCell(const SkinCell& thumbnail);
// The current-skin marker: 22 x 22, over the thumbnail's lower right corner.
SkinCell MarkerCell(const SkinCell& thumbnail);

// True when a skin entry of Dskin.xml names a folder inside Dskin: not empty, no drive or other
// colon, not starting with a separator, and no part "." or ".." between the separators ("\\" or "/",
// found character by character, so the trail byte of a GBK character is never one). Other entries
// are skipped: their conf.ini would be written outside the program folder.
bool SkinFolderInsideDskin(const std::string& folder);

enum class ColourScheme { Red = 0, Green = 1, Blue = 2, Grey = 3 };

// Scheme swatch k (1 to 16) of a scheme: the scheme's channel at (k - 1) x 17, grey in all three.
unsigned long SwatchColour(ColourScheme scheme, int swatch);
// The colour of grid cell `cell` (1 to 256, row-major) of a scheme with the fixed channel value
// `fixed`: the scheme's own channel fixed, the other two rising 17 per column and per row in RGB order;
// grey cells run from black (cell 1) to (255, 255, 255) (cell 256), the fixed value unused.
unsigned long GridCellColour(ColourScheme scheme, int fixed, int cell);
// The fixed channel value a scheme swatch sets: (tag - 1001) x 17, for the swatch tags 1001 to 1016.
int SwatchFixedValue(int swatchTag);
