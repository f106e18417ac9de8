#include "files.h"

#include "runtime/file_replace.h"

#include <cstdio>

namespace {

// True when the open file holds a byte at offset `most`, that is more than `most` bytes; leaves the
// file at its start.
bool LongerThan(std::FILE* f, size_t most)
{
    if (most > 0x7FFFFFFF)
        return false;  // beyond what a seek may name; the reading loop bounds it
    const bool longer = std::fseek(f, static_cast<long>(most), SEEK_SET) == 0 && std::fgetc(f) != EOF;
    std::rewind(f);
    return longer;
}

bool ReadBounded(const std::string& path, size_t most, std::string& bytes)
{
    bytes.clear();
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        return false;
    bool ok = !LongerThan(f, most);
    char buffer[65536];
    size_t n;
    while (ok && (n = std::fread(buffer, 1, sizeof buffer, f)) > 0) {
        ok = n <= most - bytes.size();  // grown since the look at its length
        if (ok)
            bytes.append(buffer, n);
    }
    ok = ok && !std::ferror(f);
    std::fclose(f);
    if (!ok)
        std::string().swap(bytes);
    return ok;
}

}  // namespace

bool ReadFileBytes(const std::string& path, std::string& bytes)
{
    return ReadBounded(path, static_cast<size_t>(-1), bytes);
}

bool ReadFileBytesAtMost(const std::string& path, size_t most, std::string& bytes)
{
    return ReadBounded(path, most, bytes);
}

bool WriteFileBytes(const std::string& path, const std::string& bytes)
{
    return ReplaceFileWhole(path, bytes);
}

bool FileExists(const std::string& path)
{
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        return false;
    std::fclose(f);
    return true;
}
