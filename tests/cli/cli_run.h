// Running the voriel-cli binary from a test, in a temporary folder of its own.
#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "support/case_lines.h"

namespace voriel::test {

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

// The names of the exact hydrostatic figures in the JSON of hydro, curves and stability.
inline std::vector<std::string> ExactFigureNames() {
    std::istringstream in(
        "volume displacementFresh displacementSea waterlineLength waterlineBeam draft buoyancy "
        "waterplaneArea LCF KB BMt BMl KMt KMl Cb Cp Cm Cwp wettedSurface");
    return {std::istream_iterator<std::string>(in), std::istream_iterator<std::string>()};
}

// The default hull as voriel-cli design saves it (DesignAndDrawGiveTheGoldenFiles proves it so).
inline std::string BoatFile() {
    return TestData("golden/d50/boat.D50");
}

// The lines of a command's output, each ended by a line break.
inline std::vector<std::string> OutputLines(const std::string& text) {
    std::vector<std::string> out;
    std::size_t start = 0;
    for (auto end = text.find('\n'); end != std::string::npos; end = text.find('\n', start)) {
        out.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return out;
}

// The cases a list under tests/golden names: each line not a comment cut into its words.
inline std::vector<std::vector<std::string>> ListedCases(const std::string& list) {
    std::vector<std::vector<std::string>> out;
    for (const std::string& line : CaseLines(list)) {
        std::istringstream words(line);
        out.emplace_back(std::istream_iterator<std::string>(words),
                         std::istream_iterator<std::string>());
    }
    return out;
}

// On a difference, scripts/update-golden.sh rewrites the golden file for review in git diff.
inline void ExpectGolden(const std::string& got, const std::string& golden) {
    const std::string expected = Slurp(TestData(golden));
    ASSERT_FALSE(expected.empty()) << golden << " is missing";
    EXPECT_TRUE(got == expected) << golden << " differs";
}

// A fixture with a temporary folder and a way to run voriel-cli with stdout and stderr captured.
class CliTest : public ::testing::Test {
protected:
    void SetUp() override {
        char tmpl[] = "/tmp/voriel-cli-XXXXXX";
        dir_ = mkdtemp(tmpl);
    }
    void TearDown() override { std::system(("rm -rf '" + dir_ + "'").c_str()); }

    // Runs voriel-cli with the arguments, each single-quoted for the shell, after the shell
    // commands `before` ("ulimit -f 40;"). A run that hangs is stopped after a minute (status
    // 124), so that a command waiting forever fails its test instead of hanging it.
    CliRun run(const std::vector<std::string>& args, const std::string& before = "") const {
        std::string cmd = before + "timeout 60 '" + VORIEL_CLI_PATH + "'";
        for (const auto& a : args) cmd += " '" + a + "'";
        cmd += " >'" + dir_ + "/out' 2>'" + dir_ + "/err'";
        const int raw = std::system(cmd.c_str());
        return {WEXITSTATUS(raw), Slurp(dir_ + "/out"), Slurp(dir_ + "/err")};
    }
    std::string path(const std::string& name) const { return dir_ + "/" + name; }

    // What a command prints, which must succeed with nothing on stderr; or that as JSON.
    std::string out(const std::vector<std::string>& args) const {
        const CliRun r = run(args);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.err, "");
        return r.out;
    }
    nlohmann::json json(const std::vector<std::string>& args) const {
        return nlohmann::json::parse(out(args), nullptr, false);
    }

    std::string dir_;
};

}  // namespace voriel::test
