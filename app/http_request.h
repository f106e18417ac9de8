#pragma once
// HTTP POST exchanges for the remote client. Each runs on a worker thread while the calling
// (user-interface) thread waits for it and keeps handling its window messages, so timers tick and
// handlers run during the wait. The wait ends at a deadline fixed when the call starts; a worker still
// busy then is cancelled and its result discarded. Every call returns by its deadline plus a short
// grace for the worker to end, and at once when the program's last window has closed during the wait
// or the program is quitting.
#include <windows.h>

#include <string>

struct HttpRequest {
    std::string address;       // "http://host[:port]/path"
    std::string proxy;         // proxy server for "http=" when not blank, else a direct connection
    std::string userName, password;
    std::string extraHeaders;  // header lines, each ending in CR LF
    std::string body;
};

// The response body as bytes; empty on failure, time-out or a status other than 2xx. Time-out in seconds, 0 or less meaning 90.
// Fills responseHeaders (raw lines, empty when longer than 1,024 bytes) when given.
std::string HttpRequestWithTimeout(const HttpRequest& request, int timeoutSeconds = 0,
                                   std::string* responseHeaders = nullptr);
// The same with the time-out in milliseconds.
std::string HttpRequestWithDeadline(const HttpRequest& request, DWORD timeoutMilliseconds,
                                    std::string* responseHeaders = nullptr);

// The body of a POST's response as text (up to its first zero byte), time-out 90 s.
std::string HttpPostText(const std::string& address, const std::string& body);
