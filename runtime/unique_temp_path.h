#pragma once
// Test support: a file name that no other test process picks at the same time. Test programs of
// several builds (and several checkouts) run at once and share the temporary folder.
#include <chrono>
#include <random>
#include <string>

// folder ends in a separator; extension includes its dot.
inline std::string UniqueTempPath(const std::string& folder, const std::string& stem, const std::string& extension)
{
    std::random_device device;
    unsigned long long mix = device() ^ static_cast<unsigned long long>(
                                            std::chrono::steady_clock::now().time_since_epoch().count());
    return folder + stem + "_" + std::to_string(mix % 1000000007ULL) + extension;
}
