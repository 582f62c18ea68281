#pragma once
// The registry through RegOpenKeyExA, RegQueryValueExA and RegCloseKey.

#include <windows.h>

#include <map>

#include "platform/registry.h"

namespace brisel::platform::win32 {

class Win32Registry final : public Registry {
public:
    ~Win32Registry() override;

    RegistryStatus OpenKey(RegistryKey root, const std::string& subKey, std::uint32_t options, std::uint32_t access,
                           RegistryKey& opened) override;
    RegistryStatus QueryValue(RegistryKey key, const std::string& valueName, std::uint32_t& type,
                              std::vector<std::uint8_t>& buffer, std::uint32_t& size) override;
    RegistryStatus CloseKey(RegistryKey key) override;

private:
    // Opened keys are pointers on 64-bit Windows: the program holds a number
    // that stands for each.
    HKEY Lookup(RegistryKey key) const;

    std::map<RegistryKey, HKEY> opened_;
    RegistryKey next_ = 1;
};

}  // namespace brisel::platform::win32
