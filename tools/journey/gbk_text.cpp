#include "tools/journey/gbk_text.h"

namespace journey {

namespace {
// A byte 0x81-0xFE leads a two-byte character (when a second byte follows).
size_t CharacterSize(const std::string& text, size_t at)
{
    return static_cast<unsigned char>(text[at]) >= 0x81 && at + 1 < text.size() ? 2 : 1;
}
}  // namespace

size_t FindWholeText(const std::string& text, const std::string& part, size_t from)
{
    size_t at = 0;
    while (at < from && at < text.size())
        at += CharacterSize(text, at);
    for (; at < text.size(); at += CharacterSize(text, at))
        if (text.compare(at, part.size(), part) == 0)
            return at;
    return part.empty() && at == text.size() ? at : std::string::npos;
}

}  // namespace journey
