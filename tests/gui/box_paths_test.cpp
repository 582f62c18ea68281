#include "main_window/box_paths.h"

#include <gtest/gtest.h>

namespace brisel::testing {
namespace {

using main_window::FolderAndFile;
using main_window::PathStyle;

struct BoxTextCase {
    const char* name;
    PathStyle style;
    const char* held;  // the folder the box held
    const char* typed;
    FolderAndFile expected;
};

void PrintTo(const BoxTextCase& row, std::ostream* out) { *out << row.name; }

class BoxTextTest : public ::testing::TestWithParam<BoxTextCase> {};

TEST_P(BoxTextTest, NamesTheFileTheBoxShows) {
    EXPECT_EQ(main_window::ResolveBoxText(GetParam().typed, GetParam().held, GetParam().style), GetParam().expected);
}

constexpr PathStyle kPosix = PathStyle::Posix;
constexpr PathStyle kWindows = PathStyle::Windows;
constexpr const char* kDocs = "/home/pat/Documents/";
constexpr const char* kWinDocs = "C:\\Users\\Pat\\Documents\\";

// clang-format off
INSTANTIATE_TEST_SUITE_P(Posix, BoxTextTest, ::testing::Values(
    BoxTextCase{"NameIsAFileInTheHeldFolder", kPosix, kDocs, "board.net", {kDocs, "board.net"}},
    BoxTextCase{"AbsolutePathAsTyped", kPosix, kDocs, "/boards/cpu.net", {"/boards/", "cpu.net"}},
    BoxTextCase{"RelativeFolders", kPosix, kDocs, "sub/cpu.net", {"/home/pat/Documents/sub/", "cpu.net"}},
    BoxTextCase{"DotStepsDropped", kPosix, kDocs, "./sub/./cpu.net", {"/home/pat/Documents/sub/", "cpu.net"}},
    BoxTextCase{"DoubleSeparatorOnce", kPosix, kDocs, "sub//cpu.net", {"/home/pat/Documents/sub/", "cpu.net"}},
    BoxTextCase{"ParentStepsKept", kPosix, kDocs, "../cpu.net", {"/home/pat/Documents/../", "cpu.net"}},
    BoxTextCase{"FolderOnlyNamesNoFile", kPosix, kDocs, "sub/", {"/home/pat/Documents/sub/", ""}},
    BoxTextCase{"ParentIsAFolder", kPosix, kDocs, "..", {"/home/pat/Documents/../", ""}},
    BoxTextCase{"DotIsTheHeldFolder", kPosix, kDocs, ".", {kDocs, ""}},
    BoxTextCase{"EmptyKeepsTheFolder", kPosix, kDocs, "", {kDocs, ""}},
    BoxTextCase{"Root", kPosix, kDocs, "/", {"/", ""}},
    BoxTextCase{"SpacesAreKept", kPosix, kDocs, " b.net ", {kDocs, " b.net "}},
    BoxTextCase{"BackslashIsACharacter", kPosix, kDocs, "C:\\x.net", {kDocs, "C:\\x.net"}}),
    [](const auto& row) { return row.param.name; });

INSTANTIATE_TEST_SUITE_P(Windows, BoxTextTest, ::testing::Values(
    BoxTextCase{"NameIsAFileInTheHeldFolder", kWindows, kWinDocs, "board.net", {kWinDocs, "board.net"}},
    BoxTextCase{"DrivePath", kWindows, kWinDocs, "D:\\Boards\\cpu.asc", {"D:\\Boards\\", "cpu.asc"}},
    BoxTextCase{"DrivePathWithSlashes", kWindows, kWinDocs, "D:/Boards/cpu.asc", {"D:/Boards/", "cpu.asc"}},
    BoxTextCase{"ShareAsTyped", kWindows, kWinDocs, "\\\\server\\share\\a.net", {"\\\\server\\share\\", "a.net"}},
    BoxTextCase{"RelativeFolders", kWindows, kWinDocs, "sub\\cpu.net", {"C:\\Users\\Pat\\Documents\\sub\\", "cpu.net"}},
    BoxTextCase{"SlashesJoinedWithBackslashes", kWindows, kWinDocs, "./sub/cpu.net",
                {"C:\\Users\\Pat\\Documents\\sub\\", "cpu.net"}},
    BoxTextCase{"RootOfTheHeldDrive", kWindows, kWinDocs, "\\Boards\\cpu.net", {"C:\\Boards\\", "cpu.net"}},
    BoxTextCase{"RootOfTheHeldShare", kWindows, "\\\\server\\share\\boards\\", "\\cpu.net",
                {"\\\\server\\share\\", "cpu.net"}},
    BoxTextCase{"OtherDriveWithoutFolder", kWindows, kWinDocs, "D:cpu.net", {"D:\\", "cpu.net"}},
    BoxTextCase{"HeldDriveWithoutFolder", kWindows, kWinDocs, "c:cpu.net", {kWinDocs, "cpu.net"}},
    BoxTextCase{"DriveRoot", kWindows, kWinDocs, "D:\\", {"D:\\", ""}},
    BoxTextCase{"EmptyKeepsTheFolder", kWindows, kWinDocs, "", {kWinDocs, ""}}),
    [](const auto& row) { return row.param.name; });
// clang-format on

struct TargetNameCase {
    const char* source;
    const char* target;
};

class TargetNameTest : public ::testing::TestWithParam<TargetNameCase> {};

TEST_P(TargetNameTest, IsTheSourceNameWithTheSuffixThePageUses) {
    EXPECT_EQ(main_window::TargetNameFor(GetParam().source), GetParam().target);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Names, TargetNameTest, ::testing::Values(
    TargetNameCase{"board.net", "board-expresspcb.net"},
    TargetNameCase{"board.asc", "board-expresspcb.net"},
    TargetNameCase{"board", "board-expresspcb.net"},              // no extension
    TargetNameCase{"cpu.rev2.net", "cpu.rev2-expresspcb.net"},    // only the last one goes
    TargetNameCase{".net", ".net-expresspcb.net"}));              // a leading dot is no extension
// clang-format on

}  // namespace
}  // namespace brisel::testing
