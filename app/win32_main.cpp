// The brisel program on Windows: the main window on the Win32 backend.

#include <windows.h>

#include <shellapi.h>

#include <string>
#include <vector>

#include "app/window_start.h"
#include "common/native_path.h"
#include "main_window/command_line.h"
#include "messages/command_line_boxes.h"
#include "platform/win32/win32_platform.h"
#include "platform/win32/win32_text.h"

namespace {

using brisel::platform::win32::Wide;

// There is no terminal to print to: help, version and errors come in a
// message box.
int Show(const brisel::messages::Message& message, int status) {
    const UINT icon = message.icon == brisel::messages::Icon::Error ? MB_ICONERROR : MB_ICONINFORMATION;
    MessageBoxW(nullptr, Wide(message.BoxText()).c_str(), Wide(message.title).c_str(), MB_OK | icon);
    return status;
}

// Windows programs show their help for "/?"; after "--" it is a file name.
std::vector<std::string> WithHelpSwitch(std::vector<std::string> arguments) {
    for (std::string& argument : arguments) {
        if (argument == "--") break;
        if (argument == "/?") argument = "--help";
    }
    return arguments;
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
    namespace messages = brisel::messages;
    const StartRequest request = brisel::main_window::ParseCommandLine(WithHelpSwitch(Arguments()));
    switch (request.kind) {
        case StartRequest::ShowHelp:
            return Show(messages::ForCommandLineHelp(), 0);
        case StartRequest::ShowVersion:
            return Show({"Brisel", {brisel::main_window::kWindowVersion}, messages::Icon::Information}, 0);
        case StartRequest::WrongUsage:
            return Show(messages::ForCommandLineError(request.unknownOption), 2);
        case StartRequest::Run:
            break;
    }
    // The window hands every file name over in UTF-8, whatever the code page.
    brisel::UseUtf8FileNames();
    brisel::platform::win32::Win32Platform platform;
    return brisel::app::RunWindow(platform, request.paths, [&platform] { return platform.Run(); });
}
