#pragma once
// Files for the reliability tests: reading them back, listing a folder, and
// writing large generated netlists without holding them in memory.

#include <filesystem>
#include <string>
#include <vector>

namespace brisel::reliability {

std::string ReadBytes(const std::filesystem::path& path);
void WriteBytes(const std::filesystem::path& path, const std::string& bytes);

// The sorted names in a folder.
std::vector<std::string> Names(const std::filesystem::path& folder);

// A PADS-PCB netlist of `parts` parts U0.. and `nets` nets of
// `referencesPerNet` pin references each, every reference naming a listed
// part with a plain pin number.
void WriteNetlist(const std::filesystem::path& path, int parts, int nets, int referencesPerNet);

}  // namespace brisel::reliability
