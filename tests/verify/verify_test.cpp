#include "verify/verify.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "tests/support/case_names.h"
#include "tests/verify/worded_report.h"

namespace brisel::verify {
namespace {

using Lines = std::vector<std::string>;

const Lines kSource = {"!PADS-POWERPCB-V3.0-MILS!",
                       "*PART*",
                       "C1 0.1uF",
                       "R1 10K",
                       "U1 74HC00",
                       "",
                       "*NET*",
                       "*SIGNAL* GND",
                       "C1.2 U1.7",
                       "*SIGNAL* VCC",
                       "C1.1 U1.14 R1.1",
                       "*END*"};

// The target a conversion writes for kSource; line n is kTarget[n - 1].
const Lines kTarget = {"\"ExpressPCB Netlist\"",
                       "\"Brisel vX.XX test banner\"",
                       "1",
                       "0",
                       "0",
                       "\"\"",
                       "\"\"",
                       "\"\"",
                       "\"Part IDs Table\"",
                       "\"C1\" \"0.1uF\" \"\"",
                       "\"R1\" \"10K\" \"\"",
                       "\"U1\" \"74HC00\" \"\"",
                       "",
                       "\"Net Names Table\"",
                       "\"GND\" 1",
                       "\"VCC\" 3",
                       "",
                       "\"Net Connections Table\"",
                       "1 1 2 2",
                       "1 3 7 0",
                       "2 1 1 4",
                       "2 3 14 5",
                       "2 2 1 0"};

std::string Join(const Lines& lines, const std::string& end = "\r\n") {
    std::string text;
    for (const std::string& line : lines) {
        text += line + end;
    }
    return text;
}

class VerifyTest : public ::testing::Test {
protected:
    static Report Verify(const std::string& sourceText, const std::string& targetText) {
        std::istringstream source(sourceText), target(targetText);
        return VerifyConversion(source, target);
    }
};

TEST_F(VerifyTest, WorkedExampleVerifies) {
    const Report report = Verify(Join(kSource), Join(kTarget));
    EXPECT_TRUE(report.ok);
    EXPECT_EQ(report.nets, 2);
    EXPECT_EQ(report.connections, 5);
    EXPECT_EQ(Worded(report), Lines{});
}

TEST_F(VerifyTest, SourceLineEndsDoNotMatter) {
    EXPECT_TRUE(Verify(Join(kSource, "\n"), Join(kTarget)).ok);
    EXPECT_TRUE(Verify(Join(kSource, "\r"), Join(kTarget)).ok);
}

TEST_F(VerifyTest, TargetLineEndsMustBeCrLf) {
    const Report report = Verify(Join(kSource), Join(kTarget, "\n"));
    EXPECT_FALSE(report.ok);
    EXPECT_EQ(Worded(report), Lines{"target line 1: line end is LF, not CR LF (22 more lines like it)"});
}

TEST_F(VerifyTest, MissingFinalLineEndIsCaught) {
    std::string target = Join(kTarget);
    target.resize(target.size() - 2);
    EXPECT_EQ(Worded(Verify(Join(kSource), target)), Lines{"target line 23: line end is missing, not CR LF"});
}

TEST_F(VerifyTest, MissingTargetIsReported) {
    const Report report = Verifier().CheckTarget("/nonexistent-brisel-folder/none.net");
    EXPECT_FALSE(report.ok);
    EXPECT_EQ(Worded(report), Lines{"cannot read the target file '/nonexistent-brisel-folder/none.net': No such file "
                                    "or directory"});
}

TEST_F(VerifyTest, EmptyNetsEmptyPinsAndQuotesVerify) {
    const Lines source = {"*PADS-PCB*", "*PART*",     "U1 NAND GATE", "J\"1 CONN",     "",     "*NET*", "*SIGNAL* NC",
                          "*SIG* A\"B", "U1. j\"1.2", "u1.3",         "*SIGNAL* LAST", "*END*"};
    const Lines target = {"\"ExpressPCB Netlist\"",
                          "\"Brisel vX.XX x\"",
                          "1",
                          "0",
                          "0",
                          "\"\"",
                          "\"\"",
                          "\"\"",
                          "\"Part IDs Table\"",
                          "\"U1\" \"NAND GATE\" \"\"",
                          "\"J\"1\" \"CONN\" \"\"",
                          "",
                          "\"Net Names Table\"",
                          "\"NC\" 1",
                          "\"A\"B\" 1",
                          "\"LAST\" 4",
                          "",
                          "\"Net Connections Table\"",
                          "2 1  2",
                          "2 2 2 3",
                          "2 1 3 0"};
    const Report report = Verify(Join(source), Join(target));
    EXPECT_EQ(Worded(report), Lines{});
    EXPECT_EQ(report.nets, 3);
    EXPECT_EQ(report.connections, 3);
}

TEST_F(VerifyTest, LeftOutReferencesAreNotExpected) {
    Lines source = kSource;
    source[8] = "GND C1.2 X9.1 U1.7";
    EXPECT_EQ(Worded(Verify(Join(source), Join(kTarget))), Lines{});
}

// A pin the source names again within a net gets one connection.
TEST_F(VerifyTest, ARepeatedSourcePinIsExpectedOnce) {
    Lines source = kSource;
    source[8] = "C1.2  U1.7\tc1.2 C1.2 junk";
    source.insert(source.begin() + 9, " U1.7");
    EXPECT_EQ(Worded(Verify(Join(source), Join(kTarget))), Lines{});
}

TEST_F(VerifyTest, APinWrittenTwiceIsCaught) {
    Lines source = kSource;
    source[8] = "C1.2 U1.7 C1.2";
    Lines target(kTarget.begin(), kTarget.begin() + 18);
    target[15] = "\"VCC\" 4";
    for (const char* row : {"1 1 2 2", "1 3 7 3", "1 1 2 0", "2 1 1 5", "2 3 14 6", "2 2 1 0"}) target.push_back(row);
    EXPECT_EQ(Worded(Verify(Join(source), Join(target))),
              Lines{"net \"GND\" (net 1): 3 connections in the target, 2 expected from the source"});
}

struct Damage {
    const char* why;
    int line;             // 1-based line of kTarget to replace
    const char* replace;  // nullptr removes the line
    Lines expected;
};

void PrintTo(const Damage& damage, std::ostream* out) { *out << damage.why; }

class DamagedTargetTest : public VerifyTest, public ::testing::WithParamInterface<Damage> {};

TEST_P(DamagedTargetTest, IsCaughtWithClearLines) {
    const Damage& d = GetParam();
    Lines target = kTarget;
    if (d.replace == nullptr) {
        target.erase(target.begin() + (d.line - 1));
    } else {
        target[static_cast<std::size_t>(d.line - 1)] = d.replace;
    }
    const Report report = Verify(Join(kSource), Join(target));
    EXPECT_FALSE(report.ok) << d.why;
    EXPECT_EQ(Worded(report), d.expected) << d.why;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, DamagedTargetTest, ::testing::Values(
    Damage{"broken chain", 21, "2 1 1 9",
           {"net 2: chain breaks at connection 3 (next 9 is not in the net)"}},
    Damage{"chain runs backwards", 21, "2 1 1 2",
           {"net 2: chain goes backwards at connection 3 (next 2)"}},
    Damage{"chain ends early", 19, "1 1 2 0",
           {"net 1: chain reaches 1 of the 2 connections with this net number"}},
    Damage{"net starts at the wrong connection", 16, "\"VCC\" 4",
           {"net 2: chain reaches 2 of the 3 connections with this net number"}},
    Damage{"net starts in another net", 16, "\"VCC\" 2",
           {"net 2: first connection 2 is not in the net"}},
    Damage{"part number out of range", 22, "2 99 14 5",
           {"connection 4: part number 99 out of range 1..3",
            "net \"VCC\" (net 2): the target's connections name other pins than the source's references (line 10)"}},
    Damage{"net number out of range", 20, "7 3 7 0",
           {"connection 2: net number 7 out of range 1..2",
            "net 1: chain breaks at connection 1 (next 2 is not in the net)",
            "net \"GND\" (net 1): 1 connections in the target, 2 expected from the source"}},
    Damage{"pin moved to another net", 20, "1 3 14 0",
           {"net \"GND\" (net 1): the target's connections name other pins than the source's references (line 8)"}},
    Damage{"pin points at the wrong part", 19, "1 2 2 2",
           {"net \"GND\" (net 1): the target's connections name other pins than the source's references (line 8)"}},
    Damage{"pin listed twice", 22, "2 1 1 5",
           {"net \"VCC\" (net 2): the target's connections name other pins than the source's references (line 10)"}},
    Damage{"missing row", 23, nullptr,
           {"net 2: chain breaks at connection 4 (next 5 is not in the net)",
            "net \"VCC\" (net 2): 2 connections in the target, 3 expected from the source"}},
    Damage{"part renamed", 11, "\"R1\" \"10k\" \"\"",
           {"tables: the target's part rows hold other IDs or names than the source's part lines"}},
    Damage{"part table title repeated", 12, "\"Part IDs Table\"",
           {"connection 2: part number 3 out of range 1..2",
            "connection 4: part number 3 out of range 1..2",
            "tables: the target has the header, 2 \"Part IDs Table\", 2 part rows, 1 \"Net Names Table\"; the "
            "source gives the header, 1 \"Part IDs Table\", 3 part rows, 1 \"Net Names Table\"",
            "net \"GND\" (net 1): the target's connections name other pins than the source's references (line 8)",
            "net \"VCC\" (net 2): the target's connections name other pins than the source's references (line 10)"}},
    Damage{"wrong net name", 15, "\"GDN\" 1",
           {"net 1: name \"GDN\" in the target, \"GND\" in the source (line 8)"}},
    Damage{"control character in a net name is shown as a code", 15, "\"G\tND\" 1",
           {"net 1: name \"G\\x09ND\" in the target, \"GND\" in the source (line 8)"}},
    Damage{"missing net row", 16, nullptr,
           {"connection 3: net number 2 out of range 1..1",
            "connection 4: net number 2 out of range 1..1",
            "connection 5: net number 2 out of range 1..1",
            "net count: 1 in the target, 2 in the source"}},
    Damage{"bad header line", 3, "2",
           {"target line 3: expected 1 but found: 2"}},
    Damage{"bad banner", 2, "\"Other program\"",
           {"target line 2: expected the banner \"Brisel v...\" but found: \"Other program\""}},
    Damage{"bad first line", 1, "\"ExpressPCB netlist\"",
           {"target line 1: expected \"ExpressPCB Netlist\" but found: \"ExpressPCB netlist\""}},
    Damage{"missing net table title", 14, nullptr,
           {"target line 14: expected \"Net Names Table\" but found: \"GND\" 1"}},
    Damage{"missing empty line before the connections", 17, nullptr,
           {"target line 17: expected a net row \"NAME\" FIRST or an empty line but found: \"Net Connections Table\""}},
    Damage{"malformed part row", 11, "\"R1\" \"10K\"",
           {"target line 11: expected a part row \"ID\" \"NAME\" \"\" or an empty line but found: \"R1\" \"10K\""}},
    Damage{"malformed connection row", 20, "1 3 7",
           {"target line 20: expected a connection row NET PART PIN NEXT but found: 1 3 7"}},
    Damage{"leading zero", 20, "1 03 7 0",
           {"target line 20: expected a connection row NET PART PIN NEXT but found: 1 03 7 0"}}
), test::ByWhy());
// clang-format on

TEST_F(VerifyTest, TruncatedTargetIsCaught) {
    const Lines target(kTarget.begin(), kTarget.begin() + 16);
    EXPECT_EQ(Worded(Verify(Join(kSource), Join(target))),
              Lines{"target ends after line 16, before the \"Net Connections Table\" line"});
}

TEST_F(VerifyTest, EmptyNetMustPointAtTheNextNet) {
    Lines source = kSource;
    source.insert(source.begin() + 7, "*SIGNAL* NC");
    Lines target = kTarget;
    target.insert(target.begin() + 14, "\"NC\" 2");
    for (std::size_t i = 19; i < target.size(); ++i) {
        target[i][0] = static_cast<char>(target[i][0] + 1);
    }
    EXPECT_EQ(Worded(Verify(Join(source), Join(target))),
              Lines{"net 1: has no connections, so its first connection should be 1 (where the next one "
                    "starts), not 2"});
}

TEST_F(VerifyTest, ManyProblemsAreCapped) {
    Lines target(kTarget.begin(), kTarget.begin() + 18);
    for (int i = 0; i < 150; ++i) {
        target.push_back("1 50 1 0");
    }
    const Report report = Verify(Join(kSource), Join(target));
    const std::vector<std::string> worded = Worded(report);
    ASSERT_EQ(worded.size(), 101u);
    EXPECT_EQ(worded.back(), "... and 54 more problems");
    EXPECT_EQ(report.connections, 150);
}

}  // namespace
}  // namespace brisel::verify
