// The brisel program on Windows: the main window on the Win32 backend.

#include <windows.h>

#include <shellapi.h>

#include <string>
#include <vector>

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

// The arguments after the program's name, in the ANSI code page as the
// window's boxes take them.
std::vector<std::string> Arguments() {
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 1; wide != nullptr && i < count; ++i) {
        const int size = WideCharToMultiByte(CP_ACP, 0, wide[i], -1, nullptr, 0, nullptr, nullptr);
        std::string argument(static_cast<std::size_t>(size > 0 ? size : 1), '\0');
        WideCharToMultiByte(CP_ACP, 0, wide[i], -1, argument.data(), size, nullptr, nullptr);
        argument.resize(argument.size() - 1);
        arguments.push_back(argument);
    }
    LocalFree(wide);
    return arguments;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    using brisel::main_window::StartRequest;
    const StartRequest request = brisel::main_window::ParseCommandLine(Arguments());
    switch (request.kind) {
        case StartRequest::ShowHelp:
            return ShowText(brisel::main_window::kWindowUsage, MB_ICONINFORMATION, 0);
        case StartRequest::ShowVersion:
            return ShowText(brisel::main_window::kWindowVersion, MB_ICONINFORMATION, 0);
        case StartRequest::WrongUsage:
            return ShowText(brisel::main_window::UsageErrorText(request).c_str(), MB_ICONERROR, 2);
        case StartRequest::Run:
            break;
    }
    brisel::platform::win32::Win32Platform platform;
    brisel::main_window::MainWindow window(platform);
    brisel::about_box::AboutBox about(platform);
    window.SetAboutOpener(
        [&about](const std::string& version, const std::string& disclaimer, const brisel::platform::Window& beside) {
            about.Open(version, disclaimer, beside);
        });
    window.PutStartPaths(request.paths);
    window.Show();
    return platform.Run();
}
