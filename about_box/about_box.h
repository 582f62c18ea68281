#pragma once
// frmAbout: title, version, notices, the maker's links and the disclaimer.
// Modeless, and never more than one.

#include <memory>
#include <string>

#include "platform/lifetime.h"
#include "platform/platform.h"

namespace brisel::about_box {

class AboutBox {
public:
    explicit AboutBox(platform::Platform& platform) : platform_(platform) {}

    // Help > About: loads the box when it is not loaded, fills it with the
    // main window's texts and shows it beside the main window, or brings it
    // to the front.
    void Open(const std::string& AppVersion, const std::string& Disclaimer, const platform::Window& mainWindow);
    bool IsLoaded() const { return form_ && form_->IsLoaded(); }
    platform::Window* Form() { return IsLoaded() ? form_.get() : nullptr; }

    // Event handlers.
    void Form_Load();
    void cmdOK_Click();
    void cmdSysInfo_Click();
    void lblWSurl_Click();
    void lblEMadd_Click();

private:
    void Load();
    void ConnectHandlers();
    void OpenLink(const std::string& target, const char* failureText);

    platform::Platform& platform_;
    std::unique_ptr<platform::Window> form_;
    platform::Lifetime lifetime_;
};

}  // namespace brisel::about_box
