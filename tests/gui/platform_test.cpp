#include <gtest/gtest.h>

#include "main_window/main_form.h"
#include "platform/anchoring.h"
#include "platform/file_dialog.h"
#include "platform/long_words.h"
#include "platform/placement.h"
#include "platform/twips.h"

namespace brisel::testing {
namespace {

using platform::FilterEntry;

TEST(ParseFilter, SplitsPairsAndIgnoresATrailingBar) {
    const auto open = platform::ParseFilter("A (*.net)|*.net|B (*.asc)|*.asc|All (*.*)|*.*");
    ASSERT_EQ(open.size(), 3u);
    EXPECT_EQ(open[1].description, "B (*.asc)");
    EXPECT_EQ(open[2].patterns, "*.*");
    const auto save = platform::ParseFilter("ExpressPCB Netlist File (*.net)|*.net|");
    ASSERT_EQ(save.size(), 1u);
    EXPECT_EQ(save[0].patterns, "*.net");
}

TEST(FileTitleOf, TakesTheTextAfterTheLastSeparatorOfEitherKind) {
    EXPECT_EQ(platform::FileTitleOf("D:\\Boards\\cpu.asc"), "cpu.asc");
    EXPECT_EQ(platform::FileTitleOf("/home/u/cpu.asc"), "cpu.asc");
    EXPECT_EQ(platform::FileTitleOf("cpu.asc"), "cpu.asc");
}

TEST(TwipsToPixels, FifteenTwipsAPixelAt96DpiAndScaledAbove) {
    EXPECT_EQ(platform::TwipsToPixels(5610, 96), 374);
    EXPECT_EQ(platform::TwipsToPixels(3000, 96), 200);
    EXPECT_EQ(platform::TwipsToPixels(5610, 144), 561);
    EXPECT_EQ(platform::TwipsToPixels(8, 96), 1);  // rounds to nearest
}

TEST(MainForm, KeyboardOrderSkipsLabels) {
    std::vector<std::pair<int, std::string>> order;
    for (const auto& control : main_window::MainForm().controls) {
        if (control.kind != platform::ControlKind::Label) {
            order.emplace_back(control.tabIndex, control.name);
        }
    }
    std::sort(order.begin(), order.end());
    std::vector<std::string> names;
    for (const auto& entry : order) names.push_back(entry.second);
    EXPECT_EQ(names, (std::vector<std::string>{"txtSource", "cmdBrowseS", "txtTarget", "cmdBrowseT", "cmdOK"}));
}

struct FollowCase {
    const char* name;
    platform::Anchoring anchoring;
    platform::PixelRect expected;  // for {10, 20, 100, 50} in a client 30 wider and 40 higher
};

class FollowTest : public ::testing::TestWithParam<FollowCase> {};

TEST_P(FollowTest, PlacesTheControlInTheGrownForm) {
    EXPECT_EQ(platform::Follow(GetParam().anchoring, {10, 20, 100, 50}, 30, 40), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Anchorings, FollowTest,
                         ::testing::Values(FollowCase{"TopLeft", platform::Anchoring::TopLeft, {10, 20, 100, 50}},
                                           FollowCase{"Stretch", platform::Anchoring::Stretch, {10, 20, 130, 90}},
                                           FollowCase{
                                               "BottomRight", platform::Anchoring::BottomRight, {40, 60, 100, 50}}),
                         [](const auto& row) { return row.param.name; });

struct BesideCase {
    const char* name;
    platform::PixelRect anchor;
    platform::PixelSize size;
    platform::PixelSize smallest;
    platform::PixelRect expected;
};

class PlaceBesideTest : public ::testing::TestWithParam<BesideCase> {};

// On a screen whose free area is 1280 x 1000 below a 24-pixel bar.
TEST_P(PlaceBesideTest, OpensBesideTheAnchorAndNeverOverIt) {
    const platform::PixelRect screen{0, 24, 1280, 1000};
    EXPECT_EQ(platform::PlaceBeside(GetParam().anchor, GetParam().size, GetParam().smallest, screen),
              GetParam().expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Screens, PlaceBesideTest, ::testing::Values(
    BesideCase{"Right", {453, 395, 380, 240}, {390, 300}, {390, 300}, {841, 395, 390, 300}},
    BesideCase{"RightRaisedToStayOnScreen", {453, 900, 380, 100}, {390, 300}, {390, 300}, {841, 724, 390, 300}},
    BesideCase{"BelowWhenTheRightHasNoRoom", {453, 395, 380, 240}, {600, 320}, {600, 320}, {453, 643, 600, 320}},
    BesideCase{"BelowShiftedLeftToStayOnScreen", {800, 100, 380, 240}, {600, 320}, {600, 320}, {680, 348, 600, 320}},
    BesideCase{"LeftWhenNeitherRightNorBelowHasRoom", {800, 700, 380, 240}, {600, 320}, {600, 320},
               {192, 700, 600, 320}},
    BesideCase{"AboveAsTheLastSide", {300, 700, 800, 240}, {600, 320}, {600, 320}, {300, 372, 600, 320}},
    // A sizable window narrows to the room on the right rather than cover the anchor.
    BesideCase{"NarrowedToTheRoomOnTheRight", {453, 392, 374, 240}, {600, 700}, {300, 350}, {835, 324, 445, 700}},
    BesideCase{"NotBelowItsSmallest", {100, 100, 1000, 900}, {600, 320}, {300, 160}, {100, 24, 600, 320}},
    // No side has room: the side with the most, the window on the screen.
    BesideCase{"MostRoomWhenNothingFits", {400, 300, 500, 500}, {700, 700}, {700, 700}, {0, 300, 700, 700}},
    BesideCase{"NoLargerThanTheScreenWhenItMayShrink", {400, 300, 500, 500}, {1400, 700}, {700, 350},
               {0, 24, 1280, 700}}),
    [](const auto& row) { return row.param.name; });
// clang-format on

struct LongWordCase {
    const char* name;
    const char* text;
    const char* broken;  // at most four characters between breaks ("|")
};

class LongWordsTest : public ::testing::TestWithParam<LongWordCase> {};

TEST_P(LongWordsTest, GetABreakAfterEachFourCharacters) {
    EXPECT_EQ(platform::WithLongWordsBroken(GetParam().text, 4, "|"), GetParam().broken);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Texts, LongWordsTest, ::testing::Values(
    LongWordCase{"ShortWordsStayWhole", "The file 'ab' is ok", "The file 'ab' is ok"},
    LongWordCase{"ExactlyTheLongestStaysWhole", "abcd", "abcd"},
    LongWordCase{"LongWordBroken", "x 'abcdefghij' y", "x 'abc|defg|hij' y"},
    LongWordCase{"EachWordCountsAfresh", "abcde\r\nfghij", "abcd|e\r\nfghi|j"},
    LongWordCase{"NeverInsideACharacter", "\xD0\xB4\xD0\xB8\xD0\xBC\xD0\xB0\xD1\x80",
                 "\xD0\xB4\xD0\xB8\xD0\xBC\xD0\xB0|\xD1\x80"}),  // Cyrillic, two bytes each
    [](const auto& row) { return row.param.name; });
// clang-format on

}  // namespace
}  // namespace brisel::testing
