#pragma once
// Everything the windows need from the operating system. The Qt backend
// implements it for Linux, a Win32 backend for Windows and tests use a fake.

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/file_dialog.h"
#include "platform/form.h"
#include "platform/registry.h"
#include "platform/window.h"

namespace brisel::platform {

enum class MessageIcon { None, Error, Warning, Information };

// How this system shows a plain-text file: through Notepad started with a
// command line, or through the desktop's default viewer.
enum class TextViewer { Notepad, ShellDefault };

// How handing a document or an address to the desktop ended.
enum class OpenResult {
    Opened,
    NotFound,   // the file or its folder does not exist
    NoProgram,  // no program to show it was found
    Failed,
};

// How putting a text on the clipboard ended.
enum class ClipboardResult {
    Copied,
    NoMemory,  // no memory for the clipboard's copy of the text
    Refused,   // the clipboard could not be opened or would not take it
};

// Told how handing something to the desktop ended, once that is known.
using OpenDone = std::function<void(OpenResult)>;

using TaskId = long;

class Platform {
public:
    virtual ~Platform() = default;

    // Builds the window and its controls without showing it.
    virtual std::unique_ptr<Window> CreateForm(const FormDescription& form) = 0;
    // Shows the Open or Save As dialog, modal to the active window; nothing
    // when the user cancels or the dialog fails.
    virtual std::optional<FileChoice> ChooseFile(const FileDialogRequest& request) = 0;

    // A modal message box with an OK button. An empty title shows the
    // application's title.
    virtual void ShowMessage(const std::string& text, const std::string& title, MessageIcon icon) = 0;
    // Ends the message boxes that show now as their OK would; the code that
    // showed them goes on.
    virtual void CloseMessageBoxes() = 0;
    virtual void Beep() = 0;
    // Puts the text on the clipboard; its lines end in CR LF.
    [[nodiscard]] virtual ClipboardResult SetClipboardText(const std::string& text) = 0;

    // Starts a command line with a normal, focused window; throws
    // std::runtime_error when it cannot be started.
    virtual TaskId StartProgram(const std::string& commandLine) = 0;
    // Raises the started program's window; nothing where the desktop gives a
    // started program's window the focus itself.
    virtual void BringToFront(TaskId) {}
    // Opens a document or an address with the program the desktop chooses.
    // `done` is told how that ended, at once or later from the event loop
    // (the windows stay usable meanwhile).
    virtual void ShellOpen(const Window* owner, const std::string& target, OpenDone done) = 0;
    virtual TextViewer HelpViewer() const = 0;

    virtual Registry& SystemRegistry() = 0;
    // The folder of the program's own executable, without a trailing
    // separator except for a root folder.
    virtual std::string ProgramFolder() const = 0;
    // The folder the program was started in, the same way.
    virtual std::string CurrentFolder() const = 0;
    // The user's documents folder, the same way: Windows' Documents folder;
    // elsewhere the one `xdg-user-dir DOCUMENTS` names, or else home.
    virtual std::string DocumentsFolder() const = 0;
    // Whether the user may create files in the folder, found by creating one
    // and removing it again.
    virtual bool IsWritableFolder(const std::string& folder) const = 0;
    // True for an existing ordinary file: not a folder, hidden or system file.
    virtual bool IsOrdinaryFile(const std::string& path) const = 0;
    // Ends the program at once, closing every window.
    virtual void Quit() = 0;
};

}  // namespace brisel::platform
