#pragma once
// A form built from its description as a Win32 top-level window with child
// controls, a menu bar, an accelerator table and tooltips.

#include <windows.h>

#include <shellapi.h>

#include <map>
#include <utility>
#include <vector>

#include "platform/form.h"
#include "platform/win32/win32_accessible.h"
#include "platform/window.h"

namespace brisel::platform::win32 {

class Win32Window final : public Window {
public:
    Win32Window(const FormDescription& form, int dpi, HWND hiddenOwner);
    ~Win32Window() override;
    Win32Window(const Win32Window&) = delete;
    Win32Window& operator=(const Win32Window&) = delete;

    void On(const std::string& control, Event event, Handler handler) override;
    void OnDrop(DropHandler handler) override;
    void OnQueryUnload(CloseQuery query) override { closeQuery_ = std::move(query); }
    std::string Text(const std::string& control) const override;
    void SetText(const std::string& control, const std::string& text) override;
    void SetToolTip(const std::string& control, const std::string& text) override;
    void SetEnabled(const std::string& control, bool enabled) override;
    void SetVisible(const std::string& control, bool visible) override;
    void SetFocus(const std::string& control) override;
    void SelectAll(const std::string& control) override;
    void Repaint(const std::string& control) override;
    void SetCaption(const std::string& caption) override;
    void SetPointer(Pointer pointer) override;
    void Show() override;
    void ShowBeside(const Window& anchor) override;
    void Close() override;
    bool IsLoaded() const override { return hwnd_ != nullptr; }

    HWND Handle() const { return hwnd_; }
    // Keyboard handling of the message loop: accelerators, then Tab, Enter,
    // Esc and access keys. True when the message was used up.
    bool PreTranslate(MSG& message);
    // Keeps the default button's heavy frame as the dialog manager does: on
    // a focused button, otherwise on the form's default button.
    void FollowFocus();

    // The form that owns a top-level window, or null.
    static Win32Window* FromHandle(HWND hwnd);
    static void RegisterClass();
    // Every form window still open, for the message loop and Quit.
    static std::vector<Win32Window*> OpenWindows();

private:
    struct Child {
        const ControlDescription* described;
        HWND hwnd;  // null for lines, which the form paints itself
        HBRUSH background = nullptr;
        AccessibleText accessible{};
    };

    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

    void BuildFrame(HWND hiddenOwner);
    void BuildControls();
    void OrderForTheKeyboard();
    void ServeTheKeyboardAndScreenReaders();
    void BuildMenus();
    void BuildToolTips();
    void PaintBackground(HDC dc);
    LRESULT ColourStatic(HDC dc, HWND control);
    bool SetCursorFor(HWND control, WORD hitTest);
    void OnCommand(int id, int code, HWND control);
    void OnActivate(bool active);
    void OnDestroy();
    void OnClose();
    void FollowClientSize(int width, int height);
    void LimitFrameSize(MINMAXINFO& limits) const;
    void PlaceBeside(HWND anchor);
    // The free area of the monitor that shows most of the window.
    static RECT WorkAreaOf(HWND window);
    void OnDropFiles(HDROP drop);
    void PressButton(const Child& button);
    void MoveFocus(WPARAM wParam, bool given);
    void RedrawUnder(HWND control, bool now);

    const Child& ChildNamed(const std::string& name) const;
    Child& ChildNamed(const std::string& name);
    const Child* ChildWithId(int id) const;
    const Child* ChildWithHandle(HWND hwnd) const;
    const ControlDescription* DescribedButton(bool cancel) const;
    void Fire(const std::string& name, Event event);

    FormDescription form_;
    int dpi_;
    HWND hwnd_ = nullptr;
    HWND toolTip_ = nullptr;
    HACCEL accelerators_ = nullptr;
    HBITMAP background_ = nullptr;
    HFONT windowFont_ = nullptr;
    std::vector<HFONT> fonts_;
    std::vector<Child> children_;
    std::map<int, std::string> menuItems_;
    std::map<std::pair<std::string, Event>, Handler> handlers_;
    SIZE smallestFrame_{};  // the frame of the described client size, or less once opened smaller
    DropHandler dropHandler_;
    CloseQuery closeQuery_;
    HWND lastFocus_ = nullptr;
    HWND framedButton_ = nullptr;
    bool hourglass_ = false;
    bool placed_ = false;
};

}  // namespace brisel::platform::win32
