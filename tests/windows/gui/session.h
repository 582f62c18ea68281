#pragma once
// Works a running brisel.exe from another process, as a user would: finds
// its windows and controls, types, presses keys and buttons, answers
// message boxes and takes pictures of windows.

#include <windows.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "platform/form.h"

namespace brisel::gui_test {

// Waits up to a few seconds for a condition, checking it every 50 ms.
bool WaitFor(const auto& condition, int milliseconds = 10000) {
    for (int waited = 0; waited < milliseconds; waited += 50) {
        if (condition()) return true;
        Sleep(50);
    }
    return condition();
}

class Session {
public:
    // Starts the program; the constructor returns once its main window shows.
    explicit Session(const std::string& exe, const std::string& arguments = "");
    ~Session();

    HWND MainWindow() const { return main_; }
    DWORD Thread() const { return thread_; }
    HANDLE Process() const { return process_; }

    // The window with the form's class and that title, or null.
    static HWND FindForm(const std::string& title);
    // A message box of the program with that title, waited for.
    static HWND WaitForMessageBox(const std::string& title);
    static std::string MessageText(HWND box);
    static void Answer(HWND box);

    HWND Focus() const;
    bool WaitForFocus(HWND control) const;
    bool WaitForExit(int milliseconds) const;
    // The program's top-level windows that carry this title.
    int WindowsTitled(const std::string& title) const;
    // Posts WM_DROPFILES for one file, as the shell does, at a point of the
    // window's client area; the drop's memory is made in the program.
    void DropFile(HWND window, POINT at, const std::string& path) const;

private:
    HANDLE process_ = nullptr;
    DWORD processId_ = 0;
    DWORD thread_ = 0;
    HWND main_ = nullptr;
};

// The child window of a control named in the form's description.
HWND ControlOf(HWND form, const platform::FormDescription& described, const std::string& name);
// The command identifier of a menu item named in the description.
int MenuCommandOf(const platform::FormDescription& described, const std::string& name);
// The control's rectangle in the client area of its form.
RECT ClientRectOf(HWND control);
std::string TextOf(HWND window);
void TypeText(HWND edit, const std::string& text);
// The text in UTF-8, through the wide messages, whatever the code pages of the
// two programs.
std::string Utf8TextOf(HWND window);
void SetUtf8Text(HWND window, const std::string& text);
// A click of the left button inside the control, which takes the focus.
void ClickInto(HWND control);
// A key pressed on the focused control, through the program's message loop.
void PressKey(HWND control, WPARAM key);
// Input as the keyboard gives it (SendInput): the focused control of the
// foreground window receives it through the program's message loop, with the
// keyboard state that Shift leaves. TypeKeys sends each character of the
// text as itself (KEYEVENTF_UNICODE), as an input method does.
void TypeKeys(const std::string& utf8);
void SendKey(WORD key, WORD modifier = 0);
int SystemDpi();
// The window's pixels as they show on the screen, frame included.
std::vector<char> PixelsOf(HWND window);
// The windows as they show on the screen, frames included, and what lies
// between them, as one 24-bit BMP.
bool SaveWindowsPicture(std::initializer_list<HWND> windows, const std::string& path);

}  // namespace brisel::gui_test
