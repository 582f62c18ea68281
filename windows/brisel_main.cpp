// The brisel program on Windows: the main window on the Win32 backend.

#include <windows.h>

#include <shellapi.h>

#include <string>
#include <vector>

#include "about_box/about_box.h"
#include "common/native_path.h"
#include "main_window/command_line.h"
#include "main_window/main_window.h"
#include "platform/win32/win32_platform.h"
#include "platform/win32/win32_text.h"

namespace {

// There is no terminal to print to: help and version come in a message box.
int ShowText(const std::string& text, UINT icon, int status) {
    using brisel::platform::win32::Wide;
    MessageBoxW(nullptr, Wide(text).c_str(), L"Brisel", MB_OK | icon);
    return status;
}

// The arguments after the program's name, in UTF-8 as the window's boxes
// take them.
std::vector<std::string> Arguments() {
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 1; wide != nullptr && i < count; ++i) arguments.push_back(brisel::platform::win32::Utf8(wide[i]));
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
            return ShowText(brisel::main_window::UsageErrorText(request), MB_ICONERROR, 2);
        case StartRequest::Run:
            break;
    }
    // The window hands every file name over in UTF-8, whatever the code page.
    brisel::UseUtf8FileNames();
    brisel::platform::win32::Win32Platform platform;
    brisel::main_window::MainWindow window(platform);
    brisel::about_box::AboutBox about(platform);
    window.SetAboutOpener(
        [&about](const std::string& version, const std::string& disclaimer) { about.Open(version, disclaimer); });
    window.PutStartPaths(request.paths);
    window.Show();
    return platform.Run();
}
