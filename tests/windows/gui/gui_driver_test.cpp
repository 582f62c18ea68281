// Drives the real brisel.exe from outside, as a user would, and checks what
// its windows show. One program run serves the tests in order; the last one
// ends it through File > Exit.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include <oleacc.h>

#include "about_box/about_form.h"
#include "main_window/main_form.h"
#include "platform/twips.h"
#include "problems_window/problems_form.h"
#include "session.h"
#include "tests/support/text_files.h"

namespace brisel::gui_test {
namespace {

namespace fs = std::filesystem;
using about_box::AboutForm;
using main_window::MainForm;
using problems_window::ProblemsForm;
using test::MaskedVersion;
using test::ReadFile;
using test::TestData;

const char* const kToolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";

// Cyrillic, Greek, CJK and an emoji: outside every ANSI code page together.
const std::string kScriptsFolder = "Дмитрий Ωμέγα 设计 🔌";
const std::string kScriptsSource = "плата.net";
const std::string kScriptsTarget = "вывод 🔌.net";

fs::path PathOf(const std::string& utf8) { return fs::path(std::u8string(utf8.begin(), utf8.end())); }

std::string Utf8(const fs::path& path) {
    const std::u8string text = path.u8string();
    return {text.begin(), text.end()};
}

fs::path ProgramFolder() {
    char name[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, name, MAX_PATH);
    return fs::path(name).parent_path();
}

// Pictures go where BRISEL_SCREENSHOT_DIR says, when it is set: of the
// windows together, as they stand beside each other.
void Picture(std::initializer_list<HWND> windows, const char* name) {
    const char* folder = std::getenv("BRISEL_SCREENSHOT_DIR");
    if (folder == nullptr) return;
    Sleep(1000);  // the program paints in its own time
    SaveWindowsPicture(windows, std::string(folder) + "\\" + name);
}

bool Overlap(HWND a, HWND b) {
    RECT first;
    RECT second;
    RECT common;
    GetWindowRect(a, &first);
    GetWindowRect(b, &second);
    return IntersectRect(&common, &first, &second) != FALSE;
}

bool OnTheDesktop(HWND window) {
    RECT frame;
    RECT desktop;
    GetWindowRect(window, &frame);
    GetWindowRect(GetDesktopWindow(), &desktop);
    return frame.left >= desktop.left && frame.top >= desktop.top && frame.right <= desktop.right &&
           frame.bottom <= desktop.bottom;
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

// Where the shell looks for the program that opens mailto addresses.
const char* const kMailCommandKey = "mailto\\shell\\open\\command";

void SetMailProgram(const std::string& commandLine) {
    HKEY key = nullptr;
    ASSERT_EQ(
        RegCreateKeyExA(HKEY_CLASSES_ROOT, kMailCommandKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
        ERROR_SUCCESS);
    RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(commandLine.c_str()),
                   static_cast<DWORD>(commandLine.size() + 1));
    RegCloseKey(key);
}

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
    // The pictures show what an installed copy shows a new user (its folder is
    // not writable: the boxes start in the user's documents), and no folder
    // of the machine they were taken on. Dropped, the paths show their ends.
    static void ShowPathsForPictures(const std::string& source, const std::string& target) {
        if (std::getenv("BRISEL_SCREENSHOT_DIR") == nullptr) return;
        const std::string documents = "C:\\Users\\Pat\\Documents\\";
        const RECT box = ClientRectOf(MainControl("txtTarget"));
        session_->DropFile(Main(), {box.left + 5, box.top + 5}, documents + target);
        session_->DropFile(Main(), {2, 2}, documents + source);
        WaitFor([&] { return TextOf(MainControl("txtSource")) == documents + source; });
    }
    // Alt and the menu's access key, then the item's: a greyed item does
    // nothing and the menu closes.
    static void ChooseByKeys(char menuKey, char itemKey) {
        PostMessageA(Main(), WM_SYSCOMMAND, SC_KEYMENU, menuKey);
        WaitFor([] {
            HWND popup = FindWindowA("#32768", nullptr);
            return popup != nullptr && IsWindowVisible(popup);
        });
        PostMessageA(Main(), WM_CHAR, static_cast<WPARAM>(itemKey), 1);
    }
    static bool ProblemsWindowOpens(int milliseconds = 10000) {
        return WaitFor(
            [] {
                HWND problems = Session::FindForm("Problems - Brisel");
                return problems != nullptr && IsWindowVisible(problems);
            },
            milliseconds);
    }

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
        EXPECT_EQ(rect.left, platform::TwipsToPixels(control.bounds.left, dpi)) << control.name;
        EXPECT_EQ(rect.top, platform::TwipsToPixels(control.bounds.top, dpi)) << control.name;
        if (!control.autoSize) {
            EXPECT_EQ(rect.right - rect.left, platform::TwipsToPixels(control.bounds.width, dpi)) << control.name;
            EXPECT_EQ(rect.bottom - rect.top, platform::TwipsToPixels(control.bounds.height, dpi)) << control.name;
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
    ShowPathsForPictures("PadsPCB.net", "ExpressPCB.net");
    Picture({Main()}, "main.bmp");
    // File > Problems... is greyed before any conversion: its key only
    // highlights it, and Esc twice leaves the menu.
    ChooseByKeys('f', 'p');
    EXPECT_FALSE(ProblemsWindowOpens(1000));
    PressKey(Main(), VK_ESCAPE);
    PressKey(Main(), VK_ESCAPE);
    EXPECT_TRUE(WaitFor([] { return !IsWindowVisible(FindWindowA("#32768", nullptr)); }));
}

// Tab moves the focus from box to box, so each typed path is split when it
// is left; the OK button takes the focus last. The completion's words and
// the bytes written are checked by the engine's tests and, for names in any
// script, below.
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
    Session::Answer(box);
    EXPECT_TRUE(fs::exists(folder_ / "out.net"));
    EXPECT_TRUE(WaitFor([] { return IsWindowEnabled(MainControl("cmdOK")) != FALSE; }));
    // The focus is back in the source box, its whole path selected.
    EXPECT_TRUE(session_->WaitForFocus(MainControl("txtSource")));
    const auto length = static_cast<DWORD>(TextOf(MainControl("txtSource")).size());
    EXPECT_EQ(static_cast<DWORD>(SendMessageA(MainControl("txtSource"), EM_GETSEL, 0, 0)), MAKELONG(0, length));
    EXPECT_FALSE(IsWindowVisible(MainControl("lblProg")));
    EXPECT_EQ(TextOf(MainControl("lblProg")), "");
}

// The completion message names the target in UTF-8, whatever its script,
// and the target holds the worked example's conversion.
void ExpectTheWorkedExampleIn(const fs::path& target) {
    HWND box = Session::WaitForMessageBox("File Conversion - Complete");
    ASSERT_NE(box, nullptr);
    const std::string text = Utf8TextOf(GetDlgItem(box, 0xFFFF));
    EXPECT_NE(text.find("'" + Utf8(target.filename()) + "' has been created."), std::string::npos) << text;
    Session::Answer(box);
    EXPECT_EQ(MaskedVersion(ReadFile(target)), TestData("worked_example.expected.net"));
}

// Typed key by key, as the keyboard gives them: names outside every ANSI code
// page reach each box, its split and the conversion intact.
TEST_F(Gui, NamesInAnyScriptTypedIntoEachBoxConvert) {
    const fs::path folder = folder_ / PathOf(kScriptsFolder);
    fs::create_directories(folder);
    fs::copy_file(fs::path(BRISEL_TEST_DATA_DIR) / "worked_example.net", folder / PathOf(kScriptsSource));
    const std::string source = Utf8(folder / PathOf(kScriptsSource));
    const std::string target = Utf8(folder / PathOf(kScriptsTarget));
    TypeText(MainControl("txtSource"), "");
    TypeText(MainControl("txtTarget"), "");
    SetForegroundWindow(Main());
    ClickInto(MainControl("txtSource"));
    ASSERT_TRUE(session_->WaitForFocus(MainControl("txtSource")));
    TypeKeys(source);
    EXPECT_TRUE(WaitFor([&] { return Utf8TextOf(MainControl("txtSource")) == source; }))
        << Utf8TextOf(MainControl("txtSource"));
    SendKey(VK_TAB);
    ASSERT_TRUE(session_->WaitForFocus(MainControl("cmdBrowseS")));
    SendKey(VK_TAB);
    ASSERT_TRUE(session_->WaitForFocus(MainControl("txtTarget")));
    TypeKeys(target);
    EXPECT_TRUE(WaitFor([&] { return Utf8TextOf(MainControl("txtTarget")) == target; }))
        << Utf8TextOf(MainControl("txtTarget"));
    SendKey(VK_RETURN);
    ExpectTheWorkedExampleIn(folder / PathOf(kScriptsTarget));
}

// The name typed into the Open dialog's file name box, as a user would type it.
TEST_F(Gui, TheOpenDialogShowsTheChosenPathInAnyScriptIntact) {
    const fs::path chosen = folder_ / PathOf(kScriptsFolder) / PathOf(kScriptsSource);
    ASSERT_TRUE(fs::exists(chosen));
    Click(MainControl("cmdBrowseS"));
    HWND dialog = Session::WaitForMessageBox("File Open");
    ASSERT_NE(dialog, nullptr);
    HWND name = GetDlgItem(dialog, 0x47C);  // the Explorer style's file name box
    if (name == nullptr) name = GetDlgItem(dialog, 0x480);
    ASSERT_NE(name, nullptr);
    SetUtf8Text(name, Utf8(chosen));
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(dialog); }));
    EXPECT_TRUE(WaitFor([&] { return Utf8TextOf(MainControl("txtSource")) == Utf8(chosen); }))
        << Utf8TextOf(MainControl("txtSource"));
}

// However OK is pressed, also from a box that keeps the focus (Enter,
// Alt+K), the conversion starts. The source does not exist: the error leaves
// the focus in the source box for the next way. That the typed path is the
// one converted is the fake platform's to show.
TEST_F(Gui, EveryWayOfPressingOkStartsTheConversion) {
    const std::vector<std::pair<const char*, std::function<void()>>> ways{
        {"click.net", [] { Click(MainControl("cmdOK")); }},
        {"enter.net", [] { PressKey(MainControl("txtSource"), VK_RETURN); }},
        {"alt-k.net", [] { PostMessageA(MainControl("txtSource"), WM_SYSCHAR, 'k', 1 << 29); }},
        {"space.net",
         [] {
             for (const char* next : {"cmdBrowseS", "txtTarget", "cmdBrowseT", "cmdOK"}) {
                 PressKey(session_->Focus(), VK_TAB);
                 ASSERT_TRUE(session_->WaitForFocus(MainControl(next)));
             }
             PressKey(MainControl("cmdOK"), VK_SPACE);
         }},
    };
    TypeText(MainControl("txtTarget"), (folder_ / "ways.net").string());
    for (const auto& [name, press] : ways) {
        SCOPED_TRACE(name);
        TypeText(MainControl("txtSource"), "C:\\nowhere\\" + std::string(name));
        press();
        HWND box = Session::WaitForMessageBox("Source File - Error");
        ASSERT_NE(box, nullptr);
        Session::Answer(box);
        ASSERT_TRUE(session_->WaitForFocus(MainControl("txtSource")));
    }
}

// A dropped path shows its end, the file name, however long it is.
TEST_F(Gui, ALongPathShowsItsFileName) {
    const std::string path = "C:\\" + std::string(60, 'd') + "\\boards\\main-board.net";
    session_->DropFile(Main(), {2, 2}, path);
    ASSERT_TRUE(WaitFor([&] { return TextOf(MainControl("txtSource")) == path; }));
    // A one-line box answers with the first character it shows.
    EXPECT_GT(SendMessageA(MainControl("txtSource"), EM_GETFIRSTVISIBLELINE, 0, 0), 0);
}

bool Framed(HWND button) { return (GetWindowLongA(button, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON; }

TEST_F(Gui, TheDefaultFrameFollowsAFocusedButtonAndOtherwiseStaysOnOk) {
    ASSERT_TRUE(session_->WaitForFocus(MainControl("txtSource")));  // where the last error left it
    PressKey(MainControl("txtSource"), VK_TAB);
    ASSERT_TRUE(session_->WaitForFocus(MainControl("cmdBrowseS")));
    EXPECT_TRUE(WaitFor([] { return Framed(MainControl("cmdBrowseS")); }));
    EXPECT_FALSE(Framed(MainControl("cmdOK")));
    PressKey(MainControl("cmdBrowseS"), VK_TAB);
    ASSERT_TRUE(session_->WaitForFocus(MainControl("txtTarget")));
    EXPECT_TRUE(WaitFor([] { return Framed(MainControl("cmdOK")); }));
    EXPECT_FALSE(Framed(MainControl("cmdBrowseS")));
}

// The name and description a screen reader gets for a control of the running
// program, asked from this process as a screen reader asks.
std::pair<std::wstring, std::wstring> AccessibleTexts(HWND control) {
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&object)))) {
        return {L"(no object)", L""};
    }
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    BSTR description = nullptr;
    object->get_accName(self, &name);
    object->get_accDescription(self, &description);
    std::pair<std::wstring, std::wstring> texts{name != nullptr ? name : L"",
                                                description != nullptr ? description : L""};
    SysFreeString(name);
    SysFreeString(description);
    object->Release();
    return texts;
}

TEST_F(Gui, AScreenReaderHearsThePathBoxesByTheirLabelsAndTooltips) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    EXPECT_EQ(AccessibleTexts(MainControl("txtSource")),
              std::make_pair(std::wstring(L"Source:"), std::wstring(L"Enter source path")));
    EXPECT_EQ(AccessibleTexts(MainControl("txtTarget")),
              std::make_pair(std::wstring(L"Target:"), std::wstring(L"Enter target path")));
    CoUninitialize();
}

TEST_F(Gui, OnlyTheMainWindowIsTitledBrisel) { EXPECT_EQ(session_->WindowsTitled("Brisel"), 1); }

TEST_F(Gui, AFileDroppedOnTheTargetBoxBecomesTheTargetAndElsewhereTheSource) {
    const RECT target = ClientRectOf(MainControl("txtTarget"));
    session_->DropFile(Main(), {target.left + 5, target.top + 5}, "C:\\drop\\out.net");
    EXPECT_TRUE(WaitFor([] { return TextOf(MainControl("txtTarget")) == "C:\\drop\\out.net"; }));
    session_->DropFile(Main(), {2, 2}, "C:\\drop\\in.net");
    EXPECT_TRUE(WaitFor([] { return TextOf(MainControl("txtSource")) == "C:\\drop\\in.net"; }));
}

// What the box shows is the fake platform's to check.
TEST_F(Gui, HelpAboutOpensBesideTheMainWindow) {
    HWND about = OpenAbout();
    ASSERT_NE(about, nullptr);
    // The picture box sizes itself to the program's 32 x 32 picture.
    const RECT picture = ClientRectOf(ControlOf(about, AboutForm(), "picIcon"));
    EXPECT_EQ(picture.right - picture.left, 32);
    EXPECT_EQ(picture.bottom - picture.top, 32);
    EXPECT_FALSE(Overlap(about, Main()));
    EXPECT_TRUE(OnTheDesktop(about));
    ShowPathsForPictures("PadsPCB.net", "ExpressPCB.net");
    Picture({Main(), about}, "about.bmp");
}

// The disclaimer takes Tab for itself and asks the box to move the focus on.
TEST_F(Gui, TabAndShiftTabLeaveTheAboutBoxsDisclaimer) {
    HWND about = OpenAbout();
    ASSERT_NE(about, nullptr);
    HWND ok = ControlOf(about, AboutForm(), "cmdOK");
    HWND disclaimer = ControlOf(about, AboutForm(), "txtDisclaimer");
    SetForegroundWindow(about);
    ClickInto(disclaimer);
    ASSERT_TRUE(session_->WaitForFocus(disclaimer));
    SendKey(VK_TAB, VK_SHIFT);
    EXPECT_TRUE(session_->WaitForFocus(ok));
    SendKey(VK_TAB);
    ASSERT_TRUE(session_->WaitForFocus(disclaimer));
    SendKey(VK_TAB);
    EXPECT_TRUE(WaitFor([&] {
        HWND focus = session_->Focus();
        return focus != disclaimer && IsChild(about, focus);
    }));
    Click(ok);
    EXPECT_TRUE(WaitFor([] { return Session::FindForm("About Brisel") == nullptr; }));
}

// Tab reaches the links after the disclaimer, a dotted rectangle marks the
// focused one, and Enter opens it as a click does: here the e-mail link,
// which the shell hands to the program registered for mailto addresses.
TEST_F(Gui, TheAboutBoxsLinksAreReachedWithTabAndOpenedWithEnter) {
    const fs::path marker = folder_ / "mail opened.txt";
    SetMailProgram("\"" + (ProgramFolder() / "fake_sysinfo.exe").string() + "\" " + marker.string());
    HWND about = OpenAbout();
    ASSERT_NE(about, nullptr);
    HWND ok = ControlOf(about, AboutForm(), "cmdOK");
    HWND email = ControlOf(about, AboutForm(), "lblEMadd");
    SetForegroundWindow(about);
    ASSERT_TRUE(session_->WaitForFocus(ok));
    SendKey(VK_TAB);
    ASSERT_TRUE(session_->WaitForFocus(ControlOf(about, AboutForm(), "txtDisclaimer")));
    Sleep(300);  // painted
    const std::vector<char> unfocused = PixelsOf(email);
    SendKey(VK_TAB);
    ASSERT_TRUE(session_->WaitForFocus(email));
    EXPECT_TRUE(WaitFor([&] { return PixelsOf(email) != unfocused; })) << "no focus mark on the link";
    SendKey(VK_TAB);
    ASSERT_TRUE(session_->WaitForFocus(ControlOf(about, AboutForm(), "lblWSurl")));
    SendKey(VK_TAB, VK_SHIFT);
    ASSERT_TRUE(session_->WaitForFocus(email));
    SendKey(VK_RETURN);
    EXPECT_TRUE(WaitFor([&] { return fs::exists(marker); }));
    EXPECT_TRUE(IsWindow(about)) << "Enter went to the default button";
}

// The System Info button is hidden: its command is sent as the button would.
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

// Answers each warning, then the completion message, looking at the
// completion message before it is answered.
void AnswerUntilComplete(const std::function<void()>& atCompletion) {
    for (int boxes = 0; boxes < 10; ++boxes) {
        HWND box = nullptr;
        WaitFor([&] {
            return (box = FindWindowA("#32770", "File Conversion - Complete")) != nullptr ||
                   (box = FindWindowA("#32770", "Source File - Warning")) != nullptr;
        });
        ASSERT_NE(box, nullptr);
        const bool complete = TextOf(box) == "File Conversion - Complete";
        if (complete) atCompletion();
        Session::Answer(box);
        if (complete) return;
    }
    FAIL() << "no completion message";
}

std::string ClipboardText() {
    std::string text;
    if (!OpenClipboard(nullptr)) return text;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        text = static_cast<const char*>(GlobalLock(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

// The pointer the program shows once the mouse has moved to a point of the
// screen. Another process's cursor handle can only be compared, not looked
// into: the program's arrow is the one it shows over an idle window.
HCURSOR PointerAt(POINT at) {
    SetCursorPos(at.x, at.y);
    Sleep(300);
    CURSORINFO info{};
    info.cbSize = sizeof info;
    GetCursorInfo(&info);
    return info.hCursor;
}

// Whether the pointer over `at` becomes `expected` within about three
// seconds: the window under it sets the pointer only once it has handled the
// move, and a loaded machine may take longer than one look allows.
bool PointerBecomes(POINT at, HCURSOR expected) {
    for (int look = 0; look < 10; ++look) {
        if (PointerAt(at) == expected) return true;
    }
    return false;
}

// A corner of the window's client area that no other window covers.
POINT UncoveredPoint(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    POINT at{};
    for (const POINT corner : {POINT{4, 4}, POINT{client.right - 4, 4}, POINT{4, client.bottom - 4},
                               POINT{client.right - 4, client.bottom - 4}}) {
        at = corner;
        ClientToScreen(window, &at);
        HWND under = WindowFromPoint(at);
        if (under == window || IsChild(window, under)) break;
    }
    return at;
}

// Busy lasts from OK until the completion box closes: the warnings come
// during the run. The hourglass belongs to the main window, not to the About
// box beside it.
TEST_F(Gui, TheHourglassShowsOverTheMainWindowForExactlyTheBusyState) {
    fs::copy_file(fs::path(BRISEL_TEST_DATA_DIR) / "every_problem.net", folder_ / "every_problem.net");
    const RECT target = ClientRectOf(MainControl("txtTarget"));
    session_->DropFile(Main(), {target.left + 5, target.top + 5}, (folder_ / "every_out.net").string());
    session_->DropFile(Main(), {2, 2}, (folder_ / "every_problem.net").string());
    ASSERT_TRUE(WaitFor([&] { return TextOf(MainControl("txtSource")).ends_with("every_problem.net"); }));
    HWND about = OpenAbout();
    ASSERT_NE(about, nullptr);
    SetWindowPos(about, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(Main(), nullptr, 600, 400, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    const HCURSOR arrow = PointerAt(UncoveredPoint(Main()));
    EXPECT_TRUE(PointerBecomes(UncoveredPoint(about), arrow));
    Click(MainControl("cmdOK"));
    HWND warning = Session::WaitForMessageBox("Source File - Warning");
    ASSERT_NE(warning, nullptr);
    HCURSOR busy = arrow;
    for (int look = 0; look < 10 && busy == arrow; ++look) busy = PointerAt(UncoveredPoint(Main()));
    EXPECT_NE(busy, arrow);
    EXPECT_TRUE(PointerBecomes(UncoveredPoint(about), arrow));
    Session::Answer(warning);
    AnswerUntilComplete([&] { EXPECT_TRUE(PointerBecomes(UncoveredPoint(Main()), busy)); });
    EXPECT_TRUE(PointerBecomes(UncoveredPoint(Main()), arrow));
    Click(ControlOf(about, AboutForm(), "cmdOK"));
}

// The list shows the last conversion's problems (their words are the fake
// platform's to check); Copy puts every line on the clipboard, or says why
// it could not; the list grows with the window. File > Problems... is enabled after the conversion above.
TEST_F(Gui, FileProblemsListsTheProblemsOfTheLastConversion) {
    ChooseByKeys('f', 'p');
    ASSERT_TRUE(ProblemsWindowOpens());
    HWND problems = Session::FindForm("Problems - Brisel");
    EXPECT_FALSE(Overlap(problems, Main()));
    EXPECT_TRUE(OnTheDesktop(problems));
    HWND list = ControlOf(problems, ProblemsForm(), "txtProblems");
    const std::string text = TextOf(list);
    EXPECT_EQ(text.rfind("every_problem.net:", 0), 0u) << text;
    Click(ControlOf(problems, ProblemsForm(), "cmdCopy"));
    EXPECT_TRUE(WaitFor([&] { return ClipboardText() == text + "\r\n"; })) << ClipboardText();
    // While another program holds the clipboard open, Copy says so.
    ASSERT_TRUE(OpenClipboard(nullptr));
    Click(ControlOf(problems, ProblemsForm(), "cmdCopy"));
    HWND refused = Session::WaitForMessageBox("Problems - Brisel");
    CloseClipboard();
    ASSERT_NE(refused, nullptr);
    EXPECT_EQ(Session::MessageText(refused), "The list could not be copied to the clipboard.");
    Session::Answer(refused);
    // Tab and Shift+Tab leave the list for the buttons after and before it.
    SetForegroundWindow(problems);
    ClickInto(list);
    ASSERT_TRUE(session_->WaitForFocus(list));
    SendKey(VK_TAB);
    EXPECT_TRUE(session_->WaitForFocus(ControlOf(problems, ProblemsForm(), "cmdCopy")));
    ClickInto(list);
    ASSERT_TRUE(session_->WaitForFocus(list));
    SendKey(VK_TAB, VK_SHIFT);
    EXPECT_TRUE(session_->WaitForFocus(ControlOf(problems, ProblemsForm(), "cmdClose")));
    ShowPathsForPictures("every_problem.net", "ExpressPCB.net");
    Picture({Main(), problems}, "problems.bmp");
    const RECT before = ClientRectOf(list);
    RECT frame;
    GetWindowRect(problems, &frame);
    SetWindowPos(problems, nullptr, 0, 0, frame.right - frame.left + 80, frame.bottom - frame.top + 40,
                 SWP_NOMOVE | SWP_NOZORDER);
    const RECT after = ClientRectOf(list);
    EXPECT_EQ(after.right - after.left, before.right - before.left + 80);
    EXPECT_EQ(after.bottom - after.top, before.bottom - before.top + 40);
    PostMessageA(problems, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitFor([] { return Session::FindForm("Problems - Brisel") == nullptr; }));
}

TEST_F(Gui, FileExitEndsTheProgram) {
    Choose(Main(), MainForm(), "mnuFileExit");
    EXPECT_TRUE(session_->WaitForExit(10000));
}

// Each of these starts a program of its own.
TEST(GuiRun, ClosingTheMainWindowLeavesTheAboutBoxAndTheProgramEndsWithIt) {
    Session session((ProgramFolder() / "brisel.exe").string());
    PostMessageA(session.MainWindow(), WM_COMMAND, MAKEWPARAM(MenuCommandOf(MainForm(), "mnuHelpAbout"), 0), 0);
    HWND about = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (about = Session::FindForm("About Brisel")) != nullptr; }));
    PostMessageA(session.MainWindow(), WM_SYSCOMMAND, SC_CLOSE, 0);  // the title bar's close button
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(session.MainWindow()); }));
    EXPECT_TRUE(IsWindowVisible(about));
    EXPECT_FALSE(session.WaitForExit(500));
    PostMessageA(ControlOf(about, AboutForm(), "cmdOK"), BM_CLICK, 0, 0);
    EXPECT_TRUE(session.WaitForExit(10000));
}

// Started with a source alone, the target is beside it; an open Problems
// window goes with the main window. A long target name wraps in its
// completion message.
TEST(GuiRun, AnOpenProblemsWindowGoesWithTheMainWindow) {
    const fs::path folder = fs::temp_directory_path() / ("brisel beside " + std::to_string(GetCurrentProcessId()));
    fs::create_directories(folder);
    fs::copy_file(fs::path(BRISEL_TEST_DATA_DIR) / "every_problem.net", folder / "every_problem.net");
    Session session((ProgramFolder() / "brisel.exe").string(), "\"" + (folder / "every_problem.net").string() + "\"");
    HWND main = session.MainWindow();
    HWND source = ControlOf(main, MainForm(), "txtSource");
    HWND target = ControlOf(main, MainForm(), "txtTarget");
    EXPECT_EQ(TextOf(target), (folder / "every_problem-expresspcb.net").string());
    ASSERT_TRUE(session.WaitForFocus(source));
    PressKey(source, VK_RETURN);
    AnswerUntilComplete([] {});
    PostMessageA(main, WM_COMMAND, MAKEWPARAM(MenuCommandOf(MainForm(), "mnuFileProblems"), 0), 0);
    HWND problems = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (problems = Session::FindForm("Problems - Brisel")) != nullptr; }));
    const std::string longName = std::string(206, 'n') + ".net";
    TypeText(target, longName);
    PressKey(source, VK_RETURN);
    AnswerUntilComplete([&] {
        HWND box = FindWindowA("#32770", "File Conversion - Complete");
        EXPECT_TRUE(OnTheDesktop(box));
        std::string shown = Session::MessageText(box);
        std::erase(shown, '\r');
        std::erase(shown, '\n');
        EXPECT_NE(shown.find(longName), std::string::npos) << shown;
    });
    PostMessageA(main, WM_SYSCOMMAND, SC_CLOSE, 0);  // the title bar's close button
    EXPECT_TRUE(session.WaitForExit(10000));
    fs::remove_all(folder);
}

// What brisel.exe shows, and how it ends, when started with these arguments
// and its message box is answered.
struct StartBox {
    std::string title;
    std::string text;
    DWORD exitCode = 0;
};

StartBox StartToAMessageBox(const std::string& arguments) {
    std::string line = "\"" + (ProgramFolder() / "brisel.exe").string() + "\" " + arguments;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started)) {
        return {"(not started)", "", 0};
    }
    CloseHandle(started.hThread);
    HWND box = nullptr;
    WaitFor([&] {
        box = nullptr;
        EnumThreadWindows(
            started.dwThreadId,
            [](HWND hwnd, LPARAM found) {
                char name[16] = {};
                GetClassNameA(hwnd, name, sizeof name);
                if (std::string(name) == "#32770") *reinterpret_cast<HWND*>(found) = hwnd;
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&box));
        return box != nullptr && IsWindowVisible(box);
    });
    StartBox shown{box != nullptr ? Utf8TextOf(box) : "(no box)",
                   box != nullptr ? Utf8TextOf(GetDlgItem(box, 0xFFFF)) : ""};
    if (box != nullptr) Session::Answer(box);
    if (WaitForSingleObject(started.hProcess, 10000) == WAIT_TIMEOUT) TerminateProcess(started.hProcess, 1);
    GetExitCodeProcess(started.hProcess, &shown.exitCode);
    CloseHandle(started.hProcess);
    return shown;
}

// The help is laid out in lines, not in columns of spaces.
TEST(GuiStart, SlashQuestionMarkShowsTheHelpInLinesWithoutColumns) {
    for (const char* arguments : {"/?", "a.net /?", "--help"}) {
        const StartBox shown = StartToAMessageBox(arguments);
        EXPECT_EQ(shown.title, "Brisel") << arguments;
        EXPECT_EQ(shown.text.rfind("Brisel converts a PADS netlist into an ExpressPCB netlist.\r\n\r\n", 0), 0u)
            << shown.text;
        EXPECT_NE(shown.text.find("\r\n/?, -h or --help\r\nShows this help.\r\n"), std::string::npos) << shown.text;
        EXPECT_EQ(shown.text.find("  "), std::string::npos) << shown.text;
        EXPECT_EQ(shown.exitCode, 0u) << arguments;
    }
}

TEST(GuiStart, AnUnknownOptionIsRefusedInWindowsWords) {
    const StartBox shown = StartToAMessageBox("--bogus a.net");
    EXPECT_EQ(shown.title, "Command Line - Error");
    EXPECT_EQ(shown.text,
              "The option '--bogus' is not valid.\r\n\r\n"
              "To open a file whose name begins with a hyphen (-), put -- before it.\r\n"
              "Start brisel.exe /? to see the options.");
    EXPECT_EQ(shown.exitCode, 2u);
}

TEST(GuiStart, AThirdFileNameIsRefusedInWindowsWords) {
    const StartBox shown = StartToAMessageBox("a.net b.net c.net");
    EXPECT_EQ(shown.title, "Command Line - Error");
    EXPECT_EQ(shown.text,
              "Brisel takes at most two file names: the source and the target.\r\n\r\n"
              "Start brisel.exe /? to see the options.");
    EXPECT_EQ(shown.exitCode, 2u);
}

// Started with a source and a target, which the boxes show. While the
// conversion waits on its first warning, the window is closed or the session
// ends; Windows ends the program once WM_ENDSESSION has been answered. The
// run's files go, the old target stays, and a program asked to close ends by
// itself.
struct EndingCase {
    const char* why;
    void (*act)(HWND main);
    bool windowsEndsIt;
};

class GuiEnding : public testing::TestWithParam<EndingCase> {};

TEST_P(GuiEnding, LeavesTheSourceAndTheOldTargetOnly) {
    const fs::path folder = fs::temp_directory_path() / ("brisel ending " + std::to_string(GetCurrentProcessId()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    fs::copy_file(fs::path(BRISEL_TEST_DATA_DIR) / "every_problem.net", folder / "in.net");
    test::WriteFile(folder / "out.net", "an older netlist\r\n");
    {
        Session session((ProgramFolder() / "brisel.exe").string(),
                        "\"" + (folder / "in.net").string() + "\" \"" + (folder / "out.net").string() + "\"");
        EXPECT_EQ(TextOf(ControlOf(session.MainWindow(), MainForm(), "txtTarget")), (folder / "out.net").string());
        PostMessageA(ControlOf(session.MainWindow(), MainForm(), "cmdOK"), BM_CLICK, 0, 0);
        HWND warning = Session::WaitForMessageBox("Source File - Warning");
        ASSERT_NE(warning, nullptr);
        GetParam().act(session.MainWindow());
        if (GetParam().windowsEndsIt) {
            TerminateProcess(session.Process(), 0);
        } else {
            EXPECT_TRUE(WaitFor([&] { return !IsWindow(warning); }));
        }
        EXPECT_TRUE(session.WaitForExit(10000));
    }
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"in.net", "out.net"}));
    EXPECT_EQ(ReadFile(folder / "out.net"), "an older netlist\r\n");
    fs::remove_all(folder);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, GuiEnding,
    testing::Values(EndingCase{"CloseButton", [](HWND main) { PostMessageA(main, WM_CLOSE, 0, 0); }, false},
                    EndingCase{"LoggingOff",
                               [](HWND main) {
                                   DWORD_PTR mayEnd = 0;
                                   SendMessageTimeoutA(main, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_BLOCK, 5000,
                                                       &mayEnd);
                                   EXPECT_EQ(mayEnd, static_cast<DWORD_PTR>(TRUE));
                                   SendMessageTimeoutA(main, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_BLOCK, 5000,
                                                       nullptr);
                               },
                               true},
                    EndingCase{"ForcedLogOff",
                               [](HWND main) {
                                   SendMessageTimeoutA(main, WM_ENDSESSION, TRUE,
                                                       ENDSESSION_LOGOFF | ENDSESSION_CRITICAL, SMTO_BLOCK, 5000,
                                                       nullptr);
                               },
                               true}),
    [](const auto& info) { return std::string(info.param.why); });

}  // namespace
}  // namespace brisel::gui_test
