// brisel-convert --pin-map and --pin-map-template, run as the user runs them.

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

#include "tests/support/convert_program.h"
#include "tests/support/temp_folder.h"
#include "tests/support/text_files.h"

namespace {

namespace fs = std::filesystem;
using namespace brisel::test;

class PinMapCli : public testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"pin_map_board.net", "pin_map_board.map"}) {
            fs::copy_file(fs::path(BRISEL_TEST_DATA_DIR) / name, dir_ / name);
        }
    }
    ProgramRun Run(Strings args) { return RunConvert({std::move(args), dir_}); }

    TempFolder folder_;
    const fs::path& dir_ = folder_.Path();
};

// The board of a MOSFET switch, an exposed pad and a ball grid array
// converts with its map without a warning, and verifies.
TEST_F(PinMapCli, TheBoardConvertsWithItsMap) {
    const ProgramRun run =
        Run({"--strict", "--verify", "--pin-map", "pin_map_board.map", "pin_map_board.net", "out.net"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, Strings{});
    EXPECT_EQ(run.out, (Strings{"File Conversion - Complete: The new netlist file 'out.net' has been created. The "
                                "netlist contained: 26 Lines, 8 Parts, 7 Nets, and 30 Connections.",
                                "verified: 7 nets, 30 connections"}));
    EXPECT_EQ(MaskedVersion(ReadFile(dir_ / "out.net")), TestData("pin_map_board.expected.net"));
}

// Without the map the same board warns of its letter pins.
TEST_F(PinMapCli, WithoutTheMapTheLetterPinsAreWarnedOf) {
    const ProgramRun run = Run({"--strict", "pin_map_board.net", "out.net"});
    EXPECT_EQ(run.status, 3);
    EXPECT_EQ(run.err, (Strings{"Source File - Warning: An alphanumeric pin number (or pin zero) was detected. Pin "
                                "numbers cannot contain letters (or equal 0) in ExpressPCB. Please correct the source "
                                "netlist. The new netlist may not import properly."}));
}

// The template with its numbers filled in is the board's map.
TEST_F(PinMapCli, TheFilledInTemplateIsTheMap) {
    const ProgramRun run = Run({"--pin-map-template", "pin_map_board.net"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, Strings{});
    const std::regex number(R"(^([^#\s]+\s+[^#\s]+\s+)\d+)", std::regex::multiline);
    EXPECT_EQ(run.outBytes, std::regex_replace(TestData("pin_map_board.map"), number, "$1?"));
    EXPECT_EQ(run.out.at(3), "SOT-23     S    ?  # Q1, Q2");
    EXPECT_EQ(Run({"--pin-map-template=-"}).status, 0);  // standard input, empty
}

// A template names the first eight parts of a line, and says so when the
// netlist needs no map.
TEST_F(PinMapCli, TemplatesOfOtherNetlists) {
    std::string ten = "*PADS-PCB*\n*PART*\n";
    for (int i = 1; i <= 10; ++i) ten.append("Q").append(std::to_string(i)).append(" SOT-23\n");
    ten += "*NET*\n*SIGNAL* G\nQ1.G Q2.G Q3.G Q4.G Q5.G Q6.G Q7.G Q8.G Q9.G Q10.G\n";
    WriteFile(dir_ / "ten.net", ten);
    for (const char* name : {"every_problem.net", "worked_example.net"}) {
        fs::copy_file(fs::path(BRISEL_TEST_DATA_DIR) / name, dir_ / name);
    }
    struct Case {
        const char* source;
        std::string text;
    };
    const std::string head =
        ": replace each ? with the pin's number.\n"
        "# A rule for a part name numbers that pin of every part of the name.\n";
    const Case cases[] = {
        {"every_problem.net", "# Pin map for every_problem.net" + head +
                                  "# PART  PIN  NUMBER\n"
                                  "0.1uF  0    ?  # C1\n"
                                  "LM358  A1   ?  # U3\n"},
        {"worked_example.net",
         "# Pin map for worked_example.net" + head + "# Every pin of worked_example.net is a number already.\n"},
        {"ten.net", "# Pin map for ten.net" + head +
                        "# PART  PIN  NUMBER\n"
                        "SOT-23  G    ?  # Q1, Q2, Q3, Q4, Q5, Q6, Q7, Q8 and 2 more\n"},
    };
    for (const Case& c : cases) {
        const ProgramRun run = Run({"--pin-map-template", c.source});
        EXPECT_EQ(run.status, 0) << c.source;
        EXPECT_EQ(run.outBytes, c.text) << c.source;
    }
}

TEST_F(PinMapCli, DetailsNoteEachMappedPin) {
    const ProgramRun run = Run({"--details", "--pin-map=pin_map_board.map", "pin_map_board.net", "out.net"});
    EXPECT_EQ(run.status, 0);
    ASSERT_EQ(run.err.size(), 16u);
    EXPECT_EQ(run.err.front(),
              "pin_map_board.net:15: note: pin \"PAD\" of part \"U8\" written as 17 (pin_map_board.map:7)");
    EXPECT_EQ(run.err.back(),
              "pin_map_board.net:26: note: pin \"D\" of part \"Q2\" written as 3 (pin_map_board.map:6)");
}

TEST_F(PinMapCli, AtMostAHundredNotes) {
    std::string source = "*PADS-PCB*\n*PART*\nQ1 SOT-23\n*NET*\n";
    for (int i = 0; i < 150; ++i) source += "*SIGNAL* N" + std::to_string(i) + "\nQ1.G\n";
    WriteFile(dir_ / "many.net", source);
    WriteFile(dir_ / "g.map", "SOT-23 G 1\n");
    const ProgramRun run = Run({"--details", "--pin-map", "g.map", "many.net", "out.net"});
    ASSERT_EQ(run.err.size(), 101u);
    EXPECT_EQ(run.err.back(), "many.net: note: 50 more of the kind \"pin numbered by the pin map\" not shown");
}

// A map that is wrong stops the conversion before it starts: the old
// target stays, and nothing is left behind.
TEST_F(PinMapCli, AWrongMapStopsTheConversion) {
    struct Case {
        const char* map;
        const char* error;
    };
    // clang-format off
    const Case cases[] = {
        {"Q1 G 1\nQ1 S\n",         "Pin Map - Error: bad.map:2: expected PART PIN NUMBER"},
        {"SOT-23 G ?  # Q1\n",     "Pin Map - Error: bad.map:1: the number \"?\" is still to be filled in"},
        {"Q1 G 1\nq1 G 3\n",       "Pin Map - Error: bad.map:2: pin \"G\" of \"q1\" gets 3 here and 1 on line 1"},
    };
    // clang-format on
    WriteFile(dir_ / "out.net", "old");
    for (const Case& c : cases) {
        WriteFile(dir_ / "bad.map", c.map);
        const ProgramRun run = Run({"--pin-map", "bad.map", "pin_map_board.net", "out.net"});
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.err, Strings{c.error});
        EXPECT_EQ(run.out, Strings{});
        EXPECT_EQ(ReadFile(dir_ / "out.net"), "old");
    }
    const ProgramRun missing = Run({"--pin-map", "none.map", "pin_map_board.net", "out.net"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err,
              Strings{"Pin Map - Error: The pin map 'none.map' could not be read: No such file or directory."});
    EXPECT_EQ(folder_.Names(),
              (std::vector<std::string>{"bad.map", "out.net", "pin_map_board.map", "pin_map_board.net"}));
}

TEST_F(PinMapCli, Usage) {
    struct Case {
        Strings args;
        const char* error;
    };
    const Case cases[] = {
        {{"--pin-map"}, "brisel-convert: option '--pin-map' needs a file"},
        {{"--pin-map=", "a.net", "b.net"}, "brisel-convert: option '--pin-map' needs a file"},
        {{"--pin-map-template"}, "brisel-convert: option '--pin-map-template' needs a file"},
        {{"--pin-map-template", "a.net", "b.net"}, "brisel-convert: --pin-map-template takes SOURCE only"},
    };
    for (const Case& c : cases) {
        const ProgramRun run = Run(c.args);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.err, (Strings{c.error, "Try 'brisel-convert --help' for more information."}));
    }
    const ProgramRun missing = Run({"--pin-map-template", "none.net"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err,
              Strings{"Source File - Error: The file 'none.net' could not be read: No such file or directory."});
}

}  // namespace
