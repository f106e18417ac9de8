#include "runtime/file_replace.h"

#include <cstdio>
#include <unistd.h>

std::string ReplacementPath(const std::string& path)
{
    return path + ".saving";
}

bool ReplaceFileWhole(const std::string& path, const std::string& bytes)
{
    const std::string temporary = ReplacementPath(path);
    std::FILE* f = std::fopen(temporary.c_str(), "wb");
    if (!f)
        return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    ok = std::fflush(f) == 0 && ok;
    ok = fsync(fileno(f)) == 0 && ok;
    ok = std::fclose(f) == 0 && ok;
    ok = ok && std::rename(temporary.c_str(), path.c_str()) == 0;
    if (!ok)
        std::remove(temporary.c_str());
    return ok;
}
