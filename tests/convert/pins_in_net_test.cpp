// The pins of a net: each pin is new once, by part and exact pin bytes, in
// small nets and in large ones, and Clear starts the next net afresh.

#include "convert/pins_in_net.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/case_names.h"

namespace brisel {
namespace {

struct Step {
    int part;
    const char* pin;
    bool isNew;
};

struct PinsCase {
    const char* why;
    std::vector<Step> steps;
};

void PrintTo(const PinsCase& c, std::ostream* os) { *os << c.why; }

class PinsInNetTest : public testing::TestWithParam<PinsCase> {};

// Each test has parts of its own: a part notes the pins of the net that
// names it.
TEST_P(PinsInNetTest, TellsANewPinFromOneTheNetHas) {
    const PartNumber parts[3];
    PinsInNet pins;
    for (const Step& step : GetParam().steps) {
        EXPECT_EQ(pins.Add(parts[step.part], step.pin), step.isNew) << step.part << "." << step.pin;
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, PinsInNetTest, testing::Values(
    PinsCase{"a pin again", {{0, "1", true}, {1, "1", true}, {0, "1", false}, {1, "1", false}}},
    PinsCase{"pins compare byte for byte", {{0, "1", true}, {0, "01", true}, {0, "M12", true}, {0, "m12", true},
                                            {0, "1 ", true}, {0, "", true}, {0, "", false}, {0, "m12", false}}},
    PinsCase{"the same pin text on another part", {{0, "7", true}, {1, "7", true}, {2, "7", true}, {2, "7", false}}}
), test::ByWhy());
// clang-format on

// Past the pins searched one by one, the table must find every earlier pin,
// and grow without losing any.
TEST(PinsInNet, ALargeNetFindsEveryPinItHas) {
    std::vector<std::string> texts;
    for (int i = 0; i < 5000; ++i) texts.push_back(std::to_string(i));
    const PartNumber parts[3];
    PinsInNet pins;
    for (const std::string& text : texts) ASSERT_TRUE(pins.Add(parts[1], text)) << text;
    for (const std::string& text : texts) ASSERT_FALSE(pins.Add(parts[1], text)) << text;
    for (const std::string& text : texts) ASSERT_TRUE(pins.Add(parts[2], text)) << text;
}

TEST(PinsInNet, ClearStartsTheNextNet) {
    std::vector<std::string> texts;
    for (int i = 0; i < 100; ++i) texts.push_back(std::to_string(i).insert(0, 1, 'A'));
    const PartNumber parts[1];
    PinsInNet pins;
    for (const std::size_t count : {std::size_t{3}, std::size_t{16}, std::size_t{17}, std::size_t{100}}) {
        for (std::size_t i = 0; i < count; ++i) ASSERT_TRUE(pins.Add(parts[0], texts[i])) << count;
        ASSERT_FALSE(pins.Add(parts[0], texts[count - 1]));
        pins.Clear();
    }
    EXPECT_TRUE(pins.Add(parts[0], texts[0]));
}

// A net of many parts, each named with a few pins and again, as the ground
// net of a board; the next net starts with none of them.
TEST(PinsInNet, ManyPartsWithSeveralPinsEach) {
    std::vector<PartNumber> parts(300);
    const std::string pins[] = {"1", "2", "14", "A1"};
    PinsInNet net;
    for (int round = 0; round < 2; ++round) {
        for (const std::string& pin : pins) {
            for (const PartNumber& part : parts) ASSERT_EQ(net.Add(part, pin), round == 0) << pin;
        }
    }
    net.Clear();
    for (const PartNumber& part : parts) EXPECT_TRUE(net.Add(part, pins[3]));
}

// A part notes a pin of up to 65,534 bytes itself; a longer one is kept in
// the table, and still compared whole.
TEST(PinsInNet, AVeryLongPinIsComparedWhole) {
    const PartNumber part;
    const std::string longPin(70000, '1');
    const std::string otherLongPin = longPin.substr(1) + "2";
    PinsInNet net;
    EXPECT_TRUE(net.Add(part, longPin));
    EXPECT_TRUE(net.Add(part, otherLongPin));
    EXPECT_TRUE(net.Add(part, "1"));
    EXPECT_FALSE(net.Add(part, longPin));
    EXPECT_FALSE(net.Add(part, otherLongPin));
    EXPECT_FALSE(net.Add(part, "1"));
}

}  // namespace
}  // namespace brisel
