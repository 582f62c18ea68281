#pragma once
// The controls and menus of the main window, frmMain.

#include "platform/form.h"

namespace brisel::main_window {

const platform::FormDescription& MainForm();

}  // namespace brisel::main_window
