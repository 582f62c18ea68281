#include "messages/discrepancy_texts.h"

#include <cstring>

#include "messages/escaped_text.h"

namespace brisel::messages {
namespace {

using verify::Discrepancy;
using verify::DiscrepancyKind;

std::string Num(std::int64_t value) { return std::to_string(value); }

// Bytes of a netlist with its control bytes as \xNN, so that the line stays one line.
std::string Shown(const std::string& bytes) { return Escaped(bytes, {}); }

std::string LineEndName(verify::LineEnd end) {
    switch (end) {
        case verify::LineEnd::Cr:
            return "CR";
        case verify::LineEnd::Lf:
            return "LF";
        case verify::LineEnd::None:
            return "missing";
        case verify::LineEnd::CrLf:
            break;
    }
    return "CR LF";
}

std::string LineEndText(const Discrepancy& d) {
    const std::string more = d.found > 0 ? " (" + Num(d.found) + " more lines like it)" : "";
    return "target line " + Num(d.line) + ": line end is " + LineEndName(d.lineEnd) + ", not CR LF" + more;
}

std::string UnexpectedLineText(const Discrepancy& d, const std::string& expected) {
    const std::string found = d.text.empty() ? " an empty line" : ": " + Shown(d.text);
    return "target line " + Num(d.line) + ": expected " + expected + " but found" + found;
}

std::string OutOfRangeText(const Discrepancy& d, const std::string& what) {
    const std::string range = d.expected == 0 ? "(the table is empty)" : "1.." + Num(d.expected);
    return "connection " + Num(d.connection) + ": " + what + " number " + Num(d.found) + " out of range " + range;
}

std::string TableCountsText(const verify::TableCounts& counts) {
    return std::string(counts.header ? "the header, " : "no header, ") + Num(counts.partTitles) +
           " \"Part IDs Table\", " + Num(counts.partRows) + " part rows, " + Num(counts.netTitles) +
           " \"Net Names Table\"";
}

std::string NetLabel(const Discrepancy& d) { return "net " + Num(d.net) + ": "; }

// A net compared with the source's is named as the source names it.
std::string SourceNetLabel(const Discrepancy& d) {
    return "net \"" + Shown(d.sourceName) + "\" (net " + Num(d.net) + "): ";
}

std::string TargetUnreadableText(const Discrepancy& d) {
    return "cannot read the target file '" + d.text + "': " + std::strerror(d.error);
}

std::string EmptyNetText(const Discrepancy& d) {
    return NetLabel(d) + "has no connections, so its first connection should be " + Num(d.expected) +
           " (where the next one starts), not " + Num(d.found);
}

std::string ChainShortText(const Discrepancy& d) {
    return NetLabel(d) + "chain reaches " + Num(d.found) + " of the " + Num(d.expected) +
           " connections with this net number";
}

std::string NetNameText(const Discrepancy& d) {
    return NetLabel(d) + "name \"" + Shown(d.text) + "\" in the target, \"" + Shown(d.sourceName) +
           "\" in the source (line " + Num(d.line) + ")";
}

}  // namespace

std::string DiscrepancyText(const Discrepancy& d) {
    using enum DiscrepancyKind;
    switch (d.kind) {
        case TargetUnreadable:
            return TargetUnreadableText(d);
        case ReadFailed:
            return "a read failed while verifying";
        case LineEndNotCrLf:
            return LineEndText(d);
        case NotTheFixedLine:
            return UnexpectedLineText(d, d.expectedText);
        case NotTheBanner:
            return UnexpectedLineText(d, "the banner \"Brisel v...\"");
        case NotAPartRow:
            return UnexpectedLineText(d, "a part row \"ID\" \"NAME\" \"\" or an empty line");
        case NotANetRow:
            return UnexpectedLineText(d, "a net row \"NAME\" FIRST or an empty line");
        case NotAConnectionRow:
            return UnexpectedLineText(d, "a connection row NET PART PIN NEXT");
        case EndsEarly:
            return "target ends after line " + Num(d.line) + ", before the " + d.expectedText + " line";
        case NetNumberOutOfRange:
            return OutOfRangeText(d, "net");
        case PartNumberOutOfRange:
            return OutOfRangeText(d, "part");
        case EmptyNetMisplaced:
            return EmptyNetText(d);
        case ChainBackwards:
            return NetLabel(d) + "chain goes backwards at connection " + Num(d.connection) + " (next " + Num(d.next) +
                   ")";
        case FirstConnectionNotInNet:
            return NetLabel(d) + "first connection " + Num(d.connection) + " is not in the net";
        case ChainBreaks:
            return NetLabel(d) + "chain breaks at connection " + Num(d.connection) + " (next " + Num(d.next) +
                   " is not in the net)";
        case ChainShort:
            return ChainShortText(d);
        case PartRowsDiffer:
            return "tables: the target's part rows hold other IDs or names than the source's part lines";
        case TableCountsDiffer:
            return "tables: the target has " + TableCountsText(d.targetTables) + "; the source gives " +
                   TableCountsText(d.sourceTables);
        case NetCountDiffers:
            return "net count: " + Num(d.found) + " in the target, " + Num(d.expected) + " in the source";
        case NetNameDiffers:
            return NetNameText(d);
        case ConnectionCountDiffers:
            return SourceNetLabel(d) + Num(d.found) + " connections in the target, " + Num(d.expected) +
                   " expected from the source";
        case PinsDiffer:
            return SourceNetLabel(d) + "the target's connections name other pins than the source's references (line " +
                   Num(d.line) + ")";
    }
    return "discrepancy";
}

std::string LeftOutDiscrepanciesText(std::size_t count) {
    return "... and " + std::to_string(count) + " more problems";
}

std::string ImportRiskText(verify::ImportRiskKind kind) {
    switch (kind) {
        case verify::ImportRiskKind::PartHeaderAfterNets:
            return "the part header comes after net data: its \"Part IDs Table\" stands among the nets in the new "
                   "netlist, where ExpressPCB does not expect it";
        case verify::ImportRiskKind::SecondPartHeader:
            return "a second part header: the new netlist gets a second \"Part IDs Table\", and its parts are "
                   "numbered from 1 again, so ExpressPCB may take them for the parts of the first table";
        case verify::ImportRiskKind::PartHeaderAfterSection:
            return "a part header after the part section has ended: the new netlist gets a second \"Part IDs "
                   "Table\" line without parts, which ExpressPCB does not expect";
        case verify::ImportRiskKind::SecondNetHeader:
            return "a second \"*NET*\" line: the new netlist gets a second \"Net Names Table\", which ExpressPCB "
                   "does not expect";
        case verify::ImportRiskKind::SecondConnectionHeader:
            return "a second net header, \"*CONNECTION*\": the new netlist gets a second \"Net Names Table\", which "
                   "ExpressPCB does not expect";
        case verify::ImportRiskKind::NetBeforeNetHeader:
            return "the net comes before any \"*NET*\" line: its row stands outside a \"Net Names Table\" in the new "
                   "netlist, where ExpressPCB does not expect it";
    }
    return "import risk";
}

}  // namespace brisel::messages
