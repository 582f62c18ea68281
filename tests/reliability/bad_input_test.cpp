// Hostile and unusual sources through the real binary: each converts to the
// end (exit 0) with exactly the warnings it deserves.

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <random>

#include "tests/convert/conversion_fixture.h"
#include "tests/support/case_names.h"
#include "tests/support/convert_program.h"
#include "tests/support/generated_netlist.h"
#include "tests/support/temp_folder.h"
#include "tests/support/text_files.h"

namespace brisel::reliability {
namespace {

namespace fs = std::filesystem;
using namespace test;
using namespace std::string_literals;

const std::string kFormat =
    "Source File - Warning: The netlist data is not recognized as a supported format. The new netlist may contain "
    "errors.";
const std::string kNoParts = "Source File - Warning: No part data was found. The new netlist may contain errors.";
const std::string kNoNets = "Source File - Warning: No net data was found. The new netlist may contain errors.";
const std::string kTooLong =
    "Source File - Warning: At least one part ID, part name, or net name is too long for ExpressPCB. Please "
    "correct the source netlist. The new netlist may not import properly.";
const std::string kBadCharacter =
    "Source File - Warning: An unexpected character was detected. At least one part ID, part name, or net name "
    "contains invalid data for ExpressPCB. Please correct the source netlist. The new netlist may not import "
    "properly.";

std::string Summary(const std::string& counts) {
    return "File Conversion - Complete: The new netlist file 'out.net' has been created. The netlist contained: " +
           counts;
}

// Two parts and one net of two pins, with the given line end.
std::string SmallBoard(const std::string& end) {
    return "*PADS-PCB*" + end + "*PART*" + end + "U1 R" + end + "U2 C" + end + "*NET*" + end + "*SIGNAL* GND" + end +
           "U1.1 U2.1" + end + "*END*" + end;
}

std::string RandomBytes(std::size_t size) {
    std::mt19937 random(2024);
    std::string bytes(size, '\0');
    for (auto& byte : bytes) byte = static_cast<char>(random() & 0xFF);
    return bytes;
}

std::string Utf16WithByteOrderMark(const std::string& text) {
    std::string bytes = "\xFF\xFE";
    for (char c : text) bytes += std::string{c, '\0'};
    return bytes;
}

std::string Repeat(const std::string& text, int times) {
    std::string all;
    for (int i = 0; i < times; ++i) all += text;
    return all;
}

struct BadInput {
    const char* name;
    std::function<void(const fs::path&)> write;
    Strings warnings;
    std::string counts;  // the end of the summary
};

void WriteText(const fs::path& path, const std::string& text) { WriteFile(path, text); }

// One line of 100 MB without any line end, written in pieces.
void WriteHundredMegabyteLine(const fs::path& path) {
    std::ofstream out(path, std::ios::binary);
    const std::string piece(1 << 20, 'x');
    for (int i = 0; i < 100; ++i) out << piece;
}

const std::string kLongId(9998, 'P');  // with ".1", a pin reference of 10,000 characters

// clang-format off
const BadInput kBadInputs[] = {
    {"random binary bytes", [](auto& p) { WriteText(p, RandomBytes(64 * 1024)); },
     {kFormat, kNoParts, kNoNets}, ""},
    {"NUL bytes in IDs, names and net names",
     [](auto& p) { WriteText(p, "*PADS-PCB*\r\n*PART*\r\nU1\0 R\0" "603\r\nU2 C\r\n*NET*\r\n"
                                "*SIGNAL* G\0ND\r\nU1\0.1 U2.1\r\n*END*\r\n"s); },
     {kBadCharacter}, "8 Lines, 2 Parts, 1 Nets, and 2 Connections."},
    {"lines ending in CR only", [](auto& p) { WriteText(p, SmallBoard("\r")); },
     {}, "8 Lines, 2 Parts, 1 Nets, and 2 Connections."},
    {"mixed line ends and no last line end",
     [](auto& p) { WriteText(p, "*PADS-PCB*\r\n*PART*\nU1 R\rU2 C\r\n*NET*\n*SIGNAL* GND\rU1.1 U2.1\n*END*"); },
     {}, "8 Lines, 2 Parts, 1 Nets, and 2 Connections."},
    // Each CR LF becomes CR NUL LF NUL: two line ends, no keyword found.
    {"UTF-16 LE with a byte-order mark", [](auto& p) { WriteText(p, Utf16WithByteOrderMark(SmallBoard("\r\n"))); },
     {kFormat, kNoParts, kNoNets}, "17 Lines, 0 Parts, 0 Nets, and 0 Connections."},
    {"nothing but *SIGNAL* lines", [](auto& p) { WriteText(p, Repeat("*SIGNAL*\r\n", 1000)); },
     {kFormat, kNoParts, kNoNets, kTooLong}, "2000 Lines, 0 Parts, 1000 Nets, and 0 Connections."},
    {"pin references of 10,000 characters",
     [](auto& p) { WriteText(p, "*PADS-PCB*\r\n*PART*\r\n" + kLongId + " R\r\nU2 C\r\n*NET*\r\n*SIGNAL* GND\r\n" +
                                    kLongId + ".1 U2.1 " + kLongId + ".2\r\n*END*\r\n"); },
     {kTooLong}, "8 Lines, 2 Parts, 1 Nets, and 3 Connections."},
    {"a part section of 1,000,000 parts",
     [](auto& p) { WriteNetlist(p, {.parts = 1000000, .references = 2, .crLf = true, .singleNet = true}); },
     {}, "1000007 Lines, 1000000 Parts, 1 Nets, and 2 Connections."},
    {"100 MB without a line end", WriteHundredMegabyteLine,
     {kFormat, kNoParts, kNoNets}, "1 Lines, 0 Parts, 0 Nets, and 0 Connections."},
};
// clang-format on

class BadInputs : public testing::TestWithParam<BadInput> {};

TEST_P(BadInputs, ConvertToTheEndWithTheRightWarnings) {
    const BadInput& input = GetParam();
    test::TempFolder folder;
    input.write(folder.Path() / "board.net");
    const auto sourceSize = fs::file_size(folder.Path() / "board.net");

    const ProgramRun run = RunConvert({{"board.net", "out.net"}, folder.Path()});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, input.warnings);
    ASSERT_EQ(run.out.size(), 1u);
    EXPECT_EQ(run.out[0].substr(0, Summary("").size()), Summary(""));
    EXPECT_TRUE(run.out[0].ends_with(input.counts)) << run.out[0];
    EXPECT_EQ(Names(folder.Path()), (Strings{"board.net", "out.net"}));
    EXPECT_EQ(fs::file_size(folder.Path() / "board.net"), sourceSize);
}

void PrintTo(const BadInput& input, std::ostream* os) { *os << input.name; }

INSTANTIATE_TEST_SUITE_P(Sources, BadInputs, testing::ValuesIn(kBadInputs),
                         [](const auto& row) { return test::CaseName(row.param.name); });

// Texts pass through byte for byte: the NUL bytes and the lone CR line ends
// change nothing but what they must.
TEST(BadInputBytes, NulBytesReachTheTarget) {
    test::TempFolder folder;
    WriteText(folder.Path() / "board.net",
              "*PADS-PCB*\r\n*PART*\r\nU1\0 R\r\n*NET*\r\n*SIGNAL* G\0ND\r\n"
              "U1\0.1\r\n*END*\r\n"s);
    ASSERT_EQ(RunConvert({{"board.net", "out.net"}, folder.Path()}).status, 0);
    const std::string target = ReadFile(folder.Path() / "out.net");
    EXPECT_NE(target.find("\"U1\0\" \"R\" \"\"\r\n"s), std::string::npos);
    EXPECT_NE(target.find("\"G\0ND\" 1\r\n"s), std::string::npos);
}

TEST(BadInputBytes, LineEndsDoNotChangeTheTarget) {
    test::TempFolder folder;
    std::string targets[3];
    const char* const ends[3] = {"\r\n", "\r", "\n"};
    for (int i = 0; i < 3; ++i) {
        WriteText(folder.Path() / "board.net", SmallBoard(ends[i]));
        ASSERT_EQ(RunConvert({{"board.net", "out.net"}, folder.Path()}).status, 0);
        targets[i] = ReadFile(folder.Path() / "out.net");
    }
    EXPECT_EQ(targets[1], targets[0]);
    EXPECT_EQ(targets[2], targets[0]);
}

}  // namespace
}  // namespace brisel::reliability
