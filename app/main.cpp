// The brisel program: the main window on Qt.

#include <QApplication>

#include "about_box/about_box.h"
#include "main_window/main_window.h"
#include "platform/qt/qt_platform.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    brisel::platform::qt::QtPlatform platform;
    brisel::main_window::MainWindow window(platform);
    brisel::about_box::AboutBox about(platform);
    window.SetAboutOpener(
        [&about](const std::string& version, const std::string& disclaimer) { about.Open(version, disclaimer); });
    window.Show();
    return QApplication::exec();
}
