#pragma once
// A small XML reader for the skin list: the texts of the root element's children, in order.
#include <string>
#include <vector>

// Reads the children of the root element of an XML document (bytes as stored in the file) and gives
// each child's text content (entities decoded, CDATA kept, nested markup's texts joined) as GBK:
// a document declared or detected as UTF-8 is converted. False when the document has no root element
// or its markup is broken.
bool ReadXmlRootChildTexts(const std::string& document, std::vector<std::string>& texts);
