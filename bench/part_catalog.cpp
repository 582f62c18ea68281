#include "bench/part_catalog.h"

#include <map>
#include <string_view>

namespace brisel::bench {
namespace {

struct PartKind {
    std::string_view prefix;
    std::uint32_t weight;  // share of the board, in parts per 1000
    std::uint32_t minPins;
    std::uint32_t maxPins;
    std::vector<std::string_view> values;
    std::vector<std::string_view> footprints;  // empty when the value names it
};

const std::vector<PartKind>& Kinds() {
    static const std::vector<PartKind> kinds = {
        {"R", 330, 2, 2, {"10K", "4.7K", "100R", "1K", "22R", "47K", "100K", "0R", "2.2K"}, {"0402", "0603", "0805"}},
        {"C",
         320,
         2,
         2,
         {"100nF", "10uF", "1uF", "22pF", "4.7uF", "10nF", "0.1uF", "47uF"},
         {"0402", "0603", "0805", "1206"}},
        {"U",
         110,
         5,
         144,
         {"74HC00@SOIC-14", "LM358@SOIC-8", "STM32F103C8T6@LQFP-48", "NE555@SOIC-8", "TLV70433@SOT-23-5",
          "ATMEGA328P@TQFP-32", "MAX232@SOIC-16", "CD74HC4067@SO-24", "STM32H743ZIT6@LQFP-144"},
         {}},
        {"D", 60, 2, 2, {"1N4148", "BAT54", "SMBJ5.0A", "LED_RED", "LED_GREEN"}, {"SOD-123", "SOD-323", "0603"}},
        {"Q", 50, 3, 3, {"2N7002", "BC847", "MMBT3904", "AO3401"}, {"SOT-23"}},
        {"L", 30, 2, 2, {"10uH", "2.2uH", "4.7uH", "100nH"}, {"0805", "1210"}},
        {"J", 40, 2, 40, {"HDR_1x02@PINHDR", "HDR_2x05@PINHDR", "USB_B@USB-B", "RJ45@RJ45-8", "DB-25F@DB25"}, {}},
        {"FB", 20, 2, 2, {"600R@100MHz"}, {"0603"}},
        {"Y", 10, 2, 4, {"16MHz", "32.768kHz", "8MHz"}, {"HC49", "3225"}},
        {"SW", 15, 2, 4, {"TACT_6x6", "DIP_4"}, {"SMD-6x6"}},
        {"TP", 15, 1, 1, {"TESTPOINT"}, {"TP-1.0"}},
    };
    return kinds;
}

const PartKind& DrawKind(SplitMix64& random) {
    std::uint64_t ticket = random.Below(1000);
    for (const PartKind& kind : Kinds()) {
        if (ticket < kind.weight) {
            return kind;
        }
        ticket -= kind.weight;
    }
    return Kinds().front();
}

template <typename T>
const T& Pick(const std::vector<T>& choices, SplitMix64& random) {
    return choices[random.Below(choices.size())];
}

}  // namespace

std::vector<GeneratedPart> DrawParts(std::uint64_t count, SplitMix64& random) {
    std::vector<GeneratedPart> parts;
    parts.reserve(count);
    std::map<std::string_view, std::uint64_t> lastNumber;
    for (std::uint64_t i = 0; i < count; ++i) {
        const PartKind& kind = DrawKind(random);
        GeneratedPart part;
        part.id = std::string(kind.prefix) + std::to_string(++lastNumber[kind.prefix]);
        part.name = Pick(kind.values, random);
        if (!kind.footprints.empty()) {
            part.name += "@";
            part.name += Pick(kind.footprints, random);
        }
        part.pinCount = static_cast<std::uint32_t>(random.Between(kind.minPins, kind.maxPins));
        parts.push_back(std::move(part));
    }
    return parts;
}

std::string FormatPartLine(const GeneratedPart& part, PartLineStyle style) {
    constexpr std::size_t nameColumn = 17;
    std::string line = part.id;
    std::size_t gap = 1;
    if (style == PartLineStyle::PaddedColumn && line.size() + 1 < nameColumn) {
        gap = nameColumn - line.size();
    }
    line.append(gap, ' ');
    line += part.name;
    return line;
}

}  // namespace brisel::bench
