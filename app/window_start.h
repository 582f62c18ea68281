#pragma once
// What both programs with the window do once the command line asks for it:
// the main window with its About box, the start paths in its boxes, shown.

#include <functional>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace brisel::app {

// Runs the window on `platform` until it closes; `eventLoop` is the backend's
// own loop, and what it returns the program's exit status.
int RunWindow(platform::Platform& platform, const std::vector<std::string>& startPaths,
              const std::function<int()>& eventLoop);

}  // namespace brisel::app
