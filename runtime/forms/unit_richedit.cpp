// Rich edit boxes: character and paragraph format at the insertion point, and the text length.
// The rich edit control counts in twips (1/20 point); the runtime's formats count in points.
#include <windows.h>
#include <richedit.h>

#include <cstring>

#include "runtime/forms/form.h"
#include "runtime/forms/unit.h"

namespace forms {
namespace {

constexpr int kTwipsPerPoint = 20;
constexpr DWORD kEffectBits = CFE_BOLD | CFE_ITALIC | CFE_UNDERLINE | CFE_STRIKEOUT | CFE_PROTECTED;
constexpr DWORD kEffectMasks = CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT | CFM_PROTECTED;
static_assert(CFE_BOLD == 1 && CFE_ITALIC == 2 && CFE_UNDERLINE == 4 && CFE_STRIKEOUT == 8 && CFE_PROTECTED == 16,
              "the runtime's effect bits are the rich edit control's");

}  // namespace

bool Unit::GetCharFormat(RichCharFormat& format) const
{
    if (!Usable() || !IsKind(UnitKind::RichEdit))
        return false;
    CHARFORMAT2A cf = {};
    cf.cbSize = sizeof cf;
    cf.dwMask = CFM_FACE | CFM_SIZE | CFM_OFFSET | CFM_COLOR | kEffectMasks;
    SendMessageA(hwnd_, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
    format.fontName = cf.szFaceName;
    format.size = cf.yHeight / kTwipsPerPoint;
    format.offset = cf.yOffset / kTwipsPerPoint;
    format.effects = static_cast<int>(cf.dwEffects & kEffectBits);
    format.colour = (cf.dwEffects & CFE_AUTOCOLOR) ? RichCharFormat::kAutoColour : (cf.crTextColor & 0xFFFFFF);
    return true;
}

bool Unit::SetCharFormat(const RichCharFormat& format)
{
    if (!Usable() || !IsKind(UnitKind::RichEdit))
        return false;
    CHARFORMAT2A cf = {};
    cf.cbSize = sizeof cf;
    cf.dwMask = CFM_OFFSET | CFM_COLOR | kEffectMasks;
    if (!format.fontName.empty() && format.fontName.size() < sizeof cf.szFaceName) {
        cf.dwMask |= CFM_FACE;
        std::memcpy(cf.szFaceName, format.fontName.c_str(), format.fontName.size() + 1);
    }
    if (format.size > 0) {
        cf.dwMask |= CFM_SIZE;
        cf.yHeight = format.size * kTwipsPerPoint;
    }
    cf.yOffset = format.offset * kTwipsPerPoint;
    cf.dwEffects = static_cast<DWORD>(format.effects) & kEffectBits;
    if (format.colour == RichCharFormat::kAutoColour)
        cf.dwEffects |= CFE_AUTOCOLOR;
    else
        cf.crTextColor = static_cast<COLORREF>(format.colour & 0xFFFFFF);
    return SendMessageA(hwnd_, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf)) != 0;
}

bool Unit::GetParaFormat(RichParaFormat& format) const
{
    if (!Usable() || !IsKind(UnitKind::RichEdit))
        return false;
    PARAFORMAT2 pf = {};
    pf.cbSize = sizeof pf;
    pf.dwMask = PFM_NUMBERING | PFM_STARTINDENT | PFM_OFFSET | PFM_RIGHTINDENT | PFM_ALIGNMENT;
    SendMessageA(hwnd_, EM_GETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&pf));
    format.bullet = pf.wNumbering == PFN_BULLET;
    format.startIndent = pf.dxStartIndent / kTwipsPerPoint;
    format.firstLineOffset = pf.dxOffset / kTwipsPerPoint;
    format.rightIndent = pf.dxRightIndent / kTwipsPerPoint;
    format.alignment = pf.wAlignment == PFA_CENTER ? 2 : pf.wAlignment == PFA_RIGHT ? 3 : 1;
    return true;
}

bool Unit::SetParaFormat(const RichParaFormat& format)
{
    if (!Usable() || !IsKind(UnitKind::RichEdit))
        return false;
    PARAFORMAT2 pf = {};
    pf.cbSize = sizeof pf;
    pf.dwMask = PFM_NUMBERING | PFM_STARTINDENT | PFM_OFFSET | PFM_RIGHTINDENT | PFM_ALIGNMENT;
    pf.wNumbering = format.bullet ? PFN_BULLET : 0;
    pf.dxStartIndent = format.startIndent * kTwipsPerPoint;
    pf.dxOffset = format.firstLineOffset * kTwipsPerPoint;
    pf.dxRightIndent = format.rightIndent * kTwipsPerPoint;
    pf.wAlignment = format.alignment == 2 ? PFA_CENTER : format.alignment == 3 ? PFA_RIGHT : PFA_LEFT;
    return SendMessageA(hwnd_, EM_SETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&pf)) != 0;
}

int Unit::TextLength() const
{
    if (!Usable())
        return 0;
    if (!IsKind(UnitKind::RichEdit))
        return static_cast<int>(Text().size());
    GETTEXTLENGTHEX how = {};
    how.flags = GTL_NUMCHARS | GTL_PRECISE;
    how.codepage = CP_ACP;
    const LRESULT length = SendMessageA(hwnd_, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&how), 0);
    return length < 0 ? 0 : static_cast<int>(length);
}

}  // namespace forms
