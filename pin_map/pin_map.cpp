#include "pin_map/pin_map.h"

#include "pin_map/ball_grid.h"

namespace brisel::pin_map {
namespace {

std::string Folded(std::string_view text) {
    std::string folded(text);
    for (char& c : folded) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return folded;
}

}  // namespace

std::optional<Mapping> RuleSet::Map(std::string_view pin) const {
    if (const auto found = pins_.find(pin); found != pins_.end()) {
        return Mapping{found->second.text, found->second.line};
    }
    return gridColumns_ > 0 ? MapBall(pin) : std::nullopt;
}

std::optional<Mapping> RuleSet::MapBall(std::string_view pin) const {
    auto known = balls_.find(pin);
    if (known == balls_.end()) {
        const auto number = BallNumber(pin, gridColumns_);
        if (!number) return std::nullopt;
        known = balls_.emplace(std::string(pin), std::to_string(*number)).first;
    }
    return Mapping{known->second, gridLine_};
}

PartRules PinMap::RulesFor(std::string_view partId, std::string_view partName) const {
    PartRules rules;
    rules.sets[0] = Find(partId);
    rules.sets[1] = partName.empty() ? nullptr : Find(partName);
    rules.sets[2] = anyPart_ ? &*anyPart_ : nullptr;
    return rules;
}

std::optional<Mapping> PinMap::Map(const PartRules& rules, std::string_view pin) {
    for (const RuleSet* set : rules.sets) {
        if (set == nullptr) continue;
        if (auto mapping = set->Map(pin)) return mapping;
    }
    return std::nullopt;
}

std::optional<Disagreement> PinMap::AddPin(std::string_view part, std::string_view pin, std::int64_t number,
                                           std::int64_t line) {
    RuleSet& set = SetFor(part);
    std::string text = std::to_string(number);
    const auto [rule, added] = set.pins_.try_emplace(std::string(pin), RuleSet::Number{text, line});
    if (added || rule->second.text == text) return std::nullopt;
    return Disagreement{rule->second.line, rule->second.text};
}

std::optional<Disagreement> PinMap::AddGrid(std::string_view part, std::int64_t columns, std::int64_t line) {
    RuleSet& set = SetFor(part);
    if (set.gridColumns_ == 0) {
        set.gridColumns_ = columns;
        set.gridLine_ = line;
    }
    if (set.gridColumns_ == columns) return std::nullopt;
    return Disagreement{set.gridLine_, std::to_string(set.gridColumns_)};
}

RuleSet& PinMap::SetFor(std::string_view part) {
    if (part == kAnyPart) {
        if (!anyPart_) anyPart_.emplace();
        return *anyPart_;
    }
    return rules_[Folded(part)];
}

const RuleSet* PinMap::Find(std::string_view part) const {
    const auto found = rules_.find(Folded(part));
    return found == rules_.end() ? nullptr : &found->second;
}

}  // namespace brisel::pin_map
