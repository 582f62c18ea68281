#pragma once
// Command identifiers of the windows the Win32 backend builds, so that a
// driver outside the process can find a control or choose a menu item.

namespace brisel::platform::win32 {

// The n-th control of a form's description (counting from 0).
inline constexpr int ControlId(int index) { return 1000 + index; }
// The n-th item of the form's menus, counted across all menus in order,
// separators included (counting from 0).
inline constexpr int MenuItemId(int index) { return 2000 + index; }
inline constexpr bool IsMenuItemId(int id) { return id >= 2000 && id < 3000; }

// The window class of every form.
inline constexpr const char* kFormClass = "BriselForm";
inline constexpr const wchar_t* kFormClassW = L"BriselForm";

}  // namespace brisel::platform::win32
