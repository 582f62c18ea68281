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
    // lines and shows it beside `mainWindow`, or brings it to the front.
    void Open(const std::vector<std::string>& lines, const platform::Window& mainWindow);
    // Lists a newer conversion's lines in the window if it is open; without
    // any, the window says that there were none.
    void Update(const std::vector<std::string>& lines);
    // Goes with the main window.
    void Close();
    bool IsLoaded() const { return form_ && form_->IsLoaded(); }
    platform::Window* Form() { return IsLoaded() ? form_.get() : nullptr; }

    // Event handlers.
    void cmdCopy_Click();
    void cmdClose_Click();

private:
    void Load();
    void ConnectHandlers();
    void List(const std::vector<std::string>& lines);
    void ReportCopyFailure(platform::ClipboardResult result);

    platform::Platform& platform_;
    std::unique_ptr<platform::Window> form_;
    std::vector<std::string> lines_;
};

}  // namespace brisel::problems_window
