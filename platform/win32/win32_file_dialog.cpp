#include "platform/win32/win32_file_dialog.h"

#include <windows.h>

#include <commdlg.h>

#include <vector>

#include "platform/win32/win32_text.h"

namespace brisel::platform::win32 {
namespace {

// Room for the longest path the dialog returns.
constexpr std::size_t kPathBuffer = 32768;

}  // namespace

std::wstring DialogFilter(const std::string& filter) {
    std::wstring result;
    for (const FilterEntry& entry : ParseFilter(filter)) {
        result += Wide(entry.description);
        result += L'\0';
        result += Wide(entry.patterns);
        result += L'\0';
    }
    result += L'\0';
    return result;
}

DWORD DialogFlags(const FileDialogRequest& request) {
    return OFN_HIDEREADONLY | (request.confirmOverwrite ? OFN_OVERWRITEPROMPT : 0);
}

std::optional<FileChoice> ShowFileDialog(const FileDialogRequest& request) {
    std::vector<wchar_t> file(kPathBuffer, L'\0');
    Wide(request.fileName).copy(file.data(), kPathBuffer - 1);
    std::vector<wchar_t> title(MAX_PATH, L'\0');
    const std::wstring filter = DialogFilter(request.filter);
    const std::wstring caption = Wide(request.title);
    // The dialog wants the extension without its full stop.
    const std::string& ext = request.defaultExt;
    const std::wstring extension = Wide(!ext.empty() && ext[0] == '.' ? ext.substr(1) : ext);
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = GetActiveWindow();
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = static_cast<DWORD>(request.filterIndex);
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrFileTitle = title.data();
    dialog.nMaxFileTitle = static_cast<DWORD>(title.size());
    dialog.lpstrTitle = caption.c_str();
    dialog.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
    dialog.Flags = DialogFlags(request);
    const bool save = request.kind == FileDialogKind::Save;
    if (!(save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog))) return std::nullopt;
    return FileChoice{Utf8(std::wstring(file.data())), Utf8(std::wstring(title.data()))};
}

}  // namespace brisel::platform::win32
