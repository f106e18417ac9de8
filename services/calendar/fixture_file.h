#pragma once
// Test helper: the data lines of a fixture file (tools/gen/gen_calendar_fixtures.sh), read from the
// "fixtures" folder beside the test program; comment lines (#) and empty lines are skipped.
#include <string>
#include <vector>

std::vector<std::string> ReadFixtureLines(const std::string& name);
