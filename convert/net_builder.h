#pragma once
// Nets and connections: each signal becomes a row of the Net Names Table in
// the target and one connection row per pin reference in the spool. The
// connections are numbered across all nets, and each names the next one of
// its net (0 for the last).

#include <array>
#include <cstdint>
#include <string_view>

#include "convert/decimal.h"
#include "convert/line_writer.h"
#include "convert/netlist_layout.h"
#include "convert/part_table.h"
#include "convert/pin_mapper.h"
#include "convert/pin_reference.h"
#include "convert/pins_in_net.h"
#include "convert/source_checks.h"

namespace brisel {

class NetBuilder {
public:
    // `mapper`, when not nullptr, gives pins their numbers from a pin map.
    NetBuilder(LineWriter& target, LineWriter& spool, const PartTable& parts, SourceChecks& checks,
               const PinMapper* mapper = nullptr)
        : target_(target), spool_(spool), parts_(parts), checks_(checks), mapper_(mapper) {
        nextRow_.Set(1);
    }

    // The "*NET*" line opens the Net Names Table.
    void OnNetHeader();
    // One signal: its net name on the joined copy's line `headerLine`, with
    // kReadableAfterText readable bytes from its start at least, and its
    // connection line, the line after it, which must be followed by a space
    // and more readable bytes, kReadableAfterText in all. Each pin gets one connection row in
    // the net, however often the line names it.
    void AddNet(std::string_view netName, std::string_view connectionLine, std::int64_t headerLine);

    bool NetHeaderSeen() const { return netHeaderSeen_; }
    std::int64_t NetCount() const { return netCount_; }
    std::int64_t ConnectionCount() const { return connectionCount_; }
    std::int64_t ReferencesLeftOut() const { return leftOut_; }

private:
    // A reference with the key of its part ID, once that is known: the
    // key's words and hash, as its ID is the reference's own.
    struct Reference {
        PinReference pin;
        std::uint64_t word[2];
        std::uint64_t hash;

        PartKey Part() const {
            PartKey key;
            key.id = pin.PartId();
            key.word[0] = word[0];
            key.word[1] = word[1];
            key.hash = hash;
            return key;
        }
    };
    std::size_t SplitBatch(const char*& next, const char* end);
    void AddReference(const Reference& reference, std::string_view netName);
    void AddMappedPin(const PinReference& pin, const PartNumber* part);
    // The reference's pin, `number` as written or as the map gives it, in
    // the net: a part that the part list does not hold leaves it out.
    void AddPin(const PinReference& pin, const PartNumber* part, std::string_view number) {
        last_ = {pin.PartId(), part};
        if (part == nullptr) {
            checks_.UnknownPart(pin.token, last_.partId);
            ++leftOut_;
            return;
        }
        if (pinsInNet_.Add(*part, number)) AddRow(*part, number);
    }
    [[gnu::noinline]] void Repeat(std::string_view token, std::string_view netName);
    void AddRow(const PartNumber& part, std::string_view pin) {
        nextRow_.Increment();
        WriteConnectionRow(spool_, netNumber_, part, pin, nextRow_);
        ++connectionsInNet_;
    }
    void FinishNet();

    LineWriter& target_;
    LineWriter& spool_;
    const PartTable& parts_;
    SourceChecks& checks_;
    const PinMapper* mapper_;

    bool netHeaderSeen_ = false;
    std::int64_t netCount_ = 0;
    std::int64_t connectionCount_ = 0;
    std::int64_t leftOut_ = 0;

    // The current net. Each row names the row after it; the net's last row
    // is mended to name none once the net ends.
    std::int64_t connectionsInNet_ = 0;
    // The net's last reference with a full stop, which a token without one
    // repeats: no part ID before the net's first.
    struct LastReference {
        std::string_view partId;
        const PartNumber* part = nullptr;
    };
    LastReference last_;
    PinsInNet pinsInNet_;
    std::array<Reference, 16> batch_;
    DecimalCounter netNumber_;  // counts along with netCount_
    // The number of the row after the last one written, as text, counted up
    // by one rather than written anew.
    DecimalCounter nextRow_;
};

}  // namespace brisel
