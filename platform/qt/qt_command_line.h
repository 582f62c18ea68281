#pragma once
// The options Qt takes for itself from a program's command line (-platform
// NAME, -style=NAME, -reverse, ...). Setting them aside lets the program
// check its own before Qt starts, which needs a display.

#include <string>
#include <vector>

namespace brisel::platform::qt {

// The arguments after the program's name without Qt's options and their
// values, in either of Qt's spellings ("-style fusion", "--style=fusion").
std::vector<std::string> WithoutQtOptions(const std::vector<std::string>& arguments);

}  // namespace brisel::platform::qt
