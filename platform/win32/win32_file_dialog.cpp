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

DWORD DialogFlags(const FileDialogRequest& request) {
    return OFN_HIDEREADONLY | (request.confirmOverwrite ? OFN_OVERWRITEPROMPT : 0);
}

std::optional<FileChoice> ShowFileDialog(const FileDialogRequest& request) {
    std::vector<char> file(kPathBuffer, '\0');
    request.fileName.copy(file.data(), kPathBuffer - 1);
    std::vector<char> title(MAX_PATH, '\0');
    const std::string filter = DialogFilter(request.filter);
    // The dialog wants the extension without its full stop.
    const std::string& ext = request.defaultExt;
    const std::string extension = !ext.empty() && ext[0] == '.' ? ext.substr(1) : ext;
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = GetActiveWindow();
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = static_cast<DWORD>(request.filterIndex);
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrFileTitle = title.data();
    dialog.nMaxFileTitle = static_cast<DWORD>(title.size());
    dialog.lpstrTitle = request.title.c_str();
    dialog.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
    dialog.Flags = DialogFlags(request);
    const bool save = request.kind == FileDialogKind::Save;
    if (!(save ? GetSaveFileNameA(&dialog) : GetOpenFileNameA(&dialog))) return std::nullopt;
    return FileChoice{file.data(), title.data()};
}

}  // namespace brisel::platform::win32
