// The brisel program: the main window on Qt.

#include <QApplication>
#include <cstdio>

#include "about_box/about_box.h"
#include "main_window/command_line.h"
#include "main_window/main_window.h"
#include "platform/qt/qt_platform.h"

namespace {

using brisel::main_window::StartRequest;

// --help and --version need no display, so they are answered before Qt
// starts; Qt's own options are taken out of argv before the paths are read,
// so an option unknown before then may still be one of Qt's.
bool Answered(const StartRequest& request, int& status) {
    switch (request.kind) {
        case StartRequest::ShowHelp:
            std::fputs(brisel::main_window::kWindowUsage, stdout);
            return true;
        case StartRequest::ShowVersion:
            std::printf("%s\n", brisel::main_window::kWindowVersion);
            return true;
        case StartRequest::WrongUsage:
            std::fputs(brisel::main_window::UsageErrorText(request).c_str(), stderr);
            status = 2;
            return true;
        case StartRequest::Run:
            break;
    }
    return false;
}

StartRequest Parse(int argc, char* argv[]) { return brisel::main_window::ParseCommandLine({argv + 1, argv + argc}); }

}  // namespace

int main(int argc, char* argv[]) {
    int status = 0;
    const StartRequest early = Parse(argc, argv);
    if (early.kind != StartRequest::WrongUsage && Answered(early, status)) return status;
    QApplication application(argc, argv);
    const StartRequest request = Parse(argc, argv);
    if (Answered(request, status)) return status;
    brisel::platform::qt::QtPlatform platform;
    brisel::main_window::MainWindow window(platform);
    brisel::about_box::AboutBox about(platform);
    window.SetAboutOpener(
        [&about](const std::string& version, const std::string& disclaimer, const brisel::platform::Window& beside) {
            about.Open(version, disclaimer, beside);
        });
    window.PutStartPaths(request.paths);
    window.Show();
    return QApplication::exec();
}
