#pragma once
// Replacing a file's content so that a kill at any moment leaves the old file or the new one, whole:
// the bytes go to a temporary file beside it, reach the disk, and then take its place in one step.
#include <string>

// The temporary file a replacement of `path` writes first (same folder, so the final step is a rename).
std::string ReplacementPath(const std::string& path);
// False when the bytes could not be written whole or could not take the file's place; the old file
// is then untouched.
bool ReplaceFileWhole(const std::string& path, const std::string& bytes);
