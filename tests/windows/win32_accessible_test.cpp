// What a screen reader learns of each control of the real forms, asked as
// it asks (AccessibleObjectFromWindow), and the keyboard's way through them.

#include <gtest/gtest.h>
#include <windows.h>

#include <oleacc.h>

#include <memory>
#include <vector>

#include "about_box/about_form.h"
#include "about_box/maker_info.h"
#include "main_window/main_form.h"
#include "platform/win32/win32_ids.h"
#include "platform/win32/win32_text.h"
#include "platform/win32/win32_window.h"
#include "problems_window/problems_form.h"

namespace brisel::platform::win32 {
namespace {

HWND ControlOf(const Win32Window& window, const FormDescription& form, const std::string& name) {
    for (std::size_t i = 0; i < form.controls.size(); ++i) {
        if (form.controls[i].name == name) return GetDlgItem(window.Handle(), ControlId(static_cast<int>(i)));
    }
    return nullptr;
}

struct Accessible {
    std::string name;
    std::string description;
    long role = 0;
};

std::string Take(BSTR text) {
    std::string utf8 = text != nullptr ? Utf8(text, SysStringLen(text)) : std::string();
    SysFreeString(text);
    return utf8;
}

Accessible Ask(HWND control) {
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&object)))) {
        return {"(no object)", "", 0};
    }
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    BSTR description = nullptr;
    VARIANT role{};
    object->get_accName(self, &name);
    object->get_accDescription(self, &description);
    object->get_accRole(self, &role);
    object->Release();
    return {Take(name), Take(description), role.vt == VT_I4 ? role.lVal : 0};
}

struct NameCase {
    const char* label;
    const FormDescription& (*form)();
    const char* control;
    std::string name;
    std::string description;
    long role;
};

void PrintTo(const NameCase& row, std::ostream* out) { *out << row.label; }

class AccessibleNames : public testing::TestWithParam<NameCase> {
protected:
    static void SetUpTestSuite() { CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
    static void TearDownTestSuite() { CoUninitialize(); }
};

TEST_P(AccessibleNames, AreWhatASightedUserReadsFromTheLabelAndTheTooltip) {
    const NameCase& row = GetParam();
    const Win32Window window(row.form(), 96, nullptr);
    const Accessible found = Ask(ControlOf(window, row.form(), row.control));
    EXPECT_EQ(found.name, row.name);
    EXPECT_EQ(found.description, row.description);
    EXPECT_EQ(found.role, row.role);
}

const FormDescription& Main() { return main_window::MainForm(); }
const FormDescription& About() { return about_box::AboutForm(); }
const FormDescription& Problems() { return problems_window::ProblemsForm(); }

// A box is named by the label before it; buttons and labels by their
// captions without the access key's "&"; the two boxes without a label by
// their forms.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Forms, AccessibleNames, testing::Values(
    NameCase{"SourceLabel", Main, "lblSource", "Source:", "Reads from this file", ROLE_SYSTEM_STATICTEXT},
    NameCase{"SourceBox", Main, "txtSource", "Source:", "Enter source path", ROLE_SYSTEM_TEXT},
    NameCase{"SourceBrowse", Main, "cmdBrowseS", "Browse...", "Select source file", ROLE_SYSTEM_PUSHBUTTON},
    NameCase{"TargetBox", Main, "txtTarget", "Target:", "Enter target path", ROLE_SYSTEM_TEXT},
    NameCase{"TargetBrowse", Main, "cmdBrowseT", "Browse...", "Select target file", ROLE_SYSTEM_PUSHBUTTON},
    NameCase{"Ok", Main, "cmdOK", "OK", "Starts file conversion process", ROLE_SYSTEM_PUSHBUTTON},
    NameCase{"Title", Main, "lblTitle", "Brisel", "", ROLE_SYSTEM_STATICTEXT},
    NameCase{"Disclaimer", About, "txtDisclaimer", "Disclaimer", "", ROLE_SYSTEM_TEXT},
    NameCase{"EmailLink", About, "lblEMadd", about_box::maker::kEmail, "", ROLE_SYSTEM_LINK},
    NameCase{"WebLink", About, "lblWSurl", about_box::maker::kWebAddress, "", ROLE_SYSTEM_LINK},
    NameCase{"AboutOk", About, "cmdOK", "OK", "", ROLE_SYSTEM_PUSHBUTTON},
    NameCase{"Icon", About, "picIcon", "", "", ROLE_SYSTEM_GRAPHIC},
    NameCase{"ProblemsList", Problems, "txtProblems", "Problems", "", ROLE_SYSTEM_TEXT},
    NameCase{"Copy", Problems, "cmdCopy", "Copy", "Copies every line to the clipboard", ROLE_SYSTEM_PUSHBUTTON},
    NameCase{"Close", Problems, "cmdClose", "Close", "", ROLE_SYSTEM_PUSHBUTTON}),
    [](const auto& row) { return std::string(row.param.label); });
// clang-format on

TEST(AccessibleDescription, FollowsTheTooltipAsTheProgramChangesIt) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    Win32Window window(Main(), 96, nullptr);
    window.SetToolTip("lblTitle", "Version 1.02");
    EXPECT_EQ(Ask(ControlOf(window, Main(), "lblTitle")).description, "Version 1.02");
    CoUninitialize();
}

// The controls Tab reaches from the first, in order, until it comes back.
std::vector<std::string> TabCycle(const Win32Window& window, const FormDescription& form, const char* first) {
    std::vector<std::string> names;
    HWND start = ControlOf(window, form, first);
    HWND at = start;
    do {
        for (std::size_t i = 0; i < form.controls.size(); ++i) {
            if (GetDlgCtrlID(at) == ControlId(static_cast<int>(i))) names.push_back(form.controls[i].name);
        }
        at = GetNextDlgTabItem(window.Handle(), at, FALSE);
    } while (at != start && at != nullptr && names.size() < form.controls.size());
    return names;
}

// Hidden controls (System Info) are passed over; the icon is never reached.
TEST(KeyboardOrder, ReachesTheLinksAfterTheDisclaimerAndNeverTheIcon) {
    Win32Window about(About(), 96, nullptr);
    ShowWindow(about.Handle(), SW_SHOWNA);
    EXPECT_EQ(TabCycle(about, About(), "cmdOK"),
              (std::vector<std::string>{"cmdOK", "txtDisclaimer", "lblEMadd", "lblWSurl"}));
    EXPECT_EQ(GetNextDlgTabItem(about.Handle(), nullptr, FALSE), ControlOf(about, About(), "cmdOK"));
}

TEST(KeyboardOrder, AnUnbrandedAboutBoxHasNoLinkToReach) {
    const FormDescription form = about_box::AboutFormFor({"Maker", "", "", ""});
    Win32Window about(form, 96, nullptr);
    ShowWindow(about.Handle(), SW_SHOWNA);
    EXPECT_EQ(TabCycle(about, form, "cmdOK"), (std::vector<std::string>{"cmdOK", "txtDisclaimer"}));
}

TEST(KeyboardOrder, WalksTheMainWindowFromBoxToButton) {
    Win32Window main(Main(), 96, nullptr);
    ShowWindow(main.Handle(), SW_SHOWNA);
    EXPECT_EQ(TabCycle(main, Main(), "txtSource"),
              (std::vector<std::string>{"txtSource", "cmdBrowseS", "txtTarget", "cmdBrowseT", "cmdOK"}));
}

TEST(FocusMark, ShowsFromTheStartOnEveryButton) {
    Win32Window main(Main(), 96, nullptr);
    for (const char* button : {"cmdBrowseS", "cmdBrowseT", "cmdOK"}) {
        const LRESULT hidden = SendMessageW(ControlOf(main, Main(), button), WM_QUERYUISTATE, 0, 0);
        EXPECT_EQ(hidden & UISF_HIDEFOCUS, 0) << button;
    }
}

}  // namespace
}  // namespace brisel::platform::win32
