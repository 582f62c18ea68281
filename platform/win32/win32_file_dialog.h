#pragma once
// The common file dialog through GetOpenFileNameA and GetSaveFileNameA.

#include "platform/file_dialog.h"

namespace brisel::platform::win32 {

// "Desc|*.a|Desc2|*.b|" as the dialog's filter: each piece ended by a zero,
// the whole ended by a second zero.
std::string DialogFilter(const std::string& filter);

class Win32FileDialog final : public FileDialog {
protected:
    bool Run(bool save) override;
};

}  // namespace brisel::platform::win32
