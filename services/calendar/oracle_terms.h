#pragma once
// Test helper: the oracle's solar-term instants from fixtures/solar_terms.txt, as seconds of China's
// time counted from day number 0, indexed [year][n] with n = 1 to 24 counted from 立春.
#include <map>
#include <string>
#include <vector>

using OracleTerms = std::map<int, std::vector<long long>>;

OracleTerms ReadOracleTerms();
long long ChinaSeconds(int year, int month, int day, int hour, int minute, int second);
