// The brisel program on Windows: the main window on the Win32 backend.

#include <windows.h>

#include <cstdlib>

#include "about_box/about_box.h"
#include "main_window/command_line.h"
#include "main_window/main_window.h"
#include "platform/win32/win32_platform.h"

namespace {

// There is no terminal to print to: help and version come in a message box.
int ShowText(const char* text, UINT icon, int status) {
    MessageBoxA(nullptr, text, "Brisel", MB_OK | icon);
    return status;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    using brisel::main_window::StartRequest;
    const StartRequest request = brisel::main_window::ParseCommandLine({__argv + 1, __argv + __argc});
    switch (request.kind) {
        case StartRequest::ShowHelp:
            return ShowText(brisel::main_window::kWindowUsage, MB_ICONINFORMATION, 0);
        case StartRequest::ShowVersion:
            return ShowText(brisel::main_window::kWindowVersion, MB_ICONINFORMATION, 0);
        case StartRequest::WrongUsage:
            return ShowText(brisel::main_window::kWindowUsage, MB_ICONERROR, 2);
        case StartRequest::Run:
            break;
    }
    brisel::platform::win32::Win32Platform platform;
    brisel::main_window::MainWindow window(platform);
    brisel::about_box::AboutBox about(platform);
    window.SetAboutOpener(
        [&about](const std::string& version, const std::string& disclaimer) { about.Open(version, disclaimer); });
    window.PutStartPaths(request.paths);
    window.Show();
    return platform.Run();
}
