// The file dialogs and the menu commands of the main window.

#include <stdexcept>

#include "main_window/main_window.h"

namespace brisel::main_window {
namespace {

constexpr const char* kOpenFilter =
    "PADS-PowerPCB Netlist File (*.net)|*.net|"
    "PADS-PowerPCB Netlist File (*.asc)|*.asc|"
    "All Files (*.*)|*.*";
constexpr const char* kSaveFilter = "ExpressPCB Netlist File (*.net)|*.net|";
constexpr const char* kHelpErrorTitle = "Help - Error";

struct DialogSetup {
    const char* title;
    const char* filter;
    std::int32_t flags;
};

// Shows the dialog starting from the stored pair; on a choice stores the new
// pair and shows the full path in the box. Cancel and every failure of the
// dialog end quietly, changing nothing.
void ChooseFile(platform::Platform& platform, platform::Window& form, const DialogSetup& setup, bool save,
                const std::string& box, std::string& folder, std::string& file) {
    const auto dialog = platform.CreateFileDialog();
    dialog->CancelError = true;
    try {
        dialog->DialogTitle = setup.title;
        dialog->Filter = setup.filter;
        dialog->FilterIndex = 1;
        dialog->DefaultExt = ".net";
        dialog->FileName = folder + file;
        dialog->Flags = setup.flags;
        save ? dialog->ShowSave() : dialog->ShowOpen();
        const std::string& chosen = dialog->FileName;
        const std::string& title = dialog->FileTitle;
        if (title.size() > chosen.size()) throw platform::DialogError("file title");
        file = title;
        folder = chosen.substr(0, chosen.size() - title.size());
        form.SetText(box, chosen);
    } catch (const std::exception&) {}
}

}  // namespace

void MainWindow::mnuFileOpen_Click() {
    ChooseFile(platform_, *form_, {"File Open", kOpenFilter, platform::kOfnHideReadOnly},
               /*save=*/false, "txtSource", state_.SourcePath, state_.SourceFile);
}

void MainWindow::mnuFileSaveAs_Click() {
    ChooseFile(platform_, *form_,
               {"File Save As", kSaveFilter, platform::kOfnOverwritePrompt | platform::kOfnHideReadOnly},
               /*save=*/true, "txtTarget", state_.TargetPath, state_.TargetFile);
}

void MainWindow::cmdBrowseS_Click() { mnuFileOpen_Click(); }

void MainWindow::cmdBrowseT_Click() { mnuFileSaveAs_Click(); }

void MainWindow::mnuHelpContents_Click() {
    const std::string helpPath = state_.AppPath + state_.FileNames[0];
    if (platform_.HelpViewer() == platform::TextViewer::Notepad) {
        OpenHelpInNotepad(helpPath);
    } else {
        OpenHelpInViewer(helpPath);
    }
}

// No quotation marks: the command line is exactly "Notepad.exe " and the path.
void MainWindow::OpenHelpInNotepad(const std::string& helpPath) {
    platform::TaskId task = 0;
    try {
        task = platform_.StartProgram("Notepad.exe " + helpPath);
    } catch (const std::runtime_error&) {
        ReportHelpNotOpened(helpPath);
        return;
    }
    platform_.BringToFront(task);
}

void MainWindow::OpenHelpInViewer(const std::string& helpPath) {
    if (platform_.ShellOpen(form_.get(), helpPath) <= platform::kShellOpenLastFailure) {
        ReportHelpNotOpened(helpPath);
    }
}

void MainWindow::ReportHelpNotOpened(const std::string& helpPath) {
    messages::Say(*this,
                  {kHelpErrorTitle, {"The help file " + helpPath + " could not be opened."}, messages::Icon::Error});
}

void MainWindow::mnuFileExit_Click() {
    platform_.CloseAllFiles();
    form_->Close();
    platform_.Quit();
}

void MainWindow::mnuHelpAbout_Click() {
    if (aboutOpener_) aboutOpener_(state_.AppVersion, state_.Disclaimer);
}

}  // namespace brisel::main_window
