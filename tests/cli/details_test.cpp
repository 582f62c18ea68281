// brisel-convert --details, --strict and --verify on real files.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "tests/support/convert_program.h"
#include "tests/support/temp_folder.h"
#include "tests/support/text_files.h"

namespace {

namespace fs = std::filesystem;
using namespace brisel::test;

class Details : public testing::Test {
protected:
    void WriteSource(const std::string& name, const std::string& bytes) { WriteFile(dir_ / name, bytes); }
    ProgramRun Convert(Strings args) { return RunConvert({std::move(args), dir_}); }

    TempFolder folder_;
    const fs::path& dir_ = folder_.Path();
};

const Strings kEveryProblem = {
    "every.net:1: warning: the first line \"!PADS-POWERPCB-4.0\" names no supported format",
    "Source File - Warning: The netlist data is not recognized as a supported format. The new netlist may "
    "contain errors.",
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
    const std::string lf = TestData("every_problem.net");
    std::string crlf;
    for (char c : lf) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    for (const std::string& source : {lf, crlf}) {
        WriteSource("every.net", source);
        const ProgramRun run = Convert({"--details", "every.net", "out.net"});
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
    const ProgramRun run = Convert({"--details", "cap.net", "out.net"});
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

// A token without a full stop repeats the reference before it; when that
// reference's part is missing, the line says what was repeated. A run of
// spaces separates once and repeats nothing.
TEST_F(Details, ARepeatedLeftOutReferenceSaysWhatItRepeats) {
    WriteSource("repeat.net", "*PADS-PCB*\n*PART*\nU1 X\n\n*NET*\n*SIGNAL* A\nU1.1 A1.3 D4\nA1.2  U1.2\n*END*\n");
    const ProgramRun run = Convert({"--details", "repeat.net", "out.net"});
    EXPECT_EQ(
        run.err,
        (Strings{"repeat.net:7: warning: pin reference \"A1.3\" names part \"A1\", which is not in the part list; "
                 "it was left out",
                 "repeat.net:7: warning: the token \"D4\" has no full stop, so it repeats the part of the "
                 "reference before it, \"A1\", which is not in the part list; it was left out",
                 "repeat.net:8: warning: pin reference \"A1.2\" names part \"A1\", which is not in the part "
                 "list; it was left out",
                 "Source File - Warning: At least one pin reference names a part that is not in the part list. "
                 "Those pin references were left out of the new netlist. Please correct the source netlist."}));
}

// A pin named again in its net adds no row and no count, and brings no
// warning of its own, but its text is still checked where it stands.
TEST_F(Details, ARepeatedPinIsCheckedWhereItStands) {
    WriteSource("pairs.net",
                "!PADS-POWERPCB-V9.4-MILS!\n*PART*\nU3 X\n*CONNECTION*\n*SIGNAL* A\nU3.A1 U3.2\nU3.2 U3.A1\n*END*\n");
    const ProgramRun run = Convert({"--details", "--verify", "pairs.net", "out.net"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, (Strings{"pairs.net:6: warning: pin \"A1\" of part \"U3\" is not a plain positive number",
                                "pairs.net:7: warning: pin \"A1\" of part \"U3\" is not a plain positive number",
                                "Source File - Warning: An alphanumeric pin number (or pin zero) was detected. Pin "
                                "numbers cannot contain letters (or equal 0) in ExpressPCB. Please correct the source "
                                "netlist. The new netlist may not import properly."}));
    ASSERT_FALSE(run.out.empty());
    EXPECT_EQ(run.out.back(), "verified: 1 nets, 2 connections");
}

TEST_F(Details, WithoutTheOptionNothingChanges) {
    WriteSource("every.net", TestData("every_problem.net"));
    const ProgramRun run = Convert({"every.net", "out.net"});
    for (const auto& line : run.err) EXPECT_EQ(line.find(": warning: "), std::string::npos) << line;
}

TEST_F(Details, StrictAndVerifyExitCodes) {
    WriteSource("good.net", TestData("worked_example.net"));
    WriteSource("every.net", TestData("every_problem.net"));
    struct Case {
        Strings args;
        int status;
        const char* lastOut;
    };
    const Case cases[] = {
        {{"--strict", "good.net", "a.net"}, 0, nullptr},
        {{"--strict", "every.net", "b.net"}, 3, nullptr},
        {{"--verify", "good.net", "c.net"}, 0, "verified: 2 nets, 5 connections"},
        {{"--verify", "--strict", "every.net", "d.net"}, 3, "verified: 3 nets, 5 connections"},
        {{"--strict", "none.net", "e.net"}, 1, nullptr},
    };
    for (const auto& c : cases) {
        const ProgramRun run = Convert(c.args);
        SCOPED_TRACE(testing::PrintToString(c.args));
        EXPECT_EQ(run.status, c.status);
        if (c.lastOut) {
            ASSERT_FALSE(run.out.empty());
            EXPECT_EQ(run.out.back(), c.lastOut);
        }
    }
}

struct RuleCase {
    const char* why;
    std::string source;
    Strings risks;  // the lines --verify warns with
    const char* verified;
};

void PrintTo(const RuleCase& ruleCase, std::ostream* out) { *out << ruleCase.why; }

class VerifyFollowsTheRules : public Details, public testing::WithParamInterface<RuleCase> {};

// The target is what the conversion's rules write, so it verifies; where
// ExpressPCB will not read it as meant, a warning names the source line.
TEST_P(VerifyFollowsTheRules, VerifiesAndWarnsOfImportRisks) {
    const RuleCase& c = GetParam();
    WriteSource("board.net", c.source);
    const ProgramRun run = Convert({"--verify", "board.net", "out.net"});
    EXPECT_EQ(run.status, 0);
    ASSERT_FALSE(run.out.empty());
    EXPECT_EQ(run.out.back(), c.verified);
    Strings risks;
    for (const std::string& line : run.err) {
        if (line.starts_with("board.net:")) risks.push_back(line);
    }
    EXPECT_EQ(risks, c.risks);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Sources, VerifyFollowsTheRules, testing::Values(
    RuleCase{"NoPartSection", "*PADS-PCB*\n*NET*\n*SIGNAL* GND\nC1.1 U1.2\n*END*\n", {},
             "verified: 1 nets, 0 connections"},
    RuleCase{"NetsBeforeParts",
             "*PADS-PCB*\n*NET*\n*SIGNAL* GND\nC1.1\n*PART*\nC1 X\n\n*SIGNAL* VCC\nC1.2\n*END*\n",
             {"board.net:5: warning: the part header comes after net data: its \"Part IDs Table\" stands among the "
              "nets in the new netlist, where ExpressPCB does not expect it"},
             "verified: 2 nets, 1 connections"},
    RuleCase{"ASecondPartHeader", "*PADS-PCB*\n*PART*\nC1 X\n*PART*\nR1 Z\n\n*NET*\n*SIGNAL* GND\nR1.1\n*END*\n",
             {"board.net:4: warning: a second part header: the new netlist gets a second \"Part IDs Table\", and its "
              "parts are numbered from 1 again, so ExpressPCB may take them for the parts of the first table"},
             "verified: 1 nets, 1 connections"},
    RuleCase{"NoNetHeader", "*PADS-PCB*\n*PART*\nC1 X\n\n*SIGNAL* GND\nC1.1\n*END*\n",
             {"board.net:5: warning: the net comes before any \"*NET*\" line: its row stands outside a \"Net Names "
              "Table\" in the new netlist, where ExpressPCB does not expect it"},
             "verified: 1 nets, 1 connections"},
    RuleCase{"ASecondNetHeader", "*PADS-PCB*\n*PART*\nC1 X\n*NET*\n*SIGNAL* A\nC1.1\n*NET*\n*END*\n",
             {"board.net:7: warning: a second \"*NET*\" line: the new netlist gets a second \"Net Names Table\", "
              "which ExpressPCB does not expect"},
             "verified: 1 nets, 1 connections"},
    RuleCase{"AnEmptySource", "", {}, "verified: 0 nets, 0 connections"}
), [](const testing::TestParamInfo<RuleCase>& param) { return std::string(param.param.why); });
// clang-format on

// An import risk is a warning: it counts for --strict, while a converted
// netlist without one keeps exit status 0.
TEST_F(Details, ImportRisksCountForStrict) {
    WriteSource("two.net", "*PADS-PCB*\n*PART*\nC1 X\n*PART*\nR1 Z\n\n*NET*\n*SIGNAL* GND\nR1.1\n*END*\n");
    EXPECT_EQ(Convert({"--verify", "two.net", "a.net"}).status, 0);
    EXPECT_EQ(Convert({"--verify", "--strict", "two.net", "b.net"}).status, 3);
    EXPECT_EQ(Convert({"--strict", "two.net", "c.net"}).status, 0);
}

// The conversion reads a pipe once; the check takes what it read.
TEST_F(Details, VerifiesASourceReadFromAPipe) {
    const ProgramRun run =
        RunConvert({{"--verify", "/dev/stdin", "out.net"}, dir_, -1, TestData("worked_example.net")});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, Strings{});
    ASSERT_FALSE(run.out.empty());
    EXPECT_EQ(run.out.back(), "verified: 2 nets, 5 connections");
}

}  // namespace
