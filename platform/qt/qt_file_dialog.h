#pragma once
// The common file dialogs on Qt's own file dialog.

#include <QStringList>
#include <optional>

#include "platform/file_dialog.h"

namespace brisel::platform::qt {

// "Desc|*.a;*.b" entries as Qt name filters "Desc (*.a *.b)"; "*.*" means
// every file, as it does on Windows, also a file without an extension.
QStringList ToQtNameFilters(const std::vector<FilterEntry>& entries);

// Qt's own file dialog, modal to the active window.
std::optional<FileChoice> ShowFileDialog(const FileDialogRequest& request);

}  // namespace brisel::platform::qt
