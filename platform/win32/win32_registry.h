#pragma once
// The registry through RegOpenKeyExA, RegQueryValueExA and RegCloseKey.

#include <windows.h>

#include "platform/registry.h"

namespace brisel::platform::win32 {

// The key is opened with options 0 and read-control together with query
// value, set value, create sub-key, enumerate sub-keys, notify and create
// link.
inline constexpr REGSAM kKeyAccess = 0x2003F;

class Win32Registry final : public Registry {
public:
    std::optional<RegistryValue> ReadValue(RegistryRoot root, const std::string& key, const std::string& name,
                                           std::size_t maxBytes) override;
};

}  // namespace brisel::platform::win32
