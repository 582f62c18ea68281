// An existing target meets a failed conversion (a full disk, made by a
// file-size limit) and a successful one, through the real brisel-convert and
// in-process. A plain target is replaced only once the new netlist is
// complete, so a failure leaves it byte for byte; a link stays a link to its
// file; a file with several names is written in place, so that every name
// sees the new netlist (and a failure empties it rather than leave half a
// netlist).

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "tests/reliability/engine_in_child.h"
#include "tests/support/case_names.h"
#include "tests/support/convert_program.h"
#include "tests/support/temp_folder.h"
#include "tests/support/text_files.h"

namespace brisel::reliability {
namespace {

namespace fs = std::filesystem;
using namespace test;

const std::string kOld = "an older netlist\r\n";
// The worked example has 136 bytes and its target 267.
constexpr long long kTooSmallForTheTarget = 200;

std::string Expected() { return ReadFile(fs::path(BRISEL_TEST_DATA_DIR) / "worked_example.expected.net"); }

struct TargetCase {
    const char* why;
    void (*arrange)(const fs::path& dir);  // makes "out.net" and what it names
    const char* file;                      // the file that holds the netlist
    const char* failed;                    // what that file holds after a failure
    fs::perms perms;                       // its permission bits afterwards
};
void PrintTo(const TargetCase& c, std::ostream* os) { *os << c.why; }

constexpr auto kUserRead = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;

// clang-format off
const TargetCase kCases[] = {
    {"a plain target",
     [](const fs::path& d) { WriteFile(d / "out.net", kOld); fs::permissions(d / "out.net", kUserRead); },
     "out.net", "an older netlist\r\n", kUserRead},
    {"a link to a plain file",
     [](const fs::path& d) { WriteFile(d / "real.net", kOld); fs::create_symlink("real.net", d / "out.net"); },
     "real.net", "an older netlist\r\n", fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                                         fs::perms::others_read},
    {"a file with two names",
     [](const fs::path& d) { WriteFile(d / "twin.net", kOld); fs::create_hard_link(d / "twin.net", d / "out.net"); },
     "twin.net", "", fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read | fs::perms::others_read},
};
// clang-format on

class ExistingTarget : public testing::TestWithParam<TargetCase> {
protected:
    void SetUp() override {
        ::umask(022);
        fs::copy_file(fs::path(BRISEL_TEST_DATA_DIR) / "worked_example.net", Dir() / "board.net");
        GetParam().arrange(Dir());
        names_ = Names(Dir());
    }
    const fs::path& Dir() const { return folder_.Path(); }
    void ExpectTargetHolds(const std::string& bytes) {
        const TargetCase& c = GetParam();
        EXPECT_EQ(MaskedVersion(ReadFile(Dir() / c.file)), bytes);
        EXPECT_EQ(MaskedVersion(ReadFile(Dir() / "out.net")), bytes);
        EXPECT_EQ(fs::status(Dir() / c.file).permissions(), c.perms);
        EXPECT_EQ(Names(Dir()), names_);
    }
    test::RecordingHost Host() const {
        test::RecordingHost host;
        host.settings = {folder_.Folder(), "board.net", folder_.Folder(), "out.net"};
        return host;
    }

    test::TempFolder folder_;
    Strings names_;
};

TEST_P(ExistingTarget, FailingProgramLeavesIt) {
    const ProgramRun run = RunConvert({{"board.net", "out.net"}, Dir(), kTooSmallForTheTarget});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, Strings{"File Conversion - Error: The file 'out.net' could not be written: File too large. "
                               "The new netlist was not created."});
    ExpectTargetHolds(GetParam().failed);
    EXPECT_EQ(fs::is_symlink(Dir() / "out.net"), std::string(GetParam().file) == "real.net");
}

TEST_P(ExistingTarget, FailingEngineLeavesIt) {
    test::RecordingHost host = Host();
    EXPECT_EQ(ConvertInChild(host, kTooSmallForTheTarget), ConversionResult::Failed);
    EXPECT_EQ(host.Messages(), Strings{"Error: File Conversion - Error | The file '" + folder_.Folder() +
                                       "out.net' could not be written: File too large.\r\nThe new netlist was "
                                       "not created."});
    ExpectTargetHolds(GetParam().failed);
}

TEST_P(ExistingTarget, ProgramReplacesItKeepingItsKind) {
    const ProgramRun run = RunConvert({{"board.net", "out.net"}, Dir()});
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.err.empty());
    ExpectTargetHolds(Expected());
    EXPECT_EQ(fs::is_symlink(Dir() / "out.net"), std::string(GetParam().file) == "real.net");
}

TEST_P(ExistingTarget, EngineReplacesItKeepingItsKind) {
    test::RecordingHost host = Host();
    EXPECT_EQ(host.Run(), ConversionResult::Completed);
    ExpectTargetHolds(Expected());
}

INSTANTIATE_TEST_SUITE_P(Kinds, ExistingTarget, testing::ValuesIn(kCases), test::ByWhy());

}  // namespace
}  // namespace brisel::reliability
