#pragma once
// File names are narrow strings throughout the programs. On Windows they are
// in the process code page, which the programs' manifest makes UTF-8 (Windows
// 10 version 1903 and later); where Windows ignores it, in the user's ANSI code
// page, unless the program has read its names as UTF-8 itself.

#include <filesystem>
#include <string>

namespace brisel {

// From now on, file names are UTF-8 whatever the process code page.
void UseUtf8FileNames();

// The file name as the file system takes it.
std::filesystem::path NativePath(const std::string& name);

// A name the file system gave, in the programs' encoding.
std::string ProgramPath(const std::filesystem::path& path);

}  // namespace brisel
