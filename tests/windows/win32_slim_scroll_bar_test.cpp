// The slim scroll bar of a multi-line box too short for the standard one.

#include <gtest/gtest.h>
#include <windows.h>

#include "platform/win32/win32_ids.h"
#include "platform/win32/win32_slim_scroll_bar.h"
#include "platform/win32/win32_window.h"

namespace brisel::platform::win32 {
namespace {

constexpr const char* kNineLines = "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9";

// A read-only box as wide as the About box's disclaimer, at 96 dpi.
FormDescription FormWithBox(int heightTwips) {
    FormDescription form{.name = "frmTest", .caption = "Test", .clientWidth = 4500, .clientHeight = 3000};
    form.controls.push_back({.kind = ControlKind::TextBox,
                             .name = "txtBox",
                             .bounds = {.left = 240, .top = 240, .width = 3855, .height = heightTwips},
                             .tabIndex = 0,
                             .multiLine = true,
                             .verticalScrollBar = true,
                             .readOnly = true});
    return form;
}

SCROLLBARINFO InfoOf(HWND bar) {
    SCROLLBARINFO info{};
    info.cbSize = sizeof info;
    EXPECT_TRUE(GetScrollBarInfo(bar, OBJID_CLIENT, &info));
    return info;
}

class ShortBox : public testing::Test {
protected:
    ShortBox() { window_.SetText("txtBox", kNineLines); }
    HWND Box() const { return GetDlgItem(window_.Handle(), ControlId(0)); }
    HWND Bar() const { return FindWindowExW(Box(), nullptr, kSlimScrollBarClass, nullptr); }
    int FirstLine() const { return static_cast<int>(SendMessageA(Box(), EM_GETFIRSTVISIBLELINE, 0, 0)); }

    Win32Window window_{FormWithBox(855), 96, nullptr};
};

TEST_F(ShortBox, HasAThumbShorterThanItsBarThatFollowsTheText) {
    EXPECT_EQ(GetWindowLongA(Box(), GWL_STYLE) & WS_VSCROLL, 0);
    ASSERT_NE(Bar(), nullptr);
    RECT client;
    GetClientRect(Box(), &client);
    SCROLLBARINFO info = InfoOf(Bar());
    EXPECT_EQ(info.rcScrollBar.bottom - info.rcScrollBar.top, client.bottom);
    EXPECT_EQ(info.dxyLineButton, 0);
    EXPECT_EQ(info.xyThumbTop, 0);
    EXPECT_GT(info.xyThumbBottom, client.bottom / 4);
    EXPECT_LT(info.xyThumbBottom, client.bottom / 2);
    SendMessageA(Box(), EM_LINESCROLL, 0, 100);
    info = InfoOf(Bar());
    EXPECT_EQ(info.xyThumbBottom, client.bottom);
    EXPECT_GT(info.xyThumbTop, client.bottom / 2);
}

TEST_F(ShortBox, APressBelowTheThumbTurnsAPageAndTheThumbAndTheWheelScroll) {
    ASSERT_NE(Bar(), nullptr);
    const SCROLLBARINFO info = InfoOf(Bar());
    SendMessageA(Bar(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, info.xyThumbBottom + 2));
    SendMessageA(Bar(), WM_LBUTTONUP, 0, MAKELPARAM(2, info.xyThumbBottom + 2));
    EXPECT_EQ(FirstLine(), 3);
    const SCROLLBARINFO paged = InfoOf(Bar());
    SendMessageA(Bar(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, paged.xyThumbTop + 1));
    SendMessageA(Bar(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(2, 1));
    SendMessageA(Bar(), WM_LBUTTONUP, 0, MAKELPARAM(2, 1));
    EXPECT_EQ(FirstLine(), 0);
    SendMessageA(Bar(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);  // the wheel turned towards the user
    EXPECT_GT(FirstLine(), 0);
}

TEST(TallBox, KeepsTheStandardScrollBar) {
    Win32Window window(FormWithBox(2000), 96, nullptr);
    HWND box = GetDlgItem(window.Handle(), ControlId(0));
    EXPECT_NE(GetWindowLongA(box, GWL_STYLE) & WS_VSCROLL, 0);
    EXPECT_EQ(FindWindowExW(box, nullptr, kSlimScrollBarClass, nullptr), nullptr);
}

}  // namespace
}  // namespace brisel::platform::win32
