// What assistive technology says for each control that takes the focus, and
// for the links: the words a sighted user reads beside it or on pointing.

#include "platform/accessibility.h"

#include <gtest/gtest.h>

#include "about_box/about_form.h"
#include "about_box/maker_info.h"
#include "main_window/main_form.h"
#include "problems_window/problems_form.h"

namespace brisel::testing {
namespace {

using platform::AccessibleText;
using platform::FormDescription;

struct AccessibleCase {
    const FormDescription* form;
    const char* control;
    AccessibleText expected;
};

void PrintTo(const AccessibleCase& row, std::ostream* out) { *out << row.form->name << "." << row.control; }

class AccessibleTextTest : public ::testing::TestWithParam<AccessibleCase> {};

TEST_P(AccessibleTextTest, ComesFromTheLabelAndTheTooltip) {
    const platform::ControlDescription* control = GetParam().form->Find(GetParam().control);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(platform::AccessibleTextOf(*GetParam().form, *control), GetParam().expected);
}

const FormDescription* const kMain = &main_window::MainForm();
const FormDescription* const kAbout = &about_box::AboutForm();
const FormDescription* const kProblems = &problems_window::ProblemsForm();

// clang-format off
INSTANTIATE_TEST_SUITE_P(Controls, AccessibleTextTest, ::testing::Values(
    AccessibleCase{kMain, "txtSource", {"Source", "Enter source path"}},          // the label before it, without its colon
    AccessibleCase{kMain, "cmdBrowseS", {"Browse...", "Select source file"}},
    AccessibleCase{kMain, "txtTarget", {"Target", "Enter target path"}},
    AccessibleCase{kMain, "cmdBrowseT", {"Browse...", "Select target file"}},
    AccessibleCase{kMain, "cmdOK", {"OK", "Starts file conversion process"}},      // without the access key's "&"
    AccessibleCase{kMain, "lblSource", {"Source:", "Reads from this file"}},       // a label says what it shows
    AccessibleCase{kAbout, "cmdOK", {"OK", ""}},
    AccessibleCase{kAbout, "cmdSysInfo", {"System Info...", ""}},
    AccessibleCase{kAbout, "txtDisclaimer", {"Disclaimer", ""}},                   // no label shows one: a name of its own
    AccessibleCase{kAbout, "lblEMadd", {about_box::maker::kEmail, "E-mail address"}},
    AccessibleCase{kAbout, "lblWSurl", {about_box::maker::kWebAddress, "Web site URL"}},
    AccessibleCase{kProblems, "txtProblems", {"Problems", ""}},
    AccessibleCase{kProblems, "cmdCopy", {"Copy", "Copies every line to the clipboard"}},
    AccessibleCase{kProblems, "cmdClose", {"Close", ""}}));
// clang-format on

// A label pointing at a control the form does not hold names nothing.
TEST(AccessibleText, AnUnknownLabelGivesNoName) {
    FormDescription form;
    const platform::ControlDescription box{.kind = platform::ControlKind::TextBox, .labelledBy = "lblMissing"};
    EXPECT_EQ(platform::AccessibleTextOf(form, box), (AccessibleText{"", ""}));
}

TEST(AccessibleText, ADoubledAmpersandIsOneAmpersand) {
    FormDescription form;
    const platform::ControlDescription button{.kind = platform::ControlKind::Button, .caption = "Save && &Close"};
    EXPECT_EQ(platform::AccessibleTextOf(form, button).name, "Save & Close");
}

// Every control that takes the focus has a name.
TEST(AccessibleText, EveryFocusableControlIsNamed) {
    for (const FormDescription* form : {kMain, kAbout, kProblems}) {
        for (const platform::ControlDescription& control : form->controls) {
            const bool focusable = control.tabIndex >= 0 &&
                                   (control.kind != platform::ControlKind::Label || control.link) &&
                                   control.kind != platform::ControlKind::Line;
            if (!focusable) continue;
            EXPECT_FALSE(platform::AccessibleTextOf(*form, control).name.empty()) << form->name << "." << control.name;
        }
    }
}

}  // namespace
}  // namespace brisel::testing
