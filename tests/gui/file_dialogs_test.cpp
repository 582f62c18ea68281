#include <gtest/gtest.h>

#include "tests/gui/main_window_fixture.h"

namespace brisel::testing {
namespace {

struct DialogSide {
    const char* name;
    const char* command;  // menu item or button
    bool save;
    const char* box;
    const char* title;
    const char* filter;
    bool confirmOverwrite;
    const char* startFile;
};

const char* const kOpenFilter =
    "PADS-PowerPCB Netlist File (*.net)|*.net|PADS-PowerPCB Netlist File (*.asc)|*.asc|"
    "All Files (*.*)|*.*";
const char* const kSaveFilter = "ExpressPCB Netlist File (*.net)|*.net|";

class FileDialogTest : public MainWindowTest, public ::testing::WithParamInterface<DialogSide> {
protected:
    std::string StoredPath() const {
        const auto& state = window.State();
        return GetParam().save ? state.TargetPath + state.TargetFile : state.SourcePath + state.SourceFile;
    }
};

TEST_P(FileDialogTest, SetsEveryMemberBeforeShowing) {
    platform.dialogAnswers.push_back({DialogAnswer::Cancel, ""});
    Form().Click(GetParam().command);
    ASSERT_EQ(platform.dialogsShown.size(), 1u);
    const platform::FileDialogRequest& shown = platform.dialogsShown[0];
    EXPECT_EQ(shown.kind, GetParam().save ? platform::FileDialogKind::Save : platform::FileDialogKind::Open);
    EXPECT_EQ(shown.title, GetParam().title);
    EXPECT_EQ(shown.filter, GetParam().filter);
    EXPECT_EQ(shown.filterIndex, 1);
    EXPECT_EQ(shown.defaultExt, ".net");
    EXPECT_EQ(shown.fileName, Native(GetParam().startFile));
    EXPECT_EQ(shown.confirmOverwrite, GetParam().confirmOverwrite);
}

TEST_P(FileDialogTest, ChosenFileReplacesThePairAndTheBox) {
    platform.dialogAnswers.push_back({DialogAnswer::Choose, Native("/Boards/cpu.asc")});
    Form().Click(GetParam().command);
    EXPECT_EQ(StoredPath(), Native("/Boards/cpu.asc"));
    EXPECT_EQ(Form().Text(GetParam().box), Native("/Boards/cpu.asc"));
    const auto& state = window.State();
    EXPECT_EQ(GetParam().save ? state.TargetFile : state.SourceFile, "cpu.asc");
}

TEST_P(FileDialogTest, CancelChangesNothingAndSaysNothing) {
    const std::string before = StoredPath();
    const std::string boxBefore = Form().Text(GetParam().box);
    platform.dialogAnswers.push_back({DialogAnswer::Cancel, ""});
    log().clear();
    Form().Click(GetParam().command);
    EXPECT_EQ(StoredPath(), before);
    EXPECT_EQ(Form().Text(GetParam().box), boxBefore);
    EXPECT_TRUE(log().empty());
}

TEST_P(FileDialogTest, FilterIndexIsOneAgainAfterAnEarlierShowing) {
    platform.dialogAnswers.push_back({DialogAnswer::Choose, Native("/x/a.net")});
    platform.dialogAnswers.push_back({DialogAnswer::Cancel, ""});
    Form().Click(GetParam().command);
    Form().Click(GetParam().command);
    ASSERT_EQ(platform.dialogsShown.size(), 2u);
    EXPECT_EQ(platform.dialogsShown[1].filterIndex, 1);
    EXPECT_EQ(platform.dialogsShown[1].fileName, Native("/x/a.net"));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Commands, FileDialogTest, ::testing::Values(
    DialogSide{"FileOpen", "mnuFileOpen", false, "txtSource", "File Open", kOpenFilter, false,
               "/opt/brisel/PadsPCB.net"},
    DialogSide{"BrowseSource", "cmdBrowseS", false, "txtSource", "File Open", kOpenFilter, false,
               "/opt/brisel/PadsPCB.net"},
    DialogSide{"FileSaveAs", "mnuFileSaveAs", true, "txtTarget", "File Save As", kSaveFilter, true,
               "/opt/brisel/ExpressPCB.net"},
    DialogSide{"BrowseTarget", "cmdBrowseT", true, "txtTarget", "File Save As", kSaveFilter, true,
               "/opt/brisel/ExpressPCB.net"}),
    [](const auto& row) { return row.param.name; });
// clang-format on

TEST_F(MainWindowTest, MenuOpenStartsFromTheStoredPairNotTheEditedBox) {
    Form().MoveFocusTo("txtSource");
    Form().Type("txtSource", Native("/edited/new.net"));
    platform.dialogAnswers.push_back({DialogAnswer::Cancel, ""});
    Form().Click("mnuFileOpen");  // a menu takes no focus, so no split
    EXPECT_EQ(platform.dialogsShown.at(0).fileName, Native("/opt/brisel/PadsPCB.net"));
}

TEST_F(MainWindowTest, BrowseStartsFromTheEditedPathOnceTheButtonTookTheFocus) {
    Form().MoveFocusTo("txtSource");
    Form().Type("txtSource", Native("/edited/new.net"));
    platform.dialogAnswers.push_back({DialogAnswer::Cancel, ""});
    Form().MoveFocusTo("cmdBrowseS");
    Form().Click("cmdBrowseS");
    EXPECT_EQ(platform.dialogsShown.at(0).fileName, Native("/edited/new.net"));
}

}  // namespace
}  // namespace brisel::testing
