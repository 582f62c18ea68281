// Paths the conversion refuses before it touches any file, and failures
// that stop it part way.

#include <gtest/gtest.h>

#include <filesystem>

#include "conversion_fixture.h"
#include "file_system/disk_file_system.h"
#include "tests/support/temp_folder.h"

namespace brisel::test {
namespace {

namespace fs = std::filesystem;
using Strings = std::vector<std::string>;

const std::string kSource = Lines({"*PADS-PCB*", "*PART*", "U1 x", "", "*NET*", "*SIGNAL* A", "U1.1", "*END*"});

struct Job {
    TempFolder folder;
    RecordingHost host;
    Job() {
        folder.Write("board.net", kSource);
        host.settings.SourcePath = host.settings.TargetPath = folder.Folder();
        host.settings.SourceFile = "board.net";
        host.settings.TargetFile = "out.net";
    }
    ConversionResult Run() { return host.Run(TheDisk()); }
};

TEST(Refusals, MissingSourceNamesOnlyTheFileAndTouchesNothing) {
    Job job;
    job.host.settings.SourceFile = "nope.net";
    EXPECT_EQ(job.Run(), ConversionResult::Refused);
    EXPECT_EQ(job.host.events, (Strings{"beep",
                                        "Error: Source File - Error | The netlist file 'nope.net' cannot be "
                                        "found.",
                                        "focus"}));
    EXPECT_EQ(job.folder.Names(), Strings{"board.net"});
}

TEST(Refusals, TheSameFileUnderAnySpelling) {
    Job job;
    fs::create_directory(job.folder.Path() / "sub");
    fs::create_symlink(job.folder.Path() / "board.net", job.folder.Path() / "link.net");
    const std::pair<std::string, std::string> targets[] = {
        {job.folder.Folder(), "BOARD.NET"},  // letter case of the stored names
        {job.folder.Folder() + "sub/../", "board.net"},
        {job.folder.Folder() + "./", "board.net"},
        {job.folder.Folder(), "link.net"},
    };
    for (const auto& [path, file] : targets) {
        job.host.events.clear();
        job.host.settings.TargetPath = path;
        job.host.settings.TargetFile = file;
        EXPECT_EQ(job.Run(), ConversionResult::Refused) << path << file;
        EXPECT_EQ(job.host.Messages(),
                  Strings{"Error: Invalid Filenames - Error | Please enter different source and target filenames "
                          "before trying to start the file conversion process."});
    }
    EXPECT_EQ(job.folder.Read("board.net"), kSource);
}

TEST(Refusals, NeitherFileMayBeATemporaryFile) {
    const std::pair<std::string, std::string> cases[] = {
        {"source", "BriselTemp.txt"}, {"target", "BriselTemp2.txt"}, {"target", "briseltemp.TXT"}};
    for (const auto& [side, file] : cases) {
        Job fresh;
        fresh.folder.Write("BriselTemp.txt", kSource);
        (side == "source" ? fresh.host.settings.SourceFile : fresh.host.settings.TargetFile) = file;
        EXPECT_EQ(fresh.Run(), ConversionResult::Refused) << file;
        ASSERT_EQ(fresh.host.Messages().size(), 1u);
        EXPECT_NE(fresh.host.Messages()[0].find("Invalid Filenames - Error | The source and target files cannot "
                                                "be the temporary files"),
                  std::string::npos);
        EXPECT_EQ(fresh.folder.Read("BriselTemp.txt"), kSource);
    }
}

TEST(Failures, ReadAndWriteFailuresRemoveEverythingTheRunWrote) {
    struct Case {
        const char* why;
        void (*arrange)(Job&);
        const char* reason;
    };
    const Case cases[] = {
        {"target folder missing", [](Job& j) { j.host.settings.TargetPath = j.folder.Folder() + "none/"; },
         "The folder '"},
        {"target is a folder", [](Job& j) { fs::create_directory(j.folder.Path() / "out.net"); }, "Is a directory"},
        {"source is a folder",
         [](Job& j) {
             fs::create_directory(j.folder.Path() / "dir.net");
             j.host.settings.SourceFile = "dir.net";
         },
         "Is a directory"},
    };
    for (const auto& c : cases) {
        Job job;
        c.arrange(job);
        const auto before = job.folder.Names();
        EXPECT_EQ(job.Run(), ConversionResult::Failed) << c.why;
        const auto messages = job.host.Messages();
        ASSERT_EQ(messages.size(), 1u) << c.why;
        EXPECT_EQ(messages[0].rfind("Error: File Conversion - Error | The ", 0), 0u) << messages[0];
        EXPECT_NE(messages[0].find(c.reason), std::string::npos) << messages[0];
        EXPECT_EQ(job.folder.Names(), before) << c.why;
        EXPECT_EQ(job.folder.Read("board.net"), kSource);
    }
}

}  // namespace
}  // namespace brisel::test
