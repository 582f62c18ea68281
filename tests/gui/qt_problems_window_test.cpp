// The Problems window on real widgets, after converting a netlist with one
// problem of every kind. Which lines the list holds is the fake platform's
// to show.

#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <filesystem>

#include "main_window/main_form.h"
#include "main_window/main_window.h"
#include "platform/qt/qt_platform.h"
#include "platform/qt/qt_window.h"
#include "problems_window/problems_form.h"
#include "tests/gui/qt_test_helpers.h"

namespace brisel::testing {
namespace {

namespace fs = std::filesystem;

constexpr const char* kSourceName = "every_problem.net";

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

// Each of the window's lines shows as a line of its own, never wrapped.
TEST_F(QtProblemsWindowTest, TheMenuItemOpensAListOfTheWindowsLines) {
    EXPECT_FALSE(menuItem->isEnabled());
    Convert();
    EXPECT_TRUE(menuItem->isEnabled());
    QWidget* problems = OpenProblems();
    EXPECT_FALSE(problems->isModal());
    QStringList lines;
    for (const std::string& line : window.State().Problems) lines.append(QString::fromStdString(line));
    EXPECT_GE(lines.size(), 8);
    EXPECT_EQ(List(problems)->toPlainText().split('\n'), lines);
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

// The title bar's close button sends the same close event as close().
TEST_F(QtProblemsWindowTest, ClosingTheMainWindowClosesItAndTheProgramEnds) {
    Convert();
    OpenProblems();
    QTimer::singleShot(0, [&] { top->close(); });
    QTimer::singleShot(5000, [] { QCoreApplication::exit(1); });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_FALSE(window.ProblemsWindow().IsLoaded());
}

TEST_F(QtProblemsWindowTest, EscClosesTheWindow) {
    Convert();
    OpenProblems();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(window.ProblemsWindow().IsLoaded());
}

// At 200 % scale the form is wider than a 1024-pixel screen: it opens
// smaller, its buttons in view, beside the main window where that has room.
TEST(QtProblemsWindowScaled, FitsBesideTheMainWindowOnASmallScreen) {
    QScreen* small = nullptr;
    for (QScreen* screen : QGuiApplication::screens()) {
        if (screen->geometry().width() == 1024) small = screen;
    }
    ASSERT_NE(small, nullptr);
    platform::qt::QtPlatform platform;
    platform::qt::QtWindow main(main_window::MainForm(), 192);
    platform::qt::QtWindow problems(problems_window::ProblemsForm(), 192);
    main.TopLevel()->setScreen(small);
    main.Show();
    const QRect screen = small->availableGeometry();
    main.TopLevel()->move(screen.topLeft());  // leaves room below it
    ASSERT_GT(problems.TopLevel()->minimumWidth(), screen.width());
    problems.ShowBeside(main);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(problems.TopLevel()));
    EXPECT_LE(problems.TopLevel()->minimumWidth(), screen.width());
    EXPECT_TRUE(screen.contains(problems.TopLevel()->frameGeometry()));
    EXPECT_FALSE(problems.TopLevel()->frameGeometry().intersects(main.TopLevel()->frameGeometry()));
    QWidget* client = Child(problems.TopLevel(), "clientArea");
    EXPECT_TRUE(client->rect().contains(Child(problems.TopLevel(), "cmdClose")->geometry()));
    QApplication::closeAllWindows();
}

}  // namespace
}  // namespace brisel::testing
