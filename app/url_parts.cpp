#include "app/url_parts.h"

#include "runtime/text.h"

namespace {

// Position (from 1) where the host part starts.
int HostStart(const std::string& address)
{
    const int scheme = TextFind(address, "http://");
    return scheme > 0 ? scheme + 7 : 1;
}

}  // namespace

std::string ParseUrlHost(const std::string& address, bool keepPort)
{
    const int start = HostStart(address);
    const int slash = TextFind(address, "/", start);
    const int end = slash > 0 ? slash : static_cast<int>(address.size()) + 1;
    std::string host = TextMid(address, start, end - start);
    if (!keepPort) {
        const int colon = TextFind(host, ":");
        if (colon > 0)
            host = TextLeft(host, colon - 1);
    }
    return TextTrimRight(host);
}

std::string ParseUrlPath(const std::string& address)
{
    // The host is looked for after the scheme, so a host such as "h" is not found inside "http".
    const int start = HostStart(address);
    const int host = TextFindNoCase(address, ParseUrlHost(address, false), start);
    const int slash = host > 0 ? TextFind(address, "/", host) : 0;
    return slash > 0 ? TextMid(address, slash, static_cast<int>(address.size())) : std::string("/");
}

int ParseUrlPort(const std::string& address)
{
    const std::string host = ParseUrlHost(address, true);
    const int colon = TextFind(host, ":");
    return colon > 0 ? static_cast<int>(TextToInt(TextMid(host, colon + 1, static_cast<int>(host.size())))) : 80;
}
