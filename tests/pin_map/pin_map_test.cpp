#include "pin_map/pin_map.h"

#include <gtest/gtest.h>

#include "pin_map/pin_map_reader.h"

namespace brisel::pin_map {
namespace {

PinMap Read(std::string_view text) {
    MapReading reading = ReadPinMap(text);
    EXPECT_FALSE(reading.error) << text;
    return std::move(reading.map);
}

// The number and the rule's line, or "-" for a pin the map leaves alone.
std::string Mapped(const PinMap& map, std::string_view id, std::string_view name, std::string_view pin) {
    const auto mapping = PinMap::Map(map.RulesFor(id, name), pin);
    return mapping ? std::string(mapping->number) + " (line " + std::to_string(mapping->line) + ")" : "-";
}

const char* const kRules =
    "Q1      G     1\n"  // line 1: the part Q1 only
    "SOT-23  G     2\n"
    "SOT-23  S     3\n"
    "*       G     4\n"
    "*       EP    9\n"
    "sot-23  EP    5\n"  // line 6
    "U2      grid  16\n"
    "LBGA    grid  8\n"
    "LBGA    A1    99\n"  // line 9: a pin's own rule before the grid
    "WIDE    grid  20\n";

TEST(PinMap, IdBeforeNameBeforeAnyPart) {
    const PinMap map = Read(kRules);
    struct Case {
        const char* id;
        const char* name;
        const char* pin;
        const char* expected;
    };
    // clang-format off
    const Case cases[] = {
        {"Q1", "SOT-23",  "G",   "1 (line 1)"},  // the ID's rule
        {"q1", "SOT-23",  "G",   "1 (line 1)"},  // IDs ignore letter case
        {"Q2", "SOT-23",  "G",   "2 (line 2)"},  // the name's rule
        {"Q2", "Sot-23",  "S",   "3 (line 3)"},  // names ignore letter case
        {"Q2", "SOT-23",  "g",   "-"},           // pins do not
        {"Q3", "SOT-323", "G",   "4 (line 4)"},  // any part's rule
        {"Q1", "SOT-23",  "EP",  "5 (line 6)"},  // the name's rule over any part's
        {"U1", "QFN",     "EP",  "9 (line 5)"},
        {"Q1", "SOT-23",  "D",   "-"},
        {"U1", "",        "G",   "4 (line 4)"},  // a part without a name
        {"U2", "BGA",     "B1",  "17 (line 7)"}, // the ID's grid
        {"U3", "LBGA",    "B1",  "9 (line 8)"},  // the name's grid
        {"U3", "LBGA",    "A1",  "99 (line 9)"}, // the pin's rule before the grid
        {"U3", "LBGA",    "A9",  "-"},           // past the grid's columns: unmapped
        {"U3", "LBGA",    "G",   "4 (line 4)"},  // no ball: on to any part's rules
        {"U2", "WIDE",    "A17", "17 (line 10)"}, // beyond the ID's grid, within the name's
    };
    // clang-format on
    for (const Case& c : cases) EXPECT_EQ(Mapped(map, c.id, c.name, c.pin), c.expected) << c.id << "." << c.pin;
}

TEST(PinMap, PartsWithoutRules) {
    const PinMap map = Read("Q1 G 1\n");
    EXPECT_TRUE(map.RulesFor("R1", "RES").Empty());
    EXPECT_FALSE(map.RulesFor("R1", "Q1").Empty());  // a name may equal a rule's part field
    EXPECT_TRUE(Read("# nothing but comments\n\n").Empty());
    EXPECT_FALSE(Read("* 1 1\n").RulesFor("R1", "RES").Empty());
}

// A ball's number keeps its place while the map lives: the conversion
// keeps pointing to it until its net ends.
TEST(PinMap, BallNumbersStayWhereTheyAre) {
    const PinMap map = Read("U2 grid 16\n");
    const PartRules rules = map.RulesFor("U2", "");
    const std::string_view first = PinMap::Map(rules, "H1")->number;
    for (int i = 1; i <= 16; ++i) PinMap::Map(rules, "B" + std::to_string(i));
    EXPECT_EQ(PinMap::Map(rules, "H1")->number.data(), first.data());
    EXPECT_EQ(first, "113");
}

}  // namespace
}  // namespace brisel::pin_map
