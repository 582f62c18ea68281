#include "convert/part_ids.h"

#include "convert/file_paths.h"
#include "convert/netlist_text.h"

namespace brisel {

#ifdef BRISEL_LINEAR_PART_LOOKUP

void PartIds::Store(std::int64_t number, std::string_view partId) {
    slots_.resize(static_cast<std::size_t>(number) + 1);
    slots_[static_cast<std::size_t>(number)] = partId;
}

void PartIds::Clear() { slots_.clear(); }

// Scans every slot, as the lookup without an index does.
std::optional<std::int64_t> PartIds::Find(std::string_view partId) const {
    std::optional<std::int64_t> found;
    for (std::size_t n = 1; n < slots_.size(); ++n) {
        if (EqualsIgnoreCase(slots_[n], partId)) found = static_cast<std::int64_t>(n);
    }
    return found;
}

#else

std::size_t PartIds::CaseBlindHash::operator()(std::string_view text) const {
    std::uint64_t hash = 14695981039346656037ull;  // FNV-1a
    for (char c : text) {
        hash ^= static_cast<unsigned char>(LowerAscii(c));
        hash *= 1099511628211ull;
    }
    return static_cast<std::size_t>(hash);
}

bool PartIds::CaseBlindEqual::operator()(std::string_view a, std::string_view b) const {
    return EqualsIgnoreCase(a, b);
}

void PartIds::Store(std::int64_t number, std::string_view partId) {
    numbers_.insert_or_assign(std::string(partId), number);
}

void PartIds::Clear() { numbers_.clear(); }

std::optional<std::int64_t> PartIds::Find(std::string_view partId) const {
    const auto it = numbers_.find(partId);
    if (it == numbers_.end()) return std::nullopt;
    return it->second;
}

#endif

}  // namespace brisel
