#pragma once
// The controls of the About box, frmAbout.

#include <string>

#include "platform/form.h"

namespace brisel::about_box {

const platform::FormDescription& AboutForm();

// The copyright notice: one line at design, two lines once the box opens.
std::string CopyrightOneLine();
std::string CopyrightTwoLines();

}  // namespace brisel::about_box
