#pragma once
// The header lines the remote client sends with a request, completed from the caller's own lines.
#include <string>

// Adds, each only when the caller's lines lack it (compared without regard to case), the Accept,
// Referer (the address) and Accept-Language lines, and for a POST with a body the Content-Type line
// and always then the Content-Length line. Every line ends in CR LF. False for a method other than
// "GET", "POST" (any case) or empty (a GET).
bool CompleteRequestHeaders(const std::string& extraHeaders, const std::string& address,
                            const std::string& method, size_t bodyLength, std::string& headers);

// True when the method sends the body (a POST); the method must have passed CompleteRequestHeaders.
bool MethodSendsBody(const std::string& method);
