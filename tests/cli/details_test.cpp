// brisel-convert --details, --strict and --verify on real files.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "tests/cli/cli_runner.h"

namespace {

namespace fs = std::filesystem;
using namespace brisel::test;
using Strings = std::vector<std::string>;

class Details : public testing::Test {
protected:
    void WriteSource(const std::string& name, const std::string& bytes) { WriteFile(dir_ / name, bytes); }
    std::string DataFile(const std::string& name) { return TestData(name); }
    Outcome Convert(const std::string& args) { return RunConvert(dir_, args); }

    TempFolder folder_;
    const fs::path& dir_ = folder_.Path();
};

const Strings kEveryProblem = {
    "every.net:1: warning: the first line \"!PADS-POWERPCB-V4.0\" names no supported format",
    "Source File - Warning: The netlist data is not recognized as a supported format. The new netlist may "
    "contain errors.",
    "every.net:3: warning: part ID \"\" is empty",
    "every.net:6: warning: part name \"name\\\"quote\" holds the unexpected character 0x22",
    "every.net:7: warning: part ID \"" + std::string(60, 'x') + "...\" has 250 characters; 249 is the most",
    "every.net:11: warning: pin \"A1\" of part \"U3\" is not a plain positive number",
    "every.net:12: warning: pin reference \"Q9.1\" names part \"Q9\", which is not in the part list; it was "
    "left out",
    "every.net:13: warning: net name \"N\\x09X\" holds the unexpected character 0x09",
    "every.net:14: warning: \"junk\" in net \"N\\x09X\" has no full stop and comes before the net's first pin "
    "reference; it was left out",
    "every.net:15: warning: net name \"\" is empty",
    "every.net:16: warning: pin \"0\" of part \"C1\" is not a plain positive number",
};

// The same lines for LF and CR LF sources, with references joined from
// several lines reported where they stand.
TEST_F(Details, EveryKindAtItsSourceLine) {
    const std::string lf = DataFile("every_problem.net");
    std::string crlf;
    for (char c : lf) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    for (const std::string& source : {lf, crlf}) {
        WriteSource("every.net", source);
        const Outcome run = Convert("--details every.net out.net");
        EXPECT_EQ(run.status, 0);
        ASSERT_GE(run.err.size(), kEveryProblem.size());
        EXPECT_EQ(Strings(run.err.begin(), run.err.begin() + static_cast<long>(kEveryProblem.size())), kEveryProblem);
        // then the end-of-run warnings, unchanged: names, characters, pins, left out
        EXPECT_EQ(run.err.size(), kEveryProblem.size() + 4);
    }
}

TEST_F(Details, MissingSectionsAndThePerKindCap) {
    std::string source = "*PADS-PCB*\n*SIGNAL* A\n";
    for (int i = 0; i < 150; ++i) source.append("Q").append(std::to_string(i)).append(".1\n");
    WriteSource("cap.net", source + "*END*\n");
    const Outcome run = Convert("--details cap.net out.net");
    EXPECT_EQ(run.status, 0);
    ASSERT_FALSE(run.err.empty());
    EXPECT_EQ(run.err[0],
              "cap.net:3: warning: pin reference \"Q0.1\" names part \"Q0\", which is not in the part "
              "list; it was left out");
    EXPECT_EQ(run.err[99].rfind("cap.net:102: warning: pin reference \"Q99.1\"", 0), 0u);
    EXPECT_EQ(run.err[100], "cap.net: warning: no part section (\"*PART*\") was found");
    EXPECT_EQ(run.err[101], "cap.net: warning: no net section (\"*NET*\") was found");
    EXPECT_EQ(run.err.back(),
              "cap.net: warning: 50 more of the kind \"pin reference to a part not in the part list\" not shown");
}

TEST_F(Details, WithoutTheOptionNothingChanges) {
    WriteSource("every.net", DataFile("every_problem.net"));
    const Outcome run = Convert("every.net out.net");
    for (const auto& line : run.err) EXPECT_EQ(line.find(": warning: "), std::string::npos) << line;
}

TEST_F(Details, StrictAndVerifyExitCodes) {
    WriteSource("good.net", DataFile("worked_example.net"));
    WriteSource("every.net", DataFile("every_problem.net"));
    struct Case {
        const char* args;
        int status;
        const char* lastOut;
    };
    const Case cases[] = {
        {"--strict good.net a.net", 0, nullptr},
        {"--strict every.net b.net", 3, nullptr},
        {"--verify good.net c.net", 0, "verified: 2 nets, 5 connections"},
        {"--verify --strict every.net d.net", 3, "verified: 3 nets, 7 connections"},
        {"--strict none.net e.net", 1, nullptr},
    };
    for (const auto& c : cases) {
        const Outcome run = Convert(c.args);
        EXPECT_EQ(run.status, c.status) << c.args;
        if (c.lastOut) {
            ASSERT_FALSE(run.out.empty()) << c.args;
            EXPECT_EQ(run.out.back(), c.lastOut) << c.args;
        }
    }
}

}  // namespace
