#pragma once
// A registry held in memory: keys by path, values by name with a type and
// their stored bytes.

#include <map>
#include <string>

#include "platform/registry.h"

namespace brisel::testing {

using platform::RegistryValue;

class FakeRegistry final : public platform::Registry {
public:
    void Set(const std::string& key, const std::string& name, RegistryValue value) {
        keys_[key][name] = std::move(value);
    }

    std::optional<RegistryValue> ReadValue(platform::RegistryRoot root, const std::string& key, const std::string& name,
                                           std::size_t maxBytes) override;

    std::size_t lastMaxBytes = 0;

private:
    std::map<std::string, std::map<std::string, RegistryValue>> keys_;
};

}  // namespace brisel::testing
