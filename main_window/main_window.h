#pragma once
// frmMain: the working window. It keeps the source and target as folder and
// file name pairs, runs the conversion, and hands the About box its texts.
//
// The form and its controls keep their design names (frmMain, txtSource,
// cmdOK_Click), as do the window's state and check flags (SourcePath,
// AppPath, NameTooLong), so that the window's code can be read beside its
// description.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "convert/convert_netlist.h"
#include "file_system/disk_file_system.h"
#include "messages/message_boxes.h"
#include "platform/lifetime.h"
#include "platform/platform.h"
#include "problems_window/problems_window.h"

namespace brisel::main_window {

// What Help > About calls with AppVersion, Disclaimer and the main window to
// open beside; empty until an About box is attached.
using AboutOpener = std::function<void(const std::string&, const std::string&, const platform::Window&)>;
using Converter = std::function<Outcome(const JobSettings&, FileSystem&, ConversionReporter&)>;

inline constexpr const char* kHelpFileName = "Brisel.txt";

// Which kinds of problem the last conversion warned of.
struct CheckFlags {
    bool NameTooLong = false;
    bool BadCharacter = false;
    bool BadPinNumber = false;
};

// Which pin map a conversion uses: the one beside the source ("board.map"
// beside "board.net") when it is there, the one chosen under File > Pin
// Map..., or none at all.
enum class PinMapChoice { BesideSource, Chosen, None };

// The pin map a conversion uses, as its problems name it: the map's file
// name in the notes, and a first line that says which map it is. Both
// empty without a map.
struct PinMapUse {
    std::string label;
    std::string line;
};

struct MainWindowState {
    std::string AppVersion;
    std::string Disclaimer;
    std::string SourceFile;
    std::string TargetFile;
    std::string HelpFileName;
    std::string SpoolFileName;   // the conversion's connection spool
    std::string JoinedFileName;  // and its joined copy
    std::string AppPath;
    std::string SourcePath;
    std::string TargetPath;
    CheckFlags Flags;
    PinMapChoice PinMap = PinMapChoice::BesideSource;
    std::string PinMapPath;  // the full path, when Chosen
    // The last conversion's problems, one a line as `--details` words them.
    std::vector<std::string> Problems;
};

class MainWindow final : public messages::MessageBoxes {
public:
    explicit MainWindow(platform::Platform& platform, Converter converter = ConvertNetlist,
                        FileSystem& files = TheDisk());

    void Show();
    // Puts a path into a box as if typed there and left: files dropped on
    // the window.
    void PutPath(const std::string& box, const std::string& path);
    // The program's command line: paths taken from the folder it started in.
    void PutStartPaths(const std::vector<std::string>& paths);
    void SetAboutOpener(AboutOpener opener) { aboutOpener_ = std::move(opener); }

    const MainWindowState& State() const { return state_; }
    platform::Window& Form() { return *form_; }
    problems_window::ProblemsWindow& ProblemsWindow() { return problems_; }

    // Event handlers.
    void Form_Load();
    bool Form_QueryUnload();
    void Form_Unload();
    void Form_SessionEnd();
    void Form_DragDrop(const std::string& control, const std::string& path);
    void txtSource_LostFocus();
    void txtTarget_LostFocus();
    void mnuFileOpen_Click();
    void mnuFileSaveAs_Click();
    void mnuFilePinMap_Click();
    void mnuFileNoPinMap_Click();
    void cmdBrowseS_Click();
    void cmdBrowseT_Click();
    void cmdOK_Click();
    void mnuHelpContents_Click();
    void mnuFileProblems_Click();
    void mnuFileExit_Click();
    void mnuHelpAbout_Click();

    // MessageBoxes
    void SetProgressCaption(const std::string& caption) override;
    void ShowMessage(const messages::Message& message) override;
    void Beep() override;
    void FocusSource() override;

private:
    // The folder and file name a path box stands for.
    struct PathPair {
        std::string& folder;
        std::string& file;
    };

    void ConnectHandlers();
    std::string DefaultFolder() const;
    PathPair PairOf(const std::string& box);
    void TakeTypedPath(const std::string& box);
    void TakePath(const std::string& box, const std::string& text, const std::string& fromFolder);
    void ShowPath(const std::string& box, const std::string& path);
    void ChooseFile(platform::FileDialogRequest request, const std::string& box);
    void ReturnToSource();
    bool NamesAreMissing() const;
    JobSettings Job() const;
    // The map the job uses, read into it; false when it cannot be read or
    // is wrong, which the user is told.
    bool ReadPinMap(JobSettings& job, PinMapUse& use);
    void RunConversion(const JobSettings& job, const PinMapUse& pinMap);
    void StopForClosing();
    bool Stopping() const;
    void EnterBusyState();
    void LeaveBusyState();
    void ShowProblems();
    std::string HelpFilePath() const;
    void OpenHelpInNotepad(const std::string& helpPath);
    void OpenHelpInViewer(const std::string& helpPath);
    void ReportHelpNotOpened(const std::string& helpPath, platform::OpenResult result);

    platform::Platform& platform_;
    Converter converter_;
    FileSystem& files_;
    std::unique_ptr<platform::Window> form_;
    MainWindowState state_;
    AboutOpener aboutOpener_;
    problems_window::ProblemsWindow problems_;
    platform::Lifetime lifetime_;
    bool converting_ = false;
    // Asked to close while converting: the window closes once the run has
    // stopped, and says nothing more meanwhile.
    bool closing_ = false;
};

}  // namespace brisel::main_window
