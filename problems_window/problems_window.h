#pragma once
// frmProblems: every problem the last conversion found, one a line where it
// stands in the source, with a button that copies them all. Modeless,
// resizable, and never more than one.

#include <memory>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace brisel::problems_window {

class ProblemsWindow {
public:
    explicit ProblemsWindow(platform::Platform& platform) : platform_(platform) {}

    // File > Problems...: loads the window when it is not loaded, lists the
    // lines and shows it, or brings it to the front.
    void Open(const std::vector<std::string>& lines);
    // Lists a newer conversion's lines in the window if it is open.
    void Update(const std::vector<std::string>& lines);
    bool IsLoaded() const { return form_ && form_->IsLoaded(); }
    platform::Window* Form() { return IsLoaded() ? form_.get() : nullptr; }

    // Event handlers.
    void cmdCopy_Click();
    void cmdClose_Click();

private:
    void Load();
    void ConnectHandlers();

    platform::Platform& platform_;
    std::unique_ptr<platform::Window> form_;
};

}  // namespace brisel::problems_window
