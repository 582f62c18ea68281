// Paths as the windows and the command line hold them, on the system the
// tests run on.

#include "file_system/file_paths.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "tests/support/case_names.h"
#include "tests/support/temp_folder.h"
#include "tests/support/text_files.h"

namespace brisel::test {
namespace {

// A path written with "/", spelled with the system's separator.
std::string Spelled(std::string path) {
    std::replace(path.begin(), path.end(), '/', PathSeparator());
    return path;
}

struct SplitCase {
    const char* why;
    const char* path;  // with "/" for the system's separator
    bool split;
    const char* folder;
    const char* file;
};

// clang-format off
const SplitCase kSplits[] = {
    {"a bare name has no folder",          "board.net",            false, "keep",             "keep"},
    {"a folder keeps its separator",       "/d/in/",               true,  "/d/in/",           ""},
    {"a share splits at its last folder",  "//server/share/a.net", true,  "//server/share/",  "a.net"},
    {"a relative folder",                  "in/board.net",         true,  "in/",              "board.net"},
};
// clang-format on

class SplitPaths : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitPaths, AtTheLastSeparator) {
    const SplitCase& c = GetParam();
    std::string folder = "keep", file = "keep";
    EXPECT_EQ(SplitPath(Spelled(c.path), folder, file), c.split);
    EXPECT_EQ(folder, c.split ? Spelled(c.folder) : std::string(c.folder));
    EXPECT_EQ(file, c.file);
}

INSTANTIATE_TEST_SUITE_P(EachSpelling, SplitPaths, testing::ValuesIn(kSplits), ByWhy());

struct SeparatorCase {
    const char* why;
    const char* path;
    std::size_t posix, windows;  // where the folder ends on each system
};

// clang-format off
const SeparatorCase kSeparators[] = {
    {"no separator",                   "board.net",      std::string::npos, std::string::npos},
    {"a slash",                        "in/board.net",   2,                 2},
    {"a backslash only Windows takes", "in\\board.net",  std::string::npos, 2},
    {"the last of both kinds",         "a\\b/c\\d.net",  3,                 5},
};
// clang-format on

class LastSeparators : public testing::TestWithParam<SeparatorCase> {};

TEST_P(LastSeparators, EndTheFolderAsTheSystemReadsIt) {
    const SeparatorCase& c = GetParam();
#ifdef _WIN32
    EXPECT_EQ(LastSeparator(c.path), c.windows);
#else
    EXPECT_EQ(LastSeparator(c.path), c.posix);
#endif
}

INSTANTIATE_TEST_SUITE_P(EachPath, LastSeparators, testing::ValuesIn(kSeparators), ByWhy());

TEST(SameFile, OneFileUnderTwoSpellingsOrTwoFiles) {
    TempFolder folder;
    folder.Write("board.net", "bytes");
    folder.Write("other.net", "bytes");
    std::filesystem::create_directory(folder.Path() / "sub");
    const std::string at = folder.Folder();
    EXPECT_TRUE(SameFile(at + "board.net", Spelled(at + "sub/../board.net")));
    EXPECT_TRUE(SameFile(at + "board.net", Spelled(at + "./board.net")));
    EXPECT_FALSE(SameFile(at + "board.net", at + "other.net"));
}

TEST(SameFile, PathsOfFilesNotYetMadeIgnoreLetterCase) {
    TempFolder folder;
    const std::string at = folder.Folder();
    EXPECT_TRUE(SameFile(at + "New.net", at + "NEW.NET"));
    EXPECT_TRUE(SameFile(at + "new.net", Spelled(at + "sub/../new.net")));
    EXPECT_FALSE(SameFile(at + "new.net", at + "new2.net"));
}

}  // namespace
}  // namespace brisel::test
