#include "messages/discrepancy_texts.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>

#include "tests/support/case_names.h"

namespace brisel::messages {
namespace {

using verify::Discrepancy;
using verify::ImportRiskKind;
using verify::LineEnd;
using verify::TableCounts;
using enum verify::DiscrepancyKind;

struct TextCase {
    const char* why;
    Discrepancy discrepancy;
    std::string expected;
};

void PrintTo(const TextCase& textCase, std::ostream* out) { *out << textCase.why; }

class DiscrepancyTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(DiscrepancyTextTest, WordsTheKindFromItsValues) {
    EXPECT_EQ(DiscrepancyText(GetParam().discrepancy), GetParam().expected);
}

const TableCounts kSourceTables{.header = true, .partTitles = 1, .partRows = 3, .netTitles = 1};

// clang-format off
INSTANTIATE_TEST_SUITE_P(EachKind, DiscrepancyTextTest, ::testing::Values(
    TextCase{"target unreadable", {.kind = TargetUnreadable, .text = "/no/such.net", .error = ENOENT},
             "cannot read the target file '/no/such.net': No such file or directory"},
    TextCase{"read failed", {.kind = ReadFailed}, "a read failed while verifying"},
    TextCase{"one line end LF", {.kind = LineEndNotCrLf, .line = 23, .lineEnd = LineEnd::Lf},
             "target line 23: line end is LF, not CR LF"},
    TextCase{"line ends CR and more like it", {.kind = LineEndNotCrLf, .line = 1, .found = 22, .lineEnd = LineEnd::Cr},
             "target line 1: line end is CR, not CR LF (22 more lines like it)"},
    TextCase{"line end missing", {.kind = LineEndNotCrLf, .line = 23, .lineEnd = LineEnd::None},
             "target line 23: line end is missing, not CR LF"},
    TextCase{"not the fixed line", {.kind = NotTheFixedLine, .line = 3, .text = "2", .expectedText = "1"},
             "target line 3: expected 1 but found: 2"},
    TextCase{"an empty line for a title",
             {.kind = NotTheFixedLine, .line = 14, .text = "", .expectedText = "\"Net Names Table\""},
             "target line 14: expected \"Net Names Table\" but found an empty line"},
    TextCase{"not the banner", {.kind = NotTheBanner, .line = 2, .text = "\"Other program\""},
             "target line 2: expected the banner \"Brisel v...\" but found: \"Other program\""},
    TextCase{"not a part row", {.kind = NotAPartRow, .line = 11, .text = "\"R1\" \"10K\""},
             "target line 11: expected a part row \"ID\" \"NAME\" \"\" or an empty line but found: \"R1\" \"10K\""},
    TextCase{"not a net row", {.kind = NotANetRow, .line = 17, .text = "\"Net Connections Table\""},
             "target line 17: expected a net row \"NAME\" FIRST or an empty line but found: \"Net Connections Table\""},
    TextCase{"not a connection row, control and high bytes",
             {.kind = NotAConnectionRow, .line = 20, .text = "1 3\t7\x7F \xC3\xA9\\\""},
             "target line 20: expected a connection row NET PART PIN NEXT but found: 1 3\\x097\\x7F \xC3\xA9\\\""},
    TextCase{"ends early", {.kind = EndsEarly, .line = 16, .expectedText = "\"Net Connections Table\""},
             "target ends after line 16, before the \"Net Connections Table\" line"},
    TextCase{"net number out of range", {.kind = NetNumberOutOfRange, .connection = 2, .found = 7, .expected = 2},
             "connection 2: net number 7 out of range 1..2"},
    TextCase{"net number, no nets", {.kind = NetNumberOutOfRange, .connection = 1, .found = 1, .expected = 0},
             "connection 1: net number 1 out of range (the table is empty)"},
    TextCase{"part number out of range beyond 32 bits",
             {.kind = PartNumberOutOfRange, .connection = 4'294'967'296, .found = 99, .expected = 3},
             "connection 4294967296: part number 99 out of range 1..3"},
    TextCase{"part number, no parts", {.kind = PartNumberOutOfRange, .connection = 1, .found = 0, .expected = 0},
             "connection 1: part number 0 out of range (the table is empty)"},
    TextCase{"empty net misplaced", {.kind = EmptyNetMisplaced, .net = 1, .found = 2, .expected = 1},
             "net 1: has no connections, so its first connection should be 1 (where the next one starts), not 2"},
    TextCase{"chain backwards", {.kind = ChainBackwards, .net = 2, .connection = 3, .next = 2},
             "net 2: chain goes backwards at connection 3 (next 2)"},
    TextCase{"first connection not in the net", {.kind = FirstConnectionNotInNet, .net = 2, .connection = 2},
             "net 2: first connection 2 is not in the net"},
    TextCase{"chain breaks", {.kind = ChainBreaks, .net = 2, .connection = 3, .next = 9},
             "net 2: chain breaks at connection 3 (next 9 is not in the net)"},
    TextCase{"chain short", {.kind = ChainShort, .net = 1, .found = 1, .expected = 2},
             "net 1: chain reaches 1 of the 2 connections with this net number"},
    TextCase{"part rows differ", {.kind = PartRowsDiffer},
             "tables: the target's part rows hold other IDs or names than the source's part lines"},
    TextCase{"table counts differ",
             {.kind = TableCountsDiffer, .targetTables = {.partTitles = 2, .partRows = 2},
              .sourceTables = kSourceTables},
             "tables: the target has no header, 2 \"Part IDs Table\", 2 part rows, 0 \"Net Names Table\"; the source "
             "gives the header, 1 \"Part IDs Table\", 3 part rows, 1 \"Net Names Table\""},
    TextCase{"net name differs, a tab shown as a code",
             {.kind = NetNameDiffers, .line = 8, .net = 1, .text = "G\tND", .sourceName = "G\"N\\D"},
             "net 1: name \"G\\x09ND\" in the target, \"G\"N\\D\" in the source (line 8)"},
    TextCase{"connection count differs",
             {.kind = ConnectionCountDiffers, .net = 2, .found = 2, .expected = 3, .sourceName = "V\x01"},
             "net \"V\\x01\" (net 2): 2 connections in the target, 3 expected from the source"},
    TextCase{"pins differ", {.kind = PinsDiffer, .line = 10, .net = 2, .sourceName = "VCC"},
             "net \"VCC\" (net 2): the target's connections name other pins than the source's references (line 10)"},
    TextCase{"net count differs", {.kind = NetCountDiffers, .found = 1, .expected = 2},
             "net count: 1 in the target, 2 in the source"}
), test::ByWhy());
// clang-format on

TEST(LeftOutDiscrepanciesText, CountsThem) {
    EXPECT_EQ(LeftOutDiscrepanciesText(1), "... and 1 more problems");
    EXPECT_EQ(LeftOutDiscrepanciesText(5'000'000'000), "... and 5000000000 more problems");
}

TEST(ImportRiskText, EachKind) {
    struct Case {
        ImportRiskKind kind;
        const char* text;
    };
    using enum ImportRiskKind;
    const Case cases[] = {
        {PartHeaderAfterNets,
         "the part header comes after net data: its \"Part IDs Table\" stands among the nets in the new netlist, "
         "where ExpressPCB does not expect it"},
        {SecondPartHeader,
         "a second part header: the new netlist gets a second \"Part IDs Table\", and its parts are numbered from 1 "
         "again, so ExpressPCB may take them for the parts of the first table"},
        {PartHeaderAfterSection,
         "a part header after the part section has ended: the new netlist gets a second \"Part IDs Table\" line "
         "without parts, which ExpressPCB does not expect"},
        {SecondNetHeader,
         "a second \"*NET*\" line: the new netlist gets a second \"Net Names Table\", which ExpressPCB does not "
         "expect"},
        {SecondConnectionHeader,
         "a second net header, \"*CONNECTION*\": the new netlist gets a second \"Net Names Table\", which "
         "ExpressPCB does not expect"},
        {NetBeforeNetHeader,
         "the net comes before any \"*NET*\" line: its row stands outside a \"Net Names Table\" in the new netlist, "
         "where ExpressPCB does not expect it"},
    };
    for (const Case& c : cases) EXPECT_EQ(ImportRiskText(c.kind), c.text);
}

}  // namespace
}  // namespace brisel::messages
