#pragma once
// The part IDs of the current part section by part number, and the lookup of
// a part ID (ASCII letter case ignored; the highest number wins).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace brisel {

class PartIds {
public:
    // Part numbers are stored in increasing order within a section.
    void Store(std::int64_t number, std::string_view partId);
    // Forgets every part ID: a new section numbers its parts from 1 again.
    void Clear();
    std::optional<std::int64_t> Find(std::string_view partId) const;

private:
#ifdef BRISEL_LINEAR_PART_LOOKUP
    std::vector<std::string> slots_;  // slot n holds part n; slot 0 is never used
#else
    struct CaseBlindHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const;
    };
    struct CaseBlindEqual {
        using is_transparent = void;
        bool operator()(std::string_view a, std::string_view b) const;
    };
    std::unordered_map<std::string, std::int64_t, CaseBlindHash, CaseBlindEqual> numbers_;
#endif
};

}  // namespace brisel
