#pragma once
// The platform on the Win32 API: Unicode windows and calls, UTF-8 texts.

#include <windows.h>

#include "platform/platform.h"
#include "platform/win32/win32_registry.h"

namespace brisel::platform::win32 {

class Win32Platform final : public Platform {
public:
    Win32Platform();
    ~Win32Platform() override;

    std::unique_ptr<Window> CreateForm(const FormDescription& form) override;
    std::optional<FileChoice> ChooseFile(const FileDialogRequest& request) override;
    void ShowMessage(const std::string& text, const std::string& title, MessageIcon icon) override;
    void CloseMessageBoxes() override;
    void Beep() override;
    ClipboardResult SetClipboardText(const std::string& text) override;
    TaskId StartProgram(const std::string& commandLine) override;
    void BringToFront(TaskId task) override;
    void ShellOpen(const Window* owner, const std::string& target, OpenDone done) override;
    TextViewer HelpViewer() const override { return TextViewer::Notepad; }
    Registry& SystemRegistry() override { return registry_; }
    std::string ProgramFolder() const override;
    std::string CurrentFolder() const override;
    std::string DocumentsFolder() const override;
    bool IsWritableFolder(const std::string& folder) const override;
    bool IsOrdinaryFile(const std::string& path) const override;
    void Quit() override;

    // The message loop; returns when the last window has closed.
    int Run();

private:
    HWND hiddenOwner_ = nullptr;
    bool comInitialized_ = false;
    Win32Registry registry_;
};

// What a ShellExecute result means: above 32 started, up to 32 an error.
OpenResult OpenResultOf(INT_PTR shellResult);

// The folder of a full file name: without its trailing backslash, except for
// a drive's root ("C:\").
std::string FolderOf(const std::string& fileName);

}  // namespace brisel::platform::win32
