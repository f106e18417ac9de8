#include "xml.h"

#include "codepage/codepage.h"
#include "runtime/text.h"

namespace {

const size_t kNotFound = std::string::npos;
// Positions travel through the int positions of the text search.
const size_t kLargestDocument = 64u << 20;
const int kDeepestNesting = 64;

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// 0-based index of marker at or after the character boundary from, searching by GBK characters.
size_t FindFrom(const std::string& s, const char* marker, size_t from)
{
    int at = TextFind(s, marker, static_cast<int>(from) + 1);
    return at > 0 ? static_cast<size_t>(at - 1) : kNotFound;
}

// The text of an entity reference without "&" and ";" as GBK bytes; false when it is none.
bool EntityText(const std::string& name, std::string& out)
{
    static const struct {
        const char* name;
        const char* text;
    } named[] = {{"lt", "<"}, {"gt", ">"}, {"amp", "&"}, {"quot", "\""}, {"apos", "'"}};
    for (const auto& n : named)
        if (name == n.name) {
            out = n.text;
            return true;
        }
    if (name.size() < 2 || name[0] != '#')
        return false;
    bool hex = name[1] == 'x';
    size_t first = hex ? 2 : 1;
    if (first >= name.size())
        return false;
    char32_t value = 0;
    for (size_t i = first; i < name.size(); ++i) {
        char c = name[i];
        int digit = c >= '0' && c <= '9' ? c - '0'
                  : hex && c >= 'a' && c <= 'f' ? c - 'a' + 10
                  : hex && c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
        if (digit < 0)
            return false;
        value = value * (hex ? 16 : 10) + static_cast<char32_t>(digit);
        if (value > 0x10FFFF)
            return false;
    }
    if (value == 0 || (value >= 0xD800 && value <= 0xDFFF))
        return false;
    char bytes[2];
    int n = UnicodeToGbkCode(value, bytes);
    out = n == 0 ? std::string("?") : std::string(bytes, static_cast<size_t>(n));
    return true;
}

// Character data with its entity and character references decoded (one pass, so "&amp;lt;" is "&lt;");
// a reference that is none stays as it stands.
std::string DecodeReferences(const std::string& raw)
{
    std::string out;
    for (size_t i = 0; i < raw.size();) {
        if (raw[i] == '&') {
            size_t semicolon = raw.find(';', i + 1);  // ';' is never a trail byte
            std::string text;
            if (semicolon != kNotFound && semicolon - i <= 10 && EntityText(raw.substr(i + 1, semicolon - i - 1), text)) {
                out += text;
                i = semicolon + 1;
                continue;
            }
        }
        size_t length = static_cast<size_t>(GbkCharLengthAt(raw, i));
        out.append(raw, i, length);
        i += length;
    }
    return out;
}

// Reads a GBK document from the start: markup by GBK characters, so no trail byte is taken for markup.
class XmlScanner {
public:
    explicit XmlScanner(const std::string& s) : s_(s) {}

    bool Starts(const char* prefix) const { return s_.compare(pos_, std::string(prefix).size(), prefix) == 0; }

    // Skips blanks, the declaration, comments, processing instructions and the DOCTYPE.
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
                if (!SkipDeclaration())
                    return false;
            } else {
                return true;
            }
        }
    }

    // At "<name ...>": reads the tag, stepping over quoted attribute values (which may hold ">");
    // selfClosing tells "<name/>".
    bool OpenTag(std::string& name, bool& selfClosing)
    {
        if (!Starts("<") || Starts("</"))
            return false;
        size_t i = pos_ + 1;
        char quote = 0;
        size_t lastMark = kNotFound;  // the last character outside quotes that is no blank
        for (; i < s_.size(); i += GbkCharLengthAt(s_, i)) {
            char c = s_[i];
            if (quote) {
                if (c == quote)
                    quote = 0;
            } else if (c == '"' || c == '\'') {
                quote = c;
            } else if (c == '>') {
                break;
            } else if (!IsSpace(c)) {
                lastMark = i;
            }
        }
        if (i >= s_.size())
            return false;
        selfClosing = lastMark != kNotFound && s_[lastMark] == '/';
        size_t end = pos_ + 1;
        while (end < i && !IsSpace(s_[end]) && s_[end] != '/' && s_[end] != '>')
            end += static_cast<size_t>(GbkCharLengthAt(s_, end));
        name = s_.substr(pos_ + 1, end - pos_ - 1);
        pos_ = i + 1;
        return !name.empty();
    }

    // Reads the content of an element whose open tag was just read, up to and past its close tag.
    // Without children, text gets every character datum inside, nested elements included; with
    // children, each child element's text is added to it and the data between them is passed over.
    bool Content(const std::string& name, std::string& text, int depth, std::vector<std::string>* children = nullptr)
    {
        if (depth > kDeepestNesting)
            return false;
        while (pos_ < s_.size()) {
            if (Starts("</")) {
                size_t close = FindFrom(s_, ">", pos_);
                if (close == kNotFound)
                    return false;
                std::string closing = TextTrim(s_.substr(pos_ + 2, close - pos_ - 2));
                pos_ = close + 1;
                return closing == name;
            }
            if (Starts("<![CDATA[")) {
                size_t end = FindFrom(s_, "]]>", pos_ + 9);
                if (end == kNotFound)
                    return false;
                if (!children)
                    text += s_.substr(pos_ + 9, end - pos_ - 9);
                pos_ = end + 3;
            } else if (Starts("<!--") || Starts("<?")) {
                if (!SkipPast(Starts("<!--") ? "-->" : "?>"))
                    return false;
            } else if (Starts("<")) {
                std::string child, childText;
                bool selfClosing;
                if (!OpenTag(child, selfClosing))
                    return false;
                if (!selfClosing && !Content(child, children ? childText : text, depth + 1))
                    return false;
                if (children)
                    children->push_back(TextTrim(childText));
            } else {
                size_t next = FindFrom(s_, "<", pos_);
                if (next == kNotFound)
                    return false;
                if (!children)
                    text += DecodeReferences(s_.substr(pos_, next - pos_));
                pos_ = next;
            }
        }
        return false;
    }

private:
    bool SkipPast(const char* marker)
    {
        size_t at = FindFrom(s_, marker, pos_);
        if (at == kNotFound)
            return false;
        pos_ = at + std::string(marker).size();
        return true;
    }

    // "<!DOCTYPE ...>", whose internal subset in brackets may hold ">".
    bool SkipDeclaration()
    {
        int brackets = 0;
        char quote = 0;
        for (size_t i = pos_ + 2; i < s_.size(); i += GbkCharLengthAt(s_, i)) {
            char c = s_[i];
            if (quote) {
                quote = c == quote ? 0 : quote;
            } else if (c == '"' || c == '\'') {
                quote = c;
            } else if (c == '[') {
                ++brackets;
            } else if (c == ']') {
                --brackets;
            } else if (c == '>' && brackets <= 0) {
                pos_ = i + 1;
                return true;
            }
        }
        return false;
    }

    const std::string& s_;
    size_t pos_ = 0;
};

// The encoding named by a leading "<?xml ... encoding="..." ?>", in lower case; empty when none.
std::string DeclaredEncoding(const std::string& doc)
{
    if (doc.compare(0, 5, "<?xml") != 0)
        return std::string();
    size_t end = doc.find("?>");
    std::string declaration = TextToLower(doc.substr(0, end == kNotFound ? 0 : end));
    size_t at = declaration.find("encoding");
    if (at == kNotFound)
        return std::string();
    size_t quote = declaration.find_first_of("\"'", at);
    if (quote == kNotFound)
        return std::string();
    size_t close = declaration.find(declaration[quote], quote + 1);
    return close == kNotFound ? std::string() : declaration.substr(quote + 1, close - quote - 1);
}

// UTF-8 when it says so (a byte-order mark, else the declaration); undeclared, when the bytes are
// strictly UTF-8 with some non-ASCII in them. Anything else is GBK.
bool IsUtf8Document(const std::string& doc, bool byteOrderMark)
{
    if (byteOrderMark)
        return true;
    std::string declared = DeclaredEncoding(doc);
    if (!declared.empty())
        return declared == "utf-8" || declared == "utf8";
    bool nonAscii = false;
    for (char c : doc)
        nonAscii = nonAscii || static_cast<unsigned char>(c) >= 0x80;
    return nonAscii && IsValidUtf8(doc);
}

}  // namespace

bool ReadXmlRootChildTexts(const std::string& document, std::vector<std::string>& texts)
{
    texts.clear();
    if (document.size() > kLargestDocument)
        return false;
    const bool byteOrderMark = document.compare(0, 3, "\xEF\xBB\xBF") == 0;
    const std::string body = byteOrderMark ? document.substr(3) : document;
    // Converted first, so every later step reads GBK.
    const std::string doc = IsUtf8Document(body, byteOrderMark) ? Utf8ToGbk(body) : body;
    XmlScanner scan(doc);
    std::string root;
    bool selfClosing;
    if (!scan.SkipMisc() || !scan.OpenTag(root, selfClosing))
        return false;
    if (selfClosing)
        return true;
    std::vector<std::string> found;
    std::string rootText;
    if (!scan.Content(root, rootText, 0, &found))
        return false;
    texts = std::move(found);
    return true;
}
