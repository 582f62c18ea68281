#include "tests/gui/fake_registry.h"

namespace brisel::testing {

std::optional<RegistryValue> FakeRegistry::ReadValue(platform::RegistryRoot root, const std::string& key,
                                                     const std::string& name, std::size_t maxBytes) {
    lastMaxBytes = maxBytes;
    const auto values = keys_.find(key);
    if (root != platform::RegistryRoot::LocalMachine || values == keys_.end()) return std::nullopt;
    const auto value = values->second.find(name);
    if (value == values->second.end() || value->second.bytes.size() > maxBytes) return std::nullopt;
    return value->second;
}

}  // namespace brisel::testing
