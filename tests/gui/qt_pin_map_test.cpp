// The pin map in the real window on Qt's offscreen platform: File > Pin
// Map... opens its dialog, and a map beside the source numbers the pins of
// a real conversion, which the Problems window tells.

#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <filesystem>

#include "main_window/main_window.h"
#include "platform/qt/qt_platform.h"
#include "platform/qt/qt_window.h"
#include "tests/gui/qt_test_helpers.h"
#include "tests/support/temp_folder.h"

namespace brisel::testing {
namespace {

namespace fs = std::filesystem;

class QtPinMapTest : public ::testing::Test {
protected:
    QtPinMapTest() {
        for (const char* name : {"pin_map_board.net", "pin_map_board.map"}) {
            fs::copy_file(fs::path(BRISEL_TEST_DATA_DIR) / name, folder.Path() / name);
        }
        window.Show();
        top = dynamic_cast<platform::qt::QtWindow&>(window.Form()).TopLevel();
    }
    ~QtPinMapTest() override { QApplication::closeAllWindows(); }

    std::vector<std::string> Convert() {
        ModalAnswerer answerer;
        Child<QLineEdit>(top, "txtSource")->setText(QString::fromStdString(folder.Folder() + "pin_map_board.net"));
        Child<QLineEdit>(top, "txtTarget")->setText(QString::fromStdString(folder.Folder() + "out.net"));
        window.txtSource_LostFocus();
        window.txtTarget_LostFocus();
        QTest::mouseClick(Child(top, "cmdOK"), Qt::LeftButton);
        return answerer.seen;
    }
    QStringList ProblemLines() {
        top->findChild<QAction*>("mnuFileProblems")->trigger();
        QWidget* problems = dynamic_cast<platform::qt::QtWindow*>(window.ProblemsWindow().Form())->TopLevel();
        return Child<QPlainTextEdit>(problems, "txtProblems")->toPlainText().split('\n');
    }

    test::TempFolder folder;
    platform::qt::QtPlatform platform;
    main_window::MainWindow window{platform};
    QWidget* top = nullptr;
};

TEST_F(QtPinMapTest, TheMenuItemOpensThePinMapDialog) {
    ModalAnswerer answerer;
    auto* item = top->findChild<QAction*>("mnuFilePinMap");
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text(), "Pin &Map...");
    item->trigger();
    EXPECT_EQ(answerer.seen, std::vector<std::string>{"Pin Map"});
    EXPECT_EQ(top->findChild<QAction*>("mnuFileNoPinMap")->text(), "&No Pin Map");
}

// Renamed beside the source, the board's map is found and used: no warning.
TEST_F(QtPinMapTest, TheMapBesideTheSourceNumbersThePins) {
    fs::rename(folder.Path() / "pin_map_board.map", folder.Path() / "pin_map_board.map.txt");
    EXPECT_EQ(Convert().size(), 2u);  // the pin warning and the completion
    fs::rename(folder.Path() / "pin_map_board.map.txt", folder.Path() / "pin_map_board.map");
    const std::vector<std::string> seen = Convert();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].rfind("File Conversion - Complete", 0), 0u);
    const QStringList lines = ProblemLines();
    ASSERT_EQ(lines.size(), 17);
    EXPECT_EQ(lines[0],
              "pin_map_board.net: note: pins numbered by the pin map 'pin_map_board.map' found beside the "
              "source");
    EXPECT_EQ(lines[1], "pin_map_board.net:15: note: pin \"PAD\" of part \"U8\" written as 17 (pin_map_board.map:7)");
}

}  // namespace
}  // namespace brisel::testing
