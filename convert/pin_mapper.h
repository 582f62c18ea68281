#pragma once
// The pin map as the conversion applies it: the rules that apply to a part
// are found once, when its part line is read, so that a reference to the
// part looks at those only.

#include <optional>
#include <string_view>
#include <unordered_map>

#include "convert/part_ids.h"
#include "pin_map/pin_map.h"

namespace brisel {

class PinMapper {
public:
    explicit PinMapper(const pin_map::PinMap& map) : map_(map) {}

    // A part line: a later part of the same ID takes its entry over.
    void OnPart(const PartNumber* part, std::string_view id, std::string_view name) {
        const pin_map::PartRules rules = map_.RulesFor(id, name);
        if (rules.Empty()) {
            rules_.erase(part);
        } else {
            rules_[part] = rules;
        }
    }
    // A new part section forgets the parts of the last.
    void Clear() { rules_.clear(); }

    // The number the map gives the part's pin, or nothing.
    std::optional<pin_map::Mapping> Map(const PartNumber& part, std::string_view pin) const {
        const auto found = rules_.find(&part);
        if (found == rules_.end()) return std::nullopt;
        return pin_map::PinMap::Map(found->second, pin);
    }

private:
    const pin_map::PinMap& map_;
    std::unordered_map<const PartNumber*, pin_map::PartRules> rules_;
};

}  // namespace brisel
