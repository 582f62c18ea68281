#pragma once
// A pin map: the numbers that pins named with letters get, so that the
// target, which numbers every pad, can connect them. A rule names a part by
// its ID or its name (ASCII letter case ignored, as the part lookup does), or
// every part as "*", and a pin exactly as written; or, for a ball grid
// array, gives the columns of its grid (ball_grid.h). For a part, the rules
// of its ID come first, then those of its name, then those of "*"; within
// each, a pin's own rule before the grid.

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace brisel::pin_map {

// What a rule gives a pin: its number as the target gets it, and the line of
// the map that says so.
struct Mapping {
    std::string_view number;
    std::int64_t line = 0;
};

// The rules of one part field of the map.
class RuleSet {
public:
    std::optional<Mapping> Map(std::string_view pin) const;

private:
    friend class PinMap;
    struct Number {
        std::string text;
        std::int64_t line = 0;
    };
    std::optional<Mapping> MapBall(std::string_view pin) const;

    std::map<std::string, Number, std::less<>> pins_;
    std::int64_t gridColumns_ = 0;  // 0: no grid
    std::int64_t gridLine_ = 0;
    // The numbers of the balls met so far, kept so that the text a Mapping
    // points to stays while the map lives.
    mutable std::map<std::string, std::string, std::less<>> balls_;
};

// The rule sets that apply to one part, strongest first.
struct PartRules {
    std::array<const RuleSet*, 3> sets{};
    bool Empty() const { return sets[0] == nullptr && sets[1] == nullptr && sets[2] == nullptr; }
};

// A rule that disagrees with one read before it.
struct Disagreement {
    std::int64_t earlierLine = 0;
    std::string earlierNumber;
};

class PinMap {
public:
    // "*" as a part field stands for every part.
    static constexpr std::string_view kAnyPart = "*";
    // The pin field of a grid rule.
    static constexpr std::string_view kGrid = "grid";

    PartRules RulesFor(std::string_view partId, std::string_view partName) const;
    // The number the strongest rule gives the pin, or nothing.
    static std::optional<Mapping> Map(const PartRules& rules, std::string_view pin);
    bool Empty() const { return rules_.empty() && !anyPart_; }

    // The map's reader adds each rule; a rule for the same part and pin as
    // an earlier one with another number is refused.
    std::optional<Disagreement> AddPin(std::string_view part, std::string_view pin, std::int64_t number,
                                       std::int64_t line);
    std::optional<Disagreement> AddGrid(std::string_view part, std::int64_t columns, std::int64_t line);

private:
    RuleSet& SetFor(std::string_view part);
    const RuleSet* Find(std::string_view part) const;

    std::map<std::string, RuleSet, std::less<>> rules_;  // by part field, folded
    std::optional<RuleSet> anyPart_;
};

}  // namespace brisel::pin_map
