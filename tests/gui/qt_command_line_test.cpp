// brisel's command line: Qt's own options set aside, and the program's
// answered before Qt starts, so that they need no display.

#include "platform/qt/qt_command_line.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>

namespace brisel::testing {
namespace {

using Arguments = std::vector<std::string>;

struct QtOptionsCase {
    const char* name;
    Arguments arguments;
    Arguments left;
};

class QtOptionsTest : public ::testing::TestWithParam<QtOptionsCase> {};

TEST_P(QtOptionsTest, AreSetAsideWithTheirValues) {
    EXPECT_EQ(platform::qt::WithoutQtOptions(GetParam().arguments), GetParam().left);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Arguments, QtOptionsTest, ::testing::Values(
    QtOptionsCase{"ValueAfter", {"-platform", "offscreen", "a.net"}, {"a.net"}},
    QtOptionsCase{"ValueAfterEquals", {"--style=fusion", "a.net"}, {"a.net"}},
    QtOptionsCase{"DoubleDashSpelling", {"--display", ":1", "a.net", "b.net"}, {"a.net", "b.net"}},
    QtOptionsCase{"WithoutValue", {"-reverse", "a.net"}, {"a.net"}},
    QtOptionsCase{"OnlyAfterEquals", {"-qmljsdebugger=port:1234", "a.net"}, {"a.net"}},
    QtOptionsCase{"OursStay", {"--bogus", "-h", "-x.net"}, {"--bogus", "-h", "-x.net"}},
    QtOptionsCase{"AValueOptionWithoutItsValue", {"-reverse=1"}, {"-reverse=1"}},
    QtOptionsCase{"PathsAfterDoubleDash", {"--", "-platform", "x"}, {"--", "-platform", "x"}}),
    [](const auto& row) { return row.param.name; });
// clang-format on

struct RunCase {
    const char* name;
    QStringList arguments;
    int status;
    QString err;
    QString outStart;
};

class WindowProgramTest : public ::testing::TestWithParam<RunCase> {};

// Run where no display can be reached: these answers must not need one.
TEST_P(WindowProgramTest, AnswersWithoutADisplay) {
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) environment.remove(variable);
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(BRISEL_WINDOW_PROGRAM), GetParam().arguments);
    ASSERT_TRUE(program.waitForFinished(10000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), GetParam().status);
    EXPECT_EQ(QString::fromLocal8Bit(program.readAllStandardError()), GetParam().err);
    const QString out = QString::fromLocal8Bit(program.readAllStandardOutput());
    EXPECT_EQ(out.left(GetParam().outStart.size()), GetParam().outStart);
}

const QString kTryHelp = QStringLiteral("Try 'brisel --help' for more information.\n");

// clang-format off
INSTANTIATE_TEST_SUITE_P(CommandLines, WindowProgramTest, ::testing::Values(
    RunCase{"UnknownOption", {"--bogus"}, 2, "brisel: unknown option '--bogus'\n" + kTryHelp, ""},
    RunCase{"UnknownOptionBesideQtsOwn", {"-platform", "offscreen", "--bogus"}, 2,
            "brisel: unknown option '--bogus'\n" + kTryHelp, ""},
    RunCase{"Help", {"--help"}, 0, "", "Usage: brisel [SOURCE [TARGET]]"},
    RunCase{"Version", {"--version"}, 0, "", "brisel "}),
    [](const auto& row) { return row.param.name; });
// clang-format on

}  // namespace
}  // namespace brisel::testing
