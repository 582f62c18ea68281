#include "platform/win32/win32_link.h"

#include <commctrl.h>

namespace brisel::platform::win32 {
namespace {

constexpr UINT_PTR kLinkId = 2;

void Click(HWND link) {
    SendMessageW(GetParent(link), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(link), STN_CLICKED),
                 reinterpret_cast<LPARAM>(link));
}

// The label is transparent: the picture under it is painted again, then the
// label, with or without the rectangle.
void Redraw(HWND link) {
    RECT rect;
    GetWindowRect(link, &rect);
    MapWindowPoints(HWND_DESKTOP, GetParent(link), reinterpret_cast<POINT*>(&rect), 2);
    RedrawWindow(GetParent(link), &rect, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void DrawFocusMark(HWND link) {
    RECT client;
    GetClientRect(link, &client);
    HDC dc = GetDC(link);
    DrawFocusRect(dc, &client);
    ReleaseDC(link, dc);
}

// Enter goes to the link rather than to the window's default button.
bool WantsKey(LPARAM message) {
    const auto* msg = reinterpret_cast<const MSG*>(message);
    return msg != nullptr && msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN;
}

LRESULT CALLBACK LinkProcedure(HWND link, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    switch (message) {
        case WM_GETDLGCODE:
            if (WantsKey(lParam)) return DLGC_WANTMESSAGE;
            break;
        case WM_KEYDOWN:
            if (wParam != VK_RETURN) break;
            Click(link);
            return 0;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            Redraw(link);
            break;
        case WM_PAINT: {
            const LRESULT result = DefSubclassProc(link, message, wParam, lParam);
            if (GetFocus() == link) DrawFocusMark(link);
            return result;
        }
        case WM_NCDESTROY:
            RemoveWindowSubclass(link, &LinkProcedure, kLinkId);
            break;
        default:
            break;
    }
    return DefSubclassProc(link, message, wParam, lParam);
}

}  // namespace

void MakeLink(HWND label) { SetWindowSubclass(label, &LinkProcedure, kLinkId, 0); }

}  // namespace brisel::platform::win32
