#pragma once
// A label that is a link, for the keyboard as for the mouse: Tab reaches it
// (it is made with WS_TABSTOP), a dotted rectangle shows while it has the
// focus, and Enter clicks it as the mouse does, with STN_CLICKED to its
// window.

#include <windows.h>

namespace brisel::platform::win32 {

void MakeLink(HWND label);

}  // namespace brisel::platform::win32
