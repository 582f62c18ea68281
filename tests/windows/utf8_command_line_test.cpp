// Where Windows ignores the programs' manifest, brisel-convert reads its
// arguments from the wide command line, in UTF-8.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/utf8_console.h"

namespace brisel::cli {
namespace {

using Words = std::vector<std::string>;

struct CommandLineCase {
    const char* name;
    const wchar_t* commandLine;
    Words words;
};

class Utf8CommandLineTest : public testing::TestWithParam<CommandLineCase> {};

TEST_P(Utf8CommandLineTest, GivesEachWordInUtf8) {
    EXPECT_EQ(Utf8CommandLine(GetParam().commandLine), GetParam().words);
}

// clang-format off
const CommandLineCase kCases[] = {
    {"QuotedFolderWithCyrillicAndCjk", L"brisel-convert.exe \"Z:\\tmp\\Дмитрий 设计\\board.net\" out.net",
     {"brisel-convert.exe", "Z:\\tmp\\Дмитрий 设计\\board.net", "out.net"}},
    {"GreekAndAnEmojiOutsideTheBasicPlane", L"brisel-convert.exe --verify Ωμέγα.net 🔌.net",
     {"brisel-convert.exe", "--verify", "Ωμέγα.net", "🔌.net"}},
    {"PlainAsciiAsTheRuntimeSplitsIt", L"brisel-convert.exe \"a b.net\" c.net",
     {"brisel-convert.exe", "a b.net", "c.net"}},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Windows, Utf8CommandLineTest, testing::ValuesIn(kCases),
                         [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace brisel::cli
