#pragma once
// The part section: "*PART*" opens it, each following line is a part with
// its ID and name, and a net header, a blank line or the keyword line of
// another section ends it. Writes the Part IDs Table and keeps the part IDs
// for the nets' lookups.

#include <cstdint>
#include <string_view>

#include "convert/decimal.h"
#include "convert/line_writer.h"
#include "convert/part_ids.h"
#include "convert/pin_mapper.h"
#include "convert/source_checks.h"

namespace brisel {

class PartTable {
public:
    // `mapper`, when not nullptr, learns the rules that apply to each part.
    PartTable(LineWriter& target, SourceChecks& checks, PinMapper* mapper = nullptr)
        : target_(target), checks_(checks), mapper_(mapper) {}

    // The part header test and the part line step, for one line of the main
    // pass, the `lineNumber`-th of the joined copy; the line must be followed
    // by a space and more readable bytes, kReadableAfterText in all, as the
    // reader's lines are.
    void OnLine(std::string_view line, std::int64_t lineNumber);

    // The part with this ID in the current section, or nullptr.
    const PartNumber* FindPart(std::string_view partId) const { return ids_.Find(partId); }
    const PartNumber* FindPart(const PartKey& key) const { return ids_.Find(key); }
    void Prefetch(const PartKey& key) const { ids_.Prefetch(key); }
    // Makes room for `count` parts in the index at once, as many as lines
    // that may hold one.
    void Reserve(std::int64_t count) { ids_.Reserve(static_cast<std::size_t>(count)); }
    bool HeaderSeen() const { return headerSeen_; }
    // Whether a part header has opened a section that has not ended yet.
    bool SectionOpen() const { return headerSeen_ && !sectionEnded_; }
    std::int64_t PartCount() const { return partCount_; }

private:
    void OnHeader();
    void AddPart(std::string_view line, std::int64_t lineNumber);

    LineWriter& target_;
    SourceChecks& checks_;
    PinMapper* mapper_;
    PartIds ids_;
    bool headerSeen_ = false;
    bool sectionEnded_ = false;
    std::int64_t partsInSection_ = 0;
    DecimalCounter partNumber_;  // partsInSection_ as text
    std::int64_t partCount_ = 0;
};

}  // namespace brisel
