// What real schematic tools write, converted: indented part lines, runs of
// spaces and tabs, a pin once per net, the modern netlists' headers and
// sections, and the end line. One table per rule, one row per edge case, each
// with the target's body, the counts and the warnings.

#include <gtest/gtest.h>

#include "conversion_fixture.h"
#include "tests/support/case_names.h"

namespace brisel::test {
namespace {

using Strings = std::vector<std::string>;
using Warnings = std::vector<RunWarning>;

struct RuleCase {
    const char* why;
    Strings source;        // lines after the format line
    Strings expected;      // target lines after the header
    const char* contains;  // the completion's counts, after "The netlist contained: "
    Warnings warnings;     // after the main pass, in order
};

void PrintTo(const RuleCase& c, std::ostream* os) { *os << c.why; }

class SourceRules : public testing::TestWithParam<RuleCase> {};

TEST_P(SourceRules, TargetCountsAndWarnings) {
    const RuleCase& c = GetParam();
    Strings source = {"*PADS-PCB*"};
    source.insert(source.end(), c.source.begin(), c.source.end());
    const auto run = Convert(Lines(source));
    EXPECT_EQ(BodyLines(run.target), c.expected);
    const std::string summary = run.host.events.back();
    EXPECT_NE(summary.find(std::string("The netlist contained: ") + c.contains), std::string::npos) << summary;
    EXPECT_EQ(run.host.warnings, c.warnings);
}

#define PARTS "*PART*", "C1 0.1uF", "R1 10K", "U1 74HC00", "", "*NET*"
#define PART_ROWS                                                                                       \
    "\"Part IDs Table\"", "\"C1\" \"0.1uF\" \"\"", "\"R1\" \"10K\" \"\"", "\"U1\" \"74HC00\" \"\"", "", \
        "\"Net Names Table\""
#define CONNECTIONS "", "\"Net Connections Table\""

constexpr RunWarning kNoNets = RunWarning::NoNetData;
constexpr RunWarning kLeftOut = RunWarning::UnknownParts;

// clang-format off
const RuleCase kIndentedParts[] = {
    {"a part line indented by one space keeps its ID and name",
     {"*PART*", " J1 Connectors:3M_30320", " C1 0.1uF", "", "*NET*", "*SIGNAL* A", "J1.2 C1.1", "*END*"},
     {"\"Part IDs Table\"", "\"J1\" \"Connectors:3M_30320\" \"\"", "\"C1\" \"0.1uF\" \"\"", "", "\"Net Names Table\"",
      "\"A\" 1", CONNECTIONS, "1 1 2 2", "1 2 1 0"},
     "9 Lines, 2 Parts, 1 Nets, and 2 Connections.", {}},
    {"tabs and runs of blanks before the ID, and a tab after it",
     {"*PART*", "\tU1 a", " \t  R1\t10K", "", "*NET*", "*SIGNAL* A", "U1.1 R1.2", "*END*"},
     {"\"Part IDs Table\"", "\"U1\" \"a\" \"\"", "\"R1\" \"10K\" \"\"", "", "\"Net Names Table\"", "\"A\" 1",
      CONNECTIONS, "1 1 1 2", "1 2 2 0"},
     "9 Lines, 2 Parts, 1 Nets, and 2 Connections.", {}},
    {"a line of spaces and tabs ends the section like an empty line",
     {"*PART*", "C1 a", " \t ", "C2 b", "*NET*", "*SIGNAL* A", "C1.1 C2.1", "*END*"},
     {"\"Part IDs Table\"", "\"C1\" \"a\" \"\"", "", "\"Net Names Table\"", "\"A\" 1", CONNECTIONS, "1 1 1 0"},
     "9 Lines, 1 Parts, 1 Nets, and 1 Connections.", {kLeftOut}},
    {"an indented keyword is a part row: keywords are tested as the line stands",
     {"*PART*", "C1 a", " *NET*", " *PART* b", "", "*NET*", "*SIGNAL* A", " *NET*.1 *part*.2", "*END*"},
     {"\"Part IDs Table\"", "\"C1\" \"a\" \"\"", "\"*NET*\" \"\" \"\"", "\"*PART*\" \"b\" \"\"", "",
      "\"Net Names Table\"", "\"A\" 1", CONNECTIONS, "1 2 1 2", "1 3 2 0"},
     "10 Lines, 3 Parts, 1 Nets, and 2 Connections.", {RunWarning::NameTooLong}},
    {"only spaces and tabs are blanks: a vertical tab or form feed makes a part row",
     {"*PART*", "\vX1 a", "\f", "", "*NET*", "*SIGNAL* A", "\vX1.1", "*END*"},
     {"\"Part IDs Table\"", "\"\vX1\" \"a\" \"\"", "\"\f\" \"\" \"\"", "", "\"Net Names Table\"", "\"A\" 1",
      CONNECTIONS, "1 1 1 0"},
     "9 Lines, 2 Parts, 1 Nets, and 1 Connections.", {RunWarning::NameTooLong, RunWarning::BadCharacter}},
    {"no part row has an empty ID, so a reference that begins with a full stop is left out",
     {"*PART*", "  R9 1K", "", "*NET*", "*SIGNAL* A", ".5 R9.1", "*END*"},
     {"\"Part IDs Table\"", "\"R9\" \"1K\" \"\"", "", "\"Net Names Table\"", "\"A\" 1", CONNECTIONS, "1 1 1 0"},
     "8 Lines, 1 Parts, 1 Nets, and 1 Connections.", {RunWarning::NameTooLong, kLeftOut}},
};

const RuleCase kTokens[] = {
    {"a tab separates references",
     {PARTS, "*SIGNAL* A", "C1.2\tU1.7", "*END*"},
     {PART_ROWS, "\"A\" 1", CONNECTIONS, "1 1 2 2", "1 3 7 0"},
     "10 Lines, 3 Parts, 1 Nets, and 2 Connections.", {}},
    {"a run of spaces and tabs separates once",
     {PARTS, "*SIGNAL* A", "C1.2 \t  \tU1.7  R1.1", "*END*"},
     {PART_ROWS, "\"A\" 1", CONNECTIONS, "1 1 2 2", "1 3 7 3", "1 2 1 0"},
     "10 Lines, 3 Parts, 1 Nets, and 3 Connections.", {}},
    {"blanks before the first and after the last reference add nothing",
     {PARTS, "*SIGNAL* A", "\t C1.2 U1.7 \t ", "*SIGNAL* B", "R1.1\t", "*END*"},
     {PART_ROWS, "\"A\" 1", "\"B\" 3", CONNECTIONS, "1 1 2 2", "1 3 7 0", "2 2 1 0"},
     "12 Lines, 3 Parts, 2 Nets, and 3 Connections.", {}},
    {"wrapped lines that begin with a space, as lepton-netlist writes them",
     {PARTS, "*SIGNAL* A", " C1.2 U1.7", " R1.1 U1.8", " U1.9", "*END*"},
     {PART_ROWS, "\"A\" 1", CONNECTIONS, "1 1 2 2", "1 3 7 3", "1 2 1 4", "1 3 8 5", "1 3 9 0"},
     "10 Lines, 3 Parts, 1 Nets, and 5 Connections.", {}},
    {"an empty line inside a signal adds nothing",
     {PARTS, "*SIGNAL* A", "C1.2 U1.7", "", "R1.1 ", "", "*END*"},
     {PART_ROWS, "\"A\" 1", CONNECTIONS, "1 1 2 2", "1 3 7 3", "1 2 1 0"},
     "10 Lines, 3 Parts, 1 Nets, and 3 Connections.", {}},
    {"a token that ends in a full stop still gives an empty pin",
     {PARTS, "*SIGNAL* A", "C1.1\tU1.", "*END*"},
     {PART_ROWS, "\"A\" 1", CONNECTIONS, "1 1 1 2", "1 3  0"},
     "10 Lines, 3 Parts, 1 Nets, and 2 Connections.", {}},
};

const RuleCase kPinOncePerNet[] = {
    {"a pin named twice in a net is written once",
     {PARTS, "*SIGNAL* A", "C1.1 U1.2 C1.1", "*END*"},
     {PART_ROWS, "\"A\" 1", CONNECTIONS, "1 1 1 2", "1 3 2 0"},
     "10 Lines, 3 Parts, 1 Nets, and 2 Connections.", {}},
    {"pairs, as PADS Logic lists them, give each pin once",
     {PARTS, "*SIGNAL* A", "C1.1 U1.12", "U1.12 R1.1", "R1.1 U1.3", "*END*"},
     {PART_ROWS, "\"A\" 1", CONNECTIONS, "1 1 1 2", "1 3 12 3", "1 2 1 4", "1 3 3 0"},
     "10 Lines, 3 Parts, 1 Nets, and 4 Connections.", {}},
    {"the same pin far apart in one net, past the first sixteen pins",
     {PARTS, "*SIGNAL* A", "U1.1 U1.2 U1.3 U1.4 U1.5 U1.6 U1.7 U1.8 U1.9 U1.10",
      "U1.11 U1.12 U1.13 U1.14 U1.15 U1.16 U1.17 U1.18", "R1.1 U1.17 C1.2 U1.1 R1.1", "*END*"},
     {PART_ROWS, "\"A\" 1", CONNECTIONS, "1 3 1 2", "1 3 2 3", "1 3 3 4", "1 3 4 5", "1 3 5 6", "1 3 6 7",
      "1 3 7 8", "1 3 8 9", "1 3 9 10", "1 3 10 11", "1 3 11 12", "1 3 12 13", "1 3 13 14", "1 3 14 15",
      "1 3 15 16", "1 3 16 17", "1 3 17 18", "1 3 18 19", "1 2 1 20", "1 1 2 0"},
     "10 Lines, 3 Parts, 1 Nets, and 20 Connections.", {}},
    {"the same pin in two nets is kept in both, also under one net name",
     {PARTS, "*SIGNAL* A", "C1.1 U1.2", "*SIGNAL* B", "C1.1", "*SIGNAL* A", "U1.2 C1.1", "*END*"},
     {PART_ROWS, "\"A\" 1", "\"B\" 3", "\"A\" 4", CONNECTIONS, "1 1 1 2", "1 3 2 0", "2 1 1 0", "3 3 2 5",
      "3 1 1 0"},
     "14 Lines, 3 Parts, 3 Nets, and 5 Connections.", {}},
    {"pins compare byte for byte, parts by their number",
     {PARTS, "*SIGNAL* A", "U1.1 U1.01 U1.M12 U1.m12 u1.1 U1.M12", "*END*"},
     {PART_ROWS, "\"A\" 1", CONNECTIONS, "1 3 1 2", "1 3 01 3", "1 3 M12 4", "1 3 m12 0"},
     "10 Lines, 3 Parts, 1 Nets, and 4 Connections.", {RunWarning::BadPinNumber}},
    {"a token without a full stop repeats the reference before it, so it writes no row",
     {PARTS, "*SIGNAL* A", "C1.1 GND U1.2 X", "*END*"},
     {PART_ROWS, "\"A\" 1", CONNECTIONS, "1 1 1 2", "1 3 2 0"},
     "10 Lines, 3 Parts, 1 Nets, and 2 Connections.", {}},
    {"a repeated left-out reference is left out each time",
     {PARTS, "*SIGNAL* A", "Q9.1 U1.2 Q9.1 Q9", "*END*"},
     {PART_ROWS, "\"A\" 1", CONNECTIONS, "1 3 2 0"},
     "10 Lines, 3 Parts, 1 Nets, and 1 Connections.", {kLeftOut}},
    {"a net that is all repeats of one pin",
     {PARTS, "*SIGNAL* A", "C1.1 C1.1", "c1.1 C1.1", "*SIGNAL* B", "U1.1", "*END*"},
     {PART_ROWS, "\"A\" 1", "\"B\" 2", CONNECTIONS, "1 1 1 0", "2 3 1 0"},
     "12 Lines, 3 Parts, 2 Nets, and 2 Connections.", {}},
};

const RuleCase kModernNetlists[] = {
    {"*CONNECTION* without *NET* opens the Net Names Table and counts as net data",
     {"*PART*", "C1 a", "*CONNECTION*", "*SIGNAL* A", "C1.1 C1.2", "*END*"},
     {"\"Part IDs Table\"", "\"C1\" \"a\" \"\"", "", "\"Net Names Table\"", "\"A\" 1", CONNECTIONS, "1 1 1 2",
      "1 1 2 0"},
     "7 Lines, 1 Parts, 1 Nets, and 2 Connections.", {}},
    {"both headers give two tables where they stand",
     {"*PART*", "C1 a", "*NET*", "*SIGNAL* A", "C1.1", "*connection*x", "*SIGNAL* B", "C1.2", "*END*"},
     {"\"Part IDs Table\"", "\"C1\" \"a\" \"\"", "", "\"Net Names Table\"", "\"A\" 1", "", "\"Net Names Table\"",
      "\"B\" 2", CONNECTIONS, "1 1 1 0", "2 1 2 0"},
     "10 Lines, 1 Parts, 2 Nets, and 2 Connections.", {}},
    {"*CONNECTIONS* ends the part section but opens no net table",
     {"*PART*", "C1 a", "*CONNECTIONS*", "C2 b", "*SIGNAL* A", "C1.1", "*END*"},
     {"\"Part IDs Table\"", "\"C1\" \"a\" \"\"", "\"A\" 1", CONNECTIONS, "1 1 1 0"},
     "8 Lines, 1 Parts, 1 Nets, and 1 Connections.", {kNoNets}},
    {"a *MISC* section after the parts makes no parts of its lines",
     {"*PART*", "C1 a", "*MISC*      MISCELLANEOUS PARAMETERS", "RULES_SECTION MILS", "{", "Value 1UF", "}",
      "*NET*", "*SIGNAL* A", "C1.1", "*END*"},
     {"\"Part IDs Table\"", "\"C1\" \"a\" \"\"", "", "\"Net Names Table\"", "\"A\" 1", CONNECTIONS, "1 1 1 0"},
     "12 Lines, 1 Parts, 1 Nets, and 1 Connections.", {}},
    {"a *MISC* section before the parts",
     {"*MISC*", "RULES_SECTION MILS", "{", "}", "*PART*", "C1 a", "", "*NET*", "*SIGNAL* A", "C1.1", "*END*"},
     {"\"Part IDs Table\"", "\"C1\" \"a\" \"\"", "", "\"Net Names Table\"", "\"A\" 1", CONNECTIONS, "1 1 1 0"},
     "12 Lines, 1 Parts, 1 Nets, and 1 Connections.", {}},
    {"a signal header inside an open part list ends it",
     {"*PART*", "C1 a", "*SIGNAL* A", "C1.1 C2.1", "*REMARK*", "C2 b", "*END*"},
     {"\"Part IDs Table\"", "\"C1\" \"a\" \"\"", "\"A\" 1", CONNECTIONS, "1 1 1 0"},
     "8 Lines, 1 Parts, 1 Nets, and 1 Connections.", {kNoNets, kLeftOut}},
    {"a remark and lines that begin with * but name no section keep the part list open",
     {"*PART*", "C1 a", "*REMARK* parts", "*A B*", "*N$1*", "**", "C2 b", "", "*NET*", "*SIGNAL* A", "C2.1",
      "*END*"},
     {"\"Part IDs Table\"", "\"C1\" \"a\" \"\"", "\"C2\" \"b\" \"\"", "", "\"Net Names Table\"", "\"A\" 1",
      CONNECTIONS, "1 2 1 0"},
     "13 Lines, 2 Parts, 1 Nets, and 1 Connections.", {}},
};

const RuleCase kEndLine[] = {
    {"*END* at the start of an indented reference line is a token, and the next net is kept",
     {PARTS, "*SIGNAL* A", " *END* R1.1 C1.1", "*SIGNAL* B", "U1.1", "*END*"},
     {PART_ROWS, "\"A\" 1", "\"B\" 3", CONNECTIONS, "1 2 1 2", "1 1 1 0", "2 3 1 0"},
     "12 Lines, 3 Parts, 2 Nets, and 3 Connections.", {kLeftOut}},
    {"*END* after a reference repeats it and writes nothing",
     {PARTS, "*SIGNAL* A", "R1.1", " *END* C1.1", "*SIGNAL* B", "U1.1", "*END*"},
     {PART_ROWS, "\"A\" 1", "\"B\" 3", CONNECTIONS, "1 2 1 2", "1 1 1 0", "2 3 1 0"},
     "12 Lines, 3 Parts, 2 Nets, and 3 Connections.", {}},
    {"an *END* line ends the netlist, also right after a signal header",
     {PARTS, "*SIGNAL* A", "*END*", "*SIGNAL* B", "U1.1"},
     {PART_ROWS, "\"A\" 1", CONNECTIONS},
     "10 Lines, 3 Parts, 1 Nets, and 0 Connections.", {}},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(IndentedParts, SourceRules, testing::ValuesIn(kIndentedParts), ByWhy());
INSTANTIATE_TEST_SUITE_P(Tokens, SourceRules, testing::ValuesIn(kTokens), ByWhy());
INSTANTIATE_TEST_SUITE_P(PinOncePerNet, SourceRules, testing::ValuesIn(kPinOncePerNet), ByWhy());
INSTANTIATE_TEST_SUITE_P(ModernNetlists, SourceRules, testing::ValuesIn(kModernNetlists), ByWhy());
INSTANTIATE_TEST_SUITE_P(EndLine, SourceRules, testing::ValuesIn(kEndLine), ByWhy());

// The modern layout's worked example, byte for byte, with its progress.
TEST(ModernNetlist, WorkedExampleIsByteExact) {
    const auto run = Convert(Lines({"!PADS-POWERPCB-V9.4-MILS!", "", "*PART*", "C1 100nF@C0603", "U1 MCU@QFN32",
                                    "*CONNECTION*", "*SIGNAL* GND", "C1.2 U1.33", "U1.33 U1.16",
                                    "*MISC*      MISCELLANEOUS PARAMETERS", "RULES_SECTION MILS", "{", "}", "*END*"}));
    EXPECT_EQ(run.target, Lines({"\"ExpressPCB Netlist\"",
                                 "\"Brisel v" + std::string(kCallerVersion) + " netlist converted from PADS\"", "1",
                                 "0", "0", "\"\"", "\"\"", "\"\"", "\"Part IDs Table\"", "\"C1\" \"100nF@C0603\" \"\"",
                                 "\"U1\" \"MCU@QFN32\" \"\"", "", "\"Net Names Table\"", "\"GND\" 1", "",
                                 "\"Net Connections Table\"", "1 1 2 2", "1 2 33 3", "1 2 16 0"}));
    EXPECT_EQ(run.host.Messages(),
              Strings{"Information: File Conversion - Complete | The new netlist file 'out.net' has been created.\r\n"
                      "The netlist contained: 13 Lines, 2 Parts, 1 Nets, and 3 Connections."});
    EXPECT_EQ(run.host.Captions(), (Strings{"Initializing...", "Converting...", "81% Complete", "88% Complete",
                                            "94% Complete", "100% Complete"}));
}

}  // namespace
}  // namespace brisel::test
