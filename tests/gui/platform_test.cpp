#include <gtest/gtest.h>

#include "main_window/main_form.h"
#include "platform/anchoring.h"
#include "platform/file_dialog.h"
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

}  // namespace
}  // namespace brisel::testing
