#pragma once
// The common file dialogs through GetOpenFileNameW and GetSaveFileNameW.

#include <windows.h>

#include <optional>

#include "platform/file_dialog.h"

namespace brisel::platform::win32 {

// "Desc|*.a|Desc2|*.b|" as the dialog's filter: each piece ended by a zero,
// the whole ended by a second zero.
std::wstring DialogFilter(const std::string& filter);

// The dialog's flags: never a read-only check box, and the question before
// an existing file is chosen when the request asks for it.
DWORD DialogFlags(const FileDialogRequest& request);

std::optional<FileChoice> ShowFileDialog(const FileDialogRequest& request);

}  // namespace brisel::platform::win32
