// Drives the real brisel.exe from outside, as a user would, and checks what
// its windows show. One program run serves the tests in order; the last one
// ends it through File > Exit.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "about_box/about_form.h"
#include "brisel_version.h"
#include "main_window/main_form.h"
#include "platform/twips.h"
#include "session.h"

namespace brisel::gui_test {
namespace {

namespace fs = std::filesystem;
using about_box::AboutForm;
using main_window::MainForm;

const char* const kToolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

fs::path ProgramFolder() {
    char name[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, name, MAX_PATH);
    return fs::path(name).parent_path();
}

// Pictures go where BRISEL_SCREENSHOT_DIR says, when it is set.
void Picture(HWND window, const char* name) {
    const char* folder = std::getenv("BRISEL_SCREENSHOT_DIR");
    if (folder == nullptr) return;
    Sleep(1000);  // the program paints in its own time
    SaveWindowPicture(window, std::string(folder) + "\\" + name);
}

void SetToolPath(const std::string& commandLine) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, kToolKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(key, "PATH", 0, REG_SZ, reinterpret_cast<const BYTE*>(commandLine.c_str()),
                   static_cast<DWORD>(commandLine.size() + 1));
    RegCloseKey(key);
}

void RemoveToolPath() { RegDeleteKeyA(HKEY_LOCAL_MACHINE, kToolKey); }

class Gui : public testing::Test {
protected:
    static void SetUpTestSuite() {
        folder_ = fs::temp_directory_path() / ("brisel gui " + std::to_string(GetCurrentProcessId()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        fs::copy_file(fs::path(BRISEL_TEST_DATA_DIR) / "worked_example.net", folder_ / "board.net");
        RemoveToolPath();
        session_ = std::make_unique<Session>((ProgramFolder() / "brisel.exe").string());
    }
    static void TearDownTestSuite() {
        session_.reset();
        RemoveToolPath();
        fs::remove_all(folder_);
    }

    static HWND Main() { return session_->MainWindow(); }
    static HWND MainControl(const char* name) { return ControlOf(Main(), MainForm(), name); }
    static void Choose(HWND form, const platform::FormDescription& described, const char* item) {
        PostMessageA(form, WM_COMMAND, MAKEWPARAM(MenuCommandOf(described, item), 0), 0);
    }
    static HWND OpenAbout() {
        Choose(Main(), MainForm(), "mnuHelpAbout");
        HWND about = nullptr;
        WaitFor([&] { return (about = Session::FindForm("About Brisel")) != nullptr && IsWindowVisible(about); });
        return about;
    }
    static void Click(HWND button) { PostMessageA(button, BM_CLICK, 0, 0); }

    static inline fs::path folder_;
    static inline std::unique_ptr<Session> session_;
};

TEST_F(Gui, TheMainWindowOpensWithItsTitleAndControlsWhereTheFormSays) {
    ASSERT_NE(Main(), nullptr);
    EXPECT_EQ(TextOf(Main()), "Brisel");
    const int dpi = SystemDpi();
    RECT client;
    GetClientRect(Main(), &client);
    EXPECT_EQ(client.right, platform::TwipsToPixels(5610, dpi));
    EXPECT_EQ(client.bottom, platform::TwipsToPixels(3000, dpi));
    for (const platform::ControlDescription& control : MainForm().controls) {
        HWND hwnd = MainControl(control.name.c_str());
        ASSERT_NE(hwnd, nullptr) << control.name;
        const RECT rect = ClientRectOf(hwnd);
        EXPECT_EQ(rect.left, platform::TwipsToPixels(control.left, dpi)) << control.name;
        EXPECT_EQ(rect.top, platform::TwipsToPixels(control.top, dpi)) << control.name;
        if (!control.autoSize) {
            EXPECT_EQ(rect.right - rect.left, platform::TwipsToPixels(control.width, dpi)) << control.name;
            EXPECT_EQ(rect.bottom - rect.top, platform::TwipsToPixels(control.height, dpi)) << control.name;
        }
        EXPECT_EQ(IsWindowVisible(hwnd) != FALSE, control.visible) << control.name;
        if (control.kind != platform::ControlKind::TextBox) {
            EXPECT_EQ(TextOf(hwnd), control.caption) << control.name;
        }
    }
    const std::string folder = ProgramFolder().string() + "\\";
    EXPECT_EQ(TextOf(MainControl("txtSource")), folder + "PadsPCB.net");
    EXPECT_EQ(TextOf(MainControl("txtTarget")), folder + "ExpressPCB.net");
    EXPECT_TRUE(session_->WaitForFocus(MainControl("txtSource")));
    Picture(Main(), "main.bmp");
}

// Tab moves the focus from box to box, so each typed path is split when it
// is left; the OK button takes the focus last.
TEST_F(Gui, TypedPathsAndOkConvertANetlistAndShowTheCompletionMessage) {
    TypeText(MainControl("txtSource"), (folder_ / "board.net").string());
    PressKey(MainControl("txtSource"), VK_TAB);
    ASSERT_TRUE(session_->WaitForFocus(MainControl("cmdBrowseS")));
    PressKey(MainControl("cmdBrowseS"), VK_TAB);
    ASSERT_TRUE(session_->WaitForFocus(MainControl("txtTarget")));
    TypeText(MainControl("txtTarget"), (folder_ / "out.net").string());
    Click(MainControl("cmdOK"));
    HWND box = Session::WaitForMessageBox("File Conversion - Complete");
    ASSERT_NE(box, nullptr);
    EXPECT_NE(Session::MessageText(box).find("12 Lines, 3 Parts, 2 Nets, and 5 Connections."), std::string::npos)
        << Session::MessageText(box);
    Session::Answer(box);
    EXPECT_EQ(ReadFile(folder_ / "out.net"), ReadFile(fs::path(BRISEL_TEST_DATA_DIR) / "worked_example.expected.net"));
    EXPECT_TRUE(WaitFor([] { return IsWindowEnabled(MainControl("cmdOK")) != FALSE; }));
    EXPECT_FALSE(IsWindowVisible(MainControl("lblProg")));
    EXPECT_EQ(TextOf(MainControl("lblProg")), "");
}

TEST_F(Gui, AnEmptyTargetGivesTheMissingNameErrorWithTheFocusInTheSourceBox) {
    TypeText(MainControl("txtTarget"), "");
    Click(MainControl("cmdOK"));
    HWND box = Session::WaitForMessageBox("Invalid Filenames - Error");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(Session::MessageText(box),
              "Please enter source and target filenames before trying to start the file conversion process.");
    Session::Answer(box);
    EXPECT_TRUE(session_->WaitForFocus(MainControl("txtSource")));
}

TEST_F(Gui, HelpAboutShowsVersionOneZeroTwo) {
    HWND about = OpenAbout();
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(TextOf(ControlOf(about, AboutForm(), "lblVersion")), "Version " BRISEL_APP_VERSION);
    EXPECT_EQ(TextOf(ControlOf(about, AboutForm(), "lblTitle")), "Brisel");
    EXPECT_FALSE(IsWindowVisible(ControlOf(about, AboutForm(), "cmdSysInfo")));
    // The picture box sizes itself to the program's 32 x 32 picture.
    const RECT picture = ClientRectOf(ControlOf(about, AboutForm(), "picIcon"));
    EXPECT_EQ(picture.right - picture.left, 32);
    EXPECT_EQ(picture.bottom - picture.top, 32);
    Picture(about, "about.bmp");
}

// The System Info button is hidden: its command is sent as the button would.
TEST_F(Gui, SystemInfoWithoutTheRegistryValueSaysItIsUnavailable) {
    HWND about = OpenAbout();
    ASSERT_NE(about, nullptr);
    HWND button = ControlOf(about, AboutForm(), "cmdSysInfo");
    PostMessageA(about, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED), reinterpret_cast<LPARAM>(button));
    HWND box = Session::WaitForMessageBox("Brisel");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(Session::MessageText(box), "System Information Is Unavailable At This Time");
    Session::Answer(box);
}

TEST_F(Gui, SystemInfoStartsTheProgramTheRegistryNames) {
    const fs::path marker = folder_ / "tool ran.txt";
    SetToolPath("\"" + (ProgramFolder() / "fake_sysinfo.exe").string() + "\" " + marker.string());
    HWND about = OpenAbout();
    ASSERT_NE(about, nullptr);
    HWND button = ControlOf(about, AboutForm(), "cmdSysInfo");
    PostMessageA(about, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED), reinterpret_cast<LPARAM>(button));
    EXPECT_TRUE(WaitFor([&] { return fs::exists(marker); }));
    Click(ControlOf(about, AboutForm(), "cmdOK"));
    EXPECT_TRUE(WaitFor([] { return Session::FindForm("About Brisel") == nullptr; }));
}

// F1 reaches Help > Contents through the accelerator table, which starts
// "Notepad.exe " followed by the help file's path.
TEST_F(Gui, FOneOpensTheHelpFileInNotepad) {
    PressKey(MainControl("txtSource"), VK_F1);
    HWND notepad = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (notepad = FindWindowA("Notepad", nullptr)) != nullptr; }));
    EXPECT_TRUE(WaitFor([&] { return TextOf(notepad).find("Brisel") != std::string::npos; })) << TextOf(notepad);
    PostMessageA(notepad, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitFor([] { return FindWindowA("Notepad", nullptr) == nullptr; }));
}

TEST_F(Gui, FileExitEndsTheProgram) {
    Choose(Main(), MainForm(), "mnuFileExit");
    EXPECT_TRUE(session_->WaitForExit(10000));
}

}  // namespace
}  // namespace brisel::gui_test
