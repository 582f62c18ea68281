#include "platform/win32/win32_file_dialog.h"

#include <windows.h>

#include <commdlg.h>

#include <vector>

namespace brisel::platform::win32 {
namespace {

// Room for the longest path the ANSI dialog returns.
constexpr std::size_t kPathBuffer = 32768;

}  // namespace

std::string DialogFilter(const std::string& filter) {
    std::string result;
    for (const FilterEntry& entry : ParseFilter(filter)) {
        result += entry.description;
        result += '\0';
        result += entry.patterns;
        result += '\0';
    }
    result += '\0';
    return result;
}

bool Win32FileDialog::Run(bool save) {
    std::vector<char> file(kPathBuffer, '\0');
    FileName.copy(file.data(), kPathBuffer - 1);
    std::vector<char> title(MAX_PATH, '\0');
    const std::string filter = DialogFilter(Filter);
    // The dialog wants the extension without its full stop.
    const std::string extension = !DefaultExt.empty() && DefaultExt[0] == '.' ? DefaultExt.substr(1) : DefaultExt;
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = GetActiveWindow();
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = static_cast<DWORD>(FilterIndex);
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrFileTitle = title.data();
    dialog.nMaxFileTitle = static_cast<DWORD>(title.size());
    dialog.lpstrTitle = DialogTitle.c_str();
    dialog.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
    dialog.Flags = static_cast<DWORD>(Flags);
    const BOOL chosen = save ? GetSaveFileNameA(&dialog) : GetOpenFileNameA(&dialog);
    if (!chosen) {
        const DWORD error = CommDlgExtendedError();
        if (error != 0) throw DialogError("The file dialog failed with error " + std::to_string(error) + ".");
        return false;
    }
    FileName = file.data();
    FileTitle = title.data();
    return true;
}

}  // namespace brisel::platform::win32
