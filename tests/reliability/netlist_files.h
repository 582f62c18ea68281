#pragma once
// Large generated netlists, written without holding them in memory.

#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/temp_folder.h"
#include "tests/support/text_files.h"

namespace brisel::reliability {

using test::Names;
using test::ReadFile;
using test::WriteFile;

// A PADS-PCB netlist of `parts` parts U0.. and `nets` nets of
// `referencesPerNet` pin references each, every reference naming a listed
// part with a plain pin number.
void WriteNetlist(const std::filesystem::path& path, int parts, int nets, int referencesPerNet);

}  // namespace brisel::reliability
