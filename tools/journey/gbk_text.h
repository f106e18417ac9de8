#pragma once
// Searching the program's GBK texts as a reader would: by whole characters.
#include <string>

namespace journey {

// Where `part` stands in `text` as whole GBK characters (a match that starts on the second byte of a
// two-byte character does not count, as a byte search would let it); npos when it does not.
size_t FindWholeText(const std::string& text, const std::string& part, size_t from = 0);

}  // namespace journey
