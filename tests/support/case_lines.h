// The hand-written case tables under tests/golden: one case a line, fields split at a separator.
#pragma once

#include <fstream>
#include <string>
#include <vector>

#include "support/test_data.h"

namespace voriel::test {

// The cases of a table (its path under tests/): every line but blank ones and "#" comments.
inline std::vector<std::string> CaseLines(const std::string& table) {
    std::ifstream in(TestData(table));
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        if (!line.empty() && line[0] != '#') lines.push_back(line);
    return lines;
}

// The fields of a case, split at every separator (an empty field stays).
inline std::vector<std::string> Split(const std::string& line, char separator) {
    std::vector<std::string> fields;
    for (std::size_t at = 0, end = 0; end != std::string::npos; at = end + 1)
        fields.push_back(line.substr(at, (end = line.find(separator, at)) - at));
    return fields;
}

}  // namespace voriel::test
