#pragma once
// Simplified -> traditional Chinese inside GBK, character by character and in place: every two-byte
// character that has a traditional form in GBK is replaced by it (刘 becomes 劉), so the text keeps its
// length. Characters without a traditional form and one-byte characters stay as they are.
#include <string>

// Returns the number of characters replaced.
int ConvertToTraditional(std::string& text);
