// The Part IDs, Net Names and Net Connections tables for small sources, one
// row per case with the reason it is there.

#include <gtest/gtest.h>

#include "conversion_fixture.h"
#include "tests/support/case_names.h"

namespace brisel::test {
namespace {

using Strings = std::vector<std::string>;

struct TableCase {
    const char* why;
    Strings source;    // lines after the format line
    Strings expected;  // target lines after the header
};

void PrintTo(const TableCase& c, std::ostream* os) { *os << c.why; }

class Tables : public testing::TestWithParam<TableCase> {};

TEST_P(Tables, TargetBodyIsExact) {
    Strings source = {"*PADS-PCB*"};
    source.insert(source.end(), GetParam().source.begin(), GetParam().source.end());
    const auto run = Convert(Lines(source));
    EXPECT_EQ(BodyLines(run.target), GetParam().expected);
}

#define PARTS "*PART*", "C1 0.1uF", "R1 10K", "U1 74HC00", "", "*NET*"
#define PART_ROWS                                                                                       \
    "\"Part IDs Table\"", "\"C1\" \"0.1uF\" \"\"", "\"R1\" \"10K\" \"\"", "\"U1\" \"74HC00\" \"\"", "", \
        "\"Net Names Table\""
#define CONNECTIONS "", "\"Net Connections Table\""

// clang-format off
const TableCase kPartCases[] = {
    {"only the first space separates; the name keeps inner spaces",
     {"*PART*", "C1 0.1uF", "U1   74HC00 DIP14", "", "*NET*"},
     {"\"Part IDs Table\"", "\"C1\" \"0.1uF\" \"\"", "\"U1\" \"74HC00 DIP14\" \"\"", "", "\"Net Names Table\"", CONNECTIONS}},
    {"a tab ends the part ID like a space; a tab at the name's end stays",
     {"*PART*", "C1\t0.1uF\t", "", "*NET*"},
     {"\"Part IDs Table\"", "\"C1\" \"0.1uF\t\" \"\"", "", "\"Net Names Table\"", CONNECTIONS}},
    {"a line without space or tab is all part ID",
     {"*PART*", "J1", ""},
     {"\"Part IDs Table\"", "\"J1\" \"\" \"\"", CONNECTIONS}},
    {"an indented line keeps its ID; a line of spaces ends the section",
     {"*PART*", " R9 1K", "   ", "C2 2u"},
     {"\"Part IDs Table\"", "\"R9\" \"1K\" \"\"", CONNECTIONS}},
    {"the header line itself is never a part, even with text after it",
     {"*PART*       ITEMS", "C1 1u", ""},
     {"\"Part IDs Table\"", "\"C1\" \"1u\" \"\"", CONNECTIONS}},
    {"lines after the ending empty line are not parts",
     {"*PART*", "C1 1u", "", "C2 2u"},
     {"\"Part IDs Table\"", "\"C1\" \"1u\" \"\"", CONNECTIONS}},
    {"keyword lines inside an open section are not parts, and the section goes on",
     {"*PART*", "C1 1u", "*REMARK* x", "C2 2u", "*NET*"},
     {"\"Part IDs Table\"", "\"C1\" \"1u\" \"\"", "\"C2\" \"2u\" \"\"", "", "\"Net Names Table\"", CONNECTIONS}},
    {"a lower-case header opens the section",
     {"*part*", "C1 1u", ""},
     {"\"Part IDs Table\"", "\"C1\" \"1u\" \"\"", CONNECTIONS}},
    {"a header after the section ended writes only its table line",
     {"*PART*", "C1 1u", "", "*PART*", "C2 2u"},
     {"\"Part IDs Table\"", "\"C1\" \"1u\" \"\"", "\"Part IDs Table\"", CONNECTIONS}},
};

const TableCase kNetCases[] = {
    {"two spaces between references separate once",
     {PARTS, "*SIGNAL* GND", "C1.2  U1.7", "*SIGNAL* VCC", "C1.1 U1.14 R1.1", "*END*"},
     {PART_ROWS, "\"GND\" 1", "\"VCC\" 3", CONNECTIONS, "1 1 2 2", "1 3 7 0", "2 1 1 4", "2 3 14 5", "2 2 1 0"}},
    {"spaces after the last reference add nothing",
     {PARTS, "*SIGNAL* A", "C1.2 U1.7 ", "*SIGNAL* B", "C1.1 U1.1  ", "*END*"},
     {PART_ROWS, "\"A\" 1", "\"B\" 3", CONNECTIONS, "1 1 2 2", "1 3 7 0", "2 1 1 4", "2 3 1 0"}},
    {"an empty connection line gives a net row and no connection",
     {PARTS, "*SIGNAL* NC", "*SIGNAL* GND", "C1.2 U1.7", "*END*"},
     {PART_ROWS, "\"NC\" 1", "\"GND\" 1", CONNECTIONS, "2 1 2 2", "2 3 7 0"}},
    {"a reference ending in a full stop has an empty pin",
     {PARTS, "*SIGNAL* A", "C1.1 U1.", "*END*"},
     {PART_ROWS, "\"A\" 1", CONNECTIONS, "1 1 1 2", "1 3  0"}},
    {"the last full stop splits part ID and pin",
     {"*PART*", "U1.A x", "", "*NET*", "*SIGNAL* A", "U1.A.1", "*END*"},
     {"\"Part IDs Table\"", "\"U1.A\" \"x\" \"\"", "", "\"Net Names Table\"", "\"A\" 1", CONNECTIONS, "1 1 1 0"}},
    {"part IDs are found whatever their letter case",
     {PARTS, "*SIGNAL* A", "c1.1 u1.2", "*END*"},
     {PART_ROWS, "\"A\" 1", CONNECTIONS, "1 1 1 2", "1 3 2 0"}},
    {"of two parts with one ID the later one is found",
     {"*PART*", "X1 a", "Y1 b", "x1 c", "", "*NET*", "*SIGNAL* A", "X1.1", "*END*"},
     {"\"Part IDs Table\"", "\"X1\" \"a\" \"\"", "\"Y1\" \"b\" \"\"", "\"x1\" \"c\" \"\"", "", "\"Net Names Table\"",
      "\"A\" 1", CONNECTIONS, "1 3 1 0"}},
    {"header forms: spaces, further words, lower case, no space, nothing",
     {"*SIGNAL*   GND", "", "*SIGNAL* GND 12", "", "*signal* gnd", "", "*SIGNAL*GND", "", "*SIGNAL*", "", "*END*"},
     {"\"GND\" 1", "\"GND 12\" 1", "\"gnd\" 1", "\"ND\" 1", "\"\" 1", CONNECTIONS}},
    {"the short header's name is the text after the keyword",
     {"*SIG* GND", "", "*sig*VCC  ", "", "*SIG*", "", "*END*"},
     {"\"GND\" 1", "\"VCC\" 1", "\"\" 1", CONNECTIONS}},
    {"two *NET* lines give two table headers where they stand",
     {"*NET*", "*SIGNAL* A", "", "*NET*", "*END*"},
     {"", "\"Net Names Table\"", "\"A\" 1", "", "\"Net Names Table\"", CONNECTIONS}},
    {"references joined from several lines form one net",
     {PARTS, "*SIGNAL* GND", "C1.2", "  U1.7", "", "R1.2", "*END*"},
     {PART_ROWS, "\"GND\" 1", CONNECTIONS, "1 1 2 2", "1 3 7 3", "1 2 2 0"}},
    {"a signal at the very end of the source keeps its references",
     {PARTS, "*SIGNAL* GND", "C1.2 U1.7"},
     {PART_ROWS, "\"GND\" 1", CONNECTIONS, "1 1 2 2", "1 3 7 0"}},
};

// References that cannot name a part of the part list are left out; the
// chains run over the rows written.
const TableCase kLeftOutCases[] = {
    {"an unknown part is left out and the chain closes over it",
     {PARTS, "*SIGNAL* A", "C1.1 Q9.1 U1.2", "*SIGNAL* B", "U1.3 Q9.4", "*END*"},
     {PART_ROWS, "\"A\" 1", "\"B\" 3", CONNECTIONS, "1 1 1 2", "1 3 2 0", "2 3 3 0"}},
    {"a token without a full stop before the first reference has nothing to repeat",
     {PARTS, "*SIGNAL* A", "C1.1", "*SIGNAL* B", " junk U1.2", "*END*"},
     {PART_ROWS, "\"A\" 1", "\"B\" 2", CONNECTIONS, "1 1 1 0", "2 3 2 0"}},
    {"an empty part ID names no part",
     {PARTS, "*SIGNAL* A", ".5 U1.2", "*END*"},
     {PART_ROWS, "\"A\" 1", CONNECTIONS, "1 3 2 0"}},
    {"without a part section no reference names a part",
     {"*NET*", "*SIGNAL* A", "U1.1 U1.2", "*END*"},
     {"", "\"Net Names Table\"", "\"A\" 1", CONNECTIONS}},
    {"a new part section forgets the IDs of the one before",
     {"*PART*", "U1 a", "U2 b", "*PART*", "R1 c", "", "*NET*", "*SIGNAL* A", "U2.1 R1.1", "*END*"},
     {"\"Part IDs Table\"", "\"U1\" \"a\" \"\"", "\"U2\" \"b\" \"\"", "\"Part IDs Table\"", "\"R1\" \"c\" \"\"",
      "", "\"Net Names Table\"", "\"A\" 1", CONNECTIONS, "1 1 1 0"}},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Parts, Tables, testing::ValuesIn(kPartCases), test::ByWhy());
INSTANTIATE_TEST_SUITE_P(Nets, Tables, testing::ValuesIn(kNetCases), test::ByWhy());
INSTANTIATE_TEST_SUITE_P(LeftOut, Tables, testing::ValuesIn(kLeftOutCases), test::ByWhy());

TEST(PartNumbers, CountFromThePartHeaderEvenOnTheFirstLine) {
    const auto run = Convert(Lines({"*PART*", "U1 a", "U2 b", "", "*NET*", "*SIGNAL* A", "U1.1 U2.1", "*END*"}));
    EXPECT_EQ(BodyLines(run.target).back(), "1 2 1 0");
    EXPECT_EQ(BodyLines(run.target)[BodyLines(run.target).size() - 2], "1 1 1 2");
}

TEST(PartNumbers, ARemarkInsideAnOpenSectionSkipsNoNumber) {
    const auto run = Convert(Lines(
        {"*PADS-PCB*", "*PART*", "U1 a", "*REMARK* x", "*REMARK*", "U2 b", "*NET*", "*SIGNAL* A", "U2.1", "*END*"}));
    EXPECT_EQ(BodyLines(run.target).back(), "1 2 1 0");
}

TEST(Counts, LeftOutReferencesAreNotConnections) {
    const auto run = Convert(Lines({"*PADS-PCB*", PARTS, "*SIGNAL* A", "C1.1 Q9.1 U1.2", "*END*"}));
    EXPECT_NE(run.host.events.back().find("10 Lines, 3 Parts, 1 Nets, and 2 Connections."), std::string::npos);
}

TEST(Counts, AHeaderFollowedAtOnceByNetsCountsNoPartAndDoesNotWarn) {
    const auto run = Convert(Lines({"*PADS-PCB*", "*PART*", "*NET*", "*END*"}));
    for (const auto& m : run.host.Messages()) EXPECT_EQ(m.find("No part data"), std::string::npos) << m;
    EXPECT_NE(run.host.events.back().find("4 Lines, 0 Parts, 0 Nets"), std::string::npos);
}

}  // namespace
}  // namespace brisel::test
