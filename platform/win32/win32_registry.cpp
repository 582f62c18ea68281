#include "platform/win32/win32_registry.h"

namespace brisel::platform::win32 {
namespace {

class OpenedKey {
public:
    explicit OpenedKey(HKEY key) : key_(key) {}
    ~OpenedKey() { RegCloseKey(key_); }
    OpenedKey(const OpenedKey&) = delete;
    OpenedKey& operator=(const OpenedKey&) = delete;

private:
    HKEY key_;
};

HKEY RootKey(RegistryRoot root) {
    switch (root) {
        case RegistryRoot::LocalMachine:
            break;
    }
    return HKEY_LOCAL_MACHINE;
}

RegistryType TypeOf(DWORD type) {
    if (type == REG_SZ) return RegistryType::Text;
    if (type == REG_DWORD) return RegistryType::Number;
    return RegistryType::Other;
}

}  // namespace

std::optional<RegistryValue> Win32Registry::ReadValue(RegistryRoot root, const std::string& key,
                                                      const std::string& name, std::size_t maxBytes) {
    HKEY opened = nullptr;
    if (RegOpenKeyExA(RootKey(root), key.c_str(), 0, kKeyAccess, &opened) != ERROR_SUCCESS) return std::nullopt;
    const OpenedKey closeOnReturn(opened);
    std::vector<std::uint8_t> buffer(maxBytes, 0);
    DWORD type = 0;
    auto size = static_cast<DWORD>(maxBytes);
    if (RegQueryValueExA(opened, name.c_str(), nullptr, &type, buffer.data(), &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    buffer.resize(size);
    return RegistryValue{TypeOf(type), std::move(buffer)};
}

}  // namespace brisel::platform::win32
