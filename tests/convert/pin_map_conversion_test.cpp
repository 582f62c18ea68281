// Whole conversions with a pin map: mapped pins are written as their
// numbers, checked and counted once per net as numbers; without a map, or
// with one that names no pin of the source, the bytes are those of a
// conversion without.

#include <gtest/gtest.h>

#include "convert/convert_netlist.h"
#include "convert/letter_pins.h"
#include "messages/problem_lines.h"
#include "pin_map/pin_map_reader.h"
#include "tests/support/memory_file_system.h"

namespace brisel {
namespace {

// What a conversion with --details would tell.
struct Told : ConversionReporter {
    std::vector<RunWarning> warnings;
    std::vector<std::string> lines;
    messages::ProblemLines words{"board.net", "pins.map"};

    void Progress(const ProgressStep&) override {}
    void Warning(RunWarning warning) override { warnings.push_back(warning); }
    bool WantsProblems() const override { return true; }
    void ProblemFound(const Problem& problem) override { lines.push_back(*words.Add(problem)); }
    void Finished(const Outcome&) override {}
    bool Warned(RunWarning warning) const {
        return std::find(warnings.begin(), warnings.end(), warning) != warnings.end();
    }
};

struct Result {
    std::string target;
    Told told;
};

Result Convert(const std::string& source, const char* map) {
    test::MemoryFileSystem files;
    files.Put("board.net", source);
    JobSettings settings;
    settings.SourceFile = "board.net";
    settings.TargetFile = "out.net";
    if (map != nullptr) {
        pin_map::MapReading reading = pin_map::ReadPinMap(map);
        EXPECT_FALSE(reading.error);
        settings.PinMap = std::make_shared<const pin_map::PinMap>(std::move(reading.map));
    }
    Result result;
    EXPECT_EQ(ConvertNetlist(settings, files, result.told).result, ConversionResult::Completed);
    result.target = files.Bytes("out.net");
    return result;
}

// The connection rows, "net part pin next".
std::vector<std::string> Connections(const std::string& target) {
    const auto table = target.find("\"Net Connections Table\"\r\n");
    std::vector<std::string> rows;
    for (std::size_t at = table + 25; at < target.size();) {
        const auto end = target.find("\r\n", at);
        rows.push_back(target.substr(at, end - at));
        at = end + 2;
    }
    return rows;
}

const std::string kBoard =
    "*PADS-PCB*\n"
    "*PART*\n"
    "Q1 SOT-23\n"
    "Q2 sot-23\n"
    "U8 QFN-32\n"
    "U2 LBGA256\n"
    "*NET*\n"
    "*SIGNAL* GATE\n"
    "Q1.G Q2.G\n"
    "*SIGNAL* GND\n"
    "Q1.S Q2.S\n"
    "U8.PAD U2.A1 U2.J1\n"
    "*SIGNAL* VCC\n"
    "Q1.D Q1.3 U2.H1\n"
    "*END*\n";

const char* const kMap =
    "Q1      G     1\n"
    "SOT-23  G     2\n"
    "SOT-23  S     2\n"
    "SOT-23  D     3\n"
    "*       PAD   33\n"
    "LBGA256 grid  16\n";

TEST(PinMapConversion, MappedPinsAreWrittenAsTheirNumbers) {
    const Result result = Convert(kBoard, kMap);
    // clang-format off
    const std::vector<std::string> rows = {
        "1 1 1 2", "1 2 2 0",                                    // Q1.G by its ID, Q2.G by its name
        "2 1 2 4", "2 2 2 5", "2 3 33 6", "2 4 1 7", "2 4 129 0",  // J1 follows H1's 113
        "3 1 3 9", "3 4 113 0",                                  // Q1.D is pin 3: Q1.3 is no second row
    };
    // clang-format on
    EXPECT_EQ(Connections(result.target), rows);
    EXPECT_FALSE(result.told.Warned(RunWarning::BadPinNumber));
    EXPECT_EQ(result.told.lines.front(), "board.net:9: note: pin \"G\" of part \"Q1\" written as 1 (pins.map:1)");
    EXPECT_EQ(result.told.lines.back(), "board.net:14: note: pin \"H1\" of part \"U2\" written as 113 (pins.map:6)");
    EXPECT_EQ(result.told.lines.size(), 9u);
}

// A ball outside the grid, and a pin no rule names, stay as they are and
// are warned of; the part IDs of mapped pins are still checked.
TEST(PinMapConversion, UnmappedPinsAreWarnedOf) {
    const std::string source =
        "*PADS-PCB*\n*PART*\nU2 LBGA256\nQ\"1 SOT-23\n*NET*\n*SIGNAL* A\nU2.A17 U2.I1 U2.A2 Q\"1.G Q\"1.B\n*END*\n";
    const Result result = Convert(source, kMap);
    EXPECT_EQ(Connections(result.target),
              (std::vector<std::string>{"1 1 A17 2", "1 1 I1 3", "1 1 2 4", "1 2 2 5", "1 2 B 0"}));
    EXPECT_TRUE(result.told.Warned(RunWarning::BadPinNumber));
    EXPECT_TRUE(result.told.Warned(RunWarning::BadCharacter));
    const std::vector<std::string> lines = {
        "board.net:4: warning: part ID \"Q\\\"1\" holds the unexpected character 0x22",
        "board.net:7: warning: pin \"A17\" of part \"U2\" is not a plain positive number",
        "board.net:7: warning: pin \"I1\" of part \"U2\" is not a plain positive number",
        "board.net:7: note: pin \"A2\" of part \"U2\" written as 2 (pins.map:6)",
        "board.net:7: warning: part ID \"Q\\\"1\" holds the unexpected character 0x22",
        "board.net:7: note: pin \"G\" of part \"Q\\\"1\" written as 2 (pins.map:2)",
        "board.net:7: warning: part ID \"Q\\\"1\" holds the unexpected character 0x22",
        "board.net:7: warning: pin \"B\" of part \"Q\\\"1\" is not a plain positive number",
    };
    EXPECT_EQ(result.told.lines, lines);
}

// The map looks at pins whose part is in the part list only; the others
// are left out as before.
TEST(PinMapConversion, ReferencesToUnknownPartsAreLeftOut) {
    const std::string source = "*PADS-PCB*\n*PART*\nQ1 SOT-23\n*NET*\n*SIGNAL* A\nQ9.G Q1.G\n*END*\n";
    const Result result = Convert(source, kMap);
    EXPECT_EQ(Connections(result.target), (std::vector<std::string>{"1 1 1 0"}));
    EXPECT_TRUE(result.told.Warned(RunWarning::UnknownParts));
    EXPECT_TRUE(result.told.Warned(RunWarning::BadPinNumber));  // Q9.G's pin, unmapped
}

// A second part section forgets the first one's parts, and their rules.
TEST(PinMapConversion, ASecondPartSectionTakesItsOwnRules) {
    const std::string source = "*PADS-PCB*\n*PART*\nQ1 SOT-23\n*PART*\nQ1 OTHER\n*NET*\n*SIGNAL* A\nQ1.S\n*END*\n";
    EXPECT_EQ(Connections(Convert(source, kMap).target), (std::vector<std::string>{"1 1 S 0"}));
}

TEST(PinMapConversion, WithoutAMapTheSameBytes) {
    const std::string source = kBoard + "";
    const Result without = Convert(source, nullptr);
    EXPECT_EQ(Convert(source, "R9 A 1\nOTHER grid 4\n").target, without.target);
    EXPECT_EQ(Convert(source, "").target, without.target);
    EXPECT_TRUE(without.told.Warned(RunWarning::BadPinNumber));
    EXPECT_EQ(Connections(without.target)[0], "1 1 G 2");
}

TEST(LetterPins, ByPartNameInTheOrderMet) {
    const std::string source =
        "!PADS-POWERPCB-V9.4\n*PART*\nQ1 SOT-23\nq2 sot-23\nU8\nU9 two words\nR1 RES\n*NET*\n"
        "*SIGNAL* A\nQ1.G Q2.G U8.PAD R1.1 U9.EP\nQ2.S Q1.S Q1.S Q9.X R1.0 Q1.#CS Q1.grid\n"
        "*SIGNAL* B\nQ1.G U9.EP\n*END*\nQ1.Z\n";
    test::MemoryFileSystem files;
    files.Put("board.net", source);
    const std::vector<LetterPinGroup> groups = FindLetterPins(*files.OpenForReading("board.net"));
    std::vector<std::string> lines;
    for (const LetterPinGroup& group : groups) {
        for (const LetterPin& pin : group.pins) {
            std::string line = (group.byName ? "name " : "id ") + group.part + " " + pin.pin + ":";
            for (const std::string& id : pin.partIds) line += " " + id;
            lines.push_back(line);
        }
    }
    // clang-format off
    const std::vector<std::string> expected = {
        "name SOT-23 G: Q1 q2",  // names and IDs in any case are one
        "name SOT-23 S: q2 Q1",
        "id U8 PAD: U8",         // a part without a name, by its ID
        "id U9 EP: U9",          // a name with a space no rule can name
        "name RES 0: R1",        // pin zero cannot be written either
    };
    // clang-format on
    EXPECT_EQ(lines, expected);
}

}  // namespace
}  // namespace brisel
