#pragma once
// A platform that records what the windows do and answers as a test says.
// Everything observable goes to one log, in order, so that tests can check
// sequences ("beep" before "message", busy before idle).

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "tests/gui/fake_registry.h"

namespace brisel::testing {

using Log = std::vector<std::string>;

class FakeWindow final : public platform::Window {
public:
    FakeWindow(const platform::FormDescription& form, Log& log);

    void On(const std::string& control, platform::Event event, platform::Handler handler) override;
    void OnDrop(platform::DropHandler handler) override { dropHandler_ = std::move(handler); }
    void OnQueryUnload(platform::CloseQuery query) override { closeQuery_ = std::move(query); }
    std::string Text(const std::string& control) const override;
    void SetText(const std::string& control, const std::string& text) override;
    void SetToolTip(const std::string& control, const std::string& text) override;
    void SetEnabled(const std::string& control, bool enabled) override;
    void SetVisible(const std::string& control, bool visible) override;
    void SetFocus(const std::string& control) override;
    void SelectAll(const std::string& control) override;
    void Repaint(const std::string& control) override;
    void SetCaption(const std::string& caption) override;
    void SetPointer(platform::Pointer pointer) override;
    void Show() override;
    void ShowBeside(const platform::Window& anchor) override;
    void Close() override;
    bool IsLoaded() const override { return !closed_; }

    // What the user does: typing changes the text only; moving the focus to
    // another control runs the lost-focus handler of the one left.
    void Type(const std::string& control, const std::string& text) { texts_[control] = text; }
    void MoveFocusTo(const std::string& control);
    void Click(const std::string& control);
    void Drop(const std::string& control, const std::string& path) {
        if (dropHandler_) dropHandler_(control, path);
    }
    void Fire(const std::string& control, platform::Event event);
    // The user's close button: the window asks first, and closes if it may.
    void RequestClose();
    // The desktop session ends: logging off.
    void EndSession() { Fire(name_, platform::Event::SessionEnd); }

    std::string ToolTip(const std::string& control) const;
    bool Enabled(const std::string& control) const;
    bool Visible(const std::string& control) const;
    const std::string& Name() const { return name_; }
    const std::string& Focus() const { return focus_; }
    const std::string& Caption() const { return caption_; }
    platform::Pointer Pointer() const { return pointer_; }
    int ShowCount() const { return shows_; }

private:
    void Record(const std::string& entry) { log_.push_back(entry); }

    std::string name_;
    Log& log_;
    std::map<std::string, std::string> texts_;
    std::map<std::string, std::string> toolTips_;
    std::map<std::string, bool> enabled_;
    std::map<std::string, bool> visible_;
    std::map<std::pair<std::string, platform::Event>, platform::Handler> handlers_;
    platform::DropHandler dropHandler_;
    platform::CloseQuery closeQuery_;
    std::string focus_;
    std::string caption_;
    platform::Pointer pointer_ = platform::Pointer::Default;
    int shows_ = 0;
    bool closed_ = false;
};

// How the next file dialog ends.
struct DialogAnswer {
    enum Outcome { Choose, Cancel };
    Outcome outcome = Cancel;
    std::string fileName;
};

class FakePlatform final : public platform::Platform {
public:
    std::unique_ptr<platform::Window> CreateForm(const platform::FormDescription& form) override;
    std::optional<platform::FileChoice> ChooseFile(const platform::FileDialogRequest& request) override;
    void ShowMessage(const std::string& text, const std::string& title, platform::MessageIcon icon) override;
    void CloseMessageBoxes() override { log.push_back("close message boxes"); }
    void Beep() override { log.push_back("beep"); }
    platform::ClipboardResult SetClipboardText(const std::string& text) override;
    platform::TaskId StartProgram(const std::string& commandLine) override;
    void BringToFront(platform::TaskId task) override;
    void ShellOpen(const platform::Window* owner, const std::string& target, platform::OpenDone done) override;
    // Tells the shell opens held back (deferShellResults) how they ended.
    void FinishShellOpens();
    platform::TextViewer HelpViewer() const override { return helpViewer; }
    platform::Registry& SystemRegistry() override { return registry; }
    std::string ProgramFolder() const override { return programFolder; }
    std::string CurrentFolder() const override { return currentFolder; }
    std::string DocumentsFolder() const override { return documentsFolder; }
    bool IsWritableFolder(const std::string& folder) const override;
    bool IsOrdinaryFile(const std::string& path) const override;
    void Quit() override { log.push_back("quit"); }

    FakeWindow& LastWindow(const std::string& formName);
    // The log entries that start with prefix, in order.
    Log Entries(const std::string& prefix) const;

    Log log;
    std::string programFolder = "/opt/brisel";
    std::string currentFolder = "/home/pat/boards";
    std::string documentsFolder = "/home/pat/Documents";
    std::vector<std::string> unwritableFolders;
    platform::TextViewer helpViewer = platform::TextViewer::ShellDefault;
    // Runs while each message box shows, as the user or the desktop may act
    // then.
    std::function<void()> whileMessageShows;
    std::deque<DialogAnswer> dialogAnswers;
    std::vector<platform::FileDialogRequest> dialogsShown;
    platform::OpenResult shellResult = platform::OpenResult::Opened;
    bool deferShellResults = false;
    std::vector<platform::OpenDone> pendingShellOpens;
    bool startFails = false;
    std::vector<std::string> ordinaryFiles;
    std::string clipboard;
    platform::ClipboardResult clipboardResult = platform::ClipboardResult::Copied;
    FakeRegistry registry;
    int formsCreated = 0;

private:
    std::map<std::string, FakeWindow*> windows_;
};

std::string MessageEntry(const std::string& title, const std::string& text, platform::MessageIcon icon);

}  // namespace brisel::testing
