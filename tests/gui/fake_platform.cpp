#include "tests/gui/fake_platform.h"

#include <stdexcept>

namespace brisel::testing {
namespace {

const char* IconName(platform::MessageIcon icon) {
    switch (icon) {
        case platform::MessageIcon::Error:
            return "error";
        case platform::MessageIcon::Warning:
            return "warning";
        case platform::MessageIcon::Information:
            return "information";
        case platform::MessageIcon::None:
            break;
    }
    return "none";
}

}  // namespace

std::string MessageEntry(const std::string& title, const std::string& text, platform::MessageIcon icon) {
    return "message [" + title + "] [" + IconName(icon) + "] " + text;
}

FakeWindow::FakeWindow(const platform::FormDescription& form, Log& log) : name_(form.name), log_(log) {
    caption_ = form.caption;
    for (const platform::ControlDescription& control : form.controls) {
        texts_[control.name] = control.caption;
        toolTips_[control.name] = control.tooltip;
        enabled_[control.name] = true;
        visible_[control.name] = control.visible;
    }
    for (const platform::MenuDescription& menu : form.menus) {
        for (const platform::MenuDescription& item : menu.items) enabled_[item.name] = item.enabled;
    }
}

void FakeWindow::On(const std::string& control, platform::Event event, platform::Handler handler) {
    handlers_[{control, event}] = std::move(handler);
}

std::string FakeWindow::Text(const std::string& control) const { return texts_.at(control); }

void FakeWindow::SetText(const std::string& control, const std::string& text) {
    texts_.at(control) = text;
    Record("text " + control + " [" + text + "]");
}

void FakeWindow::SetToolTip(const std::string& control, const std::string& text) { toolTips_.at(control) = text; }

void FakeWindow::SetEnabled(const std::string& control, bool enabled) {
    enabled_.at(control) = enabled;
    Record(std::string(enabled ? "enable " : "disable ") + control);
}

void FakeWindow::SetVisible(const std::string& control, bool visible) {
    visible_.at(control) = visible;
    Record(std::string(visible ? "show " : "hide ") + control);
}

void FakeWindow::SetFocus(const std::string& control) {
    texts_.at(control);  // must exist
    focus_ = control;
    Record("focus " + control);
}

void FakeWindow::SelectAll(const std::string& control) {
    texts_.at(control);  // must exist
    Record("select " + control);
}

void FakeWindow::Repaint(const std::string& control) { Record("repaint " + control); }

void FakeWindow::SetCaption(const std::string& caption) { caption_ = caption; }

void FakeWindow::SetPointer(platform::Pointer pointer) {
    pointer_ = pointer;
    Record(pointer == platform::Pointer::Hourglass ? "pointer hourglass" : "pointer default");
}

void FakeWindow::Show() {
    ++shows_;
    Record("show window " + name_);
}

void FakeWindow::ShowBeside(const platform::Window& anchor) {
    ++shows_;
    Record("show window " + name_ + " beside " + dynamic_cast<const FakeWindow&>(anchor).Name());
}

void FakeWindow::Close() {
    if (closed_) return;
    closed_ = true;
    Record("close window " + name_);
    Fire(name_, platform::Event::Unload);
}

void FakeWindow::RequestClose() {
    if (!closeQuery_ || closeQuery_()) Close();
}

void FakeWindow::MoveFocusTo(const std::string& control) {
    const std::string left = focus_;
    focus_ = control;
    if (!left.empty() && left != control) Fire(left, platform::Event::LostFocus);
}

void FakeWindow::Click(const std::string& control) { Fire(control, platform::Event::Click); }

void FakeWindow::Fire(const std::string& control, platform::Event event) {
    const auto found = handlers_.find({control, event});
    if (found != handlers_.end()) {
        const platform::Handler handler = found->second;
        handler();
    }
}

std::string FakeWindow::ToolTip(const std::string& control) const { return toolTips_.at(control); }
bool FakeWindow::Enabled(const std::string& control) const { return enabled_.at(control); }
bool FakeWindow::Visible(const std::string& control) const { return visible_.at(control); }

std::unique_ptr<platform::Window> FakePlatform::CreateForm(const platform::FormDescription& form) {
    auto window = std::make_unique<FakeWindow>(form, log);
    windows_[form.name] = window.get();
    ++formsCreated;
    return window;
}

std::optional<platform::FileChoice> FakePlatform::ChooseFile(const platform::FileDialogRequest& request) {
    dialogsShown.push_back(request);
    if (dialogAnswers.empty()) throw std::logic_error("no dialog answer scripted");
    const DialogAnswer answer = dialogAnswers.front();
    dialogAnswers.pop_front();
    if (answer.outcome != DialogAnswer::Choose) return std::nullopt;
    return platform::FileChoice{answer.fileName, platform::FileTitleOf(answer.fileName)};
}

void FakePlatform::ShowMessage(const std::string& text, const std::string& title, platform::MessageIcon icon) {
    log.push_back(MessageEntry(title, text, icon));
    if (whileMessageShows) whileMessageShows();
}

platform::TaskId FakePlatform::StartProgram(const std::string& commandLine) {
    log.push_back("start [" + commandLine + "]");
    if (startFails || commandLine.empty()) throw std::runtime_error("cannot start");
    return 4711;
}

platform::ClipboardResult FakePlatform::SetClipboardText(const std::string& text) {
    log.push_back("clipboard [" + text + "]");
    if (clipboardResult == platform::ClipboardResult::Copied) clipboard = text;
    return clipboardResult;
}

void FakePlatform::BringToFront(platform::TaskId task) { log.push_back("front " + std::to_string(task)); }

void FakePlatform::ShellOpen(const platform::Window*, const std::string& target, platform::OpenDone done) {
    log.push_back("shell [" + target + "]");
    if (deferShellResults) {
        pendingShellOpens.push_back(std::move(done));
        return;
    }
    done(shellResult);
}

void FakePlatform::FinishShellOpens() {
    std::vector<platform::OpenDone> pending;
    pending.swap(pendingShellOpens);
    for (const platform::OpenDone& done : pending) done(shellResult);
}

bool FakePlatform::IsWritableFolder(const std::string& folder) const {
    for (const std::string& unwritable : unwritableFolders) {
        if (unwritable == folder) return false;
    }
    return true;
}

bool FakePlatform::IsOrdinaryFile(const std::string& path) const {
    for (const std::string& file : ordinaryFiles) {
        if (file == path) return true;
    }
    return false;
}

FakeWindow& FakePlatform::LastWindow(const std::string& formName) { return *windows_.at(formName); }

Log FakePlatform::Entries(const std::string& prefix) const {
    Log matching;
    for (const std::string& entry : log) {
        if (entry.rfind(prefix, 0) == 0) matching.push_back(entry);
    }
    return matching;
}

}  // namespace brisel::testing
