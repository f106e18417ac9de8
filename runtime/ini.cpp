#include "ini.h"

#include <vector>

#include "codepage/codepage.h"
#include "runtime/files.h"
#include "runtime/text.h"

namespace {

struct IniLine {
    std::string text;      // the line without its line break
    std::string ending;    // "\r\n", "\n" or "" (last line)
};

std::vector<IniLine> SplitLines(const std::string& content)
{
    std::vector<IniLine> lines;
    size_t start = 0;
    while (start < content.size()) {
        size_t nl = content.find('\n', start);
        IniLine line;
        if (nl == std::string::npos) {
            line.text = content.substr(start);
            start = content.size();
        } else {
            size_t end = nl > start && content[nl - 1] == '\r' ? nl - 1 : nl;
            line.text = content.substr(start, end - start);
            line.ending = content.substr(end, nl + 1 - end);
            start = nl + 1;
        }
        lines.push_back(line);
    }
    return lines;
}

bool SameName(const std::string& a, const std::string& b) { return TextToLower(TextTrim(a)) == TextToLower(TextTrim(b)); }

// The section name of a "[name]" line, or false.
bool SectionOf(const std::string& line, std::string& name)
{
    std::string t = TextTrim(line);
    if (t.size() < 2 || t[0] != '[')
        return false;
    int close = TextFind(t, "]");
    if (close < 2)
        return false;
    name = t.substr(1, close - 2);
    return true;
}

// The key and value of a "key=value" line, or false (comments and other lines).
bool KeyOf(const std::string& line, std::string& key, std::string& value)
{
    std::string t = TextTrimLeft(line);
    if (t.empty() || t[0] == ';' || t[0] == '#' || t[0] == '[')
        return false;
    int eq = TextFind(t, "=");
    if (eq < 1)
        return false;
    key = TextTrim(t.substr(0, eq - 1));
    value = TextTrim(t.substr(eq));
    return true;
}

}  // namespace

std::string IniRead(const std::string& path, const std::string& section, const std::string& key,
                    const std::string& defaultValue)
{
    std::string content;
    if (!ReadFileBytes(path, content))
        return defaultValue;
    bool inSection = false;
    for (const IniLine& line : SplitLines(content)) {
        std::string name, k, v;
        if (SectionOf(line.text, name))
            inSection = SameName(name, section);
        else if (inSection && KeyOf(line.text, k, v) && SameName(k, key))
            return v;
    }
    return defaultValue;
}

namespace {

bool HasLineBreak(const std::string& text) { return text.find_first_of("\r\n") != std::string::npos; }

// What a write puts in a file must read back as the same section, key and value: no line breaks
// anywhere, no "]" in a section name, no "=" in a key, no key that would read as a comment or a
// section line, and names of whole GBK characters (a lone lead byte would take the "]" or "=" after it).
bool CanBeWritten(const std::string& section, const std::string& key, const std::string& value)
{
    std::string trimmedKey = TextTrim(key);
    return !HasLineBreak(section) && !HasLineBreak(key) && !HasLineBreak(value) &&
           !TextContains(section, "]") && !TextContains(key, "=") && !trimmedKey.empty() &&
           trimmedKey[0] != ';' && trimmedKey[0] != '#' && trimmedKey[0] != '[' && IsValidGbk(section) &&
           IsValidGbk(key);
}

}  // namespace

bool IniWrite(const std::string& path, const std::string& section, const std::string& key, const std::string& value)
{
    if (!CanBeWritten(section, key, value))
        return false;
    std::string content;
    ReadFileBytes(path, content);  // a missing file starts empty
    std::vector<IniLine> lines = SplitLines(content);
    const std::string newline = content.find("\r\n") != std::string::npos || content.empty() ? "\r\n" : "\n";
    const std::string entry = key + "=" + value;

    int sectionLine = -1, lastKeyLine = -1;
    bool inSection = false, replaced = false;
    for (size_t i = 0; i < lines.size() && !replaced; ++i) {
        std::string name, k, v;
        if (SectionOf(lines[i].text, name)) {
            if (inSection)
                break;  // the section ended without the key
            inSection = SameName(name, section);
            if (inSection)
                sectionLine = lastKeyLine = static_cast<int>(i);
        } else if (inSection && KeyOf(lines[i].text, k, v)) {
            lastKeyLine = static_cast<int>(i);
            if (SameName(k, key)) {
                lines[i].text = entry;
                replaced = true;
            }
        }
    }
    if (!replaced) {
        if (sectionLine < 0) {
            if (!lines.empty() && lines.back().ending.empty())
                lines.back().ending = newline;
            lines.push_back({"[" + section + "]", newline});
            lines.push_back({entry, newline});
        } else {
            IniLine added{entry, newline};
            if (lines[lastKeyLine].ending.empty())
                lines[lastKeyLine].ending = newline;
            lines.insert(lines.begin() + lastKeyLine + 1, added);
        }
    }
    std::string out;
    for (const IniLine& line : lines)
        out += line.text + line.ending;
    return WriteFileBytes(path, out);
}
