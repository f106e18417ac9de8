#pragma once
// Host, path and port of an "http://host[:port]/path" address, as the remote client connects.
#include <string>

// The part after the first "http://" (or from the start) up to the next "/"; without keepPort it
// is cut at its first ":". Trailing blanks are removed.
std::string ParseUrlHost(const std::string& address, bool keepPort);
// From the first "/" at or after the host (found without regard to case) to the end, query
// included; "/" when there is none.
std::string ParseUrlPath(const std::string& address);
// The number after the host's first ":", or 80.
int ParseUrlPort(const std::string& address);
