#pragma once
// Whether the target of --verify can be read back: a pipe or a device (or
// standard output) cannot, and a pipe must not be waited for.

#include <string>

namespace brisel::cli {

bool CanBeReadBack(const std::string& path);

}  // namespace brisel::cli
