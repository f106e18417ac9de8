#include "xml.h"

#include "codepage/codepage.h"
#include "runtime/text.h"

namespace {

class XmlScanner {
public:
    explicit XmlScanner(const std::string& s) : s_(s) {}

    // Skips the declaration, comments, processing instructions, DOCTYPE and blanks between elements.
    bool SkipMisc()
    {
        for (;;) {
            while (pos_ < s_.size() && IsSpace(s_[pos_]))
                ++pos_;
            if (Starts("<?")) {
                if (!SkipPast("?>"))
                    return false;
            } else if (Starts("<!--")) {
                if (!SkipPast("-->"))
                    return false;
            } else if (Starts("<!")) {
                if (!SkipPast(">"))
                    return false;
            } else {
                return true;
            }
        }
    }

    // At "<name ...>": reads the tag; selfClosing tells "<name/>".
    bool OpenTag(std::string& name, bool& selfClosing)
    {
        if (!Starts("<") || Starts("</"))
            return false;
        size_t close = s_.find('>', pos_);
        if (close == std::string::npos)
            return false;
        std::string inner = s_.substr(pos_ + 1, close - pos_ - 1);
        selfClosing = !inner.empty() && inner.back() == '/';
        if (selfClosing)
            inner.pop_back();
        size_t end = 0;
        while (end < inner.size() && !IsSpace(inner[end]))
            ++end;
        name = inner.substr(0, end);
        pos_ = close + 1;
        return !name.empty();
    }

    // Reads the content of an element whose open tag was just read, up to and past its close tag;
    // text gets every character datum inside, nested elements included.
    bool Content(const std::string& name, std::string& text, int depth = 0)
    {
        if (depth > 64)
            return false;
        while (pos_ < s_.size()) {
            if (Starts("</")) {
                size_t close = s_.find('>', pos_);
                if (close == std::string::npos)
                    return false;
                std::string closing = TextTrim(s_.substr(pos_ + 2, close - pos_ - 2));
                pos_ = close + 1;
                return closing == name;
            }
            if (Starts("<![CDATA[")) {
                size_t end = s_.find("]]>", pos_);
                if (end == std::string::npos)
                    return false;
                text += s_.substr(pos_ + 9, end - pos_ - 9);
                pos_ = end + 3;
            } else if (Starts("<!--") || Starts("<?")) {
                if (!SkipPast(Starts("<!--") ? "-->" : "?>"))
                    return false;
            } else if (Starts("<")) {
                std::string child;
                bool selfClosing;
                if (!OpenTag(child, selfClosing))
                    return false;
                if (!selfClosing && !Content(child, text, depth + 1))
                    return false;
            } else {
                size_t next = s_.find('<', pos_);
                if (next == std::string::npos)
                    return false;
                text += DecodeEntities(s_.substr(pos_, next - pos_));
                pos_ = next;
            }
        }
        return false;
    }

    bool Starts(const char* prefix) const { return s_.compare(pos_, std::string(prefix).size(), prefix) == 0; }

private:
    static bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
    bool SkipPast(const char* marker)
    {
        size_t at = s_.find(marker, pos_);
        if (at == std::string::npos)
            return false;
        pos_ = at + std::string(marker).size();
        return true;
    }
    static std::string DecodeEntities(const std::string& raw)
    {
        std::string t = raw;
        t = TextReplaceAll(t, "&lt;", "<");
        t = TextReplaceAll(t, "&gt;", ">");
        t = TextReplaceAll(t, "&quot;", "\"");
        t = TextReplaceAll(t, "&apos;", "'");
        return TextReplaceAll(t, "&amp;", "&");
    }

    const std::string& s_;
    size_t pos_ = 0;
};

bool IsUtf8Document(const std::string& doc)
{
    if (doc.compare(0, 3, "\xEF\xBB\xBF") == 0)
        return true;
    std::string head = TextToLower(doc.substr(0, doc.find("?>") == std::string::npos ? 0 : doc.find("?>")));
    int enc = TextFind(head, "encoding");
    if (enc > 0) {
        std::string rest = head.substr(enc);
        return TextFind(rest, "utf-8") > 0 || TextFind(rest, "utf8") > 0;
    }
    // No declared encoding: UTF-8 when the bytes are valid UTF-8 with some non-ASCII in them.
    bool nonAscii = false;
    for (size_t i = 0; i < doc.size(); ++i) {
        unsigned char b = static_cast<unsigned char>(doc[i]);
        if (b < 0x80)
            continue;
        nonAscii = true;
        int extra = (b >> 5) == 6 ? 1 : (b >> 4) == 14 ? 2 : (b >> 3) == 30 ? 3 : -1;
        if (extra < 0 || i + extra >= doc.size())
            return false;
        for (int k = 1; k <= extra; ++k)
            if ((static_cast<unsigned char>(doc[i + k]) & 0xC0) != 0x80)
                return false;
        i += extra;
    }
    return nonAscii;
}

}  // namespace

bool ReadXmlRootChildTexts(const std::string& document, std::vector<std::string>& texts)
{
    texts.clear();
    const bool utf8 = IsUtf8Document(document);
    const std::string doc = document.compare(0, 3, "\xEF\xBB\xBF") == 0 ? document.substr(3) : document;
    XmlScanner scan(doc);
    std::string root;
    bool selfClosing;
    if (!scan.SkipMisc() || !scan.OpenTag(root, selfClosing))
        return false;
    if (selfClosing)
        return true;
    std::vector<std::string> found;
    for (;;) {
        if (!scan.SkipMisc())
            return false;
        if (scan.Starts("</"))
            break;
        std::string child, text;
        if (!scan.OpenTag(child, selfClosing))
            return false;
        if (!selfClosing && !scan.Content(child, text))
            return false;
        found.push_back(TextTrim(utf8 ? Utf8ToGbk(text) : text));
    }
    std::string rootText;
    if (!scan.Content(root, rootText))
        return false;
    texts = std::move(found);
    return true;
}
