#include "about_box/about_box.h"

#include <gtest/gtest.h>

#include "about_box/about_form.h"
#include "about_box/maker_info.h"
#include "brisel_version.h"
#include "tests/gui/fake_platform.h"

namespace brisel::testing {
namespace {

using platform::MessageIcon;
using platform::OpenResult;

const std::string kOpenedVersion = std::string("Version ") + version::kAppVersion;
const std::string kLoadedVersion = std::string("Version ") + version::kNumbers;

class AboutBoxTest : public ::testing::Test {
protected:
    void Open() { about.Open(version::kAppVersion, "First.\r\nSecond.", mainWindow); }
    FakeWindow& Form() { return platform.LastWindow("frmAbout"); }

    FakePlatform platform;
    FakeWindow mainWindow{platform::FormDescription{.name = "frmMain"}, platform.log};
    about_box::AboutBox about{platform};
};

TEST_F(AboutBoxTest, OpeningShowsTheMainWindowsVersionNotTheLoadText) {
    Open();
    EXPECT_EQ(Form().Caption(), "About Brisel");
    EXPECT_EQ(Form().Text("lblTitle"), "Brisel");
    EXPECT_EQ(Form().Text("lblVersion"), kOpenedVersion);
    EXPECT_EQ(Form().Text("txtDisclaimer"), "First.\r\nSecond.");
    EXPECT_EQ(Form().Text("lblDescription").find("\r\n") != std::string::npos, true);
    EXPECT_FALSE(Form().Visible("cmdSysInfo"));
}

TEST_F(AboutBoxTest, LoadStepsRunBeforeTheOpenStepsInOrder) {
    Open();
    EXPECT_EQ(platform.Entries("text lblVersion"),
              (Log{"text lblVersion [" + kLoadedVersion + "]", "text lblVersion [" + kOpenedVersion + "]"}));
    EXPECT_EQ(platform.log.back(), "show window frmAbout beside frmMain");
}

TEST_F(AboutBoxTest, OpeningAgainKeepsOneBoxRefillsItAndBringsItToTheFront) {
    Open();
    Form().SetText("lblVersion", "changed");
    about.Open(version::kAppVersion, "Other.", mainWindow);
    EXPECT_EQ(platform.formsCreated, 1);
    EXPECT_EQ(Form().ShowCount(), 2);
    EXPECT_EQ(Form().Text("lblVersion"), kOpenedVersion);
    EXPECT_EQ(Form().Text("txtDisclaimer"), "Other.");
}

TEST_F(AboutBoxTest, OkUnloadsAndTheNextOpeningLoadsAgain) {
    Open();
    Form().Click("cmdOK");
    EXPECT_FALSE(about.IsLoaded());
    platform.log.clear();
    Open();
    EXPECT_EQ(platform.formsCreated, 2);
    EXPECT_EQ(platform.Entries("text lblVersion").front(), "text lblVersion [" + kLoadedVersion + "]");
}

TEST_F(AboutBoxTest, ClosingByTheTitleBarAlsoUnloads) {
    Open();
    Form().Close();
    EXPECT_FALSE(about.IsLoaded());
}

struct LinkCase {
    const char* name;
    const char* label;
    platform::OpenResult shellResult;
    std::string target;
    Log afterShell;
};

class LinkTest : public AboutBoxTest, public ::testing::WithParamInterface<LinkCase> {};

TEST_P(LinkTest, HandsTheShellTheTargetAndReportsAnyFailure) {
    Open();
    platform.shellResult = GetParam().shellResult;
    platform.log.clear();
    Form().Click(GetParam().label);
    Log expected{"shell [" + GetParam().target + "]"};
    expected.insert(expected.end(), GetParam().afterShell.begin(), GetParam().afterShell.end());
    EXPECT_EQ(platform.log, expected);
    EXPECT_TRUE(about.IsLoaded());
}

const std::string kWebFailed =
    MessageEntry("Execution - Error", "Your Web browser could not be launched properly.", MessageIcon::Error);
const std::string kMailFailed =
    MessageEntry("Execution - Error", "Your E-mail program could not be launched properly.", MessageIcon::Error);
const std::string kMailTarget = std::string("Mailto:") + about_box::maker::kEmail;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Links, LinkTest, ::testing::Values(
    LinkCase{"WebFails", "lblWSurl", OpenResult::Failed, about_box::maker::kWebAddress, {"beep", kWebFailed}},
    LinkCase{"WebWithoutBrowser", "lblWSurl", OpenResult::NoProgram, about_box::maker::kWebAddress,
             {"beep", kWebFailed}},
    LinkCase{"WebOpens", "lblWSurl", OpenResult::Opened, about_box::maker::kWebAddress, {}},
    LinkCase{"MailWithoutProgram", "lblEMadd", OpenResult::NoProgram, kMailTarget, {"beep", kMailFailed}},
    LinkCase{"MailOpens", "lblEMadd", OpenResult::Opened, kMailTarget, {}}),
    [](const auto& row) { return row.param.name; });
// clang-format on

TEST_F(AboutBoxTest, WebLinkPassesTheCaptionExactlyAsDisplayed) {
    Open();
    Form().SetText("lblWSurl", "HTTP://Example.org/Some Page");
    Form().Click("lblWSurl");
    EXPECT_EQ(platform.Entries("shell").back(), "shell [HTTP://Example.org/Some Page]");
}

TEST_F(AboutBoxTest, ShowsTheMakerTheBuildWasConfiguredWith) {
    Open();
    EXPECT_EQ(Form().Text("lblCompany"), about_box::maker::kName);
    EXPECT_EQ(Form().Text("lblAddress"), about_box::maker::kAddressLine);
    EXPECT_EQ(Form().Text("lblEMadd"), about_box::maker::kEmail);
    EXPECT_EQ(Form().Text("lblWSurl"), about_box::maker::kWebAddress);
    EXPECT_EQ(Form().Text("lblDescription"), std::string("Copyright (C) ") + about_box::maker::kCopyrightYear + "\r\n" +
                                                 about_box::maker::kName + ".");
}

struct MakerCase {
    const char* name;
    about_box::Maker maker;
    std::vector<std::string> hidden;
};

void PrintTo(const MakerCase& row, std::ostream* out) { *out << row.name; }

class AboutFormForMaker : public ::testing::TestWithParam<MakerCase> {};

// An unbranded build names no address at all, rather than a made-up one.
TEST_P(AboutFormForMaker, HidesEveryLineOfAnAddressTheMakerGaveNoneOf) {
    const platform::FormDescription form = about_box::AboutFormFor(GetParam().maker);
    std::vector<std::string> hidden;
    for (const platform::ControlDescription& control : form.controls) {
        if (!control.visible && control.name != "cmdSysInfo") hidden.push_back(control.name);
    }
    EXPECT_EQ(hidden, GetParam().hidden);
    EXPECT_EQ(form.Find("lblCompany")->caption, "Maker Ltd");
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Makers, AboutFormForMaker, ::testing::Values(
    MakerCase{"Branded", {"Maker Ltd", "1 Road, Town", "a@maker.test", "https://maker.test/"}, {}},
    MakerCase{"Unbranded", {"Maker Ltd", "", "", ""},
              {"lblAddress", "lblEmail", "lblEMadd", "lblWebSite", "lblWSurl"}},
    MakerCase{"OnlyTheWebAddress", {"Maker Ltd", "", "", "https://maker.test/"},
              {"lblAddress", "lblEmail", "lblEMadd"}}),
    [](const auto& row) { return std::string(row.param.name); });
// clang-format on

}  // namespace
}  // namespace brisel::testing
