#pragma once
// Reading one value of the system registry.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace brisel::platform {

enum class RegistryRoot { LocalMachine };

// A text (REG_SZ), a 32-bit number (REG_DWORD) or a value of another type.
enum class RegistryType { Text, Number, Other };

struct RegistryValue {
    RegistryType type = RegistryType::Text;
    std::vector<std::uint8_t> bytes;  // as stored, a text's final zero byte included
};

class Registry {
public:
    virtual ~Registry() = default;

    // The value, or nothing for a missing key or value and for a value of
    // more than maxBytes bytes.
    virtual std::optional<RegistryValue> ReadValue(RegistryRoot root, const std::string& key, const std::string& name,
                                                   std::size_t maxBytes) = 0;
};

// The registry of a system that has none: every key is missing.
class EmptyRegistry final : public Registry {
public:
    std::optional<RegistryValue> ReadValue(RegistryRoot, const std::string&, const std::string&, std::size_t) override {
        return std::nullopt;
    }
};

}  // namespace brisel::platform
