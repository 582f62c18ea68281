#include "messages/verify_lines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/case_names.h"

namespace brisel::messages {
namespace {

struct LineCase {
    const char* why;
    std::string line;
    const char* expected;
};

void PrintTo(const LineCase& lineCase, std::ostream* out) { *out << lineCase.why; }

class VerifyLinesTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(VerifyLinesTest, WordsTheLine) { EXPECT_EQ(GetParam().line, GetParam().expected); }

// clang-format off
INSTANTIATE_TEST_SUITE_P(Lines, VerifyLinesTest, ::testing::Values(
    LineCase{"verified", VerifiedLine(6, 36), "verified: 6 nets, 36 connections"},
    LineCase{"verified beyond 32 bits", VerifiedLine(5'000'000'000, 0), "verified: 5000000000 nets, 0 connections"},
    LineCase{"a discrepancy", DiscrepancyLine({.kind = verify::DiscrepancyKind::ConnectionCountDiffers, .net = 1,
                                               .found = 3, .expected = 2, .sourceName = "GND"}),
             "verify: net \"GND\" (net 1): 3 connections in the target, 2 expected from the source"},
    LineCase{"an import risk", ImportRiskLine("board.net", {12, verify::ImportRiskKind::SecondNetHeader}),
             "board.net:12: warning: a second \"*NET*\" line: the new netlist gets a second \"Net Names Table\", "
             "which ExpressPCB does not expect"},
    LineCase{"an import risk beyond 32 bits",
             ImportRiskLine("standard input", {4'294'967'296, verify::ImportRiskKind::SecondNetHeader}),
             "standard input:4294967296: warning: a second \"*NET*\" line: the new netlist gets a second \"Net Names "
             "Table\", which ExpressPCB does not expect"},
    LineCase{"a target not read back", NotVerifiedLine("/dev/null"),
             "verify: '/dev/null' cannot be read back, not verified"},
    LineCase{"the page's target not read back", UnreadableTargetLine(SystemReason("out of memory")),
             "verify: the new netlist could not be read back: out of memory"}
), test::ByWhy());
// clang-format on

TEST(DiscrepancyLines, EndWithTheCountOfThoseLeftOut) {
    verify::Report report;
    report.discrepancies = {{.kind = verify::DiscrepancyKind::ReadFailed},
                            {.kind = verify::DiscrepancyKind::NetCountDiffers, .found = 1, .expected = 2}};
    EXPECT_EQ(DiscrepancyLines(report),
              (std::vector<std::string>{"verify: a read failed while verifying",
                                        "verify: net count: 1 in the target, 2 in the source"}));
    report.discrepanciesLeftOut = 7;
    EXPECT_EQ(DiscrepancyLines(report).back(), "verify: ... and 7 more problems");
}

}  // namespace
}  // namespace brisel::messages
