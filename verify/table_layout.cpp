#include "verify/table_layout.h"

namespace brisel::verify {

namespace {

// Where a part row's fingerprint starts: its ID and name are hashed after it
// with their lengths, as a pin's are.
constexpr std::uint64_t kPartRow = 0x70617274726f77;  // "partrow"

}  // namespace

void TableLayout::Header() {
    counts_.header = true;
    sequence_.Add(Hasher().Add("H").Value());
}

void TableLayout::PartTitle() {
    ++counts_.partTitles;
    sequence_.Add(Hasher().Add("P").Value());
}

void TableLayout::PartRow(std::string_view partId, std::string_view partName) {
    ++counts_.partRows;
    sequence_.Add(PinHash(PinHash(kPartRow, partId), partName));
}

void TableLayout::NetTitle() {
    ++counts_.netTitles;
    sequence_.Add(Hasher().Add("N").Value());
}

}  // namespace brisel::verify
