#pragma once
// String formats: the layout rules of a drawn or measured text. Alignments 0 near, 1 centre, 2 far;
// flags, trimming (3 = ellipsis character), hotkey prefixes and digit substitution are GDI+ values.
// An empty format wrapper handed to a text operation means the GDI+ defaults.
#include <vector>

#include "gdiplus/gdip_base.h"

class GdipStringFormat : public GdipObjectBase {
public:
    GdipStringFormat() = default;
    ~GdipStringFormat() override;

    bool DeleteStringFormat();
    bool CreateStringFormat(int flags = 0, int language = 0);
    bool StringFormatGetGenericDefault();
    bool StringFormatGetGenericTypographic();
    bool CloneStringFormat(GdipStringFormat& target) const;
    bool SetStringFormatFlags(int flags);
    int GetStringFormatFlags() const;
    bool SetStringFormatAlign(int alignment);
    int GetStringFormatAlign() const;
    bool SetStringFormatLineAlign(int alignment);
    int GetStringFormatLineAlign() const;
    bool SetStringFormatTrimming(int trimming);
    int GetStringFormatTrimming() const;
    bool SetStringFormatHotkeyPrefix(int prefix);
    int GetStringFormatHotkeyPrefix() const;
    bool SetStringFormatTabStops(float firstTabOffset, const std::vector<float>& tabStops);
    // The array becomes the tab stops; the result is their number (0 when it cannot be read).
    int GetStringFormatTabStops(float& firstTabOffset, std::vector<float>& tabStops) const;
    bool SetStringFormatDigitSubstitution(int method, int language = 0);
    bool GetStringFormatDigitSubstitution(int& method) const;
    bool GetStringFormatDigitSubstitution(int& method, int& language) const;
    bool SetStringFormatMeasurableCharacterRanges(const std::vector<CharacterRange>& ranges);
    int GetStringFormatMeasurableCharacterRangeCount() const;

protected:
    void SetClassHandle(void* handle) override;
    void ReleaseHeld() override { DeleteStringFormat(); }

private:
    Gdiplus::GpStringFormat* format_ = nullptr;
};
