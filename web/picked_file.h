#pragma once
// The netlist the user picked, read where the browser keeps it: each read
// copies from a slice of it that the worker reads synchronously, several
// megabytes at a time.

#include <memory>

#include "file_system/file_system.h"

namespace brisel::web {

std::unique_ptr<ReadableFile> OpenPickedFile();

}  // namespace brisel::web
