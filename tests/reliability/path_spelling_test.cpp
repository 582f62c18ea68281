// One file under two spellings (links, "..", letter case where the file
// system ignores it) is refused before any file is touched, and so is a
// source or target that is one of the temporary files.

#include <gtest/gtest.h>

#include "tests/convert/conversion_fixture.h"
#include "tests/support/case_names.h"
#include "tests/support/convert_program.h"
#include "tests/support/temp_folder.h"
#include "tests/support/text_files.h"

namespace brisel::reliability {
namespace {

namespace fs = std::filesystem;
using namespace test;

const std::string kSameFile =
    "Invalid Filenames - Error: Please enter different source and target filenames before trying to start the "
    "file conversion process.";
const std::string kTemporaryFile =
    "Invalid Filenames - Error: The source and target files cannot be the temporary files 'BriselTemp.txt', "
    "'BriselTemp2.txt' and 'BriselTemp3.txt' of the target folder. Please enter other source and target filenames.";

struct Spelling {
    const char* source;
    const char* target;
    const std::string* line;
};

// clang-format off
const Spelling kSpellings[] = {
    {"link.net", "board.net", &kSameFile},                 // the source is a link to the target
    {"board.net", "link.net", &kSameFile},                 // the target is a link to the source
    {"sub/../board.net", "board.net", &kSameFile},         // ".." in the source
    {"board.net", "sub/../board.net", &kSameFile},         // ".." in the target
    {"sublink/board.net", "sub/../board.net", &kSameFile}, // a linked folder and ".."
    {"BriselTemp.txt", "out.net", &kTemporaryFile},        // the spool as the source
    {"board.net", "BriselTemp2.txt", &kTemporaryFile},     // the joined copy as the target
    {"BriselTemp3.txt", "out.net", &kTemporaryFile},       // the new target as the source
    {"board.net", "BriselTemp3.txt", &kTemporaryFile},     // the new target as the target
    {"sub/../BriselTemp2.txt", "out.net", &kTemporaryFile},// the joined copy through ".."
    {"spool.net", "out.net", &kTemporaryFile},             // a link to the spool
};
// clang-format on

std::string Described(const Spelling& spelling) { return std::string(spelling.source) + " to " + spelling.target; }
void PrintTo(const Spelling& spelling, std::ostream* os) { *os << Described(spelling); }

class PathSpellings : public testing::TestWithParam<Spelling> {};

TEST_P(PathSpellings, AreRefusedAndTouchNothing) {
    test::TempFolder folder;
    const fs::path dir = folder.Path();
    fs::copy_file(fs::path(BRISEL_TEST_DATA_DIR) / "worked_example.net", dir / "board.net");
    WriteFile(dir / "BriselTemp.txt", "left by an earlier run\r\n");
    WriteFile(dir / "BriselTemp2.txt", "left by an earlier run too\r\n");
    fs::create_directory(dir / "sub");
    fs::create_directory_symlink(".", dir / "sublink");
    fs::create_symlink("board.net", dir / "link.net");
    fs::create_symlink("BriselTemp.txt", dir / "spool.net");
    const Strings before = Names(dir);

    const Spelling& spelling = GetParam();
    const ProgramRun run = RunConvert({{spelling.source, spelling.target}, dir});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, Strings{*spelling.line});
    EXPECT_TRUE(run.out.empty());
    EXPECT_EQ(Names(dir), before);
    EXPECT_EQ(ReadFile(dir / "board.net"), ReadFile(fs::path(BRISEL_TEST_DATA_DIR) / "worked_example.net"));
    EXPECT_EQ(ReadFile(dir / "BriselTemp.txt"), "left by an earlier run\r\n");
    EXPECT_EQ(ReadFile(dir / "BriselTemp2.txt"), "left by an earlier run too\r\n");
}

INSTANTIATE_TEST_SUITE_P(Cli, PathSpellings, testing::ValuesIn(kSpellings),
                         [](const auto& row) { return test::CaseName(Described(row.param)); });

bool CaseInsensitive(const fs::path& dir) {
    WriteFile(dir / "Probe.tmp", "");
    const bool insensitive = fs::exists(dir / "PROBE.TMP");
    fs::remove(dir / "Probe.tmp");
    return insensitive;
}

TEST(PathCase, AnotherLetterCaseOfTheFolderIsTheSameFile) {
    test::TempFolder folder;
    if (!CaseInsensitive(folder.Path())) GTEST_SKIP() << "this file system tells letter cases apart";
    fs::create_directory(folder.Path() / "Sub");
    fs::copy_file(fs::path(BRISEL_TEST_DATA_DIR) / "worked_example.net", folder.Path() / "Sub" / "board.net");
    const ProgramRun run = RunConvert({{"Sub/board.net", "SUB/BOARD.NET"}, folder.Path()});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, Strings{kSameFile});
}

}  // namespace
}  // namespace brisel::reliability
