// voriel-cli mass: a row that would show " Inf." and drop out of the total is refused instead.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/cli_run.h"

namespace {

using voriel::test::CliRun;
using voriel::test::CliTest;

TEST_F(CliTest, MassRowsThatAreNotFiniteAreRefused) {
    ASSERT_EQ(run({"design", "-o", path("boat.D50")}).status, 0);
    const std::string boat = path("boat.D50");
    for (const std::vector<std::string>& typed :
         {std::vector<std::string>{"density.1=1e308"}, {"mass.13=1e308", "x.13=5"}}) {
        std::vector<std::string> args = {"mass", boat, "--float"};
        args.insert(args.end(), typed.begin(), typed.end());
        const CliRun r = run(args);
        EXPECT_EQ(r.status, 1) << typed[0];
        EXPECT_EQ(r.err, "voriel-cli: " + boat +
                             ": Values too large: the totals are not finite numbers\n");
        EXPECT_EQ(r.out, "");
    }
}

}  // namespace
