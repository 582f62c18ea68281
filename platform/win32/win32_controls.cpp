#include "platform/win32/win32_controls.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "platform/twips.h"
#include "platform/win32/win32_resources.h"
#include "platform/win32/win32_slim_scroll_bar.h"
#include "platform/win32/win32_text.h"

namespace brisel::platform::win32 {
namespace {

DWORD LabelStyle(const ControlDescription& control) {
    // SS_NOTIFY makes labels report clicks and receive the mouse for tooltips.
    DWORD style = SS_NOTIFY | SS_NOPREFIX;
    if (IsLink(control)) style |= WS_TABSTOP;
    style |= control.align == TextAlign::Centre ? SS_CENTER : SS_LEFT;
    if (!control.wordWrap && control.align != TextAlign::Centre) style |= SS_LEFTNOWORDWRAP;
    return style;
}

// A box too short for the standard vertical scroll bar gets the slim one,
// a child window that the box must not paint over.
DWORD TextBoxStyle(const ControlDescription& control, int height) {
    DWORD style = WS_TABSTOP;
    if (control.multiLine) {
        style |= ES_MULTILINE | ES_AUTOVSCROLL;
        if (control.verticalScrollBar) style |= FitsStandardScrollBar(height) ? WS_VSCROLL : WS_CLIPCHILDREN;
        if (control.horizontalScrollBar) style |= WS_HSCROLL | ES_AUTOHSCROLL;
    } else {
        style |= ES_AUTOHSCROLL;
    }
    if (control.readOnly) style |= ES_READONLY;
    return style;
}

struct WindowKind {
    const wchar_t* className;
    DWORD style;
    DWORD exStyle;
};

WindowKind KindOf(const ControlDescription& control, int height) {
    switch (control.kind) {
        case ControlKind::Label:
            return {L"STATIC", LabelStyle(control), 0};
        case ControlKind::TextBox:
            return {L"EDIT", TextBoxStyle(control, height), WS_EX_CLIENTEDGE};
        case ControlKind::Button:
            return {L"BUTTON", static_cast<DWORD>(WS_TABSTOP | (control.isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON)),
                    0};
        case ControlKind::PictureBox:
            return {L"STATIC", SS_ICON | SS_NOTIFY, 0};
        case ControlKind::Line:
            break;
    }
    return {L"STATIC", 0, 0};
}

void SetPicture(HWND control, const ControlDescription& described) {
    if (described.picture != ImageName::kIcon32) return;
    auto* icon = static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(BRISEL_IDI_PROGRAM), IMAGE_ICON, 32, 32, LR_SHARED));
    SendMessageW(control, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
}

SIZE TextSize(HWND control, const std::string& text, int wrapWidth) {
    HDC dc = GetDC(control);
    auto* font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
    HGDIOBJ old = SelectObject(dc, font != nullptr ? font : GetStockObject(DEFAULT_GUI_FONT));
    RECT box{0, 0, wrapWidth > 0 ? wrapWidth : 0, 0};
    UINT format = DT_CALCRECT | DT_NOPREFIX | (wrapWidth > 0 ? DT_WORDBREAK : DT_SINGLELINE);
    if (text.empty()) format |= DT_SINGLELINE;
    DrawTextW(dc, text.empty() ? L" " : Wide(text).c_str(), -1, &box, format);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return {text.empty() ? 0 : box.right, box.bottom};
}

}  // namespace

HFONT CreateFormFont(const FontDescription& font, int dpi) {
    const int height = -static_cast<int>(std::lround(font.points * dpi / 72.0));
    return CreateFontW(height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, FALSE, font.underline ? TRUE : FALSE, FALSE,
                       DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_SWISS, Wide(font.family).c_str());
}

RECT ControlRect(const ControlDescription& control, int dpi) {
    const int x1 = TwipsToPixels(control.bounds.left, dpi);
    const int y1 = TwipsToPixels(control.bounds.top, dpi);
    if (control.kind == ControlKind::Line) {
        const int x2 = TwipsToPixels(control.bounds.left + control.bounds.width, dpi);
        const int y2 = TwipsToPixels(control.bounds.top + control.bounds.height, dpi);
        return {std::min(x1, x2), std::min(y1, y2), std::max(x1, x2) + control.lineWidthPixels,
                std::max(y1, y2) + control.lineWidthPixels};
    }
    return {x1, y1, x1 + TwipsToPixels(control.bounds.width, dpi), y1 + TwipsToPixels(control.bounds.height, dpi)};
}

HWND CreateControlWindow(const ControlDescription& control, HWND parent, int id, int dpi) {
    const RECT rect = ControlRect(control, dpi);
    const WindowKind kind = KindOf(control, rect.bottom - rect.top);
    const DWORD visible = control.visible ? WS_VISIBLE : 0;
    HWND window =
        CreateWindowExW(kind.exStyle, kind.className, Wide(control.caption).c_str(), WS_CHILD | visible | kind.style,
                        rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    if (control.kind == ControlKind::PictureBox) SetPicture(window, control);
    return window;
}

void FitToContent(HWND control, const ControlDescription& described) {
    if (!described.autoSize || described.kind != ControlKind::Label) return;
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(HWND_DESKTOP, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    const std::string text = WindowText(control);
    const int width = rect.right - rect.left;
    const SIZE size = TextSize(control, text, described.wordWrap ? width : 0);
    SetWindowPos(control, nullptr, 0, 0, described.wordWrap ? width : size.cx, size.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool WantsSlimScrollBar(HWND control, const ControlDescription& described) {
    return described.multiLine && described.verticalScrollBar && (GetWindowLongW(control, GWL_STYLE) & WS_VSCROLL) == 0;
}

bool IsLink(const ControlDescription& control) {
    return control.kind == ControlKind::Label && control.cursor == CursorKind::PointingHand;
}

bool IsTransparentLabel(const ControlDescription& control) {
    return control.kind == ControlKind::Label || control.kind == ControlKind::PictureBox;
}

}  // namespace brisel::platform::win32
