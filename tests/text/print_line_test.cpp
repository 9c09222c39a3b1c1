// The printed-line builder: print zones, Tab(n) and number items, as a print statement lays them.
#include "text/print_line.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace voriel {
namespace {

struct Case {
    const char* name;
    std::function<void(PrintLine&)> build;
    const char* expected;
};

TEST(PrintLine, ItemsZonesTabsAndNumbers) {
    const Case cases[] = {
        {"items joined directly", [](PrintLine& l) { l.text("ab").text("cd"); }, "abcd"},
        {"a leading zone moves to column 15", [](PrintLine& l) { l.zone().text("x"); },
         "              x"},
        {"two zones reach column 29", [](PrintLine& l) { l.zone().zone().text("x"); },
         "                            x"},
        {"a short item then a zone", [](PrintLine& l) { l.text("Voriel 2000").zone().text("b"); },
         "Voriel 2000   b"},
        {"an item of 13 columns still moves to 15",
         [](PrintLine& l) { l.text("1234567890123").zone().text("b"); }, "1234567890123 b"},
        {"an item filling the zone moves a whole zone",
         [](PrintLine& l) { l.text("12345678901234").zone().text("b"); },
         "12345678901234              b"},
        {"an item running into the second zone goes to the third",
         [](PrintLine& l) { l.text("123456789012345").zone().text("b"); },
         "123456789012345             b"},
        {"an accented letter takes one column",
         [](PrintLine& l) { l.text("développé").zone().text("b"); }, "développé     b"},
        {"Tab(5) from the start", [](PrintLine& l) { l.tab(5).text("pt"); }, "    pt"},
        {"Tab to the next column adds nothing",
         [](PrintLine& l) { l.text("abcd").tab(5).text("e"); }, "abcde"},
        {"Tab to a column passed keeps one blank",
         [](PrintLine& l) { l.text("abcdef").tab(5).text("g"); }, "abcdef g"},
        {"Tab below 1 counts as 1", [](PrintLine& l) { l.tab(0).text("a"); }, "a"},
        {"a positive number has a blank each side", [](PrintLine& l) { l.number(5); }, " 5 "},
        {"a negative number its minus sign", [](PrintLine& l) { l.number(-2.5); }, "-2.5 "},
        {"a fraction prints without its zero", [](PrintLine& l) { l.number(0.25); }, " .25 "},
        {"Bmax then the number falls under Tab(5)'s number",
         [](PrintLine& l) { l.text("Bmax").number(41).zone().text("x"); }, "Bmax 41       x"},
        {"Tab(5), number and formatted values in zones",
         [](PrintLine& l) {
             l.tab(5)
                 .number(3)
                 .zone()
                 .formatted(0.15, "#0.000")
                 .zone()
                 .formatted(-0.0134, "#0.000");
         },
         "     3        0.150         -0.013"},
        {"a formatted item has no added blanks",
         [](PrintLine& l) { l.text("[").formatted(12, "00.0").text("]"); }, "[12.0]"},
        {"a number mid-line between words",
         [](PrintLine& l) {
             l.text(" coté bouchain").number(2).text(" Chine").number(2).text(" egde");
         },
         " coté bouchain 2  Chine 2  egde"},
    };
    for (const Case& c : cases) {
        PrintLine line;
        c.build(line);
        EXPECT_EQ(line.str(), c.expected) << c.name;
    }
}

}  // namespace
}  // namespace voriel
