#include "fixture_file.h"

#include <fstream>

std::vector<std::string> ReadFixtureLines(const std::string& name)
{
    std::vector<std::string> lines;
    std::ifstream in("fixtures/" + name, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty() && line[0] != '#')
            lines.push_back(line);
    }
    return lines;
}
