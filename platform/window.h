#pragma once
// A window built from a FormDescription. Controls and menu items are addressed by
// their names; the window reports clicks, lost focus, its own unloading and
// the end of the desktop session, and asks before it is closed.

#include <functional>
#include <string>

namespace brisel::platform {

enum class Pointer { Default, Hourglass };

enum class Event {
    Click,      // a button, a menu item or a label was clicked
    LostFocus,  // the focus moved from this control to another of the window
    Unload,     // the window is being closed, by the program or the user
    // The desktop session ends (logging off, shutting down): the program is
    // ended as soon as the handlers return, whatever it was doing.
    SessionEnd,
};

using Handler = std::function<void()>;
// Asked before the user or the desktop (logging off) closes the window, not
// before Close(): false keeps it open for now.
using CloseQuery = std::function<bool()>;
// A file dropped on the window: the control under it (empty elsewhere) and
// the file's full path.
using DropHandler = std::function<void(const std::string& control, const std::string& path)>;

class Window {
public:
    virtual ~Window() = default;

    // Unload is reported under the form's own name.
    virtual void On(const std::string& control, Event event, Handler handler) = 0;
    // Accepts files dropped on the window from then on.
    virtual void OnDrop(DropHandler handler) = 0;
    virtual void OnQueryUnload(CloseQuery query) = 0;

    virtual std::string Text(const std::string& control) const = 0;
    virtual void SetText(const std::string& control, const std::string& text) = 0;
    virtual void SetToolTip(const std::string& control, const std::string& text) = 0;
    // Controls and menu items alike.
    virtual void SetEnabled(const std::string& control, bool enabled) = 0;
    virtual void SetVisible(const std::string& control, bool visible) = 0;
    virtual void SetFocus(const std::string& control) = 0;
    // Selects the whole text of a text box, so that typing replaces it.
    virtual void SelectAll(const std::string& control) = 0;
    // Paints the control at once, without waiting for the event loop.
    virtual void Repaint(const std::string& control) = 0;

    virtual void SetCaption(const std::string& caption) = 0;
    virtual void SetPointer(Pointer pointer) = 0;

    // Shows the window without a modal loop, centred on the screen the first
    // time; brings it to the front when it already shows.
    virtual void Show() = 0;
    // Shows it the same way, beside `anchor` the first time (see
    // PlaceBeside), made small enough for the screen if it is sizable.
    virtual void ShowBeside(const Window& anchor) = 0;
    virtual void Close() = 0;
    // False once the window has been closed.
    virtual bool IsLoaded() const = 0;
};

}  // namespace brisel::platform
