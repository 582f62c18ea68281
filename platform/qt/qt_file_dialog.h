#pragma once
// The common file dialog on Qt's own file dialog.

#include <QStringList>

#include "platform/file_dialog.h"

namespace brisel::platform::qt {

// "Desc|*.a;*.b" entries as Qt name filters "Desc (*.a *.b)"; "*.*" means
// every file, as it does on Windows, also a file without an extension.
QStringList ToQtNameFilters(const std::vector<FilterEntry>& entries);

class QtFileDialog final : public FileDialog {
protected:
    bool Run(bool save) override;
};

}  // namespace brisel::platform::qt
