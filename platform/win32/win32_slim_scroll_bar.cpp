#include "platform/win32/win32_slim_scroll_bar.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

namespace brisel::platform::win32 {
namespace {

constexpr UINT_PTR kFollowTextId = 1;

struct TextLines {
    int count;
    int visible;
    int first;
    int Hidden() const { return std::max(count - visible, 0); }
};

int LineHeight(HWND edit) {
    HDC dc = GetDC(edit);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(edit, WM_GETFONT, 0, 0)));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(edit, dc);
    return std::max<int>(metrics.tmHeight, 1);
}

TextLines LinesOf(HWND edit) {
    RECT text{};
    SendMessageW(edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&text));
    return {static_cast<int>(SendMessageW(edit, EM_GETLINECOUNT, 0, 0)),
            std::max<int>((text.bottom - text.top) / LineHeight(edit), 1),
            static_cast<int>(SendMessageW(edit, EM_GETFIRSTVISIBLELINE, 0, 0))};
}

// The thumb's extent from the bar's top; empty when every line shows. It is
// never shorter than the bar is wide.
struct Thumb {
    int top = 0;
    int bottom = 0;
    bool Shown() const { return bottom > top; }
};

Thumb ThumbOf(HWND bar, const TextLines& lines) {
    RECT bounds;
    GetClientRect(bar, &bounds);
    if (lines.Hidden() == 0) return {};
    const int length = std::max<int>(MulDiv(bounds.bottom, lines.visible, lines.count), bounds.right);
    const int top = MulDiv(bounds.bottom - length, std::min(lines.first, lines.Hidden()), lines.Hidden());
    return {top, top + length};
}

Thumb ThumbOf(HWND bar) { return ThumbOf(bar, LinesOf(GetParent(bar))); }

void Paint(HWND bar) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(bar, &paint);
    RECT bounds;
    GetClientRect(bar, &bounds);
    FillRect(dc, &bounds, GetSysColorBrush(COLOR_SCROLLBAR));
    const Thumb thumb = ThumbOf(bar);
    if (thumb.Shown()) {
        const RECT drawn{bounds.left + 1, thumb.top, bounds.right - 1, thumb.bottom};
        FillRect(dc, &drawn, GetSysColorBrush(COLOR_BTNSHADOW));
    }
    EndPaint(bar, &paint);
}

// A press on the thumb starts a drag, held as the distance from the thumb's
// top; a press beside it turns a page.
void Press(HWND bar, int y) {
    const Thumb thumb = ThumbOf(bar);
    if (!thumb.Shown()) return;
    if (y < thumb.top || y >= thumb.bottom) {
        SendMessageW(GetParent(bar), EM_SCROLL, y < thumb.top ? SB_PAGEUP : SB_PAGEDOWN, 0);
        return;
    }
    SetWindowLongPtrW(bar, GWLP_USERDATA, y - thumb.top);
    SetCapture(bar);
}

void Drag(HWND bar, int y) {
    HWND edit = GetParent(bar);
    const TextLines lines = LinesOf(edit);
    const Thumb thumb = ThumbOf(bar, lines);
    RECT bounds;
    GetClientRect(bar, &bounds);
    const int travel = bounds.bottom - (thumb.bottom - thumb.top);
    if (!thumb.Shown() || travel <= 0) return;
    const int top = y - static_cast<int>(GetWindowLongPtrW(bar, GWLP_USERDATA));
    const int first = std::clamp(MulDiv(top, lines.Hidden(), travel), 0, lines.Hidden());
    SendMessageW(edit, EM_LINESCROLL, 0, first - lines.first);
}

LRESULT Describe(HWND bar, SCROLLBARINFO& info) {
    if (info.cbSize != sizeof info) return FALSE;
    GetWindowRect(bar, &info.rcScrollBar);
    const Thumb thumb = ThumbOf(bar);
    info.dxyLineButton = 0;
    info.xyThumbTop = thumb.top;
    info.xyThumbBottom = thumb.bottom;
    std::fill_n(info.rgstate, CCHILDREN_SCROLLBAR + 1, DWORD{0});
    if (!thumb.Shown()) info.rgstate[0] = STATE_SYSTEM_UNAVAILABLE;
    return TRUE;
}

LRESULT CALLBACK BarProcedure(HWND bar, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            Paint(bar);
            return 0;
        case WM_LBUTTONDOWN:
            Press(bar, GET_Y_LPARAM(lParam));
            return 0;
        case WM_MOUSEMOVE:
            if (GetCapture() == bar) Drag(bar, GET_Y_LPARAM(lParam));
            return 0;
        case WM_LBUTTONUP:
            if (GetCapture() == bar) ReleaseCapture();
            return 0;
        case SBM_GETSCROLLBARINFO:
            return Describe(bar, *reinterpret_cast<SCROLLBARINFO*>(lParam));
        default:
            return DefWindowProcW(bar, message, wParam, lParam);
    }
}

// The messages after which the box may show other lines.
bool MayScroll(UINT message) {
    switch (message) {
        case WM_SETTEXT:
        case WM_KEYDOWN:
        case WM_MOUSEWHEEL:
        case WM_MOUSEMOVE:
        case WM_TIMER:
        case WM_VSCROLL:
        case EM_LINESCROLL:
        case EM_SCROLL:
        case EM_SCROLLCARET:
        case EM_SETSEL:
        case EM_REPLACESEL:
            return true;
        default:
            return false;
    }
}

LRESULT CALLBACK FollowText(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR bar) {
    const LRESULT result = DefSubclassProc(edit, message, wParam, lParam);
    if (message == WM_NCDESTROY) RemoveWindowSubclass(edit, &FollowText, kFollowTextId);
    if (MayScroll(message)) InvalidateRect(reinterpret_cast<HWND>(bar), nullptr, FALSE);
    return result;
}

void RegisterBarClass() {
    static bool registered = false;
    if (registered) return;
    WNDCLASSEXW barClass{};
    barClass.cbSize = sizeof barClass;
    barClass.lpfnWndProc = &BarProcedure;
    barClass.hInstance = GetModuleHandleW(nullptr);
    barClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    barClass.lpszClassName = kSlimScrollBarClass;
    registered = RegisterClassExW(&barClass) != 0;
}

}  // namespace

bool FitsStandardScrollBar(int boxHeight) {
    return boxHeight - 2 * GetSystemMetrics(SM_CYEDGE) >= 4 * GetSystemMetrics(SM_CYVSCROLL);
}

// The box keeps its margins, now within the client area less the bar.
HWND AttachSlimScrollBar(HWND edit) {
    RegisterBarClass();
    RECT client;
    GetClientRect(edit, &client);
    const int width = MulDiv(GetSystemMetrics(SM_CXVSCROLL), 3, 5);
    HWND bar = CreateWindowExW(0, kSlimScrollBarClass, nullptr, WS_CHILD | WS_VISIBLE, client.right - width, 0, width,
                               client.bottom, edit, nullptr, GetModuleHandleW(nullptr), nullptr);
    RECT text = client;
    text.right -= width;
    SendMessageW(edit, EM_SETRECT, 0, reinterpret_cast<LPARAM>(&text));
    SetWindowSubclass(edit, &FollowText, kFollowTextId, reinterpret_cast<DWORD_PTR>(bar));
    return bar;
}

}  // namespace brisel::platform::win32
