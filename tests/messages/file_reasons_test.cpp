#include "messages/file_reasons.h"

#include <gtest/gtest.h>

#include "messages/messages.h"
#include "tests/support/case_names.h"

namespace brisel::messages {
namespace {

using Code = FileReason::Code;

struct ReasonCase {
    const char* why;
    FileReason reason;
    const char* text;
};

void PrintTo(const ReasonCase& reasonCase, std::ostream* out) { *out << reasonCase.why; }

class FileReasonsTest : public ::testing::TestWithParam<ReasonCase> {};

TEST_P(FileReasonsTest, WordTheReason) { EXPECT_EQ(FileReasonText(GetParam().reason), GetParam().text); }

// clang-format off
INSTANTIATE_TEST_SUITE_P(EachCode, FileReasonsTest, ::testing::Values(
    ReasonCase{"nothing failed",                  Code::None,              ""},
    ReasonCase{"the system's words, unchanged",   SystemReason("No space left on device"), "No space left on device"},
    ReasonCase{"the browser's words, unchanged",  SystemReason("The quota has been exceeded."),
                                                                           "The quota has been exceeded."},
    ReasonCase{"a system without words",          Code::NoSystemText,      "Unknown error"},
    ReasonCase{"a symbolic link",                 Code::SymbolicLink,      "it is a symbolic link"},
    ReasonCase{"a folder",                        Code::Folder,            "it is a folder"},
    ReasonCase{"a device or a pipe",              Code::NotPlainFile,      "it is not a plain file"},
    ReasonCase{"another user's file",             Code::OtherUser,         "it belongs to another user"},
    ReasonCase{"a file with other names",         Code::OtherNames,        "it is a file with other names"},
    ReasonCase{"a temporary file swapped",        Code::ReplacedDuringRun, "it was replaced while the conversion ran"},
    ReasonCase{"a page's file read once",         Code::ReleasedAsRead,    "its bytes were let go as they were read"}
), test::ByWhy());
// clang-format on

TEST(FileReasons, StandInTheMessagesThatNameAFile) {
    EXPECT_EQ(ForFailure({Failure::Operation::Unusable, "out/BriselTemp.txt", Code::Folder}).OneLine(),
              "File Conversion - Error: The temporary file 'out/BriselTemp.txt' cannot be used: it is a folder. "
              "The new netlist was not created.");
    EXPECT_EQ(ForFailure({Failure::Operation::Read, "board.net", SystemReason("Input/output error")}).OneLine(),
              "File Conversion - Error: The file 'board.net' could not be read: Input/output error. The new netlist "
              "was not created.");
    EXPECT_EQ(ForUnreadableSource("board.net", Code::ReleasedAsRead).OneLine(),
              "Source File - Error: The file 'board.net' could not be read: its bytes were let go as they were "
              "read.");
}

}  // namespace
}  // namespace brisel::messages
