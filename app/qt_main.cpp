// The brisel program: the main window on Qt.

#include <QApplication>
#include <cstdio>

#include "app/window_start.h"
#include "main_window/command_line.h"
#include "messages/command_line_texts.h"
#include "platform/qt/qt_command_line.h"
#include "platform/qt/qt_platform.h"

namespace {

using brisel::main_window::StartRequest;

// Help, the version and wrong usage need no display: they are answered
// before Qt starts, with Qt's own options set aside.
bool Answered(const StartRequest& request, int& status) {
    switch (request.kind) {
        case StartRequest::ShowHelp:
            std::fputs(brisel::messages::kWindowUsage, stdout);
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

}  // namespace

int main(int argc, char* argv[]) {
    int status = 0;
    const StartRequest request =
        brisel::main_window::ParseCommandLine(brisel::platform::qt::WithoutQtOptions({argv + 1, argv + argc}));
    if (Answered(request, status)) return status;
    QApplication application(argc, argv);
    brisel::platform::qt::QtPlatform platform;
    return brisel::app::RunWindow(platform, request.paths, [] { return QApplication::exec(); });
}
