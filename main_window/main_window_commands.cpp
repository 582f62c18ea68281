// The file dialogs and the menu commands of the main window.

#include <stdexcept>

#include "file_system/file_paths.h"
#include "main_window/main_window.h"
#include "messages/window_texts.h"

namespace brisel::main_window {
namespace {

// An installed tree keeps its data in share/brisel/ beside the programs'
// folder; the folder ends in a separator.
std::string InstalledDataFolder(const std::string& programFolder) {
    const char separator = PathSeparator();
    const std::size_t parentEnd = programFolder.find_last_of(separator, programFolder.size() - 2);
    const std::string prefix = parentEnd == std::string::npos ? programFolder : programFolder.substr(0, parentEnd + 1);
    return prefix + "share" + separator + "brisel" + separator;
}

}  // namespace

void MainWindow::mnuFileOpen_Click() {
    ChooseFile({.kind = platform::FileDialogKind::Open, .title = messages::kOpenTitle, .filter = messages::kOpenFilter},
               "txtSource");
}

void MainWindow::mnuFileSaveAs_Click() {
    ChooseFile({.kind = platform::FileDialogKind::Save,
                .title = messages::kSaveAsTitle,
                .filter = messages::kSaveAsFilter,
                .confirmOverwrite = true},
               "txtTarget");
}

// Shows the dialog starting from the stored pair; on a choice stores the new
// pair and shows the full path in the box. Cancel and every failure of the
// dialog end quietly, changing nothing.
void MainWindow::ChooseFile(platform::FileDialogRequest request, const std::string& box) {
    const PathPair pair = PairOf(box);
    request.filterIndex = 1;
    request.defaultExt = ".net";
    request.fileName = pair.folder + pair.file;
    const auto choice = platform_.ChooseFile(request);
    if (!choice || choice->fileTitle.size() > choice->fileName.size()) return;
    pair.file = choice->fileTitle;
    pair.folder = choice->fileName.substr(0, choice->fileName.size() - choice->fileTitle.size());
    ShowPath(box, choice->fileName);
}

void MainWindow::cmdBrowseS_Click() { mnuFileOpen_Click(); }

void MainWindow::cmdBrowseT_Click() { mnuFileSaveAs_Click(); }

// Beside the program first, as on Windows, then in the installed tree's data
// folder, so that the installed tree can be moved; the path beside the program
// is the one reported when neither exists.
std::string MainWindow::HelpFilePath() const {
    const std::string beside = state_.AppPath + state_.HelpFileName;
    if (platform_.IsOrdinaryFile(beside)) return beside;
    const std::string installed = InstalledDataFolder(state_.AppPath) + state_.HelpFileName;
    return platform_.IsOrdinaryFile(installed) ? installed : beside;
}

void MainWindow::mnuHelpContents_Click() {
    const std::string helpPath = HelpFilePath();
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
        ReportHelpNotOpened(helpPath, platform::OpenResult::NoProgram);
        return;
    }
    platform_.BringToFront(task);
}

// The viewer reports back later; the window stays usable meanwhile.
void MainWindow::OpenHelpInViewer(const std::string& helpPath) {
    platform_.ShellOpen(form_.get(), helpPath, lifetime_.Guard([this, helpPath](platform::OpenResult result) {
        if (result != platform::OpenResult::Opened) ReportHelpNotOpened(helpPath, result);
    }));
}

void MainWindow::ReportHelpNotOpened(const std::string& helpPath, platform::OpenResult result) {
    switch (result) {
        case platform::OpenResult::NotFound:
            messages::Say(*this, messages::HelpFileMissing(helpPath));
            return;
        case platform::OpenResult::NoProgram:
            messages::Say(*this, messages::NoHelpViewer(helpPath));
            return;
        case platform::OpenResult::Opened:
        case platform::OpenResult::Failed:
            break;
    }
    messages::Say(*this, messages::HelpNotOpened(helpPath));
}

void MainWindow::mnuFileProblems_Click() { problems_.Open(state_.Problems, *form_); }

void MainWindow::mnuFileExit_Click() {
    form_->Close();
    platform_.Quit();
}

void MainWindow::mnuHelpAbout_Click() {
    if (aboutOpener_) aboutOpener_(state_.AppVersion, state_.Disclaimer, *form_);
}

}  // namespace brisel::main_window
