#include "platform/win32/win32_window.h"

#include <algorithm>
#include <exception>
#include <stdexcept>
#include <utility>

#include "platform/placement.h"

#include "platform/win32/win32_controls.h"
#include "platform/win32/win32_ids.h"
#include "platform/win32/win32_text.h"

namespace brisel::platform::win32 {
namespace {

RECT RectInParent(HWND control) {
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(HWND_DESKTOP, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// A long path in a one-line box shows its end, the file name.
void ShowEndOf(HWND box) {
    const int length = GetWindowTextLengthW(box);
    SendMessageW(box, EM_SETSEL, static_cast<WPARAM>(length), length);
    SendMessageW(box, EM_SCROLLCARET, 0, 0);
}

}  // namespace

Win32Window::~Win32Window() {
    handlers_.clear();  // the owner of the handlers may be going too
    if (hwnd_ != nullptr) DestroyWindow(hwnd_);
    if (accelerators_ != nullptr) DestroyAcceleratorTable(accelerators_);
    if (background_ != nullptr) DeleteObject(background_);
    if (windowFont_ != nullptr) DeleteObject(windowFont_);
    for (HFONT font : fonts_) DeleteObject(font);
    for (const Child& child : children_) {
        if (child.background != nullptr) DeleteObject(child.background);
    }
}

void Win32Window::On(const std::string& control, Event event, Handler handler) {
    handlers_[{control, event}] = std::move(handler);
}

void Win32Window::OnDrop(DropHandler handler) {
    dropHandler_ = std::move(handler);
    DragAcceptFiles(hwnd_, TRUE);
}

// The first file dropped, and the control under the point of the drop.
void Win32Window::OnDropFiles(HDROP drop) {
    std::wstring wide(DragQueryFileW(drop, 0, nullptr, 0) + 1, L'\0');
    wide.resize(DragQueryFileW(drop, 0, wide.data(), static_cast<UINT>(wide.size())));
    const std::string file = Utf8(wide);
    POINT point{};
    DragQueryPoint(drop, &point);
    DragFinish(drop);
    const Child* under = ChildWithHandle(ChildWindowFromPointEx(hwnd_, point, CWP_SKIPINVISIBLE));
    if (dropHandler_ && !file.empty()) dropHandler_(under != nullptr ? under->described->name : "", file);
}

// Handlers run inside the window procedure, where no exception may pass.
void Win32Window::Fire(const std::string& name, Event event) {
    const auto found = handlers_.find({name, event});
    if (found == handlers_.end()) return;
    const Handler handler = found->second;  // the handler may replace itself
    try {
        handler();
    } catch (const std::exception& error) {
        MessageBoxW(hwnd_, Wide(error.what()).c_str(), Wide(form_.caption).c_str(), MB_OK | MB_ICONERROR);
    }
}

std::string Win32Window::Text(const std::string& control) const {
    HWND hwnd = ChildNamed(control).hwnd;
    return hwnd == nullptr ? std::string() : WindowText(hwnd);
}

void Win32Window::SetText(const std::string& control, const std::string& text) {
    const Child& child = ChildNamed(control);
    if (child.hwnd == nullptr) return;
    const bool transparent = IsTransparentLabel(*child.described);
    if (transparent) RedrawUnder(child.hwnd, false);  // where the old text was
    SetWindowTextUtf8(child.hwnd, text);
    if (child.described->kind == ControlKind::TextBox && !child.described->multiLine) ShowEndOf(child.hwnd);
    FitToContent(child.hwnd, *child.described);
    if (transparent) RedrawUnder(child.hwnd, false);
}

// A control that loses the focus by being disabled hands it on to the next
// one, as Tab would.
void Win32Window::SetEnabled(const std::string& control, bool enabled) {
    for (const auto& [id, item] : menuItems_) {
        if (item != control) continue;
        EnableMenuItem(GetMenu(hwnd_), static_cast<UINT>(id), MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
        return;
    }
    HWND hwnd = ChildNamed(control).hwnd;
    if (hwnd == nullptr) return;
    if (!enabled && GetFocus() == hwnd) ::SetFocus(GetNextDlgTabItem(hwnd_, hwnd, FALSE));
    EnableWindow(hwnd, enabled ? TRUE : FALSE);
}

void Win32Window::SetVisible(const std::string& control, bool visible) {
    if (HWND hwnd = ChildNamed(control).hwnd) ShowWindow(hwnd, visible ? SW_SHOWNA : SW_HIDE);
}

void Win32Window::SetFocus(const std::string& control) {
    if (HWND hwnd = ChildNamed(control).hwnd) ::SetFocus(hwnd);
}

void Win32Window::SelectAll(const std::string& control) {
    if (HWND hwnd = ChildNamed(control).hwnd) SendMessageW(hwnd, EM_SETSEL, 0, -1);
}

// The label is transparent: the picture under it is painted again first.
void Win32Window::Repaint(const std::string& control) {
    if (HWND hwnd = ChildNamed(control).hwnd) RedrawUnder(hwnd, true);
}

void Win32Window::RedrawUnder(HWND control, bool now) {
    const RECT rect = RectInParent(control);
    UINT flags = RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN;
    if (now) flags |= RDW_UPDATENOW | RDW_ERASENOW;
    RedrawWindow(hwnd_, &rect, nullptr, flags);
    if (now) UpdateWindow(control);
}

void Win32Window::SetCaption(const std::string& caption) {
    if (hwnd_ != nullptr) SetWindowTextUtf8(hwnd_, caption);
}

// The conversion holds the message loop, so the pointer is set at once when
// it is over this window, as well as on every WM_SETCURSOR.
void Win32Window::SetPointer(Pointer pointer) {
    hourglass_ = pointer == Pointer::Hourglass;
    POINT at{};
    GetCursorPos(&at);
    HWND under = WindowFromPoint(at);
    if (under == hwnd_ || IsChild(hwnd_, under)) SetCursor(LoadCursorA(nullptr, hourglass_ ? IDC_WAIT : IDC_ARROW));
}

void Win32Window::Show() {
    if (hwnd_ == nullptr) return;
    if (!placed_) {
        RECT work;
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
        RECT frame;
        GetWindowRect(hwnd_, &frame);
        const int width = frame.right - frame.left;
        const int height = frame.bottom - frame.top;
        SetWindowPos(hwnd_, nullptr, work.left + (work.right - work.left - width) / 2,
                     work.top + (work.bottom - work.top - height) / 2, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        placed_ = true;
    }
    ShowWindow(hwnd_, SW_SHOWNORMAL);
    BringWindowToTop(hwnd_);
    SetForegroundWindow(hwnd_);
}

RECT Win32Window::WorkAreaOf(HWND window) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoA(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor);
    return monitor.rcWork;
}

void Win32Window::ShowBeside(const Window& anchor) {
    const auto* other = dynamic_cast<const Win32Window*>(&anchor);
    if (hwnd_ != nullptr && !placed_ && other != nullptr && other->hwnd_ != nullptr) {
        PlaceBeside(other->hwnd_);
        placed_ = true;
    }
    Show();
}

// On the anchor's monitor; a sizable form may open smaller to find room,
// and may then be made that small again.
void Win32Window::PlaceBeside(HWND anchor) {
    const RECT work = WorkAreaOf(anchor);
    RECT frame;
    GetWindowRect(hwnd_, &frame);
    RECT other;
    GetWindowRect(anchor, &other);
    const PixelSize size{frame.right - frame.left, frame.bottom - frame.top};
    const PixelRect at =
        platform::PlaceBeside({other.left, other.top, other.right - other.left, other.bottom - other.top}, size,
                              form_.border == BorderStyle::Sizable ? SmallestOpening(size) : size,
                              {work.left, work.top, work.right - work.left, work.bottom - work.top});
    smallestFrame_ = {std::min<LONG>(smallestFrame_.cx, at.width), std::min<LONG>(smallestFrame_.cy, at.height)};
    SetWindowPos(hwnd_, nullptr, at.left, at.top, at.width, at.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Window::Close() {
    if (hwnd_ != nullptr) DestroyWindow(hwnd_);
}

const Win32Window::Child& Win32Window::ChildNamed(const std::string& name) const {
    for (const Child& child : children_) {
        if (child.described->name == name) return child;
    }
    throw std::out_of_range("no control named " + name + " in " + form_.name);
}

Win32Window::Child& Win32Window::ChildNamed(const std::string& name) {
    return const_cast<Child&>(std::as_const(*this).ChildNamed(name));
}

const Win32Window::Child* Win32Window::ChildWithId(int id) const {
    const int index = id - ControlId(0);
    if (index < 0 || index >= static_cast<int>(children_.size())) return nullptr;
    return &children_[static_cast<std::size_t>(index)];
}

const Win32Window::Child* Win32Window::ChildWithHandle(HWND hwnd) const {
    for (const Child& child : children_) {
        if (child.hwnd == hwnd && hwnd != nullptr) return &child;
    }
    return nullptr;
}

const ControlDescription* Win32Window::DescribedButton(bool cancel) const {
    for (const ControlDescription& control : form_.controls) {
        if (control.kind == ControlKind::Button && (cancel ? control.isCancel : control.isDefault)) {
            return &control;
        }
    }
    return nullptr;
}

}  // namespace brisel::platform::win32
