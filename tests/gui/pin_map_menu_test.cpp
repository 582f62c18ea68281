// File > Pin Map..., File > No Pin Map and the map beside the source, on
// the fake platform: which map a conversion reads, what the Problems list
// says of it, a map that stops the conversion, and the real conversion
// numbering the pins by the map.

#include <gtest/gtest.h>

#include "messages/pin_map_messages.h"
#include "pin_map/pin_map.h"
#include "tests/gui/main_window_fixture.h"
#include "tests/support/memory_file_system.h"
#include "tests/support/temp_folder.h"
#include "tests/support/text_files.h"

namespace brisel::testing {
namespace {

using platform::MessageIcon;

class PinMapMenuTest : public MainWindowTest {
protected:
    void SetUp() override {
        folder_.Write("board.net", "*PADS-PCB*\n");
        PutSource(folder_.Folder() + "board.net");
    }
    void PutSource(const std::string& path) { window.PutPath("txtSource", path); }
    void Choose(const std::string& path) {
        platform.dialogAnswers.push_back({DialogAnswer::Choose, path});
        Form().Click("mnuFilePinMap");
    }
    // Converts, reporting a pin the map numbered; true when it converted.
    bool Convert() {
        log().clear();
        seen = {};
        duringConversion = [](ConversionReporter& reporter) {
            Problem note{};
            note.kind = ProblemKind::MappedPin;
            note.joinedLine = note.sourceLine = 12;
            note.mapping = {"G", "Q1", "1", 3};
            reporter.ProblemFound(note);
            reporter.Finished({});
        };
        PressOK();
        return std::find(log().begin(), log().end(), "convert") != log().end();
    }
    std::string Dir() const { return folder_.Folder(); }

    test::TempFolder folder_;
};

TEST_F(PinMapMenuTest, TheDialogOpensMapsAndStartsBesideTheSource) {
    platform.dialogAnswers.push_back({DialogAnswer::Cancel, ""});
    Form().Click("mnuFilePinMap");
    ASSERT_EQ(platform.dialogsShown.size(), 1u);
    const platform::FileDialogRequest& request = platform.dialogsShown[0];
    EXPECT_EQ(request.kind, platform::FileDialogKind::Open);
    EXPECT_EQ(request.title, "Pin Map");
    EXPECT_EQ(request.filter, "Pin Map (*.map)|*.map|Text File (*.txt)|*.txt|All Files (*.*)|*.*");
    EXPECT_EQ(request.defaultExt, ".map");
    EXPECT_EQ(request.fileName, Dir() + "board.map");
    EXPECT_EQ(window.State().PinMap, main_window::PinMapChoice::BesideSource);
}

TEST_F(PinMapMenuTest, AChosenMapIsReadForEveryConversionUntilChanged) {
    folder_.Write("pins.map", "SOT-23 G 1\n");
    Choose(Dir() + "pins.map");
    for (int run = 0; run < 2; ++run) {
        ASSERT_TRUE(Convert());
        ASSERT_NE(seen.PinMap, nullptr);
        EXPECT_FALSE(seen.PinMap->RulesFor("Q1", "SOT-23").Empty());
        EXPECT_EQ(window.State().Problems,
                  (std::vector<std::string>{"board.net: note: pins numbered by the pin map '" + Dir() +
                                                "pins.map' chosen under File > Pin Map...",
                                            "board.net:12: note: pin \"G\" of part \"Q1\" written as 1 (pins.map:3)"}));
    }
    // The next dialog starts from the chosen map; cancelling keeps it.
    platform.dialogAnswers.push_back({DialogAnswer::Cancel, ""});
    Form().Click("mnuFilePinMap");
    EXPECT_EQ(platform.dialogsShown.back().fileName, Dir() + "pins.map");
    ASSERT_TRUE(Convert());
    EXPECT_NE(seen.PinMap, nullptr);
}

TEST_F(PinMapMenuTest, TheMapBesideTheSourceIsUsedWhenThereIsOne) {
    ASSERT_TRUE(Convert());
    EXPECT_EQ(seen.PinMap, nullptr);
    EXPECT_EQ(window.State().Problems.size(), 1u);  // only the note

    folder_.Write("board.map", "* G 1\n");
    ASSERT_TRUE(Convert());
    ASSERT_NE(seen.PinMap, nullptr);
    EXPECT_EQ(window.State().Problems.at(0),
              "board.net: note: pins numbered by the pin map 'board.map' found beside the source");
    EXPECT_EQ(window.State().Problems.at(1), "board.net:12: note: pin \"G\" of part \"Q1\" written as 1 (board.map:3)");
}

TEST_F(PinMapMenuTest, NoPinMapLeavesEvenTheOneBesideTheSource) {
    folder_.Write("board.map", "* G 1\n");
    EXPECT_TRUE(Form().Enabled("mnuFileNoPinMap"));
    Form().Click("mnuFileNoPinMap");
    EXPECT_FALSE(Form().Enabled("mnuFileNoPinMap"));
    ASSERT_TRUE(Convert());
    EXPECT_EQ(seen.PinMap, nullptr);

    folder_.Write("pins.map", "* G 1\n");
    Choose(Dir() + "pins.map");
    EXPECT_TRUE(Form().Enabled("mnuFileNoPinMap"));
    ASSERT_TRUE(Convert());
    EXPECT_NE(seen.PinMap, nullptr);
}

// The conversion does not start; the error names the map and its line.
TEST_F(PinMapMenuTest, AWrongMapStopsTheConversionBeforeItStarts) {
    folder_.Write("board.map", "# filled in?\nSOT-23 G ?  # Q1\n");
    EXPECT_FALSE(Convert());
    EXPECT_EQ(log(), (Log{"beep", MessageEntry(messages::kPinMapErrorTitle,
                                               Dir() + "board.map:2: the number \"?\" is still to be filled in",
                                               MessageIcon::Error)}));

    Choose(Dir() + "gone.map");
    EXPECT_FALSE(Convert());
    EXPECT_EQ(log().at(1),
              MessageEntry(messages::kPinMapErrorTitle,
                           "The pin map '" + Dir() + "gone.map' could not be read: No such file or directory.",
                           MessageIcon::Error));
    EXPECT_TRUE(Form().Enabled("cmdOK"));
}

// Without its map the board's lettered pins warn; with the map beside it,
// the conversion numbers them and the Problems list tells which and by what.
TEST(PinMapConversion, TheMapBesideTheSourceNumbersThePinsOfTheRealConversion) {
    FakePlatform platform;
    test::MemoryFileSystem files;
    files.Put(Native("/boards/pin_map_board.net"), test::TestData("pin_map_board.net"));
    main_window::MainWindow window(platform, ConvertNetlist, files);
    window.PutPath("txtSource", Native("/boards/pin_map_board.net"));
    window.PutPath("txtTarget", Native("/boards/out.net"));
    window.cmdOK_Click();
    EXPECT_EQ(platform.Entries("message").size(), 2u);  // the pin warning and the completion
    files.Put(Native("/boards/pin_map_board.map"), test::TestData("pin_map_board.map"));
    platform.log.clear();
    window.cmdOK_Click();
    const Log boxes = platform.Entries("message");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].rfind("message [File Conversion - Complete]", 0), 0u) << boxes[0];
    const std::vector<std::string>& lines = window.State().Problems;
    ASSERT_EQ(lines.size(), 17u);
    EXPECT_EQ(lines[0],
              "pin_map_board.net: note: pins numbered by the pin map 'pin_map_board.map' found beside the source");
    EXPECT_EQ(lines[1], "pin_map_board.net:15: note: pin \"PAD\" of part \"U8\" written as 17 (pin_map_board.map:7)");
}

}  // namespace
}  // namespace brisel::testing
