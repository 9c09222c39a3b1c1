// The printed-line builder: print zones, Tab(n) and number items, as a print statement lays them
// (the cases are data: tests/golden/print_line/cases.txt).
#include "text/print_line.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "support/test_data.h"

namespace voriel {
namespace {

TEST(PrintLine, ItemsZonesTabsAndNumbers) {
    std::ifstream in(test::TestData("golden/print_line/cases.txt"));
    int cases = 0;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') continue;
        const auto built = line.rfind("=[");
        PrintLine l;
        std::istringstream items(line.substr(0, built));
        for (std::string item; std::getline(items, item, '|');) {
            const std::string kind = item.substr(0, item.find(':'));
            const std::string arg = item.substr(item.find(':') + 1);
            if (kind == "t")
                l.text(arg);
            else if (kind == "z")
                l.zone();
            else if (kind == "tab")
                l.tab(std::stoi(arg));
            else if (kind == "n")
                l.number(std::stod(arg));
            else if (kind == "f")
                l.formatted(std::stod(arg), arg.substr(arg.find(':') + 1));
            else
                ADD_FAILURE() << "unknown item " << item;
        }
        EXPECT_EQ("[" + l.str() + "]", line.substr(built + 1)) << line;
        ++cases;
    }
    EXPECT_GE(cases, 19);  // the whole file was read
}

}  // namespace
}  // namespace voriel
