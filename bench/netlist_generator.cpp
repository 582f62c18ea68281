#include "bench/netlist_generator.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

#include "bench/line_sink.h"
#include "bench/net_plan.h"
#include "bench/part_catalog.h"
#include "bench/split_mix64.h"

namespace brisel::bench {
namespace {

std::string_view DrawFormatLine(SplitMix64& random) {
    static constexpr std::array<std::string_view, 4> formats = {"!PADS-POWERPCB-V3.0-MILS!", "*PADS-PCB*", "*PADS2000*",
                                                                "!PADS-POWERPCB-V2.0-MILS!"};
    return formats[random.Below(formats.size())];
}

void WriteParts(const std::vector<GeneratedPart>& parts, PartLineStyle style, LineSink& sink) {
    sink.Append("*PART*");
    sink.EndLine();
    for (const GeneratedPart& part : parts) {
        sink.Append(FormatPartLine(part, style));
        sink.EndLine();
    }
    sink.EndLine();  // the empty line that closes the part list
}

// The pins drawn for one net: a pin drawn again within the net is the same
// connection.
class DrawnPins {
public:
    void Add(std::uint64_t part, std::uint64_t pin) { keys_.push_back(part << 32 | pin); }
    // The distinct pins drawn since the last call.
    std::uint64_t TakeDistinct() {
        std::sort(keys_.begin(), keys_.end());
        const auto distinct = static_cast<std::uint64_t>(std::unique(keys_.begin(), keys_.end()) - keys_.begin());
        keys_.clear();
        return distinct;
    }

private:
    std::vector<std::uint64_t> keys_;
};

// Writes signals, each a header and its references wrapped over lines as
// writers do, the references separated by exactly one space.
class NetWriter {
public:
    NetWriter(const std::vector<GeneratedPart>& parts, std::uint64_t perLine, SplitMix64& random, LineSink& sink)
        : parts_(parts), perLine_(perLine), random_(random), sink_(sink) {}

    // Returns the net's connections: its distinct pins.
    std::uint64_t Write(std::string_view name, std::uint64_t pins) {
        sink_.Append("*SIGNAL* ");
        sink_.Append(name);
        sink_.EndLine();
        for (std::uint64_t i = 0; i < pins; ++i) {
            if (i % perLine_ != 0) {
                sink_.Append(" ");
            }
            WriteReference();
            if (i % perLine_ == perLine_ - 1 || i + 1 == pins) {
                sink_.EndLine();
            }
        }
        return drawn_.TakeDistinct();
    }

private:
    void WriteReference() {
        const std::uint64_t index = random_.Below(parts_.size());
        const GeneratedPart& part = parts_[index];
        const std::uint64_t pin = random_.Between(1, part.pinCount);
        drawn_.Add(index, pin);
        sink_.Append(part.id);
        sink_.Append(".");
        sink_.Append(pin);
    }

    const std::vector<GeneratedPart>& parts_;
    std::uint64_t perLine_;
    SplitMix64& random_;
    LineSink& sink_;
    DrawnPins drawn_;
};

struct NetTotals {
    std::uint64_t nets = 0;
    std::uint64_t connections = 0;
};

std::uint64_t NextNetSize(const NetlistOptions& options, std::uint64_t remaining, SplitMix64& random) {
    if (options.netSize == 0) return DrawNetSize(remaining, random);
    return std::min(options.netSize, remaining);
}

NetTotals WriteNets(const NetlistOptions& options, const std::vector<GeneratedPart>& parts, SplitMix64& random,
                    LineSink& sink) {
    sink.Append("*NET*");
    sink.EndLine();
    NetWriter writer(parts, options.referencesPerLine, random, sink);
    if (options.singleNet) {
        return {1, writer.Write("GND", options.references)};
    }
    NetTotals totals;
    std::uint64_t powerNets = 0;
    for (std::uint64_t remaining = options.references; remaining > 0;) {
        const std::uint64_t pins = NextNetSize(options, remaining, random);
        const std::string name = NetName(++totals.nets, pins, powerNets, random);
        powerNets += pins >= PowerNetPins ? 1 : 0;
        totals.connections += writer.Write(name, pins);
        remaining -= pins;
    }
    return totals;
}

}  // namespace

NetlistSummary WriteNetlist(const NetlistOptions& options, std::ostream& out) {
    SplitMix64 random(options.seed);
    LineSink sink(out, options.crLf);
    sink.Append(DrawFormatLine(random));
    sink.EndLine();
    const PartLineStyle style = random.Below(2) == 0 ? PartLineStyle::SingleSpace : PartLineStyle::PaddedColumn;
    const std::vector<GeneratedPart> parts = DrawParts(options.parts, random);
    WriteParts(parts, style, sink);

    NetlistSummary summary;
    summary.parts = options.parts;
    summary.references = options.references;
    const NetTotals nets = WriteNets(options, parts, random, sink);
    summary.nets = nets.nets;
    summary.connections = nets.connections;
    sink.Append("*END*");
    sink.EndLine();
    sink.Flush();
    summary.sourceLines = sink.Lines();
    summary.joinedLines = summary.parts + 2 * summary.nets + 5;
    return summary;
}

}  // namespace brisel::bench
