#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cctype>
#include <limits>
#include <stdexcept>

#include "platform/twips.h"
#include "platform/win32/win32_controls.h"
#include "platform/win32/win32_ids.h"
#include "platform/win32/win32_link.h"
#include "platform/win32/win32_resources.h"
#include "platform/win32/win32_slim_scroll_bar.h"
#include "platform/win32/win32_text.h"
#include "platform/win32/win32_window.h"

namespace brisel::platform::win32 {
namespace {

struct FrameStyle {
    DWORD style;
    DWORD exStyle;
};

FrameStyle StyleOf(const FormDescription& form) {
    const DWORD minimize = form.minButton ? WS_MINIMIZEBOX : 0u;
    switch (form.border) {
        case BorderStyle::FixedDialog:
            return {WS_POPUP | WS_CAPTION | WS_SYSMENU | minimize, WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT};
        case BorderStyle::Sizable:
            return {WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MAXIMIZEBOX | minimize,
                    WS_EX_CONTROLPARENT};
        case BorderStyle::FixedSingle:
            break;
    }
    return {WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | minimize, WS_EX_CONTROLPARENT};
}

// "Ctrl+O" or "F1" as an accelerator for the command id; false for anything
// else.
bool ParseShortcut(const std::string& text, WORD id, ACCEL& accel) {
    accel = {FVIRTKEY, 0, id};
    std::string key = text;
    if (key.rfind("Ctrl+", 0) == 0) {
        accel.fVirt = static_cast<BYTE>(accel.fVirt | FCONTROL);
        key = key.substr(5);
    }
    if (key.size() == 1 && std::isalnum(static_cast<unsigned char>(key[0]))) {
        accel.key = static_cast<WORD>(std::toupper(static_cast<unsigned char>(key[0])));
        return true;
    }
    if (key.size() >= 2 && key[0] == 'F' && std::isdigit(static_cast<unsigned char>(key[1]))) {
        accel.key = static_cast<WORD>(VK_F1 + std::stoi(key.substr(1)) - 1);
        return true;
    }
    return false;
}

}  // namespace

Win32Window::Win32Window(const FormDescription& form, int dpi, HWND hiddenOwner) : form_(form), dpi_(dpi) {
    BuildFrame(hiddenOwner);
    BuildControls();
    BuildMenus();
    BuildToolTips();
}

void Win32Window::BuildFrame(HWND hiddenOwner) {
    RegisterClass();
    const FrameStyle frame = StyleOf(form_);
    // A window with a hidden owner gets no taskbar button of its own.
    HWND owner = form_.showInTaskbar ? nullptr : hiddenOwner;
    hwnd_ = CreateWindowExW(frame.exStyle, kFormClassW, Wide(form_.caption).c_str(), frame.style, CW_USEDEFAULT,
                            CW_USEDEFAULT, 100, 100, owner, nullptr, GetModuleHandleW(nullptr), this);
    if (hwnd_ == nullptr) throw std::runtime_error("cannot create the window " + form_.name);
    if (!form_.background.empty()) {
        background_ = static_cast<HBITMAP>(LoadImageW(
            GetModuleHandleW(nullptr), MAKEINTRESOURCEW(BRISEL_IDB_BACKGROUND), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
    }
    windowFont_ = CreateFormFont(form_.font, dpi_);
}

void Win32Window::BuildControls() {
    children_.reserve(form_.controls.size());
    for (std::size_t i = 0; i < form_.controls.size(); ++i) {
        const ControlDescription& described = form_.controls[i];
        HWND child = nullptr;
        if (described.kind != ControlKind::Line) {
            child = CreateControlWindow(described, hwnd_, ControlId(static_cast<int>(i)), dpi_);
            HFONT font = windowFont_;
            if (described.font) fonts_.push_back(font = CreateFormFont(*described.font, dpi_));
            SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
            FitToContent(child, described);
            if (WantsSlimScrollBar(child, described)) AttachSlimScrollBar(child);
        }
        Child entry{&described, child};
        entry.accessible = AccessibleTextOf(described);
        if (described.backColor) {
            const Rgb& c = *described.backColor;
            entry.background = CreateSolidBrush(RGB(c.red, c.green, c.blue));
        }
        children_.push_back(entry);
    }
    OrderForTheKeyboard();
    ServeTheKeyboardAndScreenReaders();
}

// The dialog keys walk the controls in window order: make it the tab order,
// with the controls that have no place in it (labels, links) at its end.
// A screen reader names a box by the label before it in this order.
void Win32Window::OrderForTheKeyboard() {
    std::vector<const Child*> order;
    for (const Child& child : children_) {
        if (child.hwnd != nullptr) order.push_back(&child);
    }
    const auto place = [](const Child* child) {
        const int index = child->described->tabIndex;
        return index < 0 ? std::numeric_limits<int>::max() : index;
    };
    std::stable_sort(order.begin(), order.end(), [&](const Child* a, const Child* b) { return place(a) < place(b); });
    HWND previous = HWND_TOP;
    for (const Child* child : order) {
        SetWindowPos(child->hwnd, previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        previous = child->hwnd;
    }
}

// Every control tells a screen reader its name and description; links
// answer the keyboard; the focus shows on whatever has it, from the start
// rather than from the first key.
void Win32Window::ServeTheKeyboardAndScreenReaders() {
    for (Child& child : children_) {
        if (child.hwnd == nullptr) continue;
        Annotate(child.hwnd, &child.accessible);
        if (IsLink(*child.described)) MakeLink(child.hwnd);
    }
    SendMessageW(hwnd_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
}

void Win32Window::BuildMenus() {
    HMENU bar = form_.menus.empty() ? nullptr : CreateMenu();
    std::vector<ACCEL> accels;
    int index = 0;
    for (const MenuDescription& menu : form_.menus) {
        HMENU popup = CreatePopupMenu();
        for (const MenuDescription& item : menu.items) {
            const int id = MenuItemId(index++);
            menuItems_[id] = item.name;
            if (item.IsSeparator()) {
                AppendMenuW(popup, MF_SEPARATOR, static_cast<UINT_PTR>(id), nullptr);
                continue;
            }
            const std::string caption = item.shortcut.empty() ? item.caption : item.caption + "\t" + item.shortcut;
            AppendMenuW(popup, MF_STRING | (item.enabled ? MF_ENABLED : MF_GRAYED), static_cast<UINT_PTR>(id),
                        Wide(caption).c_str());
            ACCEL accel;
            if (ParseShortcut(item.shortcut, static_cast<WORD>(id), accel)) accels.push_back(accel);
        }
        AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), Wide(menu.caption).c_str());
    }
    if (bar != nullptr) SetMenu(hwnd_, bar);
    if (!accels.empty()) {
        accelerators_ = CreateAcceleratorTableW(accels.data(), static_cast<int>(accels.size()));
    }
    RECT frame{0, 0, TwipsToPixels(form_.clientWidth, dpi_), TwipsToPixels(form_.clientHeight, dpi_)};
    const FrameStyle style = StyleOf(form_);
    AdjustWindowRectEx(&frame, style.style, bar != nullptr, style.exStyle);
    SetWindowPos(hwnd_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // A menu bar that wraps to a second row takes client height: add it back.
    RECT client;
    GetClientRect(hwnd_, &client);
    const int missing = TwipsToPixels(form_.clientHeight, dpi_) - client.bottom;
    if (missing > 0) {
        SetWindowPos(hwnd_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top + missing,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    RECT described;
    GetWindowRect(hwnd_, &described);
    smallestFrame_ = {described.right - described.left, described.bottom - described.top};
}

void Win32Window::BuildToolTips() {
    toolTip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    for (const Child& child : children_) {
        if (child.hwnd != nullptr && !child.described->tooltip.empty()) {
            SetToolTip(child.described->name, child.described->tooltip);
        }
    }
}

// The tooltip is the control's description for a screen reader too, unless
// the form describes it (a path box's tooltip shows its whole path, while its
// description stays what the form says).
void Win32Window::SetToolTip(const std::string& control, const std::string& text) {
    Child& child = ChildNamed(control);
    if (child.described->tooltip.empty()) child.accessible.description = text;
    if (toolTip_ == nullptr || child.hwnd == nullptr) return;
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;  // accepted by every version of the control
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = hwnd_;
    tool.uId = reinterpret_cast<UINT_PTR>(child.hwnd);
    SendMessageW(toolTip_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    if (text.empty()) return;
    std::wstring copy = Wide(text);
    tool.lpszText = copy.data();
    SendMessageW(toolTip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

}  // namespace brisel::platform::win32
