#pragma once
// Tests of the shipped data: the path of the database file the build made (BN_DATABASE_PATH), as
// the test process sees it.
#include <string>

inline std::string ShippedDatabasePath()
{
    std::string path = BN_DATABASE_PATH;
#ifdef _WIN32
    // The build runs on Linux; under Wine the root folder is drive Z:.
    if (!path.empty() && path[0] == '/') {
        for (char& c : path)
            if (c == '/')
                c = '\\';
        path = "Z:" + path;
    }
#endif
    return path;
}
