#include "file_system/file_paths.h"

namespace brisel {

char PathSeparator() { return '\\'; }

std::size_t LastSeparator(std::string_view path) { return path.find_last_of("/\\"); }

}  // namespace brisel
