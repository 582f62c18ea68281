// Netlists laid out as real schematic tools write them, one fixture for each
// writer in tests/data/, converted and verified by the real brisel-convert:
// the exact target, the counts, the warnings.

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/case_names.h"
#include "tests/support/convert_program.h"
#include "tests/support/temp_folder.h"
#include "tests/support/text_files.h"

namespace {

namespace fs = std::filesystem;
using namespace brisel::test;

struct WriterCase {
    const char* why;
    const char* fixture;  // NAME.net beside NAME.expected.net
    const char* counts;   // what the completion says the netlist contained
    Strings warnings;
    const char* verified;
};

void PrintTo(const WriterCase& c, std::ostream* out) { *out << c.why; }

class Writers : public testing::TestWithParam<WriterCase> {
protected:
    TempFolder folder_;
};

TEST_P(Writers, ConvertAndVerifyIntoTheExpectedNetlist) {
    const WriterCase& c = GetParam();
    const std::string source = std::string(c.fixture) + ".net";
    fs::copy_file(fs::path(BRISEL_TEST_DATA_DIR) / source, folder_.Path() / source);
    const ProgramRun run = RunConvert({{"--verify", source, "out.net"}, folder_.Path()});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, (Strings{"File Conversion - Complete: The new netlist file 'out.net' has been created. The "
                                "netlist contained: " +
                                    std::string(c.counts),
                                c.verified}));
    EXPECT_EQ(run.err, c.warnings);
    EXPECT_EQ(MaskedVersion(ReadFile(folder_.Path() / "out.net")), TestData(std::string(c.fixture) + ".expected.net"));
}

const std::string kNameTooLong =
    "Source File - Warning: At least one part ID, part name, or net name is too long for ExpressPCB. Please correct "
    "the source netlist. The new netlist may not import properly.";
const std::string kAlphanumericPin =
    "Source File - Warning: An alphanumeric pin number (or pin zero) was detected. Pin numbers cannot contain letters "
    "(or equal 0) in ExpressPCB. Please correct the source netlist. The new netlist may not import properly.";

// clang-format off
INSTANTIATE_TEST_SUITE_P(Fixtures, Writers, testing::Values(
    // IDs padded to 16 columns; seven references on a signal's first line, six
    // on the others, a space after the last and, after a full line, an empty line.
    WriterCase{"KiCad's PADS exporter", "kicad_pads_exporter",
               "30 Lines, 13 Parts, 6 Nets, and 36 Connections.", {}, "verified: 6 nets, 36 connections"},
    // Part lines indented by a space, one reference a line; a part without a
    // footprint has an empty name.
    WriterCase{"KiCad's PADS plugin", "kicad_pads_plugin",
               "30 Lines, 13 Parts, 6 Nets, and 36 Connections.", {kNameTooLong}, "verified: 6 nets, 36 connections"},
    // *CONNECTION*, each signal's pins in pairs, a *MISC* section of rules and
    // attributes after the nets, CR LF; ball pins are letters and numbers.
    WriterCase{"PADS Logic V9", "pads_logic_v9",
               "66 Lines, 8 Parts, 8 Nets, and 27 Connections.", {kAlphanumericPin}, "verified: 8 nets, 27 connections"},
    // IDs padded to 8 columns, value@package names, "*SIGNAL*" and two spaces,
    // references wrapped before 128 characters, CR LF.
    WriterCase{"TinyCAD", "tinycad_pads",
               "126 Lines, 45 Parts, 38 Nets, and 120 Connections.", {}, "verified: 38 nets, 120 connections"}
), ByWhy());
// clang-format on

}  // namespace
