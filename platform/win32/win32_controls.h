#pragma once
// Builds the child window of one control from its description.

#include <windows.h>

#include "platform/form.h"

namespace brisel::platform::win32 {

// A font of the description at the given dpi; the caller deletes it.
HFONT CreateFormFont(const FontDescription& font, int dpi);

// Pixels of a control's rectangle within the client area; lines become the
// rectangle their pixels cover.
RECT ControlRect(const ControlDescription& control, int dpi);

HWND CreateControlWindow(const ControlDescription& control, HWND parent, int id, int dpi);

// Labels and pictures that size themselves follow their content.
void FitToContent(HWND control, const ControlDescription& described);

// A multi-line box made too short for the standard vertical scroll bar.
bool WantsSlimScrollBar(HWND control, const ControlDescription& described);

bool IsTransparentLabel(const ControlDescription& control);

// A label with the pointing hand is a link: the keyboard reaches it too.
bool IsLink(const ControlDescription& control);

}  // namespace brisel::platform::win32
