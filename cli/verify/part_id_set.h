#pragma once
// The part IDs of the current part section, letter case ignored. A
// reference's part ID is looked up as written, by the hash its pins start
// from, without making a folded copy of it.

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_set>

#include "cli/verify/digest.h"

namespace brisel::verify {

class PartIdSet {
public:
    void Clear() { ids_.clear(); }
    void Insert(std::string_view partId);
    // `part` is PartHash(partId).
    bool Contains(std::string_view partId, const Hasher& part) const {
        return ids_.contains(Key{partId, part.Value()});
    }

private:
    struct Key {
        std::string_view text;  // as written
        std::uint64_t hash;
    };
    struct Hash {
        using is_transparent = void;
        std::size_t operator()(const std::string& folded) const {
            return static_cast<std::size_t>(PartHash(folded).Value());
        }
        std::size_t operator()(const Key& key) const { return static_cast<std::size_t>(key.hash); }
    };
    struct Equal {
        using is_transparent = void;
        bool operator()(const std::string& a, const std::string& b) const { return a == b; }
        bool operator()(const Key& key, const std::string& folded) const;
        bool operator()(const std::string& folded, const Key& key) const { return (*this)(key, folded); }
    };

    std::unordered_set<std::string, Hash, Equal> ids_;  // letter case folded
};

}  // namespace brisel::verify
