// A run abandoned while its reporter shows a warning, as when the desktop
// session ends while a message box is up: its files go at once, an old target
// stays as it was, and a run that goes on all the same fails as interrupted,
// finding nothing more to remove.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>

#include "conversion_fixture.h"
#include "convert/conversion_run.h"
#include "convert/interruption.h"
#include "convert/memory_file_system.h"
#include "tests/support/text_files.h"

namespace brisel::test {
namespace {

namespace fs = std::filesystem;
using Strings = std::vector<std::string>;

const std::string kOld = "an older netlist\r\n";
// The unknown first line warns while the main pass reads it.
const std::string kSource = Lines({"not a netlist", "*PART*", "U1 DIP8", "*NET*", "*SIGNAL* A", "U1.1", "*END*"});

// Runs `whileWarning` from the first message box, as the desktop would.
class AbandoningHost : public RecordingHost {
public:
    std::function<void()> whileWarning;
    void ShowMessage(const messages::Message& message) override {
        RecordingHost::ShowMessage(message);
        if (!whileWarning) return;
        const auto act = std::move(whileWarning);
        whileWarning = nullptr;
        act();
    }
};

class AbandonedRun : public testing::Test {
protected:
    ~AbandonedRun() override { ClearInterruption(); }
    AbandoningHost host;
};

TEST_F(AbandonedRun, LosesItsFilesAtOnceAndThenFailsAsInterrupted) {
    const std::string folder = "mem/";
    MemoryFileSystem files;
    files.Put(folder + "in.net", kSource);
    files.Put(folder + "out.net", kOld);
    host.settings = {folder, "in.net", folder, "out.net"};
    Strings left;
    host.whileWarning = [&] {
        AbandonRun();
        left = files.Paths();
    };
    EXPECT_EQ(host.Run(files), ConversionResult::Failed);
    const Strings kept{folder + "in.net", folder + "out.net"};
    EXPECT_EQ(left, kept);
    EXPECT_EQ(files.Paths(), kept);
    EXPECT_EQ(files.Bytes(folder + "out.net"), kOld);
    EXPECT_EQ(host.Messages().back(),
              "Error: File Conversion - Error | The conversion was interrupted.\r\nThe new netlist was not created.");
}

TEST_F(AbandonedRun, WithoutARunDoesNothing) {
    AbandonRun();
    EXPECT_FALSE(InterruptionRequested());
}

// On the disk, with the program ended right after, as the desktop ends it:
// the files held open go with the program (on Windows, removal through a
// handle takes effect when it closes). The child of a death test runs the
// test again where it cannot fork, so the folder has a fixed name.
class AbandonedOnTheDisk : public AbandonedRun, public testing::WithParamInterface<const char*> {};

TEST_P(AbandonedOnTheDisk, LeavesTheSourceAndTheOldTargetOnly) {
    const fs::path folder = fs::temp_directory_path() / (std::string("brisel_abandoned_") + GetParam());
    fs::remove_all(folder);
    fs::create_directories(folder);
    WriteFile(folder / "in.net", kSource);
    WriteFile(folder / "out.net", kOld);
    const std::string shown = (folder / "").string();
    host.settings = {shown, "in.net", shown, "out.net"};
    host.whileWarning = [sessionEnd = std::string(GetParam()) == "SessionEnd"] {
        if (sessionEnd) {
            AbandonRun();
            std::_Exit(0);
        }
        std::exit(0);
    };
    EXPECT_EXIT(host.Run(), testing::ExitedWithCode(0), "");
    EXPECT_EQ(Names(folder), (Strings{"in.net", "out.net"}));
    EXPECT_EQ(ReadFile(folder / "out.net"), kOld);
    fs::remove_all(folder);
}

INSTANTIATE_TEST_SUITE_P(Ways, AbandonedOnTheDisk,
                         // The session's end, and an exit with the run under
                         // way (a window whose display went away).
                         testing::Values("SessionEnd", "Exit"),
                         [](const auto& info) { return std::string(info.param); });

}  // namespace
}  // namespace brisel::test
