// Whole conversions: the exact target, the progress captions and the
// messages, in order.

#include <gtest/gtest.h>

#include "conversion_fixture.h"

namespace brisel::test {
namespace {

using Strings = std::vector<std::string>;

const std::string kWorkedExample =
    Lines({"!PADS-POWERPCB-V3.0-MILS!", "*PART*", "C1 0.1uF", "R1 10K", "U1 74HC00", "", "*NET*", "*SIGNAL* GND",
           "C1.2 U1.7", "*SIGNAL* VCC", "C1.1 U1.14 R1.1", "*END*"});

const std::string kCompleteTitle = "Information: File Conversion - Complete | ";

std::string Summary(const std::string& lines, const std::string& parts, const std::string& nets,
                    const std::string& connections) {
    return kCompleteTitle + "The new netlist file 'out.net' has been created.\r\nThe netlist contained: " + lines +
           " Lines, " + parts + " Parts, " + nets + " Nets, and " + connections + " Connections.";
}

TEST(Conversion, WorkedExampleIsByteExact) {
    const auto run = Convert(kWorkedExample);
    EXPECT_EQ(run.result, ConversionResult::Completed);
    EXPECT_EQ(run.target, Lines({"\"ExpressPCB Netlist\"",
                                 "\"Brisel v" + std::string(kCallerVersion) + " netlist converted from PADS\"",
                                 "1",
                                 "0",
                                 "0",
                                 "\"\"",
                                 "\"\"",
                                 "\"\"",
                                 "\"Part IDs Table\"",
                                 "\"C1\" \"0.1uF\" \"\"",
                                 "\"R1\" \"10K\" \"\"",
                                 "\"U1\" \"74HC00\" \"\"",
                                 "",
                                 "\"Net Names Table\"",
                                 "\"GND\" 1",
                                 "\"VCC\" 3",
                                 "",
                                 "\"Net Connections Table\"",
                                 "1 1 2 2",
                                 "1 3 7 0",
                                 "2 1 1 4",
                                 "2 3 14 5",
                                 "2 2 1 0"}));
    EXPECT_EQ(run.host.Captions(), (Strings{"Initializing...", "Converting...", "71% Complete", "76% Complete",
                                            "82% Complete", "88% Complete", "94% Complete", "100% Complete"}));
    EXPECT_EQ(run.host.events.back(), Summary("12", "3", "2", "5"));
    EXPECT_EQ(run.host.Messages().size(), 1u);
}

// 6 lines to "*END*" and 2 connections: 87.5 goes to the even neighbour.
TEST(Conversion, PercentagesRoundHalfToEven) {
    const auto run = Convert(Lines({"*PADS-PCB*", "*PART*", "U1 X", "*SIGNAL* A", "U1.1 U1.2", "*END*"}));
    EXPECT_EQ(run.host.Captions(),
              (Strings{"Initializing...", "Converting...", "75% Complete", "88% Complete", "100% Complete"}));
}

// Rows are written in place in the spool's buffer, and a net's last row is
// mended there to name no next row. A pin longer than the whole buffer goes
// around it, as the last row of its net and as an earlier one.
TEST(Conversion, APinLongerThanTheSpoolBufferKeepsItsRowExact) {
    const std::string longPin = "1" + std::string(300000, '2');
    const auto run = Convert(Lines({"*PADS-PCB*", "*PART*", "U1 X", "*NET*", "*SIGNAL* A", "U1.1 U1." + longPin,
                                    "*SIGNAL* B", "U1." + longPin + " U1.3", "*END*"}));
    const std::string table = "\"Net Connections Table\"\r\n";
    const auto rows = run.target.substr(run.target.find(table) + table.size());
    EXPECT_EQ(rows, Lines({"1 1 1 2", "1 1 " + longPin + " 0", "2 1 " + longPin + " 4", "2 1 3 0"}));
}

TEST(Conversion, EmptySourceGivesOnlyTheConnectionTableHeader) {
    const auto run = Convert("");
    EXPECT_EQ(run.target, Lines({"", "\"Net Connections Table\""}));
    EXPECT_EQ(run.host.Messages(),
              (Strings{"Warning: Source File - Warning | No part data was found.\r\nThe new netlist may contain "
                       "errors.",
                       "Warning: Source File - Warning | No net data was found.\r\nThe new netlist may contain "
                       "errors.",
                       Summary("0", "0", "0", "0")}));
}

TEST(Conversion, LinesAfterEndAreNeitherReadNorCounted) {
    const auto run = Convert(kWorkedExample + Lines({"*SIGNAL* LATE", "C1.1", "more"}));
    EXPECT_EQ(run.host.events.back(), Summary("12", "3", "2", "5"));
    EXPECT_EQ(run.target.find("LATE"), std::string::npos);
}

TEST(Conversion, WithoutEndOnlyTheCopySetsThePercentage) {
    const auto run = Convert(Lines({"*PADS-PCB*", "*PART*", "U1 X", "", "*NET*", "*SIGNAL* A", "U1.1 U1.2"}));
    EXPECT_EQ(run.host.Captions(), (Strings{"Initializing...", "Converting...", "89% Complete", "100% Complete"}));
}

TEST(Conversion, EveryWarningInOrderEachWithItsBeepThenTheSummary) {
    const auto run = Convert(Lines({"!PADS-POWERPCB-3.1", "*SIGNAL*", "\"Q\".0 X9.1", "*END*"}));
    const Strings expected = {
        "beep",
        "Warning: Source File - Warning | The netlist data is not recognized as a supported format.\r\n"
        "The new netlist may contain errors.",
        "beep",
        "Warning: Source File - Warning | No part data was found.\r\nThe new netlist may contain errors.",
        "beep",
        "Warning: Source File - Warning | No net data was found.\r\nThe new netlist may contain errors.",
        "beep",
        "Warning: Source File - Warning | At least one part ID, part name, or net name is too long for "
        "ExpressPCB.\r\nPlease correct the source netlist.\r\nThe new netlist may not import properly.",
        "beep",
        "Warning: Source File - Warning | An unexpected character was detected.\r\nAt least one part ID, "
        "part name, or net name contains invalid data for ExpressPCB.\r\nPlease correct the source "
        "netlist.\r\nThe new netlist may not import properly.",
        "beep",
        "Warning: Source File - Warning | An alphanumeric pin number (or pin zero) was detected.\r\nPin "
        "numbers cannot contain letters (or equal 0) in ExpressPCB.\r\nPlease correct the source "
        "netlist.\r\nThe new netlist may not import properly.",
        "beep",
        "Warning: Source File - Warning | At least one pin reference names a part that is not in the "
        "part list.\r\nThose pin references were left out of the new netlist.\r\nPlease correct the "
        "source netlist.",
    };
    Strings seen;
    for (const auto& e : run.host.events) {
        if (e.rfind("caption", 0) != 0) seen.push_back(e);
    }
    ASSERT_EQ(seen.size(), expected.size() + 1);
    EXPECT_EQ(Strings(seen.begin(), seen.end() - 1), expected);
    EXPECT_EQ(seen.back(), Summary("4", "0", "1", "0"));
}

TEST(Conversion, EachConversionReportsOnlyItsOwnProblems) {
    RecordingHost host;
    TempFolder folder;
    folder.Write("bad.net", Lines({"*PADS-PCB*", "*PART*", " U1", "", "*NET*", "*SIGNAL* A", "U1.X", "*END*"}));
    folder.Write("good.net", kWorkedExample);
    host.settings.SourcePath = host.settings.TargetPath = folder.Folder();
    host.settings.SourceFile = "bad.net";
    host.settings.TargetFile = "out.net";
    host.Run();
    EXPECT_TRUE(host.Warned(RunWarning::NameTooLong) && host.Warned(RunWarning::BadPinNumber));
    host.events.clear();
    host.settings.SourceFile = "good.net";
    host.Run();
    EXPECT_EQ(host.Messages(), Strings{Summary("12", "3", "2", "5")});
    EXPECT_TRUE(host.warnings.empty());
}

TEST(Conversion, EightBitTextPassesThroughUnchanged) {
    const std::string name("R\xe9sistance\x7f\x00z", 14);
    const auto run =
        Convert(Lines({"*PADS-PCB*", "*PART*", "R1 " + name, "", "*NET*", "*SIGNAL* N\xff", "R1.1", "*END*"}));
    const auto body = BodyLines(run.target);
    EXPECT_EQ(body[1], "\"R1\" \"" + name + "\" \"\"");
    EXPECT_EQ(body[4], "\"N\xff\" 1");
    EXPECT_TRUE(run.host.Warned(RunWarning::BadCharacter));
}

TEST(Conversion, BothTemporaryFilesAreGoneAfterwards) {
    TempFolder in, out;
    in.Write("board.net", kWorkedExample);
    RecordingHost host;
    host.settings = {in.Folder(), "board.net", out.Folder(), "out.net"};
    EXPECT_EQ(host.Run(), ConversionResult::Completed);
    EXPECT_EQ(out.Names(), Strings{"out.net"});
    EXPECT_EQ(in.Names(), Strings{"board.net"});
    EXPECT_EQ(in.Read("board.net"), kWorkedExample);
}

// On the disk, on every system: the new target takes the old one's place,
// and a new target left by a run that died is taken over.
TEST(Conversion, AnOldTargetIsReplacedAndNothingIsLeftBeside) {
    TempFolder folder;
    folder.Write("board.net", kWorkedExample);
    folder.Write("out.net", "an older netlist\r\n");
    folder.Write("BriselTemp3.txt", "a new target that never got its place\r\n");
    RecordingHost host;
    host.settings = {folder.Folder(), "board.net", folder.Folder(), "out.net"};
    host.settings.AppVersion = kCallerVersion;
    EXPECT_EQ(host.Run(), ConversionResult::Completed);
    EXPECT_EQ(folder.Names(), (Strings{"board.net", "out.net"}));
    EXPECT_EQ(folder.Read("out.net"), Convert(kWorkedExample).target);
}

}  // namespace
}  // namespace brisel::test
