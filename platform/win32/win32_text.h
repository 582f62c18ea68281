#pragma once
// Texts cross the platform layer as UTF-8 and reach Windows as UTF-16: the
// windows are Unicode windows, so that a typed character outside the ANSI
// code page arrives as itself.

#include <windows.h>

#include <string>

namespace brisel::platform::win32 {

// Bytes that are not UTF-8 become U+FFFD.
std::wstring Wide(const std::string& utf8);
std::string Utf8(const wchar_t* text, std::size_t length);
std::string Utf8(const std::wstring& text);

// A window's text, of any length.
std::string WindowText(HWND window);
void SetWindowTextUtf8(HWND window, const std::string& text);

}  // namespace brisel::platform::win32
