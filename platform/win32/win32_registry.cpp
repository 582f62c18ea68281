#include "platform/win32/win32_registry.h"

namespace brisel::platform::win32 {
namespace {

// The predefined roots are 32-bit values sign-extended to a handle.
HKEY PredefinedRoot(RegistryKey root) { return reinterpret_cast<HKEY>(static_cast<LONG_PTR>(static_cast<LONG>(root))); }

}  // namespace

Win32Registry::~Win32Registry() {
    for (const auto& [number, key] : opened_) RegCloseKey(key);
}

HKEY Win32Registry::Lookup(RegistryKey key) const {
    const auto found = opened_.find(key);
    return found == opened_.end() ? PredefinedRoot(key) : found->second;
}

RegistryStatus Win32Registry::OpenKey(RegistryKey root, const std::string& subKey, std::uint32_t options,
                                      std::uint32_t access, RegistryKey& opened) {
    HKEY key = nullptr;
    const LONG status = RegOpenKeyExA(Lookup(root), subKey.c_str(), options, access, &key);
    if (status != ERROR_SUCCESS) return status;
    opened = next_++;
    opened_[opened] = key;
    return ERROR_SUCCESS;
}

RegistryStatus Win32Registry::QueryValue(RegistryKey key, const std::string& valueName, std::uint32_t& type,
                                         std::vector<std::uint8_t>& buffer, std::uint32_t& size) {
    if (buffer.size() < size) buffer.resize(size);
    DWORD valueType = 0;
    DWORD valueSize = size;
    const LONG status =
        RegQueryValueExA(Lookup(key), valueName.c_str(), nullptr, &valueType, buffer.data(), &valueSize);
    type = valueType;
    size = valueSize;
    return status;
}

RegistryStatus Win32Registry::CloseKey(RegistryKey key) {
    const auto found = opened_.find(key);
    if (found == opened_.end()) return ERROR_INVALID_HANDLE;
    const LONG status = RegCloseKey(found->second);
    opened_.erase(found);
    return status;
}

}  // namespace brisel::platform::win32
