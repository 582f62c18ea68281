// The brisel program on Windows: the main window on the Win32 backend.

#include <windows.h>

#include "about_box/about_box.h"
#include "main_window/main_window.h"
#include "platform/win32/win32_platform.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    brisel::platform::win32::Win32Platform platform;
    brisel::main_window::MainWindow window(platform);
    brisel::about_box::AboutBox about(platform);
    window.SetAboutOpener(
        [&about](const std::string& version, const std::string& disclaimer) { about.Open(version, disclaimer); });
    window.Show();
    return platform.Run();
}
