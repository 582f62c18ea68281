// The main window and the About box on real widgets: focus, keys, menus
// and a whole conversion.

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>

#include "about_box/about_box.h"
#include "about_box/maker_info.h"
#include "main_window/main_window.h"
#include "platform/qt/qt_platform.h"
#include "platform/qt/qt_window.h"
#include "tests/gui/qt_test_helpers.h"
#include "tests/support/convert_program.h"
#include "tests/support/temp_folder.h"
#include "tests/support/text_files.h"

namespace brisel::testing {
namespace {

namespace fs = std::filesystem;

class QtMainWindowTest : public ::testing::Test {
protected:
    QtMainWindowTest() {
        window.SetAboutOpener([this](const std::string& version, const std::string& text,
                                     const platform::Window& beside) { about.Open(version, text, beside); });
        window.Show();
        top = dynamic_cast<platform::qt::QtWindow&>(window.Form()).TopLevel();
        EXPECT_TRUE(QTest::qWaitForWindowActive(top));
    }
    ~QtMainWindowTest() override { QApplication::closeAllWindows(); }

    QLineEdit* Box(const char* name) { return Child<QLineEdit>(top, name); }
    std::string Focused() const {
        QWidget* focus = QApplication::focusWidget();
        return focus ? focus->objectName().toStdString() : std::string();
    }
    void TypeInto(const char* box, const std::string& text) {
        Box(box)->setFocus(Qt::MouseFocusReason);
        Box(box)->clear();
        QTest::keyClicks(Box(box), QString::fromStdString(text));
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }

    platform::qt::QtPlatform platform;
    main_window::MainWindow window{platform};
    about_box::AboutBox about{platform};
    QWidget* top = nullptr;
};

TEST_F(QtMainWindowTest, StartsWithTheFocusInTheSourceBoxAndTabsInTheGivenOrder) {
    EXPECT_EQ(Focused(), "txtSource");
    for (const char* next : {"cmdBrowseS", "txtTarget", "cmdBrowseT", "cmdOK", "txtSource"}) {
        Key(Qt::Key_Tab);
        EXPECT_EQ(Focused(), next);
    }
    Key(Qt::Key_Backtab);
    EXPECT_EQ(Focused(), "cmdOK");
}

TEST_F(QtMainWindowTest, TabOutOfABoxSplitsItsPath) {
    TypeInto("txtTarget", "/out/board.net");
    Key(Qt::Key_Tab);
    EXPECT_EQ(window.State().TargetPath, "/out/");
    EXPECT_EQ(window.State().TargetFile, "board.net");
}

TEST_F(QtMainWindowTest, ClickOnTheOtherBoxSplitsThePathLeft) {
    TypeInto("txtSource", "/in/cpu.asc");
    QTest::mouseClick(Box("txtTarget"), Qt::LeftButton);
    EXPECT_EQ(Focused(), "txtTarget");
    EXPECT_EQ(window.State().SourceFile, "cpu.asc");
}

TEST_F(QtMainWindowTest, ClickOnBrowseSplitsBeforeTheDialogOpens) {
    ModalAnswerer answerer;
    TypeInto("txtSource", "/in/edited.net");
    QTest::mouseClick(Child(top, "cmdBrowseS"), Qt::LeftButton);
    EXPECT_EQ(answerer.seen, (std::vector<std::string>{"File Open"}));
    EXPECT_EQ(window.State().SourceFile, "edited.net");
    EXPECT_EQ(window.State().SourcePath, "/in/");
}

TEST_F(QtMainWindowTest, OpeningAMenuDoesNotSplit) {
    TypeInto("txtSource", "/in/cpu.asc");
    auto* menuBar = static_cast<QMainWindow*>(top)->menuBar();
    auto* fileMenu = top->findChild<QMenu*>("mnuFile");
    QTest::mouseClick(menuBar, Qt::LeftButton, {}, menuBar->actionGeometry(fileMenu->menuAction()).center());
    EXPECT_TRUE(QTest::qWaitFor([&] { return fileMenu->isVisible(); }));
    fileMenu->hide();
    QTest::qWait(50);
    EXPECT_EQ(window.State().SourceFile, "PadsPCB.net");
}

TEST_F(QtMainWindowTest, WindowLosingActivationDoesNotSplit) {
    TypeInto("txtSource", "/in/cpu.asc");
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    EXPECT_EQ(window.State().SourceFile, "PadsPCB.net");
}

TEST_F(QtMainWindowTest, MenuShortcutsReachTheirCommandsEvenFromAPathBox) {
    ModalAnswerer answerer;
    Box("txtSource")->setFocus();
    QTest::keyClick(Box("txtSource"), Qt::Key_O, Qt::ControlModifier);
    top->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(top));
    // A text box would take Ctrl+A as select-all.
    QTest::keyClick(Box("txtSource"), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(answerer.seen, (std::vector<std::string>{"File Open", "File Save As"}));
}

TEST_F(QtMainWindowTest, F1OpensTheHelpFileFromTheProgramsFolder) {
    const fs::path help = QCoreApplication::applicationDirPath().toStdString() + "/Brisel.txt";
    std::ofstream(help) << "help\n";
    FakeXdgOpen desktop;
    ModalAnswerer answerer;
    Key(Qt::Key_F1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !desktop.Opened().isEmpty(); }));
    EXPECT_EQ(desktop.Opened(),
              QStringList{QUrl::fromLocalFile(QString::fromStdString(help.string())).toString(QUrl::FullyEncoded)});
    QTest::qWait(200);
    EXPECT_TRUE(answerer.seen.empty());
    fs::remove(help);
}

TEST_F(QtMainWindowTest, F1WithoutTheHelpFileNamesTheMissingFile) {
    const std::string help = QCoreApplication::applicationDirPath().toStdString() + "/Brisel.txt";
    fs::remove(help);
    ModalAnswerer answerer;
    Key(Qt::Key_F1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !answerer.seen.empty(); }));
    EXPECT_EQ(answerer.seen[0], "Help - Error: The help file '" + help + "' was not found.");
}

struct ViewerCase {
    const char* name;
    int xdgOpenStatus;
    const char* before;  // the help file's path comes between them
    const char* after;
};

class QtHelpViewerTest : public QtMainWindowTest, public ::testing::WithParamInterface<ViewerCase> {};

// xdg-open finds no program (3) or the program fails (4) a while after it
// started; the window keeps working meanwhile and then says so.
TEST_P(QtHelpViewerTest, AFailingXdgOpenIsReportedOnceItEnds) {
    const std::string help = QCoreApplication::applicationDirPath().toStdString() + "/Brisel.txt";
    std::ofstream(help) << "help\n";
    FakeXdgOpen desktop;
    desktop.EndWith(GetParam().xdgOpenStatus, "0.5");
    ModalAnswerer answerer;
    Key(Qt::Key_F1);
    TypeInto("txtTarget", "typed meanwhile.net");
    EXPECT_EQ(Box("txtTarget")->text(), "typed meanwhile.net");
    EXPECT_TRUE(answerer.seen.empty());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !answerer.seen.empty(); }));
    EXPECT_EQ(answerer.seen,
              std::vector<std::string>{"Help - Error: " + (GetParam().before + help) + GetParam().after});
    fs::remove(help);
}

INSTANTIATE_TEST_SUITE_P(Statuses, QtHelpViewerTest,
                         ::testing::Values(ViewerCase{"NoProgram", 3, "No program to show the help file '",
                                                      "' was found."},
                                           ViewerCase{"ProgramFailed", 4, "The help file '", "' could not be opened."}),
                         [](const auto& row) { return row.param.name; });

// Each way of pressing OK reaches its handler, also from a box that keeps
// the focus; which paths it then converts is the fake platform's to show.
enum class OkWay { EnterInTheBox, AltKInTheBox, Click, SpaceOnOk };

class QtOkWaysTest : public ::testing::TestWithParam<OkWay> {
protected:
    QtOkWaysTest() {
        window.Show();
        top = dynamic_cast<platform::qt::QtWindow&>(window.Form()).TopLevel();
        EXPECT_TRUE(QTest::qWaitForWindowActive(top));
    }
    ~QtOkWaysTest() override { QApplication::closeAllWindows(); }

    void Press(OkWay way) {
        switch (way) {
            case OkWay::EnterInTheBox:
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
                break;
            case OkWay::AltKInTheBox:
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_K, Qt::AltModifier);
                break;
            case OkWay::Click:
                QTest::mouseClick(Child(top, "cmdOK"), Qt::LeftButton);
                break;
            case OkWay::SpaceOnOk:
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                EXPECT_EQ(QApplication::focusWidget()->objectName(), "cmdOK");
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
                break;
        }
    }

    platform::qt::QtPlatform platform;
    bool converted = false;
    main_window::MainWindow window{platform, [this](const JobSettings&, FileSystem&, ConversionReporter&) {
                                       converted = true;
                                       return Outcome{};
                                   }};
    QWidget* top = nullptr;
};

TEST_P(QtOkWaysTest, StartsTheConversion) {
    ModalAnswerer answerer;
    Child(top, "txtTarget")->setFocus(Qt::MouseFocusReason);
    Press(GetParam());
    // The button animates a click by Alt+K before it runs.
    EXPECT_TRUE(QTest::qWaitFor([&] { return converted; }));
}

std::string OkWayName(const ::testing::TestParamInfo<OkWay>& row) {
    switch (row.param) {
        case OkWay::EnterInTheBox:
            return "EnterInTheBox";
        case OkWay::AltKInTheBox:
            return "AltKInTheBox";
        case OkWay::Click:
            return "Click";
        case OkWay::SpaceOnOk:
            break;
    }
    return "SpaceOnOk";
}

INSTANTIATE_TEST_SUITE_P(Ways, QtOkWaysTest,
                         ::testing::Values(OkWay::EnterInTheBox, OkWay::AltKInTheBox, OkWay::Click, OkWay::SpaceOnOk),
                         OkWayName);

TEST_F(QtMainWindowTest, ConvertsTheExampleThroughOkLikeTheCommandLine) {
    const fs::path folder = fs::temp_directory_path() / "brisel_qt_conversion";
    fs::remove_all(folder);
    fs::create_directories(folder);
    const fs::path target = folder / "window.net";
    ModalAnswerer answerer;
    TypeInto("txtSource", BRISEL_EXAMPLE_NETLIST);
    TypeInto("txtTarget", target.string());
    QTest::mouseClick(Child(top, "cmdOK"), Qt::LeftButton);
    ASSERT_FALSE(answerer.seen.empty());
    EXPECT_EQ(answerer.seen.back().rfind("File Conversion - Complete", 0), 0u);
    // Back in the source box with its path selected: typing replaces it.
    EXPECT_EQ(top->focusWidget(), Box("txtSource"));
    EXPECT_EQ(Box("txtSource")->selectedText(), Box("txtSource")->text());
    ASSERT_EQ(test::RunConvert({{BRISEL_EXAMPLE_NETLIST, "cli.net"}, folder}).status, 0);
    EXPECT_EQ(test::ReadFile(target), test::ReadFile(folder / "cli.net"));
    EXPECT_FALSE(test::ReadFile(target).empty());
    fs::remove_all(folder);
}

// The end of a long path shows: its file name; the tooltip holds all of it.
TEST_F(QtMainWindowTest, ALongPathShowsItsFileNameAndTheWholePathAsTooltip) {
    const QString path = "/home/pat/" + QString(20, 'd') + "/" + QString(20, 'e') + "/boards/main-board.net";
    TypeInto("txtSource", path.toStdString());
    Key(Qt::Key_Tab);
    EXPECT_EQ(Box("txtSource")->cursorPosition(), path.size());
    EXPECT_EQ(Box("txtSource")->toolTip(), path);
}

// A file dragged from a file manager and dropped at the centre of a control.
void DropFile(QWidget* top, QWidget* on, const std::string& path) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(path))});
    const QPointF at = on->mapTo(top, on->rect().center());
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(top, &enter);
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(top, &drop);
}

TEST_F(QtMainWindowTest, DroppedFilesGoToTheTargetBoxOrElseToTheSource) {
    DropFile(top, Box("txtTarget"), "/drop/out.net");
    DropFile(top, Child(top, "cmdOK"), "/drop/in.net");
    EXPECT_EQ(Box("txtTarget")->text(), "/drop/out.net");
    EXPECT_EQ(Box("txtSource")->text(), "/drop/in.net");
}

// Once the run is over the window shows neither.
TEST(QtBusyWindow, ShowsTheHourglassOverTheWindowOnlyAndPaintedProgressWhileConverting) {
    platform::qt::QtPlatform platform;
    bool okEnabled = true;
    bool progressVisible = false;
    QString progressText;
    std::vector<Qt::CursorShape> pointers;
    const QCursor* overridden = nullptr;
    QWidget* top = nullptr;
    main_window::MainWindow window(platform, [&](const JobSettings&, FileSystem&, ConversionReporter& reporter) {
        reporter.Progress({ProgressStep::Stage::Percent, 50});
        okEnabled = Child(top, "cmdOK")->isEnabled();
        progressVisible = Child(top, "lblProg")->isVisible();
        progressText = Child<QLabel>(top, "lblProg")->text();
        pointers = {top->cursor().shape(), Child(top, "txtSource")->cursor().shape()};
        overridden = QApplication::overrideCursor();
        return Outcome{};
    });
    top = dynamic_cast<platform::qt::QtWindow&>(window.Form()).TopLevel();
    window.Show();
    window.cmdOK_Click();
    EXPECT_FALSE(okEnabled);
    EXPECT_TRUE(progressVisible);
    EXPECT_EQ(progressText, "50% Complete");
    EXPECT_EQ(pointers, (std::vector<Qt::CursorShape>{Qt::WaitCursor, Qt::WaitCursor}));
    EXPECT_EQ(overridden, nullptr);  // message boxes keep their own pointer
    EXPECT_EQ(top->cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(Child(top, "txtSource")->cursor().shape(), Qt::IBeamCursor);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(Child(top, "cmdOK")->isEnabled());
    EXPECT_FALSE(Child(top, "lblProg")->isVisible());
    EXPECT_TRUE(Child<QLabel>(top, "lblProg")->text().isEmpty());
}

// The title bar's close button sends the same close event as close().
TEST_F(QtMainWindowTest, ClosingTheMainWindowLeavesTheAboutBoxOpenAndTheProgramEndsWithIt) {
    top->findChild<QAction*>("mnuHelpAbout")->trigger();
    QWidget* box = dynamic_cast<platform::qt::QtWindow*>(about.Form())->TopLevel();
    bool aboutStayed = false;
    QTimer::singleShot(0, [&] {
        top->close();
        aboutStayed = about.IsLoaded() && box->isVisible();
        QTimer::singleShot(0, [&] { box->close(); });
    });
    QTimer::singleShot(5000, [] { QCoreApplication::exit(1); });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_TRUE(aboutStayed);
    EXPECT_FALSE(about.IsLoaded());
}

// Closed while a conversion waits on its warning: the box goes, nothing more
// is said, and the window closes. What the stopped run leaves of the files is
// the fake platform's to show.
TEST_F(QtMainWindowTest, ClosedWhileAWarningShowsTheWindowClosesOnceTheRunHasStopped) {
    test::TempFolder folder;
    folder.Write("in.net", "not a netlist\r\n*PART*\r\nU1 DIP8\r\n*NET*\r\n*SIGNAL* A\r\nU1.1\r\n*END*\r\n");
    std::vector<QString> boxes;
    QTimer closer;
    closer.setInterval(20);
    QObject::connect(&closer, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || (!boxes.empty() && boxes.back() == box->windowTitle())) return;
        boxes.push_back(box->windowTitle());
        top->close();
    });
    closer.start();
    TypeInto("txtSource", (folder.Path() / "in.net").string());
    TypeInto("txtTarget", (folder.Path() / "out.net").string());
    QTest::mouseClick(Child(top, "cmdOK"), Qt::LeftButton);
    EXPECT_EQ(boxes, std::vector<QString>{"Source File - Warning"});
    EXPECT_FALSE(window.Form().IsLoaded());
}

TEST_F(QtMainWindowTest, TheAboutBoxOpensBesideTheMainWindowAsAnOrdinaryWindow) {
    top->findChild<QAction*>("mnuHelpAbout")->trigger();
    QWidget* box = dynamic_cast<platform::qt::QtWindow*>(about.Form())->TopLevel();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(box));
    EXPECT_EQ(box->windowType(), Qt::Window);
    EXPECT_FALSE(box->frameGeometry().intersects(top->frameGeometry()));
    EXPECT_TRUE(top->screen()->availableGeometry().contains(box->frameGeometry()));
}

TEST_F(QtMainWindowTest, HelpAboutOpensAModelessBoxThatEnterAndEscClose) {
    auto* aboutAction = top->findChild<QAction*>("mnuHelpAbout");
    aboutAction->trigger();
    QWidget* box = dynamic_cast<platform::qt::QtWindow*>(about.Form())->TopLevel();
    EXPECT_TRUE(box->isVisible());
    EXPECT_FALSE(box->isModal());
    EXPECT_TRUE(top->isEnabled());
    ASSERT_TRUE(QTest::qWaitForWindowActive(box));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(about.IsLoaded());
    aboutAction->trigger();
    ASSERT_TRUE(about.IsLoaded());
    QWidget* again = dynamic_cast<platform::qt::QtWindow*>(about.Form())->TopLevel();
    ASSERT_TRUE(QTest::qWaitForWindowActive(again));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_FALSE(about.IsLoaded());
}

TEST_F(QtMainWindowTest, AboutLinksReachTheShell) {
    FakeXdgOpen desktop;
    top->findChild<QAction*>("mnuHelpAbout")->trigger();
    QWidget* box = dynamic_cast<platform::qt::QtWindow*>(about.Form())->TopLevel();
    QTest::mouseClick(Child(box, "lblWSurl"), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return desktop.Opened().size() == 1; }));
    QTest::mouseClick(Child(box, "lblEMadd"), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return desktop.Opened().size() == 2; }));
    EXPECT_EQ(desktop.Opened(),
              QStringList({about_box::maker::kWebAddress, QString("mailto:") + about_box::maker::kEmail}));
}

}  // namespace
}  // namespace brisel::testing
