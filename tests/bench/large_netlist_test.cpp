// Converts one large generated netlist with the real brisel-convert and pins
// down its result: the completion counts and a checksum of the target are
// fixed for the fixed seed, and the --verify reader checks the target's
// tables and every connection chain against the source on its own.

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <regex>
#include <string>

#include "messages/verify_lines.h"
#include "tests/support/convert_program.h"
#include "tests/support/generated_netlist.h"
#include "tests/support/temp_folder.h"
#include "tests/support/text_files.h"
#include "verify/digest.h"
#include "verify/verify.h"

namespace brisel::test {
namespace {

// Fixed for these options; taken from a conversion whose counts and chains the
// checks below confirmed.
constexpr std::uint64_t ExpectedLines = 370'509;
constexpr std::uint64_t ExpectedNets = 135'252;
constexpr std::uint64_t ExpectedChecksum = 0xB251843AC06292BAULL;

struct Completion {
    std::uint64_t lines = 0;
    std::uint64_t parts = 0;
    std::uint64_t nets = 0;
    std::uint64_t connections = 0;
};

bool ParseCompletion(const Strings& output, Completion& completion) {
    static const std::regex pattern(
        "The netlist contained: (\\d+) Lines, (\\d+) Parts, (\\d+) Nets, and (\\d+) "
        "Connections\\.");
    std::smatch match;
    if (output.size() != 1 || !std::regex_search(output[0], match, pattern)) {
        return false;
    }
    completion = {std::stoull(match[1]), std::stoull(match[2]), std::stoull(match[3]), std::stoull(match[4])};
    return true;
}

TEST(LargeNetlistTest, ConvertsWithStableCountsAndChecksum) {
    const TempFolder folder;
    const bench::NetlistSummary summary =
        WriteNetlist(folder.Path() / "large.net", {.parts = 100'000, .references = 1'000'000, .seed = 1, .crLf = true});

    const ProgramRun run = RunConvert({{"large.net", "large-expresspcb.net"}, folder.Path()});
    ASSERT_EQ(run.status, 0) << testing::PrintToString(run.err);
    EXPECT_EQ(run.err, Strings{});
    EXPECT_EQ(folder.Names(), (Strings{"large-expresspcb.net", "large.net"}));

    Completion reported;
    ASSERT_TRUE(ParseCompletion(run.out, reported)) << testing::PrintToString(run.out);
    EXPECT_EQ(reported.lines, summary.joinedLines);
    EXPECT_EQ(reported.parts, summary.parts);
    EXPECT_EQ(reported.nets, summary.nets);
    EXPECT_EQ(reported.connections, summary.connections);  // a pin repeated within a net counts once
    EXPECT_EQ(reported.lines, ExpectedLines);
    EXPECT_EQ(reported.nets, ExpectedNets);

    std::ifstream source(folder.Path() / "large.net", std::ios::binary);
    std::ifstream target(folder.Path() / "large-expresspcb.net", std::ios::binary);
    const verify::Report report = verify::VerifyConversion(source, target);
    EXPECT_EQ(messages::DiscrepancyLines(report), Strings{});
    EXPECT_TRUE(report.ok);
    EXPECT_TRUE(report.risks.empty());
    EXPECT_EQ(static_cast<std::uint64_t>(report.nets), summary.nets);
    EXPECT_EQ(static_cast<std::uint64_t>(report.connections), summary.connections);
    EXPECT_EQ(verify::Hasher().Add(folder.Read("large-expresspcb.net")).Value(), ExpectedChecksum);
}

}  // namespace
}  // namespace brisel::test
