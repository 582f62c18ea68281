#include "convert/net_builder.h"

#include "convert/netlist_layout.h"

namespace brisel {

void NetBuilder::OnNetHeader() {
    WriteNetTableHeader(target_);
    netHeaderSeen_ = true;
}

// Kept out of the main pass's line loop: inlined there, the references'
// loop below has too few registers left and reloads its state for each row.
[[gnu::noinline]] void NetBuilder::AddNet(std::string_view netName, std::string_view connectionLine,
                                          std::int64_t headerLine) {
    checks_.At(headerLine);
    checks_.CheckNameInLine(netName, NameRole::NetName);
    ++netCount_;
    netNumber_.Increment();
    // The net's row names the number of its first connection row, the next
    // one the spool gets: it is written before the rows, to the other file.
    WriteNetRow(target_, netName, nextRow_);
    connectionsInNet_ = 0;
    last_ = {};

    checks_.At(headerLine + 1, connectionLine);
    const char* next = connectionLine.data();
    const char* end = next + connectionLine.size();
    while (next < end) {
        const Reference* const batchEnd = batch_.data() + SplitBatch(next, end);
        for (const Reference* reference = batch_.data(); reference != batchEnd; ++reference) {
            AddReference(*reference, netName);
        }
    }
    FinishNet();
}

// Spaces and tabs separate references, a run of them once. Each step passes
// a token and the space or tab after it (after the last token, the space
// that follows the line); a step that starts on a space or tab has an empty
// token, which is no reference.
//
// The part lookups of a net are independent of each other: asking the
// memory for a batch of them before the first is needed lets their cache
// misses overlap.
std::size_t NetBuilder::SplitBatch(const char*& next, const char* end) {
    std::size_t count = 0;
    while (next < end && count < batch_.size()) {
        const PinReference pin = ScanPinReference(next);
        next += pin.token.size() + 1;
        if (pin.token.empty()) continue;
        Reference& reference = batch_[count++];
        if (pin.HasStop()) {
            // Keyed before anything is stored, so that the key's load of the
            // part ID's block is the scan's load.
            const PartKey key = KeyOfPadded(pin.PartId());
            parts_.Prefetch(key);
            reference.word[0] = key.word[0];
            reference.word[1] = key.word[1];
            reference.hash = key.hash;
        }
        reference.pin.token = pin.token;  // field by field: a copy of the whole would go through memory
        reference.pin.lastStop = pin.lastStop;
        reference.pin.plain = pin.plain;
    }
    return count;
}

// A token without a full stop repeats the reference before it; before the
// net's first reference it has nothing to repeat and is left out, as is a
// reference to a part that the part list does not hold. A pin that the net
// has had writes no row again: so neither does such a repeat. With a pin
// map, the pin is the number the map gives it.
void NetBuilder::AddReference(const Reference& reference, std::string_view netName) {
    const PinReference& pin = reference.pin;
    if (!pin.HasStop()) {
        Repeat(pin.token, netName);
        return;
    }
    const PartNumber* part = parts_.FindPart(reference.Part());
    if (mapper_ != nullptr) [[unlikely]] {
        AddMappedPin(pin, part);
        return;
    }
    if (!pin.plain) checks_.CheckReference(pin.token, pin.lastStop);
    AddPin(pin, part, pin.Pin());
}

// A mapped pin is no longer checked as a pin; its part ID still is.
[[gnu::noinline]] void NetBuilder::AddMappedPin(const PinReference& pin, const PartNumber* part) {
    const auto mapping = part != nullptr ? mapper_->Map(*part, pin.Pin()) : std::nullopt;
    if (!pin.plain) checks_.CheckReference(pin.token, pin.lastStop, mapping.has_value());
    if (mapping) checks_.PinMapped(pin.token, pin.PartId(), pin.Pin(), *mapping);
    AddPin(pin, part, mapping ? std::string_view(mapping->number) : pin.Pin());
}

void NetBuilder::Repeat(std::string_view token, std::string_view netName) {
    if (last_.partId.data() == nullptr) {
        checks_.NothingToRepeat(token, netName);
        ++leftOut_;
    } else if (last_.part == nullptr) {
        checks_.UnknownPart(token, last_.partId);
        ++leftOut_;
    }
}

void NetBuilder::FinishNet() {
    if (connectionsInNet_ > 0) EndNetRows(spool_, nextRow_);
    connectionCount_ += connectionsInNet_;
    pinsInNet_.Clear();
}

}  // namespace brisel
