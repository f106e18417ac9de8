#pragma once
// GUIDs as texts, the installed image encoders, and the native encoder-parameter block.
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "gdiplus/gdip_types.h"

// "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}" with upper-case hexadecimal digits (38 characters).
std::string GuidToText(const GUID& guid);
// The GUID of such a text (either case of the digits); the all-zero GUID for any other text.
GUID TextToGuid(const std::string& text);

// The installed image encoders, enumerated afresh; the result is their number (0 when they cannot be
// listed, the array then left as it was).
int ListImageEncoders(std::vector<ImageCodecInfo>& codecs);
// The CLSID text of the first encoder whose format GUID text equals the given one byte for byte
// (so the digits must be upper case); "" when none does.
std::string FindEncoderClsidByFormat(const std::string& format);

// Bytes one value of an encoder-parameter type takes (1 byte, 2 ASCII, 3 short, 4 long, 5 rational,
// 6 long range, 7 undefined, 8 rational range); 0 for an unknown type.
int EncoderValueSize(int type);

// The native EncoderParameters block handed to GDI+: its Count, then one record per parameter that
// points at the parameter's value bytes (the record passed in must outlive the block). The count
// written is at most the number of parameters. Invalid when a parameter's value holds fewer bytes
// than its count and type need, so GDI+ would read past it.
class EncoderParameterBlock {
public:
    explicit EncoderParameterBlock(const EncoderParameters& parameters);
    bool IsValid() const { return valid_; }
    const void* Data() const { return storage_.data(); }
    size_t Size() const { return size_; }

private:
    std::vector<uint64_t> storage_;  // pointer-aligned
    size_t size_ = 0;
    bool valid_ = true;
};

// Reads a native block as GDI+ fills it (each value sized by its type and count).
bool ReadEncoderParameterBlock(const void* block, size_t size, EncoderParameters& parameters);
