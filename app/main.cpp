// The brisel program: the main window on Qt.

#include <QApplication>

#include "main_window/main_window.h"
#include "platform/qt/qt_platform.h"
#ifdef BRISEL_HAS_ABOUT_BOX
#include "about_box/about_box.h"
#endif

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    brisel::platform::qt::QtPlatform platform;
    brisel::main_window::MainWindow window(platform);
#ifdef BRISEL_HAS_ABOUT_BOX
    brisel::about_box::AboutBox about(platform);
    window.SetAboutOpener(
        [&about](const std::string& version, const std::string& disclaimer) { about.Open(version, disclaimer); });
#endif
    window.Show();
    return QApplication::exec();
}
