#include "pin_map/pin_map_reader.h"

#include <gtest/gtest.h>

#include "messages/pin_map_messages.h"

namespace brisel::pin_map {
namespace {

// The error as the user reads it, "pins.map:LINE: TEXT", or "" for a map
// that reads.
std::string ErrorOf(std::string_view text) {
    const MapReading reading = ReadPinMap(text);
    if (!reading.error) return "";
    PinMapFile file;
    file.error = reading.error;
    return messages::ForPinMapFile("pins.map", file).lines.front();
}

TEST(PinMapReader, EveryError) {
    struct Case {
        const char* text;
        const char* error;
    };
    // clang-format off
    const Case cases[] = {
        {"Q1 G\n",                         "pins.map:1: expected PART PIN NUMBER"},
        {"Q1\n",                           "pins.map:1: expected PART PIN NUMBER"},
        {"Q1 G 1 2\n",                     "pins.map:1: expected PART PIN NUMBER"},
        {"Q1 G # 1\n",                     "pins.map:1: expected PART PIN NUMBER"},  // the comment takes the number
        {"# a\n\nQ1 G 1\n  \nQ1 S\n",      "pins.map:5: expected PART PIN NUMBER"},
        {"Q1 G ?\n",                       "pins.map:1: the number \"?\" is still to be filled in"},
        {"U2 grid ?\n",                    "pins.map:1: the number \"?\" is still to be filled in"},
        {"Q1 G 0\n",                       "pins.map:1: \"0\" is no pin number: expected a whole number from 1 to 999999999"},
        {"Q1 G 000\n",                     "pins.map:1: \"000\" is no pin number: expected a whole number from 1 to 999999999"},
        {"Q1 G -1\n",                      "pins.map:1: \"-1\" is no pin number: expected a whole number from 1 to 999999999"},
        {"Q1 G 1.5\n",                     "pins.map:1: \"1.5\" is no pin number: expected a whole number from 1 to 999999999"},
        {"Q1 G A\n",                       "pins.map:1: \"A\" is no pin number: expected a whole number from 1 to 999999999"},
        {"Q1 G 1000000000\n",              "pins.map:1: \"1000000000\" is no pin number: expected a whole number from 1 to 999999999"},
        {"U2 grid 0\n",                    "pins.map:1: \"0\" is no number of columns: expected a whole number from 1 to 999999999"},
        {"U2 grid x\n",                    "pins.map:1: \"x\" is no number of columns: expected a whole number from 1 to 999999999"},
        {"Q1 G 1\nq1 G 2\n",               "pins.map:2: pin \"G\" of \"q1\" gets 2 here and 1 on line 1"},
        {"SOT-23 G 1\n\n\nsot-23 G 02\n",  "pins.map:4: pin \"G\" of \"sot-23\" gets 02 here and 1 on line 1"},
        {"* EP 9\n* EP 10\n",              "pins.map:2: pin \"EP\" of \"*\" gets 10 here and 9 on line 1"},
        {"U2 grid 16\nu2 grid 20\n",       "pins.map:2: the grid of \"u2\" has 20 columns here and 16 on line 1"},
        {"Q1 G\x01 ?\n",                   "pins.map:1: the number \"?\" is still to be filled in"},
        {"Q1 G 1\rQ1 S\r",                 "pins.map:2: expected PART PIN NUMBER"},    // CR ends a line
        {"Q1 G 1\r\nQ1 S\r\n",             "pins.map:2: expected PART PIN NUMBER"},
        {"\xEF\xBB\xBFQ1 G\n",             "pins.map:1: expected PART PIN NUMBER"},
    };
    // clang-format on
    for (const Case& c : cases) EXPECT_EQ(ErrorOf(c.text), c.error) << c.text;
}

TEST(PinMapReader, RulesThatRead) {
    struct Case {
        const char* text;
        const char* pin;  // of part Q1, named SOT-23
        const char* number;
    };
    // clang-format off
    const Case cases[] = {
        {"Q1 G 1",                          "G",  "1"},    // no line end after the last line
        {"Q1\tG\t\t1\t# a tab, a comment\n", "G", "1"},
        {"  Q1  G  007  \n",                "G",  "7"},    // the number as a number
        {"Q1 G 1\nQ1 G 1\n",                "G",  "1"},    // the same rule twice agrees with itself
        {"Q1 RESET# 4\n",                   "RESET#", "4"},  // "#" starts a comment only at a word's start
        {"\xEF\xBB\xBFQ1 G 3\n",            "G",  "3"},    // a byte order mark
        {"Q1 G 1\r\nQ1 S 2\r\n",            "S",  "2"},
        {"Q1 G 1\n# Q1 S 2\n",              "S",  "-"},
        {"",                                "G",  "-"},
    };
    // clang-format on
    for (const Case& c : cases) {
        const MapReading reading = ReadPinMap(c.text);
        ASSERT_FALSE(reading.error) << c.text;
        const auto mapping = PinMap::Map(reading.map.RulesFor("Q1", "SOT-23"), c.pin);
        EXPECT_EQ(mapping ? std::string(mapping->number) : "-", c.number) << c.text;
    }
}

// A map refused for a line that is not a rule reads no further: the first
// wrong line is the one named.
TEST(PinMapReader, NamesTheFirstWrongLine) {
    EXPECT_EQ(ErrorOf("Q1 G ?\nQ1 S ?\n"), "pins.map:1: the number \"?\" is still to be filled in");
}

TEST(PinMapReader, AMapThatCannotBeRead) {
    PinMapFile file;
    file.readError = SystemReason("No such file or directory");
    const messages::Message message = messages::ForPinMapFile("maps/pins.map", file);
    EXPECT_EQ(message.OneLine(),
              "Pin Map - Error: The pin map 'maps/pins.map' could not be read: No such file or directory.");
    EXPECT_EQ(message.icon, messages::Icon::Error);
}

}  // namespace
}  // namespace brisel::pin_map
