#pragma once
// The controls of the About box, frmAbout.

#include <string>

#include "about_box/maker.h"
#include "platform/form.h"

namespace brisel::about_box {

// The box of the maker the build was configured with.
const platform::FormDescription& AboutForm();
// The box of any maker: the lines of an address the maker gave none of are
// hidden, caption and all.
platform::FormDescription AboutFormFor(const Maker& maker);

// The copyright notice: one line at design, two lines once the box opens.
std::string CopyrightOneLine();
std::string CopyrightTwoLines();

}  // namespace brisel::about_box
