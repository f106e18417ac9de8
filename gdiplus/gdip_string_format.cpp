#include "gdiplus/gdip_string_format.h"

#include "gdiplus/gdip_internal.h"

using namespace gdipx;

GdipStringFormat::~GdipStringFormat()
{
    StatusKeeper keep;
    DeleteStringFormat();
}

void GdipStringFormat::SetClassHandle(void* handle) { format_ = static_cast<gp::GpStringFormat*>(handle); }

bool GdipStringFormat::DeleteStringFormat()
{
    if (!format_)
        return false;
    const gp::Status status = gpf::GdipDeleteStringFormat(format_);
    SetNativeHandle(nullptr);
    return Check(status);
}

bool GdipStringFormat::CreateStringFormat(int flags, int language)
{
    ReleaseHeld();
    gp::GpStringFormat* format = nullptr;
    return TakeCreated(gpf::GdipCreateStringFormat(flags, static_cast<LANGID>(language), &format), format);
}

bool GdipStringFormat::StringFormatGetGenericDefault()
{
    ReleaseHeld();
    gp::GpStringFormat* format = nullptr;
    return TakeCreated(gpf::GdipStringFormatGetGenericDefault(&format), format);
}

bool GdipStringFormat::StringFormatGetGenericTypographic()
{
    ReleaseHeld();
    gp::GpStringFormat* format = nullptr;
    return TakeCreated(gpf::GdipStringFormatGetGenericTypographic(&format), format);
}

bool GdipStringFormat::CloneStringFormat(GdipStringFormat& target) const
{
    gp::GpStringFormat* copy = nullptr;
    return GiveTo(target, gpf::GdipCloneStringFormat(format_, &copy), copy);
}

bool GdipStringFormat::SetStringFormatFlags(int flags) { return Check(gpf::GdipSetStringFormatFlags(format_, flags)); }

int GdipStringFormat::GetStringFormatFlags() const
{
    INT flags = 0;
    return Check(gpf::GdipGetStringFormatFlags(format_, &flags)) ? flags : 0;
}

bool GdipStringFormat::SetStringFormatAlign(int alignment)
{
    return Check(gpf::GdipSetStringFormatAlign(format_, En(alignment)));
}

int GdipStringFormat::GetStringFormatAlign() const
{
    gp::StringAlignment alignment{};
    return Check(gpf::GdipGetStringFormatAlign(format_, &alignment)) ? alignment : 0;
}

bool GdipStringFormat::SetStringFormatLineAlign(int alignment)
{
    return Check(gpf::GdipSetStringFormatLineAlign(format_, En(alignment)));
}

int GdipStringFormat::GetStringFormatLineAlign() const
{
    gp::StringAlignment alignment{};
    return Check(gpf::GdipGetStringFormatLineAlign(format_, &alignment)) ? alignment : 0;
}

bool GdipStringFormat::SetStringFormatTrimming(int trimming)
{
    return Check(gpf::GdipSetStringFormatTrimming(format_, En(trimming)));
}

int GdipStringFormat::GetStringFormatTrimming() const
{
    gp::StringTrimming trimming{};
    return Check(gpf::GdipGetStringFormatTrimming(format_, &trimming)) ? trimming : 0;
}

bool GdipStringFormat::SetStringFormatHotkeyPrefix(int prefix)
{
    return Check(gpf::GdipSetStringFormatHotkeyPrefix(format_, prefix));
}

int GdipStringFormat::GetStringFormatHotkeyPrefix() const
{
    INT prefix = 0;
    return Check(gpf::GdipGetStringFormatHotkeyPrefix(format_, &prefix)) ? prefix : 0;
}

bool GdipStringFormat::SetStringFormatTabStops(float firstTabOffset, const std::vector<float>& tabStops)
{
    return Check(gpf::GdipSetStringFormatTabStops(format_, firstTabOffset, Count(tabStops),
                                                  tabStops.empty() ? nullptr : tabStops.data()));
}

int GdipStringFormat::GetStringFormatTabStops(float& firstTabOffset, std::vector<float>& tabStops) const
{
    INT count = 0;
    if (!Check(gpf::GdipGetStringFormatTabStopCount(format_, &count)) || count < 0)
        return 0;
    tabStops.assign(count, 0.0f);
    float first = 0;
    Check(gpf::GdipGetStringFormatTabStops(format_, count, &first, tabStops.empty() ? nullptr : tabStops.data()));
    firstTabOffset = first;
    return count;
}

bool GdipStringFormat::SetStringFormatDigitSubstitution(int method, int language)
{
    return Check(gpf::GdipSetStringFormatDigitSubstitution(format_, static_cast<LANGID>(language), En(method)));
}

bool GdipStringFormat::GetStringFormatDigitSubstitution(int& method) const
{
    int language = 0;
    return GetStringFormatDigitSubstitution(method, language);
}

bool GdipStringFormat::GetStringFormatDigitSubstitution(int& method, int& language) const
{
    LANGID lang = 0;
    gp::StringDigitSubstitute substitute{};
    const bool ok = Check(gpf::GdipGetStringFormatDigitSubstitution(format_, &lang, &substitute));
    if (ok) {
        method = substitute;
        language = lang;
    }
    return ok;
}

bool GdipStringFormat::SetStringFormatMeasurableCharacterRanges(const std::vector<CharacterRange>& ranges)
{
    return Check(gpf::GdipSetStringFormatMeasurableCharacterRanges(
        format_, Count(ranges), ranges.empty() ? nullptr : reinterpret_cast<const gp::CharacterRange*>(ranges.data())));
}

int GdipStringFormat::GetStringFormatMeasurableCharacterRangeCount() const
{
    INT count = 0;
    return Check(gpf::GdipGetStringFormatMeasurableCharacterRangeCount(format_, &count)) ? count : 0;
}
