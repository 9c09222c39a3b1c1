// Every export file under a decimal-comma locale (fr_FR.UTF-8): the same bytes as under "C".
#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <locale>
#include <sstream>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

#include "board/station_sections.h"
#include "develop/end_plates.h"
#include "export/export_commands.h"
#include "support/test_hulls.h"

namespace voriel {
namespace {

// glibc keeps the search path of a locale loaded through LOCPATH for good; the leak checker is
// told so while locales are loaded.
struct LocaleLoading {
#if defined(__SANITIZE_ADDRESS__)
    __lsan::ScopedDisabler disabler;
#endif
};

// Makes fr_FR.UTF-8 the process's C and C++ locale, building it into a temporary folder with
// localedef when the machine lacks it; restores "C" when done.
class FrenchLocale {
public:
    FrenchLocale() {
        [[maybe_unused]] const LocaleLoading loading;
        if (std::setlocale(LC_ALL, "fr_FR.UTF-8")) {
            active_ = true;
        } else {
            char tmpl[] = "/tmp/voriel-locale-XXXXXX";
            if (!mkdtemp(tmpl)) return;
            folder_ = tmpl;
            const std::string cmd = "localedef -i fr_FR -f UTF-8 '" + folder_ + "/fr_FR.UTF-8' >'" +
                                    folder_ + "/log' 2>&1";
            localedefStatus_ = std::system(cmd.c_str());
            setenv("LOCPATH", folder_.c_str(), 1);
            active_ = std::setlocale(LC_ALL, "fr_FR.UTF-8") != nullptr;
        }
        if (active_) std::locale::global(std::locale("fr_FR.UTF-8"));
    }
    ~FrenchLocale() {
        [[maybe_unused]] const LocaleLoading loading;
        std::locale::global(std::locale::classic());
        std::setlocale(LC_ALL, "C");
        if (!folder_.empty()) {
            unsetenv("LOCPATH");
            std::system(("rm -rf '" + folder_ + "'").c_str());
        }
    }
    bool active() const { return active_; }
    std::string why() const {
        return "fr_FR.UTF-8 is not installed and localedef (status " +
               std::to_string(localedefStatus_) + ") could not build it in " + folder_;
    }

private:
    bool active_ = false;
    int localedefStatus_ = 0;
    std::string folder_;
};

struct Desk {
    Hull hull;
    BoardState board;
    std::vector<ExportFile> files;
};

// A hull at the given stage with every file of every export command.
Desk desk(Hull h, int16_t stage) {
    Desk d{std::move(h), {}, {}};
    d.board.ChineView = stage;
    ComputeAllStationSections(d.hull, d.board);
    std::string box = "2,57";
    d.files = EveryExportFile(d.hull, d.board, box);
    return d;
}

Hull pramBowHull() {
    for (uint32_t seed = 1;; ++seed) {
        Hull h = test::RandomHull(seed);
        if (HasBowPlate(h)) return h;
    }
}

TEST(DecimalCommaLocale, EveryFileIsWrittenWithPointsWhateverTheLocale) {
    std::vector<Desk> desks = {desk(test::ValidatedDefaultHull(), 1),
                               desk(test::ValidatedDefaultHull(), 0), desk(pramBowHull(), 1)};
    desks[0].hull.Language = 0;
    desks[2].hull.Language = 1;
    std::vector<std::string> underC;
    for (const Desk& d : desks)
        for (const ExportFile& f : d.files) underC.push_back(ExportText(f, d.hull, d.board));

    FrenchLocale french;
    ASSERT_TRUE(french.active()) << french.why();
    // The locale really writes decimal commas, for C and C++ formatting alike.
    char buf[16];
    std::snprintf(buf, sizeof buf, "%.1f", 1.5);
    ASSERT_STREQ(buf, "1,5");
    std::ostringstream stream;
    stream << 1.5;
    ASSERT_EQ(stream.str(), "1,5");

    std::size_t k = 0;
    for (const Desk& d : desks) {
        for (const ExportFile& f : d.files) {
            const std::string text = ExportText(f, d.hull, d.board);
            EXPECT_EQ(text, underC[k++]) << f.dialog.proposedName;
            for (std::size_t i = 1; i + 1 < text.size(); ++i)
                if (text[i] == ',' && std::isdigit(static_cast<unsigned char>(text[i - 1])) &&
                    std::isdigit(static_cast<unsigned char>(text[i + 1]))) {
                    ADD_FAILURE() << f.dialog.proposedName << ": decimal comma at byte " << i;
                    break;
                }
        }
    }
    EXPECT_EQ(k, underC.size());
    EXPECT_GT(k, 30u);
}

}  // namespace
}  // namespace voriel
