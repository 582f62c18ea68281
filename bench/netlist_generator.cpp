#include "bench/netlist_generator.h"

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

void WriteReference(const GeneratedPart& part, SplitMix64& random, LineSink& sink) {
    sink.Append(part.Id);
    sink.Append(".");
    sink.Append(random.Between(1, part.PinCount));
}

// A signal header and its references, wrapped over lines as writers do;
// references are separated by exactly one space so each one is one connection.
void WriteNet(std::string_view name, std::uint64_t pins, const std::vector<GeneratedPart>& parts, std::uint64_t perLine,
              SplitMix64& random, LineSink& sink) {
    sink.Append("*SIGNAL* ");
    sink.Append(name);
    sink.EndLine();
    for (std::uint64_t i = 0; i < pins; ++i) {
        if (i % perLine != 0) {
            sink.Append(" ");
        }
        WriteReference(parts[random.Below(parts.size())], random, sink);
        if (i % perLine == perLine - 1 || i + 1 == pins) {
            sink.EndLine();
        }
    }
}

std::uint64_t WriteNets(const NetlistOptions& options, const std::vector<GeneratedPart>& parts, SplitMix64& random,
                        LineSink& sink) {
    sink.Append("*NET*");
    sink.EndLine();
    if (options.SingleNet) {
        WriteNet("GND", options.References, parts, options.ReferencesPerLine, random, sink);
        return 1;
    }
    std::uint64_t nets = 0;
    std::uint64_t powerNets = 0;
    for (std::uint64_t remaining = options.References; remaining > 0;) {
        const std::uint64_t pins = DrawNetSize(remaining, random);
        const std::string name = NetName(++nets, pins, powerNets, random);
        powerNets += pins >= PowerNetPins ? 1 : 0;
        WriteNet(name, pins, parts, options.ReferencesPerLine, random, sink);
        remaining -= pins;
    }
    return nets;
}

}  // namespace

NetlistSummary WriteNetlist(const NetlistOptions& options, std::ostream& out) {
    SplitMix64 random(options.Seed);
    LineSink sink(out, options.CrLf);
    sink.Append(DrawFormatLine(random));
    sink.EndLine();
    const PartLineStyle style = random.Below(2) == 0 ? PartLineStyle::SingleSpace : PartLineStyle::PaddedColumn;
    const std::vector<GeneratedPart> parts = DrawParts(options.Parts, random);
    WriteParts(parts, style, sink);

    NetlistSummary summary;
    summary.Parts = options.Parts;
    summary.References = options.References;
    summary.Nets = WriteNets(options, parts, random, sink);
    sink.Append("*END*");
    sink.EndLine();
    sink.Flush();
    summary.SourceLines = sink.Lines();
    summary.JoinedLines = summary.Parts + 2 * summary.Nets + 5;
    return summary;
}

}  // namespace brisel::bench
