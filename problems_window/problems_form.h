#pragma once
// The controls of the Problems window, frmProblems.

#include "platform/form.h"

namespace brisel::problems_window {

const platform::FormDescription& ProblemsForm();

}  // namespace brisel::problems_window
