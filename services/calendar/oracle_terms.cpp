#include "oracle_terms.h"

#include "calendar/astro_time.h"
#include "fixture_file.h"

#include <sstream>

long long ChinaSeconds(int year, int month, int day, int hour, int minute, int second)
{
    return cal::DayNumberFromCivil(year, month, day) * 86400LL + hour * 3600 + minute * 60 + second;
}

OracleTerms ReadOracleTerms()
{
    OracleTerms terms;
    for (const std::string& line : ReadFixtureLines("solar_terms.txt")) {
        std::istringstream in(line);
        int year;
        in >> year;
        std::vector<long long>& instants = terms[year];
        instants.assign(1, 0);  // n counts from 1
        std::string t;
        while (in >> t && t.size() == 10) {
            auto part = [&](int at) { return std::stoi(t.substr(at, 2)); };
            instants.push_back(ChinaSeconds(year, part(0), part(2), part(4), part(6), part(8)));
        }
    }
    return terms;
}
