#pragma once
// The common file dialog, with the members of the Windows common dialog
// control. ShowOpen and ShowSave throw DialogCancelled when CancelError is set
// and the user cancels, and DialogError when the dialog fails.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace brisel::platform {

// Bits of Flags, as the Windows open-file-name flags define them.
inline constexpr std::int32_t kOfnOverwritePrompt = 0x2;
inline constexpr std::int32_t kOfnHideReadOnly = 0x4;

class DialogCancelled : public std::runtime_error {
public:
    DialogCancelled() : std::runtime_error("Cancel was selected.") {}
};

class DialogError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct FilterEntry {
    std::string description;
    std::string patterns;  // separated by ";", e.g. "*.net" or "*.net;*.asc"
};

// "Desc|*.a|Desc2|*.b" in entries; a trailing bar opens no entry.
std::vector<FilterEntry> ParseFilter(const std::string& filter);

// The name of the file without its folder: the text after the last "\" or
// "/" (either can end a folder in a full path the dialog returns).
std::string FileTitleOf(const std::string& fullPath);

class FileDialog {
public:
    virtual ~FileDialog() = default;

    bool CancelError = false;
    std::string DialogTitle;
    std::string Filter;
    std::int16_t FilterIndex = 0;
    std::string DefaultExt;
    std::string FileName;
    std::int32_t Flags = 0;
    std::string FileTitle;

    void ShowOpen() { Show(/*save=*/false); }
    void ShowSave() { Show(/*save=*/true); }

protected:
    // Shows the dialog with the members above; on a choice sets FileName and
    // FileTitle. Returns false when the user cancelled.
    virtual bool Run(bool save) = 0;

private:
    void Show(bool save);
};

}  // namespace brisel::platform
