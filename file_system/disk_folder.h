#pragma once
// A folder of the disk held open for a run.

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "file_system/file_system.h"

namespace brisel {

// Called between two steps of a run with the step ("locked", "created",
// "replacing") and the name it concerns: tests swap names there.
using StepHook = std::function<void(std::string_view step, const std::string& name)>;

// Nothing, with the reason in `error`, when the folder cannot be opened.
// `hook` may be empty; the folder keeps its own copy.
std::unique_ptr<WorkFolder> OpenDiskFolder(const std::string& folder, StepHook hook, FileReason& error);

}  // namespace brisel
