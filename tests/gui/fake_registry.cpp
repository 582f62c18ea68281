#include "tests/gui/fake_registry.h"

#include <algorithm>

namespace brisel::testing {

void FakeRegistry::Set(const std::string& key, const std::string& name, RegistryValue value) {
    keys_[key][name] = std::move(value);
}

platform::RegistryStatus FakeRegistry::OpenKey(platform::RegistryKey root, const std::string& subKey,
                                               std::uint32_t options, std::uint32_t access,
                                               platform::RegistryKey& opened) {
    lastAccess = access;
    lastOptions = options;
    if (root != platform::kHkeyLocalMachine || keys_.count(subKey) == 0) {
        return platform::kErrorFileNotFound;
    }
    opened = nextHandle_++;
    open_[opened] = subKey;
    return platform::kErrorSuccess;
}

platform::RegistryStatus FakeRegistry::QueryValue(platform::RegistryKey key, const std::string& valueName,
                                                  std::uint32_t& type, std::vector<std::uint8_t>& buffer,
                                                  std::uint32_t& size) {
    lastBufferSize = size;
    const auto& values = keys_.at(open_.at(key));
    const auto found = values.find(valueName);
    if (found == values.end()) return platform::kErrorFileNotFound;
    const RegistryValue& value = found->second;
    if (value.bytes.size() > size || value.bytes.size() > buffer.size()) {
        return platform::kErrorMoreData;
    }
    std::copy(value.bytes.begin(), value.bytes.end(), buffer.begin());
    size = static_cast<std::uint32_t>(value.bytes.size());
    type = value.type;
    return platform::kErrorSuccess;
}

platform::RegistryStatus FakeRegistry::CloseKey(platform::RegistryKey key) {
    open_.erase(key);
    return platform::kErrorSuccess;
}

}  // namespace brisel::testing
