// Every number of every export file of many random hulls is a finite number.
#include <gtest/gtest.h>

#include <cctype>

#include "board/station_sections.h"
#include "export/export_commands.h"
#include "support/test_hulls.h"

namespace voriel {
namespace {

// Where Str or Format wrote a non-finite value ("NaN", "Inf", "-Inf"), as a word of its own;
// npos when there is none ("NavigationInfo" of the scene is no number).
std::size_t nonFinite(const std::string& text) {
    for (const char* word : {"NaN", "Inf"}) {
        for (auto at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) {
            const bool letterBefore =
                at > 0 && std::isalpha(static_cast<unsigned char>(text[at - 1]));
            const bool letterAfter =
                at + 3 < text.size() && std::isalpha(static_cast<unsigned char>(text[at + 3]));
            if (!letterBefore && !letterAfter) return at;
        }
    }
    return std::string::npos;
}

TEST(ExportedNumbers, NonFiniteValuesWouldBeFound) {
    EXPECT_NE(nonFinite("  1.0000 \r\n" + std::string("NaN ")), std::string::npos);
    EXPECT_NE(nonFinite(" -Inf\t +0.000 "), std::string::npos);
    EXPECT_EQ(nonFinite("    NavigationInfo { headlight FALSE } "), std::string::npos);
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
                EXPECT_EQ(nonFinite(text), std::string::npos)
                    << "seed " << seed << " stage " << stage << " " << f.dialog.proposedName;
            }
        }
    }
}

}  // namespace
}  // namespace voriel
