#include "messages/verify_lines.h"

#include <gtest/gtest.h>

#include <string>

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
    LineCase{"a discrepancy", DiscrepancyLine("net \"GND\" (net 1): 3 connections in the target, 2 expected"),
             "verify: net \"GND\" (net 1): 3 connections in the target, 2 expected"},
    LineCase{"an import risk", ImportRiskLine("board.net", 12, "part ID \"U1\" is written twice"),
             "board.net:12: warning: part ID \"U1\" is written twice"},
    LineCase{"an import risk beyond 32 bits", ImportRiskLine("standard input", 4'294'967'296, "text"),
             "standard input:4294967296: warning: text"},
    LineCase{"a target not read back", NotVerifiedLine("/dev/null"),
             "verify: '/dev/null' cannot be read back, not verified"},
    LineCase{"the page's target not read back", UnreadableTargetLine("out of memory"),
             "verify: the new netlist could not be read back: out of memory"}
), test::ByWhy());
// clang-format on

}  // namespace
}  // namespace brisel::messages
