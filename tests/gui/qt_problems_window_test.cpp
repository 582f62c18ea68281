// The Problems window on real widgets, after converting a netlist with one
// problem of every kind.

#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <filesystem>

#include "main_window/main_window.h"
#include "platform/qt/qt_platform.h"
#include "platform/qt/qt_window.h"
#include "tests/gui/qt_test_helpers.h"
#include "tests/support/convert_program.h"

namespace brisel::testing {
namespace {

namespace fs = std::filesystem;

constexpr const char* kSourceName = "every_problem.net";

// The `--details` lines brisel-convert prints for the source in `folder`,
// named as the window names it.
QStringList DetailsLines(const fs::path& folder) {
    const test::ProgramRun run = test::RunConvert({{"--details", kSourceName, "cli.net"}, folder});
    EXPECT_EQ(run.status, 0);
    QStringList lines;
    for (const std::string& line : run.err) {
        if (line.rfind(kSourceName, 0) == 0) lines.append(QString::fromStdString(line));
    }
    return lines;
}

class QtProblemsWindowTest : public ::testing::Test {
protected:
    // A folder for each test, since ctest runs them side by side.
    QtProblemsWindowTest()
        : folder(fs::temp_directory_path() / (std::string("brisel_qt_problems_") +
                                              ::testing::UnitTest::GetInstance()->current_test_info()->name())) {
        fs::remove_all(folder);
        fs::create_directories(folder);
        fs::copy_file(fs::path(BRISEL_TEST_DATA_DIR) / kSourceName, folder / kSourceName);
        window.Show();
        top = dynamic_cast<platform::qt::QtWindow&>(window.Form()).TopLevel();
        menuItem = top->findChild<QAction*>("mnuFileProblems");
    }
    ~QtProblemsWindowTest() override {
        QApplication::closeAllWindows();
        fs::remove_all(folder);
    }

    void Convert() {
        ModalAnswerer answerer;
        Child<QLineEdit>(top, "txtSource")->setText(QString::fromStdString((folder / kSourceName).string()));
        Child<QLineEdit>(top, "txtTarget")->setText(QString::fromStdString((folder / "window.net").string()));
        window.txtSource_LostFocus();
        window.txtTarget_LostFocus();
        QTest::mouseClick(Child(top, "cmdOK"), Qt::LeftButton);
        ASSERT_FALSE(answerer.seen.empty());
    }
    QWidget* OpenProblems() {
        menuItem->trigger();
        QWidget* problems = dynamic_cast<platform::qt::QtWindow*>(window.ProblemsWindow().Form())->TopLevel();
        EXPECT_TRUE(QTest::qWaitForWindowActive(problems));
        return problems;
    }
    static QPlainTextEdit* List(QWidget* problems) { return Child<QPlainTextEdit>(problems, "txtProblems"); }

    fs::path folder;
    platform::qt::QtPlatform platform;
    main_window::MainWindow window{platform};
    QWidget* top = nullptr;
    QAction* menuItem = nullptr;
};

TEST_F(QtProblemsWindowTest, TheMenuItemOpensAListOfTheSameLinesAsDetails) {
    EXPECT_FALSE(menuItem->isEnabled());
    Convert();
    EXPECT_TRUE(menuItem->isEnabled());
    QWidget* problems = OpenProblems();
    EXPECT_EQ(problems->windowTitle(), "Problems");
    EXPECT_FALSE(problems->isModal());
    const QStringList details = DetailsLines(folder);
    EXPECT_GE(details.size(), 8);
    EXPECT_EQ(List(problems)->toPlainText().split('\n'), details);
    EXPECT_EQ(List(problems)->lineWrapMode(), QPlainTextEdit::NoWrap);
}

TEST_F(QtProblemsWindowTest, CopyPutsEveryLineOnTheClipboard) {
    Convert();
    QWidget* problems = OpenProblems();
    QTest::mouseClick(Child(problems, "cmdCopy"), Qt::LeftButton);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), List(problems)->toPlainText() + "\n");
}

// The list grows with the window and the buttons keep to its bottom right
// corner; the window never gets smaller than its form.
TEST_F(QtProblemsWindowTest, ResizingGrowsTheListAndMovesTheButtons) {
    Convert();
    QWidget* problems = OpenProblems();
    const QSize designed = problems->size();
    EXPECT_EQ(problems->minimumSize(), designed);
    const QRect list = List(problems)->geometry();
    const QRect copy = Child(problems, "cmdCopy")->geometry();
    problems->resize(designed + QSize(100, 60));
    ASSERT_TRUE(QTest::qWaitFor([&] { return List(problems)->width() == list.width() + 100; }));
    EXPECT_EQ(List(problems)->geometry(), list.adjusted(0, 0, 100, 60));
    EXPECT_EQ(Child(problems, "cmdCopy")->geometry(), copy.translated(100, 60));
}

TEST_F(QtProblemsWindowTest, EscClosesTheWindow) {
    Convert();
    OpenProblems();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(window.ProblemsWindow().IsLoaded());
}

}  // namespace
}  // namespace brisel::testing
