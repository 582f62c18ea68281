#include "convert/letter_pins.h"

#include <unordered_map>

#include "convert/joining_pass.h"
#include "convert/line_reader.h"
#include "convert/part_line.h"
#include "convert/source_checks.h"

namespace brisel {
namespace {

std::string Folded(std::string_view text) {
    std::string folded;
    folded.reserve(text.size());
    for (char c : text) folded += static_cast<char>(kFold(c));
    return folded;
}

// A word a pin map can hold as a part or a pin field.
bool IsRuleWord(std::string_view word) {
    return !word.empty() && word.front() != '#' && word != "*" && word.find_first_of(" \t") == std::string_view::npos;
}

class LetterPinFinder {
public:
    std::vector<LetterPinGroup> Read(ByteSource& source);

private:
    struct Part {
        std::string id;
        std::size_t group = 0;
    };

    void OnLine(std::string_view line);
    void AddPart(std::string_view line);
    void OnReferences(std::string_view references);
    void OnReference(std::string_view token);
    std::size_t GroupOf(std::string_view id, std::string_view name);
    void Note(const Part& part, std::string_view pin);

    bool headerSeen_ = false;
    bool sectionEnded_ = false;
    bool ended_ = false;
    std::vector<Part> parts_;
    std::unordered_map<std::string, std::size_t> partsById_;  // folded ID: the latest part of that ID
    std::unordered_map<std::string, std::size_t> groupsByKey_;
    std::vector<LetterPinGroup> groups_;
    std::vector<std::unordered_map<std::string, std::size_t>> pinsOfGroup_;
};

std::vector<LetterPinGroup> LetterPinFinder::Read(ByteSource& source) {
    LineReader reader(source);
    JoinRule rule;
    std::string_view line;
    while (!ended_ && reader.Next(line)) {
        const JoinRule::Step step = rule.Next(line);
        if (step.collected) {
            OnReferences(step.piece);
        } else {
            OnLine(line);
        }
    }
    return std::move(groups_);
}

// The part section as the part table reads it; "*END*" outside a signal's
// references ends the netlist.
void LetterPinFinder::OnLine(std::string_view line) {
    if (IsPartHeader(line)) {
        // A header inside an open section starts it again.
        if (!sectionEnded_) partsById_.clear();
        headerSeen_ = true;
        return;
    }
    ended_ = IsEndLine(line);
    if (!headerSeen_ || sectionEnded_) return;
    if (EndsPartSection(line)) {
        sectionEnded_ = true;
    } else if (line.front() != '*') {
        AddPart(line);
    }
}

void LetterPinFinder::AddPart(std::string_view line) {
    const PartLine part = SplitPartLine(line);
    parts_.push_back({std::string(part.id), GroupOf(part.id, part.name)});
    partsById_[Folded(part.id)] = parts_.size() - 1;
}

std::size_t LetterPinFinder::GroupOf(std::string_view id, std::string_view name) {
    const bool byName = IsRuleWord(name);
    const std::string key = byName ? "name " + Folded(name) : "id " + Folded(id);
    const auto [found, added] = groupsByKey_.try_emplace(key, groups_.size());
    if (added) {
        groups_.push_back({std::string(byName ? name : id), byName, {}});
        pinsOfGroup_.emplace_back();
    }
    return found->second;
}

void LetterPinFinder::OnReferences(std::string_view references) {
    std::size_t at = 0;
    while (at < references.size()) {
        const std::size_t end = std::min(references.find_first_of(" \t", at), references.size());
        if (end > at) OnReference(references.substr(at, end - at));
        at = end + 1;
    }
}

// A token without a full stop repeats the reference before it: no new pin.
void LetterPinFinder::OnReference(std::string_view token) {
    const std::size_t stop = token.rfind('.');
    if (stop == std::string_view::npos) return;
    const std::string_view pin = token.substr(stop + 1);
    if (pin.empty() || !IsBadPin(pin)) return;
    const auto part = partsById_.find(Folded(token.substr(0, stop)));
    if (part != partsById_.end()) Note(parts_[part->second], pin);
}

void LetterPinFinder::Note(const Part& part, std::string_view pin) {
    LetterPinGroup& group = groups_[part.group];
    if (!IsRuleWord(group.part) || !IsRuleWord(pin) || pin == "grid") return;
    auto& pins = pinsOfGroup_[part.group];
    const auto [found, added] = pins.try_emplace(std::string(pin), group.pins.size());
    if (added) group.pins.push_back({std::string(pin), {}});
    std::vector<std::string>& ids = group.pins[found->second].partIds;
    for (const std::string& id : ids) {
        if (id == part.id) return;
    }
    ids.push_back(part.id);
}

}  // namespace

std::vector<LetterPinGroup> FindLetterPins(ByteSource& source) {
    std::vector<LetterPinGroup> groups = LetterPinFinder().Read(source);
    std::erase_if(groups, [](const LetterPinGroup& group) { return group.pins.empty(); });
    return groups;
}

}  // namespace brisel
