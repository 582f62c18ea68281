#pragma once
// What a screen reader is told of a control beyond what Windows' own
// accessible object says of it: the name the form gives a box that has no
// label before it, the tooltip as the description a sighted user reads, and
// what the control is (a label may be a link). Everything else comes from
// the standard object.

#include <windows.h>

#include <string>

#include "platform/form.h"

namespace brisel::platform::win32 {

struct AccessibleText {
    std::string name;  // empty: the standard object's own (its label, its caption)
    std::string description;
    long role = 0;  // ROLE_SYSTEM_...: what the control is, whatever its window class
};

// The form's name for the control, its tooltip, and its kind as a role: a
// label with the pointing hand is a link.
AccessibleText AccessibleTextOf(const ControlDescription& control);

// Answers WM_GETOBJECT for the control's client object with the standard
// object, annotated with the texts; 0 (not answered) for any other object.
LRESULT AnswerGetObject(HWND control, WPARAM wParam, LPARAM lParam, const AccessibleText& text);

// Makes the control answer so from now on; the texts must outlive it, and
// may change meanwhile.
void Annotate(HWND control, const AccessibleText* text);

}  // namespace brisel::platform::win32
