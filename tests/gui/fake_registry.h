#pragma once
// A registry held in memory: keys by path, values by name with a type and
// their stored bytes.

#include <map>
#include <string>
#include <vector>

#include "platform/registry.h"

namespace brisel::testing {

struct RegistryValue {
    std::uint32_t type = platform::kRegSz;
    std::vector<std::uint8_t> bytes;
};

class FakeRegistry final : public platform::Registry {
public:
    void Set(const std::string& key, const std::string& name, RegistryValue value);

    platform::RegistryStatus OpenKey(platform::RegistryKey root, const std::string& subKey, std::uint32_t options,
                                     std::uint32_t access, platform::RegistryKey& opened) override;
    platform::RegistryStatus QueryValue(platform::RegistryKey key, const std::string& valueName, std::uint32_t& type,
                                        std::vector<std::uint8_t>& buffer, std::uint32_t& size) override;
    platform::RegistryStatus CloseKey(platform::RegistryKey key) override;

    int OpenKeys() const { return static_cast<int>(open_.size()); }
    std::uint32_t lastAccess = 0;
    std::uint32_t lastOptions = 99;
    std::uint32_t lastBufferSize = 0;

private:
    std::map<std::string, std::map<std::string, RegistryValue>> keys_;
    std::map<platform::RegistryKey, std::string> open_;
    platform::RegistryKey nextHandle_ = 100;
};

}  // namespace brisel::testing
