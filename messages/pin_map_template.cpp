#include "messages/pin_map_template.h"

#include <algorithm>

#include "pin_map/pin_map_reader.h"

namespace brisel::messages {
namespace {

constexpr std::size_t kPartsNamed = 8;

std::string Padded(const std::string& text, std::size_t width) {
    return text + std::string(width > text.size() ? width - text.size() : 0, ' ');
}

// "Q1, Q2, Q3", or the first few "and 12 more".
std::string PartList(const std::vector<std::string>& ids) {
    std::string list;
    for (std::size_t i = 0; i < ids.size() && i < kPartsNamed; ++i) list += (i == 0 ? "" : ", ") + ids[i];
    if (ids.size() > kPartsNamed) list += " and " + std::to_string(ids.size() - kPartsNamed) + " more";
    return list;
}

struct Widths {
    std::size_t part = 4;  // "PART"
    std::size_t pin = 3;   // "PIN"
};

Widths WidthsOf(const std::vector<LetterPinGroup>& groups) {
    Widths widths;
    for (const LetterPinGroup& group : groups) {
        widths.part = std::max(widths.part, group.part.size());
        for (const LetterPin& pin : group.pins) widths.pin = std::max(widths.pin, pin.pin.size());
    }
    return widths;
}

}  // namespace

std::string PinMapTemplate(const std::string& sourceLabel, const std::vector<LetterPinGroup>& groups) {
    std::string text = "# Pin map for " + sourceLabel + ": replace each " + std::string(pin_map::kNumberToFill) +
                       " with the pin's number.\n"
                       "# A rule for a part name numbers that pin of every part of the name.\n";
    if (groups.empty()) return text + "# Every pin of " + sourceLabel + " is a number already.\n";
    const Widths widths = WidthsOf(groups);
    text += "# " + Padded("PART", widths.part - 2) + "  " + Padded("PIN", widths.pin) + "  NUMBER\n";
    for (const LetterPinGroup& group : groups) {
        for (const LetterPin& pin : group.pins) {
            text += Padded(group.part, widths.part) + "  " + Padded(pin.pin, widths.pin) + "  " +
                    std::string(pin_map::kNumberToFill) + "  # " + PartList(pin.partIds) + "\n";
        }
    }
    return text;
}

}  // namespace brisel::messages
