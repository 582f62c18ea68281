#include <algorithm>

#include "platform/anchoring.h"
#include "platform/twips.h"
#include "platform/win32/win32_controls.h"
#include "platform/win32/win32_ids.h"
#include "platform/win32/win32_resources.h"
#include "platform/win32/win32_window.h"

namespace brisel::platform::win32 {
namespace {

std::vector<Win32Window*>& OpenList() {
    static std::vector<Win32Window*> windows;
    return windows;
}

COLORREF ToColorRef(const Rgb& rgb) { return RGB(rgb.red, rgb.green, rgb.blue); }

}  // namespace

void Win32Window::RegisterClass() {
    static bool registered = false;
    if (registered) return;
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = &Win32Window::Procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon =
        static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(BRISEL_IDI_PROGRAM), IMAGE_ICON,
                                      GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), LR_SHARED));
    windowClass.hIconSm =
        static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(BRISEL_IDI_PROGRAM), IMAGE_ICON,
                                      GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kFormClassW;
    RegisterClassExW(&windowClass);
    registered = true;
}

std::vector<Win32Window*> Win32Window::OpenWindows() { return OpenList(); }

Win32Window* Win32Window::FromHandle(HWND hwnd) {
    for (Win32Window* window : OpenList()) {
        if (window->hwnd_ == hwnd) return window;
    }
    return nullptr;
}

LRESULT CALLBACK Win32Window::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* window = static_cast<Win32Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        window->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
        OpenList().push_back(window);
    }
    auto* window = reinterpret_cast<Win32Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (window == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
    return window->OnMessage(message, wParam, lParam);
}

LRESULT Win32Window::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND:
            PaintBackground(reinterpret_cast<HDC>(wParam));
            return 1;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
            return ColourStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        case WM_SETCURSOR:
            if (SetCursorFor(reinterpret_cast<HWND>(wParam), LOWORD(lParam))) return TRUE;
            break;
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
            return 0;
        case DM_GETDEFID: {
            const ControlDescription* button = DescribedButton(/*cancel=*/false);
            if (button == nullptr) break;
            const auto index = button - form_.controls.data();
            return MAKELRESULT(ControlId(static_cast<int>(index)), DC_HASDEFID);
        }
        case WM_ACTIVATE:
            OnActivate(LOWORD(wParam) != WA_INACTIVE);
            if (LOWORD(wParam) != WA_INACTIVE) return 0;
            break;
        case WM_SIZE:
            if (form_.border == BorderStyle::Sizable && wParam != SIZE_MINIMIZED) {
                FollowClientSize(LOWORD(lParam), HIWORD(lParam));
            }
            break;
        case WM_GETMINMAXINFO:
            LimitFrameSize(*reinterpret_cast<MINMAXINFO*>(lParam));
            return 0;
        case WM_DROPFILES:
            OnDropFiles(reinterpret_cast<HDROP>(wParam));
            return 0;
        case WM_NEXTDLGCTL:
            MoveFocus(wParam, LOWORD(lParam) != 0);
            return 0;
        case WM_CLOSE:
            OnClose();
            return 0;
        case WM_QUERYENDSESSION:
            // The program ends on its own once what it does has stopped.
            if (closeQuery_) closeQuery_();
            return TRUE;
        case WM_ENDSESSION:
            if (wParam != FALSE) Fire(form_.name, Event::SessionEnd);
            return 0;
        case WM_DESTROY:
            OnDestroy();
            break;
        case WM_NCDESTROY: {
            auto& open = OpenList();
            open.erase(std::remove(open.begin(), open.end(), this), open.end());
            HWND gone = hwnd_;
            hwnd_ = nullptr;
            if (open.empty()) PostQuitMessage(0);
            return DefWindowProcW(gone, message, wParam, lParam);
        }
        default:
            break;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

// Controls anchored to the right or bottom follow the client area from where
// the form describes them.
void Win32Window::FollowClientSize(int width, int height) {
    const int grownWidth = width - TwipsToPixels(form_.clientWidth, dpi_);
    const int grownHeight = height - TwipsToPixels(form_.clientHeight, dpi_);
    for (const Child& child : children_) {
        const ControlDescription& described = *child.described;
        if (child.hwnd == nullptr || described.anchoring == Anchoring::TopLeft) continue;
        const RECT at = ControlRect(described, dpi_);
        const PixelRect rect = Follow(described.anchoring, {at.left, at.top, at.right - at.left, at.bottom - at.top},
                                      grownWidth, grownHeight);
        SetWindowPos(child.hwnd, nullptr, rect.left, rect.top, std::max(rect.width, 0), std::max(rect.height, 0),
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
    InvalidateRect(hwnd_, nullptr, TRUE);
}

// Never smaller than described, unless the screen is smaller still.
void Win32Window::LimitFrameSize(MINMAXINFO& limits) const {
    if (form_.border != BorderStyle::Sizable || smallestFrame_.cx == 0) return;
    const RECT work = WorkAreaOf(hwnd_);
    limits.ptMinTrackSize = {std::min<LONG>(smallestFrame_.cx, work.right - work.left),
                             std::min<LONG>(smallestFrame_.cy, work.bottom - work.top)};
}

// The picture first, then the lines in the order of the description, so a
// grey line drawn after a white one lies over its top row.
void Win32Window::PaintBackground(HDC dc) {
    RECT client;
    GetClientRect(hwnd_, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    if (background_ != nullptr) {
        HDC memory = CreateCompatibleDC(dc);
        HGDIOBJ old = SelectObject(memory, background_);
        BITMAP bitmap;
        GetObjectW(background_, sizeof bitmap, &bitmap);
        StretchBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, bitmap.bmWidth, bitmap.bmHeight, SRCCOPY);
        SelectObject(memory, old);
        DeleteDC(memory);
    }
    for (const Child& child : children_) {
        if (child.described->kind != ControlKind::Line) continue;
        const RECT line = ControlRect(*child.described, dpi_);
        HBRUSH brush = CreateSolidBrush(ToColorRef(child.described->foreColor.value_or(Rgb{})));
        FillRect(dc, &line, brush);
        DeleteObject(brush);
    }
}

LRESULT Win32Window::ColourStatic(HDC dc, HWND control) {
    const Child* child = ChildWithHandle(control);
    if (child == nullptr)
        return DefWindowProcW(hwnd_, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                              reinterpret_cast<LPARAM>(control));
    const ControlDescription& described = *child->described;
    SetTextColor(dc, described.foreColor ? ToColorRef(*described.foreColor) : GetSysColor(COLOR_WINDOWTEXT));
    if (IsTransparentLabel(described)) {
        SetBkMode(dc, TRANSPARENT);
        return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
    }
    if (child->background != nullptr) {
        SetBkColor(dc, ToColorRef(*described.backColor));
        return reinterpret_cast<LRESULT>(child->background);
    }
    SetBkColor(dc, GetSysColor(described.readOnly ? COLOR_BTNFACE : COLOR_WINDOW));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(described.readOnly ? COLOR_BTNFACE : COLOR_WINDOW));
}

// While busy the whole window shows the hourglass, also while a message box
// has disabled it (the hit-test code is then HTERROR).
bool Win32Window::SetCursorFor(HWND control, WORD hitTest) {
    if (hourglass_) {
        SetCursor(LoadCursorA(nullptr, IDC_WAIT));
        return true;
    }
    if (hitTest != HTCLIENT) return false;
    const Child* child = ChildWithHandle(control);
    if (child == nullptr || child->described->cursor != CursorKind::PointingHand) return false;
    SetCursor(LoadCursorW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(BRISEL_IDC_HAND)));
    return true;
}

void Win32Window::OnCommand(int id, int code, HWND control) {
    if (control == nullptr && IsMenuItemId(id)) {
        const auto item = menuItems_.find(id);
        if (item != menuItems_.end()) Fire(item->second, Event::Click);
        return;
    }
    if (control == nullptr && (id == IDOK || id == IDCANCEL)) {
        const ControlDescription* button = DescribedButton(id == IDCANCEL);
        if (button != nullptr) PressButton(ChildNamed(button->name));
        return;
    }
    const Child* child = ChildWithId(id);
    if (child == nullptr) return;
    switch (child->described->kind) {
        case ControlKind::Button:
            if (code == BN_CLICKED) PressButton(*child);
            break;
        case ControlKind::Label:
        case ControlKind::PictureBox:
            if (code == STN_CLICKED) Fire(child->described->name, Event::Click);
            break;
        case ControlKind::TextBox: {
            // Only a move to another control of this window counts: not a
            // menu, another window or the window losing activation.
            HWND next = GetFocus();
            if (code == EN_KILLFOCUS && next != nullptr && next != child->hwnd && IsChild(hwnd_, next)) {
                Fire(child->described->name, Event::LostFocus);
            }
            break;
        }
        case ControlKind::Line:
            break;
    }
}

// A button takes the focus before its command runs, as a click gives it, so
// that a path box left for it is split first.
void Win32Window::PressButton(const Child& button) {
    if (!IsWindowEnabled(button.hwnd)) return;
    if (IsWindowVisible(button.hwnd) && GetFocus() != button.hwnd) ::SetFocus(button.hwnd);
    Fire(button.described->name, Event::Click);
}

// The focus is saved when the window is deactivated and given back when it
// is activated again, but never to a control that cannot take it now.
void Win32Window::OnActivate(bool active) {
    if (!active) {
        HWND focus = GetFocus();
        if (focus != nullptr && IsChild(hwnd_, focus)) lastFocus_ = focus;
        return;
    }
    const bool usable =
        lastFocus_ != nullptr && IsWindow(lastFocus_) && IsWindowEnabled(lastFocus_) && IsWindowVisible(lastFocus_);
    HWND target = usable ? lastFocus_ : GetNextDlgTabItem(hwnd_, nullptr, FALSE);
    if (target != nullptr) ::SetFocus(target);
}

// A multi-line box takes Tab for itself and asks its parent to move the
// focus on, as it asks a dialog: wParam is the control to focus when `given`,
// otherwise the direction (0 forward). The box entered gets its text
// selected, as Tab gives it.
void Win32Window::MoveFocus(WPARAM wParam, bool given) {
    HWND next = given ? reinterpret_cast<HWND>(wParam) : GetNextDlgTabItem(hwnd_, GetFocus(), wParam != 0);
    if (next == nullptr || !IsChild(hwnd_, next)) return;
    ::SetFocus(next);
    if (SendMessageW(next, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) SendMessageW(next, EM_SETSEL, 0, -1);
}

void Win32Window::FollowFocus() {
    const Child* focused = ChildWithHandle(GetFocus());
    const ControlDescription* fallback = DescribedButton(/*cancel=*/false);
    HWND framed = nullptr;
    if (focused != nullptr && focused->described->kind == ControlKind::Button) {
        framed = focused->hwnd;
    } else if (fallback != nullptr) {
        framed = ChildNamed(fallback->name).hwnd;
    }
    if (framed == framedButton_) return;
    for (const Child& child : children_) {
        if (child.described->kind != ControlKind::Button || child.hwnd == nullptr) continue;
        SendMessageW(child.hwnd, BM_SETSTYLE, child.hwnd == framed ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
    }
    framedButton_ = framed;
}

// The close button, Alt+F4 and the taskbar ask first.
void Win32Window::OnClose() {
    if (!closeQuery_ || closeQuery_()) Close();
}

void Win32Window::OnDestroy() {
    SetPointer(Pointer::Default);
    Fire(form_.name, Event::Unload);
}

bool Win32Window::PreTranslate(MSG& message) {
    if (hwnd_ == nullptr) return false;
    if (accelerators_ != nullptr && TranslateAcceleratorW(hwnd_, accelerators_, &message)) return true;
    return IsDialogMessageW(hwnd_, &message) != FALSE;
}

}  // namespace brisel::platform::win32
