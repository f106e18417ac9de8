#include "app/http_request_headers.h"

#include "runtime/text.h"

namespace {

const char kAcceptLine[] =
    "Accept: image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, application/x-shockwave-flash, "
    "application/vnd.ms-excel, application/vnd.ms-powerpoint, application/msword, */*\r\n";

bool HasLine(const std::string& headers, const char* name)
{
    return TextFindNoCase(headers, name) > 0;
}

}  // namespace

bool MethodSendsBody(const std::string& method)
{
    return TextToUpper(method) == "POST";
}

bool CompleteRequestHeaders(const std::string& extraHeaders, const std::string& address,
                            const std::string& method, size_t bodyLength, std::string& headers)
{
    const std::string upper = TextToUpper(method);
    if (!upper.empty() && upper != "GET" && upper != "POST")
        return false;
    std::string lines = extraHeaders;
    if (!HasLine(lines, "Accept: "))
        lines += kAcceptLine;
    if (!HasLine(lines, "Referer: "))
        lines += "Referer: " + address + "\r\n";
    if (!HasLine(lines, "Accept-Language: "))
        lines += "Accept-Language: zh-cn\r\n";
    if (MethodSendsBody(method) && bodyLength > 0) {
        if (!HasLine(lines, "Content-Type: "))
            lines += "Content-Type: application/x-www-form-urlencoded\r\n";
        lines += "Content-Length: " + IntToText(static_cast<long long>(bodyLength)) + "\r\n";
    }
    headers = lines;
    return true;
}
