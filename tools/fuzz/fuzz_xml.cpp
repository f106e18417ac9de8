// The XML reader (runtime/xml.h): any bytes as a document, and documents written from texts (escaped,
// as references, in CDATA, between attributes with ">" in their values and stray text) in GBK and
// UTF-8, which must read back as those texts.
#include "codepage/codepage.h"
#include "fuzz_support.h"
#include "runtime/text.h"
#include "runtime/xml.h"

namespace {

// The text written as character data: markup characters escaped, some characters as references.
std::string Escaped(const std::string& text, FuzzInput& in)
{
    std::string out;
    for (size_t at = 0; at < text.size();) {
        size_t length = ReferenceCharLength(text, at);
        std::string ch = text.substr(at, length);
        at += length;
        int form = in.Byte() % 8;
        if (ch == "<")
            out += form < 4 ? "&lt;" : "&#60;";
        else if (ch == "&")
            out += form < 4 ? "&amp;" : "&#x26;";
        else if (ch == ">" && form < 4)
            out += "&gt;";
        else if (form == 7 && ch != std::string(1, '\0'))
            out += "&#" + std::to_string(GbkToUtf16(ch)[0]) + ";";
        else
            out += ch;
    }
    return out;
}

void CheckWrittenDocument(FuzzInput& in)
{
    std::vector<std::string> texts;
    std::string body;
    int count = static_cast<int>(in.IntInRange(0, 5));
    for (int n = 0; n < count; ++n) {
        // Whole GBK characters only; the reader trims blanks at both ends.
        std::string text = Utf8ToGbk(GbkToUtf8(in.Text(24)));
        texts.push_back(TextTrim(text));
        if (in.Flag())
            body += Escaped(in.Text(8), in);  // text between children, passed over
        std::string name = "c" + std::to_string(n);
        body += "<" + name;
        if (in.Flag())
            body += " title=\"a>b\" other='\"/>'";
        if (text.empty() && in.Flag()) {
            body += "/>";
            continue;
        }
        body += ">";
        if (in.Flag() && text.find("]]>") == std::string::npos)
            body += "<![CDATA[" + text + "]]>";
        else
            body += Escaped(text, in);
        body += "</" + name + ">";
    }
    std::string document = "<root>" + body + "</root>";
    switch (in.Byte() % 4) {
    case 0: document = "<?xml version=\"1.0\" encoding=\"gb2312\"?>\r\n" + document; break;
    case 1: document = "\xEF\xBB\xBF" + GbkToUtf8(document); break;
    case 2: document = "<?xml version='1.0' encoding='UTF-8'?>" + GbkToUtf8(document); break;
    default: {
        bool nonAscii = false;
        for (char c : document)
            nonAscii |= static_cast<unsigned char>(c) >= 0x80;
        if (nonAscii && IsValidUtf8(document))
            return;  // undeclared and strict UTF-8: read as UTF-8, by the rule
    }
    }
    std::vector<std::string> read;
    FUZZ_CHECK(ReadXmlRootChildTexts(document, read));
    FUZZ_CHECK(read == texts);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput in(data, size);
    std::string document = in.Text(512);
    std::vector<std::string> texts = {"left over"};
    bool read = ReadXmlRootChildTexts(document, texts);
    FUZZ_CHECK(read || texts.empty());
    // A document that says it is UTF-8 is converted: every text is GBK then.
    if (read && document.compare(0, 3, "\xEF\xBB\xBF") == 0)
        for (const std::string& text : texts)
            FUZZ_CHECK(IsValidGbk(text));
    CheckWrittenDocument(in);
    return 0;
}
