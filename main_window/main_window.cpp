#include "main_window/main_window.h"

#include <csignal>
#include <exception>

#include "brisel_version.h"
#include "convert/conversion_run.h"
#include "convert/job_paths.h"
#include "file_system/file_paths.h"
#include "file_system/interruption.h"
#include "main_window/box_paths.h"
#include "main_window/main_form.h"
#include "messages/problem_lines.h"
#include "messages/window_texts.h"

namespace brisel::main_window {
namespace {

platform::MessageIcon ToMessageIcon(messages::Icon icon) {
    switch (icon) {
        case messages::Icon::Error:
            return platform::MessageIcon::Error;
        case messages::Icon::Warning:
            return platform::MessageIcon::Warning;
        case messages::Icon::Information:
            break;
    }
    return platform::MessageIcon::Information;
}

// The boxes, the window's check flags set from the warnings, and the
// problem lines.
// The first line says which pin map the conversion used, when it used one.
class WindowReporter : public messages::BoxReporter {
public:
    WindowReporter(messages::MessageBoxes& boxes, const JobSettings& job, MainWindowState& state,
                   const PinMapUse& pinMap)
        : BoxReporter(boxes, job), state_(state), lines_(job.SourceFile, pinMap.label) {
        state_.Flags = CheckFlags{};
        state_.Problems.clear();
        if (!pinMap.line.empty()) state_.Problems.push_back(pinMap.line);
    }
    void Warning(RunWarning warning) override {
        state_.Flags.NameTooLong |= warning == RunWarning::NameTooLong;
        state_.Flags.BadCharacter |= warning == RunWarning::BadCharacter;
        state_.Flags.BadPinNumber |= warning == RunWarning::BadPinNumber;
        BoxReporter::Warning(warning);
    }
    bool WantsProblems() const override { return true; }
    void ProblemFound(const Problem& problem) override {
        if (auto line = lines_.Add(problem)) state_.Problems.push_back(std::move(*line));
    }
    void Finished(const Outcome& outcome) override {
        for (std::string& line : lines_.Omitted()) state_.Problems.push_back(std::move(line));
        BoxReporter::Finished(outcome);
    }

private:
    MainWindowState& state_;
    messages::ProblemLines lines_;
};

std::string WithTrailingSeparator(const std::string& folder) {
    if (!folder.empty() && folder.back() == PathSeparator()) return folder;
    return folder + PathSeparator();
}

}  // namespace

MainWindow::MainWindow(platform::Platform& platform, Converter converter, FileSystem& files)
    : platform_(platform),
      converter_(std::move(converter)),
      files_(files),
      form_(platform.CreateForm(MainForm())),
      problems_(platform) {
    ConnectHandlers();
    Form_Load();
}

void MainWindow::ConnectHandlers() {
    using platform::Event;
    form_->On("txtSource", Event::LostFocus, [this] { txtSource_LostFocus(); });
    form_->On("txtTarget", Event::LostFocus, [this] { txtTarget_LostFocus(); });
    form_->On("mnuFileOpen", Event::Click, [this] { mnuFileOpen_Click(); });
    form_->On("mnuFileSaveAs", Event::Click, [this] { mnuFileSaveAs_Click(); });
    form_->On("mnuFilePinMap", Event::Click, [this] { mnuFilePinMap_Click(); });
    form_->On("mnuFileNoPinMap", Event::Click, [this] { mnuFileNoPinMap_Click(); });
    form_->On("cmdBrowseS", Event::Click, [this] { cmdBrowseS_Click(); });
    form_->On("cmdBrowseT", Event::Click, [this] { cmdBrowseT_Click(); });
    form_->On("cmdOK", Event::Click, [this] { cmdOK_Click(); });
    form_->On("mnuHelpContents", Event::Click, [this] { mnuHelpContents_Click(); });
    form_->On("mnuFileProblems", Event::Click, [this] { mnuFileProblems_Click(); });
    form_->On("mnuFileExit", Event::Click, [this] { mnuFileExit_Click(); });
    form_->On("mnuHelpAbout", Event::Click, [this] { mnuHelpAbout_Click(); });
    form_->On("frmMain", Event::Unload, [this] { Form_Unload(); });
    form_->On("frmMain", Event::SessionEnd, [this] { Form_SessionEnd(); });
    form_->OnQueryUnload([this] { return Form_QueryUnload(); });
    form_->OnDrop([this](const std::string& control, const std::string& path) { Form_DragDrop(control, path); });
}

void MainWindow::Show() {
    form_->Show();
    form_->SetFocus("txtSource");
}

void MainWindow::PutPath(const std::string& box, const std::string& path) { TakePath(box, path, PairOf(box).folder); }

// Paths on the command line are taken from the folder the program started in;
// a source alone gets a target beside it, named as the page names it.
void MainWindow::PutStartPaths(const std::vector<std::string>& paths) {
    const std::string here = WithTrailingSeparator(platform_.CurrentFolder());
    if (paths.size() > 0) TakePath("txtSource", paths[0], here);
    if (paths.size() > 1) {
        TakePath("txtTarget", paths[1], here);
    } else if (paths.size() == 1 && !state_.SourceFile.empty()) {
        TakePath("txtTarget", state_.SourcePath + TargetNameFor(state_.SourceFile), here);
    }
}

// A file dropped on the target box becomes the target; anywhere else, the
// source.
void MainWindow::Form_DragDrop(const std::string& control, const std::string& path) {
    PutPath(control == "txtTarget" ? "txtTarget" : "txtSource", path);
}

void MainWindow::Form_Load() {
    state_.AppVersion = version::kAppVersion;
    state_.Disclaimer = messages::kDisclaimer;
    state_.SourceFile = "PadsPCB.net";
    state_.TargetFile = "ExpressPCB.net";
    state_.HelpFileName = kHelpFileName;
    state_.SpoolFileName = JobSettings::kSpoolFileName;
    state_.JoinedFileName = JobSettings::kJoinedFileName;
    state_.AppPath = WithTrailingSeparator(platform_.ProgramFolder());
    state_.SourcePath = DefaultFolder();
    state_.TargetPath = state_.SourcePath;
    form_->SetToolTip("lblTitle", messages::VersionCaption(state_.AppVersion));
    ShowPath("txtSource", state_.SourcePath + state_.SourceFile);
    ShowPath("txtTarget", state_.TargetPath + state_.TargetFile);
    form_->SetText("lblProg", "");
}

// Closing the window (or logging off) while a conversion runs stops the run
// as an interrupted command-line run stops: its files removed, an old target
// as it was. The window stays until the run has returned.
bool MainWindow::Form_QueryUnload() {
    if (!converting_) return true;
    StopForClosing();
    return false;
}

// The run goes on from the message box it waits on, to its next line or
// block, where it stops.
void MainWindow::StopForClosing() {
    closing_ = true;
    RequestInterruption(SIGTERM);
    platform_.CloseMessageBoxes();
}

// A run asked to stop (the window closing, a signal) says nothing more: the
// program ends or the window closes once the run has removed its files.
bool MainWindow::Stopping() const { return closing_ || (converting_ && InterruptionRequested()); }

// The Problems window belongs to the main window and goes with it; the About
// box stays until it is closed itself.
void MainWindow::Form_Unload() { problems_.Close(); }

// Nothing of the program runs once this returns: a run that waits on a
// message box has its files removed now.
void MainWindow::Form_SessionEnd() {
    if (!converting_) return;
    StopForClosing();
    AbandonRun();
}

// A copy of the program in a folder of the user's keeps its files beside
// it; an installed one, whose folder the user may not write, starts in the
// user's documents.
std::string MainWindow::DefaultFolder() const {
    if (platform_.IsWritableFolder(state_.AppPath)) return state_.AppPath;
    return WithTrailingSeparator(platform_.DocumentsFolder());
}

void MainWindow::txtSource_LostFocus() { TakeTypedPath("txtSource"); }

void MainWindow::txtTarget_LostFocus() { TakeTypedPath("txtTarget"); }

MainWindow::PathPair MainWindow::PairOf(const std::string& box) {
    if (box == "txtTarget") return {state_.TargetPath, state_.TargetFile};
    return {state_.SourcePath, state_.SourceFile};
}

void MainWindow::TakeTypedPath(const std::string& box) { TakePath(box, form_->Text(box), PairOf(box).folder); }

// The box is the truth: its text, taken from `fromFolder` when it is
// relative, becomes the stored pair, and the box shows the whole path. An
// emptied box stays empty, for OK to refuse.
void MainWindow::TakePath(const std::string& box, const std::string& text, const std::string& fromFolder) {
    const FolderAndFile named = ResolveBoxText(text, fromFolder, NativePathStyle());
    const PathPair pair = PairOf(box);
    pair.folder = named.folder;
    pair.file = named.file;
    ShowPath(box, text.empty() ? text : named.folder + named.file);
}

// While a box holds a path, its tooltip shows all of it.
void MainWindow::ShowPath(const std::string& box, const std::string& path) {
    if (form_->Text(box) != path) form_->SetText(box, path);
    const platform::ControlDescription* described = MainForm().Find(box);
    form_->SetToolTip(box, path.empty() && described != nullptr ? described->tooltip : path);
}

// However OK was pressed, the boxes' texts are taken first: a typed path
// is converted even when the box never lost the focus (a shortcut key).
void MainWindow::cmdOK_Click() {
    TakeTypedPath("txtSource");
    TakeTypedPath("txtTarget");
    if (NamesAreMissing()) {
        messages::Say(*this, messages::MissingNames());
        return;
    }
    JobSettings job = Job();
    if (SourceIsTarget(job, files_)) {
        messages::Say(*this, messages::ForRefusal(Refusal::SameFile, job));
        return;
    }
    PinMapUse pinMap;
    if (!ReadPinMap(job, pinMap)) return;
    EnterBusyState();
    RunConversion(job, pinMap);
}

bool MainWindow::NamesAreMissing() const {
    return form_->Text("txtTarget").empty() || form_->Text("txtSource").empty() || state_.TargetFile.empty() ||
           state_.SourceFile.empty();
}

JobSettings MainWindow::Job() const {
    JobSettings job;
    job.SourcePath = state_.SourcePath;
    job.SourceFile = state_.SourceFile;
    job.TargetPath = state_.TargetPath;
    job.TargetFile = state_.TargetFile;
    job.AppVersion = state_.AppVersion;
    job.SpoolFileName = state_.SpoolFileName;
    job.JoinedFileName = state_.JoinedFileName;
    return job;
}

void MainWindow::EnterBusyState() {
    form_->SetEnabled("cmdOK", false);
    form_->SetPointer(platform::Pointer::Hourglass);
    form_->SetVisible("lblProg", true);
}

void MainWindow::LeaveBusyState() {
    form_->SetVisible("lblProg", false);
    form_->SetText("lblProg", "");
    form_->SetPointer(platform::Pointer::Default);
    form_->SetEnabled("cmdOK", true);
}

// The conversion reports its own results; anything it throws is reported
// here, after the window is idle again. A signal ends a run as a failure
// does, its files removed, and then the program; a window asked to close
// meanwhile closes.
void MainWindow::RunConversion(const JobSettings& job, const PinMapUse& pinMap) {
    std::string failure;
    converting_ = true;
    try {
        const StopOnSignals stop;
        WindowReporter reporter(*this, job, state_, pinMap);
        converter_(job, files_, reporter);
    } catch (const std::exception& error) {
        failure = error.what();
    } catch (...) {
        failure = messages::kUnknownConversionError;
    }
    converting_ = false;
    if (closing_) {
        form_->Close();
        return;
    }
    if (InterruptionRequested()) EndAsInterrupted(InterruptionSignal());
    LeaveBusyState();
    ShowProblems();
    if (!failure.empty()) messages::Say(*this, {messages::kConversionErrorTitle, {failure}, messages::Icon::Error});
    ReturnToSource();
}

// Back in the source box, its whole path selected: typing replaces it.
void MainWindow::ReturnToSource() {
    form_->SetFocus("txtSource");
    form_->SelectAll("txtSource");
}

// The Problems window and its menu item follow each conversion that ran.
void MainWindow::ShowProblems() {
    form_->SetEnabled("mnuFileProblems", !state_.Problems.empty());
    problems_.Update(state_.Problems);
}

void MainWindow::SetProgressCaption(const std::string& caption) {
    form_->SetText("lblProg", caption);
    form_->Repaint("lblProg");
}

void MainWindow::ShowMessage(const messages::Message& message) {
    if (Stopping()) return;
    platform_.ShowMessage(message.BoxText(), message.title, ToMessageIcon(message.icon));
}

void MainWindow::Beep() {
    if (!Stopping()) platform_.Beep();
}

void MainWindow::FocusSource() { form_->SetFocus("txtSource"); }

}  // namespace brisel::main_window
