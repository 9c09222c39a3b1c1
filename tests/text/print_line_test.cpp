// The printed-line builder: print zones, Tab(n) and number items, as a print statement lays them
// (the cases are data: tests/golden/print_line/cases.txt).
#include "text/print_line.h"

#include <gtest/gtest.h>

#include <string>

#include "support/case_lines.h"

namespace voriel {
namespace {

TEST(PrintLine, ItemsZonesTabsAndNumbers) {
    const auto cases = test::CaseLines("golden/print_line/cases.txt");
    EXPECT_GE(cases.size(), 19u);  // the whole file was read
    for (const std::string& line : cases) {
        const auto built = line.rfind("=[");
        PrintLine l;
        for (const std::string& item : test::Split(line.substr(0, built), '|')) {
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
    }
}

}  // namespace
}  // namespace voriel
