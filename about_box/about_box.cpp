#include "about_box/about_box.h"

#include "about_box/about_form.h"
#include "about_box/application_record.h"
#include "about_box/system_info.h"
#include "brisel_version.h"
#include "messages/window_texts.h"

namespace brisel::about_box {

void AboutBox::Open(const std::string& AppVersion, const std::string& Disclaimer, const platform::Window& mainWindow) {
    Load();
    form_->SetCaption(messages::AboutCaption(application::kTitle));
    form_->SetText("lblTitle", application::kTitle);
    form_->SetText("lblVersion", messages::VersionCaption(AppVersion));
    form_->SetText("lblDescription", CopyrightTwoLines());
    form_->SetText("txtDisclaimer", Disclaimer);
    form_->ShowBeside(mainWindow);
}

// A box closed by the user is discarded only here, never inside one of its
// own event handlers.
void AboutBox::Load() {
    if (IsLoaded()) return;
    form_.reset();
    form_ = platform_.CreateForm(AboutForm());
    ConnectHandlers();
    Form_Load();
}

void AboutBox::ConnectHandlers() {
    using platform::Event;
    form_->On("cmdOK", Event::Click, [this] { cmdOK_Click(); });
    form_->On("cmdSysInfo", Event::Click, [this] { cmdSysInfo_Click(); });
    form_->On("lblWSurl", Event::Click, [this] { lblWSurl_Click(); });
    form_->On("lblEMadd", Event::Click, [this] { lblEMadd_Click(); });
}

void AboutBox::Form_Load() {
    form_->SetCaption(messages::AboutCaption(application::kTitle));
    form_->SetText("lblVersion", messages::VersionCaption(version::kNumbers));
    form_->SetText("lblTitle", application::kTitle);
}

void AboutBox::cmdOK_Click() { form_->Close(); }

void AboutBox::cmdSysInfo_Click() { StartSysInfo(platform_); }

void AboutBox::lblWSurl_Click() { OpenLink(form_->Text("lblWSurl"), messages::kBrowserFailed); }

void AboutBox::lblEMadd_Click() { OpenLink("Mailto:" + form_->Text("lblEMadd"), messages::kMailFailed); }

// The browser or mail program reports back later; both windows stay usable
// meanwhile.
void AboutBox::OpenLink(const std::string& target, const char* failureText) {
    platform_.ShellOpen(form_.get(), target, lifetime_.Guard([this, failureText](platform::OpenResult result) {
        if (result == platform::OpenResult::Opened) return;
        platform_.Beep();
        platform_.ShowMessage(failureText, messages::kExecutionErrorTitle, platform::MessageIcon::Error);
    }));
}

}  // namespace brisel::about_box
