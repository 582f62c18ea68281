#pragma once
// A scroll bar without arrows for a multi-line box too short for the
// standard one, whose arrows would take nearly all its height and leave the
// thumb a few pixels that cannot be told from the arrows. The bar lies in the
// box along its right edge and follows the box's text as it scrolls; it
// answers SBM_GETSCROLLBARINFO as a scroll bar control does.

#include <windows.h>

namespace brisel::platform::win32 {

// Whether a box this many pixels high leaves the standard vertical scroll
// bar a track at least twice as long as its arrows.
bool FitsStandardScrollBar(int boxHeight);

// Gives a multi-line EDIT made without WS_VSCROLL the slim bar, once the box
// has its font. Returns the bar.
HWND AttachSlimScrollBar(HWND edit);

inline constexpr const wchar_t* kSlimScrollBarClass = L"BriselSlimScrollBar";

}  // namespace brisel::platform::win32
