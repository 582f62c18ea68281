#include "problems_window/problems_window.h"

#include "messages/messages.h"
#include "messages/window_texts.h"
#include "problems_window/problems_form.h"

namespace brisel::problems_window {
namespace {

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        if (!text.empty()) text += "\r\n";
        text += line;
    }
    return text;
}

}  // namespace

void ProblemsWindow::Open(const std::vector<std::string>& lines, const platform::Window& mainWindow) {
    Load();
    List(lines);
    form_->ShowBeside(mainWindow);
    form_->SetFocus("txtProblems");
}

void ProblemsWindow::Update(const std::vector<std::string>& lines) {
    if (IsLoaded()) List(lines);
}

void ProblemsWindow::Close() {
    if (IsLoaded()) form_->Close();
}

void ProblemsWindow::List(const std::vector<std::string>& lines) {
    lines_ = lines;
    form_->SetText("txtProblems", lines.empty() ? messages::kNoProblemsFound : Joined(lines));
}

// A window closed by the user is discarded only here, never inside one of
// its own event handlers.
void ProblemsWindow::Load() {
    if (IsLoaded()) return;
    form_.reset();
    form_ = platform_.CreateForm(ProblemsForm());
    ConnectHandlers();
}

void ProblemsWindow::ConnectHandlers() {
    using platform::Event;
    form_->On("cmdCopy", Event::Click, [this] { cmdCopy_Click(); });
    form_->On("cmdClose", Event::Click, [this] { cmdClose_Click(); });
}

// Every line, each with its line end, whatever part of the list is selected;
// nothing when there are none.
void ProblemsWindow::cmdCopy_Click() {
    const std::string text = Joined(lines_);
    const platform::ClipboardResult result = platform_.SetClipboardText(text.empty() ? text : text + "\r\n");
    if (result != platform::ClipboardResult::Copied) ReportCopyFailure(result);
}

// In a box of its own titled as the window, without a beep.
void ProblemsWindow::ReportCopyFailure(platform::ClipboardResult result) {
    const char* text = result == platform::ClipboardResult::NoMemory ? messages::kCopyNoMemory : messages::kCopyRefused;
    platform_.ShowMessage(text, ProblemsForm().caption, platform::MessageIcon::Error);
}

void ProblemsWindow::cmdClose_Click() { form_->Close(); }

}  // namespace brisel::problems_window
