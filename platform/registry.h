#pragma once
// Reading the system registry, shaped after the ANSI advapi32 calls so that
// the Windows backend passes straight through. Status 0 is success.

#include <cstdint>
#include <vector>

#include <string>

namespace brisel::platform {

using RegistryKey = std::uint32_t;
using RegistryStatus = std::int32_t;

inline constexpr RegistryKey kHkeyLocalMachine = 0x80000002u;
inline constexpr std::uint32_t kKeyAllAccess = 0x2003Fu;  // read-control and 0x3F

inline constexpr RegistryStatus kErrorSuccess = 0;
inline constexpr RegistryStatus kErrorFileNotFound = 2;
inline constexpr RegistryStatus kErrorMoreData = 234;

inline constexpr std::uint32_t kRegSz = 1;
inline constexpr std::uint32_t kRegExpandSz = 2;
inline constexpr std::uint32_t kRegDword = 4;

class Registry {
public:
    virtual ~Registry() = default;

    virtual RegistryStatus OpenKey(RegistryKey root, const std::string& subKey, std::uint32_t options,
                                   std::uint32_t access, RegistryKey& opened) = 0;
    // Reads the value into buffer; size holds the buffer's size on entry and
    // the number of bytes stored on return. A value larger than the buffer
    // gives kErrorMoreData.
    virtual RegistryStatus QueryValue(RegistryKey key, const std::string& valueName, std::uint32_t& type,
                                      std::vector<std::uint8_t>& buffer, std::uint32_t& size) = 0;
    virtual RegistryStatus CloseKey(RegistryKey key) = 0;
};

// The registry of a system that has none: every key is missing.
class EmptyRegistry final : public Registry {
public:
    RegistryStatus OpenKey(RegistryKey, const std::string&, std::uint32_t, std::uint32_t, RegistryKey&) override {
        return kErrorFileNotFound;
    }
    RegistryStatus QueryValue(RegistryKey, const std::string&, std::uint32_t&, std::vector<std::uint8_t>&,
                              std::uint32_t&) override {
        return kErrorFileNotFound;
    }
    RegistryStatus CloseKey(RegistryKey) override { return kErrorSuccess; }
};

}  // namespace brisel::platform
