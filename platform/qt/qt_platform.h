#pragma once
// The platform on Qt 6 Widgets, for Linux and other desktops without a
// registry.

#include <QMessageBox>
#include <QPointer>
#include <vector>

#include "platform/platform.h"
#include "platform/qt/qt_desktop_open.h"

namespace brisel::platform::qt {

class QtPlatform final : public Platform {
public:
    // Needs a QApplication; names the program for titles and the desktop.
    QtPlatform();

    std::unique_ptr<Window> CreateForm(const FormDescription& form) override;
    std::optional<FileChoice> ChooseFile(const FileDialogRequest& request) override;
    void ShowMessage(const std::string& text, const std::string& title, MessageIcon icon) override;
    void CloseMessageBoxes() override;
    void Beep() override;
    ClipboardResult SetClipboardText(const std::string& text) override;
    TaskId StartProgram(const std::string& commandLine) override;
    void ShellOpen(const Window* owner, const std::string& target, OpenDone done) override;
    TextViewer HelpViewer() const override { return TextViewer::ShellDefault; }
    Registry& SystemRegistry() override { return registry_; }
    std::string ProgramFolder() const override;
    std::string CurrentFolder() const override;
    std::string DocumentsFolder() const override;
    bool IsWritableFolder(const std::string& folder) const override;
    bool IsOrdinaryFile(const std::string& path) const override;
    void Quit() override;

private:
    EmptyRegistry registry_;
    // The message boxes showing now, the latest last.
    std::vector<QPointer<QMessageBox>> boxes_;
    DesktopOpener desktop_;
};

}  // namespace brisel::platform::qt
