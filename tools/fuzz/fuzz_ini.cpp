// INI files (runtime/ini.h): any file content, then one write. A write that succeeds reads back as
// written and leaves every other key as it read before; a refused write (by the plain rule of what
// could not be read back) leaves the file as it was.
#include "codepage/codepage.h"
#include "fuzz_support.h"
#include "runtime/files.h"
#include "runtime/ini.h"
#include "runtime/text.h"

namespace {

bool HoldsAtCharacterStart(const std::string& text, char c)
{
    for (size_t at : ReferenceStarts(text))
        if (text[at] == c)
            return true;
    return false;
}

// What may be written: nothing holds a line break; the section has no "]" and the key no "=" as a
// character of their own; the key, trimmed, is not empty and starts with none of ";", "#", "["; the
// section and key are GBK.
bool ReferenceWritable(const std::string& section, const std::string& key, const std::string& value)
{
    for (const std::string* text : {&section, &key, &value})
        if (text->find('\r') != std::string::npos || text->find('\n') != std::string::npos)
            return false;
    std::string trimmedKey = TextTrim(key);
    return !HoldsAtCharacterStart(section, ']') && !HoldsAtCharacterStart(key, '=') && !trimmedKey.empty() &&
           trimmedKey[0] != ';' && trimmedKey[0] != '#' && trimmedKey[0] != '[' && IsValidGbk(section) && IsValidGbk(key);
}

bool SameName(const std::string& a, const std::string& b) { return TextToLower(TextTrim(a)) == TextToLower(TextTrim(b)); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::string path = FuzzScratchPath("bn_fuzz_ini") + ".ini";
    FuzzInput in(data, size);
    std::string section = in.Text(16), key = in.Text(16), value = in.Text(32);
    std::string otherSection = in.Text(16), otherKey = in.Text(16);
    std::string content = in.Rest();
    FUZZ_CHECK(WriteFileBytes(path, content));

    const std::string absent = "\x01" "absent";
    std::string otherBefore = IniRead(path, otherSection, otherKey, absent);
    bool written = IniWrite(path, section, key, value);
    FUZZ_CHECK(written == ReferenceWritable(section, key, value));
    std::string after;
    FUZZ_CHECK(ReadFileBytes(path, after));
    if (!written) {
        FUZZ_CHECK(after == content);
        return 0;
    }
    FUZZ_CHECK(IniRead(path, section, key, absent) == TextTrim(value));
    if (!(SameName(section, otherSection) && SameName(key, otherKey)))
        FUZZ_CHECK(IniRead(path, otherSection, otherKey, absent) == otherBefore);
    // Writing the same again changes nothing.
    FUZZ_CHECK(IniWrite(path, section, key, value));
    std::string again;
    FUZZ_CHECK(ReadFileBytes(path, again) && again == after);
    return 0;
}
