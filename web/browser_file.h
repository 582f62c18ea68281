#pragma once
// A file the browser keeps: the picked netlist, and the new netlist once it
// is handed over. Each read copies from a slice of it that the worker reads
// synchronously, several megabytes at a time.

#include <memory>

#include "convert/file_system.h"

namespace brisel::web {

enum class BrowserFile { Picked = 0, Result = 1 };

std::unique_ptr<ReadableFile> OpenBrowserFile(BrowserFile which);

}  // namespace brisel::web
