// Converts one large generated netlist with the real brisel-convert and pins
// down its result: the completion counts and a checksum of the target are
// fixed for the fixed seed, and the target's tables are read back on their
// own to check that those counts and every connection chain are right.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <string>

#include "bench/netlist_generator.h"
#include "tests/bench/target_tables.h"

namespace brisel::bench {
namespace {

namespace fs = std::filesystem;

// Fixed for these options; taken from a conversion whose counts and chains the
// checks below confirmed.
constexpr std::uint64_t ExpectedLines = 370'509;
constexpr std::uint64_t ExpectedNets = 135'252;
constexpr std::uint64_t ExpectedChecksum = 0xDD460AAEFC6516D8ULL;

NetlistOptions LargeOptions() {
    NetlistOptions options;
    options.Parts = 100'000;
    options.References = 1'000'000;
    options.Seed = 1;
    options.CrLf = true;
    return options;
}

struct Completion {
    std::uint64_t Lines = 0;
    std::uint64_t Parts = 0;
    std::uint64_t Nets = 0;
    std::uint64_t Connections = 0;
};

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool ParseCompletion(const std::string& output, Completion& completion) {
    static const std::regex pattern(
        "The netlist contained: (\\d+) Lines, (\\d+) Parts, (\\d+) Nets, and (\\d+) "
        "Connections\\.");
    std::smatch match;
    if (!std::regex_search(output, match, pattern)) {
        return false;
    }
    completion = {std::stoull(match[1]), std::stoull(match[2]), std::stoull(match[3]), std::stoull(match[4])};
    return true;
}

class LargeNetlistTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        folder_ = fs::temp_directory_path() / ("brisel-large-netlist-" + std::to_string(stamp));
        fs::create_directories(folder_);
    }

    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }

    // Runs brisel-convert SOURCE TARGET and returns its exit status.
    int Convert(const fs::path& source, const fs::path& target) {
        const std::string command = "\"" BRISEL_CONVERT_PATH "\" \"" + source.string() + "\" \"" + target.string() +
                                    "\" >\"" + Out().string() + "\" 2>\"" + Err().string() + "\"";
#ifdef _WIN32
        // cmd.exe drops the first and last quote of the whole line.
        return std::system(("\"" + command + "\"").c_str());
#else
        return std::system(command.c_str());
#endif
    }

    fs::path Out() const { return folder_ / "stdout.txt"; }
    fs::path Err() const { return folder_ / "stderr.txt"; }

    fs::path folder_;
};

TEST_F(LargeNetlistTest, ConvertsWithStableCountsAndChecksum) {
    const fs::path source = folder_ / "large.net";
    const fs::path target = folder_ / "large-expresspcb.net";
    std::ofstream out(source, std::ios::binary);
    const NetlistSummary summary = WriteNetlist(LargeOptions(), out);
    out.close();
    ASSERT_TRUE(out);

    ASSERT_EQ(Convert(source, target), 0) << ReadFile(Err());
    EXPECT_EQ(ReadFile(Err()), "");
    EXPECT_FALSE(fs::exists(folder_ / "BriselTemp.txt"));
    EXPECT_FALSE(fs::exists(folder_ / "BriselTemp2.txt"));

    Completion reported;
    ASSERT_TRUE(ParseCompletion(ReadFile(Out()), reported)) << ReadFile(Out());
    EXPECT_EQ(reported.Lines, summary.JoinedLines);
    EXPECT_EQ(reported.Parts, summary.Parts);
    EXPECT_EQ(reported.Nets, summary.Nets);
    EXPECT_EQ(reported.Connections, summary.References);
    EXPECT_EQ(reported.Lines, ExpectedLines);
    EXPECT_EQ(reported.Nets, ExpectedNets);

    const std::string converted = ReadFile(target);
    const TargetTables tables = ReadTargetTables(converted);
    EXPECT_EQ(tables.PartRows, summary.Parts);
    EXPECT_EQ(tables.NetRows, summary.Nets);
    EXPECT_EQ(tables.ConnectionRows, summary.References);
    EXPECT_EQ(tables.FirstProblem, "");
    EXPECT_EQ(Fnv1a64(converted), ExpectedChecksum);
}

}  // namespace
}  // namespace brisel::bench
