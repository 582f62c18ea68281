#include "app/window_start.h"

#include "about_box/about_box.h"
#include "main_window/main_window.h"

namespace brisel::app {

int RunWindow(platform::Platform& platform, const std::vector<std::string>& startPaths,
              const std::function<int()>& eventLoop) {
    main_window::MainWindow window(platform);
    about_box::AboutBox about(platform);
    window.SetAboutOpener([&about](const std::string& version, const std::string& disclaimer,
                                   const platform::Window& beside) { about.Open(version, disclaimer, beside); });
    window.PutStartPaths(startPaths);
    window.Show();
    return eventLoop();
}

}  // namespace brisel::app
