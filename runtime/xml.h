#pragma once
// A small XML reader for the skin list: the texts of the root element's children, in order.
#include <string>
#include <vector>

// Reads the children of the root element of an XML document (bytes as stored in the file) and gives
// each child's text content as GBK: entity and numeric character references decoded (a character
// GBK lacks becomes "?"), CDATA kept, nested markup's texts joined, blanks at both ends trimmed. Text
// directly inside the root, between its children, is passed over. A document is UTF-8 when it starts
// with a byte-order mark or declares so, or, declaring no encoding, when its bytes are strictly UTF-8
// with some non-ASCII among them; it is then converted. Any other document is read as GBK. False when
// the document has no root element or its markup is broken.
bool ReadXmlRootChildTexts(const std::string& document, std::vector<std::string>& texts);
