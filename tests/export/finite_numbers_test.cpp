// Every number of every export file of many random hulls is a finite number.
#include <gtest/gtest.h>

#include "board/station_sections.h"
#include "export/export_commands.h"
#include "support/finite_text.h"
#include "support/test_hulls.h"

namespace voriel {
namespace {

using test::NonFiniteWord;

TEST(ExportedNumbers, NonFiniteValuesWouldBeFound) {
    EXPECT_NE(NonFiniteWord("  1.0000 \r\n" + std::string("NaN ")), std::string::npos);
    EXPECT_NE(NonFiniteWord(" -Inf\t +0.000 "), std::string::npos);
    EXPECT_EQ(NonFiniteWord("    NavigationInfo { headlight FALSE } "), std::string::npos);
}

TEST(ExportedNumbers, NoNaNOrInfinityInAnyFileOfRandomHulls) {
    for (uint32_t seed = 1000; seed < 1100; ++seed) {
        const Hull h = test::RandomHull(seed);
        for (const int16_t stage : {0, 1}) {
            BoardState b;
            b.ChineView = stage;
            ComputeAllStationSections(h, b);
            std::string box = std::to_string(seed % 23) + ",5";
            std::vector<ExportFile> files;
            for (const auto& cmd :
                 {LinesXyzCommand(h), LinesDxfCommand(h), DevelopmentXyzCommand(h, b),
                  DevelopmentDxfCommand(h, b), StationDxfCommand(h, b, box), VrmlCommand(h)})
                files.insert(files.end(), cmd.begin(), cmd.end());
            for (const ExportFile& f : files) {
                const std::string text = ExportText(f, h, b);
                EXPECT_EQ(NonFiniteWord(text), std::string::npos)
                    << "seed " << seed << " stage " << stage << " " << f.dialog.proposedName;
            }
        }
    }
}

}  // namespace
}  // namespace voriel
